#include "core/file_failures.h"
#include "core/unread_files.h"

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

TEST(ReadFailures, EveryReasonSpeaksRussianAndASaveThatCouldNotReadTellsWhy) {
    EXPECT_EQ(ReadFailureReason(base::FileFault::Held, L"The process cannot access the file."),
              L"Файл занят другой программой.");
    EXPECT_EQ(ReadFailureReason(base::FileFault::AccessDenied, L"Access is denied."), L"Нет доступа к файлу.");
    EXPECT_EQ(ReadFailureReason(base::FileFault::Folder, L""), L"Вместо файла папка.");
    EXPECT_EQ(ReadFailureReason(base::FileFault::Unreadable, L"Ошибка ввода-вывода."),
              L"Не удалось прочитать файл. Ошибка ввода-вывода.");
    // The settings file read for its update at the close.
    EXPECT_EQ(SaveFailureReason(base::FileFault::Held, L""), L"Файл занят другой программой.");
    EXPECT_EQ(SaveFailureReason(base::FileFault::Unreadable, L""), L"Не удалось прочитать файл.");
}

TEST(ReadFailures, TheMessageSaysWhatBecomesOfTheFilesKeptAsTheyAre) {
    EXPECT_EQ(ReadFailureMessage({}), L"");
    // A folder in place of the settings file: nothing to keep.
    EXPECT_EQ(ReadFailureMessage({{L"C:\\Horalto.ini", L"Вместо файла папка.", true}}),
              L"Не удалось прочитать настройки из файла \"C:\\Horalto.ini\".\nВместо файла папка.");
    EXPECT_EQ(ReadFailureMessage({{L"C:\\TasksList.tsk", L"Файл занят другой программой.", false, true}}),
              L"Не удалось прочитать данные из файла \"C:\\TasksList.tsk\".\nФайл занят другой программой.\n"
              L"Файл останется как есть. Если вы измените эти данные, прежний файл перед записью будет "
              L"сохранён рядом с расширением \".bak\".");
    EXPECT_EQ(ReadFailureMessage({{L"C:\\Horalto.ini", L"Нет доступа к файлу.", true, true},
                                  {L"C:\\TasksList.tsk", L"Файл занят другой программой.", false, true}}),
              L"Не удалось прочитать данные из файлов:\n\"C:\\Horalto.ini\" — Нет доступа к файлу.\n"
              L"\"C:\\TasksList.tsk\" — Файл занят другой программой.\n"
              L"Файлы останутся как есть. Если вы измените их данные, прежний файл перед записью будет "
              L"сохранён рядом с расширением \".bak\".");
}

TEST(UnreadFiles, AFileIsLeftAsItIsWhileItsDataAreWhatTheStartLeft) {
    UnreadFiles unread;
    unread.Add("TasksList.tsk");
    // Saved before the start is over: nothing can have been changed yet.
    EXPECT_TRUE(unread.LeaveAsItIs("TasksList.tsk", "anything"));
    unread.SetStartData("TasksList.tsk", "start");
    unread.SetStartData("FileLists.txt", "read at start");
    EXPECT_TRUE(unread.LeaveAsItIs("TasksList.tsk", "start"));
    EXPECT_FALSE(unread.LeaveAsItIs("TasksList.tsk", "changed"));
    // A file that was read is saved as always.
    EXPECT_FALSE(unread.LeaveAsItIs("FileLists.txt", "read at start"));
    unread.Remove("TasksList.tsk");
    EXPECT_FALSE(unread.Contains("TasksList.tsk"));
    EXPECT_FALSE(unread.LeaveAsItIs("TasksList.tsk", "start"));
}

TEST(SaveFailures, EachFileIsToldOnceARun) {
    FileFailures failures(SaveFailureMessage);
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
