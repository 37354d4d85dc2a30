// The calendar window "Календарь": a month calendar on a small dialog that stays
// on top. One instance for the whole run; closing it only hides it, so the next
// showing keeps the date the user left selected.
#pragma once

#include "base/date_time.h"
#include "ui/form.h"

// The platform's month calendar control, sized to one month.
class TMonthCalendar : public ui::Control {
  public:
    TMonthCalendar(ui::Container* parent, std::wstring name);
    base::TDateTime Date() const { return date_; }
    void SetDate(base::TDateTime date);
    // The smallest size that shows a whole month.
    SIZE MinimumSize();

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Notify(NMHDR& nm, LRESULT& result) override;

  private:
    base::TDateTime date_ = 0;
};

class TfrmCalendar : public ui::Form {
  public:
    TfrmCalendar();

    TMonthCalendar MonthCalendar;

    void FormCreate(ui::Component& sender);

  private:
    bool placed_ = false;
};

// Creates the calendar on first use (owned by the application) and shows it.
void ShowCalendar();
