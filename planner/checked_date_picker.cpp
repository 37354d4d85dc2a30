#include "planner/checked_date_picker.h"

#include <commctrl.h>

namespace planner {

ui::Control::CreateParams CheckedDatePicker::GetCreateParams() {
    CreateParams params = DateTimePicker::GetCreateParams();
    params.style |= DTS_SHOWNONE;
    return params;
}

void CheckedDatePicker::HandleCreated() {
    DateTimePicker::HandleCreated();
    if (!checked_) ShowNoDate();
}

void CheckedDatePicker::ShowNoDate() {
    if (!hwnd_) return;
    // Some pickers want a time even with GDT_NONE.
    SYSTEMTIME st{};
    GetLocalTime(&st);
    Silently([&] { SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&st)); });
}

bool CheckedDatePicker::WindowChecked() const {
    if (!hwnd_) return checked_;
    SYSTEMTIME st{};
    return SendMessageW(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == GDT_VALID;
}

void CheckedDatePicker::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checked_)
        DateTimePicker::SetDateTime(DateTime());  // a valid date checks the window's box
    else
        ShowNoDate();
}

void CheckedDatePicker::SetDateTime(base::TDateTime value) {
    DateTimePicker::SetDateTime(value);
    if (!checked_) ShowNoDate();
}

bool CheckedDatePicker::Notify(NMHDR& nm, LRESULT& result) {
    if (nm.code != DTN_DATETIMECHANGE || Updating()) return DateTimePicker::Notify(nm, result);
    const auto& change = reinterpret_cast<NMDATETIMECHANGE&>(nm);
    if (change.dwFlags == GDT_NONE) {
        checked_ = false;
        result = 0;
        if (OnChange) OnChange(*this);
        return true;
    }
    checked_ = true;
    return DateTimePicker::Notify(nm, result);
}

}  // namespace planner
