// The settings window's part of Horalto.ini (reader R2, writer W2) and the
// list files it loads.
#include <filesystem>

#include "base/codec.h"
#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/frm_options.h"
#include "ui/application.h"

void TfrmOptions::BindSettingHomes(core::SettingHomes& homes) {
    BindMainPageSettings(homes);
    BindShapePageSettings(homes);
    BindSystemClockPageSettings(homes);
    BindSoundPageSettings(homes);
    BindSpeechPageSettings(homes);
    BindWorkTimePageSettings(homes);
    BindMousePageSettings(homes);
    BindPlannerPageSettings(homes);
    BindSyncPageSettings(homes);
    BindHotKeysPageSettings(homes);
    const std::pair<const wchar_t*, std::wstring*> formatIds[] = {
        {L"MainFormatId", &MainFormatId},
        {L"HintFormatId", &HintFormatId},
        {L"TrayFormatId", &TrayFormatId},
        {L"SpeakHourFormatId", &SpeakHourFormatId},
        {L"SpeakIntervalFormatId", &SpeakIntervalFormatId},
        {L"SpeakTFormatId", &SpeakTFormatId},
        {L"TextOnClickFormatId", &TextOnClickFormatId},
        {L"SpeakOnClickFormatId", &SpeakOnClickFormatId},
        {L"TextOnDblClickFormatId", &TextOnDblClickFormatId},
        {L"SpeakOnDblClickFormatId", &SpeakOnDblClickFormatId},
    };
    for (const auto& [home, field] : formatIds)
        homes.BindText(
            home, [field] { return *field; }, [field](const std::wstring& v) { *field = v; });
    const std::pair<const wchar_t*, int*> colorItems[] = {
        {L"MainBackColorItem", &MainBackColorItem},
        {L"MainTextColorItem", &MainTextColorItem},
        {L"TrayBackColorItem", &TrayBackColorItem},
        {L"TrayTextColorItem", &TrayTextColorItem},
    };
    for (const auto& [home, field] : colorItems)
        homes.BindInt(
            home, [field] { return *field; }, [field](int v) { *field = v; });
}

void TfrmOptions::ReadSettings(const base::IniFile& ini) {
    core::SettingHomes homes;
    frmHoralto->BindSettingHomes(homes);
    BindSettingHomes(homes);
    core::SettingsBinding binding = frmHoralto->SettingsBindingFor(homes);
    binding.updateFormatCombos = [this] { UpdateFormatCombos(); };
    core::ReadOptionsSettings(ini, binding);
}

void TfrmOptions::WriteSettings() {
    core::SaveSettingsFile(
        IniFileName, [] { return frmHoralto->SettingsData(); },
        [](base::IniFile& ini) {
            frmHoralto->UseAllSettings(
                [&](const core::SettingsBinding& binding) { core::WriteOptionsSettings(ini, binding); });
        });
}

void TfrmOptions::FormDestroy(ui::Component&) {
    // The end's saves wrote this window's part with the rest; a window freed
    // without them writes it now. Whether or not the file could be written,
    // the hot keys go and the pointer is cleared: the window is gone after this.
    if (!ui::Application().EndSavesMade()) {
        WriteSettings();
        core::ShowSaveFailures();
    }
    UnregisterHotKeys();
    frmOptions = nullptr;
}

core::FileLists TfrmOptions::FileListsOfControls() const {
    core::FileLists lists;
    lists.servers = cmbHost.Items();
    lists.runFiles = clbFilesList.Items();
    lists.sounds = clbSoundsList.Items();
    lists.pictures = lsbPicturesList.Items();
    for (int r = 0; r < stgHotKeysList.RowCount(); ++r) lists.hotKeys.push_back(stgHotKeysList.RowCells(r));
    return lists;
}

void TfrmOptions::ApplyFileLists(const core::FileLists& lists) {
    cmbHost.SetItems(lists.servers);
    clbFilesList.SetItems(lists.runFiles);
    clbSoundsList.SetItems(lists.sounds);
    lsbPicturesList.SetItems(lists.pictures);
    stgHotKeysList.SetRowCount(std::max(2, static_cast<int>(lists.hotKeys.size())));
    for (int r = 1; r < static_cast<int>(lists.hotKeys.size()); ++r)
        stgHotKeysList.SetRowCells(r, lists.hotKeys[r]);
}

void TfrmOptions::LoadFileLists() {
    // A missing list file, or one that cannot be read, leaves the lists as they are.
    if (const auto bytes = core::ReadDataFileAtStart(FileListsFileName)) {
        base::StringList lines;
        lines.LoadFromBytes(*bytes);
        core::FileLists lists = FileListsOfControls();
        core::ApplyFileLists(lines, lists, static_cast<std::size_t>(stgHotKeysList.ColCount()));
        ApplyFileLists(lists);
    }
    StartHotKeys();
    LoadTaskFile(TasksListFileName);
}
