#include "ui/edits.h"

#include <commctrl.h>

#include <cwctype>
#include <limits>

#include "base/text_lines.h"
#include "base/text_start.h"

namespace ui {

// --- Edit ------------------------------------------------------------------------

Edit::Edit(Container* parent, std::wstring name) : Control(parent, std::move(name)) {
    width_ = 121, height_ = 21;
    parentColor_ = false;
    color_ = clWindow;
}

Control::CreateParams Edit::GetCreateParams() {
    DWORD style = WS_TABSTOP | EditStyle();
    if (WindowReadOnly()) style |= ES_READONLY;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

void Edit::HandleCreated() {
    if (maxLength_) SendMessageW(hwnd_, EM_LIMITTEXT, maxLength_, 0);
}

void Edit::SetReadOnly(bool v) {
    readOnly_ = v;
    UpdateWindowReadOnly();
}

void Edit::UpdateWindowReadOnly() {
    if (hwnd_) SendMessageW(hwnd_, EM_SETREADONLY, WindowReadOnly(), 0);
}

void Edit::SetMaxLength(int v) {
    maxLength_ = v;
    if (hwnd_) SendMessageW(hwnd_, EM_LIMITTEXT, v, 0);
}

void Edit::SelectAll() {
    if (hwnd_) SendMessageW(hwnd_, EM_SETSEL, 0, -1);
}

bool Edit::Command(WORD code) {
    if (code != EN_CHANGE) return false;
    if (Updating()) return true;
    SyncTextFromWindow();
    Change();
    return true;
}

void Edit::Change() {
    if (OnChange) OnChange(*this);
}

// --- Memo ------------------------------------------------------------------------

Memo::Memo(Container* parent, std::wstring name) : Edit(parent, std::move(name)) {
    width_ = 185, height_ = 89;
}

std::wstring Memo::ShownText() const {
    return std::wstring(base::LeadingLines(Text(), kShownLength));
}

void Memo::TextChanged() {
    UpdateWindowReadOnly();
    Edit::TextChanged();
}

bool Memo::Command(WORD code) {
    // A clipped text changes only from code: the window's part is never taken for it.
    if (code == EN_CHANGE && Clipped()) return true;
    return Edit::Command(code);
}

DWORD Memo::EditStyle() const {
    DWORD s = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap_) s |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) s |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) s |= WS_HSCROLL;
    return s;
}

std::vector<std::wstring> Memo::Lines() const {
    const std::vector<std::wstring_view> lines = base::SplitLines(Text());
    return {lines.begin(), lines.end()};
}

void Memo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring t;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) t += L"\r\n";
        t += lines[i];
    }
    SetText(t);
}

void Memo::AddLine(const std::wstring& line) {
    SetText(Text().empty() ? line : Text() + L"\r\n" + line);
    // A line added at the end is scrolled into view.
    if (hwnd_) {
        const LRESULT end = GetWindowTextLengthW(hwnd_);
        SendMessageW(hwnd_, EM_SETSEL, end, end);
        SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    }
}

// --- SpinEdit --------------------------------------------------------------------

SpinEdit::SpinEdit(Container* parent, std::wstring name) : Edit(parent, std::move(name)) {
    text_ = L"0";
    width_ = 121, height_ = 22;
}

SpinEdit::~SpinEdit() {
    // The up-down goes with the parent window when that went first.
    if (upDown_ && IsWindow(upDown_) && FromHandle(upDown_) == this) DestroyWindow(upDown_);
}

int SpinEdit::CheckValue(int v) const {
    if (maxValue_ > minValue_) {
        if (v < minValue_) return minValue_;
        if (v > maxValue_) return maxValue_;
    }
    return v;
}

static bool ParseInt(const std::wstring& text, int& out) {
    size_t i = 0, n = text.size();
    while (i < n && std::iswspace(text[i])) ++i;
    while (n > i && std::iswspace(text[n - 1])) --n;
    if (i == n) return false;
    bool neg = false;
    if (text[i] == L'-' || text[i] == L'+') neg = text[i++] == L'-';
    if (i == n) return false;
    long long v = 0;
    for (; i < n; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        v = v * 10 + (text[i] - L'0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
    }
    v = neg ? -v : v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
    out = static_cast<int>(v);
    return true;
}

void SpinEdit::SetValue(int v) {
    value_ = CheckValue(v);
    SetText(std::to_wstring(value_));
}

void SpinEdit::ShowValueSilently() {
    std::wstring t = std::to_wstring(value_);
    if (t == text_) return;
    text_ = t;
    if (hwnd_) Silently([&] { SetWindowTextW(hwnd_, text_.c_str()); });
}

void SpinEdit::SetMinValue(int v) {
    minValue_ = v;
    int c = CheckValue(value_);
    if (c != value_) {
        value_ = c;
        ShowValueSilently();
    }
}

void SpinEdit::SetMaxValue(int v) {
    maxValue_ = v;
    int c = CheckValue(value_);
    if (c != value_) {
        value_ = c;
        ShowValueSilently();
    }
}

void SpinEdit::Change() {
    int v;
    if (ParseInt(Text(), v)) value_ = CheckValue(v);
    Edit::Change();
}

bool SpinEdit::Command(WORD code) {
    if (code == EN_KILLFOCUS) {
        if (!Updating() && Text() != std::to_wstring(value_)) SetText(std::to_wstring(value_));
        return true;
    }
    return Edit::Command(code);
}

void SpinEdit::HandleCreated() {
    Edit::HandleCreated();
    HWND parent = GetParent(hwnd_);
    upDown_ = CreateWindowExW(
        0, UPDOWN_CLASSW, L"",
        WS_CHILD | (visible_ ? WS_VISIBLE : 0) | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0,
        parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!upDown_) return;
    AssociateWindow(upDown_);
    SendMessageW(upDown_, UDM_SETRANGE32, 0, 100);
    SendMessageW(upDown_, UDM_SETPOS32, 0, 50);
    PlaceUpDown();
    if (!WindowEnabled()) EnableWindow(upDown_, FALSE);
}

void SpinEdit::PlaceUpDown() {
    if (!upDown_ || !hwnd_) return;
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
}

void SpinEdit::SetBounds(int left, int top, int width, int height) {
    Edit::SetBounds(left, top, width, height);
    PlaceUpDown();
}

void SpinEdit::WindowStateChanged() {
    if (!upDown_) return;
    EnableWindow(upDown_, WindowEnabled());
    ShowWindow(upDown_, visible_ ? SW_SHOWNA : SW_HIDE);
}

bool SpinEdit::Notify(NMHDR& nm, LRESULT& result) {
    if (nm.code != UDN_DELTAPOS) return false;
    auto& ud = reinterpret_cast<NMUPDOWN&>(nm);
    long long v = static_cast<long long>(value_) + static_cast<long long>(ud.iDelta) * increment_;
    v = std::max<long long>(std::min<long long>(v, std::numeric_limits<int>::max()),
                            std::numeric_limits<int>::min());
    SetValue(static_cast<int>(v));
    result = 1;  // the up-down keeps its own position; the value lives here
    return true;
}

}  // namespace ui
