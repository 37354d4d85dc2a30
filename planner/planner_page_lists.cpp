// The planner page's action panels with lists: sounds, files, pictures and
// the computer actions. The lists are shared by all tasks; a task's cell names
// its items.
#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "planner/clipboard_text.h"
#include "planner/open_files_dialog.h"
#include "planner/program_task_actions.h"
#include "planner/task_actions.h"
#include "planner/task_cells.h"
#include "planner/task_editor.h"
#include "planner/task_runner.h"
#include "timetext/speech/system_sound_player.h"
#include "ui/dialogs.h"

namespace {

// The list's selection as its window has it: a click on an item's box selects
// the item in the window before the list hears of it.
int SelectedIndex(ui::ListBox& list) {
    if (list.HandleAllocated()) {
        const auto index = static_cast<int>(SendMessageW(list.Handle(), LB_GETCURSEL, 0, 0));
        if (index != list.ItemIndex() && index < list.Count()) list.SetItemIndex(index);
    }
    return list.ItemIndex();
}

std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length < MAX_PATH ? length : 0);
}

std::wstring ProgramFolderText() {
    return ProgramFolder().wstring();
}

}  // namespace

// ---- helpers ----

ui::CheckListBox& TPagePlanner::CheckListOf(int col) {
    return col == planner::kColSounds ? clbSoundsList : clbFilesList;
}

wchar_t TPagePlanner::ListMode(int col) {
    const bool sounds = col == planner::kColSounds;
    if ((sounds ? spbRandomPlay : spbRandomFile).Down()) return planner::kRandomMode;
    if ((sounds ? spbConsistentlyPlay : spbConsistentlyFile).Down()) return planner::kInOrderMode;
    return 0;
}

wchar_t TPagePlanner::PictureMode() {
    if (spbRandomPicture.Down()) return planner::kRandomMode;
    if (spbConsistentlyPicture.Down()) return planner::kInOrderMode;
    return 0;
}

void TPagePlanner::ShowFileParameters() {
    const int index = clbFilesList.ItemIndex();
    showingFileParameters_ = true;
    edtProgCommand.SetText(index >= 0 ? planner::FileParameters(clbFilesList.Item(index)) : std::wstring());
    showingFileParameters_ = false;
}

void TPagePlanner::StoreListCell(ui::ListBox& list) {
    if (&list == &lsbPicturesList) {
        lsbPicturesListClick(list);
        return;
    }
    const int col = &list == &clbSoundsList ? planner::kColSounds : planner::kColFiles;
    if (list.Count() == 0)
        StoreTaskCell(col, L"");  // the last item went: so did the task's
    else
        CheckListClickCheck(list);
}

void TPagePlanner::ExchangeItems(ui::ListBox& list, int a, int b) {
    const std::wstring itemA = list.Item(a);
    list.SetItem(a, list.Item(b));
    list.SetItem(b, itemA);
    if (auto* checks = dynamic_cast<ui::CheckListBox*>(&list)) {
        const bool checkedA = checks->Checked(a);
        checks->SetChecked(a, checks->Checked(b));
        checks->SetChecked(b, checkedA);
    }
    list.SetItemIndex(b);
}

void TPagePlanner::DeleteSelectedItem(ui::ListBox& list) {
    const int index = SelectedIndex(list);
    if (index < 0) return;
    list.Delete(index);
    if (&list == &clbFilesList) ShowFileParameters();
    StoreListCell(list);
}

bool TPagePlanner::ListEditKey(ui::ListBox& list, WORD key, ui::ShiftState shift) {
    const int index = SelectedIndex(list);
    if ((shift & ui::ssCtrl) && index >= 0) {
        if (key == VK_UP) {
            if (index > 0) ExchangeItems(list, index, index - 1);
            return true;
        }
        if (key == VK_DOWN) {
            if (index + 1 < list.Count()) ExchangeItems(list, index, index + 1);
            return true;
        }
        if (key == VK_INSERT) {
            planner::SetClipboardText(Options().Handle(), list.Item(index));
            return true;
        }
    }
    if ((shift & ui::ssShift) && key == VK_INSERT) {
        const auto text = planner::ClipboardText(Options().Handle());
        if (!text) return true;
        auto* checks = dynamic_cast<ui::CheckListBox*>(&list);
        for (const std::wstring& item : planner::NewPastedItems(list.Items(), *text)) {
            const int added = list.Add(item);
            if (checks) checks->SetChecked(added, true);
        }
        list.SetItemIndex(list.Count() - 1);
        if (&list == &clbFilesList) ShowFileParameters();
        StoreListCell(list);
        return true;
    }
    if (key == VK_DELETE && !(shift & (ui::ssCtrl | ui::ssShift | ui::ssAlt))) {
        DeleteSelectedItem(list);
        return true;
    }
    return false;
}

void TPagePlanner::ChooseIntoList(ui::ListBox& list, const std::wstring& filter,
                                  const std::wstring& fallbackFolder) {
    const std::wstring program = ProgramFolderText();
    const std::wstring folder = planner::ChooserFolder(list.Items(), program, fallbackFolder);
    const std::vector<std::wstring> files = planner::ChooseFiles(Options().Handle(), filter, folder);
    if (files.empty()) return;
    if (&list == &clbFilesList) lastFilesFolder_ = planner::ChooserFolder({files.front()}, program, folder);
    auto* checks = dynamic_cast<ui::CheckListBox*>(&list);
    for (const std::wstring& file : files) {
        const std::wstring item = planner::StoredFilePath(file, program);
        if (list.IndexOf(item) >= 0) continue;
        const int added = list.Add(item);
        if (checks) checks->SetChecked(added, true);
    }
    list.SetItemIndex(list.Count() - 1);
    if (&list == &clbFilesList) ShowFileParameters();
    StoreListCell(list);
}

void TPagePlanner::CheckListMouseMove(ui::Component& sender, ui::ShiftState, int x, int y) {
    auto* list = dynamic_cast<ui::ListBox*>(&sender);
    if (!list) return;
    const int index = list->ItemAtPos(POINT{x, y});
    RECT rect{};
    if (index < 0 ||
        SendMessageW(list->Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
        if (!list->Hint().empty()) list->SetHint(L"");
        return;
    }
    const int box = dynamic_cast<ui::CheckListBox*>(list) ? 22 : 4;
    ShowTextHint(*list, list->Item(index), rect.right - rect.left - box);
}

// ---- sounds and files ----

void TPagePlanner::CheckListClickCheck(ui::Component& sender) {
    if (Loading()) return;
    const bool files = &sender == &clbFilesList;
    ui::CheckListBox& list = files ? clbFilesList : clbSoundsList;
    const int col = files ? planner::kColFiles : planner::kColSounds;
    const int before = SelectedIndex(list);
    std::vector<bool> checked(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) checked[static_cast<size_t>(i)] = list.Checked(i);
    int selected = before;
    const auto cell = planner::CheckListCell(list.Items(), checked, selected, ListMode(col));
    if (!cell) return;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Checked(i) != checked[static_cast<size_t>(i)])
            list.SetChecked(i, checked[static_cast<size_t>(i)]);
    if (selected != before) {
        list.SetItemIndex(selected);
        if (files) ShowFileParameters();
    }
    StoreTaskCell(col, *cell);
}

void TPagePlanner::CheckListKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift) {
    ui::CheckListBox& list = &sender == &clbFilesList ? clbFilesList : clbSoundsList;
    if (ListEditKey(list, key, shift)) {
        key = 0;
    } else if (key == VK_RETURN) {
        key = 0;
        if (&list == &clbSoundsList)
            clbSoundsListDblClick(list);
        else
            clbFilesListDblClick(list);
    }
}

void TPagePlanner::ListModeClick(ui::Component& sender) {
    if (Loading()) return;
    auto& button = dynamic_cast<ui::SpeedButton&>(sender);
    const bool sounds = &button == &spbConsistentlyPlay || &button == &spbRandomPlay;
    ui::SpeedButton& random = sounds ? spbRandomPlay : spbRandomFile;
    ui::SpeedButton& inOrder = sounds ? spbConsistentlyPlay : spbConsistentlyFile;
    if (button.Down()) (&button == &random ? inOrder : random).SetDown(false);
    ui::CheckListBox& list = sounds ? clbSoundsList : clbFilesList;
    const int index = SelectedIndex(list);
    if (index >= 0) list.SetChecked(index, true);
    CheckListClickCheck(list);
}

void TPagePlanner::clbSoundsListClick(ui::Component&) {
    PlaySoundW(nullptr, nullptr, 0);  // stops what is playing
}

void TPagePlanner::clbSoundsListDblClick(ui::Component&) {
    const int index = SelectedIndex(clbSoundsList);
    if (index < 0) return;
    signals::CurrentSoundPlayer().Play(planner::ItemFullPath(clbSoundsList.Item(index), ProgramFolderText()),
                                       false);
}

void TPagePlanner::spbPlaySoundAClick(ui::Component&) {
    if (Loading()) return;
    if (frmHoralto && frmHoralto->aSoundOnOff.Checked()) {
        if (!ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?")) return;
        frmHoralto->aSoundOnOff.Execute();
    }
    const int row = stgTasks.Row();
    Guarded([&] { PlayTaskSounds(row); });
}

void TPagePlanner::spbOpenSoundAClick(ui::Component&) {
    if (Loading()) return;
    ChooseIntoList(clbSoundsList, L"WAV файлы|*.wav", WindowsFolder() + L"\\Media");
}

void TPagePlanner::spbDeleteSoundClick(ui::Component&) {
    if (Loading()) return;
    DeleteSelectedItem(clbSoundsList);
}

void TPagePlanner::spbClearSoundsListClick(ui::Component&) {
    if (Loading()) return;
    clbSoundsList.Clear();
    StoreTaskCell(planner::kColSounds, L"");
}

void TPagePlanner::clbFilesListClick(ui::Component&) {
    SelectedIndex(clbFilesList);
    ShowFileParameters();
}

void TPagePlanner::clbFilesListDblClick(ui::Component&) {
    const int index = SelectedIndex(clbFilesList);
    if (index < 0) return;
    if (!RunFile(clbFilesList.Item(index)))
        ui::ShowMessageBox(L"Не удается запустить файл, выберите существующий файл.", L"Ошибка",
                           MB_OK | MB_ICONERROR);
}

void TPagePlanner::edtProgCommandChange(ui::Component&) {
    if (Loading() || showingFileParameters_) return;
    const int index = SelectedIndex(clbFilesList);
    if (index < 0) return;
    clbFilesList.SetItem(index, planner::WithFileParameters(clbFilesList.Item(index), edtProgCommand.Text()));
    CheckListClickCheck(clbFilesList);
}

void TPagePlanner::spbOpenFileAClick(ui::Component&) {
    if (Loading()) return;
    ChooseIntoList(
        clbFilesList,
        L"Все файлы (*.*)|*.*|Аудио файлы "
        L"(*.mp3;*.wma;*.vqf;*.asf;*.ogg;*.lqt;*.wav;*.mid)|*.mp3;*.wma;*.vqf;*.asf;*.ogg;*.lqt;*.wav;*.mid|"
        L"Графические файлы (*.jpg;*.bmp;*.gif;*.jpeg;*.png;*.dib)|*.jpg;*.bmp;*.gif;*.jpeg;*.png;*.dib|"
        L"Видео файлы (*.avi;*.mpg;*.mp2;*.wmv;*.asf)|*.avi;*.mpg;*.mp2;*.wmv;*.asf|Текстовые файлы "
        L"(*.txt;*.doc;*.rtf;*.htm;*.inf;*.diz)|*.txt;*.doc;*.rtf;*.htm;*.inf;*.diz",
        lastFilesFolder_);
}

void TPagePlanner::spbRunFileAClick(ui::Component&) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    Guarded([&] { RunTaskFiles(row); });
}

void TPagePlanner::spbDeleteFileAClick(ui::Component&) {
    if (Loading()) return;
    DeleteSelectedItem(clbFilesList);
}

void TPagePlanner::spbClearFilesListClick(ui::Component&) {
    if (Loading()) return;
    clbFilesList.Clear();
    ShowFileParameters();
    StoreTaskCell(planner::kColFiles, L"");
}

// ---- pictures ----

void TPagePlanner::EnablePictureControls() {
    const bool on = chbShowPicture.Checked();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lsbPicturesList, &spbSetPicture,
                                                              &spbConsistentlyPicture, &spbRandomPicture})
        c->SetEnabled(on);
}

void TPagePlanner::lsbPicturesListClick(ui::Component&) {
    if (Loading() || !chbShowPicture.Checked()) return;
    int selected = SelectedIndex(lsbPicturesList);
    // With the last picture gone from the list, the task shows none.
    const std::wstring cell = planner::PictureListCell(lsbPicturesList.Items(), selected, PictureMode());
    if (lsbPicturesList.Count() > 0 && selected != lsbPicturesList.ItemIndex())
        lsbPicturesList.SetItemIndex(selected);
    StoreTaskCell(planner::kColPicture, cell);
}

void TPagePlanner::lsbPicturesListDblClick(ui::Component&) {
    const int index = SelectedIndex(lsbPicturesList);
    if (index < 0) return;
    Runner();  // makes the task actions
    if (!taskActions_->StartFile(planner::ItemFullPath(lsbPicturesList.Item(index), ProgramFolderText()),
                                 L""))
        ui::ShowMessageBox(L"Не удается показать файл, выберите существующий файл.", L"Ошибка",
                           MB_OK | MB_ICONERROR);
}

void TPagePlanner::lsbPicturesListKeyDown(ui::Component&, WORD& key, ui::ShiftState shift) {
    if (ListEditKey(lsbPicturesList, key, shift)) {
        key = 0;
        lsbPicturesListClick(lsbPicturesList);
    } else if (key == VK_RETURN) {
        key = 0;
        spbSetPicture.Click();
    }
}

void TPagePlanner::chbShowPictureClick(ui::Component&) {
    EnablePictureControls();
    if (Loading()) return;
    if (chbShowPicture.Checked())
        lsbPicturesListClick(lsbPicturesList);
    else
        StoreTaskCell(planner::kColPicture, L"");
}

void TPagePlanner::PictureModeClick(ui::Component& sender) {
    if (Loading()) return;
    auto& button = dynamic_cast<ui::SpeedButton&>(sender);
    if (button.Down())
        (&button == &spbRandomPicture ? spbConsistentlyPicture : spbRandomPicture).SetDown(false);
    lsbPicturesListClick(lsbPicturesList);
}

void TPagePlanner::spbOpenPicturesClick(ui::Component&) {
    if (Loading()) return;
    ChooseIntoList(lsbPicturesList,
                   L"Файлы фоновых рисунков (*.bmp;*.jpg;*.jpeg)|*.bmp;*.jpg;*.jpeg|Все файлы (*.*)|*.*",
                   WindowsFolder());
}

void TPagePlanner::spbSetPictureClick(ui::Component&) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    Guarded([&] { SetTaskWallpaper(row); });
}

void TPagePlanner::spbDeletePictureClick(ui::Component&) {
    if (Loading()) return;
    DeleteSelectedItem(lsbPicturesList);
}

void TPagePlanner::spbClearPicturesListClick(ui::Component&) {
    if (Loading()) return;
    lsbPicturesList.Clear();
    StoreTaskCell(planner::kColPicture, L"");
}

// ---- computer actions ----

void TPagePlanner::ShowComputerActionControls() {
    const int index = lsbComputerActions.ItemIndex();
    chbForseCompAction.SetVisible(index >= planner::kActionLogOff);
    spbRunCompAction.SetEnabled(index > planner::kActionNone);
}

void TPagePlanner::lsbComputerActionsClick(ui::Component&) {
    ShowComputerActionControls();
    if (Loading()) return;
    const int index = lsbComputerActions.ItemIndex();
    StoreTaskCell(planner::kColComputer, index > 0 ? lsbComputerActions.Item(index) : std::wstring());
}

void TPagePlanner::spbRunCompActionClick(ui::Component&) {
    if (Loading()) return;
    const int row = stgTasks.Row();
    Guarded([&] { DoComputerAction(row); });
}
