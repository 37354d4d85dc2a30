#include "ui/panels.h"

#include "ui/handles.h"

namespace ui {

// --- Label -------------------------------------------------------------------------

Label::Label(Container* parent, std::wstring name, std::wstring caption) : Control(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 65, height_ = 13;
}

DWORD Label::StyleBits() const {
    DWORD s = SS_NOTIFY | SS_NOPREFIX;
    if (alignment_ == taCenter)
        s |= SS_CENTER;
    else if (alignment_ == taRightJustify)
        s |= SS_RIGHT;
    else
        s |= wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    return s;
}

Control::CreateParams Label::GetCreateParams() {
    return {L"STATIC", StyleBits(), 0};
}

void Label::SetAlignment(ui::Alignment a) {
    alignment_ = a;
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE,
                          (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~0x1FL) | (StyleBits() & 0x1F));
        Invalidate();
    }
}

void Label::SetWordWrap(bool v) {
    wordWrap_ = v;
    SetAlignment(alignment_);
}

// --- Panel ---------------------------------------------------------------------------

Panel::Panel(Container* parent, std::wstring name) : Container(parent, std::move(name)) {
    width_ = 185, height_ = 41;
    RegisterOwnClass(L"TPanel", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

Control::CreateParams Panel::GetCreateParams() {
    CreateParams p;
    p.className = L"TPanel";
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = WS_EX_CONTROLPARENT;
    p.ownClass = true;
    return p;
}

void Panel::SetBevelOuter(BevelCut v) {
    bevelOuter_ = v;
    Invalidate();
}

void Panel::SetBevelInner(BevelCut v) {
    bevelInner_ = v;
    Invalidate();
}

bool Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT: {
            PaintDc dc(hwnd_);
            RECT rc;
            GetClientRect(hwnd_, &rc);
            if (OnPaint) {
                OnPaint(*this, dc.Get(), rc);
                return true;
            }
            FillRect(dc.Get(), &rc, CachedBrush(EffectiveColor()));
            RECT r = rc;
            for (BevelCut b : {bevelOuter_, bevelInner_}) {
                if (b == bvNone) continue;
                DrawEdge(dc.Get(), &r, b == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                         BF_RECT | BF_ADJUST);
            }
            if (!text_.empty()) {
                SelectGuard font(dc.Get(), CachedFont(EffectiveFont()));
                SetBkMode(dc.Get(), TRANSPARENT);
                SetTextColor(dc.Get(), ColorToRGB(EffectiveFont().color));
                DrawTextW(dc.Get(), text_.c_str(), -1, &r,
                          DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            }
            return true;
        }
        case WM_SETTEXT:
            result = DefaultProc(msg, wp, lp);
            Invalidate();
            return true;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

// --- GroupBox ------------------------------------------------------------------------

GroupBox::GroupBox(Container* parent, std::wstring name, std::wstring caption)
    : Container(parent, std::move(name)) {
    text_ = std::move(caption);
    width_ = 185, height_ = 105;
}

Control::CreateParams GroupBox::GetCreateParams() {
    return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

bool GroupBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, CachedBrush(EffectiveColor()));
        result = 1;
        return true;
    }
    // A group box lets clicks through to its parent; its children still get them.
    if (msg == WM_NCHITTEST) {
        result = HTCLIENT;
        return true;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
