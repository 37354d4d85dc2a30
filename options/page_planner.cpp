#include "options/page_planner.h"

#include "base/format_settings.h"
#include "base/codec.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/control_homes.h"
#include "options/dialog_font.h"
#include "options/frm_options.h"
#include "planner/coming_task_menu.h"
#include "planner/frm_days.h"
#include "planner/next_run.h"
#include "planner/program_task_actions.h"
#include "planner/task_actions.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_runner.h"
#include "ui/application.h"

void StringGridTasks::SetCell(int col, int row, const std::wstring& text) {
    if (col >= grid_.ColCount()) grid_.SetColCount(col + 1);
    grid_.SetCell(col, row, text);
}

void StringGridTasks::SetRow(int row) {
    const bool was = moving_;
    moving_ = true;
    try {
        grid_.SetRow(row);
    } catch (...) {
        moving_ = was;
        throw;
    }
    moving_ = was;
}

TPagePlanner::TPagePlanner(ui::PageControl& pgcOptions, ui::Form& form)
    : tbsPlanner(pgcOptions, L"tbsPlanner", L"Планировщик"),
      stgTasks(&tbsPlanner, L"stgTasks"),
      pmnPlanner(&form, L"pmnPlanner"),
      pmiPlannerOff(pmnPlanner, L"pmiPlannerOff"),
      pmiShowInMenu(pmnPlanner, L"pmiShowInMenu", L"Показывать в меню"),
      spbRunTask(&tbsPlanner, L"spbRunTask", options::kPlayTriangle),
      spbDeleteTask(&tbsPlanner, L"spbDeleteTask", L"-"),
      spbClearTasks(&tbsPlanner, L"spbClearTasks", L"X"),
      spbHelpFormatsPlan(&tbsPlanner, L"spbHelpFormatsPlan", L"?"),
      btnPlannerOn(&tbsPlanner, L"btnPlannerOn", L"Включить планировщик"),
      pnlEvent(&tbsPlanner, L"pnlEvent"),
      lblDay(&pnlEvent, L"lblDay", L"День:"),
      dtpDate(&pnlEvent, L"dtpDate"),
      spbDays(&pnlEvent, L"spbDays", L"Другой..."),
      lblTime(&pnlEvent, L"lblTime", L"Время:"),
      cmbEventTime(&pnlEvent, L"cmbEventTime"),
      dtpTime(&pnlEvent, L"dtpTime"),
      chbExecOneTime(&pnlEvent, L"chbExecOneTime", L"1 раз"),
      chbDeleteAfterExec(&pnlEvent, L"chbDeleteAfterExec", L"Удалить после выполнения"),
      lblDescription(&pnlEvent, L"lblDescription", L"Описание:"),
      edtEventDescription(&pnlEvent, L"edtEventDescription"),
      chbShowExecEvent(&pnlEvent, L"chbShowExecEvent", L"Показывать описание после выполнения"),
      chbShakeWindow(&pnlEvent, L"chbShakeWindow", L"Оживить окно"),
      spbMessage(&pnlEvent, L"spbMessage", L"Сообщение"),
      spbSounds(&pnlEvent, L"spbSounds", L"Звуки"),
      spbFiles(&pnlEvent, L"spbFiles", L"Файлы"),
      spbPictures(&pnlEvent, L"spbPictures", L"Картинки"),
      spbComputer(&pnlEvent, L"spbComputer", L"Компьютер"),
      pnlMessage(&pnlEvent, L"pnlMessage"),
      lblTitleMessage(&pnlMessage, L"lblTitleMessage", L"Заголовок:"),
      edtTitleMessage(&pnlMessage, L"edtTitleMessage"),
      memMessage(&pnlMessage, L"memMessage"),
      chbShowMessageBox(&pnlMessage, L"chbShowMessageBox", L"В окне"),
      chbShowBalloonHint(&pnlMessage, L"chbShowBalloonHint", L"В трее"),
      chbSpeakMessage(&pnlMessage, L"chbSpeakMessage", L"Говорить"),
      btnBalloonHintOptions(&pnlMessage, L"btnBalloonHintOptions", L"..."),
      spbMakeMessage(&pnlMessage, L"spbMakeMessage", options::kPlayTriangle),
      pnlSounds(&pnlEvent, L"pnlSounds"),
      clbSoundsList(&pnlSounds, L"clbSoundsList"),
      spbPlaySoundA(&pnlSounds, L"spbPlaySoundA", options::kPlayTriangle),
      spbOpenSoundA(&pnlSounds, L"spbOpenSoundA", L"+"),
      spbDeleteSound(&pnlSounds, L"spbDeleteSound", L"-"),
      spbClearSoundsList(&pnlSounds, L"spbClearSoundsList", L"X"),
      spbConsistentlyPlay(&pnlSounds, L"spbConsistentlyPlay", L">"),
      spbRandomPlay(&pnlSounds, L"spbRandomPlay", L"*"),
      pnlFiles(&pnlEvent, L"pnlFiles"),
      clbFilesList(&pnlFiles, L"clbFilesList"),
      edtProgCommand(&pnlFiles, L"edtProgCommand"),
      spbOpenFileA(&pnlFiles, L"spbOpenFileA", L"+"),
      spbRunFileA(&pnlFiles, L"spbRunFileA", options::kPlayTriangle),
      spbDeleteFileA(&pnlFiles, L"spbDeleteFileA", L"-"),
      spbClearFilesList(&pnlFiles, L"spbClearFilesList", L"X"),
      spbConsistentlyFile(&pnlFiles, L"spbConsistentlyFile", L">"),
      spbRandomFile(&pnlFiles, L"spbRandomFile", L"*"),
      pnlPictures(&pnlEvent, L"pnlPictures"),
      chbShowPicture(&pnlPictures, L"chbShowPicture", L"Показать"),
      lsbPicturesList(&pnlPictures, L"lsbPicturesList"),
      spbOpenPictures(&pnlPictures, L"spbOpenPictures", L"+"),
      spbSetPicture(&pnlPictures, L"spbSetPicture", options::kPlayTriangle),
      spbDeletePicture(&pnlPictures, L"spbDeletePicture", L"-"),
      spbClearPicturesList(&pnlPictures, L"spbClearPicturesList", L"X"),
      spbConsistentlyPicture(&pnlPictures, L"spbConsistentlyPicture", L">"),
      spbRandomPicture(&pnlPictures, L"spbRandomPicture", L"*"),
      pnlComputer(&pnlEvent, L"pnlComputer"),
      lblComputerAction(&pnlComputer, L"lblComputerAction", L"Действие:"),
      lsbComputerActions(&pnlComputer, L"lsbComputerActions"),
      chbForseCompAction(&pnlComputer, L"chbForseCompAction", L"Форсировано"),
      spbRunCompAction(&pnlComputer, L"spbRunCompAction", options::kPlayTriangle),
      Tasks(TaskCells, NextRunTimes, EarliestTaskTime, base::SystemFormatSettings()) {
    stgTasks.SetColCount(planner::kTaskColCount);
    stgTasks.SetRowCount(2);
    stgTasks.SetRowSelect(true);
    stgTasks.SetPopupMenu(&pmnPlanner);
    pmiShowInMenu.SetAutoCheck(true);
    pmiShowInMenu.SetChecked(true);
    LayOutPage();
    BindPageEvents();

    Tasks.OnLoadEditor = [this] { LoadTaskToEditor(); };
    Tasks.OnComingTasks = [this](const std::vector<planner::ComingTask>&) { RebuildComingTaskMenu(); };
    // A task that fails is reported; the other tasks and the planning go on.
    Tasks.OnTaskError = [](int, std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (...) {
            ui::Application().HandleException();
        }
    };
}

void TPagePlanner::LayOutPage() {
    for (ui::SpeedButton* run :
         {&spbRunTask, &spbMakeMessage, &spbPlaySoundA, &spbRunFileA, &spbSetPicture, &spbRunCompAction})
        run->SetFont(options::PlayTriangleFont());

    stgTasks.SetBounds(4, 4, 447, 140);
    const int buttonsTop = 148;
    spbRunTask.SetBounds(4, buttonsTop, 23, 23);
    spbDeleteTask.SetBounds(28, buttonsTop, 23, 23);
    spbClearTasks.SetBounds(52, buttonsTop, 23, 23);
    spbHelpFormatsPlan.SetBounds(428, buttonsTop, 23, 23);
    spbRunTask.SetHint(L"Выполнить выбранное задание (Enter)");
    spbDeleteTask.SetHint(L"Удалить задание из спика (Del)");
    spbClearTasks.SetHint(L"Очистить список заданий");
    spbHelpFormatsPlan.SetHint(L"Помощь по форматам");
    btnPlannerOn.SetBounds(4, 178, 200, 25);
    btnPlannerOn.SetVisible(false);

    // The editor of the selected task.
    pnlEvent.SetBounds(0, 174, 455, 306);
    pnlEvent.SetBevelOuter(ui::bvNone);
    lblDay.SetBounds(4, 6, 36, 17);
    dtpDate.SetBounds(40, 2, 104, 21);
    spbDays.SetBounds(146, 2, 68, 21);
    spbDays.SetGroupIndex(3);
    spbDays.SetAllowAllUp(true);
    spbDays.SetHint(L"Выбор дней");
    lblTime.SetBounds(220, 6, 44, 17);
    cmbEventTime.SetBounds(264, 2, 187, 21);
    cmbEventTime.SetStyle(ui::csDropDownList);
    cmbEventTime.SetItems(
        {L"В заданное время", L"Через заданное время", L"При запуске программы", L"При выходе из программы"});
    cmbEventTime.SetItemIndex(0);
    chbDeleteAfterExec.SetBounds(4, 30, 220, 17);
    dtpTime.SetBounds(264, 27, 90, 21);
    dtpTime.SetKind(ui::dtkTime);
    dtpTime.SetFormat(L"HH:mm:ss");
    chbExecOneTime.SetBounds(364, 29, 86, 17);
    chbExecOneTime.SetVisible(false);
    chbExecOneTime.SetHint(
        L"Выполнить задание один раз через заданное время\r\n(если не отмечено, задание будет выполнятся "
        L"\r\nповторно через заданное время)");
    lblDescription.SetBounds(4, 56, 72, 17);
    edtEventDescription.SetBounds(78, 52, 373, 21);
    edtEventDescription.SetHint(L"Описание задания, например: До Нового года осталось %y%dtt");
    chbShowExecEvent.SetBounds(4, 78, 316, 17);
    chbShowExecEvent.SetEnabled(false);
    chbShakeWindow.SetBounds(330, 78, 120, 17);
    chbShakeWindow.SetChecked(true);

    int left = 4;
    for (ui::SpeedButton* b : {&spbMessage, &spbSounds, &spbFiles, &spbPictures, &spbComputer}) {
        b->SetBounds(left, 99, 89, 23);
        b->SetGroupIndex(1);
        left += 89;
    }
    spbMessage.SetDown(true);

    for (ui::Panel* p : {&pnlMessage, &pnlSounds, &pnlFiles, &pnlPictures, &pnlComputer}) {
        p->SetBounds(4, 126, 447, 178);
        p->SetBevelOuter(ui::bvNone);
        p->SetVisible(p == &pnlMessage);
    }
    // A column of small buttons at the right of a panel.
    auto column = [](std::initializer_list<std::pair<ui::SpeedButton*, int>> buttons) {
        for (auto [button, top] : buttons) button->SetBounds(424, top, 23, 23);
    };

    lblTitleMessage.SetBounds(0, 4, 74, 17);
    edtTitleMessage.SetBounds(76, 0, 280, 21);
    edtTitleMessage.SetText(L"<time>");
    edtTitleMessage.SetHint(L"Заголовок сообщения\r\n( для отображения времени введите <tt> )");
    memMessage.SetBounds(0, 26, 356, 152);
    memMessage.SetScrollBars(ui::ssVertical);
    memMessage.SetHint(L"Текст сообщения\r\n( для отображения времени введите <time> )");
    chbShowMessageBox.SetBounds(362, 28, 84, 17);
    chbShowBalloonHint.SetBounds(362, 50, 60, 17);
    btnBalloonHintOptions.SetBounds(424, 48, 23, 21);
    chbSpeakMessage.SetBounds(362, 72, 84, 17);
    for (ui::CheckBox* c : {&chbShowMessageBox, &chbShowBalloonHint, &chbSpeakMessage}) c->SetChecked(true);
    spbMakeMessage.SetBounds(362, 98, 23, 23);
    spbMakeMessage.SetHint(L"Вызвать сообщение");

    clbSoundsList.SetBounds(0, 0, 418, 178);
    column({{&spbPlaySoundA, 0},
            {&spbOpenSoundA, 24},
            {&spbDeleteSound, 48},
            {&spbClearSoundsList, 72},
            {&spbConsistentlyPlay, 108},
            {&spbRandomPlay, 132}});
    spbPlaySoundA.SetHint(L"Воспроизвести выбранные звуки");
    spbOpenSoundA.SetHint(L"Добавить звуки в список");
    spbDeleteSound.SetHint(L"Удалить звук из списка (Del)");
    spbClearSoundsList.SetHint(L"Очистить список звуков");
    spbConsistentlyPlay.SetHint(L"Воспроизводить по порядку");
    spbRandomPlay.SetHint(L"Воспроизводить в случайном порядке");

    clbFilesList.SetBounds(0, 0, 418, 150);
    edtProgCommand.SetBounds(0, 156, 418, 21);
    edtProgCommand.SetHint(L"Параметры, передаваемые в коммандной строке");
    column({{&spbRunFileA, 0},
            {&spbOpenFileA, 24},
            {&spbDeleteFileA, 48},
            {&spbClearFilesList, 72},
            {&spbConsistentlyFile, 108},
            {&spbRandomFile, 132}});
    spbRunFileA.SetHint(L"Запустить выбранные файлы");
    spbOpenFileA.SetHint(L"Добавить файлы в список");
    spbDeleteFileA.SetHint(L"Удалить файл из списка (Del)");
    spbClearFilesList.SetHint(L"Очистить список файлов");
    spbConsistentlyFile.SetHint(L"Запускать по порядку");
    spbRandomFile.SetHint(L"Запускать в случайном порядке");

    chbShowPicture.SetBounds(0, 0, 150, 17);
    lsbPicturesList.SetBounds(0, 22, 418, 156);
    column({{&spbSetPicture, 0},
            {&spbOpenPictures, 24},
            {&spbDeletePicture, 48},
            {&spbClearPicturesList, 72},
            {&spbConsistentlyPicture, 108},
            {&spbRandomPicture, 132}});
    spbSetPicture.SetHint(L"Сделать картинку фоном рабочего стола (Enter)");
    spbOpenPictures.SetHint(L"Добавить картинки в список");
    spbDeletePicture.SetHint(L"Удалить картинку из списка (Del)");
    spbClearPicturesList.SetHint(L"Очистить список картинок");
    spbConsistentlyPicture.SetHint(L"Показывать по порядку");
    spbRandomPicture.SetHint(L"Показывать в случайном порядке");

    lblComputerAction.SetBounds(0, 0, 80, 17);
    lsbComputerActions.SetBounds(0, 18, 418, 136);
    std::vector<std::wstring> actions(planner::ComputerActionItems().begin(),
                                      planner::ComputerActionItems().end());
    lsbComputerActions.SetItems(actions);
    chbForseCompAction.SetBounds(0, 158, 150, 17);
    chbForseCompAction.SetChecked(true);
    chbForseCompAction.SetVisible(false);
    chbForseCompAction.SetHint(
        L"Если выбран, то компьютер выключится в любом случае, \r\nпри этом могут быть утеряны несохраненные "
        L"данные.\r\nИначе компьютер может вообще не выключиться, т. к. \r\nможет появиться подтверждение на "
        L"сохранение документа.");
    column({{&spbRunCompAction, 18}});
    spbRunCompAction.SetHint(L"Выполнить выбранное действие");
    spbRunCompAction.SetEnabled(false);

    // The mode buttons of a panel form one group; both may be up.
    for (auto [a, b] :
         {std::pair{&spbConsistentlyPlay, &spbRandomPlay}, std::pair{&spbConsistentlyFile, &spbRandomFile},
          std::pair{&spbConsistentlyPicture, &spbRandomPicture}})
        for (ui::SpeedButton* mode : {a, b}) {
            mode->SetGroupIndex(2);
            mode->SetAllowAllUp(true);
        }
    EnablePictureControls();
}

void TPagePlanner::BindPageEvents() {
    using ui::Component;
    auto bind = [this](ui::NotifyEvent& event, void (TPagePlanner::*handler)(Component&)) {
        event = [this, handler](Component& s) { (this->*handler)(s); };
    };
    bind(tbsPlanner.OnShow, &TPagePlanner::tbsPlannerShow);
    bind(stgTasks.OnClick, &TPagePlanner::stgTasksClick);
    bind(stgTasks.OnDblClick, &TPagePlanner::stgTasksDblClick);
    stgTasks.OnKeyDown = [this](Component& s, WORD& k, ui::ShiftState sh) { stgTasksKeyDown(s, k, sh); };
    stgTasks.OnDrawCell = [this](Component& s, int c, int r, HDC dc, const RECT& rect, UINT state) {
        stgTasksDrawCell(s, c, r, dc, rect, state);
    };
    stgTasks.OnMouseMove = [this](Component& s, ui::ShiftState sh, int x, int y) {
        stgTasksMouseMove(s, sh, x, y);
    };
    bind(pmiShowInMenu.OnClick, &TPagePlanner::pmiShowInMenuClick);
    bind(spbRunTask.OnClick, &TPagePlanner::spbRunTaskClick);
    bind(spbDeleteTask.OnClick, &TPagePlanner::spbDeleteTaskClick);
    bind(spbClearTasks.OnClick, &TPagePlanner::spbClearTasksClick);
    bind(spbHelpFormatsPlan.OnClick, &TPagePlanner::spbHelpFormatsPlanClick);
    bind(btnPlannerOn.OnClick, &TPagePlanner::btnPlannerOnClick);

    bind(dtpDate.OnChange, &TPagePlanner::dtpDateChange);
    bind(spbDays.OnClick, &TPagePlanner::spbDaysClick);
    bind(cmbEventTime.OnChange, &TPagePlanner::cmbEventTimeChange);
    bind(dtpTime.OnChange, &TPagePlanner::dtpTimeChange);
    dtpTime.OnKeyDown = [this](Component& s, WORD& k, ui::ShiftState sh) { dtpTimeKeyDown(s, k, sh); };
    bind(chbExecOneTime.OnClick, &TPagePlanner::chbExecOneTimeClick);
    bind(chbDeleteAfterExec.OnClick, &TPagePlanner::chbDeleteAfterExecClick);
    bind(edtEventDescription.OnChange, &TPagePlanner::edtEventDescriptionChange);
    bind(chbShowExecEvent.OnClick, &TPagePlanner::edtEventDescriptionChange);
    bind(chbShakeWindow.OnClick, &TPagePlanner::edtEventDescriptionChange);
    for (ui::SpeedButton* b : {&spbMessage, &spbSounds, &spbFiles, &spbPictures, &spbComputer})
        bind(b->OnClick, &TPagePlanner::ActionsPanelChange);

    bind(memMessage.OnChange, &TPagePlanner::memMessageChange);
    bind(edtTitleMessage.OnChange, &TPagePlanner::memMessageChange);
    for (ui::CheckBox* c : {&chbShowMessageBox, &chbShowBalloonHint, &chbSpeakMessage})
        bind(c->OnClick, &TPagePlanner::memMessageChange);
    bind(btnBalloonHintOptions.OnClick, &TPagePlanner::btnBalloonHintOptionsClick);
    bind(spbMakeMessage.OnClick, &TPagePlanner::spbMakeMessageClick);

    for (ui::CheckListBox* list : std::initializer_list<ui::CheckListBox*>{&clbSoundsList, &clbFilesList}) {
        bind(list->OnClickCheck, &TPagePlanner::CheckListClickCheck);
        list->OnKeyDown = [this](Component& s, WORD& k, ui::ShiftState sh) { CheckListKeyDown(s, k, sh); };
    }
    for (ui::ListBox* list : std::initializer_list<ui::ListBox*>{&clbSoundsList, &clbFilesList,
                                                                 &lsbPicturesList, &lsbComputerActions})
        list->OnMouseMove = [this](Component& s, ui::ShiftState sh, int x, int y) {
            CheckListMouseMove(s, sh, x, y);
        };
    for (ui::SpeedButton* b : {&spbConsistentlyPlay, &spbRandomPlay, &spbConsistentlyFile, &spbRandomFile})
        bind(b->OnClick, &TPagePlanner::ListModeClick);
    bind(clbSoundsList.OnClick, &TPagePlanner::clbSoundsListClick);
    bind(clbSoundsList.OnDblClick, &TPagePlanner::clbSoundsListDblClick);
    bind(spbPlaySoundA.OnClick, &TPagePlanner::spbPlaySoundAClick);
    bind(spbOpenSoundA.OnClick, &TPagePlanner::spbOpenSoundAClick);
    bind(spbDeleteSound.OnClick, &TPagePlanner::spbDeleteSoundClick);
    bind(spbClearSoundsList.OnClick, &TPagePlanner::spbClearSoundsListClick);
    bind(clbFilesList.OnClick, &TPagePlanner::clbFilesListClick);
    bind(clbFilesList.OnDblClick, &TPagePlanner::clbFilesListDblClick);
    bind(edtProgCommand.OnChange, &TPagePlanner::edtProgCommandChange);
    bind(spbOpenFileA.OnClick, &TPagePlanner::spbOpenFileAClick);
    bind(spbRunFileA.OnClick, &TPagePlanner::spbRunFileAClick);
    bind(spbDeleteFileA.OnClick, &TPagePlanner::spbDeleteFileAClick);
    bind(spbClearFilesList.OnClick, &TPagePlanner::spbClearFilesListClick);

    bind(lsbPicturesList.OnClick, &TPagePlanner::lsbPicturesListClick);
    bind(lsbPicturesList.OnDblClick, &TPagePlanner::lsbPicturesListDblClick);
    lsbPicturesList.OnKeyDown = [this](Component& s, WORD& k, ui::ShiftState sh) {
        lsbPicturesListKeyDown(s, k, sh);
    };
    bind(chbShowPicture.OnClick, &TPagePlanner::chbShowPictureClick);
    for (ui::SpeedButton* b : {&spbConsistentlyPicture, &spbRandomPicture})
        bind(b->OnClick, &TPagePlanner::PictureModeClick);
    bind(spbOpenPictures.OnClick, &TPagePlanner::spbOpenPicturesClick);
    bind(spbSetPicture.OnClick, &TPagePlanner::spbSetPictureClick);
    bind(spbDeletePicture.OnClick, &TPagePlanner::spbDeletePictureClick);
    bind(spbClearPicturesList.OnClick, &TPagePlanner::spbClearPicturesListClick);
    bind(lsbComputerActions.OnClick, &TPagePlanner::lsbComputerActionsClick);
    bind(spbRunCompAction.OnClick, &TPagePlanner::spbRunCompActionClick);
}

TPagePlanner::~TPagePlanner() = default;

TfrmOptions& TPagePlanner::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPagePlanner::BindPlannerPageSettings(core::SettingHomes& homes) {
    options::BindChecked(homes, L"chbForseCompAction", chbForseCompAction);
    // Read as false, the item (checked at start) is clicked.
    homes.BindBool(
        L"pmiShowInMenu", [this] { return pmiShowInMenu.Checked(); },
        [this](bool v) {
            if (v != pmiShowInMenu.Checked()) pmiShowInMenu.Click();
        });
}

void TPagePlanner::CopyPlannerPageSettings() {
    pmiPlannerOff.SetAction(&frmHoralto->aPlannerOnOff);
    ShowPlannerState(frmHoralto->aPlannerOnOff.Checked());
}

void TPagePlanner::ShowPlannerState(bool off) {
    // The editor is there while the planner is on.
    pnlEvent.SetVisible(!off);
    btnPlannerOn.SetVisible(off);
    tbsPlanner.SetImageIndex(off ? 20 : 13);
    Tasks.SetPlannerOff(off);
}

void TPagePlanner::CreateDayPicker() {
    if (!planner::frmDays) ui::Application().CreateForm(planner::frmDays);
    planner::frmDays->OnApply = [this] { DaysApply(); };
}

bool TPagePlanner::Loading() {
    return Options().Tag() != 0;
}

void TPagePlanner::Guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        ui::Application().HandleException();
    }
}

void TPagePlanner::LoadTaskFile(const std::filesystem::path& file) {
    if (const auto bytes = core::ReadDataFileAtStart(file))
        planner::LoadTaskFileBytes(base::DataBytes1251(*bytes), TaskCells,
                                   planner::ScheduleCellReader(Tasks.Settings(), Now()));
}

std::string TPagePlanner::TaskFileData() const {
    return planner::TaskFileBytes(TaskCells);
}

void TPagePlanner::RefreshTaskList() {
    Tasks.RefreshTaskList(Now(), Options().Tag());
}

void TPagePlanner::RescheduleTask(int row) {
    Tasks.RescheduleTask(row, Now(), Options().Tag());
}

void TPagePlanner::RunExitTasks() {
    // Whatever happens here, the task file is written afterwards.
    try {
        Tasks.RunExitTasks(Now(), [this](int row) { ExecuteTask(row); });
    } catch (...) {
        ui::Application().HandleException();
    }
}

// ---- Next runs, running tasks and the coming-task menu

planner::TaskRunner& TPagePlanner::Runner() {
    if (!runner_) {
        taskActions_ = std::make_unique<planner::ProgramTaskActions>(Options());
        runner_ = std::make_unique<planner::TaskRunner>(TaskCells, *taskActions_);
    }
    return *runner_;
}

double TPagePlanner::CalcNextRun(int row) {
    return Tasks.CalcNextRun(row, Now(), Options().Tag());
}

void TPagePlanner::UpdateTaskNextRun() {
    Tasks.UpdateTaskNextRun(Now());
}

void TPagePlanner::DeleteTaskRow(int row) {
    Tasks.DeleteTaskRow(row);
}

void TPagePlanner::ExecuteTask(int row) {
    Runner().ExecuteTask(row);
}

void TPagePlanner::ShowTaskMessage(int row) {
    Runner().ShowTaskMessage(row);
}

void TPagePlanner::PlayTaskSounds(int row) {
    Runner().PlayTaskSounds(row);
}

void TPagePlanner::RunTaskFiles(int row) {
    Runner().RunTaskFiles(row);
}

void TPagePlanner::SetTaskWallpaper(int row) {
    Runner().SetTaskWallpaper(row);
}

void TPagePlanner::DoComputerAction(int row) {
    Runner().DoComputerAction(row);
}

bool TPagePlanner::RunFile(const std::wstring& item) {
    return Runner().RunFile(item);
}

void TPagePlanner::RunTaskNow(int row) {
    if (row < 1 || row >= stgTasks.RowCount() - 1) return;
    try {
        ExecuteTask(row);
    } catch (...) {
        ui::Application().HandleException();  // the task is planned again all the same
    }
    if (row < static_cast<int>(Tasks.NextRunTimes.size()) + 1)
        Tasks.NextRunTimes[static_cast<std::size_t>(row - 1)] = CalcNextRun(row);
    RescheduleTask(row);
}

void TPagePlanner::pmiTaskClick(ui::Component& sender) {
    const int row = sender.Tag();
    if (row < 1 || row >= stgTasks.RowCount() - 1) return;
    stgTasks.SetRow(row);
    spbRunTask.Click();
}

void TPagePlanner::pmiShowInMenuClick(ui::Component&) {
    if (!frmHoralto) return;
    frmHoralto->pmiTasks.SetVisible(pmiShowInMenu.Checked());
    if (pmiShowInMenu.Checked()) UpdateTaskNextRun();
}

void TPagePlanner::RunDueTasks(double since, double now, const planner::RealAge& age) {
    Tasks.RunMarkedTasks(
        since, now, Options().Tag(), [this](int row) { ExecuteTask(row); }, age);
}

void TPagePlanner::RebuildComingTaskMenu() {
    if (!frmHoralto) return;
    static const std::vector<planner::ComingTask> none;
    // The items can be chosen while the planner is on (its action unchecked).
    planner::FillComingTaskMenu(frmHoralto->pmiTasks, pmiShowInMenu.Checked() ? Tasks.ComingTasks() : none,
                                !frmHoralto->aPlannerOnOff.Checked(),
                                [this](ui::Component& sender) { pmiTaskClick(sender); });
}
