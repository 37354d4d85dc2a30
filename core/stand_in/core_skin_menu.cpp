// Stand-in until the skin menu defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

// One item per catalogue entry from index 2 on, after the menu's own two items.
void TfrmHoralto::BuildSkinMenu() {
    for (int i = pmiSkins.Count() - 1; i >= 2; --i) pmiSkins.Delete(i);
    for (int i = 0; i < SkinNames.Count(); ++i) {
        ui::MenuItem& item = pmiSkins.AddNew(SkinNames[i], L"pmiSkin" + std::to_wstring(i));
        item.SetTag(i);
    }
}
