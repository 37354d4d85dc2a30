// A date or time picker; the value is a date-time in days since 1899-12-30.
// The user's change raises OnChange; a value set from code raises nothing.
#pragma once

#include "base/date_time.h"
#include "ui/control.h"

namespace ui {

enum DateTimeKind { dtkDate, dtkTime };

class DateTimePicker : public Control {
  public:
    DateTimePicker(Container* parent, std::wstring name);
    base::TDateTime DateTime() const { return value_; }
    void SetDateTime(base::TDateTime value);
    DateTimeKind Kind() const { return kind_; }
    void SetKind(DateTimeKind kind);
    // A picture such as L"HH:mm:ss" (the control's own format letters); empty: the system's.
    const std::wstring& Format() const { return format_; }
    void SetFormat(const std::wstring& format);

    NotifyEvent OnChange;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Notify(NMHDR& nm, LRESULT& result) override;

  private:
    base::TDateTime value_ = 0;
    DateTimeKind kind_ = dtkDate;
    std::wstring format_;
};

}  // namespace ui
