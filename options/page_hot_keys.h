// The page "Горячие клавиши": the global hot keys, each running a numbered action.
#pragma once

#include <windows.h>

#include <vector>

#include "core/settings_io.h"
#include "core/window_message.h"
#include "ui/buttons.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/string_grid.h"

class TfrmOptions;

class TPageHotKeys {
  public:
    explicit TPageHotKeys(ui::PageControl& pgcOptions);

    ui::TabSheet tbsHotKeys;
    ui::StringGrid stgHotKeysList;
    ui::ComboBox cbeKeyActions;
    ui::CheckBox chbForseKeyAction;
    ui::Button btnHotKeysByDefault;

    // The atom of each grid row's hot key (entry 0, the header's, holds none).
    std::vector<ATOM> HotKeyAtoms;

    // The captions of the 28 numbered actions, in number order.
    static const std::vector<std::wstring>& KeyActionCaptions();

    void BindHotKeysPageSettings(core::SettingHomes& homes);
    void CopyHotKeysPageSettings();

    // Registers every row of the grid on the settings window.
    void RegisterHotKeys();
    // Unregisters them (the settings window's end).
    void UnregisterHotKeys();
    void btnHotKeysByDefaultClick(ui::Component& sender);
    void WMHotKey(TMessage& msg);
    // Performs numbered action 0..27; any other number does nothing.
    void DoKeyAction(int action, bool forced);

  private:
    TfrmOptions& Options();
};
