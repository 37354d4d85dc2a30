// The key table: defaults, encodings, homes and reader orders.
#include <gtest/gtest.h>

#include <set>

#include "core/settings_keys.h"

using namespace core;

namespace {

std::wstring Id(const SettingKey& key) {
    return std::wstring(SectionName(key.section)) + L"." + std::wstring(key.name);
}

bool ValueFitsEncoding(const SettingKey& key) {
    switch (key.encoding) {
        case Encoding::Bool:
            return std::holds_alternative<bool>(key.def);
        case Encoding::Int:
        case Encoding::ActionNumber:
        case Encoding::IntAsText:
            return std::holds_alternative<int>(key.def);
        case Encoding::Float:
        case Encoding::FloatAsText:
        case Encoding::DateTime:
        case Encoding::Duration:
            return std::holds_alternative<double>(key.def);
        case Encoding::String:
        case Encoding::StoredText:
            return std::holds_alternative<std::wstring>(key.def);
    }
    return false;
}

}  // namespace

TEST(SettingKeys, EveryKeyIsUniqueTypedAndHomed) {
    std::set<std::wstring> ids;
    for (const SettingKey& key : SettingKeys()) {
        EXPECT_TRUE(ids.insert(Id(key)).second) << "twice: " << testing::PrintToString(Id(key));
        EXPECT_TRUE(ValueFitsEncoding(key)) << testing::PrintToString(Id(key));
        if (key.IsField()) {
            EXPECT_NE(key.field.get, nullptr) << testing::PrintToString(Id(key));
        }
        EXPECT_TRUE(key.reader != Reader::None || key.writer != Writer::None);
    }
    // Every key of the file but the Skins and TimeFormats entries.
    EXPECT_EQ(ids.size(), 156u);
}

TEST(SettingKeys, FieldDefaultsAreTheTableDefaults) {
    const HoraltoSettings fresh;
    for (const SettingKey& key : SettingKeys()) {
        if (!key.IsField() || key.name == L"WallpaperPath") continue;
        EXPECT_EQ(key.field.get(fresh), key.def) << testing::PrintToString(Id(key));
    }
}

TEST(SettingKeys, DefaultsOfNotableKeys) {
    auto def = [](Section s, const wchar_t* name) { return FindSettingKey(s, name)->def; };
    EXPECT_EQ(def(Section::Window, L"FormColor"), SettingValue(-2147483633));
    EXPECT_EQ(def(Section::Window, L"TextColor"), SettingValue(-939521516));
    EXPECT_EQ(def(Section::Window, L"WallpaperColor"), SettingValue(-16777216));
    EXPECT_EQ(def(Section::SystemClock, L"TextFont"), SettingValue(std::wstring(L"MS Sans Serif")));
    EXPECT_EQ(def(Section::TimeSynchronization, L"SynchronizeErrorTime"), SettingValue(0.041666666666666664));
    EXPECT_EQ(def(Section::Mouse, L"ActionOnClick"), SettingValue(10));
    EXPECT_EQ(def(Section::Main, L"HintFormatId"), SettingValue(std::wstring(L"Расширенный")));
    EXPECT_EQ(FindSettingKey(Section::Mouse, L"FormatSpeakOnClick")->encoding, Encoding::String);
    EXPECT_EQ(FindSettingKey(Section::SystemClock, L"Scale")->encoding, Encoding::FloatAsText);
    EXPECT_EQ(FindSettingKey(Section::Window, L"MainSkinIndex")->encoding, Encoding::IntAsText);
    EXPECT_EQ(FindSettingKey(Section::WindowsWorkTime, L"WinUpTime")->encoding, Encoding::Duration);
    EXPECT_EQ(FindSettingKey(Section::Window, L"TrayTextColor")->reader, Reader::None);
    EXPECT_EQ(FindSettingKey(Section::Speech, L"TextToSpeech")->writer, Writer::None);
}

TEST(SettingKeys, ReadersCoverTheirKeysOnceInOrder) {
    for (Reader reader : {Reader::R1, Reader::R2}) {
        std::multiset<std::wstring> read;
        for (const ReadStep& step : ReaderSteps(reader))
            if (step.kind == ReadStep::Kind::Key) {
                EXPECT_EQ(step.key->reader, reader) << testing::PrintToString(Id(*step.key));
                read.insert(Id(*step.key));
            }
        for (const SettingKey& key : SettingKeys()) {
            if (key.reader != reader) continue;
            const bool wallpaper = key.name.starts_with(L"Wallpaper");
            EXPECT_EQ(read.count(Id(key)), wallpaper ? 0u : 1u) << testing::PrintToString(Id(key));
        }
    }
    const auto& r1 = ReaderSteps(Reader::R1);
    EXPECT_EQ(Id(*r1.front().key), L"Main.StickToScreenBord");
    EXPECT_EQ(Id(*r1.back().key), L"Window.WindowState");
    EXPECT_EQ(r1[r1.size() - 2].kind, ReadStep::Kind::Skins);
    auto pos = [&r1](const wchar_t* id) {
        for (std::size_t i = 0; i < r1.size(); ++i)
            if (r1[i].kind == ReadStep::Kind::Key && Id(*r1[i].key) == id) return i;
        return r1.size();
    };
    EXPECT_LT(pos(L"SystemClock.TextSize"), pos(L"SystemClock.UseSkinTextFont"));
    EXPECT_LT(pos(L"Window.UseSkinTextColor"), pos(L"Window.FormColor"));
    EXPECT_LT(pos(L"Window.Left"), pos(L"Main.FormStyle"));
}

TEST(SettingKeys, OptionsWriterKeysInOrder) {
    std::vector<std::wstring> ids;
    for (const SettingKey* key : OptionsWriterKeys()) ids.push_back(Id(*key));
    const std::vector<std::wstring> expected{L"Main.MainFormatId",           L"Main.HintFormatId",
                                             L"Main.TrayFormatId",           L"Main.SpeakHourFormatId",
                                             L"Main.SpeakIntervalFormatId",  L"Main.SpeakTFormatId",
                                             L"Main.TextOnClickFormatId",    L"Main.SpeakOnClickFormatId",
                                             L"Main.TextOnDblClickFormatId", L"Main.SpeakOnDblClickFormatId",
                                             L"Window.BackColorItem",        L"Window.TextColorItem",
                                             L"SystemClock.BackColorItem",   L"SystemClock.TextColorItem"};
    EXPECT_EQ(ids, expected);
}

TEST(SettingKeys, StorableKeyNames) {
    EXPECT_TRUE(IsStorableKeyName(L"Моя шкура"));
    EXPECT_TRUE(IsStorableKeyName(L"a[b]"));
    EXPECT_FALSE(IsStorableKeyName(L""));
    EXPECT_FALSE(IsStorableKeyName(L"a=b"));
    EXPECT_FALSE(IsStorableKeyName(L"[x"));
    EXPECT_FALSE(IsStorableKeyName(L";x"));
    EXPECT_FALSE(IsStorableKeyName(L" x"));
    EXPECT_FALSE(IsStorableKeyName(L"x\t"));
    EXPECT_FALSE(IsStorableKeyName(L"a\r\nb"));
}

TEST(SettingKeys, ActionNumbers) {
    EXPECT_TRUE(IsActionNumber(0));
    EXPECT_TRUE(IsActionNumber(27));
    EXPECT_FALSE(IsActionNumber(28));
    EXPECT_FALSE(IsActionNumber(278));
    EXPECT_FALSE(IsActionNumber(-1));
    EXPECT_EQ(ParseActionNumber(L"22"), 22);
    EXPECT_EQ(ParseActionNumber(L" 0x1B"), 27);
    EXPECT_EQ(ParseActionNumber(L"278"), std::nullopt);
    EXPECT_EQ(ParseActionNumber(L"-234"), std::nullopt);
    EXPECT_EQ(ParseActionNumber(L"2x"), std::nullopt);
    EXPECT_EQ(ParseActionNumber(L""), std::nullopt);
}
