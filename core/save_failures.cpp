#include "core/save_failures.h"

#include <algorithm>

namespace core {

std::wstring GeneralSaveFailure(std::wstring_view systemText) {
    std::wstring text = L"Не удалось записать файл.";
    if (!systemText.empty()) text += L" " + std::wstring(systemText);
    return text;
}

std::wstring SaveFailureReason(base::FileFault fault, std::wstring_view systemText) {
    switch (fault) {
        case base::FileFault::ReadOnly:
            return L"Файл доступен только для чтения.";
        case base::FileFault::DiskFull:
            return L"Нет места на диске.";
        case base::FileFault::Folder:
            return L"Вместо файла папка.";
        default:
            return GeneralSaveFailure(systemText);
    }
}

std::wstring SaveFailureMessage(const std::vector<SaveFailure>& failures) {
    if (failures.empty()) return {};
    const bool settingsOnly =
        std::all_of(failures.begin(), failures.end(), [](const SaveFailure& f) { return f.settingsFile; });
    const std::wstring what = settingsOnly ? L"настройки" : L"данные";
    if (failures.size() == 1) {
        std::wstring text = L"Не удалось сохранить " + what + L" в файл \"" + failures[0].file + L"\".";
        if (!failures[0].reason.empty()) text += L"\n" + failures[0].reason;
        return text;
    }
    std::wstring text = L"Не удалось сохранить " + what + L" в файлы:";
    for (const SaveFailure& f : failures) {
        text += L"\n\"" + f.file + L"\"";
        if (!f.reason.empty()) text += L" — " + f.reason;
    }
    return text;
}

void SaveFailures::Add(SaveFailure failure) {
    if (told_.count(failure.file)) return;
    const bool pending = std::any_of(pending_.begin(), pending_.end(),
                                     [&](const SaveFailure& f) { return f.file == failure.file; });
    if (!pending) pending_.push_back(std::move(failure));
}

std::wstring SaveFailures::TakeMessage() {
    const std::wstring text = SaveFailureMessage(pending_);
    for (const SaveFailure& f : pending_) told_.insert(f.file);
    pending_.clear();
    return text;
}

}  // namespace core
