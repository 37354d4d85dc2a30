// The main window's part of Horalto.ini: the homes of its keys, reader R1 with
// the values applied on the way, the autorun check and the message map.
#include <algorithm>
#include <filesystem>

#include "base/text_compare.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/registry.h"

namespace {

const wchar_t kRunKey[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The font colour of an ARGB text colour (its red, green and blue).
ui::TColor ColorOfArgb(int argb) {
    const unsigned v = static_cast<unsigned>(argb);
    return static_cast<ui::TColor>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

}  // namespace

void TfrmHoralto::BindSettingHomes(core::SettingHomes& homes) {
    homes.BindBool(
        L"WindowState", [this] { return GetWindowState() != ui::wsMinimized; },
        [this](bool shown) {
            if (shown) return;
            // Minimised when the program last closed: start minimised.
            ui::Application().SetShowMainForm(false);
            aMinimized.Execute();
        });
    // A minimised window keeps its place as its normal position.
    auto normalPlace = [this] {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (Handle() && IsIconic(Handle()) && GetWindowPlacement(Handle(), &wp))
            return POINT{wp.rcNormalPosition.left, wp.rcNormalPosition.top};
        return POINT{Left(), Top()};
    };
    homes.BindInt(
        L"Top", [normalPlace] { return static_cast<int>(normalPlace().y); }, [this](int v) { SetTop(v); });
    homes.BindInt(
        L"Left", [normalPlace] { return static_cast<int>(normalPlace().x); }, [this](int v) { SetLeft(v); });
    homes.BindInt(
        L"tmrTimer", [this] { return static_cast<int>(tmrTimer.Interval()); },
        [this](int v) { tmrTimer.SetInterval(static_cast<UINT>(v)); });
    homes.BindInt(
        L"tmrTrayTimer", [this] { return static_cast<int>(tmrTrayTimer.Interval()); },
        [this](int v) { tmrTrayTimer.SetInterval(static_cast<UINT>(v)); });
    homes.BindInt(
        L"Color", [this] { return Color(); }, [this](int v) { SetColor(v); });
    homes.BindInt(
        L"pnlTrayTime.Color", [this] { return pnlTrayTime.Color(); },
        [this](int v) { pnlTrayTime.SetColor(v); });
    // The checked state of these actions is the setting; read as true, the
    // action is executed (stay on top, sound off, planner off).
    auto executedWhenTrue = [&homes](const wchar_t* home, ui::Action& a) {
        homes.BindBool(
            home, [&a] { return a.Checked(); },
            [&a](bool v) {
                if (v && !a.Checked()) a.Execute();
            });
    };
    executedWhenTrue(L"aStayOnTop", aStayOnTop);
    executedWhenTrue(L"aSoundOnOff", aSoundOnOff);
    executedWhenTrue(L"aPlannerOnOff", aPlannerOnOff);
    homes.BindBool(
        L"aShowInTray", [this] { return aShowInTray.Checked(); },
        [this](bool v) { aShowInTray.SetChecked(v); });
    homes.BindFloat(
        L"NextSynchronization", [] { return NextSynchronization; },
        [](double v) { NextSynchronization = v; });
}

void TfrmHoralto::UseAllSettings(const std::function<void(const core::SettingsBinding&)>& use) {
    core::SettingHomes homes;
    BindSettingHomes(homes);
    if (frmOptions) frmOptions->BindSettingHomes(homes);
    use(SettingsBindingFor(homes));
}

core::SettingsBinding TfrmHoralto::SettingsBindingFor(const core::SettingHomes& homes) {
    core::SettingsBinding b;
    b.settings = &Settings;
    b.homes = &homes;
    b.skinNames = &SkinNames;
    b.skinFiles = &SkinFiles;
    if (frmOptions) {
        b.formatNames = &frmOptions->FormatNames;
        b.formatTexts = &frmOptions->FormatTexts;
        b.builtInFormatCount = frmOptions->BuiltInFormatCount;
    }
    b.currentYear = base::DecodeDate(Now()).year;
    return b;
}

void TfrmHoralto::ReadSettings(const base::IniFile& ini) {
    core::SettingHomes homes;
    BindSettingHomes(homes);
    core::SettingsBinding binding = SettingsBindingFor(homes);
    binding.afterRead = [this](const core::SettingKey& key) { ApplyReadSetting(key); };
    binding.readWallpaperSettings = [this] { return ReadWallpaperSettings(); };
    binding.fileExists = [](const std::wstring& file) {
        std::error_code ec;
        return !file.empty() && std::filesystem::exists(file, ec);
    };
    binding.drawWallpaper = [this] { DrawWallpaper(true); };
    core::ReadMainWindowSettings(ini, binding);
}

void TfrmHoralto::ApplyReadSetting(const core::SettingKey& key) {
    using core::Section;
    if (key.section == Section::Window) {
        if (key.name == L"Transparency") {
            SetAlphaBlend(Settings.Window.Transparency);
        } else if (key.name == L"LevelTransparency") {
            SetAlphaBlendValue(static_cast<BYTE>(std::clamp(Settings.Window.LevelTransparency, 0, 255)));
        } else if (key.name == L"TextColor") {
            ui::Font font = GetFont();
            font.color = ColorOfArgb(Settings.Window.TextColor);
            SetFont(font);
        }
    } else if (key.section == Section::SystemClock && key.name == L"TextColor") {
        ui::Font font = pnlTrayTime.GetFont();
        font.color = ColorOfArgb(Settings.SystemClock.TextColor);
        pnlTrayTime.SetFont(font);
    }
}

void TfrmHoralto::CheckAutorun() {
    try {
        // Read-only: a user without the right to change the key still sees its state.
        ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
        if (!reg.OpenKeyReadOnly(kRunKey)) return;
        const std::wstring value = reg.ReadString(L"Horalto");
        aAutorun.SetChecked(base::SameTextLatin(value, ui::Application().ExeName()));
    } catch (...) {
        // The autorun state stays unchecked.
    }
}

void TfrmHoralto::aAutorunExecute(ui::Component&) {
    const bool wanted = aAutorun.Checked();
    try {
        ui::Registry reg(HKEY_LOCAL_MACHINE);
        if (!reg.OpenKey(kRunKey, true))
            throw ui::Exception(L"Не удалось открыть раздел реестра автозапуска.");
        if (wanted)
            reg.WriteString(L"Horalto", ui::Application().ExeName());
        else
            reg.DeleteValue(L"Horalto");
    } catch (...) {
        // The registry did not change: the action shows what it holds.
        aAutorun.SetChecked(!wanted);
        if (frmOptions) frmOptions->chbAutorun.SetChecked(aAutorun.Checked());
        throw;
    }
    if (frmOptions) frmOptions->chbAutorun.SetChecked(aAutorun.Checked());
}

LRESULT TfrmHoralto::WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    TMessage m{msg, wp, lp, 0};
    switch (msg) {
        case WM_MOVE:
            SnapToScreenEdges(m);
            break;
        case WM_EXITSIZEMOVE:
            EndWindowDrag(m);
            break;
        case WM_USER + 6:
            WMTrayUpdate(m);
            break;
        case WM_ENDSESSION:
            // The end of the session called off after its query ran the close
            // query: the program runs on, its settings window out of the
            // exit's phase (the application forgets the close's saves).
            if (!wp && frmOptions && frmOptions->Tag() == 10) frmOptions->SetTag(0);
            return ui::Form::WndProc(msg, wp, lp, handled);
        default:
            return ui::Form::WndProc(msg, wp, lp, handled);
    }
    handled = true;
    return m.Result;
}
