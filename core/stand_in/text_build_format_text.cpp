// Stand-in until the template language (timetext) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

// Until the template language is in: the time of day.
std::wstring TfrmHoralto::BuildFormatText(const std::wstring&) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    wchar_t text[16];
    swprintf(text, 16, L"%d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
    return text;
}
