// The sub-page "Шкура" of the page "Системные": whether the taskbar clock
// shows a skin, whether it is its own or the main window's, which one, and its
// size.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/skin_catalogue.h"
#include "options/frm_options.h"
#include "options/page_look.h"
#include "options/page_rules.h"

using options::TagHold;

namespace {

bool ClockShown() {
    return frmHoralto->pnlTrayTime.Visible();
}

void Rebuild(bool resetTextLook) {
    frmHoralto->RemoveTaskbarClock();
    frmHoralto->BuildTaskbarClock(resetTextLook);
}

int ScalePosition() {
    return options::ScalePercent(frmHoralto->Settings.SystemClock.Scale);
}

}  // namespace

void TPageSystemClock::tbsTraySkinShow(ui::Component&) {
    TagHold hold(Options());
    const auto& c = frmHoralto->Settings.SystemClock;
    chbNewTraySkin.SetChecked(c.NewTraySkin);
    if (c.TraySkinIndex > 0 && c.UseTraySkis) {
        chbUseTraySkin.SetChecked(true);
        cmbTraySkins.SetItemIndex(c.TraySkinIndex < cmbTraySkins.Count() ? c.TraySkinIndex : -1);
        trbTrayScale.SetPosition(ScalePosition());
    } else {
        chbUseTraySkin.SetChecked(false);
    }
    // The boxes' own handlers ran only when a box changed: the controls follow them now.
    chbUseTraySkinClick(chbUseTraySkin);
    cmbTraySkinsChange(cmbTraySkins);
}

void TPageSystemClock::chbUseTraySkinClick(ui::Component&) {
    TfrmOptions& o = Options();
    auto& c = frmHoralto->Settings.SystemClock;
    const bool use = chbUseTraySkin.Checked();
    chbUseTrayBackgrFile.SetEnabled(!use);
    edtTrayBackgrFile.SetEnabled(!use);
    spbOpenTrayBackgr.SetEnabled(!use);
    chbNewTraySkin.SetEnabled(use);
    chbAutoTrayScale.SetEnabled(use);
    chbResizeTrayBackgr.SetEnabled(use);
    const bool scale = use && !chbAutoTrayScale.Checked();
    lblTrayScale1.SetEnabled(scale);
    lblTrayScale.SetEnabled(scale);
    trbTrayScale.SetEnabled(scale);
    if (o.Tag() == 0) {
        {
            TagHold hold(o);
            if (use) {
                const int main = frmHoralto->Settings.Window.MainSkinIndex;
                if (main > 0) {
                    cmbTraySkins.SetItemIndex(main < cmbTraySkins.Count() ? main : -1);
                } else {
                    cmbTraySkins.SetItemIndex(3);
                    c.NewTraySkin = true;
                    chbNewTraySkin.SetChecked(true);
                }
            } else if (c.TraySkinIndex != 0) {
                cmbTraySkins.SetItemIndex(0);
            }
        }
        cmbTraySkinsChange(cmbTraySkins);
    }
    const bool choose = chbNewTraySkin.Checked() && use;
    lblTraySkin.SetEnabled(choose);
    cmbTraySkins.SetEnabled(choose);
    spbAddTraySkin.SetEnabled(choose);
    spbDeleteTraySkin.SetEnabled(choose && cmbTraySkins.ItemIndex() > 3);
    spbEditTraySkin.SetEnabled(choose && cmbTraySkins.ItemIndex() > 3);
}

void TPageSystemClock::chbNewTraySkinClick(ui::Component&) {
    TfrmOptions& o = Options();
    auto& c = frmHoralto->Settings.SystemClock;
    const auto enable = [this] {
        const bool own = chbNewTraySkin.Checked();
        lblTraySkin.SetEnabled(own);
        cmbTraySkins.SetEnabled(own);
        spbAddTraySkin.SetEnabled(own);
        spbDeleteTraySkin.SetEnabled(own && cmbTraySkins.ItemIndex() > 3);
        spbEditTraySkin.SetEnabled(own && cmbTraySkins.ItemIndex() > 3);
    };
    enable();
    if (o.Tag() != 0) return;
    {
        TagHold hold(o);
        if (!chbNewTraySkin.Checked()) {
            const int main = frmHoralto->Settings.Window.MainSkinIndex;
            if (main > 0) {
                cmbTraySkins.SetItemIndex(main < cmbTraySkins.Count() ? main : -1);
            } else {
                // Without a skin in the main window there is none to share.
                cmbTraySkins.SetItemIndex(3);
                c.NewTraySkin = true;
                chbNewTraySkin.SetChecked(true);
            }
        } else if (c.TraySkinIndex == 0) {
            cmbTraySkins.SetItemIndex(3);
        }
    }
    cmbTraySkinsChange(cmbTraySkins);
    enable();
}

void TPageSystemClock::cmbTraySkinsChange(ui::Component&) {
    TfrmOptions& o = Options();
    auto& c = frmHoralto->Settings.SystemClock;
    int i = cmbTraySkins.ItemIndex();
    if (o.Tag() == 0) {
        frmHoralto->pnlTrayTime.SetTag(1);
        c.TraySkinIndex = i;
        const bool shown = ClockShown();
        if (shown) frmHoralto->RemoveTaskbarClock();
        if (i > 0) {
            c.UseTraySkis = true;
            c.NewTraySkin = i != frmHoralto->Settings.Window.MainSkinIndex;
        } else {
            c.UseTraySkis = false;
        }
        if (shown) frmHoralto->BuildTaskbarClock(true);
        // A skin that could not be loaded fell back to "Трей": the list shows
        // what the clock shows.
        if (c.TraySkinIndex != i && c.TraySkinIndex < cmbTraySkins.Count()) {
            i = c.TraySkinIndex;
            cmbTraySkins.SetItemIndex(i);
        }
        {
            TagHold hold(o);
            trbTrayScale.SetPosition(ScalePosition());
        }
        frmHoralto->pnlTrayTime.SetTag(0);
    }
    spbDeleteTraySkin.SetEnabled(i >= face::kFirstUserSkin);
    spbEditTraySkin.SetEnabled(i >= face::kFirstUserSkin);
    if (i == 0) chbUseTraySkin.SetChecked(false);
}

void TPageSystemClock::chbAutoTrayScaleClick(ui::Component&) {
    TfrmOptions& o = Options();
    const bool automatic = chbAutoTrayScale.Checked();
    lblTrayScale1.SetEnabled(!automatic);
    lblTrayScale.SetEnabled(!automatic);
    trbTrayScale.SetEnabled(!automatic);
    if (o.Tag() != 0) return;
    frmHoralto->Settings.SystemClock.AutoTrayScale = automatic;
    if (automatic && ClockShown()) Rebuild(true);
    TagHold hold(o);
    trbTrayScale.SetPosition(ScalePosition());
}

void TPageSystemClock::trbTrayScaleChange(ui::Component&) {
    const int position = trbTrayScale.Position();
    trbTrayScale.SetHint(std::to_wstring(position));
    lblTrayScale.SetCaption(std::to_wstring(position) + L"%");
    if (Options().Tag() != 0 || !ClockShown()) return;
    frmHoralto->Settings.SystemClock.Scale = static_cast<float>(position * 0.01);
    // Built with the chosen size, not the skin's own.
    Rebuild(false);
}

void TPageSystemClock::chbResizeTrayBackgrClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.SystemClock.ResizeTrayBackgr = chbResizeTrayBackgr.Checked();
}
