#include "core/save_failures.h"

#include <gtest/gtest.h>

using namespace core;

TEST(SaveFailures, OneFileOrAListOfFilesWithTheirReasons) {
    EXPECT_EQ(SaveFailureMessage({}), L"");
    // The settings file alone: the settings were not saved.
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Часы\\Horalto.ini", L"Файл доступен только для чтения.", true}}),
              L"Не удалось сохранить настройки в файл \"C:\\Часы\\Horalto.ini\".\n"
              L"Файл доступен только для чтения.");
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Horalto.ini", L"", true}}),
              L"Не удалось сохранить настройки в файл \"C:\\Horalto.ini\".");
    // Any other file: the data were not.
    EXPECT_EQ(SaveFailureMessage({{L"C:\\TasksList.tsk", L"Нет места на диске."}}),
              L"Не удалось сохранить данные в файл \"C:\\TasksList.tsk\".\nНет места на диске.");
    EXPECT_EQ(SaveFailureMessage({{L"C:\\Horalto.ini", L"Файл доступен только для чтения.", true},
                                  {L"C:\\TasksList.tsk", L"Вместо файла папка."},
                                  {L"C:\\FileLists.txt", L""}}),
              L"Не удалось сохранить данные в файлы:\n"
              L"\"C:\\Horalto.ini\" — Файл доступен только для чтения.\n"
              L"\"C:\\TasksList.tsk\" — Вместо файла папка.\n"
              L"\"C:\\FileLists.txt\"");
}

TEST(SaveFailures, EveryReasonSpeaksRussian) {
    EXPECT_EQ(SaveFailureReason(base::FileFault::ReadOnly, L"Access is denied."),
              L"Файл доступен только для чтения.");
    EXPECT_EQ(SaveFailureReason(base::FileFault::DiskFull, L"Диск полностью заполнен."),
              L"Нет места на диске.");
    EXPECT_EQ(SaveFailureReason(base::FileFault::Folder, L""), L"Вместо файла папка.");
    // Any other failure: the system's own words after the general reason.
    EXPECT_EQ(SaveFailureReason(base::FileFault::Other, L"Доступ запрещён."),
              L"Не удалось записать файл. Доступ запрещён.");
    EXPECT_EQ(SaveFailureReason(base::FileFault::Other, L""), L"Не удалось записать файл.");
}

TEST(SaveFailures, EachFileIsToldOnceARun) {
    SaveFailures failures;
    EXPECT_EQ(failures.TakeMessage(), L"");
    failures.Add({L"a.ini", L"first", true});
    failures.Add({L"b.txt", L""});
    failures.Add({L"a.ini", L"second", true});  // the first reason stands
    EXPECT_EQ(failures.TakeMessage(), L"Не удалось сохранить данные в файлы:\n\"a.ini\" — first\n\"b.txt\"");
    EXPECT_EQ(failures.TakeMessage(), L"");
    // A later save: only the file not told yet.
    failures.Add({L"a.ini", L"again", true});
    failures.Add({L"c.tsk", L"new"});
    EXPECT_EQ(failures.TakeMessage(), L"Не удалось сохранить данные в файл \"c.tsk\".\nnew");
    failures.Add({L"a.ini", L"again", true});
    EXPECT_EQ(failures.TakeMessage(), L"");
}
