// Drawing the analog clock of a skin set into its clock bitmap.
#pragma once

#include <windows.h>

#include <string>

#include "face/skin_set.h"

namespace face {

// Dial, minute dots, hour labels, text line, hands (hour, minute, second),
// centre cap and glass, for the time of day in the fields of time. Only the
// hands, the cap and the glass are drawn anew: the rest comes from the set's
// cache, which is drawn again when anything it shows has changed. Nothing but
// the set's clock bitmap and its cache changes.
void DrawClockFace(SkinSet& set, const std::wstring& text, const SYSTEMTIME& time);

// The same face drawn whole in one pass, without the cache.
void DrawWholeClockFace(SkinSet& set, const std::wstring& text, const SYSTEMTIME& time);

}  // namespace face
