#include "ui/buttons.h"

#include "ui/form.h"

namespace ui {

bool ButtonControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_LBUTTONDBLCLK) {
        result = DefaultProc(WM_LBUTTONDOWN, wp, lp);
        return true;
    }
    return Control::HandleMessage(msg, wp, lp, result);
}

// --- Button ----------------------------------------------------------------------

Button::Button(Container* parent, std::wstring name, std::wstring caption)
    : ButtonControl(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 75, height_ = 25;
}

Control::CreateParams Button::GetCreateParams() {
    return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)), 0};
}

void Button::SetDefault(bool v) {
    default_ = v;
    if (hwnd_) SendMessageW(hwnd_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool Button::Command(WORD code) {
    if (code != BN_CLICKED) return false;
    if (!Updating()) Click();
    return true;
}

void Button::Click() {
    Control::Click();
    if (modalResult_ != 0)
        if (Form* f = ParentForm()) f->SetModalResult(modalResult_);
}

// --- SpeedButton -----------------------------------------------------------------

SpeedButton::SpeedButton(Container* parent, std::wstring name, std::wstring caption)
    : ButtonControl(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 23, height_ = 22;
}

Control::CreateParams SpeedButton::GetCreateParams() {
    DWORD style = groupIndex_ ? (BS_CHECKBOX | BS_PUSHLIKE) : BS_PUSHBUTTON;
    if (flat_) style |= BS_FLAT;
    if (glyph_) style |= BS_BITMAP;
    if (icon_) style |= BS_ICON;
    return {L"BUTTON", style, 0};
}

void SpeedButton::HandleCreated() {
    if (glyph_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_));
    if (icon_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
    if (groupIndex_) SendMessageW(hwnd_, BM_SETCHECK, down_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SpeedButton::SetGlyph(HBITMAP bitmap) {
    glyph_ = bitmap;
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | BS_BITMAP);
        SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    }
}

void SpeedButton::SetIcon(HICON icon) {
    icon_ = icon;
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | BS_ICON);
        SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
}

void SpeedButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    down_ = v;
    if (v && Parent()) {
        for (Control* c : Parent()->Controls()) {
            auto* s = dynamic_cast<SpeedButton*>(c);
            if (s && s != this && s->groupIndex_ == groupIndex_) s->SetDown(false);
        }
    }
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, down_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool SpeedButton::Command(WORD code) {
    if (code != BN_CLICKED) return false;
    if (Updating()) return true;
    if (groupIndex_) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
        else if (hwnd_)
            SendMessageW(hwnd_, BM_SETCHECK, BST_CHECKED, 0);
    }
    Click();
    return true;
}

void SpeedButton::Click() {
    Control::Click();
}

// --- CheckBox --------------------------------------------------------------------

CheckBox::CheckBox(Container* parent, std::wstring name, std::wstring caption)
    : ButtonControl(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 97, height_ = 17;
}

Control::CreateParams CheckBox::GetCreateParams() {
    return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0};
}

void CheckBox::HandleCreated() {
    SendMessageW(hwnd_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (hwnd_) Silently([&] { SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0); });
    Click();
}

bool CheckBox::Command(WORD code) {
    if (code != BN_CLICKED) return false;
    if (!Updating()) SetChecked(!checked_);
    return true;
}

// --- RadioButton -----------------------------------------------------------------

RadioButton::RadioButton(Container* parent, std::wstring name, std::wstring caption)
    : ButtonControl(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 113, height_ = 17;
}

Control::CreateParams RadioButton::GetCreateParams() {
    return {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0};
}

void RadioButton::HandleCreated() {
    SendMessageW(hwnd_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (hwnd_) Silently([&] { SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0); });
    if (!value) return;
    if (Parent()) {
        for (Control* c : Parent()->Controls()) {
            auto* r = dynamic_cast<RadioButton*>(c);
            if (r && r != this) r->SetChecked(false);
        }
    }
    Click();
}

bool RadioButton::Command(WORD code) {
    if (code != BN_CLICKED) return false;
    if (!Updating() && !checked_) SetChecked(true);
    return true;
}

}  // namespace ui
