// What a task's run does in the running program: the main window's texts,
// speech and attention effect, the reminder window, the tray balloon, the
// sound player, the shell, the wallpaper and the action executor.
#pragma once

#include "planner/shared_lists.h"
#include "planner/task_runner.h"

class TfrmOptions;

namespace planner {

class ProgramTaskActions : public TaskActions {
  public:
    explicit ProgramTaskActions(TfrmOptions& options);

    std::wstring BuildFormatText(const std::wstring& format) override;
    std::wstring BuildSpokenText(const std::wstring& format) override;
    bool SoundsOff() override;
    void SpeakText(const std::wstring& text) override;
    void ShowReminder(const std::wstring& title, const std::wstring& text) override;
    void ShowBalloon(const std::wstring& title, const std::wstring& text) override;
    void PlaySound(const std::wstring& file, bool wait) override;
    bool StartFile(const std::wstring& path, const std::wstring& parameters) override;
    std::wstring ConvertJpeg(const std::wstring& picture) override;
    void SetWallpaper(const std::wstring& picture) override;
    void ShakeWindow() override;
    void ComputerAction(int action) override;
    bool Closing() override;
    long long CalendarSeconds() override;
    SharedList& Sounds() override { return sounds_; }
    SharedList& Files() override { return files_; }
    SharedList& Pictures() override { return pictures_; }

  private:
    TfrmOptions& options_;
    CheckListItems sounds_;
    CheckListItems files_;
    ListBoxItems pictures_;
};

}  // namespace planner
