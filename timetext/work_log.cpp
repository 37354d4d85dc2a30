#include "timetext/work_log.h"

#include <algorithm>
#include <vector>

namespace timetext {

WorkLogRows NewWorkLog() {
    return {WorkLogRow{L"", L"Время запуска", L"Время работы"}, WorkLogRow{}};
}

void LimitWorkLogLines(base::StringList& lines, int limit) {
    // The header line and the newest limit-1 lines stay, taken in one pass.
    const int keep = std::max(limit, 1);
    if (lines.Count() <= keep) return;
    std::vector<std::wstring> kept;
    kept.reserve(static_cast<std::size_t>(keep));
    kept.push_back(lines[0]);
    for (int i = lines.Count() - (keep - 1); i < lines.Count(); ++i) kept.push_back(std::move(lines[i]));
    lines = base::StringList(std::move(kept));
}

bool LoadWorkLogLines(WorkLogRows& rows, const base::StringList& lines, bool continues) {
    if (rows.size() < 2) rows = NewWorkLog();
    for (int i = 1; i < lines.Count(); ++i) {
        const std::wstring& line = lines[i];
        const size_t tab = line.find(L'\t');
        WorkLogRow row;
        if (tab == std::wstring::npos) {
            row[2] = line;
        } else {
            row[1] = line.substr(0, tab);
            row[2] = line.substr(tab + 1);
        }
        rows.insert(rows.end() - 1, row);
    }
    const bool continued = continues && rows.size() > 2;
    if (continued) rows.pop_back();
    for (size_t r = 1; r < rows.size(); ++r) rows[r][0] = std::to_wstring(r);
    return continued;
}

void OpenCurrentRun(WorkLogRows& rows, bool continued, const std::wstring& start) {
    // A period that goes on keeps the start its row was given, a suspend's
    // mark with it; the start of the period now is another moment after a
    // resume, and another text after a change of the time zone.
    if (continued && !rows.back()[1].empty()) return;
    SetCurrentRunStart(rows, start);
}

base::StringList WorkLogLines(const WorkLogRows& rows) {
    base::StringList lines;
    for (const WorkLogRow& row : rows) lines.Add(row[1] + L"\t" + row[2]);
    return lines;
}

void SetCurrentRunStart(WorkLogRows& rows, const std::wstring& start) {
    if (rows.size() < 2) rows = NewWorkLog();
    rows.back()[0] = std::to_wstring(rows.size() - 1);
    rows.back()[1] = start;
}

void SetCurrentRunWork(WorkLogRows& rows, const std::wstring& work) {
    if (rows.size() < 2) rows = NewWorkLog();
    rows.back()[2] = work;
}

void SuspendWorkLog(WorkLogRows& rows, const std::wstring& workText, const std::wstring& nowText) {
    if (rows.size() < 2) rows = NewWorkLog();
    rows.back()[1] += L"*";
    rows.back()[2] = workText;
    rows.push_back(WorkLogRow{std::to_wstring(rows.size()), L"*" + nowText, L""});
}

bool DeleteWorkLogRow(WorkLogRows& rows, int row) {
    if (rows.size() <= 2 || row < 1 || row >= static_cast<int>(rows.size()) - 1) return false;
    rows.erase(rows.begin() + row);
    for (size_t r = 1; r < rows.size(); ++r) rows[r][0] = std::to_wstring(r);
    return true;
}

void ClearWorkLog(WorkLogRows& rows) {
    WorkLogRow header = rows.empty() ? NewWorkLog()[0] : rows[0];
    rows = {header, WorkLogRow{}};
}

}  // namespace timetext
