#include "timetext/time_zones.h"

#include <algorithm>
#include <utility>

#include "timetext/system_clock.h"
#include "ui/exception.h"
#include "ui/privileges.h"
#include "ui/registry.h"

namespace timetext {
namespace {

const wchar_t* const kZoneRoots[] = {L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones",
                                     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones"};
const wchar_t* const kZoneInformationKeys[] = {L"SYSTEM\\ControlSet001\\Control\\TimeZoneInformation",
                                               L"SYSTEM\\CurrentControlSet\\Control\\TimeZoneInformation"};
const wchar_t* const kTimeServiceKeys[] = {L"SYSTEM\\ControlSet001\\Services\\W32Time\\Parameters",
                                           L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters"};
const wchar_t kDisableAutoDaylight[] = L"DisableAutoDaylightTimeSet";

TimeZoneSetter& CurrentZoneSetter() {
    static TimeZoneSetter setter;
    return setter;
}

PrivilegeSwitch& CurrentPrivilegeSwitch() {
    static PrivilegeSwitch change;
    return change;
}

DWORD SwitchPrivilege(const wchar_t* name, bool enable) {
    const PrivilegeSwitch& change = CurrentPrivilegeSwitch();
    return change ? change(name, enable) : ui::SetProcessPrivilege(name, enable);
}

// Holds a privilege enabled for its own lifetime.
class EnabledPrivilege {
  public:
    explicit EnabledPrivilege(const wchar_t* name) : name_(name) { SwitchPrivilege(name_, true); }
    ~EnabledPrivilege() { SwitchPrivilege(name_, false); }
    EnabledPrivilege(const EnabledPrivilege&) = delete;
    EnabledPrivilege& operator=(const EnabledPrivilege&) = delete;

  private:
    const wchar_t* name_;
};

// Opens the first zone root that exists (read-only); empty when none.
std::wstring OpenZoneRoot(ui::Registry& reg) {
    for (const wchar_t* root : kZoneRoots)
        if (reg.OpenKeyReadOnly(std::wstring(L"\\") + root)) return root;
    return {};
}

void CopyName(const std::wstring& from, WCHAR (&to)[32]) {
    const std::size_t n = std::min<std::size_t>(from.size(), 31);
    std::copy_n(from.begin(), n, to);
    to[n] = L'\0';
}

SYSTEMTIME ToSystemTime(const ZoneDate& d) {
    return SYSTEMTIME{d.year, d.month, d.dayOfWeek, d.day, d.hour, d.minute, d.second, d.milliseconds};
}

// Runs a registry write on each key (opened, created when missing), turning
// any failure into a message that names the key.
template <class Write>
void WriteEachKey(const wchar_t* const (&keys)[2], Write write) {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ | KEY_WRITE);
    for (const wchar_t* key : keys) {
        const std::wstring where = std::wstring(L"HKEY_LOCAL_MACHINE\\") + key;
        if (!reg.OpenKey(std::wstring(L"\\") + key, true))
            throw ui::Exception(L"Нет доступа к разделу реестра " + where);
        try {
            write(reg);
        } catch (const std::exception& e) {
            throw ui::Exception(L"Не удалось записать в раздел реестра " + where + L": " +
                                ui::ExceptionText(e));
        }
        reg.CloseKey();
    }
}

}  // namespace

std::vector<ZoneKey> ReadZoneKeys() {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    const std::wstring root = OpenZoneRoot(reg);
    if (root.empty()) return {};
    const std::vector<std::wstring> names = reg.GetKeyNames();
    reg.CloseKey();
    std::vector<ZoneKey> zones;
    for (const std::wstring& name : names) {
        try {
            if (!reg.OpenKeyReadOnly(L"\\" + root + L"\\" + name)) continue;
            ZoneKey z{name, {reg.ReadString(L"Display"), reg.ReadString(L"Std"), name}};
            if (reg.ValueExists(L"TZI")) {
                const std::vector<BYTE> raw = reg.ReadBinaryData(L"TZI");
                ZoneTzi tzi;
                if (ParseTzi(std::vector<std::uint8_t>(raw.begin(), raw.end()), tzi)) {
                    z.hasBias = true;
                    z.bias = tzi.bias;
                }
            }
            zones.push_back(std::move(z));
        } catch (...) {
            // A key whose values cannot be read is not offered.
        }
        reg.CloseKey();
    }
    return zones;
}

std::wstring CurrentStandardName() {
    TIME_ZONE_INFORMATION tz{};
    GetTimeZoneInformation(&tz);
    return tz.StandardName;
}

std::wstring CurrentZoneKeyName() {
    DYNAMIC_TIME_ZONE_INFORMATION tz{};
    if (GetDynamicTimeZoneInformation(&tz) == TIME_ZONE_ID_INVALID) return {};
    return tz.TimeZoneKeyName;
}

TimeZoneSetter ReplaceTimeZoneSetter(TimeZoneSetter setter) {
    return std::exchange(CurrentZoneSetter(), std::move(setter));
}

PrivilegeSwitch ReplacePrivilegeSwitch(PrivilegeSwitch change) {
    return std::exchange(CurrentPrivilegeSwitch(), std::move(change));
}

void ApplyTimeZone(const std::wstring& display) {
    const std::vector<ZoneKey> zones = ReadZoneKeys();
    std::vector<std::wstring> displays;
    for (const ZoneKey& z : zones) displays.push_back(z.entry.display);
    const int index = FirstZoneWithDisplay(displays, display);
    if (index < 0) throw ui::Exception(L"Часовой пояс «" + display + L"» не найден в реестре");

    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    const std::wstring root = OpenZoneRoot(reg);
    ZoneTzi tzi;
    std::wstring standardName, daylightName;
    bool valid = false;
    if (!root.empty() && reg.OpenKeyReadOnly(L"\\" + root + L"\\" + zones[index].name)) {
        try {
            std::vector<std::uint8_t> bytes;
            if (reg.ValueExists(L"TZI")) {
                const std::vector<BYTE> raw = reg.ReadBinaryData(L"TZI");
                bytes.assign(raw.begin(), raw.end());
            }
            valid = ParseTzi(bytes, tzi);
            standardName = reg.ReadString(L"Std");
            daylightName = reg.ReadString(L"Dlt");
        } catch (...) {
            valid = false;
        }
    }
    // A zone without a whole TZI value is never applied half-filled.
    if (!valid)
        throw ui::Exception(L"У часового пояса «" + display + L"» в реестре нет верного описания (TZI)");

    TIME_ZONE_INFORMATION tz{};
    tz.Bias = tzi.bias;
    tz.StandardBias = tzi.standardBias;
    tz.DaylightBias = tzi.daylightBias;
    tz.StandardDate = ToSystemTime(tzi.standardDate);
    tz.DaylightDate = ToSystemTime(tzi.daylightDate);
    CopyName(standardName, tz.StandardName);
    CopyName(daylightName, tz.DaylightName);
    const TimeZoneSetter& setter = CurrentZoneSetter();
    DWORD error = 0;
    {
        // A refused enable shows up as the system's refusal of the change.
        const EnabledPrivilege privilege(L"SeTimeZonePrivilege");
        error = setter ? setter(tz) : (SetTimeZoneInformation(&tz) ? 0 : GetLastError());
    }
    if (error != 0)
        throw ui::Exception(L"Не удалось установить часовой пояс «" + display + L"»: " +
                            SystemErrorText(error));
}

bool AutoDaylightTimeSet() {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!reg.OpenKeyReadOnly(std::wstring(L"\\") + kZoneInformationKeys[0])) return true;
    try {
        if (reg.ValueExists(kDisableAutoDaylight)) return !reg.ReadBool(kDisableAutoDaylight);
    } catch (...) {
        // A value of another type reads as not set.
    }
    return true;
}

void SetAutoDaylightTimeSet(bool on) {
    WriteEachKey(kZoneInformationKeys, [on](ui::Registry& reg) {
        if (!on)
            reg.WriteInteger(kDisableAutoDaylight, 1);
        else if (reg.ValueExists(kDisableAutoDaylight) && !reg.DeleteValue(kDisableAutoDaylight))
            throw ui::Exception(std::wstring(L"значение ") + kDisableAutoDaylight + L" не удалено");
    });
}

std::wstring TimeServiceType() {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    if (!reg.OpenKeyReadOnly(std::wstring(L"\\") + kTimeServiceKeys[0])) return {};
    try {
        return reg.ReadString(L"Type");
    } catch (...) {
        return {};  // a value of another type
    }
}

void SetTimeServiceSync(bool on) {
    WriteEachKey(kTimeServiceKeys,
                 [on](ui::Registry& reg) { reg.WriteString(L"Type", on ? L"NTP" : L"NoSync"); });
}

}  // namespace timetext
