#include "options/page_hot_keys.h"

#include "core/action_numbers.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/hot_key_text.h"
#include "core/power_control.h"
#include "core/settings_keys.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/dialogs.h"

TPageHotKeys::TPageHotKeys(ui::PageControl& pgcOptions)
    : tbsHotKeys(pgcOptions, L"tbsHotKeys", L"Горячие клавиши"),
      lblHotKeysList(&tbsHotKeys, L"lblHotKeysList", L"Глобальные горячие клавиши:"),
      stgHotKeysList(&tbsHotKeys, L"stgHotKeysList"),
      lblHotKey(&tbsHotKeys, L"lblHotKey", L"Комбинация клавиш:"),
      htkHotKey(&tbsHotKeys, L"htkHotKey"),
      lblKeyAction(&tbsHotKeys, L"lblKeyAction", L"Действие:"),
      cbeKeyActions(&tbsHotKeys, L"cbeKeyActions"),
      chbForseKeyAction(&tbsHotKeys, L"chbForseKeyAction", L"Форсировано"),
      spbAddHotKey(&tbsHotKeys, L"spbAddHotKey", L"Добавить"),
      spbDeleteHotKey(&tbsHotKeys, L"spbDeleteHotKey", L"Удалить"),
      spbClearHotKeysList(&tbsHotKeys, L"spbClearHotKeysList", L"Очистить"),
      btnHotKeysByDefault(&tbsHotKeys, L"btnHotKeysByDefault", L"По умолчанию") {
    lblHotKeysList.SetBounds(8, 8, 300, 16);
    stgHotKeysList.SetBounds(8, 26, 439, 330);
    lblHotKey.SetBounds(8, 366, 150, 16);
    htkHotKey.SetBounds(8, 384, 150, 21);
    lblKeyAction.SetBounds(166, 366, 150, 16);
    cbeKeyActions.SetBounds(166, 384, 281, 21);
    chbForseKeyAction.SetBounds(166, 410, 120, 17);
    spbAddHotKey.SetBounds(8, 436, 90, 25);
    spbDeleteHotKey.SetBounds(104, 436, 90, 25);
    spbClearHotKeysList.SetBounds(200, 436, 90, 25);
    btnHotKeysByDefault.SetBounds(343, 436, 104, 25);

    stgHotKeysList.SetColCount(3);
    stgHotKeysList.SetRowCount(2);
    stgHotKeysList.SetFixedRows(1);
    stgHotKeysList.SetFixedCols(0);
    stgHotKeysList.SetRowSelect(true);
    stgHotKeysList.SetColWidth(1, 130);
    stgHotKeysList.SetColWidth(2, 280);
    cbeKeyActions.SetItems(KeyActionCaptions());
    htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | 'A');
    chbForseKeyAction.SetChecked(true);
    chbForseKeyAction.SetVisible(false);
    spbAddHotKey.SetFlat(true);
    spbDeleteHotKey.SetFlat(true);
    spbClearHotKeysList.SetFlat(true);
    spbAddHotKey.SetHint(L"Добавить горячую клаишу в  список");
    spbDeleteHotKey.SetHint(L"Удалить из списка горячую клавушу (Del)");
    spbClearHotKeysList.SetHint(L"Очистить список горячих клавиш");
    btnHotKeysByDefault.SetHint(L"Восстановить список горячих клавиш, используемых по умолчанию.");
    chbForseKeyAction.SetHint(
        L"Форсированное выполнение: при выключении или перезагрузке компьютера несохранённые данные "
        L"программ могут быть потеряны.");

    spbAddHotKey.OnClick = [this](ui::Component& s) { spbAddHotKeyClick(s); };
    spbDeleteHotKey.OnClick = [this](ui::Component& s) { spbDeleteHotKeyClick(s); };
    spbClearHotKeysList.OnClick = [this](ui::Component& s) { spbClearHotKeysListClick(s); };
    btnHotKeysByDefault.OnClick = [this](ui::Component& s) { btnHotKeysByDefaultClick(s); };
    stgHotKeysList.OnClick = [this](ui::Component& s) { stgHotKeysListClick(s); };
    stgHotKeysList.OnKeyDown = [this](ui::Component& s, WORD& key, ui::ShiftState shift) {
        stgHotKeysListKeyDown(s, key, shift);
    };
    cbeKeyActions.OnClick = [this](ui::Component& s) { cbeKeyActionsClick(s); };
    htkHotKey.OnEnter = [this](ui::Component& s) { htkHotKeyEnter(s); };
    htkHotKey.OnExit = [this](ui::Component& s) { htkHotKeyExit(s); };
}

TfrmOptions& TPageHotKeys::Options() {
    return static_cast<TfrmOptions&>(*this);
}

const std::vector<std::wstring>& TPageHotKeys::KeyActionCaptions() {
    return core::KeyActionCaptions();
}

void TPageHotKeys::BindHotKeysPageSettings(core::SettingHomes& homes) {
    options::BindChecked(homes, L"chbForseKeyAction", chbForseKeyAction);
}

void TPageHotKeys::CopyHotKeysPageSettings() {}

// ---- The executor

void TPageHotKeys::DoKeyAction(int action, bool forced) {
    if (!core::IsActionNumber(action) || !frmHoralto) return;
    TfrmOptions& options = Options();
    TfrmHoralto& main = *frmHoralto;
    if (const int page = core::SettingsPageOfAction(action); page >= 0) {
        if (!options.Visible())
            options.ShowFormWithEffect();
        else
            options.FocusShownWindow();
        options.pgcOptions.SetActivePageIndex(page);
        return;
    }
    if (const int kind = core::ShutdownKindOfAction(action)) {
        ShutdownWindows(kind, forced);
        return;
    }
    switch (action) {
        case 0:
            main.aAbout.Execute();
            break;
        case 1:
            main.aMinimized.Execute();
            break;
        case 2:
            main.Close();
            break;
        case 13:
            main.aSoundOnOff.Execute();
            break;
        case 14:
            main.aCalendar.Execute();
            break;
        case 15:
            options.btnDateTime.Click();
            break;
        case 16:
            options.btnSynchronize.Click();
            break;
        case 17:
            options.spbSpeakTime.Click();
            break;
        case 18:
            main.pmiSunRD.Click();
            break;
        case 19:
            main.aPlannerOnOff.Execute();
            break;
        case 20:
            SendMessageW(ui::Application().Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
            break;
        case 21:
            // The monitor's low-power state (1), not its power-off (2).
            SendMessageW(ui::Application().Handle(), WM_SYSCOMMAND, SC_MONITORPOWER, 1);
            break;
        default:
            break;
    }
}

void TPageHotKeys::ShutdownWindows(int kind, bool forced) {
    core::PowerControl& power = core::CurrentPowerControl();
    power.EnableShutdownPrivilege();
    const core::ShutdownRequest request = core::ShutdownRequestFor(kind, forced);
    // A forced end of the session asks no program first (no WM_QUERYENDSESSION
    // reaches the close query): what the close query keeps is written now,
    // without the exit tasks.
    if (request.call == core::ShutdownRequest::Call::ExitWindows && forced && frmHoralto)
        frmHoralto->SaveProgramFiles(false);
    switch (request.call) {
        case core::ShutdownRequest::Call::ExitWindows:
            power.ExitSession(request.exitFlags);
            break;
        case core::ShutdownRequest::Call::PowerState:
            power.SetPowerState(request.suspend, request.force);
            break;
        case core::ShutdownRequest::Call::None:
            break;
    }
}

// ---- Registration and dispatch

bool TPageHotKeys::HotKeyListEmpty() const {
    return stgHotKeysList.RowCount() < 2 || stgHotKeysList.Cell(0, 1).empty();
}

void TPageHotKeys::RemoveHotKeyRow(int r) {
    const int last = stgHotKeysList.RowCount() - 1;
    HotKeyAtoms.resize(static_cast<std::size_t>(stgHotKeysList.RowCount()), 0);
    for (int i = r; i < last; ++i) {
        stgHotKeysList.SetRowCells(i, stgHotKeysList.RowCells(i + 1));
        HotKeyAtoms[static_cast<std::size_t>(i)] = HotKeyAtoms[static_cast<std::size_t>(i) + 1];
    }
    stgHotKeysList.SetRowCells(
        last, std::vector<std::wstring>(static_cast<std::size_t>(stgHotKeysList.ColCount())));
    HotKeyAtoms[static_cast<std::size_t>(last)] = 0;
    if (stgHotKeysList.RowCount() > 2) {
        stgHotKeysList.SetRowCount(last);
        HotKeyAtoms.resize(static_cast<std::size_t>(last));
    }
}

void TPageHotKeys::RegisterHotKeys(RefusedHotKey refused) {
    hotKeysSuspended_ = false;
    if (HotKeyListEmpty()) return;
    HWND hwnd = Options().Handle();
    HotKeyAtoms.assign(static_cast<std::size_t>(stgHotKeysList.RowCount()), 0);
    for (int r = 1; r < stgHotKeysList.RowCount();) {
        const ATOM atom = GlobalAddAtomW(
            core::HotKeyAtomName(stgHotKeysList.Cell(2, r), stgHotKeysList.Cell(1, r)).c_str());
        const core::ShortCut sc = core::TextToShortCut(stgHotKeysList.Cell(1, r));
        const bool registered = atom != 0 && core::ShortCutKey(sc) != 0 &&
                                RegisterHotKey(hwnd, atom, core::HotKeyModifiers(sc), core::ShortCutKey(sc));
        HotKeyAtoms[static_cast<std::size_t>(r)] = registered ? atom : 0;
        if (registered || (refused == RefusedHotKey::Keep && core::ShortCutKey(sc) != 0)) {
            ++r;
            continue;
        }
        // The row goes; the row that moved into its place is next.
        const bool onlyRow = stgHotKeysList.RowCount() <= 2;
        RemoveHotKeyRow(r);
        if (onlyRow) break;
    }
}

void TPageHotKeys::UnregisterHotKeys() {
    HWND hwnd = Options().Handle();
    for (std::size_t r = 1; r < HotKeyAtoms.size(); ++r)
        if (HotKeyAtoms[r]) UnregisterHotKey(hwnd, HotKeyAtoms[r]);
    hotKeysSuspended_ = false;
}

void TPageHotKeys::SuspendHotKeys() {
    if (hotKeysSuspended_) return;
    UnregisterHotKeys();
    hotKeysSuspended_ = true;
}

void TPageHotKeys::ResumeHotKeys() {
    if (!hotKeysSuspended_) return;
    hotKeysSuspended_ = false;
    HWND hwnd = Options().Handle();
    for (std::size_t r = 1; r < HotKeyAtoms.size() && static_cast<int>(r) < stgHotKeysList.RowCount(); ++r) {
        if (!HotKeyAtoms[r]) continue;
        const core::ShortCut sc = core::TextToShortCut(stgHotKeysList.Cell(1, static_cast<int>(r)));
        if (!RegisterHotKey(hwnd, HotKeyAtoms[r], core::HotKeyModifiers(sc), core::ShortCutKey(sc)))
            HotKeyAtoms[r] = 0;
    }
}

void TPageHotKeys::WMHotKey(TMessage& msg) {
    for (std::size_t r = 1; r < HotKeyAtoms.size() && static_cast<int>(r) < stgHotKeysList.RowCount(); ++r) {
        if (HotKeyAtoms[r] == 0 || HotKeyAtoms[r] != msg.WParam) continue;
        // A broken number (not a whole number 0..27) does nothing.
        if (const auto action = core::ParseActionNumber(stgHotKeysList.Cell(0, static_cast<int>(r))))
            DoKeyAction(*action, chbForseKeyAction.Checked());
        return;
    }
}

// ---- The page's handlers

void TPageHotKeys::spbAddHotKeyClick(ui::Component&) {
    // The list's own keys are registered first, so that a combination the
    // list holds already is refused.
    ResumeHotKeys();
    AddHotKey();
    if (htkHotKey.Focused()) SuspendHotKeys();
}

void TPageHotKeys::AddHotKey() {
    const int action = cbeKeyActions.ItemIndex();
    if (!core::IsActionNumber(action)) return;
    const std::wstring& caption = KeyActionCaptions()[static_cast<std::size_t>(action)];
    const core::ShortCut sc = htkHotKey.HotKey();
    const ATOM atom = GlobalAddAtomW(core::HotKeyAtomName(caption, core::ShortCutToText(sc)).c_str());
    const bool registered =
        atom != 0 && core::ShortCutKey(sc) != 0 &&
        RegisterHotKey(Options().Handle(), atom, core::HotKeyModifiers(sc), core::ShortCutKey(sc));
    if (!registered) {
        ui::MessageDlg(L"Не удается зарегистрировать комбинацию клавиш \"" + core::ShortCutToText(sc) +
                           L"\". \r\n" + L"Данная комбинация уже используется.",
                       ui::mtError, MB_OK);
        return;
    }
    int r = stgHotKeysList.RowCount() - 1;
    if (!stgHotKeysList.Cell(0, r).empty()) {
        stgHotKeysList.SetRowCount(r + 2);
        ++r;
    }
    if (HotKeyAtoms.size() < static_cast<std::size_t>(r) + 1)
        HotKeyAtoms.resize(static_cast<std::size_t>(r) + 1, 0);
    HotKeyAtoms[static_cast<std::size_t>(r)] = atom;
    stgHotKeysList.SetRowCells(r, {std::to_wstring(action), core::ShortCutToText(sc), caption});
    stgHotKeysList.SetRow(r);
}

void TPageHotKeys::spbDeleteHotKeyClick(ui::Component&) {
    const int r = stgHotKeysList.Row();
    if (r < 1 || r >= stgHotKeysList.RowCount() || stgHotKeysList.Cell(0, r).empty()) return;
    if (static_cast<std::size_t>(r) < HotKeyAtoms.size() && HotKeyAtoms[static_cast<std::size_t>(r)])
        UnregisterHotKey(Options().Handle(), HotKeyAtoms[static_cast<std::size_t>(r)]);
    RemoveHotKeyRow(r);
    stgHotKeysListClick(stgHotKeysList);
}

void TPageHotKeys::spbClearHotKeysListClick(ui::Component& sender) {
    if (!HotKeyListEmpty() && &sender != &btnHotKeysByDefault &&
        !ui::AskConfirmation(L"Вы действительно хотите очистить список горячих клавиш?"))
        return;
    UnregisterHotKeys();
    for (int r = 1; r < stgHotKeysList.RowCount(); ++r)
        stgHotKeysList.SetRowCells(
            r, std::vector<std::wstring>(static_cast<std::size_t>(stgHotKeysList.ColCount())));
    stgHotKeysList.SetRowCount(2);
    HotKeyAtoms.assign(2, 0);
}

void TPageHotKeys::FillDefaultHotKeys() {
    spbClearHotKeysListClick(btnHotKeysByDefault);
    const std::vector<core::HotKeyRow> rows = core::DefaultHotKeyRows();
    stgHotKeysList.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i)
        stgHotKeysList.SetRowCells(static_cast<int>(i) + 1,
                                   {std::to_wstring(rows[i].action), rows[i].keys, rows[i].caption});
}

void TPageHotKeys::StartHotKeys() {
    if (HotKeyListEmpty()) FillDefaultHotKeys();
    RegisterHotKeys(RefusedHotKey::Keep);
}

void TPageHotKeys::btnHotKeysByDefaultClick(ui::Component&) {
    if (!HotKeyListEmpty() &&
        !ui::AskConfirmation(L"Все горячие клавиши будут заменены на стандартные! \r\nПродолжить?"))
        return;
    FillDefaultHotKeys();
    RegisterHotKeys(RefusedHotKey::Drop);
}

void TPageHotKeys::stgHotKeysListClick(ui::Component&) {
    const int r = stgHotKeysList.Row();
    if (r < 1 || r >= stgHotKeysList.RowCount() || stgHotKeysList.Cell(0, r).empty()) return;
    htkHotKey.SetHotKey(core::TextToShortCut(stgHotKeysList.Cell(1, r)));
    cbeKeyActions.SetItemIndex(core::ParseActionNumber(stgHotKeysList.Cell(0, r)).value_or(0));
    cbeKeyActionsClick(cbeKeyActions);
}

void TPageHotKeys::stgHotKeysListKeyDown(ui::Component&, WORD& key, ui::ShiftState) {
    if (key == VK_DELETE) spbDeleteHotKey.Click();
}

void TPageHotKeys::cbeKeyActionsClick(ui::Component&) {
    chbForseKeyAction.SetVisible(core::IsComputerAction(cbeKeyActions.ItemIndex()));
}

void TPageHotKeys::htkHotKeyEnter(ui::Component&) {
    SuspendHotKeys();
}

void TPageHotKeys::htkHotKeyExit(ui::Component&) {
    ResumeHotKeys();
}
