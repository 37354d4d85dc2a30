#include "base/codec.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using namespace base;

namespace {

// A fresh folder per test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("horalto_base_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// Whether `write` throws FileError once a file size limit of 1000 bytes stops
// its writing part way, as a full disk or a crash does.
template <class Write>
bool FailsPastAFileSizeLimit(Write&& write) {
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return false;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    bool threw = false;
    if (setrlimit(RLIMIT_FSIZE, &small) == 0) {
        try {
            write();
        } catch (const FileError&) {
            threw = true;
        }
        setrlimit(RLIMIT_FSIZE, &saved);
    }
    std::signal(SIGXFSZ, oldHandler);
    return threw;
}

}  // namespace

TEST(Codec, AllBytesRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::wstring text = FromCp1251(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(ToCp1251(text), all);
}

TEST(Codec, MapsCyrillicAndPunctuation) {
    EXPECT_EQ(FromCp1251("\xC0\xDF\xE0\xFF"), L"АЯая");
    EXPECT_EQ(FromCp1251("\xA8\xB8\xB9"), L"Ёё№");
    EXPECT_EQ(FromCp1251("\x88\x96\x97\xAB\xBB\xA0"), L"€–—«»\u00A0");
    EXPECT_EQ(FromCp1251("\xA5\xB4\xAA\xBA\xAF\xBF\xB2\xB3\xA1\xA2"), L"ҐґЄєЇїІіЎў");
    EXPECT_EQ(FromCp1251("\x98"), std::wstring(1, static_cast<wchar_t>(0x98)));
    EXPECT_EQ(ToCp1251(L"Основной: <d mmmm>"), "\xCE\xF1\xED\xEE\xE2\xED\xEE\xE9: <d mmmm>");
}

TEST(Codec, UnmappableBecomesQuestionMark) {
    EXPECT_EQ(ToCp1251(L"a\u00E9b\u65E5\u0100"), "a?b??");
    EXPECT_EQ(ToCp1251(L"\u0450\u045D"), "??");  // Cyrillic letters outside the code page
}

TEST(CodecFiles, WriteThenReadIsByteExact) {
    TempDir dir;
    const fs::path file = dir.path() / "Horalto.ini";
    WriteTextFile1251(file, L"[Main]\r\nКлюч=Я\r\n");
    EXPECT_EQ(ReadFileBytes(file), "[Main]\r\n\xCA\xEB\xFE\xF7=\xDF\r\n");
    EXPECT_EQ(ReadTextFile1251(file), L"[Main]\r\nКлюч=Я\r\n");
    // Replacing a longer file leaves nothing of the old content, and no temporary file.
    WriteFileBytes(file, "x");
    EXPECT_EQ(ReadFileBytes(file), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(CodecFiles, FailuresThrowAndKeepTheOldFile) {
    TempDir dir;
    EXPECT_THROW(ReadFileBytes(dir.path() / "missing.txt"), FileError);
    EXPECT_THROW(WriteFileBytes(dir.path() / "no_such_dir" / "f.txt", "x"), FileError);

    // The target is a non-empty folder: it is not replaced, the folder stays and
    // the temporary file is cleaned up.
    const fs::path target = dir.path() / "target";
    fs::create_directories(target / "inside");
    try {
        WriteFileBytes(target, "data");
        ADD_FAILURE() << "a folder was replaced";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Fault(), FileFault::Folder);
    }
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_FALSE(fs::exists(TempFileFor(target)));
}

TEST(CodecFiles, AFailedReadTellsWhy) {
    TempDir dir;
    const auto faultOf = [](const fs::path& file) {
        try {
            ReadFileBytesPatiently(file);
        } catch (const FileError& e) {
            return e.Fault();
        }
        return FileFault::Other;
    };
    EXPECT_EQ(faultOf(dir.path() / "missing.txt"), FileFault::Missing);
    fs::create_directories(dir.path() / "folder");
    EXPECT_EQ(faultOf(dir.path() / "folder"), FileFault::Folder);
}

TEST(CodecFiles, ACopyKeptBesideNeverWritesOverAnother) {
    TempDir dir;
    const fs::path file = dir.path() / "TasksList.tsk";
    WriteFileBytes(file, "first");
    EXPECT_EQ(KeepCopyBeside(file), dir.path() / "TasksList.tsk.bak");
    WriteFileBytes(file, "second");
    EXPECT_EQ(KeepCopyBeside(file), dir.path() / "TasksList.tsk (2).bak");
    EXPECT_EQ(ReadFileBytes(dir.path() / "TasksList.tsk.bak"), "first");
    EXPECT_EQ(ReadFileBytes(dir.path() / "TasksList.tsk (2).bak"), "second");
    EXPECT_EQ(ReadFileBytes(file), "second");
    // A name that another program takes after the look for a free one (a
    // link to nothing passes for a free name there) is passed over too.
    fs::create_symlink(dir.path() / "nowhere", dir.path() / "TasksList.tsk (3).bak");
    EXPECT_EQ(KeepCopyBeside(file), dir.path() / "TasksList.tsk (4).bak");
    EXPECT_EQ(ReadFileBytes(dir.path() / "TasksList.tsk (4).bak"), "second");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "TasksList.tsk (3).bak"));
    EXPECT_FALSE(fs::exists(TempFileFor(file)));
    try {
        KeepCopyBeside(dir.path() / "missing.txt");
        ADD_FAILURE() << "a missing file was copied";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Fault(), FileFault::Missing);
    }
}

TEST(CodecFiles, ReadsShareOnePatience) {
    // A patience that counts the time it would wait instead of waiting it.
    struct CountedPatience : Patience {
        using Patience::Patience;
        int pauses = 0;
        Duration Pause(Duration time) override {
            ++pauses;
            return time;
        }
    };
    TempDir dir;
    const fs::path there = dir.path() / "FileLists.txt";
    WriteFileBytes(there, "[Servers]\r\n");
    CountedPatience patience(std::chrono::seconds(1));
    // A file that stays away (one being renamed over) is waited for the whole second...
    EXPECT_THROW(ReadFileBytesPatiently(dir.path() / "TasksList.tsk", patience, true), FileError);
    EXPECT_EQ(patience.pauses, 50);
    EXPECT_EQ(patience.Left(), Patience::Duration::zero());
    // ...and the next read has none left: it tries once, and a file that is there is read.
    EXPECT_THROW(ReadFileBytesPatiently(dir.path() / "WindowsWorkLog.txt", patience, true), FileError);
    EXPECT_EQ(ReadFileBytesPatiently(there, patience), "[Servers]\r\n");
    EXPECT_EQ(patience.pauses, 50);
}

TEST(CodecFiles, ShortWriteFailsAndKeepsTheOldFile) {
    // A file size limit stops the write part way, as a full disk does.
    TempDir dir;
    const fs::path file = dir.path() / "TasksList.tsk";
    WriteFileBytes(file, "old");
    EXPECT_TRUE(FailsPastAFileSizeLimit([&] { WriteFileBytes(file, std::string(100000, 'x')); }));
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_FALSE(fs::exists(TempFileFor(file)));
}

TEST(CodecFiles, ACopyCutShortNeverStandsUnderACopysName) {
    TempDir dir;
    const fs::path file = dir.path() / "TasksList.tsk";
    WriteFileBytes(file, std::string(100000, 'x'));
    EXPECT_TRUE(FailsPastAFileSizeLimit([&] { KeepCopyBeside(file); }));
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path(), file) << "left beside the file: " << entry.path();
}

TEST(CodecFiles, Utf8MarkReadsAsUtf8) {
    EXPECT_EQ(DecodeDataText("\xEF\xBB\xBF[Main]\r\n\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87=\xE2\x82\xAC"),
              L"[Main]\r\nКлюч=€");
    // A mark elsewhere than at the start is no mark.
    EXPECT_EQ(DecodeDataText("a\xEF\xBB\xBF\xFF"), L"aп»їя");
    EXPECT_EQ(DecodeDataText(""), L"");
    EXPECT_EQ(DecodeDataText("\xEF\xBB\xBF"), L"");
    // A character past U+FFFF is '?'.
    EXPECT_EQ(DecodeDataText("\xEF\xBB\xBF\xD0\xAF\xF0\x9F\x98\x80!"), L"Я?!");
    EXPECT_EQ(DataBytes1251("\xEF\xBB\xBF\xD0\xAF\t\xE2\x82\xAC\xE4\xB8\xAD"), "\xDF\t\x88?");
    EXPECT_EQ(DataBytes1251(std::string("\xDF\0\xFF", 3)), std::string("\xDF\0\xFF", 3));

    TempDir dir;
    const fs::path file = dir.path() / "FileLists.txt";
    WriteFileBytes(file, "\xEF\xBB\xBF[Servers]\r\n");
    EXPECT_EQ(ReadTextFile1251(file), L"[Servers]\r\n");
}

TEST(CodecFiles, UnmarkedUtf8ThroughoutReadsAsUtf8) {
    // Notepad's "UTF-8" has no mark: bytes that are well-formed UTF-8 from the
    // first to the last, with at least one multi-byte sequence, are UTF-8 and
    // are written back in Windows-1251. Everything else is Windows-1251 as it
    // stands: Russian text in Windows-1251 (a pair of its letters that happens
    // to be a well-formed sequence included), plain ASCII, and UTF-8 with one
    // bad byte (a stray byte, a sequence cut at the end, an overlong form, a
    // surrogate).
    const struct {
        std::string bytes;
        std::wstring text;
    } files[] = {
        {"[Servers]\r\n\xD1\x81\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80.\xD1\x80\xD1\x84\r\n",
         L"[Servers]\r\nсервер.рф\r\n"},
        {"*\xD0\x95\xD0\xB6\xD0\xB5\xD0\xB4\xD0\xBD\xD0\xB5\xD0\xB2\xD0\xBD\xD0\xBE\t\xE2\x82\xAC\xF0\x9F\x98"
         "\x80\t",
         L"*Ежедневно\t€?\t"},
        {"[Servers]\r\n\xF1\xE5\xF0\xE2\xE5\xF0.\xF0\xF4\r\n", L"[Servers]\r\nсервер.рф\r\n"},
        {"\xC2\xA8 \xA8\xEB\xEA\xE0", L"ВЁ Ёлка"},
        {"[Main]\r\nLeft=222\r\n", L"[Main]\r\nLeft=222\r\n"},
        {"\xD0\xAF\xD0\xAF\xFF", L"\x0420\x0407\x0420\x0407\x044F"},
        {"\xD0\x97\xD0", L"\x0420\x2014\x0420"},
        {"\xD0\xAF\xC0\xAF", L"\x0420\x0407\x0410\x0407"},
        {"\xD0\xAF\xED\xA0\x80", L"\x0420\x0407\x043D\x00A0\x0402"},
    };
    for (const auto& [bytes, text] : files) {
        EXPECT_EQ(DecodeDataText(bytes), text) << testing::PrintToString(bytes);
        EXPECT_EQ(DataBytes1251(bytes), ToCp1251(text)) << testing::PrintToString(bytes);
    }

    TempDir dir;
    const fs::path file = dir.path() / "Horalto.ini";
    WriteFileBytes(file, files[0].bytes);
    EXPECT_EQ(ReadTextFile1251(file), files[0].text);
}

TEST(CodecFiles, MarkBeforeWindows1251TextReadsAsWindows1251) {
    // Some tools put the mark before text that stays in Windows-1251: when
    // the rest is not UTF-8 throughout, it is Windows-1251 after the mark.
    const std::string mark = "\xEF\xBB\xBF";
    const std::string cp1251 = "[Main]\r\n\xCA\xEB\xFE\xF7=\xDF\r\n";  // Ключ=Я
    EXPECT_EQ(DecodeDataText(mark + cp1251), L"[Main]\r\nКлюч=Я\r\n");
    EXPECT_EQ(DataBytes1251(mark + cp1251), cp1251);
    // Bad bytes as many as the well-formed multi-byte sequences decide it: lone
    // continuation bytes, a lead byte cut short (at the end too), overlong
    // forms, surrogates, beyond U+10FFFF.
    for (const std::string bad :
         {"\xD0\xAF\x80", "\xD0\xAF\xC3(", "\xD0\xAF\xD0", "\xD0\xAF\xC0\xAF", "\xD0\xAF\xE0\x80\xAF",
          "\xD0\xAF\xED\xA0\x80", "\xD0\xAF\xF4\x90\x80\x80", "\xD0\xAF\xF8\x88\x80\x80\x80"}) {
        EXPECT_EQ(DecodeDataText(mark + bad), FromCp1251(bad)) << testing::PrintToString(bad);
        EXPECT_EQ(DataBytes1251(mark + bad), bad) << testing::PrintToString(bad);
    }
    // Plain ASCII after the mark is the same either way.
    EXPECT_EQ(DataBytes1251(mark + "[Servers]\r\n"), "[Servers]\r\n");

    TempDir dir;
    const fs::path file = dir.path() / "FileLists.txt";
    WriteFileBytes(file, mark + "[Servers]\r\nntp.\xF1\xE5\xF0\xE2\xE5\xF0\r\n");
    EXPECT_EQ(ReadTextFile1251(file), L"[Servers]\r\nntp.сервер\r\n");
}

TEST(CodecFiles, MostlyUtf8ReadsAsUtf8AndEachBadByteAsWindows1251) {
    // UTF-8 text with a stray byte, or a sequence cut at the end, keeps its letters.
    const std::string mark = "\xEF\xBB\xBF";
    const std::string task = "\xD0\x97\xD0\xB0\xD0\xB4\xD0\xB0\xD1\x87\xD0\xB0";  // Задача
    EXPECT_EQ(DecodeDataText(mark + task + " \xB9" + "1\r\n"), L"Задача №1\r\n");
    EXPECT_EQ(DataBytes1251(mark + task + " \xB9" + "1\r\n"),
              "\xC7\xE0\xE4\xE0\xF7\xE0 \xB9"
              "1\r\n");
    EXPECT_EQ(DecodeDataText(mark + task + "\xD0"), L"ЗадачаР");
    EXPECT_EQ(DecodeDataText(mark + task + "\xE2\x82"), L"Задачав\x201A") << "each byte of a cut sequence";
    // Two well-formed sequences outnumber one bad byte; one does not.
    EXPECT_EQ(DecodeDataText(mark + "\xD0\xAF\xD0\xAF\xFF"), L"ЯЯя");
    EXPECT_EQ(DecodeDataText(mark + "\xD0\xAF\xFF"), L"\x0420\x0407\x044F");
    EXPECT_EQ(DataBytes1251(mark + "\xD0\xAF\xFF"), "\xD0\xAF\xFF");
}

TEST(CodecFiles, Utf16MarkReadsAsUtf16) {
    // Notepad's "Unicode" (little-endian, mark FF FE) and "UTF-16 BE" (FE FF).
    const std::string le =
        std::string("\xFF\xFE[\0M\0]\0\r\0\n\0\x1A\x04=\0\xAC\x20\1\0", 20);  // [M]\r\nК=€\1
    const std::string be = std::string("\xFE\xFF\0[\0M\0]\0\r\0\n\x04\x1A\0=\x20\xAC\0\1", 20);
    for (const std::string& bytes : {le, be}) {
        EXPECT_EQ(DecodeDataText(bytes), L"[M]\r\nК=€\1") << testing::PrintToString(bytes);
        EXPECT_EQ(DataBytes1251(bytes), std::string("[M]\r\n\xCA=\x88\1", 9))
            << testing::PrintToString(bytes);
    }
    EXPECT_EQ(DecodeDataText("\xFF\xFE"), L"");
    EXPECT_EQ(DataBytes1251("\xFE\xFF"), "");
    // A character the code page lacks is written as '?', a pair of surrogates
    // (a character past U+FFFF) as one.
    EXPECT_EQ(DataBytes1251(std::string("\xFF\xFEN\x4E\x3D\xD8\x00\xDE!\0", 10)), std::string(2, '?') + "!");
    EXPECT_EQ(DecodeDataText(std::string("\xFE\xFF\xD8\x3D\xDE\x00\0!", 8)), L"?!");
    // A broken pair and an odd last byte are read as far as they can be: each
    // lone surrogate as '?', the odd byte as its Windows-1251 letter.
    EXPECT_EQ(DecodeDataText(std::string("\xFF\xFE\x3D\xD8!\0\x00\xDE\x3D\xD8", 10)), L"?!??");
    EXPECT_EQ(DecodeDataText(std::string("\xFF\xFE\x2F\x04\xDF", 5)), L"ЯЯ");
    EXPECT_EQ(DataBytes1251(std::string("\xFE\xFF\x04\x2F\n", 5)), "\xDF\n");
    EXPECT_EQ(DecodeDataText("\xFF\xFE\xDF"), L"Я");
    // The mark elsewhere than at the start is Windows-1251 text.
    EXPECT_EQ(DecodeDataText("a\xFF\xFE"), L"aяю");

    TempDir dir;
    const fs::path file = dir.path() / "Horalto.ini";
    WriteFileBytes(file, le);
    EXPECT_EQ(ReadTextFile1251(file), L"[M]\r\nК=€\1");
}

TEST(CodecFiles, ReadOnlyFileIsNotReplaced) {
    TempDir dir;
    const fs::path file = dir.path() / "TasksList.tsk";
    WriteFileBytes(file, "old");
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_THROW(WriteFileBytes(file, "new"), ReadOnlyFileError);
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(TempFileFor(file)));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    WriteFileBytes(file, "new");
    EXPECT_EQ(ReadFileBytes(file), "new");
}

TEST(CodecFiles, LeftoverTemporaryFileIsRemoved) {
    TempDir dir;
    const fs::path file = dir.path() / "Horalto.ini";
    // Each process saves through a temporary file of its own.
    EXPECT_EQ(TempFileFor(file, 1234), dir.path() / "Horalto.ini.1234.tmp~");
    EXPECT_EQ(TempFileFor(file), TempFileFor(file, static_cast<unsigned long>(getpid())));
    // Leftovers of this process, of a process that is gone and of older
    // versions go; a running process's save and other files stay.
    const fs::path gone = TempFileFor(file, 0x7FFFFFF0);
    const std::vector<fs::path> leftovers = {dir.path() / "Horalto.ini.tmp~", TempFileFor(file), gone};
    const std::vector<fs::path> others = {TempFileFor(file, static_cast<unsigned long>(getppid())),
                                          dir.path() / "Horalto.ini.12a.tmp~", dir.path() / "Horalto.ini.bak",
                                          dir.path() / "FileLists.txt.5.tmp~"};
    for (const auto& f : leftovers) WriteFileBytes(f, "cut short");
    for (const auto& f : others) WriteFileBytes(f, "kept");
    RemoveLeftoverTemp(file);
    for (const auto& f : leftovers) EXPECT_FALSE(fs::exists(f)) << f;
    for (const auto& f : others) EXPECT_TRUE(fs::exists(f)) << f;
    RemoveLeftoverTemp(file);  // nothing left: nothing happens
    // A save clears a leftover even when it leaves a read-only file alone.
    WriteFileBytes(file, "old");
    WriteFileBytes(gone, "cut short");
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_THROW(WriteFileBytes(file, "new"), ReadOnlyFileError);
    EXPECT_FALSE(fs::exists(gone));
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
}
