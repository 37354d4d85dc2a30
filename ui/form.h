// The form base: one top-level window per form, of a window class named by the
// form's class ("TfrmHoralto", "TfrmOptions"...), created hidden. A derived form
// declares its controls as members and binds its handlers in its constructor;
// NewForm / TApplication::CreateForm then raise OnCreate, and OnDestroy is raised
// before the form is deleted, while all of it still exists.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class MainMenu;

enum BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum FormStyle { fsNormal, fsStayOnTop };
enum WindowState { wsNormal, wsMinimized, wsMaximized };
constexpr unsigned biSystemMenu = 1, biMinimize = 2, biMaximize = 4;
// Modal results (the dialog box ids).
constexpr int mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrYes = IDYES, mrNo = IDNO;

class Form : public Container {
  public:
    // className is the window class ("TfrmOptions"); the form's Name is the
    // class name without its leading "T" unless given.
    explicit Form(std::wstring className, std::wstring name = {});
    ~Form() override;

    const std::wstring& ClassName() const { return className_; }

    // Two-phase life: NewForm and CreateForm call these around the derived
    // constructor and destructor.
    void AfterConstruction();
    void BeforeDestruction();
    bool Destroying() const { return destroying_; }

    void SetVisible(bool value) override;
    bool Showing() const override { return visible_ && hwnd_ != nullptr; }
    // Activates the form; the focus goes to its control (below), or stays on
    // the control of the form that has it.
    void SetFocus() override;
    // Close: the close query, OnClose with caHide as the default action, then
    // the action (the main form's close ends the application).
    void Close();
    bool CloseQuery();
    // Frees the form after the message being handled (forms of the application).
    void Release();
    int ShowModal();
    // Moves the form into the middle of the screen, keeping its size.
    void CenterOnScreen();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }

    ui::BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::BorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    ui::FormStyle GetFormStyle() const { return formStyle_; }
    void SetFormStyle(ui::FormStyle style);
    ui::WindowState GetWindowState() const;
    void SetWindowState(ui::WindowState state);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    BYTE AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(BYTE value);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    MainMenu* Menu() const { return menu_; }
    void SetMenu(MainMenu* menu);
    // Rebuilds the window's menu bar from the main menu's items.
    void MenuChanged();

    // The components owned by the form, found by name.
    Component* FindComponent(const std::wstring& name) const;
    // In the order they came; each one leaves in a constant time, however many
    // there are (the menu items of two hundred thousand tasks).
    const std::vector<Component*>& Components() const;
    // While OnPaint runs: the device context to draw on.
    HDC PaintDC() const { return paintDc_; }

    NotifyEvent OnCreate, OnShow, OnHide, OnDestroy, OnActivate, OnDeactivate, OnPaint, OnResize;
    CloseEvent OnClose;
    CloseQueryEvent OnCloseQuery;

  protected:
    CreateParams GetCreateParams() override;
    HWND ParentHandle() const override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void FocusEntered(HWND control) override { lastFocus_ = control; }
    bool ClicksFromMouse() const override { return true; }
    bool StaticLike() const override { return false; }

  private:
    friend class Component;
    friend class Control;
    void RegisterComponent(Component* c);
    void UnregisterComponent(Component* c);
    void HintChanged(Control& control);
    void ApplyStyles();
    void ApplyAlpha();
    DWORD StyleBits() const;
    DWORD ExStyleBits() const;
    void DoShowingChanged(bool show);
    // After a modal run: activates the window that was active before it.
    void GiveBackActivation(HWND active);
    // The focus of a form that is active never stays on the form itself nor
    // goes nowhere: it goes to the control that had it last or, when that
    // one cannot take it, to the form's first control (FirstControlIn: on a
    // page control, the shown page's). False when the form has no control
    // that can take it.
    bool RestoreFocus();

    std::wstring className_;
    // A component that left leaves a null in its slot until the list is closed up.
    mutable std::vector<Component*> components_;
    mutable std::size_t leftSlots_ = 0;
    ui::BorderStyle borderStyle_ = bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    ui::FormStyle formStyle_ = fsNormal;
    bool alphaBlend_ = false;
    BYTE alphaBlendValue_ = 255;
    bool keyPreview_ = false;
    bool showHint_ = true;
    bool created_ = false;
    bool destroying_ = false;
    bool modal_ = false;
    ui::WindowState wantState_ = wsNormal;
    int modalResult_ = 0;
    bool closing_ = false;
    HDC paintDc_ = nullptr;
    MainMenu* menu_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control of the form that had the focus last
};

// Raises OnDestroy and deletes.
struct FormDeleter {
    void operator()(Form* form) const;
};
template <class T>
using FormPtr = std::unique_ptr<T, FormDeleter>;

// Constructs a form and raises its OnCreate.
template <class T, class... A>
FormPtr<T> NewForm(A&&... args) {
    FormPtr<T> f(new T(std::forward<A>(args)...));
    f->AfterConstruction();
    return f;
}

}  // namespace ui
