#include "ui/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/tab_order.h"

namespace ui {

// --- PageControl -----------------------------------------------------------------------

PageControl::PageControl(Container* parent, std::wstring name) : Container(parent, std::move(name)) {
    width_ = 289, height_ = 193;
}

Control::CreateParams PageControl::GetCreateParams() {
    DWORD style = WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (multiLine_) style |= TCS_MULTILINE;
    return {WC_TABCONTROLW, style, WS_EX_CONTROLPARENT};
}

void PageControl::SetImages(const ImageList* images) {
    images_ = images;
    if (hwnd_)
        SendMessageW(hwnd_, TCM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
    RebuildTabs();
}

void PageControl::HandleCreated() {
    if (images_) SendMessageW(hwnd_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    RebuildTabs();
    // The sheets are made by the container's child pass, right after this.
}

void PageControl::AddPage(TabSheet* page) {
    pages_.push_back(page);
    if (!active_) active_ = page;
    RebuildTabs();
}

void PageControl::RemovePage(TabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (active_ == page) active_ = pages_.empty() ? nullptr : pages_.front();
    RebuildTabs();
}

int PageControl::TabIndexOf(const TabSheet* page) const {
    int tab = 0;
    for (TabSheet* p : pages_) {
        if (!p->TabVisible()) continue;
        if (p == page) return tab;
        ++tab;
    }
    return -1;
}

void PageControl::RebuildTabs() {
    if (!hwnd_) return;
    Silently([&] {
        TabCtrl_DeleteAllItems(hwnd_);
        int tab = 0;
        for (TabSheet* p : pages_) {
            if (!p->TabVisible()) continue;
            std::wstring text = p->Caption();
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
            item.pszText = text.data();
            item.iImage = images_ ? p->ImageIndex() : -1;
            item.lParam = reinterpret_cast<LPARAM>(p);
            SendMessageW(hwnd_, TCM_INSERTITEMW, tab++, reinterpret_cast<LPARAM>(&item));
        }
        TabCtrl_SetCurSel(hwnd_, TabIndexOf(active_));
    });
    LayoutPages();
}

void PageControl::LayoutPages() {
    if (!hwnd_) return;
    RECT rc;
    GetClientRect(hwnd_, &rc);
    TabCtrl_AdjustRect(hwnd_, FALSE, &rc);
    for (TabSheet* p : pages_) {
        if (p->Handle())
            SetWindowPos(p->Handle(), nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void PageControl::SetBounds(int left, int top, int width, int height) {
    Container::SetBounds(left, top, width, height);
    LayoutPages();
}

int PageControl::ActivePageIndex() const {
    auto it = std::find(pages_.begin(), pages_.end(), active_);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void PageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

void PageControl::SetActivePage(TabSheet* page) {
    ChangePage(page, false);
}

void PageControl::ChangePage(TabSheet* page, bool byKeyboard) {
    if (page == active_) return;
    if (page && page->pageControl_ != this) return;
    TabSheet* old = active_;
    const HWND focus = GetFocus();
    const bool heldFocus =
        old && old->Handle() && focus && (focus == old->Handle() || IsChild(old->Handle(), focus));
    active_ = page;
    if (page) page->visible_ = true;
    if (old) old->visible_ = false;
    if (hwnd_) Silently([&] { TabCtrl_SetCurSel(hwnd_, TabIndexOf(page)); });
    if (page && page->Handle()) {
        LayoutPages();
        SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(page->Handle(), SW_SHOWNA);
    }
    // The new page comes on screen (and raises OnShow) before the old one leaves
    // (and raises OnHide), so the control never shows an empty page.
    if (page) page->UpdateShowing();
    if ((heldFocus || byKeyboard) && hwnd_) {
        // The keys follow the page rather than stay on a page no longer shown.
        HWND target = nullptr;
        if (page && page->Handle()) target = byKeyboard ? FirstControlIn(page->Handle()) : PageEntry();
        ::SetFocus(target ? target : hwnd_);
    }
    if (old) {
        if (old->Handle()) ShowWindow(old->Handle(), SW_HIDE);
        old->UpdateShowing();
    }
}

HWND PageControl::PageEntry() const {
    if (!active_ || !active_->Handle()) return nullptr;
    const HWND page = active_->Handle();
    if (CanTakeFocus(page, active_->lastFocus_)) return active_->lastFocus_;
    return FirstControlIn(page);
}

bool PageControl::SelectNextPage(bool forward) {
    std::vector<TabSheet*> tabs;
    for (TabSheet* p : pages_)
        if (p->TabVisible()) tabs.push_back(p);
    if (tabs.size() < 2) return false;
    const auto at = std::find(tabs.begin(), tabs.end(), active_);
    const std::size_t n = tabs.size();
    const std::size_t index =
        at == tabs.end() ? (forward ? n - 1 : 0) : static_cast<std::size_t>(at - tabs.begin());
    TabSheet* next = tabs[(index + (forward ? 1 : n - 1)) % n];
    bool allow = true;
    if (OnChanging) OnChanging(*this, allow);
    if (!allow) return true;
    ChangePage(next, true);
    if (OnChange) OnChange(*this);
    return true;
}

bool PageControl::Notify(NMHDR& nm, LRESULT& result) {
    if (Updating()) return false;
    if (nm.code == TCN_SELCHANGING) {
        bool allow = true;
        if (OnChanging) OnChanging(*this, allow);
        result = allow ? FALSE : TRUE;
        return true;
    }
    if (nm.code == TCN_SELCHANGE) {
        int tab = TabCtrl_GetCurSel(hwnd_);
        TCITEMW item{};
        item.mask = TCIF_PARAM;
        if (tab >= 0 && SendMessageW(hwnd_, TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item)))
            SetActivePage(reinterpret_cast<TabSheet*>(item.lParam));
        if (OnChange) OnChange(*this);
        return true;
    }
    return false;
}

bool PageControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE) {
        result = DefaultProc(msg, wp, lp);
        LayoutPages();
        return true;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

// --- TabSheet --------------------------------------------------------------------------

TabSheet::TabSheet(PageControl& pageControl, std::wstring name, std::wstring caption)
    : Container(&pageControl, std::move(name)), pageControl_(&pageControl) {
    text_ = std::move(caption);
    RegisterOwnClass(L"TTabSheet", CS_DBLCLKS);
    pageControl.AddPage(this);
    visible_ = pageControl.ActivePage() == this;
}

TabSheet::~TabSheet() {
    DestroyHandle();
    if (pageControl_ && Parent()) pageControl_->RemovePage(this);
}

Control::CreateParams TabSheet::GetCreateParams() {
    CreateParams p;
    p.className = L"TTabSheet";
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = WS_EX_CONTROLPARENT;
    p.ownClass = true;
    visible_ = pageControl_->ActivePage() == this;
    if (pageControl_->Handle()) {
        RECT rc;
        GetClientRect(pageControl_->Handle(), &rc);
        TabCtrl_AdjustRect(pageControl_->Handle(), FALSE, &rc);
        left_ = rc.left, top_ = rc.top, width_ = rc.right - rc.left, height_ = rc.bottom - rc.top;
    }
    return p;
}

int TabSheet::PageIndex() const {
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (&pageControl_->Page(i) == this) return i;
    return -1;
}

void TabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    pageControl_->RebuildTabs();
}

void TabSheet::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    pageControl_->RebuildTabs();
}

void TabSheet::SetCaptionText(const std::wstring& caption) {
    SetCaption(caption);
}

void TabSheet::TextChanged() {
    pageControl_->RebuildTabs();
}

void TabSheet::UpdateShowing() {
    bool now = pageControl_->ActivePage() == this && pageControl_->Showing();
    if (now != showing_) {
        showing_ = now;
        if (now) {
            if (OnShow) OnShow(*this);
        } else if (OnHide) {
            OnHide(*this);
        }
    }
    Container::UpdateShowing();
}

bool TabSheet::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (EraseWithColor(msg, wp, result)) return true;
    return Container::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
