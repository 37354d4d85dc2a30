// The taskbar's windows, found by class name, and the hook library that tells
// the program at once when the taskbar's clock needs drawing.
#include <filesystem>

#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/skin_description.h"
#include "face/window_background.h"
#include "ui/application.h"

using namespace face;

namespace {

HWND Child(HWND parent, const wchar_t* className) {
    return parent ? FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

// The taskbar: the top-level "Shell_TrayWnd" that holds a notification area
// (a shell may keep more than one window of that class).
HWND FindTaskbar() {
    HWND first = FindWindowW(L"Shell_TrayWnd", nullptr);
    for (HWND w = first; w; w = FindWindowExW(nullptr, w, L"Shell_TrayWnd", nullptr))
        if (Child(w, L"TrayNotifyWnd")) return w;
    return first;
}

}  // namespace

void face::LookUpTaskbarWindows(TaskbarWindowHandles& w) {
    w.taskbar = FindTaskbar();
    w.notifyArea = Child(w.taskbar, L"TrayNotifyWnd");
    w.iconToolbar = Child(w.taskbar, L"ToolbarWindow32");
    if (!w.iconToolbar) w.iconToolbar = Child(Child(w.notifyArea, L"SysPager"), L"ToolbarWindow32");
    w.clock = Child(w.notifyArea, L"TrayClockWClass");
    w.taskBand = Child(w.taskbar, L"ReBarWindow32");
    w.desktopIcons = FindDesktopIconWindow();
}

void TfrmHoralto::FindTaskbarWindows() {
    TaskbarWindowHandles& w = Face().taskbarClock.windows;
    LookUpTaskbarWindows(w);
    // The taskbar was made anew: the clock moves into the new one (also when
    // it went away for a while and the clock was waiting for it).
    if ((pnlTrayTime.Visible() || Face().taskbarClock.wanted) && IsWindow(w.clock)) {
        pnlTrayTime.Hide();
        // The panel's window goes with the old taskbar's windows, perhaps only
        // after this (the taskbar is another program): it is made anew now.
        if (pnlTrayTime.HandleAllocated()) DestroyWindow(pnlTrayTime.Handle());
        BuildTaskbarClock(false);
    }
}

void TfrmHoralto::SetTaskbarHook(bool on) {
    ui::ModuleHandle& library = Face().taskbarClock.hookLibrary;
    if (!library) {
        if (!on) return;  // never started
        // Without the library the tray timer alone keeps the clock up to date.
        const std::wstring file = FolderOf(ui::Application().ExeName()) + L"Quellix.dll";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) return;
        library.Reset(LoadLibraryW(file.c_str()));
        if (!library) return;
    }
    if (on) {
        using StartHook = void(__stdcall*)(HWND);
        if (auto start = reinterpret_cast<StartHook>(
                reinterpret_cast<void*>(GetProcAddress(library.Get(), "_StartHook"))))
            start(Handle());
    } else {
        using RemoveHook = void(__stdcall*)();
        if (auto remove = reinterpret_cast<RemoveHook>(
                reinterpret_cast<void*>(GetProcAddress(library.Get(), "_RemoveHook"))))
            remove();
        library.Reset();
    }
}
