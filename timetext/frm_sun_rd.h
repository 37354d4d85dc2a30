// The window "Восход / заход солнца": sunrise and sunset for any place, date
// and time zone. Its latitude and longitude edits are the clock's own place, so
// the sun tags of the clock's texts follow them. Frees itself when closed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "timetext/sun_place.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/panels.h"

class TfrmSunRD : public ui::Form {
  public:
    TfrmSunRD();
    ~TfrmSunRD() override;

    ui::GroupBox GroupBox1;
    ui::Label lblB5;
    ui::Label lblL5;
    ui::Edit edtB5;
    ui::Edit edtL5;
    ui::DateTimePicker dtpDateSun;
    ui::Label lblTimeZone;
    ui::ComboBox cmbTimeZones;
    ui::Memo memResult;
    ui::Button btnCalc;
    ui::Button btnClose;

    void FormCreate(ui::Component& sender);
    void btnCalcClick(ui::Component& sender);
    void btnCloseClick(ui::Component& sender);
    void cmbTimeZonesChange(ui::Component& sender);
    void edtB5Change(ui::Component& sender);
    void edtL5Change(ui::Component& sender);
    void edtB5Exit(ui::Component& sender);
    void edtL5Exit(ui::Component& sender);
    void FormClose(ui::Component& sender, ui::CloseAction& action);
    void FormDestroy(ui::Component& sender);

    // The UTC offset (hours, east positive) of the chosen zone: from its text,
    // else from the registry's bias of that zone; false when neither is known.
    bool SelectedZoneOffset(double& hoursEast) const;

  private:
    void FillZonesFromRegistry();
    bool ReadDegrees(const ui::Edit& edit, const timetext::PlaceAxis& axis, double& value);
    void LeavePlaceEdit(ui::Edit& edit, const timetext::PlaceAxis& axis, double stored);
    // Registry zones: display text -> bias in minutes (positive west).
    std::map<std::wstring, int> zoneBias_;
};

// Creates the window when there is none and shows it.
void ShowSunRD();

// The built-in zone list (Russian display texts, sorted), used when the
// registry has none.
const std::vector<std::wstring>& BuiltInTimeZones();
