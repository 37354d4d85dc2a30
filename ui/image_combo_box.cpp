#include "ui/image_combo_box.h"

#include <algorithm>

#include "ui/image_list.h"

namespace ui {

ImageComboBox::ImageComboBox(Container* parent, std::wstring name) : ComboBox(parent, std::move(name)) {
    SetStyle(csOwnerDrawFixed);
}

void ImageComboBox::SetImages(const ImageList* images) {
    images_ = images;
    if (images_) SetItemHeight(std::max(ItemHeight(), images_->Height() + 2));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ImageComboBox::SetItemImages(std::vector<int> images) {
    itemImages_ = std::move(images);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

int ImageComboBox::ItemImage(int index) const {
    return index >= 0 && index < static_cast<int>(itemImages_.size()) ? itemImages_[index] : -1;
}

bool ImageComboBox::DrawItem(DRAWITEMSTRUCT& dis) {
    if (OnDrawItem) return ComboBox::DrawItem(dis);
    RECT r = dis.rcItem;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    FillRect(dis.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(dis.itemID);
    if (index < 0 || index >= Count()) return true;
    r.left += 2;
    if (images_) {
        const int image = ItemImage(index);
        if (image >= 0)
            images_->Draw(dis.hDC, r.left, r.top + (r.bottom - r.top - images_->Height()) / 2, image);
        r.left += images_->Width() + 4;
    }
    SetBkMode(dis.hDC, TRANSPARENT);
    SetTextColor(dis.hDC, GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                      : selected ? COLOR_HIGHLIGHTTEXT
                                                 : COLOR_WINDOWTEXT));
    DrawTextW(dis.hDC, Item(index).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dis.itemState & ODS_FOCUS && !(dis.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dis.hDC, &dis.rcItem);
    return true;
}

}  // namespace ui
