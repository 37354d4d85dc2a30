#include "ui/ranges.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/handles.h"

namespace ui {

// --- RangeControl ------------------------------------------------------------------

RangeControl::RangeControl(Container* parent, std::wstring name, int max)
    : Control(parent, std::move(name)), max_(max) {}

void RangeControl::Clamp(int& position, int min, int& max) {
    if (max < min) max = min;
    position = std::clamp(position, min, max);
}

// --- TrackBar ----------------------------------------------------------------------

TrackBar::TrackBar(Container* parent, std::wstring name) : RangeControl(parent, std::move(name), 10) {
    width_ = 150, height_ = 45;
}

Control::CreateParams TrackBar::GetCreateParams() {
    DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
    return {TRACKBAR_CLASSW, style, 0};
}

void TrackBar::HandleCreated() {
    Silently([&] {
        SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, min_);
        SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, max_);
        SendMessageW(hwnd_, TBM_SETTICFREQ, frequency_, 0);
        SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, pageSize_);
        SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_);
    });
}

void TrackBar::SetParams(int position, int min, int max) {
    Clamp(position, min, max);
    if (min != min_ || max != max_) {
        min_ = min, max_ = max;
        if (hwnd_)
            Silently([&] {
                SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, min_);
                SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, max_);
            });
    }
    if (position == position_) return;
    position_ = position;
    if (hwnd_) Silently([&] { SendMessageW(hwnd_, TBM_SETPOS, TRUE, position_); });
    if (OnChange) OnChange(*this);
}

void TrackBar::SetFrequency(int v) {
    frequency_ = v;
    if (hwnd_) SendMessageW(hwnd_, TBM_SETTICFREQ, v, 0);
}

void TrackBar::SetPageSize(int v) {
    pageSize_ = v;
    if (hwnd_) SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, v);
}

namespace {

// A thumb that cannot be moved, pointing the way the ticks lie.
void DrawDisabledThumb(HDC dc, const RECT& r, DWORD style) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const LONG left = r.left, top = r.top, right = r.right - 1, bottom = r.bottom - 1;
    std::vector<POINT> p;
    if (style & TBS_BOTH) {
        p = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    } else if (style & TBS_VERT) {
        const LONG d = h / 2;
        if (style & TBS_LEFT)
            p = {{left, top + d}, {left + d, top}, {right, top}, {right, bottom}, {left + d, bottom}};
        else
            p = {{left, top}, {right - d, top}, {right, top + d}, {right - d, bottom}, {left, bottom}};
    } else {
        const LONG d = w / 2;
        if (style & TBS_TOP)
            p = {{left + d, top}, {right, top + d}, {right, bottom}, {left, bottom}, {left, top + d}};
        else
            p = {{left, top}, {right, top}, {right, bottom - d}, {left + d, bottom}, {left, bottom - d}};
    }
    // Filled with the face colour, its outline half-way to it from the shadow.
    const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF outline =
        RGB((GetRValue(face) + GetRValue(shadow)) / 2, (GetGValue(face) + GetGValue(shadow)) / 2,
            (GetBValue(face) + GetBValue(shadow)) / 2);
    BrushHandle brush(CreateSolidBrush(face));
    PenHandle pen(CreatePen(PS_SOLID, 1, outline));
    if (!brush || !pen) return;
    SelectGuard selectBrush(dc, brush.Get());
    SelectGuard selectPen(dc, pen.Get());
    Polygon(dc, p.data(), static_cast<int>(p.size()));
}

}  // namespace

bool TrackBar::Notify(NMHDR& nm, LRESULT& result) {
    if (nm.code != NM_CUSTOMDRAW || !hwnd_ || IsWindowEnabled(hwnd_)) return false;
    auto& draw = reinterpret_cast<NMCUSTOMDRAW&>(nm);
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
    } else if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec == TBCD_THUMB) {
        DrawDisabledThumb(draw.hdc, draw.rc, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)));
        result = CDRF_SKIPDEFAULT;
    } else {
        result = CDRF_DODEFAULT;
    }
    return true;
}

bool TrackBar::Scroll(int) {
    if (!Updating()) SetPosition(static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)));
    return true;
}

// --- ScrollBar ---------------------------------------------------------------------

ScrollBar::ScrollBar(Container* parent, std::wstring name) : RangeControl(parent, std::move(name), 100) {
    width_ = 121, height_ = 17;
}

Control::CreateParams ScrollBar::GetCreateParams() {
    return {L"SCROLLBAR", static_cast<DWORD>(WS_TABSTOP | (kind_ == sbVertical ? SBS_VERT : SBS_HORZ)), 0};
}

void ScrollBar::Push() {
    if (!hwnd_) return;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_POS, min_, max_, 0, position_, 0};
    Silently([&] { SetScrollInfo(hwnd_, SB_CTL, &si, TRUE); });
}

void ScrollBar::HandleCreated() {
    Push();
}

void ScrollBar::SetParams(int position, int min, int max) {
    Clamp(position, min, max);
    bool changed = position != position_;
    min_ = min, max_ = max, position_ = position;
    Push();
    if (changed && OnChange) OnChange(*this);
}

bool ScrollBar::Scroll(int code) {
    if (Updating()) return true;
    int pos = position_;
    switch (code) {
        case SB_LINEUP:
            pos -= smallChange_;
            break;
        case SB_LINEDOWN:
            pos += smallChange_;
            break;
        case SB_PAGEUP:
            pos -= largeChange_;
            break;
        case SB_PAGEDOWN:
            pos += largeChange_;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = ScrollTrackPos(hwnd_, SB_CTL);
            break;
        case SB_TOP:
            pos = min_;
            break;
        case SB_BOTTOM:
            pos = max_;
            break;
        default:
            return true;
    }
    SetPosition(pos);
    return true;
}

}  // namespace ui
