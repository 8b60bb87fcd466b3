#include "menu_description.h"

#include <sstream>

#include "failure.h"
#include "program_driver.h"

namespace e2e {

namespace {

std::vector<std::wstring> SplitTabs(const std::wstring& line, size_t fields) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (parts.size() + 1 < fields) {
        const size_t tab = line.find(L'\t', start);
        if (tab == std::wstring::npos) break;
        parts.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    parts.push_back(line.substr(start));  // the text is last and may hold anything
    return parts;
}

}  // namespace

const MenuItem* MenuBar::FindById(int id) const {
    for (const MenuItem& menu : menus)
        for (const MenuItem& item : menu.items)
            if (item.kind == 'I' && item.id == id) return &item;
    return nullptr;
}

MenuBar ParseMenuDescription(const std::wstring& description) {
    MenuBar bar;
    std::wistringstream lines(description);
    std::wstring line;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        const auto f = SplitTabs(line, 8);
        if (f.size() != 8) Fail("menu probe: cannot read the line \"" + Narrow(line) + "\"");
        MenuItem item;
        try {
            item.position = std::stoi(f[1]);
            item.kind = static_cast<char>(f[2].empty() ? L'?' : f[2][0]);
            item.id = std::stoi(f[3]);
            item.state = static_cast<unsigned>(std::stoul(f[4], nullptr, 16));
            if (f[5] != L"-") {
                const size_t x = f[5].find(L'x');
                item.bitmapWidth = std::stoi(f[5].substr(0, x));
                item.bitmapHeight = std::stoi(f[5].substr(x + 1));
            }
            if (f[6] != L"-")
                item.bitmapCentre = static_cast<std::uint32_t>(std::stoul(f[6], nullptr, 16));
        } catch (const std::exception&) {
            Fail("menu probe: cannot read the line \"" + Narrow(line) + "\"");
        }
        item.text = f[7];
        if (f[0] == L"0") {
            bar.menus.push_back(std::move(item));
        } else if (f[0] == L"1" && !bar.menus.empty()) {
            bar.menus.back().items.push_back(std::move(item));
        } else {
            Fail("menu probe: item outside a menu in \"" + Narrow(line) + "\"");
        }
    }
    return bar;
}

}  // namespace e2e
