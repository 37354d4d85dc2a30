// The page "Горячие клавиши": the global hot keys, each running a numbered
// action, and the executor of the numbered actions.
#pragma once

#include <windows.h>

#include <vector>

#include "core/settings_io.h"
#include "core/window_message.h"
#include "options/hot_key_edit.h"
#include "ui/buttons.h"
#include "ui/image_combo_box.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/string_grid.h"

class TfrmOptions;

class TPageHotKeys {
  public:
    explicit TPageHotKeys(ui::PageControl& pgcOptions);

    ui::TabSheet tbsHotKeys;
    ui::Label lblHotKeysList;
    ui::StringGrid stgHotKeysList;
    ui::Label lblHotKey;
    options::HotKeyEdit htkHotKey;
    ui::Label lblKeyAction;
    ui::ImageComboBox cbeKeyActions;
    ui::CheckBox chbForseKeyAction;
    ui::SpeedButton spbAddHotKey, spbDeleteHotKey, spbClearHotKeysList;
    ui::Button btnHotKeysByDefault;

    // The atom of each grid row's hot key (entry 0, the header's, holds none).
    std::vector<ATOM> HotKeyAtoms;

    // The captions of the 28 numbered actions, in number order.
    static const std::vector<std::wstring>& KeyActionCaptions();

    void BindHotKeysPageSettings(core::SettingHomes& homes);
    void CopyHotKeysPageSettings();

    // What registering the list does with a row the system refuses (a key
    // that another program holds): at start the row stays, unregistered for
    // this run, so that the list keeps it for the next start; the default
    // list drops it.
    enum class RefusedHotKey { Keep, Drop };
    // Registers every row of the grid on the settings window. A row whose key
    // text names no key is dropped either way.
    void RegisterHotKeys(RefusedHotKey refused = RefusedHotKey::Keep);
    // Unregisters them (the settings window's end).
    void UnregisterHotKeys();
    // The list's start: the rows of the list file, or the default list when
    // it has none, registered.
    void StartHotKeys();
    void WMHotKey(TMessage& msg);
    // Performs numbered action 0..27; any other number does nothing. forced
    // matters only for the computer actions 22..27.
    void DoKeyAction(int action, bool forced);
    // Kind 1 log off, 2 reboot, 3 shut down, 4 power off, 5 hibernate, 6 stand
    // by; other kinds only enable the privilege.
    void ShutdownWindows(int kind, bool forced);

    void spbAddHotKeyClick(ui::Component& sender);
    void spbDeleteHotKeyClick(ui::Component& sender);
    void spbClearHotKeysListClick(ui::Component& sender);
    void btnHotKeysByDefaultClick(ui::Component& sender);
    void stgHotKeysListClick(ui::Component& sender);
    void stgHotKeysListKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void cbeKeyActionsClick(ui::Component& sender);
    // While the key field has the focus the program's own hot keys are
    // unregistered, so that the field takes their combinations like any other.
    void htkHotKeyEnter(ui::Component& sender);
    void htkHotKeyExit(ui::Component& sender);

  private:
    TfrmOptions& Options();
    // Removes grid row r: the rows below move up, the last row is cleared and
    // dropped while more than one body row remains.
    void RemoveHotKeyRow(int r);
    bool HotKeyListEmpty() const;
    // The grid holds the default list (not yet registered).
    void FillDefaultHotKeys();
    void AddHotKey();
    // The registered rows let go of their keys, and take them again; a key
    // that another program took meanwhile leaves its row unregistered.
    void SuspendHotKeys();
    void ResumeHotKeys();
    bool hotKeysSuspended_ = false;
};
