#include "favorites/label_text.h"

#include <algorithm>

#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/drawing_targets.h"

namespace favorites {

using namespace runtime;

namespace {

std::string WithoutLeadingBlanks(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace

LabelLines BreakLabelLines(const std::string& text, int width) {
    LabelLines lines;
    SplitText first = SplitToWidth(text, static_cast<float>(width - 5), 1);
    lines[0] = first.head;
    lines[1] = first.rest;
    for (int i = 1; i + 1 < kMaxLabelLines; ++i) {
        std::string& line = lines[i];
        const bool longer = line.size() > lines[i - 1].size();
        if (!longer && (line.empty() || TextSize(line).width <= width)) continue;
        SplitText s = SplitToWidth(line, static_cast<float>(width), 1);
        if (s.head.empty() && !s.rest.empty()) {
            // A word wider than the target: cut it by characters, at least one a line.
            s = SplitToWidth(line, static_cast<float>(width), 0);
            if (s.head.empty()) s = {line.substr(0, 1), line.substr(1)};
        }
        lines[i] = WithoutLeadingBlanks(s.head);
        lines[i + 1] = WithoutLeadingBlanks(s.rest);
    }
    return lines;
}

float AlignedLineX(int alignment, float left, int width, int lineWidth) {
    switch (alignment) {
        case AlignRight:
            return static_cast<float>(width - lineWidth - 3) + left;
        case AlignCenter:
            return static_cast<float>(width - lineWidth) / 2.0f + left;
        default:
            return left;
    }
}

void DrawLabelText(std::intptr_t dialog, int id, const std::string& text, int alignment, float left,
                   float top, int font, COLORREF textColor, Justifier justify) {
    AttachTarget(dialog, id, 0);
    SetFont(font);
    SetForeColor(textColor);
    SetBackColor(NoColor);
    const int width = GetTargetSize().width;
    void* dc = GetDrawingContext();
    SetPosition(left, top);
    const LabelLines lines = BreakLabelLines(text, width);

    if (alignment != AlignJustify) {
        for (const std::string& line : lines) {
            const int w = TextSize(line).width;
            SetPosition(AlignedLineX(alignment, left, width, w),
                        static_cast<float>(GetPosition().y));
            PrintText(line);
            NewLine();
        }
        return;
    }
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, TextSize(line).width);
    for (const std::string& line : lines) {
        const int w = TextSize(line).width;
        SetPosition(left, static_cast<float>(GetPosition().y));
        const int blanks = static_cast<int>(std::count(line.begin(), line.end(), ' '));
        // Only lines nearly as wide as the widest are stretched; short last lines stay as they are.
        const bool spread = justify && dc && blanks > 0 && w < widest && w >= 0.8 * widest;
        if (spread) justify(dc, widest - w, blanks);
        PrintText(line);
        if (spread) justify(dc, 0, 0);
        NewLine();
    }
}

}  // namespace favorites
