// A date picker with a check box in front of the date: checked, the date
// counts; unchecked, the picker stands for "no date". The user's toggling of
// the box raises OnChange; values set from code raise nothing.
#pragma once

#include "ui/date_time_picker.h"

namespace planner {

class CheckedDatePicker : public ui::DateTimePicker {
  public:
    using DateTimePicker::DateTimePicker;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Keeps the box as it is.
    void SetDateTime(base::TDateTime value);
    // The box as the window shows it (the member's value without a window).
    bool WindowChecked() const;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Notify(NMHDR& nm, LRESULT& result) override;

  private:
    void ShowNoDate();
    bool checked_ = true;
};

}  // namespace planner
