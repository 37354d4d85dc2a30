// Stand-in until the display refresh (face) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

// Until the skinned display is in: the text in the label.
void TfrmHoralto::RefreshDisplay(const std::wstring& text, bool reload, bool) {
    lblDateTime.SetCaption(text);
    if (reload) tmrTimer.SetEnabled(true);
}
