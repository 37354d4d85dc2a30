#include "options/page_rules.h"

#include <cmath>

#include "base/text_compare.h"

namespace options {

std::wstring TransparencyLabel(int position) {
    return L"Уровень прозрачности: " + std::to_wstring(position * 100 / 255) + L"%";
}

bool IsStandardCursorText(std::wstring_view text) {
    return text.empty() || base::SameTextLatin(text, kStandardCursorText);
}

bool SpinEditAcceptsKey(wchar_t key) {
    return (key >= L'0' && key <= L'9') || key == 8;
}

int ScalePercent(float scale) {
    return static_cast<int>(std::lround(static_cast<double>(scale) * 100.0));
}

std::wstring PositionHint(int position) {
    return std::to_wstring(position);
}

}  // namespace options
