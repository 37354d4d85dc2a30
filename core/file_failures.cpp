#include "core/file_failures.h"

#include <algorithm>

namespace core {

namespace {

// The words of a message: what could not be done with one file, and with several.
struct MessageWords {
    const wchar_t* oneSettings;  // followed by the file's name in quotes
    const wchar_t* oneData;
    const wchar_t* severalSettings;  // followed by the list
    const wchar_t* severalData;
};

constexpr MessageWords kSaveWords{
    L"Не удалось сохранить настройки в файл", L"Не удалось сохранить данные в файл",
    L"Не удалось сохранить настройки в файлы:", L"Не удалось сохранить данные в файлы:"};
constexpr MessageWords kReadWords{
    L"Не удалось прочитать настройки из файла", L"Не удалось прочитать данные из файла",
    L"Не удалось прочитать настройки из файлов:", L"Не удалось прочитать данные из файлов:"};

std::wstring FailureMessage(const MessageWords& words, const std::vector<FileFailure>& failures) {
    if (failures.empty()) return {};
    const bool settingsOnly =
        std::all_of(failures.begin(), failures.end(), [](const FileFailure& f) { return f.settingsFile; });
    if (failures.size() == 1) {
        std::wstring text = std::wstring(settingsOnly ? words.oneSettings : words.oneData) + L" \"" +
                            failures[0].file + L"\".";
        if (!failures[0].reason.empty()) text += L"\n" + failures[0].reason;
        return text;
    }
    std::wstring text = settingsOnly ? words.severalSettings : words.severalData;
    for (const FileFailure& f : failures) {
        text += L"\n\"" + f.file + L"\"";
        if (!f.reason.empty()) text += L" — " + f.reason;
    }
    return text;
}

std::wstring WithSystemText(std::wstring text, std::wstring_view systemText) {
    if (!systemText.empty()) text += L" " + std::wstring(systemText);
    return text;
}

}  // namespace

std::wstring GeneralSaveFailure(std::wstring_view systemText) {
    return WithSystemText(L"Не удалось записать файл.", systemText);
}

std::wstring SaveFailureReason(base::FileFault fault, std::wstring_view systemText) {
    switch (fault) {
        case base::FileFault::ReadOnly:
            return L"Файл доступен только для чтения.";
        case base::FileFault::DiskFull:
            return L"Нет места на диске.";
        case base::FileFault::Folder:
            return L"Вместо файла папка.";
        case base::FileFault::Held:
        case base::FileFault::AccessDenied:
        case base::FileFault::Unreadable:
            return ReadFailureReason(fault, systemText);
        default:
            return GeneralSaveFailure(systemText);
    }
}

std::wstring ReadFailureReason(base::FileFault fault, std::wstring_view systemText) {
    switch (fault) {
        case base::FileFault::Held:
            return L"Файл занят другой программой.";
        case base::FileFault::AccessDenied:
            return L"Нет доступа к файлу.";
        case base::FileFault::Folder:
            return L"Вместо файла папка.";
        default:
            return WithSystemText(L"Не удалось прочитать файл.", systemText);
    }
}

std::wstring SaveFailureMessage(const std::vector<FileFailure>& failures) {
    return FailureMessage(kSaveWords, failures);
}

std::wstring ReadFailureMessage(const std::vector<FileFailure>& failures) {
    std::wstring text = FailureMessage(kReadWords, failures);
    const auto kept =
        std::count_if(failures.begin(), failures.end(), [](const FileFailure& f) { return f.keptAsItIs; });
    if (kept == 1)
        text +=
            L"\nФайл останется как есть. Если вы измените эти данные, прежний файл перед записью "
            L"будет сохранён рядом с расширением \".bak\".";
    else if (kept > 1)
        text +=
            L"\nФайлы останутся как есть. Если вы измените их данные, прежний файл перед записью "
            L"будет сохранён рядом с расширением \".bak\".";
    return text;
}

void FileFailures::Add(FileFailure failure) {
    if (told_.count(failure.file)) return;
    const bool pending = std::any_of(pending_.begin(), pending_.end(),
                                     [&](const FileFailure& f) { return f.file == failure.file; });
    if (!pending) pending_.push_back(std::move(failure));
}

std::wstring FileFailures::TakeMessage() {
    const std::wstring text = message_(pending_);
    for (const FileFailure& f : pending_) told_.insert(f.file);
    pending_.clear();
    return text;
}

}  // namespace core
