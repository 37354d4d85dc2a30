// Rules of the colour and font sub-pages that need no window: the pixel of the
// stretched palette picture under the mouse, the palette itself, the text
// colour made from the colour list and the opacity bar, the style bits of the
// four style boxes, and when a change of the window's fill type reloads the
// skins.
#pragma once

#include <cstdint>

namespace options {

// The bitmap pixel under control point (x, y) of a w x h control showing a
// W x H picture stretched: (x * W / w, y * H / h), each rounded down.
struct PalettePoint {
    int x = 0;
    int y = 0;
};
PalettePoint PalettePixelAt(int x, int y, int bitmapWidth, int bitmapHeight, int controlWidth,
                            int controlHeight);

// The palette picture: hues from left to right, from white at the top through
// the full colour to black at the bottom. 0x00RRGGBB.
std::uint32_t PaletteColor(int x, int y, int width, int height);

// The text colour (ARGB) from the colour list's entry (0 = the custom entry)
// holding the opaque colour rgb (0x00RRGGBB, system colours already resolved)
// and the opacity bar: a listed colour is always opaque.
std::uint32_t TextColorOfChoice(int listIndex, std::uint32_t rgb, int opacity);

// 1 bold, 2 italic, 4 underline, 8 strike-out.
int TextStyleOf(bool bold, bool italic, bool underline, bool strikeOut);

// A new fill type reloads the skins when it leaves or enters the layered
// window (1) or the captured screen (2), or when a skin's own text colour is in use.
bool FillTypeChangeReloads(int oldType, int newType, bool skinTextColorInUse);

// Where the colour list starts for a remembered entry: the entry when it is
// above 0 and inside the list, else nothing (-1: the colour itself is looked up).
int RememberedColorEntry(int item, int entryCount);

}  // namespace options
