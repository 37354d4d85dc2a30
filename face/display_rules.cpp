#include "face/display_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
        std::size_t end = text.find_first_of(L"\r\n", pos);
        if (end == std::wstring_view::npos) end = text.size();
        if (line > 0) shown += L"\r\n";
        shown += text.substr(pos, std::min(end - pos, lineChars));
        pos = end;
        if (pos < text.size() && text[pos] == L'\r') ++pos;
        if (pos < text.size() && text[pos] == L'\n') ++pos;
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
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        if (text[i] == L'\r' || text[i] == L'\n') ++count;
    }
    return count;
}

std::wstring BlankLines(std::wstring_view text, int first, int last) {
    std::wstring kept;
    std::size_t pos = 0;
    for (int line = 0;; ++line) {
        std::size_t end = text.find_first_of(L"\r\n", pos);
        if (end == std::wstring_view::npos) end = text.size();
        if (line >= first && line < last)
            kept.append(text.substr(pos, end - pos));
        else if (end > pos)
            kept += L' ';
        if (end == text.size()) break;
        const std::size_t next =
            end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
        kept.append(text.substr(end, next - end));
        pos = next;
    }
    return kept;
}

}  // namespace face
