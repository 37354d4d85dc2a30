// Drawing the analog clock of a skin set into its clock bitmap.
#pragma once

#include <windows.h>

#include <string>

#include "face/skin_set.h"

namespace face {

// Dial, minute dots, hour labels, text line, hands (hour, minute, second),
// centre cap and glass, for the time of day in the fields of time. Nothing but
// the set's clock bitmap changes.
void DrawClockFace(SkinSet& set, const std::wstring& text, const SYSTEMTIME& time);

}  // namespace face
