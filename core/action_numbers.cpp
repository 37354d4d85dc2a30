#include "core/action_numbers.h"

namespace core {

namespace {

// ExitWindowsEx flags.
constexpr unsigned kLogOff = 0, kShutdown = 1, kReboot = 2, kForce = 4, kPowerOff = 8;

}  // namespace

const std::vector<std::wstring>& KeyActionCaptions() {
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

int ActionImageIndex(int action) {
    // About, show/minimise, close; the ten pages; sound, calendar, date and
    // time, synchronise, speak, sunrise, planner; screen saver, monitor, log
    // off, reboot, shut down, power off, hibernate, stand by.
    static constexpr int kImages[28] = {1,  2,  0,  6,  21, 23, 9,  10, 11, 12, 13, 14, 15, 9,
                                        16, 17, 14, 10, 24, 13, 25, 26, 27, 28, 28, 28, 29, 29};
    return action >= 0 && action < 28 ? kImages[action] : -1;
}

int SettingsPageOfAction(int action) {
    return action >= 3 && action <= 12 ? action - 3 : -1;
}

bool IsComputerAction(int action) {
    return action > 21 && action <= 27;
}

int ShutdownKindOfAction(int action) {
    return IsComputerAction(action) ? action - 21 : 0;
}

ShutdownRequest ShutdownRequestFor(int kind, bool forced) {
    using Call = ShutdownRequest::Call;
    const unsigned force = forced ? kForce : 0;
    switch (kind) {
        case 1:
            return {Call::ExitWindows, kLogOff | force, false, forced};
        case 2:
            return {Call::ExitWindows, kReboot | force, false, forced};
        case 3:
            return {Call::ExitWindows, kShutdown | force, false, forced};
        case 4:
            return {Call::ExitWindows, kPowerOff | force, false, forced};
        case 5:
            return {Call::PowerState, 0, false, forced};
        case 6:
            return {Call::PowerState, 0, true, forced};
        default:
            return {};
    }
}

}  // namespace core
