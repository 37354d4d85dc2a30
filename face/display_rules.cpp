#include "face/display_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/text_lines.h"

namespace face {

int LayeredAlpha(bool mouseTimerRunning, bool transparentOnMouseMove, int valueOnMouseMove, bool transparency,
                 int levelTransparency) {
    if (mouseTimerRunning && transparentOnMouseMove) return std::clamp(valueOnMouseMove, 0, 255);
    if (transparency && levelTransparency < 255) return std::clamp(levelTransparency, 0, 255);
    return 255;
}

bool TextWindowNeedsRebuild(bool reload, int labelWidth, int labelHeight, int textWidth, int textHeight) {
    return reload || std::abs(labelWidth - textWidth) > 2 || std::abs(labelHeight - textHeight) > 2;
}

std::wstring ScreenfulText(std::wstring_view text, int maxLines, int maxLineChars) {
    if (auto nul = text.find(L'\0'); nul != std::wstring_view::npos) text = text.substr(0, nul);
    const std::size_t lineChars = static_cast<std::size_t>(std::max(maxLineChars, 0));
    std::wstring shown;
    std::size_t pos = 0;
    for (int line = 0; line < maxLines && pos < text.size(); ++line) {
        const base::LineEnd end = base::FindLineEnd(text, pos);
        if (line > 0) shown += L"\r\n";
        shown += text.substr(pos, std::min(end.end - pos, lineChars));
        pos = end.next;
    }
    return shown;
}

LineSpan LinesInSight(int lineCount, double lineHeight, double centreY, double height) {
    if (lineCount <= 0) return {};
    if (!(lineHeight > 0)) return {0, lineCount};
    const double top = centreY - lineCount * lineHeight / 2;
    // Line i covers top + i * lineHeight up to one line height further down.
    const double first = std::floor(-top / lineHeight) - 2;
    const double last = std::ceil((height - top) / lineHeight) + 2;
    return {static_cast<int>(std::clamp(first, 0.0, double(lineCount))),
            static_cast<int>(std::clamp(last, 0.0, double(lineCount)))};
}

int LineCount(std::wstring_view text) {
    int count = 1;
    for (base::LineEnd line = base::FindLineEnd(text, 0); line.end < text.size();
         line = base::FindLineEnd(text, line.next))
        ++count;
    return count;
}

std::wstring BlankLines(std::wstring_view text, int first, int last) {
    std::wstring kept;
    std::size_t pos = 0;
    for (int line = 0;; ++line) {
        const base::LineEnd end = base::FindLineEnd(text, pos);
        if (line >= first && line < last)
            kept.append(text.substr(pos, end.end - pos));
        else if (end.end > pos)
            kept += L' ';
        if (end.end == text.size()) break;
        kept.append(text.substr(end.end, end.next - end.end));
        pos = end.next;
    }
    return kept;
}

}  // namespace face
