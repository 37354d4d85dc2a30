// Controls: a component with a window. Each control keeps its state (text,
// bounds, enabled, visible...) in members and mirrors it to its window when the
// window exists, so forms work with their controls before, without and after
// the windows. Events are raised by the class library itself; notifications
// that the windows send while the library writes a value are ignored.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/events.h"
#include "ui/graphics.h"

namespace ui {

class Container;
class PopupMenu;

// Registers a window class of this program once (a class that exists already
// is left as it is) with its window procedure, class style, cursor and icon;
// 0 only when registering failed.
ATOM RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style = 0, HCURSOR cursor = nullptr,
                         HICON icon = nullptr);

class Control : public Component {
  public:
    // Registers with the parent (which may be null: the control then gets a
    // window only through SetParentWindow).
    Control(Container* parent, std::wstring name);
    ~Control() override;

    Container* Parent() const { return parent_; }
    Form* ParentForm() const;
    HWND Handle() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    // Creates the window (and the parents' windows) when the parent has one.
    void HandleNeeded();
    // Places the control into a window that is not ours (e.g. of another program).
    void SetParentWindow(HWND parent);
    static Control* FromHandle(HWND hwnd);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int v);
    void SetClientHeight(int v);

    // The control's own state; its window takes input only while every
    // container up to the form is enabled too (WindowEnabled). A control
    // disabled or hidden while it holds the focus hands it on to the next
    // control in the Tab order, so the keys never go nowhere.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool WindowEnabled() const;
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible on screen: the control and every parent up to a shown form.
    virtual bool Showing() const;

    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint);
    // Caption and Text are one value: the window's text.
    const std::wstring& Caption() const { return text_; }
    void SetCaption(const std::wstring& text);
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text) { SetCaption(text); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor EffectiveColor() const;
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    const Font& EffectiveFont() const;
    bool ParentFont() const { return parentFont_; }
    HCURSOR Cursor() const { return cursor_; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }  // not owned
    PopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

    virtual void SetFocus();
    bool Focused() const;
    void Invalidate();
    void Repaint();
    void BringToFront();

    // Raises OnClick (what a click by the user does); buttons click from code.
    virtual void Click();

    NotifyEvent OnClick, OnDblClick, OnEnter, OnExit;
    MouseEvent OnMouseDown, OnMouseUp;
    MouseMoveEvent OnMouseMove;
    KeyEvent OnKeyDown, OnKeyUp;
    KeyPressEvent OnKeyPress;
    ContextPopupEvent OnContextPopup;

    // The hook for a class's own message map: set handled to take the message
    // instead of the library's route. Exceptions are caught by the caller.
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled);

  protected:
    struct CreateParams {
        std::wstring className;
        DWORD style = 0;  // WS_CHILD, WS_VISIBLE and WS_DISABLED are added as needed
        DWORD exStyle = 0;
        bool ownClass = false;  // a class registered by RegisterOwnClass (not subclassed)
        bool topLevel = false;  // a form: never WS_CHILD, its parent handle is its owner
    };
    virtual CreateParams GetCreateParams() = 0;
    // Called after the window was made: push the state into it.
    virtual void HandleCreated() {}
    virtual HWND ParentHandle() const;

    // Notifications the parent window got for this control.
    virtual bool Command(WORD code) { return false; }
    virtual bool Notify(NMHDR& nm, LRESULT& result) { return false; }
    virtual bool Scroll(int code) { return false; }
    virtual bool DrawItem(DRAWITEMSTRUCT& dis) { return false; }
    virtual bool MeasureItem(MEASUREITEMSTRUCT& mis) { return false; }
    // Brush for WM_CTLCOLOR*: the default draws static-like controls on the
    // parent's colour; null leaves the system's colours.
    virtual HBRUSH CtlColor(HDC dc);
    virtual bool StaticLike() const { return false; }
    // Controls that raise OnClick from the mouse (labels, panels, forms...).
    virtual bool ClicksFromMouse() const { return false; }
    // The library's processing of the control's own messages.
    virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Answers WM_ERASEBKGND by filling the client area with the control's
    // colour; false for every other message.
    bool EraseWithColor(UINT msg, WPARAM wp, LRESULT& result);
    // For controls that paint their whole client area themselves: answers
    // WM_ERASEBKGND (nothing to erase) and hands WM_PAINT to `paint` with the
    // paint DC and the client rectangle; false for every other message.
    bool PaintWholeClient(UINT msg, LRESULT& result,
                          const std::function<void(HDC dc, const RECT& client)>& paint);
    virtual void TextSet() {}      // Caption/Text set from code, before the window shows it
    virtual void TextChanged() {}  // after Caption/Text was set from code
    // The text the window shows: Caption itself, unless a control shows less.
    virtual std::wstring ShownText() const { return text_; }
    virtual void WindowStateChanged() {}  // after Enabled or Visible changed
    // Lets the parent's notifications of a helper window (an up-down...) reach this control.
    void AssociateWindow(HWND hwnd);
    virtual void FontChanged();  // after the effective font changed
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    void CreateHandle();
    void DestroyHandle();
    // Reads the window's text into Caption without events.
    void SyncTextFromWindow();
    // Writes into the window while suppressing the notifications it raises.
    template <class F>
    void Silently(F&& f) {
        bool old = updating_;
        updating_ = true;
        try {
            f();
        } catch (...) {
            updating_ = old;
            throw;
        }
        updating_ = old;
    }
    bool Updating() const { return updating_; }

    std::wstring text_;
    HWND hwnd_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

    static ATOM RegisterOwnClass(const wchar_t* name, UINT style, HCURSOR cursor = nullptr,
                                 HICON icon = nullptr);
    // The tracking position of a scroll bar's thumb (bar: SB_CTL, SB_HORZ or SB_VERT).
    static int ScrollTrackPos(HWND hwnd, int bar);

  private:
    friend class Container;
    friend class TApplication;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    bool HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
    void Detach();
    // Mirrors WindowEnabled to the window and to the controls inside.
    void ApplyEnabled();
    // Whether the focus is on this control's window or inside it (a form's never counts).
    bool HoldsFocus() const;
    // Gives the focus, which this control can hold no longer, to its heir in the Tab order.
    void HandFocusOn();
    static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR ref);

    Container* parent_ = nullptr;
    HWND parentWindow_ = nullptr;
    bool subclassed_ = false;
    bool updating_ = false;
    bool clicked_ = false;
    UINT id_ = 0;
    std::wstring hint_;
    Font font_;
    bool parentFont_ = true;
    bool colorSet_ = false;
    HCURSOR cursor_ = nullptr;
    PopupMenu* popupMenu_ = nullptr;
};

// A control that holds other controls (forms, panels, group boxes, tab sheets).
class Container : public Control {
  public:
    using Control::Control;
    ~Container() override;
    const std::vector<Control*>& Controls() const { return children_; }
    // Recomputes which tab sheets are on screen and raises their OnShow/OnHide.
    virtual void UpdateShowing();

  protected:
    // A control inside this container (at any depth) got the focus.
    virtual void FocusEntered(HWND control) {}
    void CreateChildHandles();
    void FontChanged() override;
    bool StaticLike() const override { return true; }

  private:
    friend class Control;
    std::vector<Control*> children_;
};

}  // namespace ui
