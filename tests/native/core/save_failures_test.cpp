#include "core/save_failures.h"

#include <gtest/gtest.h>

using namespace core;

TEST(SaveFailures, OneFileOrAListOfFilesWithTheirReasons) {
    EXPECT_EQ(SaveFailureMessage({}), L"");
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Часы\\Horalto.ini", L"Файл доступен только для чтения."}}),
              L"Не удалось сохранить настройки в файл \"C:\\Часы\\Horalto.ini\".\n"
              L"Файл доступен только для чтения.");
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Horalto.ini", L""}}),
              L"Не удалось сохранить настройки в файл \"C:\\Horalto.ini\".");
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Horalto.ini", L"Файл доступен только для чтения."},
                                  {L"C:\\TasksList.tsk", L"Cannot write file"},
                                  {L"C:\\FileLists.txt", L""}}),
              L"Не удалось сохранить настройки в файлы:\n"
              L"\"C:\\Horalto.ini\" — Файл доступен только для чтения.\n"
              L"\"C:\\TasksList.tsk\" — Cannot write file\n"
              L"\"C:\\FileLists.txt\"");
}

TEST(SaveFailures, EachFileIsToldOnceARun) {
    SaveFailures failures;
    EXPECT_EQ(failures.TakeMessage(), L"");
    failures.Add(L"a.ini", L"first");
    failures.Add(L"b.txt", L"");
    failures.Add(L"a.ini", L"second");  // the first reason stands
    EXPECT_EQ(failures.TakeMessage(),
              L"Не удалось сохранить настройки в файлы:\n\"a.ini\" — first\n\"b.txt\"");
    EXPECT_EQ(failures.TakeMessage(), L"");
    // A later save: only the file not told yet.
    failures.Add(L"a.ini", L"again");
    failures.Add(L"c.tsk", L"new");
    EXPECT_EQ(failures.TakeMessage(), L"Не удалось сохранить настройки в файл \"c.tsk\".\nnew");
    failures.Add(L"a.ini", L"again");
    EXPECT_EQ(failures.TakeMessage(), L"");
}
