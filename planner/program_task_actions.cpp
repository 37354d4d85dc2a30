#include "planner/program_task_actions.h"

#include <windows.h>
#include <shellapi.h>

#include <ctime>

#include "base/codec.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/shell_text.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "planner/frm_message.h"
#include "planner/jpeg_picture.h"
#include "planner/next_run.h"
#include "planner/task_actions.h"
#include "planner/task_editor.h"
#include "planner/task_hooks.h"
#include "timetext/speech/system_sound_player.h"
#include "ui/application.h"

namespace planner {

namespace {

// The lists keep files inside the program's folder relative to it.
std::wstring FullPath(const std::wstring& path) {
    return ItemFullPath(path, ProgramFolder().wstring());
}

}  // namespace

ProgramTaskActions::ProgramTaskActions(TfrmOptions& options)
    : options_(options),
      sounds_(options.clbSoundsList),
      files_(options.clbFilesList),
      pictures_(options.lsbPicturesList) {}

std::wstring ProgramTaskActions::BuildFormatText(const std::wstring& format) {
    return frmHoralto ? frmHoralto->BuildFormatText(format) : format;
}

std::wstring ProgramTaskActions::BuildSpokenText(const std::wstring& format) {
    return frmHoralto ? frmHoralto->BuildSpokenText(format) : format;
}

bool ProgramTaskActions::SoundsOff() {
    return frmHoralto && frmHoralto->aSoundOnOff.Checked();
}

void ProgramTaskActions::SpeakText(const std::wstring& text) {
    if (frmHoralto) frmHoralto->SpeakText(text);
}

void ProgramTaskActions::ShowReminder(const std::wstring& title, const std::wstring& text) {
    TfrmMessage::Create()->ShowMessageWin(title, text);
}

void ProgramTaskActions::ShowBalloon(const std::wstring& title, const std::wstring& text) {
    if (!ShowTrayBalloon || !frmHoralto) return;
    // The balloon needs the notification area: the taskbar clock steps aside meanwhile.
    const bool clockShown = frmHoralto->pnlTrayTime.Visible();
    if (clockShown) frmHoralto->RemoveTaskbarClock();
    try {
        ShowTrayBalloon(title, text, frmHoralto->Settings.Planner.BalloonIcon,
                        frmHoralto->Settings.Planner.BalloonDuration);
    } catch (...) {
        // A balloon that cannot be shown is no reason to stop the task.
    }
    if (clockShown) frmHoralto->BuildTaskbarClock(false);
}

void ProgramTaskActions::PlaySound(const std::wstring& file, bool wait) {
    signals::CurrentSoundPlayer().Play(FullPath(file), wait);
}

bool ProgramTaskActions::StartFile(const std::wstring& path, const std::wstring& parameters) {
    // The shell shows no error box of its own: a task's failed start passes
    // silently, the planner page reports its own. Texts longer than the shell
    // takes fail the same way, without a call.
    const std::wstring file = FullPath(path);
    if (!base::ShellCanTake(file, parameters)) return false;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = options_.Handle();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_RESTORE;
    return ShellExecuteExW(&info) && reinterpret_cast<INT_PTR>(info.hInstApp) > 32;
}

std::wstring ProgramTaskActions::ConvertJpeg(const std::wstring& picture) {
    std::string bytes;
    try {
        bytes = JpegToBmpBytes(FullPath(picture));  // a broken picture is reported
    } catch (const PictureTooLargeError&) {
        return {};  // as a wallpaper that cannot be written
    }
    const std::filesystem::path bitmap = WallpaperBitmapPath();
    try {
        base::WriteFileBytes(bitmap, bytes);
    } catch (const std::exception&) {
        return {};  // a wallpaper that cannot be set passes silently
    }
    return bitmap.wstring();
}

void ProgramTaskActions::SetWallpaper(const std::wstring& picture) {
    std::wstring path = FullPath(picture);
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE);
}

void ProgramTaskActions::ShakeWindow() {
    if (frmHoralto) frmHoralto->ShakeWindow();
}

void ProgramTaskActions::ComputerAction(int action) {
    switch (action) {
        case kActionSpeakTime:
            if (!SoundsOff())
                SpeakText(base::FormatDateTime(L"tt", Now(), base::SystemFormatSettings()) + L". ");
            break;
        case kActionSynchronize:
            options_.btnSynchronize.Click();
            break;
        case kActionCloseProgram:
            if (frmHoralto) frmHoralto->Close();
            break;
        case kActionScreenSaver:
            SendMessageW(ui::Application().Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
            break;
        case kActionMonitorOff:
            SendMessageW(ui::Application().Handle(), WM_SYSCOMMAND, SC_MONITORPOWER, 1);
            break;
        default:
            // Log off, reboot, shut down, power off, hibernate, stand by: the
            // action executor's computer actions 22 to 27.
            if (const int kind = ShutdownKindOf(action))
                options_.DoKeyAction(21 + kind, options_.chbForseCompAction.Checked());
            break;
    }
}

bool ProgramTaskActions::Closing() {
    return options_.Tag() == kPhaseExit;
}

long long ProgramTaskActions::CalendarSeconds() {
    return static_cast<long long>(std::time(nullptr));
}

}  // namespace planner
