#include "options/page_hot_keys.h"

#include "core/settings_keys.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageHotKeys::TPageHotKeys(ui::PageControl& pgcOptions)
    : tbsHotKeys(pgcOptions, L"tbsHotKeys", L"Горячие клавиши"),
      stgHotKeysList(&tbsHotKeys, L"stgHotKeysList"),
      cbeKeyActions(&tbsHotKeys, L"cbeKeyActions"),
      chbForseKeyAction(&tbsHotKeys, L"chbForseKeyAction", L"Форсировано"),
      btnHotKeysByDefault(&tbsHotKeys, L"btnHotKeysByDefault", L"По умолчанию") {
    PageRows rows;
    rows.Put(stgHotKeysList, 8, 430, 300).Next(308);
    rows.Put(cbeKeyActions, 8, 300).Put(chbForseKeyAction, 316, 120).Next(30);
    rows.Put(btnHotKeysByDefault, 8, 120, 25).Next(32);
    stgHotKeysList.SetColCount(3);
    stgHotKeysList.SetRowCount(2);
    stgHotKeysList.SetRowSelect(true);
    cbeKeyActions.SetStyle(ui::csDropDownList);
    cbeKeyActions.SetItems(KeyActionCaptions());
    chbForseKeyAction.SetChecked(true);
    btnHotKeysByDefault.OnClick = [this](ui::Component& s) { btnHotKeysByDefaultClick(s); };
}

TfrmOptions& TPageHotKeys::Options() {
    return static_cast<TfrmOptions&>(*this);
}

const std::vector<std::wstring>& TPageHotKeys::KeyActionCaptions() {
    static const std::vector<std::wstring> captions{
        L"О программе",
        L"Показать/Свернуть окно",
        L"Закрыть программу",
        L"Настройки->Основные",
        L"Настройки->Главное окно",
        L"Настройки->Системные часы",
        L"Настройки->Сигналы",
        L"Настройки->Речь",
        L"Настройки->Время работы Windows",
        L"Настройки->Мышь",
        L"Настройки->Планировщик",
        L"Настройки->Синхронизация времени",
        L"Настройки->Горячие клавиши",
        L"Разное->Вкл/Выкл. звук",
        L"Разное->Календарь",
        L"Разное->Дата/время",
        L"Разное->Синхронизировать время",
        L"Разное->Сказать время",
        L"Разное->Восход/заход солнца",
        L"Планировщик->Вкл/Выкл. планировщик",
        L"Компьютер->Запустить скринсейвер",
        L"Компьютер->Выключить монитор",
        L"Компьютер->Завершить сеанс пользователя",
        L"Компьютер->Перезагрузить компьютер",
        L"Компьютер->Выйти из системы",
        L"Компьютер->Выключить питание компьютера",
        L"Компьютер->Перейти в спящий режим",
        L"Компьютер->Перейти в ждущий режим",
    };
    return captions;
}

void TPageHotKeys::BindHotKeysPageSettings(core::SettingHomes& homes) {
    options::BindChecked(homes, L"chbForseKeyAction", chbForseKeyAction);
}

void TPageHotKeys::CopyHotKeysPageSettings() {}

void TPageHotKeys::RegisterHotKeys() {}

void TPageHotKeys::UnregisterHotKeys() {
    HWND hwnd = Options().Handle();
    for (std::size_t r = 1; r < HotKeyAtoms.size(); ++r)
        if (HotKeyAtoms[r]) UnregisterHotKey(hwnd, HotKeyAtoms[r]);
}

void TPageHotKeys::btnHotKeysByDefaultClick(ui::Component&) {}

void TPageHotKeys::WMHotKey(TMessage&) {}

void TPageHotKeys::DoKeyAction(int action, bool) {
    if (!core::IsActionNumber(action)) return;
}
