// A page control with tab sheets. A sheet raises OnShow when it comes on
// screen (its page chosen while the form is shown, or the form shown with it
// chosen; sheets of nested page controls too) and OnHide when it leaves the
// screen. Nothing is raised while the form is hidden.
// The tab strip is a stop of the Tab key. A page that leaves the screen while
// the focus is in it hands the focus to the page that comes: to its control
// that had the focus last, or else its first control.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class ImageList;
class TabSheet;

class PageControl : public Container {
  public:
    PageControl(Container* parent, std::wstring name);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) const { return *pages_.at(index); }
    TabSheet* ActivePage() const { return active_; }
    // From code: no OnChanging / OnChange.
    void SetActivePage(TabSheet* page);
    // The user's change to the next (or previous) page with a visible tab,
    // going round, from the keyboard: OnChanging may forbid it, OnChange
    // follows it, and the focus goes to the new page's first control (the
    // tab strip when the page has none). False when there is no other page.
    bool SelectNextPage(bool forward);
    // The control that takes the focus when it comes into the shown page: the
    // one that had it last there, or else the page's first control; null when
    // the page has none.
    HWND PageEntry() const;
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v) { multiLine_ = v; }  // before the window is made
    void SetBounds(int left, int top, int width, int height) override;
    // The pictures of the tabs (not owned; none by default).
    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* images);

    // The user's switch: OnChanging may forbid it, OnChange follows it.
    AllowChangeEvent OnChanging;
    NotifyEvent OnChange;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Notify(NMHDR& nm, LRESULT& result) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    friend class TabSheet;
    void AddPage(TabSheet* page);
    void RemovePage(TabSheet* page);
    void RebuildTabs();
    void LayoutPages();
    int TabIndexOf(const TabSheet* page) const;
    // Shows `page`. Changed from the keyboard, the focus goes to the new
    // page's first control; else it moves only when it was in the page that
    // leaves, to the new page's entry.
    void ChangePage(TabSheet* page, bool byKeyboard);

    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
    const ImageList* images_ = nullptr;
    bool multiLine_ = false;
};

class TabSheet : public Container {
  public:
    TabSheet(PageControl& pageControl, std::wstring name, std::wstring caption = {});
    ~TabSheet() override;
    PageControl* GetPageControl() const { return pageControl_; }
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    void SetCaptionText(const std::wstring& caption);
    // The tab's picture in the page control's Images (-1: none).
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Showing() const override { return showing_; }
    void UpdateShowing() override;

    NotifyEvent OnShow, OnHide;

  protected:
    CreateParams GetCreateParams() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void TextChanged() override;
    void FocusEntered(HWND control) override { lastFocus_ = control; }

  private:
    friend class PageControl;
    PageControl* pageControl_;
    HWND lastFocus_ = nullptr;  // the control of the page that had the focus last
    int imageIndex_ = -1;
    bool tabVisible_ = true;
    bool showing_ = false;
};

}  // namespace ui
