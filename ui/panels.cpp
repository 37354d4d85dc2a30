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

void Panel::Paint(HDC dc, const RECT& rc) {
    FillRect(dc, &rc, CachedBrush(EffectiveColor()));
    RECT r = rc;
    for (BevelCut b : {bevelOuter_, bevelInner_}) {
        if (b == bvNone) continue;
        DrawEdge(dc, &r, b == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    if (!text_.empty()) {
        SelectGuard font(dc, CachedFont(EffectiveFont()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(EffectiveFont().color));
        DrawTextW(dc, text_.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

bool Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    const bool painted = PaintWholeClient(msg, result, [this](HDC dc, const RECT& rc) {
        if (OnPaint)
            OnPaint(*this, dc, rc);
        else
            Paint(dc, rc);
    });
    if (painted) return true;
    if (msg == WM_SETTEXT) {
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
    if (EraseWithColor(msg, wp, result)) return true;
    // A group box lets clicks through to its parent; its children still get them.
    if (msg == WM_NCHITTEST) {
        result = HTCLIENT;
        return true;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
