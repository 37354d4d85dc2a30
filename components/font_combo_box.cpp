#include "components/font_combo_box.h"

#include <commctrl.h>
#include <winspool.h>

#include <algorithm>

#include "ui/application.h"

namespace {

constexpr COLORREF kGlyphKey = RGB(255, 0, 255);
constexpr int kGlyphWidth = 16, kGlyphHeight = 13;

void FillRectColor(HDC dc, int l, int t, int r, int b, COLORREF c) {
    SetDCBrushColor(dc, c);
    RECT rect{l, t, r, b};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// The two small pictures of the list, on a key colour (the bottom-left pixel).
HBITMAP MakeGlyph(bool trueType) {
    ui::WindowDc screen(nullptr);
    ui::MemoryDc dc(CreateCompatibleDC(screen.Get()));
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), kGlyphWidth, kGlyphHeight);
    if (!dc || !bitmap) return bitmap;
    ui::SelectGuard select(dc.Get(), bitmap);
    FillRectColor(dc.Get(), 0, 0, kGlyphWidth, kGlyphHeight, kGlyphKey);
    if (trueType) {
        // Two letters T, the second over the first.
        FillRectColor(dc.Get(), 1, 1, 9, 3, RGB(128, 128, 128));
        FillRectColor(dc.Get(), 4, 1, 6, 10, RGB(128, 128, 128));
        FillRectColor(dc.Get(), 6, 3, 15, 5, RGB(0, 0, 0));
        FillRectColor(dc.Get(), 9, 3, 11, 12, RGB(0, 0, 0));
    } else {
        // A printer: the body and a sheet coming out of it.
        FillRectColor(dc.Get(), 4, 1, 12, 6, RGB(255, 255, 255));
        FillRectColor(dc.Get(), 1, 6, 15, 11, RGB(64, 64, 64));
        FillRectColor(dc.Get(), 3, 8, 6, 9, RGB(0, 255, 0));
    }
    return bitmap;
}

struct Enumerated {
    std::vector<fontlist::FontFamily> families;
};

int CALLBACK EnumFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD fontType, LPARAM data) {
    auto* e = reinterpret_cast<Enumerated*>(data);
    e->families.push_back(
        {lf->lfFaceName, static_cast<int>(fontType), lf->lfCharSet, lf->lfPitchAndFamily & 3});
    return 1;
}

void EnumerateInto(HDC dc, Enumerated& e) {
    if (!dc) return;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &lf, &EnumFamily, reinterpret_cast<LPARAM>(&e), 0);
}

// The device context of the default printer, when there is one.
HDC PrinterDc() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (!size) return nullptr;
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return nullptr;
    name.resize(wcslen(name.c_str()));
    return CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
}

int CompareNames(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                          b.c_str(), static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

}  // namespace

// ---- TOwnerDrawComboBox ---------------------------------------------------------

TOwnerDrawComboBox::TOwnerDrawComboBox(ui::Container* parent, std::wstring name)
    : ui::ComboBox(parent, std::move(name)) {
    ui::ComboBox::SetStyle(ui::csOwnerDrawFixed);
    ResetItemHeight();
}

void TOwnerDrawComboBox::SetStyle(TOwnerDrawComboStyle style) {
    if (style == style_) return;
    style_ = style;
    // A drop-down list is drawn by its owner and keeps its text as a list
    // choice; the other styles keep it in the combo box's edit.
    ui::ComboBox::SetStyle(style == TOwnerDrawComboStyle::csDropDownList ? ui::csOwnerDrawFixed
                                                                         : ui::csDropDown);
    if (hwnd_) {
        DestroyHandle();
        HandleNeeded();
    }
}

ui::Control::CreateParams TOwnerDrawComboBox::GetCreateParams() {
    DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    switch (style_) {
        case TOwnerDrawComboStyle::csSimple:
            style |= CBS_SIMPLE | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
            break;
        case TOwnerDrawComboStyle::csDropDown:
            style |= CBS_DROPDOWN | CBS_AUTOHSCROLL;
            break;
        case TOwnerDrawComboStyle::csDropDownList:
            style |= CBS_DROPDOWNLIST;
            break;
    }
    return {L"COMBOBOX", style, 0};
}

void TOwnerDrawComboBox::SetBounds(int left, int top, int width, int height) {
    if (style_ == TOwnerDrawComboStyle::csSimple)
        ui::Control::SetBounds(left, top, width, height);  // list always shown: the height as given
    else
        ui::ComboBox::SetBounds(left, top, width, height);
}

void TOwnerDrawComboBox::FitSimpleHeight() {
    if (hwnd_ && style_ == TOwnerDrawComboStyle::csSimple)
        SetWindowPos(hwnd_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TOwnerDrawComboBox::HandleCreated() {
    ui::ComboBox::HandleCreated();
    ResetItemHeight();
    FitSimpleHeight();
}

void TOwnerDrawComboBox::FontChanged() {
    ui::ComboBox::FontChanged();
    ResetItemHeight();
}

int TOwnerDrawComboBox::MinItemHeight() {
    ui::WindowDc screen(nullptr);
    ui::SelectGuard font(screen.Get(), ui::CachedFont(EffectiveFont()));
    TEXTMETRICW tm{};
    GetTextMetricsW(screen.Get(), &tm);
    return fontlist::MinItemHeight(tm.tmHeight);
}

void TOwnerDrawComboBox::ResetItemHeight() {
    const int height = WantedItemHeight();
    SetItemHeight(height);
    if (hwnd_) Silently([&] { SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, height); });
}

// ---- TFontComboBox --------------------------------------------------------------

TFontComboBox::TFontComboBox(ui::Container* parent, std::wstring name)
    : TOwnerDrawComboBox(parent, std::move(name)) {
    trueTypeGlyph_.Reset(MakeGlyph(true));
    deviceGlyph_.Reset(MakeGlyph(false));
    ResetItemHeight();
}

TFontComboBox::~TFontComboBox() {
    if (hookedRoot_)
        RemoveWindowSubclass(hookedRoot_, &TFontComboBox::FontChangeHook, reinterpret_cast<UINT_PTR>(this));
}

int TFontComboBox::WantedItemHeight() {
    return std::max(MinItemHeight(), kGlyphHeight - 1);
}

int TFontComboBox::FontType(int index) const {
    return index >= 0 && index < static_cast<int>(types_.size()) ? types_[index] : 0;
}

void TFontComboBox::HandleCreated() {
    TOwnerDrawComboBox::HandleCreated();
    PopulateList();
    // The system tells top-level windows of new or removed fonts.
    HWND root = GetAncestor(hwnd_, GA_ROOT);
    if (root && root != hwnd_ && root != hookedRoot_) {
        if (hookedRoot_)
            RemoveWindowSubclass(hookedRoot_, &TFontComboBox::FontChangeHook,
                                 reinterpret_cast<UINT_PTR>(this));
        if (SetWindowSubclass(root, &TFontComboBox::FontChangeHook, reinterpret_cast<UINT_PTR>(this),
                              reinterpret_cast<DWORD_PTR>(this)))
            hookedRoot_ = root;
    }
}

LRESULT CALLBACK TFontComboBox::FontChangeHook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
    if (msg == WM_FONTCHANGE) {
        try {
            reinterpret_cast<TFontComboBox*>(data)->PopulateList();
        } catch (...) {
            ui::Application().HandleException();
        }
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void TFontComboBox::SetDevice(TFontDevice device) {
    if (device == device_) return;
    device_ = device;
    PopulateList();
}

void TFontComboBox::SetOptions(TFontListOptions options) {
    if (options == options_) return;
    options_ = options;
    PopulateList();
}

void TFontComboBox::SetTrueTypeOnly(bool value) {
    SetOptions(value ? options_ | fontlist::foTrueTypeOnly : options_ & ~fontlist::foTrueTypeOnly);
}

void TFontComboBox::SetUseFonts(bool value) {
    if (value == useFonts_) return;
    useFonts_ = value;
    Invalidate();
}

void TFontComboBox::PopulateList() {
    if (!hwnd_) return;
    updating_ = true;
    const std::wstring before = FontName();
    Enumerated found;
    if (device_ != TFontDevice::fdPrinter) {
        ui::WindowDc screen(nullptr);
        EnumerateInto(screen.Get(), found);
    }
    if (device_ != TFontDevice::fdScreen) {
        HDC printer = PrinterDc();
        EnumerateInto(printer, found);
        if (printer) DeleteDC(printer);
    }
    const std::vector<fontlist::FontItem> list =
        fontlist::BuildFontList(found.families, options_, &CompareNames);
    std::vector<std::wstring> names;
    types_.clear();
    for (const fontlist::FontItem& item : list) {
        names.push_back(item.name);
        types_.push_back(item.fontType);
    }
    SetItems(names);
    SetText(L"");
    SetFontName(before);
    updating_ = false;
    if (FontName() != before) Change();
}

void TFontComboBox::SetFontName(const std::wstring& name) {
    if (name == FontName()) return;
    const int index = IndexOf(name);
    if (index >= 0) {
        SetItemIndex(index);
    } else if (Style() != TOwnerDrawComboStyle::csDropDownList) {
        SetText(name);
        if (hwnd_)
            Silently([&] {
                SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                SetWindowTextW(hwnd_, name.c_str());
            });
    } else {
        SetItemIndex(-1);
    }
    Change();
}

void TFontComboBox::Change() {
    if (!updating_ && OnChange) OnChange(*this);
}

bool TFontComboBox::Command(WORD code) {
    if (Updating()) return true;
    if (code == CBN_EDITCHANGE) {
        SyncTextFromWindow();
        const int index = IndexOf(Text());
        if (index < 0) {
            itemIndex_ = -1;
        } else if (index != itemIndex_) {
            itemIndex_ = index;
            Silently([&] { SendMessageW(hwnd_, CB_SETCURSEL, index, 0); });
            SyncTextFromWindow();
            Change();
        }
        return true;
    }
    if (code == CBN_SELCHANGE) {
        ui::ComboBox::Command(code);
        Change();
        return true;
    }
    return ui::ComboBox::Command(code);
}

bool TFontComboBox::DrawItem(DRAWITEMSTRUCT& dis) {
    HDC dc = dis.hDC;
    RECT r = dis.rcItem;
    // A disabled box shows its font greyed on the face colour, as other disabled boxes do.
    const bool disabled = (dis.itemState & ODS_DISABLED) != 0 || (hwnd_ && !IsWindowEnabled(hwnd_));
    const bool selected = !disabled && (dis.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, GetSysColorBrush(disabled ? COLOR_BTNFACE : selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(dis.itemID);
    if (index < 0 || index >= Count()) return true;
    const int type = FontType(index);
    HBITMAP glyph = nullptr;
    switch (fontlist::GlyphFor(type)) {
        case fontlist::Glyph::TrueType:
            glyph = trueTypeGlyph_.Get();
            break;
        case fontlist::Glyph::Device:
            glyph = deviceGlyph_.Get();
            break;
        case fontlist::Glyph::None:
            break;
    }
    const int glyphWidth = glyph ? kGlyphWidth : 20;
    if (glyph) {
        ui::MemoryDc mem(CreateCompatibleDC(dc));
        ui::SelectGuard select(mem.Get(), glyph);
        const int top = r.top + (r.bottom - r.top - kGlyphHeight) / 2;
        TransparentBlt(dc, r.left + 2, top, kGlyphWidth, kGlyphHeight, mem.Get(), 0, 0, kGlyphWidth,
                       kGlyphHeight, GetPixel(mem.Get(), 0, kGlyphHeight - 1));
    }
    ui::Font font = EffectiveFont();
    if (useFonts_ && (type & fontlist::kNotSymbolFont)) font.name = Item(index);
    ui::SelectGuard fontGuard(dc, ui::CachedFont(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled   ? COLOR_GRAYTEXT
                                 : selected ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_WINDOWTEXT));
    r.left += glyphWidth + 6;
    const std::wstring& name = Item(index);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return true;
}
