// Runs the program where it was installed, in a folder it may not write to: it must start,
// draw, and end with 0, its settings store failing silently; an archive of the favourite
// colours says, record by record, that it could not write, and never that it did.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "automation/favorites_driver.h"
#include "ids/program_ids.h"

namespace {

// Changes a colour, archives, and leaves without saving: true when every record failed
// with error 52 and no success was claimed.
bool ArchiveFails(const e2e::Program& p) {
    HWND d = e2e::OpenFavorites(p);
    if (!d || !e2e::ChangeCellToGrey(p, d, 0, 0)) {
        std::printf("read-only folder: the favourite colours could not be changed\n");
        return false;
    }
    e2e::Click(d, ids::kArchiveButton);
    const auto boxes = e2e::AnswerEveryBox(p);
    const auto failures =
        std::count(boxes.begin(), boxes.end(), L"Err:  52 Bad file name or number");
    const bool claimed = std::count(boxes.begin(), boxes.end(), e2e::kArchivedText) > 0;
    const bool stillEnabled = IsWindowEnabled(GetDlgItem(d, ids::kArchiveButton)) != FALSE;
    e2e::Click(d, ids::kLeaveButton);
    const auto question = e2e::AnswerEveryBox(p, IDNO);
    const bool closed = e2e::WaitFor([&] { return !IsWindow(d); });
    std::printf(
        "[ E2E      ] archive in a read-only folder: %zu messages, %td of them \"Err:  52 Bad file "
        "name or "
        "number\", success %s, \"Archivar\" %s\n",
        boxes.size(), failures, claimed ? "CLAIMED" : "not claimed",
        stillEnabled ? "still enabled" : "DISABLED");
    return boxes.size() == 130 && failures == 130 && !claimed && stillEnabled &&
           question.size() == 1 && closed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: poligonos_readonly installed\\poligonos.exe work-folder "
                     "[width the program starts with]\n");
        return 2;
    }
    e2e::Program p{e2e::fs::path(argv[1]), e2e::fs::path(argv[2])};
    if (!p.Started()) {
        std::printf("read-only folder: the program did not start\n");
        return 1;
    }
    if (argc > 3) {
        const int width = std::atoi(argv[3]), shown = e2e::ListSelection(p.Control(510)) + 1;
        std::printf("[ E2E      ] read-only folder: started with width %d, stored %d\n", shown,
                    width);
        if (shown != width) return 1;
    }
    p.ChooseListItem(509, 4);
    p.ChooseListItem(510, 5);
    const auto items = e2e::ListItems(p.Control(509));
    const bool archiveFails = ArchiveFails(p);
    p.Post(1012);
    DWORD code = 99;
    const bool ended = p.WaitForExit(&code);
    std::printf(
        "[ E2E      ] read-only program folder, run as an unprivileged user: %zu side counts "
        "listed, ended %s with %lu\n",
        items.size(), ended ? "by itself" : "NOT", code);
    return ended && code == 0 && items.size() == 30 && archiveFails ? 0 : 1;
}
