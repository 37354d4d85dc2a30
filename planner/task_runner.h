// Running one task row: its message, sounds, files, desktop picture, the
// clock's attention effect and its computer action, in that order. What each
// action does in the world goes through TaskActions; the rules (which list item
// comes next, what is written back into the row) are here.
#pragma once

#include <string>

#include "planner/task_grid.h"

namespace planner {

// One of the planner page's shared lists (sounds, files, pictures): items,
// check marks and the selected item.
class SharedList {
  public:
    virtual ~SharedList() = default;
    virtual int Count() const = 0;
    virtual std::wstring Item(int index) const = 0;
    // First item equal to text ignoring case, or -1.
    virtual int IndexOf(const std::wstring& text) const = 0;
    virtual int Add(const std::wstring& item) = 0;
    virtual void SetChecked(int index, bool checked) = 0;  // lists without marks ignore it
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};

class TaskActions {
  public:
    virtual ~TaskActions() = default;
    // The text-format builder (template tags).
    virtual std::wstring BuildFormatText(const std::wstring& format) = 0;
    // The same for a text that is spoken: built from the part of it that is spoken.
    virtual std::wstring BuildSpokenText(const std::wstring& format) = 0;
    // True while all sounds are off.
    virtual bool SoundsOff() = 0;
    virtual void SpeakText(const std::wstring& text) = 0;
    virtual void ShowReminder(const std::wstring& title, const std::wstring& text) = 0;
    // The tray balloon (its failures are the implementation's to swallow).
    virtual void ShowBalloon(const std::wstring& title, const std::wstring& text) = 0;
    // Plays a WAV file; with wait, returns when it has ended.
    virtual void PlaySound(const std::wstring& file, bool wait) = 0;
    // Starts a program or opens a file; false when the shell refused it.
    virtual bool StartFile(const std::wstring& path, const std::wstring& parameters) = 0;
    // A JPEG picture as a bitmap the wallpaper can use; returns the bitmap's
    // path, or empty when the bitmap could not be written (the picture step
    // then passes quietly). A picture that cannot be decoded throws.
    virtual std::wstring ConvertJpeg(const std::wstring& picture) = 0;
    virtual void SetWallpaper(const std::wstring& picture) = 0;
    // The clock window's attention effect.
    virtual void ShakeWindow() = 0;
    // One of the computer actions 1 to 11 (see task_actions.h).
    virtual void ComputerAction(int action) = 0;
    // True while the program is closing.
    virtual bool Closing() = 0;
    // The calendar time in seconds (seeds each random pick).
    virtual long long CalendarSeconds() = 0;

    virtual SharedList& Sounds() = 0;
    virtual SharedList& Files() = 0;
    virtual SharedList& Pictures() = 0;
};

class TaskRunner {
  public:
    TaskRunner(TaskGrid& grid, TaskActions& actions) : grid_(grid), actions_(actions) {}

    void ExecuteTask(int row);
    void ShowTaskMessage(int row);
    void PlayTaskSounds(int row);
    void RunTaskFiles(int row);
    void SetTaskWallpaper(int row);
    void DoComputerAction(int row);
    // Starts one file item ("path|parameters"); true when the shell took it.
    bool RunFile(const std::wstring& item);

  private:
    // The step of a "*" or ">" list from `from`: writes mode and the next item
    // into the cell and returns the next item's index.
    int StepModeList(SharedList& list, int col, int row, wchar_t mode, int from);

    TaskGrid& grid_;
    TaskActions& actions_;
};

}  // namespace planner
