// The main page's time zones and the registry switches of the daylight-saving
// change and of the Windows time service, in the program's own two windows
// made in this process. The system's zone is never changed: the zone setter
// is replaced by a recorder.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/text_compare.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "timetext/time_zones.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/registry.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

const wchar_t kZoneRoot[] = L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
const wchar_t* const kZoneInfo[] = {L"\\SYSTEM\\ControlSet001\\Control\\TimeZoneInformation",
                                    L"\\SYSTEM\\CurrentControlSet\\Control\\TimeZoneInformation"};
const wchar_t* const kTimeService[] = {L"\\SYSTEM\\ControlSet001\\Services\\W32Time\\Parameters",
                                       L"\\SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters"};

// A value under HKEY_LOCAL_MACHINE, or "-" when it is missing.
std::wstring Value(const wchar_t* key, const wchar_t* name) {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!reg.OpenKeyReadOnly(key) || !reg.ValueExists(name)) return L"-";
    try {
        return reg.ReadString(name);
    } catch (...) {
        return std::to_wstring(reg.ReadInteger(name));
    }
}

void DeleteValue(const wchar_t* key, const wchar_t* name) {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
    if (reg.OpenKey(key, false) && reg.ValueExists(name)) reg.DeleteValue(name);
}

class TimeZones : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring& caption, UINT) {
                boxes_.push_back(caption + L": " + text);
                return IDOK;
            });
        previousSetter_ = timetext::ReplaceTimeZoneSetter([this](const TIME_ZONE_INFORMATION& tz) -> DWORD {
            applied_.push_back(tz);
            calls_.push_back(L"set");
            return refuse_ ? ERROR_PRIVILEGE_NOT_HELD : 0;
        });
        previousSwitch_ = timetext::ReplacePrivilegeSwitch([this](const wchar_t* name, bool enable) -> DWORD {
            calls_.push_back(std::wstring(enable ? L"on " : L"off ") + name);
            return 0;
        });
        for (const wchar_t* key : kZoneInfo) DeleteValue(key, L"DisableAutoDaylightTimeSet");
        for (const wchar_t* key : kTimeService) DeleteValue(key, L"Type");
        testing_support::CreateProgramWindows();
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        for (const wchar_t* key : kZoneInfo) DeleteValue(key, L"DisableAutoDaylightTimeSet");
        for (const wchar_t* key : kTimeService) DeleteValue(key, L"Type");
        timetext::ReplaceTimeZoneSetter(previousSetter_);
        timetext::ReplacePrivilegeSwitch(previousSwitch_);
        ui::SetMessageBoxHandler(previousBoxes_);
    }
    // The user picks a zone from the list.
    void Choose(const std::wstring& display) {
        TfrmOptions& o = *frmOptions;
        const int i = o.cmbTimeZones.IndexOf(display);
        ASSERT_GE(i, 0) << "no zone " << std::string(display.begin(), display.end());
        o.cmbTimeZones.SetItemIndex(i);
        o.cmbTimeZonesChange(o.cmbTimeZones);
    }
    // The Display of the zone key with this name.
    static std::wstring DisplayOf(const std::wstring& key) {
        ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
        if (!reg.OpenKeyReadOnly(std::wstring(kZoneRoot) + L"\\" + key)) return {};
        return reg.ReadString(L"Display");
    }

    testing_support::ScratchDir dir_{L"timesvc-zones"};
    ui::MessageBoxHandler previousBoxes_;
    timetext::TimeZoneSetter previousSetter_;
    timetext::PrivilegeSwitch previousSwitch_;
    std::vector<std::wstring> boxes_;
    std::vector<std::wstring> calls_;  // privilege switches and zone changes, in order
    std::vector<TIME_ZONE_INFORMATION> applied_;
    bool refuse_ = false;
};

TEST_F(TimeZones, ListOfRegistryZonesWithTheCurrentOneSelected) {
    TfrmOptions& o = *frmOptions;
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    ASSERT_TRUE(reg.OpenKeyReadOnly(kZoneRoot));
    const std::size_t keys = reg.GetKeyNames().size();
    ASSERT_GT(keys, 50u);
    EXPECT_EQ(o.cmbTimeZones.Items().size(), keys);
    EXPECT_TRUE(std::is_sorted(
        o.cmbTimeZones.Items().begin(), o.cmbTimeZones.Items().end(),
        [](const std::wstring& a, const std::wstring& b) { return base::CompareTextAnsi(a, b) < 0; }));
    EXPECT_EQ(o.cmbTimeZones.Style(), ui::csDropDownList);
    // Wine names the zone in force in the user's language while its keys keep
    // English names: the zone is found by its key.
    const std::wstring current = DisplayOf(timetext::CurrentZoneKeyName());
    ASSERT_FALSE(current.empty());
    EXPECT_EQ(o.cmbTimeZones.Text(), current);
    EXPECT_EQ(o.cmbTimeZones.Hint(), current);
    EXPECT_TRUE(o.chbAutoDaylightTimeSet.Checked());
}

TEST_F(TimeZones, ChoosingAZoneAppliesTheRecordOfItsKey) {
    const std::wstring kaliningrad = DisplayOf(L"Kaliningrad Standard Time");
    ASSERT_FALSE(kaliningrad.empty());
    Choose(kaliningrad);
    ASSERT_EQ(applied_.size(), 1u);
    const TIME_ZONE_INFORMATION& tz = applied_[0];
    EXPECT_EQ(tz.Bias, -120);
    EXPECT_STREQ(tz.StandardName, L"Kaliningrad Standard Time");
    EXPECT_STREQ(tz.DaylightName, L"Kaliningrad Daylight Time");
    // The rest is the key's TZI as it stands.
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    ASSERT_TRUE(reg.OpenKeyReadOnly(std::wstring(kZoneRoot) + L"\\Kaliningrad Standard Time"));
    const std::vector<BYTE> tzi = reg.ReadBinaryData(L"TZI");
    ASSERT_GE(tzi.size(), 44u);
    LONG daylightBias;
    SYSTEMTIME daylightDate;
    std::memcpy(&daylightBias, tzi.data() + 8, 4);
    std::memcpy(&daylightDate, tzi.data() + 28, 16);
    EXPECT_EQ(tz.DaylightBias, daylightBias);
    EXPECT_EQ(std::memcmp(&tz.DaylightDate, &daylightDate, sizeof daylightDate), 0);
    EXPECT_EQ(frmOptions->cmbTimeZones.Hint(), kaliningrad);
    EXPECT_TRUE(boxes_.empty());
    // The zone privilege, which Windows keeps disabled, is enabled just for the change.
    EXPECT_EQ(calls_,
              (std::vector<std::wstring>{L"on SeTimeZonePrivilege", L"set", L"off SeTimeZonePrivilege"}));
}

TEST_F(TimeZones, RefusedChangeIsReportedAndTheZoneInForceShownAgain) {
    refuse_ = true;
    const std::wstring current = frmOptions->cmbTimeZones.Text();
    ASSERT_FALSE(current.empty());
    Choose(DisplayOf(L"UTC"));
    ASSERT_EQ(applied_.size(), 1u);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(boxes_[0].starts_with(L"Ошибка: Не удалось установить часовой пояс «")) << boxes_[0].size();
    EXPECT_EQ(frmOptions->cmbTimeZones.Text(), current);
    EXPECT_EQ(frmOptions->cmbTimeZones.Hint(), current);
    // A refused change disables the privilege again all the same.
    EXPECT_EQ(calls_,
              (std::vector<std::wstring>{L"on SeTimeZonePrivilege", L"set", L"off SeTimeZonePrivilege"}));
}

TEST_F(TimeZones, HandlersDoNothingWhileTheWindowLoads) {
    frmOptions->SetTag(1);
    Choose(DisplayOf(L"UTC"));
    frmOptions->chbAutoDaylightTimeSet.SetChecked(false);
    frmOptions->SetTag(0);
    EXPECT_TRUE(applied_.empty());
    EXPECT_EQ(Value(kZoneInfo[0], L"DisableAutoDaylightTimeSet"), L"-");
}

TEST_F(TimeZones, DaylightSwitchIsWrittenToBothControlSets) {
    TfrmOptions& o = *frmOptions;
    o.chbAutoDaylightTimeSet.SetChecked(false);
    for (const wchar_t* key : kZoneInfo) EXPECT_EQ(Value(key, L"DisableAutoDaylightTimeSet"), L"1");
    // Showing the page reads it back.
    o.tbsMainShow(o.tbsMain);
    EXPECT_FALSE(o.chbAutoDaylightTimeSet.Checked());
    EXPECT_EQ(o.Tag(), 0);

    o.chbAutoDaylightTimeSet.SetChecked(true);
    for (const wchar_t* key : kZoneInfo) EXPECT_EQ(Value(key, L"DisableAutoDaylightTimeSet"), L"-");
    o.tbsMainShow(o.tbsMain);
    EXPECT_TRUE(o.chbAutoDaylightTimeSet.Checked());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(TimeZones, TimeServiceSwitch) {
    TfrmOptions& o = *frmOptions;
    // No value: the service counts as synchronising.
    o.tbsSynchronizationShow(o.tbsSynchronization);
    EXPECT_TRUE(o.chbAutoSyncWindows.Checked());
    EXPECT_EQ(Value(kTimeService[0], L"Type"), L"-") << "showing the page writes nothing";

    o.chbAutoSyncWindows.SetChecked(false);
    for (const wchar_t* key : kTimeService) EXPECT_EQ(Value(key, L"Type"), L"NoSync");
    o.tbsSynchronizationShow(o.tbsSynchronization);
    EXPECT_FALSE(o.chbAutoSyncWindows.Checked()) << "NoSync leaves the box as it is";
    o.chbAutoSyncWindows.SetChecked(true);
    for (const wchar_t* key : kTimeService) EXPECT_EQ(Value(key, L"Type"), L"NTP");

    // While the window loads, the box writes nothing.
    o.SetTag(1);
    o.chbAutoSyncWindows.SetChecked(false);
    o.SetTag(0);
    EXPECT_EQ(Value(kTimeService[0], L"Type"), L"NTP");
    o.tbsSynchronizationShow(o.tbsSynchronization);
    EXPECT_TRUE(o.chbAutoSyncWindows.Checked());
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
