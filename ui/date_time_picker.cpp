#include "ui/date_time_picker.h"

#include <commctrl.h>
#include <oleauto.h>

#include <cmath>

namespace ui {

namespace {

bool ToSystemTime(base::TDateTime value, SYSTEMTIME& st) {
    return VariantTimeToSystemTime(value, &st) != 0;
}

base::TDateTime FromSystemTime(const SYSTEMTIME& st) {
    SYSTEMTIME copy = st;
    copy.wMilliseconds = 0;
    double v = 0;
    SystemTimeToVariantTime(&copy, &v);
    return v;
}

}  // namespace

DateTimePicker::DateTimePicker(Container* parent, std::wstring name) : Control(parent, std::move(name)) {
    width_ = 186, height_ = 21;
    SYSTEMTIME st;
    GetLocalTime(&st);
    value_ = FromSystemTime(st);
}

Control::CreateParams DateTimePicker::GetCreateParams() {
    DWORD style = WS_TABSTOP | (kind_ == dtkTime ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_SHORTDATEFORMAT);
    return {DATETIMEPICK_CLASSW, style, 0};
}

void DateTimePicker::HandleCreated() {
    if (!format_.empty()) SendMessageW(hwnd_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format_.c_str()));
    SYSTEMTIME st;
    if (ToSystemTime(value_, st))
        Silently([&] { SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)); });
}

void DateTimePicker::SetDateTime(base::TDateTime value) {
    value_ = value;
    SYSTEMTIME st;
    if (hwnd_ && ToSystemTime(value_, st))
        Silently([&] { SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)); });
}

void DateTimePicker::SetKind(DateTimeKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    if (hwnd_) {
        DestroyHandle();
        HandleNeeded();
    }
}

void DateTimePicker::SetFormat(const std::wstring& format) {
    format_ = format;
    if (hwnd_)
        SendMessageW(hwnd_, DTM_SETFORMATW, 0,
                     format_.empty() ? 0 : reinterpret_cast<LPARAM>(format_.c_str()));
}

bool DateTimePicker::Notify(NMHDR& nm, LRESULT& result) {
    if (nm.code != DTN_DATETIMECHANGE) return false;
    if (Updating()) return true;
    auto& dt = reinterpret_cast<NMDATETIMECHANGE&>(nm);
    if (dt.dwFlags == GDT_VALID) {
        value_ = FromSystemTime(dt.st);
        if (OnChange) OnChange(*this);
    }
    result = 0;
    return true;
}

}  // namespace ui
