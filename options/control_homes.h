// Binding the settings file's keys to the controls that hold them.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/edits.h"
#include "ui/ranges.h"

namespace options {

inline void BindChecked(core::SettingHomes& homes, const wchar_t* home, ui::CheckBox& c) {
    homes.BindBool(
        home, [&c] { return c.Checked(); }, [&c](bool v) { c.SetChecked(v); });
}
inline void BindChecked(core::SettingHomes& homes, const wchar_t* home, ui::RadioButton& r) {
    homes.BindBool(
        home, [&r] { return r.Checked(); }, [&r](bool v) { r.SetChecked(v); });
}
// The text of an edit, memo, combo box or label.
inline void BindText(core::SettingHomes& homes, const wchar_t* home, ui::Control& c) {
    homes.BindText(
        home, [&c] { return c.Text(); }, [&c](const std::wstring& v) { c.SetText(v); });
}
inline void BindValue(core::SettingHomes& homes, const wchar_t* home, ui::SpinEdit& e) {
    homes.BindInt(
        home, [&e] { return e.Value(); }, [&e](int v) { e.SetValue(v); });
}
inline void BindDateTime(core::SettingHomes& homes, const wchar_t* home, ui::DateTimePicker& p) {
    homes.BindFloat(
        home, [&p] { return p.DateTime(); }, [&p](double v) { p.SetDateTime(v); });
}

}  // namespace options
