#include "core/save_failures.h"

#include <algorithm>

namespace core {

std::wstring SaveFailureMessage(const std::vector<SaveFailure>& failures) {
    if (failures.empty()) return {};
    if (failures.size() == 1) {
        std::wstring text = L"Не удалось сохранить настройки в файл \"" + failures[0].file + L"\".";
        if (!failures[0].reason.empty()) text += L"\n" + failures[0].reason;
        return text;
    }
    std::wstring text = L"Не удалось сохранить настройки в файлы:";
    for (const SaveFailure& f : failures) {
        text += L"\n\"" + f.file + L"\"";
        if (!f.reason.empty()) text += L" — " + f.reason;
    }
    return text;
}

void SaveFailures::Add(const std::wstring& file, std::wstring reason) {
    if (told_.count(file)) return;
    const bool pending =
        std::any_of(pending_.begin(), pending_.end(), [&](const SaveFailure& f) { return f.file == file; });
    if (!pending) pending_.push_back({file, std::move(reason)});
}

std::wstring SaveFailures::TakeMessage() {
    const std::wstring text = SaveFailureMessage(pending_);
    for (const SaveFailure& f : pending_) told_.insert(f.file);
    pending_.clear();
    return text;
}

}  // namespace core
