// Small rules of the main and window pages that need no window.
#pragma once

#include <string>
#include <string_view>

namespace options {

// "Уровень прозрачности: " + the opacity in whole percent + "%".
std::wstring TransparencyLabel(int position);

// The cursor text that stands for the program's own cursor: empty or
// "Стандартный" (Latin letters compared without regard to case).
inline constexpr wchar_t kStandardCursorText[] = L"Стандартный";
bool IsStandardCursorText(std::wstring_view text);

// The numeric spin edits take digits and backspace only.
bool SpinEditAcceptsKey(wchar_t key);

// A stored scale (1.0 = 100 %) as the size bar's whole percent: the nearest
// one, so that a scale kept in single precision (0.29 is 0.2899999...) shows
// as the percentage that was stored.
int ScalePercent(float scale);

// The snapping distance as the track bar's hint.
std::wstring PositionHint(int position);

}  // namespace options
