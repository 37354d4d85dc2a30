// Push buttons, speed buttons, check boxes and radio buttons.
#pragma once

#include "ui/control.h"

namespace ui {

// The shared part: BN_CLICKED handling, and a fast second click counts as a
// second click (buttons raise no OnDblClick).
class ButtonControl : public Control {
  public:
    using Control::Control;

  protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class Button : public ButtonControl {
  public:
    Button(Container* parent, std::wstring name, std::wstring caption = {});
    // A button of a modal form: clicking it sets the form's ModalResult.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    // Enter anywhere in the form presses the Default button (unless the focus
    // is on another push button or on a control that takes Enter itself); Esc
    // presses the Cancel button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    void Click() override;

  protected:
    CreateParams GetCreateParams() override;
    bool Command(WORD code) override;

  private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

// A flat button without focus; with a GroupIndex it stays down like a switch.
class SpeedButton : public ButtonControl {
  public:
    SpeedButton(Container* parent, std::wstring name, std::wstring caption = {});
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    bool Down() const { return down_; }
    // Pressing one button of a group releases the others of the same parent.
    void SetDown(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; }
    // The picture (not owned): a bitmap or an icon.
    void SetGlyph(HBITMAP bitmap);
    void SetIcon(HICON icon);
    void Click() override;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Command(WORD code) override;

  private:
    int groupIndex_ = 0;
    bool allowAllUp_ = false, down_ = false, flat_ = true;
    HBITMAP glyph_ = nullptr;
    HICON icon_ = nullptr;
};

class CheckBox : public ButtonControl {
  public:
    CheckBox(Container* parent, std::wstring name, std::wstring caption = {});
    bool Checked() const { return checked_; }
    // A change raises OnClick, from code as from the user.
    void SetChecked(bool value);
    void Toggle() { SetChecked(!checked_); }

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Command(WORD code) override;
    bool StaticLike() const override { return true; }

  private:
    bool checked_ = false;
};

class RadioButton : public ButtonControl {
  public:
    RadioButton(Container* parent, std::wstring name, std::wstring caption = {});
    bool Checked() const { return checked_; }
    // Checking unchecks the other radio buttons of the same parent and raises
    // OnClick; unchecking raises nothing.
    void SetChecked(bool value);

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Command(WORD code) override;
    bool StaticLike() const override { return true; }

  private:
    bool checked_ = false;
};

}  // namespace ui
