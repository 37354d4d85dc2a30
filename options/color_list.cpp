#include "options/color_list.h"

namespace options {

namespace {

// The entries' names, in the order of the colour items: the custom entry,
// then the standard, extended and system colours, named in English.
const wchar_t* const kNames[kColorItemCount] = {L"Custom...",
                                                L"Black",
                                                L"Maroon",
                                                L"Green",
                                                L"Olive",
                                                L"Navy",
                                                L"Purple",
                                                L"Teal",
                                                L"Gray",
                                                L"Silver",
                                                L"Red",
                                                L"Lime",
                                                L"Yellow",
                                                L"Blue",
                                                L"Fuchsia",
                                                L"Aqua",
                                                L"White",
                                                L"Money Green",
                                                L"Sky Blue",
                                                L"Cream",
                                                L"Medium Gray",
                                                L"Active Border",
                                                L"Active Caption",
                                                L"Application Workspace",
                                                L"Background",
                                                L"Button Face",
                                                L"Button Highlight",
                                                L"Button Shadow",
                                                L"Button Text",
                                                L"Caption Text",
                                                L"Gradient Active Caption",
                                                L"Gradient Inactive Caption",
                                                L"Gray Text",
                                                L"Highlight Background",
                                                L"Highlight Text",
                                                L"Hot Light",
                                                L"Inactive Border",
                                                L"Inactive Caption",
                                                L"Inactive Caption Text",
                                                L"Info Background",
                                                L"Info Text",
                                                L"Menu Background",
                                                L"Menu Bar",
                                                L"Menu Highlight",
                                                L"Menu Text",
                                                L"Scroll Bar",
                                                L"3D Dark Shadow",
                                                L"3D Light",
                                                L"Window Background",
                                                L"Window Frame",
                                                L"Window Text"};

}  // namespace

TColorList::TColorList(ui::Container* parent, std::wstring name) : ui::ComboBox(parent, std::move(name)) {
    colors_ = ColorItemTable();
    SetStyle(ui::csOwnerDrawFixed);
    SetDropDownCount(16);
    std::vector<std::wstring> items(kNames, kNames + kColorItemCount);
    SetItems(items);
    OnDrawItem = [this](ui::Component&, int index, HDC dc, const RECT& rect, UINT state) {
        Draw(index, dc, rect, state);
    };
}

ui::TColor TColorList::EntryColor(int index) const {
    return index >= 0 && index < kColorItemCount ? colors_[index] : ui::clBlack;
}

ui::TColor TColorList::Selected() const {
    return EntryColor(ItemIndex());
}

void TColorList::SetSelected(ui::TColor color) {
    int index = -1;
    for (int i = 0; i < kColorItemCount; ++i)
        if (colors_[i] == color) {
            index = i;
            break;
        }
    if (index < 0) {
        colors_[0] = color;
        index = 0;
    }
    SetItemIndex(index);
    Invalidate();
}

void TColorList::SelectCustom() {
    colors_[0] = Selected();
    SetItemIndex(0);
    Invalidate();
}

void TColorList::Draw(int index, HDC dc, const RECT& rect, UINT state) {
    const bool selected = (state & ODS_SELECTED) != 0;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (index < 0 || index >= kColorItemCount) return;
    RECT swatch{rect.left + 2, rect.top + 2, rect.left + 2 + (rect.bottom - rect.top - 4) * 2,
                rect.bottom - 2};
    HBRUSH brush = CreateSolidBrush(ui::ColorToRGB(colors_[index]));
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT text = rect;
    text.left = swatch.right + 4;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, kNames[index], -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace options
