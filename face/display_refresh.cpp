// The clock display of the main window: the refresh every tick and after every
// display setting, the paint handler, the layered window, the captured screen
// and the window shape.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/string_list.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/clock_face.h"
#include "face/display_rules.h"
#include "face/display_state.h"
#include "face/window_background.h"
#include "options/frm_options.h"
#include "ui/application.h"

using namespace face;
using namespace Gdiplus;

namespace {

constexpr int kModeColor = 0, kModeLayered = 1, kModeCaptured = 2, kModeDesktop = 3;
constexpr wchar_t kStandardBackground[] = L"Стандартная";

Color OpaqueOf(COLORREF c) {
    return Color(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

void DrawStretched(Graphics& g, Bitmap& b, int width, int height, ImageAttributes* attributes = nullptr) {
    g.DrawImage(&b, RectF(0, 0, REAL(width), REAL(height)), 0, 0, REAL(b.GetWidth()), REAL(b.GetHeight()),
                UnitPixel, attributes);
}

// The background picture seen through its bottom-left colour (when that pixel
// is not transparent already).
void KeyIfOpaque(ImageAttributes& attributes, Bitmap& picture) {
    Color key = BottomLeftColor(picture);
    if (key.GetA() > 1) attributes.SetColorKey(key, key, ColorAdjustTypeBitmap);
}

std::vector<std::wstring> LinesOf(const std::wstring& text) {
    base::StringList lines;
    lines.SetText(text);
    std::vector<std::wstring> result = lines.Items();
    if (result.empty()) result.emplace_back();
    return result;
}

// The text look's GDI+ font and kind, made again only when the look changes.
TextLayoutCache& TextLayout(TfrmHoralto& f) {
    auto& window = f.Settings.Window;
    TextLayoutCache& layout = f.Face().textLayout;
    TextLayoutCache::Key key{f.lblDateTime.EffectiveFont(), window.TextFont, window.TextSize,
                             window.TextStyle};
    if (layout.key && *layout.key == key) return layout;
    layout = TextLayoutCache{};
    layout.font = MakeFont(key.font, std::floor(key.size), key.style);
    ui::WindowDc dc(nullptr);
    ui::SelectGuard select(dc.Get(), ui::CachedFont(key.windowFont));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    layout.vector = (tm.tmPitchAndFamily & TMPF_VECTOR) != 0;
    layout.key = std::move(key);
    return layout;
}

// How many lines of the font the virtual screen can hold (one more for a part line).
int LinesOnScreen(const ui::Font& font) {
    ui::WindowDc dc(nullptr);
    ui::SelectGuard select(dc.Get(), ui::CachedFont(font));
    SIZE sample{};
    GetTextExtentPoint32W(dc.Get(), L"Text", 4, &sample);
    return GetSystemMetrics(SM_CYVIRTUALSCREEN) / std::max<int>(1, sample.cy) + 1;
}

void RenderTextBitmap(TfrmHoralto& f, const std::wstring& text) {
    auto& window = f.Settings.Window;
    SkinSet& main = f.Face().MainSkin;
    const int w = std::max(1, f.Width()), h = std::max(1, f.Height());
    if (main.clock && main.clock->GetWidth() == UINT(w) && main.clock->GetHeight() == UINT(h)) {
        Graphics g(main.clock.get());
        g.Clear(Color(0, 0, 0, 0));
    } else {
        main.clock = NewArgbBitmap(w, h);
    }
    if (!main.clock) return;
    const ui::Font& font = f.lblDateTime.EffectiveFont();
    const Argb color = static_cast<Argb>(window.TextColor);
    const int align = window.TextAlign;
    TextLayoutCache& layout = TextLayout(f);
    const bool vector = layout.vector;
    const RECT label{f.lblDateTime.Left(), f.lblDateTime.Top(), f.lblDateTime.Left() + f.lblDateTime.Width(),
                     f.lblDateTime.Top() + f.lblDateTime.Height()};

    if (vector) {
        Font* gdipFont = layout.font.get();
        Graphics g(main.clock.get());
        g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
        SolidBrush brush{Color(ARGB(color))};
        StringFormat format;
        format.SetAlignment(align == 1   ? StringAlignmentCenter
                            : align == 2 ? StringAlignmentFar
                                         : StringAlignmentNear);
        format.SetLineAlignment(StringAlignmentNear);
        format.SetTrimming(StringTrimmingNone);
        format.SetFormatFlags(StringFormatFlagsNoWrap);
        const REAL widen = REAL(window.TextSize * 0.25);
        RectF rect(REAL(label.left) - widen, REAL(label.top), REAL(label.right - label.left) + widen,
                   REAL(label.bottom - label.top));
        g.DrawString(text.c_str(), -1, gdipFont, rect, &format, &brush);
        return;
    }

    // A raster font: GDI draws on the text colour's inverse, which is then cut away.
    const COLORREF ink = RGB(RedOf(color), GreenOf(color), BlueOf(color));
    const COLORREF paper = RGB(255 - RedOf(color), 255 - GreenOf(color), 255 - BlueOf(color));
    void* bits = nullptr;
    ui::BitmapHandle dib(ui::NewTopDownDib(w, h, &bits));
    if (!dib || !bits) return;
    ui::WindowDc screen(nullptr);
    {
        ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
        ui::SelectGuard selectBitmap(memory.Get(), dib.Get());
        ui::BrushHandle brush(CreateSolidBrush(paper));
        RECT all{0, 0, w, h};
        FillRect(memory.Get(), &all, brush.Get());
        ui::SelectGuard selectFont(memory.Get(), ui::CachedFont(font));
        SetTextColor(memory.Get(), ink);
        SetBkMode(memory.Get(), TRANSPARENT);
        RECT r = label;
        const UINT format = (align == 1 ? DT_CENTER : align == 2 ? DT_RIGHT : DT_LEFT) | DT_NOCLIP;
        DrawTextW(memory.Get(), text.c_str(), int(text.size()), &r, format);
        GdiFlush();
    }
    Rect rect(0, 0, w, h);
    BitmapData data{};
    if (main.clock->LockBits(&rect, ImageLockModeWrite, PixelFormat32bppARGB, &data) != Ok) return;
    const auto* source = static_cast<const std::uint32_t*>(bits);
    const std::uint32_t paperBits = (GetRValue(paper) << 16) | (GetGValue(paper) << 8) | GetBValue(paper);
    for (int y = 0; y < h; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(data.Scan0) + INT_PTR(y) * data.Stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = source[size_t(y) * w + x] & 0xFFFFFF;
            row[x] = p == paperBits ? 0 : (color & 0xFF000000u) | p;
        }
    }
    main.clock->UnlockBits(&data);
}

// ---------------------------------------------------------------------------

void PaintWindow(TfrmHoralto& f, HDC dc) {
    auto& window = f.Settings.Window;
    DisplayState& state = f.Face();
    SkinSet& main = state.MainSkin;
    const int w = f.Width(), h = f.Height();
    if (w <= 0 || h <= 0 || !dc) return;
    auto composed = NewArgbBitmap(w, h);
    if (!composed) return;
    // The desktop's own picture under the window (its pixels are not ours to keep).
    if (window.FormFillType == kModeDesktop && !f.AlphaBlend()) PaintDesktop(dc);
    {
        Graphics g(composed.get());
        g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(PixelOffsetModeHalf);
        if (window.FormFillType == kModeColor) {
            g.Clear(OpaqueOf(ui::ColorToRGB(f.Color())));
        } else if (window.FormFillType == kModeCaptured) {
            if (state.captured)
                g.DrawImage(state.captured.get(), 0, 0, INT(state.captured->GetWidth()),
                            INT(state.captured->GetHeight()));
            else
                g.Clear(OpaqueOf(ui::ColorToRGB(f.Color())));
        }
        if (Bitmap* background = main.Image(kImgBackGr)) {
            ImageAttributes attributes;
            if (window.CutBackgr) KeyIfOpaque(attributes, *background);
            DrawStretched(g, *background, w, h, &attributes);
        }
        if (main.clock) DrawStretched(g, *main.clock, w, h);
    }
    Graphics out(dc);
    out.DrawImage(composed.get(), 0, 0, w, h);
}

void PaintNow(TfrmHoralto& f) {
    if (!f.HandleAllocated()) return;
    if (f.Settings.Window.FormFillType == kModeLayered) {
        f.UpdateLayered();
        return;
    }
    ui::WindowDc dc(f.Handle());
    PaintWindow(f, dc.Get());
}

}  // namespace

// ---------------------------------------------------------------------------

void TfrmHoralto::RefreshDisplay(const std::wstring& formatted, bool reload, bool useSkinScale) {
    if (GetWindowState() == ui::wsMinimized || IsIconic(Handle())) return;
    // A line is at least a pixel high and a character a pixel wide: what lies
    // past the virtual screen can never be seen, and is neither measured nor drawn.
    const std::wstring text =
        ScreenfulText(formatted, GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    auto& window = Settings.Window;
    if (reload && window.DrawOnForm) SetUpWindowToolTip();
    DisplayState& state = Face();
    SkinSet& main = state.MainSkin;

    lblDateTime.SetCaption(text);
    DesktopLeft = Left();
    DesktopTop = Top();
    const bool fade = window.Transparency && window.LevelTransparency < 255;
    const int fadeAlpha = fade ? window.LevelTransparency : 255;

    // The clock painted straight onto the desktop's icon window, when it exists.
    auto drawOnDesktop = [&](Bitmap* background, Bitmap* clock) {
        HWND desktop = FindDesktopIconWindow();
        if (!desktop) return;
        ui::WindowDc dc(desktop);
        Graphics g(dc.Get());
        ImageAttributes attributes;
        if (fade) SetAlphaFactor(attributes, fadeAlpha);
        for (Bitmap* b : {background, clock}) {
            if (!b) continue;
            g.DrawImage(b, RectF(REAL(DesktopLeft), REAL(DesktopTop), REAL(Width()), REAL(Height())), 0, 0,
                        REAL(b->GetWidth()), REAL(b->GetHeight()), UnitPixel, &attributes);
        }
    };
    auto redrawDesktopUnder = [&] {
        HWND desktop = FindDesktopIconWindow();
        if (!desktop) return;
        RECT r{DesktopLeft, DesktopTop, DesktopLeft + Width(), DesktopTop + Height()};
        MapWindowPoints(nullptr, desktop, reinterpret_cast<POINT*>(&r), 2);
        RedrawWindow(desktop, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };

    if (window.MainSkinIndex != 0) {
        // ---- Skin mode.
        if (reload) {
            if (!window.DrawOnForm || window.DrawOnDesktop) DrawWallpaper(true);
            lblDateTime.Hide();
            const int index = window.MainSkinIndex;
            const bool known = index > 0 && index < SkinFiles.Count() && index < SkinNames.Count();
            // An index past the catalogue's end names no file: the built-in skin.
            const std::wstring file = known ? SkinFiles[index] : std::wstring();
            const std::wstring name = known ? SkinNames[index] : std::wstring();
            const bool sharing = pnlTrayTime.Visible() && Settings.SystemClock.UseTraySkis &&
                                 !Settings.SystemClock.NewTraySkin;
            if (sharing) {
                RemoveTaskbarClock();
                LoadSkin(file, name, false, useSkinScale);
                BuildTaskbarClock(false);
            } else {
                LoadSkin(file, name, false, useSkinScale);
            }
            state.captureWanted = true;
            Invalidate();
            tmrTimer.SetEnabled(true);
        }
        if (!main.Loaded()) return;
        DrawClockFace(main, text);
        if (!window.DrawOnForm) {
            if (!window.DrawOnDesktop) {
                DrawWallpaper(false);
            } else {
                if (window.Transparency) redrawDesktopUnder();
                drawOnDesktop(nullptr, main.clock.get());
            }
        } else if (window.FormFillType == kModeLayered) {
            UpdateLayered();
        } else {
            PaintNow(*this);
        }
        return;
    }

    // ---- Text mode.
    if (reload) {
        FreeSkinImages();
        main.DropImages();  // also when the timer was not running yet
        window.MainScale = 1.0f;
        if (Settings.SystemClock.UseTraySkis && !Settings.SystemClock.NewTraySkin)
            Settings.SystemClock.NewTraySkin = true;
        if (useSkinScale) {
            window.TextSize = std::max(window.TextSize, 10.0f);
            window.TextFont = L"Arial";
            window.TextColor = static_cast<int>(0xFF000000u);
            window.TextStyle = 0;
            window.TextAlign = 0;
            // An open settings window shows the reset values.
            if (frmOptions && frmOptions->Visible()) {
                ui::TabSheet* page = frmOptions->pgcOptions.ActivePage();
                frmOptions->pgcOptions.SetActivePage(nullptr);
                frmOptions->pgcOptions.SetActivePage(page);
            }
        }
        ui::Font font = GetFont();
        font.name = window.TextFont;
        font.SetSize(int(std::floor(window.TextSize)));
        font.style = window.TextStyle & 15;
        const Argb c = static_cast<Argb>(window.TextColor);
        font.color = ui::TColor(RedOf(c) | (GreenOf(c) << 8) | (BlueOf(c) << 16));
        SetFont(font);
        lblDateTime.SetFont(font);
        lblDateTime.SetAlignment(window.TextAlign == 1   ? ui::taCenter
                                 : window.TextAlign == 2 ? ui::taRightJustify
                                                         : ui::taLeftJustify);
        tmrTimer.SetEnabled(true);
        state.captureWanted = true;
    }

    // Size of the text in the window's font (measured again when the text or
    // its look changes).
    const ui::Font& font = lblDateTime.EffectiveFont();
    const std::wstring screenful =
        ScreenfulText(text, LinesOnScreen(font), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const std::vector<std::wstring> lines = LinesOf(screenful);
    TextLayoutCache& layout = TextLayout(*this);
    if (!layout.text || *layout.text != screenful) {
        int textWidth = 0;
        ui::WindowDc dc(nullptr);
        ui::SelectGuard select(dc.Get(), ui::CachedFont(font));
        for (const auto& line : lines) {
            SIZE size{};
            GetTextExtentPoint32W(dc.Get(), line.c_str(), int(line.size()), &size);
            textWidth = std::max(textWidth, int(size.cx));
        }
        TEXTMETRICW tm{};
        GetTextMetricsW(dc.Get(), &tm);
        if (font.style & ui::fsItalic) textWidth += tm.tmHeight / 5;
        // The text is drawn with GDI+ for a vector font, whose lines come out
        // wider than GDI measures them: the window takes the wider of the two.
        if (layout.vector && layout.font) {
            Bitmap probe(1, 1, PixelFormat32bppARGB);
            Graphics g(&probe);
            g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
            StringFormat format;
            format.SetFormatFlags(StringFormatFlagsNoWrap);
            for (const auto& line : lines) {
                RectF box;
                g.MeasureString(line.c_str(), -1, layout.font.get(), PointF(0, 0), &format, &box);
                textWidth = std::max(textWidth, int(std::ceil(box.Width - window.TextSize * 0.25)));
            }
        }
        SIZE sample{};
        GetTextExtentPoint32W(dc.Get(), L"Text", 4, &sample);
        layout.text = screenful;
        layout.width = textWidth;
        layout.lineHeight = sample.cy;
    }
    const int textWidth = layout.width, lineHeight = layout.lineHeight;
    const int textHeight = lineHeight * int(lines.size());
    const int outline = window.TranspOutline;
    const int lift = font.height / 6;

    if (TextWindowNeedsRebuild(reload, lblDateTime.Width(), lblDateTime.Height(), textWidth, textHeight)) {
        main.clock.reset();
        if (Tag() != 1) SetVisible(window.DrawOnForm);
        lblDateTime.SetBounds(outline, outline + lift, textWidth, textHeight);
        SetBounds(Left(), Top(), textWidth + 2 * outline, textHeight + 2 * outline + lift);
        // The label keeps the text's place; the text itself is drawn into the
        // clock bitmap, so that a background picture shows around the letters.
        lblDateTime.Hide();
        if (window.UseBackgrFile) {
            if (reload) {
                const std::wstring& file = window.BackgroundFile;
                ImagePtr picture;
                if (!file.empty() && file != kStandardBackground)
                    picture = LoadImageFile(ResolveProgramPath(file, FolderOf(ui::Application().ExeName())));
                else
                    picture = ImagePtr(
                        LoadBitmapFromResource(GetModuleHandleW(nullptr), L"PNG_CBACKGROUND", L"PNG"));
                if (picture && picture->GetHeight() == 0) picture.reset();
                main.images[kImgBackGr] = picture;
            }
        } else {
            main.images[kImgBackGr].reset();
        }
        state.captureWanted = true;
    }
    Bitmap* background = main.Image(kImgBackGr);

    RenderTextBitmap(*this, screenful);

    if (!window.DrawOnForm) {
        if (!background && !window.CutBackgr) {
            auto plain = NewArgbBitmap(Width(), Height());
            if (plain) {
                Graphics g(plain.get());
                g.Clear(OpaqueOf(ui::ColorToRGB(Color())));
            }
            main.images[kImgBackGr] = ImagePtr(std::move(plain));
            background = main.Image(kImgBackGr);
        }
        if (window.DrawOnDesktop && (window.Transparency || !background)) redrawDesktopUnder();
        if (!window.DrawOnDesktop || reload) DrawWallpaper(false);
        if (window.DrawOnDesktop) drawOnDesktop(background, main.clock.get());
        return;
    }

    bool layeredDone = false;
    if (window.FormFillType == kModeLayered && !window.CutBackgr) {
        UpdateLayered();
        layeredDone = true;
    } else if (window.FormFillType != kModeLayered) {
        PaintNow(*this);
    }
    if (reload && !window.CutBackgr) {
        SetRegionFromBitmap(nullptr, 0, 0);
        layeredDone = true;
    } else if (window.CutBackgr && (reload || !window.UseBackgrFile)) {
        auto shape = NewArgbBitmap(Width(), Height());
        if (shape) {
            Graphics g(shape.get());
            g.Clear(Gdiplus::Color(255, 255, 0, 255));
            if (window.UseBackgrFile && background) {
                DrawStretched(g, *background, Width(), Height());
                SetRegionFromBitmap(shape.get(), window.TranspAdmis, 0);
            } else {
                lblDateTime.Hide();
                if (main.clock) g.DrawImage(main.clock.get(), 0, 0, Width(), Height());
                if (window.FormFillType != kModeLayered) PaintNow(*this);
                SetRegionFromBitmap(shape.get(), window.TranspAdmis, outline);
            }
            layeredDone = true;
        }
    }
    // A layered window shows nothing new until it is pushed again.
    if (window.FormFillType == kModeLayered && !layeredDone) UpdateLayered();
}

void TfrmHoralto::FormPaint(ui::Component&) {
    auto& window = Settings.Window;
    HDC dc = PaintDC();
    if (window.FormFillType == kModeCaptured) CaptureBackground();
    if (Tag() == 1) {
        SetTag(0);
        RefreshDisplay(BuildShownText(Settings.Main.FormatTextMain), true, false);
        return;
    }
    if (window.FormFillType == kModeLayered) {
        Face().layered.Invalidate();
        UpdateLayered();
    } else if (dc) {
        PaintWindow(*this, dc);
    } else {
        PaintNow(*this);
    }
}

void TfrmHoralto::UpdateLayered() {
    if (!HandleAllocated()) return;
    auto& window = Settings.Window;
    HWND hwnd = Handle();
    if (window.FormFillType == kModeLayered) {
        DisplayState& state = Face();
        SkinSet& main = state.MainSkin;
        if (!state.layered.Compose(Width(), Height(), main.images[kImgBackGr], main.clock.get())) return;
        if (AlphaBlend()) SetAlphaBlend(false);
        const BYTE alpha =
            BYTE(LayeredAlpha(tmrMouseMove.Enabled(), window.TransparentOnMouseMove,
                              window.TranspValueOnMouseMove, window.Transparency, window.LevelTransparency));
        RECT r;
        GetWindowRect(hwnd, &r);
        state.layered.Push(hwnd, POINT{r.left, r.top}, alpha);
        return;
    }
    // A window that was given its pixels by UpdateLayeredWindow paints itself
    // again only without the layered style.
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (window.Transparency) {
        if (!AlphaBlend()) {
            if (ex & WS_EX_LAYERED) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
            SetAlphaBlend(true);
        }
    } else {
        if (AlphaBlend()) SetAlphaBlend(false);
        if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) {
            SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
            RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
}

void TfrmHoralto::CaptureBackground() {
    auto& window = Settings.Window;
    DisplayState& state = Face();
    if (!HandleAllocated() || !Visible() || !window.DrawOnForm || Dragging) return;
    // Our own hiding and showing below paints the window again: that paint must
    // not take another copy, nor may any paint while the window stays put.
    if (state.capturing) return;
    RECT r;
    GetWindowRect(Handle(), &r);
    if (!state.captureWanted && state.captured && EqualRect(&r, &state.capturedRect)) return;
    state.capturing = true;
    struct Done {
        DisplayState& s;
        ~Done() { s.capturing = false; }
    } done{state};

    HWND hwnd = Handle();
    ShowWindow(hwnd, SW_HIDE);
    WaitWithMessages(200);
    state.captured = CaptureScreenRect(r);
    state.capturedRect = r;
    state.captureWanted = false;
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    if (state.captured) {
        ui::WindowDc dc(hwnd);
        Graphics g(dc.Get());
        g.DrawImage(state.captured.get(), 0, 0, INT(state.captured->GetWidth()),
                    INT(state.captured->GetHeight()));
        if (!window.UseBackgrFile && !window.CutBackgr && window.MainSkinIndex == 0) {
            auto copy = NewArgbBitmap(INT(state.captured->GetWidth()), INT(state.captured->GetHeight()));
            if (copy) {
                Graphics c(copy.get());
                c.DrawImage(state.captured.get(), 0, 0, INT(copy->GetWidth()), INT(copy->GetHeight()));
                state.MainSkin.images[kImgBackGr] = ImagePtr(std::move(copy));
            }
        }
    }
}

void TfrmHoralto::SetRegionFromBitmap(Bitmap* bitmap, int tolerance, int outline) {
    DisplayState& state = Face();
    ui::RegionHandle region = RegionFromBitmap(bitmap, Width(), Height(), tolerance, outline);
    if (!region) return;
    // A copy for the mouse test; the window takes the region itself.
    ui::RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(copy.Get(), region.Get(), nullptr, RGN_COPY);
    state.windowShape = std::move(copy);
    if (HandleAllocated() && SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
    state.layered.Invalidate();
    UpdateLayered();
}
