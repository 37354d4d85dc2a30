// The main page's time zone: the zone list from the registry, switching the
// system's zone and the automatic daylight-saving switch.
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "options/page_main.h"
#include "timetext/time_zones.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

TPageMain::TimeZoneControls::TimeZoneControls(TPageMain& p) {
    p.lblTimeZones.SetBounds(8, kTimeZoneTop, 200, 16);
    p.cmbTimeZones.SetStyle(ui::csDropDownList);
    p.cmbTimeZones.SetDropDownCount(16);
    p.cmbTimeZones.SetBounds(8, kTimeZoneTop + 18, 440, 21);
    p.chbAutoDaylightTimeSet.SetBounds(8, kTimeZoneTop + 46, 440, 17);
    p.cmbTimeZones.OnChange = [&p](ui::Component& s) { p.cmbTimeZonesChange(s); };
    p.chbAutoDaylightTimeSet.OnClick = [&p](ui::Component& s) { p.chbAutoDaylightTimeSetClick(s); };
}

void TPageMain::tbsMainShow(ui::Component&) {
    TfrmOptions& o = Options();
    // While loading, the two change handlers do nothing; the window's own
    // loading phase (Tag 1 at start-up) is kept.
    const int tag = o.Tag();
    o.SetTag(1);
    // The page's switches that follow the main window's actions.
    const std::pair<const wchar_t*, ui::Action*> switches[] = {{L"chbStayOnTop", &frmHoralto->aStayOnTop},
                                                               {L"chbShowInTray", &frmHoralto->aShowInTray}};
    for (const auto& [name, action] : switches)
        if (auto* box = dynamic_cast<ui::CheckBox*>(o.FindComponent(name)))
            box->SetChecked(action->Checked());
    chbAutoDaylightTimeSet.SetChecked(timetext::AutoDaylightTimeSet());
    FillTimeZoneList();
    o.SetTag(tag);
    cmbTimeZones.SetHint(cmbTimeZones.Text());
}

void TPageMain::FillTimeZoneList() {
    try {
        const std::wstring current = timetext::CurrentStandardName();
        const std::vector<timetext::ZoneKey> keys = timetext::ReadZoneKeys();
        if (keys.empty()) return;  // no zones: the list stays as it was
        std::vector<timetext::ZoneListEntry> entries;
        std::vector<std::wstring> displays;
        for (const timetext::ZoneKey& k : keys) {
            entries.push_back(k.entry);
            displays.push_back(k.entry.display);
        }
        timetext::SortZoneDisplays(displays);
        cmbTimeZones.SetItems(displays);
        const std::wstring chosen =
            timetext::CurrentZoneDisplay(entries, current, timetext::CurrentZoneKeyName());
        cmbTimeZones.SetItemIndex(chosen.empty() ? -1 : cmbTimeZones.IndexOf(chosen));
    } catch (...) {
        // The page shows what could be read.
    }
}

void TPageMain::cmbTimeZonesChange(ui::Component&) {
    TfrmOptions& o = Options();
    if (o.Tag() != 0) return;
    const int index = cmbTimeZones.ItemIndex();
    if (index >= 0) {
        try {
            timetext::ApplyTimeZone(cmbTimeZones.Item(index));
        } catch (const std::exception& e) {
            // Not applied: the list shows the zone in force again.
            o.SetTag(1);
            FillTimeZoneList();
            o.SetTag(0);
            ui::ShowError(ui::ExceptionText(e));
        }
    }
    cmbTimeZones.SetHint(cmbTimeZones.Text());
}

void TPageMain::chbAutoDaylightTimeSetClick(ui::Component&) {
    TfrmOptions& o = Options();
    if (o.Tag() != 0) return;
    try {
        timetext::SetAutoDaylightTimeSet(chbAutoDaylightTimeSet.Checked());
    } catch (const std::exception& e) {
        // Not written: the box shows what Windows keeps.
        o.SetTag(1);
        chbAutoDaylightTimeSet.SetChecked(timetext::AutoDaylightTimeSet());
        o.SetTag(0);
        ui::ShowError(ui::ExceptionText(e));
    }
}
