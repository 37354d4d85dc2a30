// The settings window. Created hidden at start-up and alive until the program
// ends; its controls are the live data of the planner, the work-time log, the
// synchronisation, the hot keys and the file lists. Each page's controls and
// handlers live in their own TPage... class (options/page_<name>.h); the
// window is all of them together. A page file belongs to its page's subsystem:
// its empty handlers and Copy...PageSettings are the places to fill, and a
// page reaches the whole window through its private Options().
#pragma once

#include <cstdint>
#include <string>

#include "base/string_list.h"
#include "core/file_lists.h"
#include "core/settings_io.h"
#include "core/window_message.h"
#include "options/format_frames.h"
#include "options/page_hot_keys.h"
#include "options/page_main.h"
#include "options/page_mouse.h"
#include "options/page_planner.h"
#include "options/page_shape.h"
#include "options/page_window.h"
#include "options/page_sound.h"
#include "options/page_speech.h"
#include "options/page_sync.h"
#include "options/page_system_clock.h"
#include "options/page_work_time.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/page_control.h"

// The window and its page control, made before the pages.
class TfrmOptionsBase : public ui::Form {
  public:
    TfrmOptionsBase();

    ui::PageControl pgcOptions;
    ui::Button btnCloseOptions;
};

class TfrmOptions : public TfrmOptionsBase,
                    public TPageMain,
                    public TPageShape,
                    public TPageWindow,
                    public TPageSystemClock,
                    public TPageSound,
                    public TPageSpeech,
                    public TPageWorkTime,
                    public TPageMouse,
                    public TPagePlanner,
                    public TPageSync,
                    public TPageHotKeys,
                    // the ten format editors and their handlers (options/format_frames.h)
                    public TFormatFrames {
  public:
    TfrmOptions();
    ~TfrmOptions() override;

    // ---- The named text formats (options/format_store.cpp)
    // Names and texts (each the comma text of the format's lines); the first
    // BuiltInFormatCount are built in and never stored.
    base::StringList FormatNames, FormatTexts;
    std::int8_t BuiltInFormatCount = 0;
    // The format last chosen for each use.
    std::wstring MainFormatId, HintFormatId, TrayFormatId, SpeakHourFormatId, SpeakIntervalFormatId,
        SpeakTFormatId, TextOnClickFormatId, SpeakOnClickFormatId, TextOnDblClickFormatId,
        SpeakOnDblClickFormatId;
    void InitFormatStore();
    // Refreshes the format choosers of the ten uses.
    void UpdateFormatCombos();

    // ---- The colour items of the colour pages
    int MainBackColorItem = 0, MainTextColorItem = 0, TrayBackColorItem = 0, TrayTextColorItem = 0;

    // ---- Life cycle (options/frm_options.cpp)
    void FormCreate(ui::Component& sender);
    void FormShow(ui::Component& sender);
    void FormHide(ui::Component& sender);
    void FormClose(ui::Component& sender, ui::CloseAction& action);
    void FormDestroy(ui::Component& sender);
    void btnCloseOptionsClick(ui::Component& sender);
    void btnDateTimeClick(ui::Component& sender);
    void btnSunRDClick(ui::Component& sender);
    // Shows the window centred on the screen through the show effect.
    void ShowFormWithEffect();
    void EffectBeginCallback(ui::Component& sender);
    void EffectEndCallback(ui::Component& sender);
    // Opens the window on a page (0..9): the page first, then the effect, or
    // only the focus when the window is already shown.
    void ShowPage(int pageIndex);
    // The window already on the screen takes the focus. While it fades out
    // after a close, the fade is cut short and the window stays open: a page
    // asked for then is shown, not lost.
    void FocusShownWindow();
    // The main window's pictures for the tabs and the action choosers (not owned).
    void SetImages(const ui::ImageList* images);
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

    // ---- Settings file and list files (options/frm_options_settings.cpp)
    // The homes of every key this window keeps (its pages, format names, colour items).
    void BindSettingHomes(core::SettingHomes& homes);
    // Reader R2 and writer W2 (a failure to write is noted for core::ShowSaveFailures).
    void ReadSettings(const base::IniFile& ini);
    void WriteSettings();
    // FileLists.txt and TasksList.tsk into the controls.
    void LoadFileLists();
    // The lists that FileLists.txt stores, as the controls hold them.
    core::FileLists FileListsOfControls() const;
    void ApplyFileLists(const core::FileLists& lists);

  private:
    // While the close's fade plays.
    bool fadingOut_ = false;
    void SetUpImageIndices();
    void SeedColorItems();
    void SetUpGrids();
};
