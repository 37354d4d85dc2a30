// The numbered actions and the hot-key list's texts.
#include <gtest/gtest.h>

#include "core/action_numbers.h"
#include "core/hot_key_text.h"
#include "core/settings_keys.h"

using namespace core;

TEST(ActionNumbers, CaptionsAndPages) {
    ASSERT_EQ(KeyActionCaptions().size(), std::size_t(kActionCount));
    EXPECT_EQ(KeyActionCaptions()[0], L"О программе");
    EXPECT_EQ(KeyActionCaptions()[12], L"Настройки->Горячие клавиши");
    EXPECT_EQ(KeyActionCaptions()[27], L"Компьютер->Перейти в ждущий режим");
    EXPECT_EQ(SettingsPageOfAction(2), -1);
    EXPECT_EQ(SettingsPageOfAction(3), 0);
    EXPECT_EQ(SettingsPageOfAction(10), 7);
    EXPECT_EQ(SettingsPageOfAction(12), 9);
    EXPECT_EQ(SettingsPageOfAction(13), -1);
}

TEST(ActionNumbers, ComputerActionsAndTheirCalls) {
    EXPECT_FALSE(IsComputerAction(21));
    EXPECT_TRUE(IsComputerAction(22));
    EXPECT_TRUE(IsComputerAction(27));
    EXPECT_FALSE(IsComputerAction(28));
    EXPECT_EQ(ShutdownKindOfAction(22), 1);
    EXPECT_EQ(ShutdownKindOfAction(27), 6);
    EXPECT_EQ(ShutdownKindOfAction(21), 0);
    EXPECT_EQ(ShutdownKindOfAction(-234), 0);

    using Call = ShutdownRequest::Call;
    // Log off 0/4, reboot 2/6, shut down 1/5, power off 8/12.
    const unsigned plain[] = {0, 2, 1, 8}, forced[] = {4, 6, 5, 12};
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(ShutdownRequestFor(kind, false),
                  (ShutdownRequest{Call::ExitWindows, plain[kind - 1], false, false}));
        EXPECT_EQ(ShutdownRequestFor(kind, true),
                  (ShutdownRequest{Call::ExitWindows, forced[kind - 1], false, true}));
    }
    EXPECT_EQ(ShutdownRequestFor(5, true), (ShutdownRequest{Call::PowerState, 0, false, true}));
    EXPECT_EQ(ShutdownRequestFor(6, false), (ShutdownRequest{Call::PowerState, 0, true, false}));
    EXPECT_EQ(ShutdownRequestFor(0, true).call, Call::None);
    EXPECT_EQ(ShutdownRequestFor(7, true).call, Call::None);
}

TEST(HotKeyText, ShortCutsToTextAndBack) {
    const ShortCut ctrlAltM = kShortCutCtrl | kShortCutAlt | 'M';
    EXPECT_EQ(ShortCutToText(ctrlAltM), L"Ctrl+Alt+M");
    EXPECT_EQ(ShortCutToText(kShortCutShift | kShortCutCtrl | kShortCutAlt | 0x70), L"Shift+Ctrl+Alt+F1");
    EXPECT_EQ(ShortCutToText(kShortCutAlt | 0x2E), L"Alt+Del");
    EXPECT_EQ(ShortCutToText(kShortCutCtrl | 0x61), L"Ctrl+Num 1");
    EXPECT_EQ(ShortCutToText(kShortCutCtrl | 0xBD), L"Ctrl+-");
    EXPECT_EQ(ShortCutToText('7'), L"7");
    EXPECT_EQ(ShortCutToText(kShortCutCtrl), L"");         // no key
    EXPECT_EQ(ShortCutToText(kShortCutCtrl | 0xFF), L"");  // a key without a name

    EXPECT_EQ(TextToShortCut(L"Ctrl+Alt+M"), ctrlAltM);
    EXPECT_EQ(TextToShortCut(L"alt+ctrl+m"), ctrlAltM);
    EXPECT_EQ(TextToShortCut(L"Ctrl+Num 1"), kShortCutCtrl | 0x61);
    EXPECT_EQ(TextToShortCut(L"Ctrl+-"), kShortCutCtrl | 0xBD);
    EXPECT_EQ(TextToShortCut(L"Shift+F12"), kShortCutShift | 0x7B);
    EXPECT_EQ(TextToShortCut(L"Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut(L"Ctrl+Alt"), 0);
    EXPECT_EQ(TextToShortCut(L"Ctrl+Я"), 0);
    EXPECT_EQ(TextToShortCut(L""), 0);
    for (int key = 1; key < 256; ++key)
        for (ShortCut mods : {ShortCut(0), kShortCutCtrl, ShortCut(kShortCutShift | kShortCutAlt)}) {
            const ShortCut sc = static_cast<ShortCut>(mods | key);
            const std::wstring text = ShortCutToText(sc);
            if (!text.empty()) {
                EXPECT_EQ(TextToShortCut(text), sc) << key;
            }
        }
}

TEST(HotKeyText, ModifiersForTheSystem) {
    EXPECT_EQ(HotKeyModifiers(kShortCutCtrl | 'A'), 2u);
    EXPECT_EQ(HotKeyModifiers(kShortCutAlt | 'A'), 1u);
    EXPECT_EQ(HotKeyModifiers(kShortCutShift | kShortCutCtrl | kShortCutAlt | 'A'), 7u);
    EXPECT_EQ(WithDefaultModifiers('A'), kShortCutCtrl | kShortCutAlt | 'A');
    EXPECT_EQ(WithDefaultModifiers(kShortCutShift | 'A'), kShortCutShift | 'A');
    EXPECT_EQ(WithDefaultModifiers(0), 0);
}

TEST(HotKeyText, DefaultList) {
    const std::vector<HotKeyRow> rows = DefaultHotKeyRows();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (HotKeyRow{1, L"Ctrl+Alt+M", L"Показать/Свернуть окно"}));
    EXPECT_EQ(rows[3], (HotKeyRow{10, L"Ctrl+Alt+L", L"Настройки->Планировщик"}));
    EXPECT_EQ(rows[8], (HotKeyRow{18, L"Ctrl+Alt+N", L"Разное->Восход/заход солнца"}));
    for (const HotKeyRow& row : rows) {
        EXPECT_NE(TextToShortCut(row.keys), 0) << row.keys;
        EXPECT_EQ(ParseActionNumber(std::to_wstring(row.action)), row.action);
    }
}

TEST(HotKeyText, AtomNamesTellTwoKeysOfOneActionApart) {
    const std::wstring caption = L"Разное->Вкл/Выкл. звук";
    EXPECT_NE(HotKeyAtomName(caption, L"Ctrl+Alt+F7"), HotKeyAtomName(caption, L"Ctrl+Alt+F11"));
    EXPECT_NE(HotKeyAtomName(caption, L"Ctrl+Alt+F7"), HotKeyAtomName(L"Закрыть программу", L"Ctrl+Alt+F7"));
    // A caption far longer than an atom's name still leaves the keys apart.
    const std::wstring longCaption(400, L'я');
    const std::wstring a = HotKeyAtomName(longCaption, L"Ctrl+Alt+A"),
                       b = HotKeyAtomName(longCaption, L"Ctrl+Alt+B");
    EXPECT_LE(a.size(), 255u);
    EXPECT_NE(a, b);
}
