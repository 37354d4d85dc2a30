#include "face/skin_catalogue.h"

#include "face/skin_description.h"

#include <gtest/gtest.h>

#include "base/ini_file.h"

using namespace face;

namespace {

base::StringList BuiltInNames() {
    base::StringList names;
    names.SetCommaText(L"Нет,Стандартная,Обратная,Трей");
    return names;
}
base::StringList BuiltInFiles() {
    base::StringList files;
    files.SetCommaText(L"|,|,|,|");
    return files;
}

// A skin file held in memory, counting the writes.
struct MemoryFile {
    std::optional<std::wstring> text;
    bool writable = true;
    int writes = 0;
    SkinFileAccess Access() {
        return {[this] { return text; },
                [this](const std::wstring& t) {
                    if (!writable) return false;
                    ++writes;
                    text = t;
                    return true;
                }};
    }
};

}  // namespace

TEST(SkinCatalogue, FileInsideTheProgramFolderIsRelative) {
    EXPECT_EQ(CatalogueFileName(L"C:\\Horalto\\Skins\\a.qsk", L"C:\\Horalto\\"), L"Skins\\a.qsk");
    EXPECT_EQ(CatalogueFileName(L"c:\\HORALTO\\a.qsk", L"C:\\Horalto\\"), L"a.qsk");
    EXPECT_EQ(CatalogueFileName(L"D:\\Skins\\a.qsk", L"C:\\Horalto\\"), L"D:\\Skins\\a.qsk");
    // A folder whose name merely begins like the program's is not inside it.
    EXPECT_EQ(CatalogueFileName(L"C:\\Horalto2\\a.qsk", L"C:\\Horalto\\"), L"C:\\Horalto2\\a.qsk");
    // Cyrillic letters must match exactly.
    EXPECT_EQ(CatalogueFileName(L"C:\\ЧАСЫ\\a.qsk", L"C:\\Часы\\"), L"C:\\ЧАСЫ\\a.qsk");

    // An entry's file is opened through the program's one path rule.
    EXPECT_EQ(ResolveProgramPath(L"Skins\\a.qsk", L"C:\\Horalto\\"), L"C:\\Horalto\\Skins\\a.qsk");
    EXPECT_EQ(ResolveProgramPath(L"\\a.qsk", L"C:\\Horalto\\"), L"C:\\Horalto\\a.qsk");
    EXPECT_EQ(ResolveProgramPath(L"D:\\a.qsk", L"C:\\Horalto\\"), L"D:\\a.qsk");
    // A network path stays as it is.
    EXPECT_EQ(ResolveProgramPath(L"\\\\server\\share\\x.qsk", L"C:\\Horalto\\"), L"\\\\server\\share\\x.qsk");
}

TEST(SkinCatalogue, FreeNameIsTheSmallestUnusedNumber) {
    base::StringList names = BuiltInNames();
    EXPECT_EQ(FreeSkinName(names, L"Часы"), L"Часы1");
    names.Add(L"часы1");  // the list's search ignores case
    names.Add(L"Часы3");
    EXPECT_EQ(FreeSkinName(names, L"Часы"), L"Часы2");
}

TEST(SkinCatalogue, RenameTouchesOnlyTheHeaderLine) {
    const std::wstring text =
        L"; skins\r\n[Часы]\r\nImgBack=a.png\r\n\r\n[Другие]\r\nScale=2\r\n[ЧАСЫ]\r\nx=1";
    auto renamed = RenameSkinSection(text, L"часы", L"Часы2");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(*renamed, L"; skins\r\n[Часы2]\r\nImgBack=a.png\r\n\r\n[Другие]\r\nScale=2\r\n[ЧАСЫ]\r\nx=1");
    // Blanks around the header, bare line feeds and a last line without a break.
    auto spaced = RenameSkinSection(L"a=1\n  [ Часы ]  \nb=2", L"Часы", L"Часы1");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(*spaced, L"a=1\n[Часы1]\nb=2");
    auto carriageReturns = RenameSkinSection(L"a=1\r[Часы]\rb=2", L"Часы", L"Часы1");
    ASSERT_TRUE(carriageReturns);
    EXPECT_EQ(*carriageReturns, L"a=1\r[Часы1]\rb=2");
    auto last = RenameSkinSection(L"x=1\r\n[Часы]", L"Часы", L"Часы1");
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, L"x=1\r\n[Часы1]");
    // Text after a NUL character is kept too.
    std::wstring withNul = L"[Часы]\r\na=1\r\n";
    withNul += L'\0';
    withNul += L"[Другие]\r\n";
    auto nul = RenameSkinSection(withNul, L"Часы", L"Часы1");
    ASSERT_TRUE(nul);
    EXPECT_EQ(nul->size(), withNul.size() + 1);
    EXPECT_NE(nul->find(L"[Другие]"), std::wstring::npos);
    // A key or a value holding the name is no header.
    EXPECT_FALSE(RenameSkinSection(L"Часы=1\r\nx=[Часы]\r\n", L"Часы", L"Часы1"));
}

TEST(SkinCatalogue, RenameTakesHeadersAsTheIniReaderDoes) {
    // Control characters other than the reader's white space make a line no
    // header: the reader puts it into the section before, so it is not renamed.
    const std::wstring text = L"[Часы]\r\n\x01[Часы]\r\n[Часы\x02]\r\n\x1f [Часы]\r\n\t[Часы]\x1a\r\n";
    ASSERT_EQ(base::IniFile::FromText(text).ReadSections().Count(), 3);
    auto renamed = RenameSkinSection(text.substr(8), L"Часы", L"Часы1");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(*renamed, L"\x01[Часы]\r\n[Часы\x02]\r\n\x1f [Часы]\r\n[Часы1]\r\n");
    EXPECT_FALSE(RenameSkinSection(L"\x01[Часы]\r\n\x1f[Часы]\r\n", L"Часы", L"Часы1"));
    // Every header the reader lists is the one renamed, found by its own name.
    const base::IniFile ini = base::IniFile::FromText(text);
    for (const auto& name : ini.ReadSections()) {
        auto one = RenameSkinSection(text, name, L"Новая");
        ASSERT_TRUE(one);
        EXPECT_TRUE(base::IniFile::FromText(*one).ReadSections().IndexOf(L"Новая") >= 0);
    }
}

TEST(SkinCatalogue, ClashWithAnotherFileRenamesTheSectionInTheFile) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    names.Add(L"Часы");
    files.Add(L"other.qsk");
    names.Add(L"Часы1");
    files.Add(L"third.qsk");
    MemoryFile file{L"[Часы]\r\nImgBack=a.png\r\n[Морская]\r\nScale=2\r\n"};
    AddedSkins r = AddSkinSections(names, files, {L"Часы", L"Морская"}, L"D:\\my.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Часы2", L"Морская"}));
    EXPECT_TRUE(r.refused.empty());
    EXPECT_EQ(*file.text, L"[Часы2]\r\nImgBack=a.png\r\n[Морская]\r\nScale=2\r\n");
    ASSERT_EQ(names.Count(), 8);
    EXPECT_EQ(names[6], L"Часы2");
    EXPECT_EQ(files[6], L"D:\\my.qsk");
    EXPECT_EQ(files[7], L"D:\\my.qsk");
}

TEST(SkinCatalogue, SameFileTwiceAddsNothing) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    MemoryFile file{L"[Часы]\r\n[Морская]\r\n"};
    EXPECT_EQ(AddSkinSections(names, files, {L"Часы", L"Морская"}, L"my.qsk", file.Access()).added.size(),
              2u);
    AddedSkins again = AddSkinSections(names, files, {L"Часы", L"Морская"}, L"MY.qsk", file.Access());
    EXPECT_TRUE(again.added.empty());
    EXPECT_TRUE(again.refused.empty());
    EXPECT_EQ(file.writes, 0);
    EXPECT_EQ(names.Count(), 6);
}

TEST(SkinCatalogue, BuiltInNameAndDuplicatesInOneFile) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    // A file's own "Трей" clashes with the built-in skin; two sections of one
    // name in the file: the second clashes with the first once it is added.
    MemoryFile file{L"[Трей]\r\n[Часы]\r\n[Часы]\r\n"};
    AddedSkins r = AddSkinSections(names, files, {L"Трей", L"Часы", L"Часы"}, L"a.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Трей1", L"Часы"}));
    EXPECT_EQ(*file.text, L"[Трей1]\r\n[Часы]\r\n[Часы]\r\n");
}

TEST(SkinCatalogue, UnreadableOrUnwritableFileRefusesTheClashingSection) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    names.Add(L"Часы");
    files.Add(L"other.qsk");
    MemoryFile readOnly{L"[Часы]\r\n[Морская]\r\n", false};
    AddedSkins r = AddSkinSections(names, files, {L"Часы", L"Морская"}, L"a.qsk", readOnly.Access());
    EXPECT_EQ(r.refused, (std::vector<std::wstring>{L"Часы"}));
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Морская"}));
    EXPECT_EQ(*readOnly.text, L"[Часы]\r\n[Морская]\r\n");

    MemoryFile gone{std::nullopt};
    AddedSkins g = AddSkinSections(names, files, {L"Часы"}, L"b.qsk", gone.Access());
    EXPECT_EQ(g.refused, (std::vector<std::wstring>{L"Часы"}));
    EXPECT_EQ(gone.writes, 0);  // a file that could not be read is not written
}

TEST(SkinCatalogue, HeaderNotFoundKeepsTheClashingName) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    names.Add(L"Часы");
    files.Add(L"other.qsk");
    MemoryFile file{L"[Другое]\r\n"};
    AddedSkins r = AddSkinSections(names, files, {L"Часы"}, L"a.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Часы"}));
    EXPECT_EQ(*file.text, L"[Другое]\r\n");
}

TEST(SkinCatalogue, SelectionAfterRemoval) {
    // Five user entries (4..8): removing the last selects the new last one,
    // removing the second-to-last the entry before it, others stay put.
    EXPECT_EQ(SelectionAfterRemoval(8, 8), 7);
    EXPECT_EQ(SelectionAfterRemoval(7, 8), 6);
    EXPECT_EQ(SelectionAfterRemoval(5, 8), 5);
}

TEST(SkinCatalogue, NewNameIsFreeInTheFileToo) {
    // The file's own later section "Часы1" must not get a twin: the clashing
    // "Часы" takes the first number free both in the catalogue and in the file.
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    names.Add(L"Часы");
    files.Add(L"other.qsk");
    MemoryFile file{L"[Часы]\r\na=1\r\n[Часы1]\r\nb=2\r\n[часы2]\r\nc=3\r\n"};
    AddedSkins r = AddSkinSections(names, files, {L"Часы", L"Часы1", L"часы2"}, L"D:\\my.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Часы3", L"Часы1", L"часы2"}));
    EXPECT_TRUE(r.refused.empty());
    EXPECT_EQ(*file.text, L"[Часы3]\r\na=1\r\n[Часы1]\r\nb=2\r\n[часы2]\r\nc=3\r\n");

    // A name taken by an earlier section of the file once renamed.
    base::StringList names2 = BuiltInNames(), files2 = BuiltInFiles();
    names2.Add(L"А");
    files2.Add(L"other.qsk");
    names2.Add(L"А1");
    files2.Add(L"third.qsk");
    MemoryFile file2{L"[А]\r\n[А2]\r\n"};
    AddedSkins r2 = AddSkinSections(names2, files2, {L"А", L"А2"}, L"D:\\two.qsk", file2.Access());
    EXPECT_EQ(r2.added, (std::vector<std::wstring>{L"А3", L"А2"}));
    EXPECT_EQ(*file2.text, L"[А3]\r\n[А2]\r\n");
}

TEST(SkinCatalogue, NamesDifferingInCyrillicCaseClash) {
    // The settings file keeps the catalogue as keys of one section, and its
    // keys fold Cyrillic case: "часы" and "Часы" would become one key.
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    names.Add(L"Часы");
    files.Add(L"other.qsk");
    MemoryFile file{L"[часы]\r\nx=1\r\n[ТРЕЙ]\r\n"};
    AddedSkins r = AddSkinSections(names, files, {L"часы", L"ТРЕЙ"}, L"D:\\my.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"часы1", L"ТРЕЙ1"}));
    EXPECT_EQ(*file.text, L"[часы1]\r\nx=1\r\n[ТРЕЙ1]\r\n");
    // The same file again: its sections are known whatever their case.
    MemoryFile again{L"[ЧАСЫ1]\r\n"};
    EXPECT_TRUE(AddSkinSections(names, files, {L"ЧАСЫ1"}, L"D:\\my.qsk", again.Access()).added.empty());
    EXPECT_EQ(again.writes, 0);
}

TEST(SkinCatalogue, NamesTheSettingsFileCannotHoldAreLeftOut) {
    base::StringList names = BuiltInNames(), files = BuiltInFiles();
    MemoryFile file{L""};
    const std::vector<std::wstring> sections{L"Часы = синие", L"Часы", L"[x",    L";x",     L"",
                                             L"a\r\nb",       L"中文", L"\x01x", L"Морская"};
    AddedSkins r = AddSkinSections(names, files, sections, L"a.qsk", file.Access());
    EXPECT_EQ(r.added, (std::vector<std::wstring>{L"Часы", L"Морская"}));
    EXPECT_EQ(r.unstorable,
              (std::vector<std::wstring>{L"Часы = синие", L"[x", L";x", L"", L"a\r\nb", L"中文", L"\x01x"}));
    EXPECT_TRUE(r.refused.empty());
    EXPECT_EQ(names.Count(), 6);
    EXPECT_EQ(file.writes, 0);
}

TEST(SkinCatalogue, AFileWithoutSkinKeysHoldsNoSkins) {
    // A section counts when it holds a key a skin is read from (any case).
    EXPECT_EQ(SkinFileSections(base::IniFile::FromText(L"[a]\r\nx=1\r\n[b]\r\ncenterx=3\r\n")),
              (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_TRUE(
        SkinFileSections(base::IniFile::FromText(L"[a]\r\nx=1\r\n[b]\r\n[c]\r\nImgBack\r\n")).empty());
    EXPECT_TRUE(SkinFileSections(base::IniFile::FromText(L"")).empty());
}
