// What running a task reads from its cells: the message split into title and
// lines (a message typed by hand, without its flag character, shown in a
// window with its text as typed), file items and their parameters, the order
// of "*" and ">" lists, the computer action, pasted file names and the cell as
// the grid shows it.
#include "planner/task_actions.h"
#include "planner/task_editor.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const wchar_t modes[] = {0, L'*', L'>'};
    const wchar_t mode = modes[in.IntIn(0, 2)];
    const long long seed = in.Int();
    const std::wstring item = in.Text();
    const std::wstring parameters = in.Text();
    const std::wstring cell = in.RestText();

    // Expanding is the identity here: the message keeps its text.
    const planner::TaskMessage message =
        planner::PrepareTaskMessage(cell, [](const std::wstring& s) { return s; });
    FUZZ_CHECK(message.flags >= 0);
    if (!cell.empty() && !planner::BeginsWithFlag(cell)) {
        const std::size_t bar = cell.find(L'|');
        FUZZ_CHECK(message.flags == planner::kMessageWindow);
        FUZZ_CHECK(message.title == (bar == std::wstring::npos ? L"" : cell.substr(0, bar)));
        FUZZ_CHECK(message.text == (bar == std::wstring::npos ? cell : cell.substr(bar + 1)));
    }

    const planner::FileItem file = planner::SplitFileItem(item);
    FUZZ_CHECK(file.path.find(L'|') == std::wstring::npos);
    const std::wstring with = planner::WithFileParameters(file.path, parameters);
    if (!parameters.empty()) FUZZ_CHECK(planner::FileParameters(with) == parameters);
    FUZZ_CHECK(planner::SplitFileItem(with).path == file.path);

    base::StringList list;
    list.SetCommaText(cell);
    const int count = list.Count();
    const planner::ListStep step = planner::StepList(list, mode, item, seed);
    FUZZ_CHECK(list.Count() == count || list.Count() == count + 1);
    FUZZ_CHECK(step.current >= 0 && step.current < list.Count());
    FUZZ_CHECK(step.next >= 0 && step.next < list.Count());
    FUZZ_CHECK(list[step.current] == item || list.IndexOf(item) == step.current);

    const int action = planner::ComputerActionIndex(cell);
    FUZZ_CHECK(action >= -1 && action < static_cast<int>(planner::ComputerActionItems().size()));
    const int kind = planner::ShutdownKindOf(action);
    FUZZ_CHECK(kind >= 0 && kind <= 6);

    const std::vector<std::wstring> pasted = planner::NewPastedItems({item}, cell);
    for (const auto& p : pasted) FUZZ_CHECK(!p.empty() && p.find_first_of(L"\r\n") == std::wstring::npos);
    const std::wstring visible = planner::VisibleCellText(cell);
    for (wchar_t ch : visible) FUZZ_CHECK(ch >= L' ' || ch == L'\t');
    (void)planner::SplitChosenFiles(cell);
    (void)planner::IsJpegPath(item);
    return 0;
}
