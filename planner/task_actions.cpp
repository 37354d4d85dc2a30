#include "planner/task_actions.h"

#include <cstdint>

#include "base/text_compare.h"
#include "planner/task_cells.h"

namespace planner {

int RandomBelow(int n, long long seedSeconds) {
    if (n <= 0) return 0;
    uint32_t seed = static_cast<uint32_t>(seedSeconds);
    seed = seed * 134775813u + 1u;
    return static_cast<int>(seed % static_cast<uint32_t>(n));
}

int NextListIndex(wchar_t mode, int current, int count, long long seedSeconds) {
    int k;
    if (mode == kRandomMode) {
        k = RandomBelow(count - 1, seedSeconds);
        if (k >= current) ++k;
    } else {
        k = current + 1;
    }
    return k >= count ? 0 : k;
}

int FindOrAdd(base::StringList& list, const std::wstring& item) {
    const int index = list.IndexOf(item);
    return index >= 0 ? index : list.Add(item);
}

ListStep StepList(base::StringList& list, wchar_t mode, const std::wstring& item, long long seedSeconds) {
    ListStep step;
    step.current = FindOrAdd(list, item);
    step.next = NextListIndex(mode, step.current, list.Count(), seedSeconds);
    return step;
}

FileItem SplitFileItem(std::wstring_view item) {
    const size_t bar = item.find(L'|');
    if (bar == std::wstring_view::npos) return {std::wstring(item), {}};
    return {std::wstring(item.substr(0, bar)), std::wstring(item.substr(bar + 1))};
}

bool IsJpegPath(std::wstring_view path) {
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos) return false;
    const std::wstring_view ext = path.substr(dot);
    if (ext.find_first_of(L"\\/") != std::wstring_view::npos) return false;
    return base::SameTextLatin(ext, L".jpg") || base::SameTextLatin(ext, L".jpeg");
}

TaskMessage PrepareTaskMessage(std::wstring_view cell,
                               const std::function<std::wstring(const std::wstring&)>& expand) {
    TaskMessage message;
    if (cell.empty()) return message;
    const MessageParts parts = SplitMessageCell(cell);
    message.flags = parts.flags;
    message.title = parts.title.empty() ? std::wstring() : expand(parts.title);
    const base::StringList lines = MessageLines(parts.body);
    std::wstring text;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0) text += L"\r\n";
        text += lines[i];
    }
    message.text = expand(text);
    return message;
}

const std::array<std::wstring_view, 12>& ComputerActionItems() {
    static const std::array<std::wstring_view, 12> items{
        L"",
        L"Сказать время",
        L"Синхронизировать время",
        L"Закрыть программу",
        L"Запустить скринсейвер (если не выключен в настройках экрана)",
        L"Выключить монитор",
        L"Завершить сеанс пользователя",
        L"Перезагрузить компьютер",
        L"Выйти из системы",
        L"Выключить питание компьютера",
        L"Перейти в спящий режим",
        L"Перейти в ждущий режим"};
    return items;
}

int ComputerActionIndex(std::wstring_view text) {
    const auto& items = ComputerActionItems();
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (base::SameTextAnsi(items[i], text)) return i;
    return -1;
}

int ShutdownKindOf(int action) {
    return action >= kActionLogOff && action <= kActionStandBy ? action - 5 : 0;
}

}  // namespace planner
