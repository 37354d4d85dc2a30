#include "face/display_rules.h"

#include <algorithm>
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

}  // namespace face
