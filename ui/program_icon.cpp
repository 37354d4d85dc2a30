#include "ui/program_icon.h"

namespace ui {

HICON ProgramIcon(bool small) {
    const int w = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int h = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    if (auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, w, h, LR_SHARED)))
        return icon;
    return static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, w, h, LR_SHARED));
}

}  // namespace ui
