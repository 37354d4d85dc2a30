#include "ui/lists.h"

#include <windowsx.h>

#include <algorithm>

namespace ui {

// --- ItemsControl ------------------------------------------------------------------

int ItemsControl::IndexOf(const std::wstring& text) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, items_[i].c_str(),
                           static_cast<int>(items_[i].size()), text.c_str(),
                           static_cast<int>(text.size())) == CSTR_EQUAL)
            return static_cast<int>(i);
    }
    return -1;
}

void ItemsControl::PushItems() {
    if (!hwnd_) return;
    Messages m = Msgs();
    Silently([&] {
        SendMessageW(hwnd_, m.reset, 0, 0);
        for (auto& s : items_) SendMessageW(hwnd_, m.add, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageW(hwnd_, m.setCurSel, itemIndex_, 0);
    });
}

void ItemsControl::SetItem(int index, const std::wstring& text) {
    items_.at(index) = text;
    if (hwnd_) {
        Messages m = Msgs();
        Silently([&] {
            SendMessageW(hwnd_, m.remove, index, 0);
            SendMessageW(hwnd_, m.insert, index, reinterpret_cast<LPARAM>(text.c_str()));
            SendMessageW(hwnd_, m.setCurSel, itemIndex_, 0);
        });
    }
    if (index == itemIndex_) IndexChanged();
}

void ItemsControl::SetItems(const std::vector<std::wstring>& items) {
    items_ = items;
    itemIndex_ = -1;
    ItemsCleared();
    for (int i = 0; i < Count(); ++i) ItemInserted(i);
    PushItems();
    IndexChanged();
}

int ItemsControl::Add(const std::wstring& item) {
    Insert(Count(), item);
    return Count() - 1;
}

void ItemsControl::Insert(int index, const std::wstring& item) {
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    if (itemIndex_ >= index) ++itemIndex_;
    ItemInserted(index);
    if (hwnd_) {
        Silently([&] { SendMessageW(hwnd_, Msgs().insert, index, reinterpret_cast<LPARAM>(item.c_str())); });
    }
}

void ItemsControl::Delete(int index) {
    items_.erase(items_.begin() + index);
    ItemDeleted(index);
    bool wasChosen = index == itemIndex_;
    if (wasChosen)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    if (hwnd_) {
        Messages m = Msgs();
        Silently([&] {
            SendMessageW(hwnd_, m.remove, index, 0);
            SendMessageW(hwnd_, m.setCurSel, itemIndex_, 0);
        });
    }
    if (wasChosen) IndexChanged();
}

void ItemsControl::Clear() {
    SetItems({});
}

void ItemsControl::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    if (hwnd_) Silently([&] { SendMessageW(hwnd_, Msgs().setCurSel, index, 0); });
    IndexChanged();
}

bool ItemsControl::DrawItem(DRAWITEMSTRUCT& dis) {
    if (!OnDrawItem) {
        RECT r = dis.rcItem;
        bool sel = dis.itemState & ODS_SELECTED;
        FillRect(dis.hDC, &r, GetSysColorBrush(sel ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (static_cast<int>(dis.itemID) >= 0 && static_cast<int>(dis.itemID) < Count()) {
            SetBkMode(dis.hDC, TRANSPARENT);
            SetTextColor(dis.hDC, GetSysColor(sel ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            r.left += 2;
            DrawTextW(dis.hDC, items_[dis.itemID].c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        return true;
    }
    OnDrawItem(*this, static_cast<int>(dis.itemID), dis.hDC, dis.rcItem, dis.itemState);
    return true;
}

bool ItemsControl::MeasureItem(MEASUREITEMSTRUCT& mis) {
    int h = itemHeight_;
    if (OnMeasureItem) OnMeasureItem(*this, static_cast<int>(mis.itemID), h);
    mis.itemHeight = h;
    return true;
}

// --- ComboBox ------------------------------------------------------------------------

ComboBox::ComboBox(Container* parent, std::wstring name) : ItemsControl(parent, std::move(name)) {
    width_ = 145, height_ = 21;
    parentColor_ = false;
    color_ = clWindow;
}

ItemsControl::Messages ComboBox::Msgs() const {
    return {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
            CB_SETCURSEL, CB_GETCURSEL,    CB_SETITEMHEIGHT};
}

Control::CreateParams ComboBox::GetCreateParams() {
    DWORD style = WS_TABSTOP | WS_VSCROLL;
    switch (style_) {
        case csDropDown:
            style |= CBS_DROPDOWN | CBS_AUTOHSCROLL;
            break;
        case csDropDownList:
            style |= CBS_DROPDOWNLIST;
            break;
        case csOwnerDrawFixed:
            style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
            break;
    }
    return {L"COMBOBOX", style, 0};
}

void ComboBox::HandleCreated() {
    PushItems();
    if (style_ == csDropDown) Silently([&] { SetWindowTextW(hwnd_, text_.c_str()); });
    SizeDropDown();
}

void ComboBox::SizeDropDown() {
    if (!hwnd_) return;
    int itemH = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0));
    if (itemH <= 0) itemH = 16;
    SetWindowPos(hwnd_, nullptr, 0, 0, Width(), Height() + itemH * dropDownCount_ + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::SetBounds(int left, int top, int width, int height) {
    ItemsControl::SetBounds(left, top, width, height);
    SizeDropDown();
}

void ComboBox::SetStyle(ComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    if (style_ != csDropDown) text_ = itemIndex_ >= 0 ? items_[itemIndex_] : L"";
    if (hwnd_) {
        DestroyHandle();
        HandleNeeded();
    }
}

bool ComboBox::DroppedDown() const {
    return hwnd_ && SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0);
}

void ComboBox::IndexChanged() {
    text_ = itemIndex_ >= 0 ? items_[itemIndex_] : L"";
}

void ComboBox::TextChanged() {
    // Text set from code: a list picks the equal item; an edit keeps the text.
    if (style_ != csDropDown) {
        std::wstring wanted = text_;
        SetItemIndex(IndexOf(wanted));
    } else {
        itemIndex_ = IndexOf(text_);
        if (hwnd_ && itemIndex_ >= 0) {
            std::wstring keep = text_;
            Silently([&] {
                SendMessageW(hwnd_, CB_SETCURSEL, itemIndex_, 0);
                SetWindowTextW(hwnd_, keep.c_str());
            });
        }
    }
}

bool ComboBox::Command(WORD code) {
    if (Updating()) return true;
    switch (code) {
        case CBN_SELCHANGE:
            itemIndex_ = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
            if (itemIndex_ >= Count()) itemIndex_ = -1;
            text_ = itemIndex_ >= 0 ? items_[itemIndex_] : L"";
            Click();
            if (OnSelect)
                OnSelect(*this);
            else if (OnChange)
                OnChange(*this);
            return true;
        case CBN_EDITCHANGE:
            SyncTextFromWindow();
            itemIndex_ = IndexOf(text_);
            if (OnChange) OnChange(*this);
            return true;
        case CBN_DROPDOWN:
            if (OnDropDown) OnDropDown(*this);
            return true;
        case CBN_CLOSEUP:
            if (OnCloseUp) OnCloseUp(*this);
            return true;
    }
    return false;
}

// --- ListBox -------------------------------------------------------------------------

ListBox::ListBox(Container* parent, std::wstring name) : ItemsControl(parent, std::move(name)) {
    width_ = 121, height_ = 97;
    parentColor_ = false;
    color_ = clWindow;
}

ItemsControl::Messages ListBox::Msgs() const {
    return {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
            LB_SETCURSEL, LB_GETCURSEL,    LB_SETITEMHEIGHT};
}

Control::CreateParams ListBox::GetCreateParams() {
    DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (OwnerDrawn()) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return {L"LISTBOX", style, WS_EX_CLIENTEDGE};
}

void ListBox::HandleCreated() {
    PushItems();
}

void ListBox::SetStyle(ListBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    if (hwnd_) {
        DestroyHandle();
        HandleNeeded();
    }
}

int ListBox::TopIndex() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0)) : 0;
}

void ListBox::SetTopIndex(int index) {
    if (hwnd_) SendMessageW(hwnd_, LB_SETTOPINDEX, index, 0);
}

int ListBox::ItemAtPos(POINT pt) const {
    if (!hwnd_) return -1;
    DWORD r = static_cast<DWORD>(SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    if (HIWORD(r)) return -1;
    return LOWORD(r) < Count() ? LOWORD(r) : -1;
}

bool ListBox::Command(WORD code) {
    if (code != LBN_SELCHANGE) return false;
    if (Updating()) return true;
    itemIndex_ = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
    if (itemIndex_ >= Count()) itemIndex_ = -1;
    Click();
    return true;
}

// --- CheckListBox --------------------------------------------------------------------

CheckListBox::CheckListBox(Container* parent, std::wstring name) : ListBox(parent, std::move(name)) {}

void CheckListBox::ItemInserted(int index) {
    checked_.insert(checked_.begin() + index, false);
}
void CheckListBox::ItemDeleted(int index) {
    checked_.erase(checked_.begin() + index);
}
void CheckListBox::ItemsCleared() {
    checked_.clear();
}

void CheckListBox::SetChecked(int index, bool value) {
    checked_.at(index) = value;
    if (hwnd_) {
        RECT r;
        if (SendMessageW(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
            InvalidateRect(hwnd_, &r, FALSE);
    }
}

void CheckListBox::ToggleByUser(int index) {
    if (index < 0 || index >= Count()) return;
    SetChecked(index, !checked_[index]);
    if (OnClickCheck) OnClickCheck(*this);
}

static int CheckBoxWidth(int itemHeight) {
    return std::min(itemHeight, 16);
}

bool CheckListBox::DrawItem(DRAWITEMSTRUCT& dis) {
    if (OnDrawItem) return ItemsControl::DrawItem(dis);
    RECT r = dis.rcItem;
    int index = static_cast<int>(dis.itemID);
    FillRect(dis.hDC, &r, GetSysColorBrush(COLOR_WINDOW));
    if (index < 0 || index >= Count()) return true;
    int box = CheckBoxWidth(r.bottom - r.top) - 2;
    RECT b{r.left + 2, r.top + (r.bottom - r.top - box) / 2, 0, 0};
    b.right = b.left + box;
    b.bottom = b.top + box;
    DrawFrameControl(dis.hDC, &b, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (checked_[index] ? DFCS_CHECKED : 0));
    RECT t = r;
    t.left = b.right + 4;
    bool sel = dis.itemState & ODS_SELECTED;
    SIZE sz{};
    GetTextExtentPoint32W(dis.hDC, items_[index].c_str(), static_cast<int>(items_[index].size()), &sz);
    RECT hi = t;
    hi.right = std::min<LONG>(t.left + sz.cx + 4, r.right);
    if (sel) FillRect(dis.hDC, &hi, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dis.hDC, TRANSPARENT);
    SetTextColor(dis.hDC, GetSysColor(sel ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    t.left += 2;
    DrawTextW(dis.hDC, items_[index].c_str(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dis.itemState & ODS_FOCUS) DrawFocusRect(dis.hDC, &hi);
    return true;
}

bool CheckListBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int index = ItemAtPos(pt);
        if (index >= 0 && pt.x < CheckBoxWidth(itemHeight_) + 2) {
            bool handled = ListBox::HandleMessage(msg, wp, lp, result);
            if (!handled) result = DefaultProc(msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg, wp, lp);
            ToggleByUser(index);
            return true;
        }
    }
    if (msg == WM_CHAR && wp == L' ') {
        ToggleByUser(itemIndex_);
        return true;
    }
    return ListBox::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
