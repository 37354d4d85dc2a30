#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "base/codec.h"
#include "base/date_format.h"

namespace fs = std::filesystem;
using namespace base;

namespace {

const wchar_t* kSample =
    L"[Window]\r\n"
    L"Top=106\r\n"
    L"  Left = 296  \r\n"
    L"\r\n"
    L"[main]\r\n"
    L"FormatTextMain=_\"<d mmmm ddd>\"\r\n"
    L"Quoted=\"hello world\"\r\n"
    L"Single='x'\r\n"
    L"Mixed=\"abc'\r\n"
    L"OnlyQuote=\"\r\n"
    L"Empty=\r\n"
    L"NoEquals\r\n"
    L";Comment=1\r\n"
    L"=orphan\r\n"
    L"After = yes\r\n"
    L"\r\n"
    L"[ Skins ]\r\n"
    L"Моя шкура=C:\\skins\\my.qsk\r\n"
    L"\r\n"
    L"[Main]\r\n"
    L"Top=999\r\n";

fs::path TempFile(const char* name) {
    const fs::path dir = fs::temp_directory_path() / "horalto_base_ini";
    fs::create_directories(dir);
    const fs::path file = dir / name;
    fs::remove(file);
    return file;
}

}  // namespace

TEST(IniRead, NamesIgnoreCaseValuesAreTrimmed) {
    const IniFile ini = IniFile::FromText(kSample);
    EXPECT_EQ(ini.ReadInteger(L"window", L"TOP", 0), 106);
    EXPECT_EQ(ini.ReadInteger(L"Window", L"Left", 0), 296);
    EXPECT_EQ(ini.ReadString(L" Window ", L" left ", L""), L"296");
    EXPECT_EQ(ini.ReadString(L"SKINS", L"МОЯ ШКУРА", L"|"), L"C:\\skins\\my.qsk");
    EXPECT_EQ(ini.ReadString(L"main", L"After", L""), L"yes");
    EXPECT_EQ(ini.ReadString(L"main", L"Empty", L"default"), L"");
    EXPECT_EQ(ini.ReadString(L"main", L"NoEquals", L"default"), L"default");
    EXPECT_EQ(ini.ReadString(L"main", L"Missing", L"default"), L"default");
    EXPECT_EQ(ini.ReadString(L"Missing", L"Top", L"default"), L"default");
    EXPECT_EQ(ini.ReadString(L"main", L"", L"default"), L"default");
}

TEST(IniRead, MatchingQuotesAreStripped) {
    const IniFile ini = IniFile::FromText(kSample);
    EXPECT_EQ(ini.ReadString(L"main", L"Quoted", L""), L"hello world");
    EXPECT_EQ(ini.ReadString(L"main", L"Single", L""), L"x");
    EXPECT_EQ(ini.ReadString(L"main", L"Mixed", L""), L"\"abc'");
    EXPECT_EQ(ini.ReadString(L"main", L"OnlyQuote", L""), L"\"");
    // A stored format text keeps its inner quotes: it starts with "_".
    EXPECT_EQ(ini.ReadString(L"main", L"FormatTextMain", L""), L"_\"<d mmmm ddd>\"");
}

TEST(IniRead, FirstSectionOfANameWins) {
    const IniFile ini = IniFile::FromText(kSample);
    // "[main]" comes first and has no Top: the later "[Main]" is not consulted.
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Top", 5), 5);
    EXPECT_EQ(ini.ReadSections(), (StringList{L"Window", L"main", L"Skins", L"Main"}));
}

TEST(IniRead, KeyListSkipsOddLinesButGoesOnAfterThem) {
    const IniFile ini = IniFile::FromText(kSample);
    // The line "=orphan" (an empty key) must not end the list.
    EXPECT_EQ(ini.ReadSection(L"MAIN"), (StringList{L"FormatTextMain", L"Quoted", L"Single", L"Mixed",
                                                    L"OnlyQuote", L"Empty", L"After"}));
    EXPECT_EQ(ini.ReadSection(L"Skins"), (StringList{L"Моя шкура"}));
    EXPECT_EQ(ini.ReadSection(L"Nope"), StringList{});
    EXPECT_TRUE(ini.SectionExists(L"skins"));
    EXPECT_FALSE(ini.SectionExists(L"Nope"));
    EXPECT_TRUE(ini.ValueExists(L"window", L"LEFT"));
    EXPECT_FALSE(ini.ValueExists(L"main", L"NoEquals"));
    EXPECT_EQ(ini.ReadSectionValues(L"Window"), (StringList{L"Top=106", L"Left=296"}));
}

TEST(IniRead, LinesEndAtCrLfLfOrCr) {
    const IniFile ini = IniFile::FromText(L"[Window]\rTop=1\rLeft=2\n[Main]\r\nA=3\r\rB=4\n\r");
    EXPECT_EQ(ini.ReadSectionValues(L"Window"), (StringList{L"Top=1", L"Left=2"}));
    EXPECT_EQ(ini.ReadSectionValues(L"Main"), (StringList{L"A=3", L"B=4"}));
}

TEST(IniRead, TypedValues) {
    const IniFile ini = IniFile::FromText(
        L"[T]\nb1=1\nb2=2\nb0=0\nbx=yes\ni=0x10\nh=$FF\nneg=-2147483633\nf1=1,5\nf2=1.5\nfx=abc\n"
        L"d=05.04.2024 9:07:03\nd2=05.04.2024\ndx=завтра\n");
    EXPECT_TRUE(ini.ReadBool(L"T", L"b1", false));
    EXPECT_TRUE(ini.ReadBool(L"T", L"b2", false));
    EXPECT_FALSE(ini.ReadBool(L"T", L"b0", true));
    EXPECT_TRUE(ini.ReadBool(L"T", L"bx", true));
    EXPECT_FALSE(ini.ReadBool(L"T", L"bx", false));
    EXPECT_FALSE(ini.ReadBool(L"T", L"missing", false));
    EXPECT_EQ(ini.ReadInteger(L"T", L"i", 0), 16);
    EXPECT_EQ(ini.ReadInteger(L"T", L"h", 0), 255);
    EXPECT_EQ(ini.ReadInteger(L"T", L"neg", 0), -2147483633);
    EXPECT_EQ(ini.ReadInteger(L"T", L"fx", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(L"T", L"f1", 0), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(L"T", L"f2", 0), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat(L"T", L"fx", 2.5), 2.5);
    EXPECT_DOUBLE_EQ(ini.ReadDateTime(L"T", L"d", 0), EncodeDate(2024, 4, 5) + EncodeTime(9, 7, 3, 0));
    EXPECT_DOUBLE_EQ(ini.ReadDateTime(L"T", L"d2", 0), EncodeDate(2024, 4, 5));
    EXPECT_DOUBLE_EQ(ini.ReadDateTime(L"T", L"dx", 1.25), 1.25);
}

TEST(IniWrite, ChangesOnlyTheLinesWritten) {
    IniFile ini = IniFile::FromText(kSample);
    ini.WriteString(L"WINDOW", L"top", L"200");    // updates "Top" in place, keeping its spelling
    ini.WriteString(L"Window", L"Left", L"296");   // same value: the line stays as it was
    ini.WriteString(L"Window", L"Width", L"50");   // new key: after the last key of the section
    ini.WriteString(L"Sound", L"SoundOff", L"1");  // new section: at the end, after a blank line
    const std::wstring expected =
        std::wstring(kSample)
            .replace(std::wstring(kSample).find(L"Top=106"), 7, L"Top=200")
            .replace(std::wstring(kSample).find(L"\r\n\r\n[main]"), 0, L"\r\nWidth=50") +
        L"\r\n[Sound]\r\nSoundOff=1\r\n";
    EXPECT_EQ(ini.ToText(), expected);
    EXPECT_EQ(ini.ReadInteger(L"Window", L"Width", 0), 50);
}

TEST(IniWrite, QuotesAndBlanksBehaveAsTheProfileFunctions) {
    IniFile ini = IniFile::FromText(L"");
    ini.WriteString(L"S", L"Quoted", L"\"quoted\"");
    ini.WriteString(L"S", L"Comma", L"_\"a b\",c");
    ini.WriteString(L"S", L"Lead", L"   x  ");
    const std::wstring longValue(5000, L'Я');
    ini.WriteString(L"S", L"Long", longValue);
    EXPECT_EQ(ini.ReadString(L"S", L"Quoted", L""), L"quoted");
    EXPECT_EQ(ini.ReadString(L"S", L"Comma", L""), L"_\"a b\",c");
    EXPECT_EQ(ini.ReadString(L"S", L"Lead", L""), L"x");
    EXPECT_EQ(ini.ReadString(L"S", L"Long", L""), longValue);
    EXPECT_EQ(ini.ToText().find(L"[S]\r\nQuoted=\"quoted\"\r\nComma=_\"a b\",c\r\nLead=x  \r\n"), 0u);
}

TEST(IniWrite, LineBreaksInsideAValueAreWrittenAsBlanks) {
    // The file's lines end at CR LF, LF or CR: a value reads back the same
    // right after it is written and from the saved text.
    IniFile ini = IniFile::FromText(L"[Main]\r\nText=old\r\nNext=1\r\n");
    ini.WriteString(L"Main", L"Text", L"one\rtwo");
    ini.WriteString(L"Main", L"Lines", L"a\nb\r\nc\r");
    ini.WriteString(L"Main", L"Quoted", L"\"x\ny\"");
    for (const IniFile& read : {ini, IniFile::FromText(ini.ToText())}) {
        EXPECT_EQ(read.ReadString(L"Main", L"Text", L""), L"one two");
        EXPECT_EQ(read.ReadString(L"Main", L"Lines", L""), L"a b  c");
        EXPECT_EQ(read.ReadString(L"Main", L"Quoted", L""), L"x y");
        EXPECT_EQ(read.ReadSection(L"Main"), (StringList{L"Text", L"Next", L"Lines", L"Quoted"}));
    }
}

TEST(IniWrite, EraseDeleteAndEmptySections) {
    IniFile ini = IniFile::FromText(kSample);
    ini.EraseSection(L"MAIN");  // both sections of that name go, with their lines
    EXPECT_EQ(ini.ReadSections(), (StringList{L"Window", L"Skins"}));
    EXPECT_EQ(ini.ToText().find(L"Top=999"), std::wstring::npos);
    ini.DeleteKey(L"window", L"LEFT");
    EXPECT_EQ(ini.ReadSection(L"Window"), (StringList{L"Top"}));
    ini.DeleteKey(L"Window", L"Nope");
    ini.WriteEmptySection(L"TimeFormats");
    ini.WriteEmptySection(L"timeformats");
    EXPECT_EQ(ini.ReadSections(), (StringList{L"Window", L"Skins", L"TimeFormats"}));
    EXPECT_FALSE(ini.SectionExists(L"TimeFormats"));  // no keys yet
    ini.WriteString(L"TimeFormats", L"Мой", L"_<t>");
    EXPECT_TRUE(ini.SectionExists(L"TimeFormats"));
    EXPECT_EQ(ini.ToText(),
              L"[Window]\r\nTop=106\r\n\r\n[ Skins ]\r\nМоя шкура=C:\\skins\\my.qsk\r\n\r\n[TimeFormats]\r\n"
              L"Мой=_<t>\r\n");
}

TEST(IniWrite, TypedValuesUseTheFormatSettings) {
    IniFile ini = IniFile::FromText(L"");
    ini.WriteBool(L"T", L"b", true);
    ini.WriteInteger(L"T", L"i", -2147483633);
    ini.WriteFloat(L"T", L"f", 55.75);
    ini.WriteDateTime(L"T", L"d", EncodeDate(2024, 4, 5) + EncodeTime(9, 7, 3, 0));
    ini.WriteDateTime(L"T", L"span", 3.25);
    EXPECT_EQ(
        ini.ToText(),
        L"[T]\r\nb=1\r\ni=-2147483633\r\nf=55,75\r\nd=05.04.2024 9:07:03\r\nspan=02.01.1900 6:00:00\r\n");
    EXPECT_DOUBLE_EQ(ini.ReadDateTime(L"T", L"span", 0), 3.25);
    FormatSettings dot;
    dot.DecimalSeparator = L'.';
    IniFile other = IniFile::FromText(L"", dot);
    other.WriteFloat(L"T", L"f", 55.75);
    EXPECT_EQ(other.ReadString(L"T", L"f", L""), L"55.75");
}

TEST(IniFileOnDisk, LoadsAndSavesWindows1251ByteExactly) {
    const fs::path file = TempFile("bytes.ini");
    const std::string original =
        "; \xEA\xEE\xEC\xEC\xE5\xED\xF2\r\n"  // "; комментарий"
        "[Skins]\r\n"
        "\xDF\xF8\xEC\xE0 = C:\\\x98\xA0\xFF.qsk \r\n"  // "Яшма = ..." with odd bytes
        "\r\n"
        "[Main]\r\n"
        "Top=1\r\n";
    WriteFileBytes(file, original);
    {
        IniFile ini(file);
        EXPECT_EQ(ini.ReadString(L"skins", L"ЯШМА", L""), L"C:\\\u0098\u00A0я.qsk");
        ini.UpdateFile();  // nothing changed: nothing written
        EXPECT_EQ(ReadFileBytes(file), original);
        ini.WriteInteger(L"Main", L"Top", 2);
        ini.UpdateFile();
    }
    std::string expected = original;
    expected.replace(expected.find("Top=1"), 5, "Top=2");
    EXPECT_EQ(ReadFileBytes(file), expected);
    EXPECT_FALSE(fs::exists(TempFileFor(file)));
    EXPECT_EQ(IniFile(file).ReadInteger(L"Main", L"Top", 0), 2);
}

TEST(IniFileOnDisk, AFileToUpdateThatIsBackAMomentLaterIsRead) {
    // Another copy's save held or renamed over the file just made sure of:
    // it is read once it is back, and a file that stays away is empty.
    const fs::path file = TempFile("update.ini");
    std::thread saver([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        WriteFileBytes(file, "[Main]\r\nTop=7\r\n");
    });
    const IniFile ini = IniFile::ToUpdate(file);
    saver.join();
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Top", 0), 7);
    EXPECT_EQ(IniFile::ToUpdate(TempFile("away.ini")).ReadSections(), StringList{});
}

TEST(IniFileOnDisk, MissingFileIsEmptyAndCreatedOnSave) {
    const fs::path file = TempFile("new.ini");
    IniFile ini(file);
    EXPECT_EQ(ini.ReadSections(), StringList{});
    ini.UpdateFile();
    EXPECT_FALSE(fs::exists(file));
    ini.WriteString(L"Main", L"BackgroundFile", L"Стандартная");
    EXPECT_TRUE(ini.Modified());
    ini.UpdateFile();
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ReadFileBytes(file),
              "[Main]\r\nBackgroundFile=\xD1\xF2\xE0\xED\xE4\xE0\xF0\xF2\xED\xE0\xFF\r\n");
    // LF-only files are read too, and saved with CR LF.
    WriteFileBytes(file, "[A]\nk=v\n");
    IniFile lf(file);
    EXPECT_EQ(lf.ReadString(L"A", L"k", L""), L"v");
    lf.WriteString(L"A", L"k", L"w");
    lf.UpdateFile();
    EXPECT_EQ(ReadFileBytes(file), "[A]\r\nk=w\r\n");
    // An in-memory INI never touches a file.
    IniFile memory = IniFile::FromText(L"[A]\r\n");
    memory.WriteString(L"A", L"k", L"v");
    EXPECT_NO_THROW(memory.UpdateFile());
}
