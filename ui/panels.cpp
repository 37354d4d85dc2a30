#include "ui/panels.h"

#include <uxtheme.h>
#include <vssym32.h>

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

void GroupBox::Paint(HDC dc, const RECT& rc) {
    FillRect(dc, &rc, CachedBrush(EffectiveColor()));
    SelectGuard font(dc, CachedFont(EffectiveFont()));
    SIZE extent{};
    if (!text_.empty()) GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
    // The frame runs through the middle of the caption, broken where it stands.
    RECT frame = rc;
    frame.top += extent.cy / 2;
    RECT label{rc.left + 6, rc.top, rc.left + 6 + extent.cx + 4, rc.top + extent.cy};
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const int saved = SaveDC(dc);
    if (!text_.empty()) ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
    HTHEME theme = OpenThemeData(hwnd_, L"BUTTON");
    if (theme) {
        DrawThemeBackground(theme, dc, BP_GROUPBOX, enabled ? GBS_NORMAL : GBS_DISABLED, &frame, nullptr);
        CloseThemeData(theme);
    } else {
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    }
    RestoreDC(dc, saved);
    if (text_.empty()) return;
    InflateRect(&label, -2, 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? ColorToRGB(EffectiveFont().color) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &label, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

bool GroupBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (PaintWholeClient(msg, result, [this](HDC dc, const RECT& rc) { Paint(dc, rc); })) return true;
    switch (msg) {
        case WM_PRINTCLIENT: {
            RECT rc;
            GetClientRect(hwnd_, &rc);
            Paint(reinterpret_cast<HDC>(wp), rc);
            return true;
        }
        // The system's button draws itself at once on these: drawn again, our way.
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
            result = DefaultProc(msg, wp, lp);
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return true;
        // A group box lets clicks through to its parent; its children still get them.
        case WM_NCHITTEST:
            result = HTCLIENT;
            return true;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
