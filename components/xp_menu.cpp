#include "components/xp_menu.h"

#include <algorithm>
#include <string>

#include "core/hot_key_text.h"
#include "ui/handles.h"

using namespace xpmenu;

namespace {

constexpr ui::TColor clMenuText = ui::SystemColor(COLOR_MENUTEXT);
constexpr ui::TColor clInactiveCaption = ui::SystemColor(COLOR_INACTIVECAPTION);

bool HighColor(HDC dc) {
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) >= 16;
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const RECT& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    SetDCPenColor(dc, color);
    ui::SelectGuard pen(dc, GetStockObject(DC_PEN));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// The pixels of a bitmap as 32-bit top-down rows (0x00RRGGBB).
struct Pixels {
    int width = 0, height = 0;
    std::vector<DWORD> data;
    BITMAPINFO info{};
};

bool ReadPixels(HBITMAP bitmap, Pixels& p) {
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return false;
    p.width = bm.bmWidth;
    p.height = bm.bmHeight;
    p.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    p.info.bmiHeader.biWidth = p.width;
    p.info.bmiHeader.biHeight = -p.height;
    p.info.bmiHeader.biPlanes = 1;
    p.info.bmiHeader.biBitCount = 32;
    p.info.bmiHeader.biCompression = BI_RGB;
    p.data.assign(std::size_t(p.width) * p.height, 0);
    ui::WindowDc screen(nullptr);
    return GetDIBits(screen.Get(), bitmap, 0, p.height, p.data.data(), &p.info, DIB_RGB_COLORS) != 0;
}

void WritePixels(HBITMAP bitmap, Pixels& p) {
    ui::WindowDc screen(nullptr);
    SetDIBits(screen.Get(), bitmap, 0, p.height, p.data.data(), &p.info, DIB_RGB_COLORS);
}

COLORREF FromPixel(DWORD px) {
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}
DWORD ToPixel(COLORREF c) {
    return (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c);
}

// Replaces every pixel by convert(pixel), reusing the result for runs of equal pixels.
template <class F>
void ConvertBitmap(HBITMAP bitmap, F convert) {
    Pixels p;
    if (!ReadPixels(bitmap, p)) return;
    DWORD last = 0xFFFFFFFF, lastResult = 0;
    for (DWORD& px : p.data) {
        const DWORD c = px & 0xFFFFFF;
        if (c != last) {
            last = c;
            lastResult = ToPixel(convert(FromPixel(c)));
        }
        px = lastResult;
    }
    WritePixels(bitmap, p);
}

}  // namespace

// ---- free functions ---------------------------------------------------------

ui::Font GetSystemMenuFont(const ui::Font& font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return font;
    const LOGFONTW& lf = metrics.lfMenuFont;
    ui::Font f;
    f.name = lf.lfFaceName;
    if (f.name == L"MS Sans Serif") f.name = L"Tahoma";
    f.height = lf.lfHeight;
    f.style = (lf.lfWeight >= FW_BOLD ? ui::fsBold : 0) | (lf.lfItalic ? ui::fsItalic : 0) |
              (lf.lfUnderline ? ui::fsUnderline : 0) | (lf.lfStrikeOut ? ui::fsStrikeOut : 0);
    f.charset = lf.lfCharSet;
    f.color = clMenuText;
    return f;
}

COLORREF NewColor(HDC canvas, COLORREF color, int percent) {
    return GetNearestColor(canvas, xpmenu::NewColor(color, percent));
}

COLORREF GetShadeColor(HDC canvas, COLORREF color, int amount) {
    return GetNearestColor(canvas, xpmenu::ShadeColor(color, amount));
}

COLORREF GrayColor(HDC canvas, COLORREF color, int amount) {
    return GetNearestColor(canvas, xpmenu::GrayColor(color, amount));
}

void GrayBitmap(HBITMAP bitmap, int amount) {
    ConvertBitmap(bitmap, [amount](COLORREF c) { return xpmenu::GrayColor(c, amount); });
}

void DimBitmap(HBITMAP bitmap, int amount) {
    ConvertBitmap(bitmap, [amount](COLORREF c) { return xpmenu::NewColor(c, std::min(amount, 100)); });
}

void DrawBitmapShadow(HBITMAP bitmap, HDC canvas, int x, int y, COLORREF color) {
    Pixels p;
    if (!ReadPixels(bitmap, p) || p.data.empty()) return;
    const DWORD transparent = p.data[std::size_t(p.height - 1) * p.width] & 0xFFFFFF;
    for (int row = 0; row < p.height; ++row)
        for (int col = 0; col < p.width; ++col)
            if ((p.data[std::size_t(row) * p.width + col] & 0xFFFFFF) != transparent)
                SetPixelV(canvas, x + col, y + row, color);
}

// ---- TXPMenu ------------------------------------------------------------------

TXPMenu::TXPMenu(ui::Form* owner, std::wstring name)
    : ui::Component(std::move(name)),
      color_(ui::clBtnFace),
      iconBackColor_(ui::clBtnFace),
      menuBarColor_(ui::clBtnFace),
      selectColor_(ui::clHighlight),
      selectBorderColor_(ui::clHighlight),
      disabledColor_(clInactiveCaption),
      separatorColor_(ui::clBtnFace),
      checkedColor_(ui::clHighlight) {
    SetOwner(owner);
    font_ = GetSystemMenuFont(font_);
    selectFontColor_ = font_.color;
    form_ = owner;
}

TXPMenu::~TXPMenu() {
    InitMenueItems(false);
}

void TXPMenu::SetForm(ui::Form* form) {
    if (form == form_) return;
    const bool wasActive = active_;
    if (wasActive) SetActive(false);
    form_ = form;
    if (wasActive) SetActive(true);
}

void TXPMenu::SetFont(const ui::Font& font) {
    font_ = font;
    RedrawMenuBar();
}

void TXPMenu::SetMenuBarColor(ui::TColor c) {
    menuBarColor_ = c;
    RedrawMenuBar();
}

void TXPMenu::SetUseSystemColors(bool v) {
    useSystemColors_ = v;
    RedrawMenuBar();
}

void TXPMenu::SetOverrideOwnerDraw(bool v) {
    overrideOwnerDraw_ = v;
    if (active_) SetActive(true);
}

void TXPMenu::SetActive(bool v) {
    active_ = v;
    InitMenueItems(false);
    if (v) InitMenueItems(true);
    RedrawMenuBar();
}

void TXPMenu::RedrawMenuBar() {
    if (form_ && form_->Handle() && form_->Menu()) DrawMenuBar(form_->Handle());
}

void TXPMenu::InitMenueItems(bool on) {
    if (!on) {
        for (const Hooked& h : hooked_) {
            if (h.draw) h.menu->OnDrawItem = nullptr;
            if (h.measure) h.menu->OnMeasureItem = nullptr;
            h.menu->OnClose = h.close;
            h.menu->SetOwnerDraw(false);
            if (form_ && form_->Menu() == h.menu) form_->MenuChanged();
        }
        hooked_.clear();
        selection_.Clear();
        return;
    }
    if (!form_) return;
    for (ui::Component* c : form_->Components()) {
        auto* menu = dynamic_cast<ui::Menu*>(c);
        if (!menu) continue;
        Hooked h{menu, false, false, menu->OnClose};
        menu->SetOwnerDraw(true);
        if (!menu->OnDrawItem || overrideOwnerDraw_) {
            menu->OnDrawItem = [this](ui::MenuItem& item, HDC dc, const RECT& r, UINT state) {
                DrawItem(item, dc, r, state);
            };
            h.draw = true;
        }
        if (!menu->OnMeasureItem || overrideOwnerDraw_) {
            menu->OnMeasureItem = [this](ui::MenuItem& item, int& w, int& ht) { MeasureItem(item, w, ht); };
            h.measure = true;
        }
        menu->OnClose = [this, own = h.close](ui::Component& sender) {
            if (own) own(sender);
            selection_.Clear();
        };
        hooked_.push_back(h);
        if (form_->Menu() == menu) form_->MenuChanged();
    }
}

ui::Font TXPMenu::PaintFont() const {
    return useSystemColors_ ? GetSystemMenuFont(font_) : font_;
}

SIZE TXPMenu::ImageSize(const ui::MenuItem& item) const {
    int w = 0, h = 0;
    if (images_ && item.ImageIndex() >= 0 && item.ImageIndex() < ImageList_GetImageCount(images_))
        ImageList_GetIconSize(images_, &w, &h);
    return {w, h};
}

bool TXPMenu::InMenuBar(const ui::MenuItem& item) const {
    ui::Menu* menu = item.GetMenu();
    return menu && dynamic_cast<ui::MainMenu*>(menu) && item.Parent() == &menu->Items();
}

void TXPMenu::MeasureItem(ui::MenuItem& item, int& width, int& height) {
    if (!active_) return;
    ItemMeasure m;
    m.separator = item.Caption() == L"-";
    m.inMenuBar = InMenuBar(item);
    m.iconWidth = iconWidth_;
    const SIZE image = ImageSize(item);
    m.imageWidth = image.cx;
    m.imageHeight = image.cy;
    if (!m.separator) {
        std::wstring text = item.Caption();
        if (item.GetShortCut()) text += L"WWW" + core::ShortCutToText(item.GetShortCut());
        ui::WindowDc screen(nullptr);
        ui::SelectGuard font(screen.Get(), ui::CachedFont(PaintFont()));
        SIZE size{};
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        m.textWidth = size.cx;
        m.textHeight = size.cy;
        if (text.find(L'&') != std::wstring::npos) {
            SIZE amp{};
            GetTextExtentPoint32W(screen.Get(), L"&", 1, &amp);
            m.ampersandWidth = amp.cx;
        }
    }
    xpmenu::MeasureItem(m, width, height);
}

xpmenu::WorkingColors TXPMenu::SetGlobalColor(HDC canvas) {
    ColorProperties props;
    props.color = ui::ColorToRGB(color_);
    props.iconBack = ui::ColorToRGB(iconBackColor_);
    props.menuBar = ui::ColorToRGB(menuBarColor_);
    props.select = ui::ColorToRGB(selectColor_);
    props.selectBorder = ui::ColorToRGB(selectBorderColor_);
    props.disabled = ui::ColorToRGB(disabledColor_);
    props.separator = ui::ColorToRGB(separatorColor_);
    props.checked = ui::ColorToRGB(checkedColor_);
    SystemColors sys{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)};
    WorkingColors w = ComputeWorkingColors(props, sys, HighColor(canvas), useSystemColors_);
    for (ColorRef* c : {&w.menuBack, &w.iconBack, &w.menuBar, &w.selectFill, &w.selectBorder,
                        &w.checkedBorder, &w.disabled, &w.separator, &w.tintLight, &w.tintDark})
        *c = GetNearestColor(canvas, *c);
    return w;
}

void TXPMenu::DrawItem(ui::MenuItem& item, HDC canvas, const RECT& rect, UINT state) {
    if (!active_) return;
    const bool selected = (state & ODS_SELECTED) != 0;
    selection_.ItemDrawn(&item, item.Parent(), selected);

    const bool highColor = HighColor(canvas);
    const WorkingColors colors = SetGlobalColor(canvas);
    const ui::Font font = PaintFont();
    ui::SelectGuard fontGuard(canvas, ui::CachedFont(font));
    const bool inBar = InMenuBar(item);
    const bool enabled = item.Enabled() && !(state & (ODS_DISABLED | ODS_GRAYED));
    const bool separator = item.Caption() == L"-";
    const SIZE image = ImageSize(item);
    const bool hasImage = image.cx > 0;
    const int iconColumn = std::max<int>(iconWidth_, image.cx + 4);

    // Background.
    if (inBar) {
        Fill(canvas, rect, colors.menuBar);
    } else if (highColor && gradient_) {
        for (int x = rect.left; x < rect.right; ++x) {
            const RECT column{x, rect.top, x + 1, rect.bottom};
            Fill(canvas, column,
                 ::NewColor(canvas, colors.iconBack, GradientLevel(x - rect.left, iconWidth_)));
        }
    } else if (enabled || !selected) {
        Fill(canvas, rect, colors.menuBack);
        Fill(canvas, RECT{rect.left, rect.top, rect.left + iconColumn, rect.bottom}, colors.iconBack);
    }
    COLORREF textColor = enabled ? ui::ColorToRGB(font.color) : colors.disabled;
    COLORREF under = colors.menuBack;

    // Selection.
    if (selected && drawSelect_) {
        if (inBar) {
            DrawTopMenuItem(canvas, rect, colors);
            under = colors.iconBack;
        } else if (enabled) {
            RECT box{rect.left, rect.top + 1, rect.right - (flatMenu_ ? 1 : 0), rect.bottom - 1};
            Fill(canvas, box, colors.selectFill);
            Frame(canvas, box, colors.selectBorder);
            under = colors.selectFill;
        }
    }

    const RECT iconRect{rect.left, rect.top, rect.left + iconColumn, rect.bottom};
    if (item.Checked() && !separator) DrawCheckedItem(canvas, item, iconRect, selected, hasImage, colors);
    if (hasImage && !separator) DrawIcon(canvas, item, rect, selected, enabled, item.Checked(), highColor);

    if (separator) {
        const int y = rect.top + (rect.bottom - rect.top) / 2;
        Line(canvas, rect.left + iconColumn + 7, y, rect.right, y, colors.separator);
    } else {
        if (selected && enabled) {
            if (inBar) {
                const bool dark = (GetRValue(under) + GetBValue(under)) / 2 < 151 && GetGValue(under) < 201;
                textColor = dark ? ::NewColor(canvas, under, 90) : ui::ColorToRGB(font.color);
            } else {
                textColor = ui::ColorToRGB(useSystemColors_ ? font.color : selectFontColor_);
            }
        }
        RECT textRect = rect;
        if (!inBar) textRect.left += iconColumn + 5;
        if (item.Default()) {
            const int shades[4] = {30, 30, 40, 60};
            const POINT offsets[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
            for (int i = 0; i < 4; ++i) {
                RECT r = textRect;
                OffsetRect(&r, offsets[i].x, offsets[i].y);
                DrawTheText(canvas, item, r, GetShadeColor(canvas, under, shades[i]), false, inBar);
            }
        }
        DrawTheText(canvas, item, textRect, textColor, highColor, inBar);
    }
    if (flatMenu_ && !inBar) DrawWindowBorder(canvas, colors);
}

void TXPMenu::DrawCheckedItem(HDC dc, const ui::MenuItem& item, const RECT& iconRect, bool selected,
                              bool hasImage, const WorkingColors& colors) {
    const int size = hasImage ? 0 : 14;
    const SIZE image = ImageSize(item);
    const int w = hasImage ? image.cx + 4 : size, h = hasImage ? image.cy + 4 : size;
    const int left = iconRect.left + (iconRect.right - iconRect.left - w) / 2;
    const int top = iconRect.top + (iconRect.bottom - iconRect.top - h) / 2;
    const RECT box{left, top, left + w, top + h};
    SetDCBrushColor(dc, selected ? colors.tintDark : colors.tintLight);
    SetDCPenColor(dc, colors.checkedBorder);
    ui::SelectGuard brush(dc, GetStockObject(DC_BRUSH));
    ui::SelectGuard pen(dc, GetStockObject(DC_PEN));
    if (item.RadioItem()) {
        if (hasImage)
            RoundRect(dc, box.left, box.top, box.right, box.bottom, 6, 6);
        else
            Ellipse(dc, box.left + 3, box.top + 3, box.right - 3, box.bottom - 3);
        return;
    }
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    if (hasImage) return;
    // The tick: a short stroke down and a long one up, two pixels thick.
    for (int d = 0; d < 2; ++d) {
        Line(dc, box.left + 3, box.top + 6 + d, box.left + 6, box.top + 9 + d, RGB(0, 0, 0));
        Line(dc, box.left + 6, box.top + 9 + d, box.left + 11, box.top + 4 + d, RGB(0, 0, 0));
    }
}

void TXPMenu::DrawIcon(HDC dc, const ui::MenuItem& item, const RECT& rect, bool selected, bool enabled,
                       bool checked, bool highColor) {
    int w = 0, h = 0;
    ImageList_GetIconSize(images_, &w, &h);
    const int x = rect.left + (w <= iconWidth_ ? (iconWidth_ - w) / 2 : 2);
    const int y = rect.top + 4;
    // The image on a key colour that stays transparent through the changes
    // (the bottom-left pixel tells it, as the shadow expects).
    ui::WindowDc screen(nullptr);
    ui::MemoryDc mem(CreateCompatibleDC(screen.Get()));
    ui::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    if (!mem || !bitmap) return;
    {
        ui::SelectGuard select(mem.Get(), bitmap.Get());
        Fill(mem.Get(), RECT{0, 0, w, h}, RGB(255, 0, 255));
        ImageList_Draw(images_, item.ImageIndex(), mem.Get(), 0, 0, ILD_TRANSPARENT);
    }
    int dx = 0;
    if (!enabled) {
        GrayBitmap(bitmap.Get(), 90);
    } else if (selected && !checked) {
        DrawBitmapShadow(
            bitmap.Get(), dc, x + 1, y + 1,
            GetShadeColor(dc, ui::ColorToRGB(useSystemColors_ ? ui::clHighlight : selectColor_), 50));
        dx = -1;
    } else if (!selected && !checked && highColor) {
        DimBitmap(bitmap.Get(), 30);
    }
    Pixels p;
    if (!ReadPixels(bitmap.Get(), p) || p.data.empty()) return;
    const COLORREF key = FromPixel(p.data[std::size_t(h - 1) * w]);
    ui::SelectGuard select(mem.Get(), bitmap.Get());
    TransparentBlt(dc, x + dx, y + dx, w, h, mem.Get(), 0, 0, w, h, key);
}

void TXPMenu::DrawTheText(HDC dc, const ui::MenuItem& item, RECT rect, COLORREF color, bool highColor,
                          bool inBar) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    const std::wstring& caption = item.Caption();
    UINT flags = DT_SINGLELINE | DT_VCENTER | (inBar ? DT_CENTER : DT_LEFT);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, flags);
    if (inBar || !item.GetShortCut()) return;
    const std::wstring keys = core::ShortCutToText(item.GetShortCut());
    RECT keyRect = rect;
    keyRect.right -= 10;
    SetTextColor(dc, highColor ? GetShadeColor(dc, color, -40) : color);
    DrawTextW(dc, keys.c_str(), static_cast<int>(keys.size()), &keyRect,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

void TXPMenu::DrawTopMenuItem(HDC dc, const RECT& rect, const WorkingColors& colors) {
    RECT r{rect.left, rect.top, rect.right - 4, rect.bottom};
    Fill(dc, r, colors.iconBack);
    Frame(dc, r, colors.selectBorder);
    const int shades[4] = {10, 30, 60, 100};
    for (int i = 0; i < 4; ++i)
        Line(dc, r.right + i, rect.top + 2 + i, r.right + i, rect.bottom,
             GetShadeColor(dc, colors.menuBar, shades[3 - i]));
}

void TXPMenu::DrawWindowBorder(HDC canvas, const WorkingColors& colors) {
    HWND popup = WindowFromDC(canvas);
    if (!popup || (form_ && popup == form_->Handle())) return;
    RECT r;
    GetWindowRect(popup, &r);
    OffsetRect(&r, -r.left, -r.top);
    HDC windowDc = GetWindowDC(popup);
    if (!windowDc) return;
    Frame(windowDc, r, colors.separator);
    InflateRect(&r, -1, -1);
    Frame(windowDc, r, colors.menuBack);
    ReleaseDC(popup, windowDc);
}
