// Stand-in until the mouse hook defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

LRESULT CALLBACK TfrmHoralto::MouseHookProc(int code, WPARAM wp, LPARAM lp) {
    return CallNextHookEx(nullptr, code, wp, lp);
}
