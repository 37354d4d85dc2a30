// The taskbar clock: the panel pnlTrayTime put into the system clock's window
// of the taskbar, showing a text or a small skinned clock, kept in place and
// drawn by tmrTrayTimer (and at once on the hook library's WM_USER+6).
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/string_list.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/taskbar_clock.h"
#include "face/taskbar_layout.h"
#include "face/window_background.h"
#include "options/frm_options.h"
#include "timetext/speech/multi_speech.h"
#include "ui/application.h"

using namespace face;
using namespace Gdiplus;

namespace {

constexpr wchar_t kStandardBackground[] = L"Стандартная";

TaskbarClockState& Tray(TfrmHoralto& f) {
    return f.Face().taskbarClock;
}

bool SkinShown(TfrmHoralto& f) {
    return f.Settings.SystemClock.UseTraySkis && !Tray(f).label && f.Face().TraySkin.Loaded();
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    if (hwnd) GetWindowRect(hwnd, &r);
    return r;
}
TrayRect ToTray(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The taskbar is asked to lay its windows out again; a hung taskbar is not waited for.
void RelayoutTaskbar(HWND taskbar) {
    if (!taskbar) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(taskbar, WM_SIZE, 1, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 1000, &result);
}

// The catalogue entry of the taskbar clock's skin (an index past the end names
// nothing, and the built-in skin takes its place).
void LoadTraySkin(TfrmHoralto& f, bool useSkinScale) {
    const int i = f.Settings.SystemClock.TraySkinIndex;
    const bool known = i > 0 && i < f.SkinFiles.Count() && i < f.SkinNames.Count();
    f.LoadSkin(known ? f.SkinFiles[i] : std::wstring(), known ? f.SkinNames[i] : std::wstring(), true,
               useSkinScale);
}

ui::TColor FontColorOf(int argb) {
    const Argb c = static_cast<Argb>(argb);
    return ui::TColor(RedOf(c) | (GreenOf(c) << 8) | (BlueOf(c) << 16));
}

ui::Alignment LabelAlignment(int align) {
    return align == 1 ? ui::taCenter : align == 2 ? ui::taRightJustify : ui::taLeftJustify;
}

// The label fills the panel when it centres the text, else it keeps the margins.
void PlaceLabel(TfrmHoralto& f) {
    ui::Label* label = Tray(f).label.get();
    if (!label) return;
    if (label->GetAlignment() == ui::taCenter) {
        label->SetBounds(0, 0, f.pnlTrayTime.Width(), f.pnlTrayTime.Height());
        return;
    }
    const TrayMove m =
        TextLabelPlacement(f.pnlTrayTime.Width(), f.pnlTrayTime.Height(), f.Settings.SystemClock.BorderText);
    label->SetBounds(m.x, m.y, m.width, m.height);
}

std::vector<std::wstring> LinesOf(const std::wstring& text) {
    base::StringList lines;
    lines.SetText(text);
    std::vector<std::wstring> result = lines.Items();
    if (result.empty()) result.emplace_back();
    return result;
}

int TextWidth(const ui::Font& font, const std::wstring& text) {
    ui::WindowDc dc(nullptr);
    ui::SelectGuard select(dc.Get(), ui::CachedFont(font));
    int width = 0;
    for (const auto& line : LinesOf(text)) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), line.c_str(), int(line.size()), &size);
        width = std::max(width, int(size.cx));
    }
    return width;
}

// The panel's colour and the background picture (Place).
void ComposeBase(TfrmHoralto& f) {
    auto& clock = f.Settings.SystemClock;
    TaskbarClockState& tc = Tray(f);
    const int w = std::max(1, f.pnlTrayTime.Width()), h = std::max(1, f.pnlTrayTime.Height());
    tc.base = NewArgbBitmap(w, h);
    if (!tc.base) return;
    Graphics g(tc.base.get());
    const COLORREF panel = ui::ColorToRGB(f.pnlTrayTime.EffectiveColor());
    g.Clear(Color(255, GetRValue(panel), GetGValue(panel), GetBValue(panel)));
    Bitmap* background = f.Face().TraySkin.Image(kImgBackGr);
    if (!background) return;
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    ImageAttributes attributes;
    if (clock.CutBackgr) {
        const Color key = BottomLeftColor(*background);
        attributes.SetColorKey(key, key, ColorAdjustTypeBitmap);
    }
    const REAL bw = REAL(background->GetWidth()), bh = REAL(background->GetHeight());
    if (!clock.UseTraySkis || clock.ResizeTrayBackgr) {
        g.DrawImage(background, RectF(0, 0, REAL(w - 1), REAL(h - 1)), 0, 0, bw, bh, UnitPixel, &attributes);
    } else {
        const TrayMove m = ScaledBackgroundPlacement(w, int(bw), int(bh), clock.Scale);
        g.DrawImage(background, RectF(REAL(m.x), REAL(m.y), REAL(m.width), REAL(m.height)), 0, 0, bw, bh,
                    UnitPixel, &attributes);
    }
}

}  // namespace

void face::PaintTaskbarClock(TfrmHoralto& f, HDC dc, const RECT& rc) {
    TaskbarClockState& tc = Tray(f);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    ui::MemoryDc memory(CreateCompatibleDC(dc));
    ui::BitmapHandle buffer(CreateCompatibleBitmap(dc, w, h));
    if (!memory || !buffer) return;
    ui::SelectGuard selectBitmap(memory.Get(), buffer.Get());
    const RECT all{0, 0, w, h};
    FillRect(memory.Get(), &all, ui::CachedBrush(f.pnlTrayTime.EffectiveColor()));
    if (Bitmap* picture = tc.frame ? tc.frame.get() : tc.base.get()) {
        Graphics g(memory.Get());
        g.DrawImage(picture, 0, 0, INT(picture->GetWidth()), INT(picture->GetHeight()));
    }
    if (ui::Label* label = tc.label.get()) {
        const ui::Font& font = label->EffectiveFont();
        ui::SelectGuard selectFont(memory.Get(), ui::CachedFont(font));
        SetTextColor(memory.Get(), ui::ColorToRGB(font.color));
        SetBkMode(memory.Get(), TRANSPARENT);
        const std::wstring& text = label->Caption();
        const UINT align = label->GetAlignment() == ui::taCenter         ? DT_CENTER
                           : label->GetAlignment() == ui::taRightJustify ? DT_RIGHT
                                                                         : DT_LEFT;
        RECT box{label->Left(), label->Top(), label->Left() + label->Width(), label->Top() + label->Height()};
        RECT measured = box;
        DrawTextW(memory.Get(), text.c_str(), int(text.size()), &measured, align | DT_NOPREFIX | DT_CALCRECT);
        const int textHeight = measured.bottom - measured.top;
        box.top += (label->Height() - textHeight) / 2;
        box.bottom = box.top + textHeight;
        DrawTextW(memory.Get(), text.c_str(), int(text.size()), &box, align | DT_NOPREFIX | DT_NOCLIP);
    }
    BitBlt(dc, rc.left, rc.top, w, h, memory.Get(), 0, 0, SRCCOPY);
}

namespace {

void BindClicks(TfrmHoralto& f, ui::Control& c) {
    c.OnClick = [&f](ui::Component& s) { f.TrayClockClick(s); };
    c.OnDblClick = [&f](ui::Component& s) { f.TrayClockDblClick(s); };
}

// The panel's balloon tooltip: the main window's hint with the title "Horalto".
void AddTrayTool(TfrmHoralto& f) {
    f.SetUpTaskbarClockToolTip();
}
void DelTrayTool(TfrmHoralto& f) {
    f.RemoveTaskbarClockToolTip();
}

}  // namespace

void TfrmHoralto::BuildTaskbarClock(bool resetTextLook) {
    DisplayState& state = Face();
    TaskbarClockState& tc = state.taskbarClock;
    auto& clock = Settings.SystemClock;
    tc.wanted = true;
    if (!IsWindow(tc.windows.clock)) {
        // Only looked up: the system clock is seen as its user left it.
        LookUpTaskbarWindows(tc.windows);
        if (!IsWindow(tc.windows.clock)) {
            // No taskbar: each tick looks for it again.
            tmrTrayTimer.SetEnabled(true);
            return;
        }
    }
    // Built again in place, the panel has shown the system clock itself.
    const bool alreadyInside = pnlTrayTime.Visible() && pnlTrayTime.HandleAllocated() &&
                               GetParent(pnlTrayTime.Handle()) == tc.windows.clock;
    if (!alreadyInside) tc.clockWasVisible = IsWindowVisible(tc.windows.clock) != FALSE;
    BindClicks(*this, pnlTrayTime);
    pnlTrayTime.SetParentWindow(tc.windows.clock);
    pnlTrayTime.Show();

    if (!tc.image) {
        tc.image = std::make_unique<ui::Image>(&pnlTrayTime, L"imgTrayTime");
        BindClicks(*this, *tc.image);
        tc.image->OnPaint = [this](ui::Image&, HDC dc, const RECT& rc) { PaintTaskbarClock(*this, dc, rc); };
    }
    tc.image->SetBounds(0, 0, pnlTrayTime.Width(), pnlTrayTime.Height());
    tc.image->Show();
    tc.image->HandleNeeded();
    pnlTrayTime.SetTag(1);

    if (!clock.UseTraySkis || clock.TraySkinIndex == 0) {
        // ---- Text.
        clock.UseTraySkis = false;
        if (!tc.label) {
            tc.label = std::make_unique<ui::Label>(&pnlTrayTime, L"lblTrayTime");
            tc.label->Hide();  // the picture paints its text
        }
        if (resetTextLook) {
            clock.TextSize = 10;
            clock.TextFont = L"MS Sans Serif";
            clock.TextColor = static_cast<int>(0xFF000000u);
            clock.TextStyle = 0;
            clock.TextAlign = 0;
            if (frmOptions && frmOptions->Visible()) {
                ui::TabSheet* page = frmOptions->pgcOptions.ActivePage();
                frmOptions->pgcOptions.SetActivePage(nullptr);
                frmOptions->pgcOptions.SetActivePage(page);
            }
        }
        ui::Font font = pnlTrayTime.GetFont();
        font.name = clock.TextFont;
        font.SetSize(int(std::floor(clock.TextSize)));
        font.style = clock.TextStyle & 15;
        font.color = FontColorOf(clock.TextColor);
        pnlTrayTime.SetFont(font);
        tc.label->SetAlignment(LabelAlignment(clock.TextAlign));
        PlaceLabel(*this);
        if (clock.UseBackgrFile) {
            const std::wstring& file = clock.BackgroundFile;
            ImagePtr picture;
            if (!file.empty() && file != kStandardBackground)
                picture = LoadImageFile(ResolveProgramPath(file, FolderOf(ui::Application().ExeName())));
            else
                picture =
                    ImagePtr(LoadBitmapFromResource(GetModuleHandleW(nullptr), L"PNG_CBACKGROUND", L"PNG"));
            if (picture && picture->GetHeight() == 0) picture.reset();
            state.TraySkin.images[kImgBackGr] = picture;
        } else {
            state.TraySkin.images[kImgBackGr].reset();
        }
        PlaceTaskbarClock(false);
    } else {
        // ---- Skin.
        tc.label.reset();
        state.trayClockWidth = 35;
        PlaceTaskbarClock(false);
        if (!clock.NewTraySkin && Settings.Window.MainSkinIndex > 0)
            clock.TraySkinIndex = Settings.Window.MainSkinIndex;
        else
            clock.NewTraySkin = true;
        LoadTraySkin(*this, resetTextLook);
        if (!clock.NoBorders) state.trayClockWidth += 2 * GetSystemMetrics(SM_CXFIXEDFRAME);
    }

    AddTrayTool(*this);
    tmrTrayTimer.SetEnabled(true);
    tmrTrayTimerTimer(tmrTrayTimer);
    pnlTrayTime.SetTag(0);
}

void TfrmHoralto::PlaceTaskbarClock(bool force) {
    DisplayState& state = Face();
    TaskbarClockState& tc = state.taskbarClock;
    const TaskbarWindowHandles& w = tc.windows;
    auto& clock = Settings.SystemClock;
    if (!IsWindow(w.clock)) return;
    const RECT clockRect = WindowRect(w.clock), toolbarRect = WindowRect(w.iconToolbar);
    if (!IsWindowVisible(w.clock)) ShowWindow(w.clock, SW_SHOWNA);
    const int clockWidth = clockRect.right - clockRect.left, clockHeight = clockRect.bottom - clockRect.top;
    if (!force && clockWidth == state.trayClockWidth && clockHeight == state.trayClockHeight) return;

    const TrayFrame frame =
        PanelFrame(clock.NoBorders, GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME));
    pnlTrayTime.SetBounds(frame.cx, frame.cy, pnlTrayTime.Width(), std::max(0, clockHeight - 2 * frame.cy));
    if (!force && clock.UseTraySkis && clock.AutoTrayScale &&
        toolbarRect.bottom - toolbarRect.top != state.trayClockHeight)
        LoadTraySkin(*this, false);  // the skin scales to the new height
    const TrayMove panel = PanelPlacement(frame, clockHeight, state.trayClockWidth);
    pnlTrayTime.SetBounds(panel.x, panel.y, panel.width, panel.height);
    if (tc.image) tc.image->SetBounds(0, 0, panel.width, panel.height);

    if (!clock.ResizeWindow) {
        state.trayClockWidth = clockWidth;
    } else if (w.notifyArea) {
        TaskbarWindows now;
        now.taskbar = ToTray(WindowRect(w.taskbar));
        now.notifyArea = ToTray(WindowRect(w.notifyArea));
        RECT client{};
        GetClientRect(w.notifyArea, &client);
        now.notifyClientHeight = client.bottom - client.top;
        now.iconToolbar = ToTray(toolbarRect);
        now.clock = ToTray(clockRect);
        now.taskBand = ToTray(WindowRect(w.taskBand));
        const TaskbarLayout layout = WidenedTaskbarLayout(
            now, GetSystemMetrics(SM_CXSCREEN), state.trayClockWidth, GetSystemMetrics(SM_CXFIXEDFRAME));
        auto move = [](HWND hwnd, const TrayMove& m) {
            if (hwnd) MoveWindow(hwnd, m.x, m.y, m.width, m.height, TRUE);
        };
        move(w.notifyArea, layout.notifyArea);
        move(w.clock, layout.clock);
        move(w.taskBand, layout.taskBand);
    }
    state.trayClockHeight = clockHeight;
    PlaceLabel(*this);
    ComposeBase(*this);
    if (tc.image) tc.image->Invalidate();
    if (force) tmrTrayTimerTimer(tmrTrayTimer);
    AddTrayTool(*this);
}

void TfrmHoralto::tmrTrayTimerTimer(ui::Component&) {
    DisplayState& state = Face();
    TaskbarClockState& tc = state.taskbarClock;
    auto& clock = Settings.SystemClock;
    if (tc.wanted && !IsWindow(tc.windows.clock)) {
        FindTaskbarWindows();  // builds the clock in the new taskbar, when there is one
        return;
    }
    if (pnlTrayTime.Visible()) {
        std::wstring text;
        if (clock.ReplaceText) {
            text = BuildShownText(clock.FormatTextTray);
        } else {
            wchar_t buffer[257] = {};
            GetWindowTextW(tc.windows.clock, buffer, 257);
            text = buffer;
        }
        if (SkinShown(*this)) {
            PlaceTaskbarClock(false);
            SkinSet& set = state.TraySkin;
            DrawClockFace(set, text);
            if (tc.base && set.clock) {
                tc.frame.reset(tc.base->Clone(0, 0, INT(tc.base->GetWidth()), INT(tc.base->GetHeight()),
                                              PixelFormat32bppARGB));
                if (tc.frame) {
                    Graphics g(tc.frame.get());
                    const int bw = INT(set.clock->GetWidth()), bh = INT(set.clock->GetHeight());
                    g.DrawImage(set.clock.get(), Rect(ClockBitmapLeft(pnlTrayTime.Width(), bw), 0, bw, bh), 0,
                                0, bw, bh, UnitPixel);
                }
            }
        } else if (tc.label) {
            tc.frame.reset();
            tc.label->SetCaption(text);
            const RECT clockRect = WindowRect(tc.windows.clock);
            if (clockRect.right - clockRect.left == 0 && !clock.ResizeWindow)
                RelayoutTaskbar(tc.windows.taskbar);
            if (clock.ResizeWindow)
                state.trayClockWidth =
                    TextClockWidth(TextWidth(tc.label->EffectiveFont(), text), clock.BorderText,
                                   clock.NoBorders, GetSystemMetrics(SM_CXFIXEDFRAME));
            PlaceTaskbarClock(false);
        }
        if (tc.image) tc.image->Invalidate();
    }
    TrayTimerWorkerGate();
}

void TfrmHoralto::RemoveTaskbarClock() {
    DisplayState& state = Face();
    TaskbarClockState& tc = state.taskbarClock;
    const bool wanted = std::exchange(tc.wanted, false);
    if (!pnlTrayTime.Visible()) {
        // A clock still waiting for its taskbar waits no more.
        if (wanted) tmrTrayTimer.SetEnabled(false);
        return;
    }
    tmrTrayTimer.SetEnabled(false);
    pnlTrayTime.Hide();
    if (!tc.clockWasVisible && IsWindow(tc.windows.clock)) ShowWindow(tc.windows.clock, SW_HIDE);
    RelayoutTaskbar(tc.windows.taskbar);
    DelTrayTool(*this);
    // Pictures shared with the main window stay with it.
    state.TraySkin.Clear();
    tc.base.reset();
    tc.frame.reset();
    // A double click that toggles the window builds the clock again at once.
    if (tmrTrayTimer.Tag() == 0) {
        tc.image.reset();
        tc.label.reset();
    }
}

void TfrmHoralto::WMTrayUpdate(TMessage&) {
    if (pnlTrayTime.Visible() && pnlTrayTime.Tag() == 0) tmrTrayTimerTimer(tmrTrayTimer);
}

void TfrmHoralto::TrayClockClick(ui::Component&) {
    const auto& mouse = Settings.Mouse;
    if (!mouse.ActionsOnClick) return;
    if (!aSoundOnOff.Checked() && mouse.SpeakOnClick) SpeakText(BuildSpokenText(mouse.FormatSpeakOnClick));
    if (mouse.MakeActionOnClick && frmOptions)
        frmOptions->DoKeyAction(mouse.ActionOnClick, mouse.ForseActionOnClick);
}

void TfrmHoralto::TrayClockDblClick(ui::Component&) {
    if (MultiSpeech) MultiSpeech->Stop();
    tmrTrayTimer.SetTag(1);
    aMinimized.Execute();
    tmrTrayTimer.SetTag(0);
    ShowWindow(ui::Application().Handle(), SW_HIDE);
}
