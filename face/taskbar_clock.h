// The taskbar clock's picture as its control paints it: the panel's colour,
// the background picture and the skin's face, or the text in the label's
// place, font and alignment, vertically centred.
#pragma once

#include <windows.h>

class TfrmHoralto;

namespace face {

void PaintTaskbarClock(TfrmHoralto& f, HDC dc, const RECT& rect);

}  // namespace face
