// The about box "О программе": the program's name, version and build from its
// own file, the contact links, a slowly scrolling description, the version
// history, and a logo with a hover effect and a hidden picture. Made when
// first needed (one at a time, behind frmAbout), shown and hidden with the
// window effects, freed when closed.
#pragma once

#include <memory>
#include <string>

#include "options/about_rules.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/gdiplus_session.h"
#include "ui/handles.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/ranges.h"
#include "ui/timer.h"

// A label that tells when the mouse leaves it.
class TLinkLabel : public ui::Label {
  public:
    using ui::Label::Label;
    ui::NotifyEvent OnMouseLeave;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

  private:
    bool tracking_ = false;
};

// A scroll bar that tells when the user moved it (OnChange follows every change).
class TUserScrollBar : public ui::ScrollBar {
  public:
    using ui::ScrollBar::ScrollBar;
    ui::NotifyEvent OnScroll;

  protected:
    bool Scroll(int code) override;
};

class TfrmAbout : public ui::Form {
  public:
    TfrmAbout();
    ~TfrmAbout() override;

    ui::PageControl pgcAbout;
    ui::TabSheet tbsGeneralInfo, tbsVersionsHistory;
    ui::Memo memHistory;
    ui::Label lblProductName, lblVersion, lblSerial, lblAdres1, lblAdres2;
    TLinkLabel lblEMail, lblHomePage;
    ui::Image imgWqDisable, imgWqEnable, imgWqFoto;
    ui::Panel pnlComments;
    TUserScrollBar scbScrollComments;
    ui::Memo memComments;
    ui::Timer tmrScroll;
    ui::Label lblPlease;
    ui::Button btnMakeDonation;
    ui::Button OKButton;

    void FormCreate(ui::Component& sender);
    void FormShow(ui::Component& sender);
    void FormClose(ui::Component& sender, ui::CloseAction& action);
    void FormHide(ui::Component& sender);
    void FormDestroy(ui::Component& sender);
    void OKButtonClick(ui::Component& sender);
    void tbsGeneralInfoShow(ui::Component& sender);
    void tbsGeneralInfoHide(ui::Component& sender);
    void imgWqDisableMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void tbsGeneralInfoMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void imgWqEnableClick(ui::Component& sender);
    void lblEMailClick(ui::Component& sender);
    void lblHomePageClick(ui::Component& sender);
    void lblEMailMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void lblHomePageMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void lblEMailMouseLeave(ui::Component& sender);
    void lblHomePageMouseLeave(ui::Component& sender);
    void scbScrollCommentsChange(ui::Component& sender);
    void scbScrollCommentsScroll(ui::Component& sender);
    void tmrScrollTimer(ui::Component& sender);
    void pnlCommentsMouseDown(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x,
                              int y);
    void pnlCommentsMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void pnlCommentsMouseUp(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x,
                            int y);
    void memCommentsKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void btnMakeDonationKeyUp(ui::Component& sender, WORD& key, ui::ShiftState shift);

    // The state of the description's scrolling (tests read it).
    const options::CommentsScroller& Scroller() const { return *scroller_; }
    // The collected key text of the hidden picture.
    static std::wstring& HiddenPictureKeys();

  private:
    void SetUpPictures();
    void ReadVersionTexts();
    void SetUpComments();
    // Draws the description into the off-screen bitmap and the panel.
    void DrawComments();
    void SetCommentsCursor(const wchar_t* resource);
    void LinkHover(ui::Label& link, bool hover);

    ui::GdiplusSession gdiplus_;
    ui::BitmapHandle commentsBitmap_;
    ui::BitmapHandle brushBitmap_;
    ui::BrushHandle brush_;
    int viewWidth_ = 0, viewHeight_ = 0;
    std::unique_ptr<options::CommentsScroller> scroller_;
};

// The one about box while it exists (core/horalto_globals.h).
// Opens the about box, or gives the open one the focus (the action "О программе").
void ShowAboutBox();
