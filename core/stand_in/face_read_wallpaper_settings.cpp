// Stand-in until desktop and wallpaper drawing (face) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

// Nothing of the program's own is on the desktop: keep the user's wallpaper.
bool TfrmHoralto::ReadWallpaperSettings() {
    return true;
}
