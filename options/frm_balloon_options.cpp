#include "options/frm_balloon_options.h"

#include <limits>
#include <memory>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/dialog_font.h"
#include "ui/application.h"

TfrmBalloonOptions* frmBalloonOptions = nullptr;

namespace {

constexpr int kMaxDurationSeconds = std::numeric_limits<int>::max() / 1000;

}  // namespace

// ---- TRadioGroup

TRadioGroup::TRadioGroup(ui::Container* parent, std::wstring name, std::wstring caption,
                         const std::vector<std::wstring>& items)
    : ui::GroupBox(parent, name, std::move(caption)) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto button = std::make_unique<ui::RadioButton>(this, name + L"Item" + std::to_wstring(i), items[i]);
        button->OnClick = [this](ui::Component&) {
            if (OnClick) OnClick(*this);
        };
        buttons_.push_back(std::move(button));
    }
}

int TRadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Checked()) return static_cast<int>(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        buttons_[index]->SetChecked(true);
    } else {
        for (auto& b : buttons_) b->SetChecked(false);
        if (OnClick) OnClick(*this);
    }
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
    ui::GroupBox::SetBounds(left, top, width, height);
    const int rows = std::max(1, Count());
    const int step = std::max(17, (height - 24) / rows);
    for (int i = 0; i < Count(); ++i) buttons_[i]->SetBounds(12, 20 + i * step, std::max(0, width - 20), 17);
}

// ---- TfrmBalloonOptions

TfrmBalloonOptions::TfrmBalloonOptions()
    : ui::Form(L"TfrmBalloonOptions"),
      rdgBalloonIcons(this, L"rdgBalloonIcons", L" Иконка ",
                      {L"Нет иконки", L"Информация", L"Предупреждение", L"Ошибка"}),
      lblDurationBalloon(this, L"lblDurationBalloon", L"Длительность:"),
      speDurationBalloon(this, L"speDurationBalloon"),
      lblSec(this, L"lblSec", L"сек"),
      btnOK(this, L"btnOK", L"OK") {
    SetCaption(L"Настройки Balloon Hint");
    SetBorderStyle(ui::bsDialog);
    SetBorderIcons(ui::biSystemMenu);
    SetFont(options::DialogFont());
    SetClientWidth(206);
    SetClientHeight(215);
    CenterOnScreen();
    rdgBalloonIcons.SetBounds(8, 8, 190, 124);
    lblDurationBalloon.SetBounds(8, 146, 98, 16);
    speDurationBalloon.SetBounds(108, 143, 58, 22);
    lblSec.SetBounds(170, 146, 30, 16);
    btnOK.SetBounds(65, 180, 75, 25);
    btnOK.SetDefault(true);
    btnOK.SetCancel(true);
    rdgBalloonIcons.SetItemIndex(1);
    // Whole seconds whose milliseconds still fit the stored number: more is
    // taken as the most.
    speDurationBalloon.SetMinValue(-kMaxDurationSeconds);
    speDurationBalloon.SetMaxValue(kMaxDurationSeconds);

    OnShow = [this](ui::Component& s) { FormShow(s); };
    OnClose = [this](ui::Component& s, ui::CloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](ui::Component& s) { FormDestroy(s); };
    rdgBalloonIcons.OnClick = [this](ui::Component& s) { rdgBalloonIconsClick(s); };
    speDurationBalloon.OnChange = [this](ui::Component& s) { speDurationBalloonChange(s); };
    btnOK.OnClick = [this](ui::Component& s) { btnOKClick(s); };
}

void TfrmBalloonOptions::FormShow(ui::Component&) {
    const core::PlannerSettings& p = frmHoralto->Settings.Planner;
    rdgBalloonIcons.SetItemIndex(p.BalloonIcon);
    speDurationBalloon.SetValue(p.BalloonDuration / 1000);
    // The shown values are the stored ones from now on (whole seconds).
    rdgBalloonIconsClick(rdgBalloonIcons);
    speDurationBalloonChange(speDurationBalloon);
}

void TfrmBalloonOptions::rdgBalloonIconsClick(ui::Component&) {
    const int index = rdgBalloonIcons.ItemIndex();
    if (index >= 0) frmHoralto->Settings.Planner.BalloonIcon = static_cast<std::uint8_t>(index);
}

void TfrmBalloonOptions::speDurationBalloonChange(ui::Component&) {
    frmHoralto->Settings.Planner.BalloonDuration = speDurationBalloon.Value() * 1000;
}

void TfrmBalloonOptions::btnOKClick(ui::Component&) {
    Close();
}

void TfrmBalloonOptions::FormClose(ui::Component&, ui::CloseAction& action) {
    action = ui::caFree;
}

void TfrmBalloonOptions::FormDestroy(ui::Component&) {
    frmBalloonOptions = nullptr;
}

void ShowBalloonOptions() {
    if (frmBalloonOptions) {
        frmBalloonOptions->SetFocus();
        return;
    }
    TfrmBalloonOptions* dialog = ui::Application().CreateForm(frmBalloonOptions);
    dialog->ShowModal();
    // A modal dialog closed with the action "free" goes now.
    if (frmBalloonOptions == dialog) dialog->Release();
}
