// The planner page's editor: the task grid's clicks and keys, the task
// buttons, the schedule (day, time, deletion), the description and the message.
#include <windows.h>

#include <algorithm>

#include "base/date_format.h"
#include "base/string_list.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "planner/frm_days.h"
#include "planner/task_cells.h"
#include "planner/task_editor.h"
#include "planner/task_hooks.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/graphics.h"
#include "ui/handles.h"

using planner::TimeKind;

namespace {

// The settings window's phase is 1 while the editor is filled, then goes back
// to what it was (1 at start-up, 10 at exit, 0 otherwise).
class LoadingPhase {
  public:
    explicit LoadingPhase(ui::Component& window) : window_(window), found_(window.Tag()) {
        window_.SetTag(1);
    }
    ~LoadingPhase() { window_.SetTag(found_); }
    LoadingPhase(const LoadingPhase&) = delete;
    LoadingPhase& operator=(const LoadingPhase&) = delete;

  private:
    ui::Component& window_;
    int found_;
};

int TimeKindIndex(TimeKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

// ---- filling the editor ----

void TPagePlanner::LoadTaskToEditor() {
    const int row = stgTasks.Row();
    if (row < 1) return;
    LoadingPhase phase(Options());
    const bool spare = IsSpareRow(row);
    spbRunTask.SetEnabled(!spare);
    spbDeleteTask.SetEnabled(!spare);
    spbDays.SetDown(false);

    const planner::TaskEditorState s = planner::ReadTaskEditor(planner::GetRowCells(TaskCells, row),
                                                               Tasks.NextRun(row), Now(), Tasks.Settings());
    // Day.
    dtpDate.SetChecked(!s.scheduled);
    dtpDate.SetDateTime(s.date);
    if (s.scheduled) {
        spbDays.SetDown(true);
        if (planner::frmDays) planner::frmDays->ParseSchedule(s.dayCell);
    }

    // Time.
    cmbEventTime.SetItemIndex(TimeKindIndex(s.timeKind));
    shownTimeKind_ = cmbEventTime.ItemIndex();
    dtpTime.SetDateTime(s.time);
    dtpTime.SetVisible(s.timeKind == TimeKind::AtTime || s.timeKind == TimeKind::Interval);
    chbExecOneTime.SetVisible(s.timeKind == TimeKind::Interval);
    chbExecOneTime.SetChecked(s.once);

    // Description.
    chbShowExecEvent.SetChecked(s.showAfterRun);
    chbShakeWindow.SetChecked(s.shakeWindow);
    if (s.hasDescription) ShowActionPanel(spbMessage);
    edtEventDescription.SetText(s.description);
    chbShowExecEvent.SetEnabled(s.hasDescription);

    // Message.
    edtTitleMessage.SetText(s.title);
    memMessage.SetLines(s.messageLines);
    chbShowMessageBox.SetChecked(s.inWindow);
    chbShowBalloonHint.SetChecked(s.inTray);
    chbSpeakMessage.SetChecked(s.speak);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &chbShowMessageBox, &chbShowBalloonHint, &chbSpeakMessage, &spbMakeMessage, &edtTitleMessage})
        c->SetEnabled(s.hasMessage);

    // Sounds and files.
    LoadActionList(planner::kColSounds, row);
    LoadActionList(planner::kColFiles, row);

    // Picture.
    chbShowPicture.SetChecked(false);
    spbRandomPicture.SetDown(false);
    spbConsistentlyPicture.SetDown(false);
    if (!s.picture.items.empty()) {
        if (s.picture.mode == planner::kRandomMode) spbRandomPicture.SetDown(true);
        if (s.picture.mode == planner::kInOrderMode) spbConsistentlyPicture.SetDown(true);
        const std::wstring& path = s.picture.items.front();
        int index = lsbPicturesList.IndexOf(path);
        if (index < 0) index = lsbPicturesList.Add(path);
        lsbPicturesList.SetItemIndex(index);
        chbShowPicture.SetChecked(true);
    }
    EnablePictureControls();

    // Computer action.
    int action = 0;
    if (!s.computerAction.empty()) action = std::max(0, lsbComputerActions.IndexOf(s.computerAction));
    lsbComputerActions.SetItemIndex(action);
    ShowComputerActionControls();
    spbRunCompAction.SetEnabled(!s.computerAction.empty());

    // Deletion after the run.
    chbDeleteAfterExec.SetChecked(s.deleteAfterRun);
    chbExecOneTime.SetEnabled(!s.deleteAfterRun);
}

void TPagePlanner::LoadActionList(int col, int row) {
    ui::CheckListBox& list = CheckListOf(col);
    ui::SpeedButton& random = col == planner::kColSounds ? spbRandomPlay : spbRandomFile;
    ui::SpeedButton& inOrder = col == planner::kColSounds ? spbConsistentlyPlay : spbConsistentlyFile;
    for (int i = 0; i < list.Count(); ++i) list.SetChecked(i, false);
    random.SetDown(false);
    inOrder.SetDown(false);
    const planner::ListCell cell = planner::ParseListCell(stgTasks.Cell(col, row));
    if (cell.mode == planner::kRandomMode) random.SetDown(true);
    if (cell.mode == planner::kInOrderMode) inOrder.SetDown(true);
    for (const std::wstring& item : cell.items) {
        int index = list.IndexOf(item);
        if (index < 0) index = list.Add(item);
        list.SetChecked(index, true);
        // The item a mode goes on from is the selected one.
        if (cell.mode) list.SetItemIndex(index);
    }
    if (col == planner::kColFiles) ShowFileParameters();
}

// ---- storing the cells ----

void TPagePlanner::StoreTaskCell(int col, const std::wstring& text) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    if (row < 1) return;
    switch (planner::StoreCell(TaskCells, row, col, text)) {
        case planner::CellStore::RowEmptied:
            DeleteTaskRow(row);
            LoadTaskToEditor();
            UpdateTaskNextRun();
            break;
        case planner::CellStore::NewTask:
            // The user goes on in the control that made the task (typing its
            // description, say): the focus stays there.
            StoreScheduleCells(false);
            break;
        case planner::CellStore::Stored:
            if (frmHoralto && frmHoralto->pmiTasks.Visible() && row + 1 < frmHoralto->pmiTasks.Count())
                frmHoralto->pmiTasks[row + 1].SetCaption(
                    planner::StoredTaskCaption(planner::GetRowCells(TaskCells, row)));
            break;
    }
}

void TPagePlanner::WriteScheduleCells() {
    // The user typing the hours goes on to the minutes: the focus stays.
    StoreScheduleCells(!ui::Application().KeyboardInput());
}

void TPagePlanner::StoreScheduleCells(bool focusActionList) {
    const int row = stgTasks.Row();
    if (row < 1 || !planner::HasScheduleContent(planner::GetRowCells(TaskCells, row))) return;
    planner::ScheduleInput in;
    in.onDate = dtpDate.Checked();
    in.date = dtpDate.DateTime();
    if (planner::frmDays) {
        in.picks = planner::frmDays->Picks();
    } else {
        in.picks.CheckAllMonths(true);
        in.picks.CheckAllDays(true);
    }
    in.timeKind = static_cast<TimeKind>(std::clamp(cmbEventTime.ItemIndex(), 0, 3));
    in.time = dtpTime.DateTime();
    in.once = chbExecOneTime.Checked();
    in.deleteAfterRun = chbDeleteAfterExec.Checked();
    const planner::ScheduleCells out = planner::BuildScheduleCells(in, Tasks.Settings());
    if (in.timeKind == TimeKind::Interval && out.shownTime != base::TimeOf(in.time))
        dtpTime.SetDateTime(out.shownTime);
    TaskCells.SetCell(planner::kColDay, row, out.day);
    TaskCells.SetCell(planner::kColTime, row, out.time);
    TaskCells.SetCell(planner::kColDone, row, out.done);
    RescheduleTask(row);
    // A task typed into the empty row has left it.
    spbRunTask.SetEnabled(!IsSpareRow(stgTasks.Row()));
    spbDeleteTask.SetEnabled(!IsSpareRow(stgTasks.Row()));
    if (focusActionList) FocusActionList();
}

// ---- the page and the grid ----

void TPagePlanner::tbsPlannerShow(ui::Component&) {
    LoadTaskToEditor();
}

void TPagePlanner::stgTasksClick(ui::Component&) {
    // The planner's own moves of the selection keep the editor as it is.
    if (Loading() || TaskCells.Moving() || !pnlEvent.Visible()) return;
    LoadTaskToEditor();
}

void TPagePlanner::stgTasksDblClick(ui::Component&) {
    if (Loading() || !pnlEvent.Visible()) return;
    const int row = stgTasks.Row();
    if (row >= 1 && !IsSpareRow(row)) Guarded([&] { ExecuteTask(row); });
}

void TPagePlanner::stgTasksKeyDown(ui::Component&, WORD& key, ui::ShiftState) {
    if (Loading() || !pnlEvent.Visible()) return;
    if (key == VK_DELETE) {
        key = 0;
        spbDeleteTask.Click();
    } else if (key == VK_RETURN) {
        key = 0;
        const int row = stgTasks.Row();
        if (row >= 1 && !IsSpareRow(row)) Guarded([&] { ExecuteTask(row); });
    }
}

void TPagePlanner::ShowTextHint(ui::Control& control, const std::wstring& text, int room) {
    std::wstring hint;
    if (!text.empty() && control.HandleAllocated()) {
        ui::WindowDc dc(control.Handle());
        ui::SelectGuard font(dc.Get(), ui::CachedFont(control.EffectiveFont()));
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx > room) hint = text;
    }
    if (hint != control.Hint()) control.SetHint(hint);
}

void TPagePlanner::stgTasksMouseMove(ui::Component&, ui::ShiftState, int x, int y) {
    int col = 0, row = 0;
    if (!stgTasks.MouseToCell(x, y, col, row) || col < 1 || row < 1) {
        if (!stgTasks.Hint().empty()) stgTasks.SetHint(L"");
        return;
    }
    const RECT cell = stgTasks.CellRect(col, row);
    ShowTextHint(stgTasks, planner::VisibleCellText(stgTasks.Cell(col, row)), cell.right - cell.left - 4);
}

void TPagePlanner::stgTasksDrawCell(ui::Component&, int col, int row, HDC dc, const RECT& rect, UINT state) {
    // The flag characters of the description and message cells are not shown.
    const std::wstring& cell = stgTasks.Cell(col, row);
    if (row < 1 || cell.empty() || cell[0] >= L' ') return;
    RECT inner{rect.left, rect.top, rect.right, rect.bottom};
    FillRect(dc, &inner, GetSysColorBrush((state & ui::gdSelected) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, (state & ui::gdSelected) ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                              : ui::ColorToRGB(stgTasks.EffectiveFont().color));
    const std::wstring text = planner::VisibleCellText(cell);
    inner.left += 2;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---- the task buttons ----

void TPagePlanner::spbRunTaskClick(ui::Component&) {
    if (Loading()) return;
    RunTaskNow(stgTasks.Row());
}

void TPagePlanner::spbDeleteTaskClick(ui::Component&) {
    if (Loading()) return;
    DeleteTaskRow(stgTasks.Row());
    LoadTaskToEditor();
    UpdateTaskNextRun();
}

void TPagePlanner::spbClearTasksClick(ui::Component&) {
    if (Loading()) return;
    // Only "Да" clears: "Нет", Esc and the close box keep every task.
    if (!ui::AskConfirmation(L"Вы действительно хотите очистить список заданий?")) return;
    Tasks.ClearTasks();
    LoadTaskToEditor();
    UpdateTaskNextRun();
}

void TPagePlanner::spbHelpFormatsPlanClick(ui::Component&) {
    if (planner::ShowFormatsHelp) planner::ShowFormatsHelp();
}

void TPagePlanner::btnPlannerOnClick(ui::Component&) {
    if (frmHoralto) frmHoralto->aPlannerOnOff.Execute();
}

// ---- the schedule ----

void TPagePlanner::dtpDateChange(ui::Component&) {
    if (Loading()) return;
    spbDays.SetDown(!dtpDate.Checked());
    if (spbDays.Down() && planner::frmDays) {
        planner::frmDays->btnSelectAllMonths.Click();
        planner::frmDays->btnSelectAllDays.Click();
    }
    WriteScheduleCells();
}

void TPagePlanner::spbDaysClick(ui::Component&) {
    if (Loading()) return;
    spbDays.SetDown(true);
    if (dtpDate.Checked()) {
        dtpDate.SetChecked(false);
        if (planner::frmDays) {
            planner::frmDays->btnSelectAllMonths.Click();
            planner::frmDays->btnSelectAllDays.Click();
        }
        WriteScheduleCells();
    }
    // Days chosen in the picker: the action is next.
    if (planner::frmDays && planner::frmDays->ShowModal() == ui::mrOk) FocusActionList();
}

void TPagePlanner::DaysApply() {
    dtpDate.SetChecked(false);
    spbDays.SetDown(true);
    // While the picker is open the settings window takes no focus: it is
    // given after the picker closes.
    StoreScheduleCells(false);
}

void TPagePlanner::cmbEventTimeChange(ui::Component&) {
    if (Loading()) return;
    // Only a change of kind proposes a time: the kind already shown chosen
    // again (Home, a click on the chosen item) keeps the task as it is.
    if (cmbEventTime.ItemIndex() == shownTimeKind_) return;
    shownTimeKind_ = cmbEventTime.ItemIndex();
    dtpTime.Hide();
    chbExecOneTime.Hide();
    switch (cmbEventTime.ItemIndex()) {
        case 0:
            dtpTime.SetDateTime(base::TimeOf(Now()));
            dtpTime.Show();
            break;
        case 1:
            dtpTime.SetDateTime(base::EncodeTime(0, 1, 0, 0));
            dtpTime.Show();
            chbExecOneTime.Show();
            break;
        default:
            break;
    }
    WriteScheduleCells();
}

void TPagePlanner::dtpTimeChange(ui::Component&) {
    if (Loading()) return;
    WriteScheduleCells();
}

void TPagePlanner::dtpTimeKeyDown(ui::Component&, WORD& key, ui::ShiftState) {
    if (Loading() || key != VK_RETURN) return;
    WriteScheduleCells();
}

void TPagePlanner::chbExecOneTimeClick(ui::Component&) {
    if (Loading()) return;
    WriteScheduleCells();
}

void TPagePlanner::chbDeleteAfterExecClick(ui::Component&) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    if (row < 1) return;
    const bool checked = chbDeleteAfterExec.Checked();
    if (IsSpareRow(row)) {
        // No task to delete yet.
        if (checked) chbDeleteAfterExec.SetChecked(false);
        return;
    }
    chbExecOneTime.SetEnabled(!checked);
    TaskCells.SetCell(planner::kColDone, row,
                      checked ? std::wstring(planner::kDeleteAfterRun) : std::wstring());
}

// ---- description and message ----

void TPagePlanner::edtEventDescriptionChange(ui::Component&) {
    if (Loading()) return;
    const std::wstring text = edtEventDescription.Text();
    chbShowExecEvent.SetEnabled(!text.empty());
    const int flags = (chbShowExecEvent.Checked() ? planner::kShowAfterRun : 0) |
                      (chbShakeWindow.Checked() ? planner::kShakeWindow : 0);
    StoreTaskCell(planner::kColDescription, planner::BuildDescriptionCell(flags, text));
}

void TPagePlanner::memMessageChange(ui::Component& sender) {
    if (Loading()) return;
    if (!chbShowMessageBox.Checked() && !chbShowBalloonHint.Checked() && !chbSpeakMessage.Checked()) {
        // One way of showing the message always stays on.
        auto* box = dynamic_cast<ui::CheckBox*>(&sender);
        (box ? *box : chbShowMessageBox).SetChecked(true);  // comes back here and stores
        return;
    }
    const int flags = (chbShowMessageBox.Checked() ? planner::kMessageWindow : 0) |
                      (chbShowBalloonHint.Checked() ? planner::kMessageBalloon : 0) |
                      (chbSpeakMessage.Checked() ? planner::kMessageSpeak : 0);
    const std::wstring cell =
        planner::BuildMessageCell(flags, edtTitleMessage.Text(), base::StringList(memMessage.Lines()));
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &chbShowMessageBox, &chbShowBalloonHint, &chbSpeakMessage, &spbMakeMessage, &edtTitleMessage})
        c->SetEnabled(!cell.empty());
    StoreTaskCell(planner::kColMessage, cell);
}

void TPagePlanner::ShowActionPanel(ui::SpeedButton& button) {
    button.SetDown(true);
    const std::pair<ui::SpeedButton*, ui::Panel*> panels[] = {{&spbMessage, &pnlMessage},
                                                              {&spbSounds, &pnlSounds},
                                                              {&spbFiles, &pnlFiles},
                                                              {&spbPictures, &pnlPictures},
                                                              {&spbComputer, &pnlComputer}};
    for (auto [b, panel] : panels)
        if (b != &button) panel->Hide();
    for (auto [b, panel] : panels)
        if (b == &button) panel->Show();
}

void TPagePlanner::ActionsPanelChange(ui::Component& sender) {
    if (auto* button = dynamic_cast<ui::SpeedButton*>(&sender)) ShowActionPanel(*button);
}

void TPagePlanner::FocusActionList() {
    if (!Options().Visible()) return;
    ui::Control* list = &memMessage;
    if (pnlSounds.Visible()) list = &clbSoundsList;
    if (pnlFiles.Visible()) list = &clbFilesList;
    if (pnlPictures.Visible()) list = &lsbPicturesList;
    if (pnlComputer.Visible()) list = &lsbComputerActions;
    if (list->Showing() && list->Enabled()) list->SetFocus();
}

void TPagePlanner::btnBalloonHintOptionsClick(ui::Component&) {
    if (planner::ShowBalloonOptions) planner::ShowBalloonOptions();
}

void TPagePlanner::spbMakeMessageClick(ui::Component&) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    Guarded([&] { ShowTaskMessage(row); });
}
