// The time zones that Windows keeps in the registry, switching the system's
// zone, the automatic daylight-saving switch and the Windows time service's
// own synchronisation switch (all under HKEY_LOCAL_MACHINE).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "timetext/time_zone_record.h"

namespace timetext {

// The zone keys in registry order: key name, Display and Std. Empty when
// neither zone root can be opened or it has no subkeys. A key whose values
// cannot be read is left out.
struct ZoneKey {
    std::wstring name;
    ZoneListEntry entry;
    bool hasBias = false;  // the key's TZI gives the zone's bias...
    int bias = 0;          // ...in minutes, positive west of Greenwich
};
std::vector<ZoneKey> ReadZoneKeys();

// The standard name of the zone in force, and the name of its zone key (empty
// when the system does not say).
std::wstring CurrentStandardName();
std::wstring CurrentZoneKeyName();

// Makes the zone of the first key (in registry order) whose Display equals the
// chosen text the system's zone. Throws ui::Exception with the reason when no
// key matches, the key's TZI is missing or short, or the system refuses.
void ApplyTimeZone(const std::wstring& display);

// Sets the system's zone: 0 or the system's error code.
using TimeZoneSetter = std::function<DWORD(const TIME_ZONE_INFORMATION& zone)>;
// Replaces the setter (an empty one restores the system's); returns the previous one.
TimeZoneSetter ReplaceTimeZoneSetter(TimeZoneSetter setter);

// Switches a privilege of the process token on or off: 0 or the system's error
// code. Setting the zone needs SeTimeZonePrivilege enabled, which a token holds
// but keeps disabled; it is enabled just for the call and disabled after.
using PrivilegeSwitch = std::function<DWORD(const wchar_t* name, bool enable)>;
// Replaces the switch (an empty one restores the system's); returns the previous one.
PrivilegeSwitch ReplacePrivilegeSwitch(PrivilegeSwitch change);

// True unless DisableAutoDaylightTimeSet is present and non-zero (read from
// ControlSet001, which is opened read-only).
bool AutoDaylightTimeSet();
// Writes the switch into both control sets: on deletes the value, off writes 1.
// Throws ui::Exception when a key cannot be opened or written.
void SetAutoDaylightTimeSet(bool on);

// The time service's Type from ControlSet001 (read-only; "" when missing).
std::wstring TimeServiceType();
// Writes Type = "NTP" (on) or "NoSync" (off) into both control sets; throws
// ui::Exception when a key cannot be opened or written.
void SetTimeServiceSync(bool on);

}  // namespace timetext
