// The menu painter: draws the menus of one form in a flat style (a light menu
// background, a tinted icon column, a filled and framed selection box, thin
// separators, hand-drawn check marks). Activating it switches the form's menus
// to owner drawing with the painter's measuring and drawing handlers; the
// handlers belong to whole menus, so items added at run time are drawn too.
// It records the item it last drew highlighted (SelectedItem) while a menu is
// open; the record is cleared when the menu closes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "components/xp_menu_rules.h"
#include "ui/component.h"
#include "ui/form.h"
#include "ui/graphics.h"
#include "ui/menus.h"

class TXPMenu : public ui::Component {
  public:
    // The menus of owner (when given) are handled; not yet active.
    explicit TXPMenu(ui::Form* owner, std::wstring name = L"XPMenu");
    ~TXPMenu() override;

    ui::Form* Form() const { return form_; }
    void SetForm(ui::Form* form);

    const ui::Font& Font() const { return font_; }
    void SetFont(const ui::Font& font);
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor c) { color_ = c; }
    ui::TColor IconBackColor() const { return iconBackColor_; }
    void SetIconBackColor(ui::TColor c) { iconBackColor_ = c; }
    ui::TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(ui::TColor c);
    ui::TColor SelectColor() const { return selectColor_; }
    void SetSelectColor(ui::TColor c) { selectColor_ = c; }
    ui::TColor SelectBorderColor() const { return selectBorderColor_; }
    void SetSelectBorderColor(ui::TColor c) { selectBorderColor_ = c; }
    ui::TColor SelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(ui::TColor c) { selectFontColor_ = c; }
    ui::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(ui::TColor c) { disabledColor_ = c; }
    ui::TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(ui::TColor c) { separatorColor_ = c; }
    ui::TColor CheckedColor() const { return checkedColor_; }
    void SetCheckedColor(ui::TColor c) { checkedColor_ = c; }
    int IconWidth() const { return iconWidth_; }
    void SetIconWidth(int v) { iconWidth_ = v; }
    bool DrawSelect() const { return drawSelect_; }
    void SetDrawSelect(bool v) { drawSelect_ = v; }
    bool UseSystemColors() const { return useSystemColors_; }
    void SetUseSystemColors(bool v);
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void SetOverrideOwnerDraw(bool v);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool v) { gradient_ = v; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool v) { flatMenu_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v);
    // The image list of the menus' items (not owned; none by default).
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST images) { images_ = images; }

    // The highlighted item of the open menu as far as the drawing shows it, or null.
    ui::MenuItem* SelectedItem() const { return const_cast<ui::MenuItem*>(selection_.Selected()); }

    // The handlers given to the menus.
    void MeasureItem(ui::MenuItem& item, int& width, int& height);
    void DrawItem(ui::MenuItem& item, HDC canvas, const RECT& rect, UINT state);

  private:
    struct Hooked {
        ui::Menu* menu;
        bool draw, measure;
        ui::NotifyEvent close;  // the menu's own close handler, run before the record is cleared
    };
    void InitMenueItems(bool on);
    void RedrawMenuBar();
    xpmenu::WorkingColors SetGlobalColor(HDC canvas);
    ui::Font PaintFont() const;
    SIZE ImageSize(const ui::MenuItem& item) const;
    bool InMenuBar(const ui::MenuItem& item) const;
    void DrawCheckedItem(HDC dc, const ui::MenuItem& item, const RECT& iconRect, bool selected, bool hasImage,
                         const xpmenu::WorkingColors& colors);
    void DrawIcon(HDC dc, const ui::MenuItem& item, const RECT& rect, bool selected, bool enabled,
                  bool checked, bool highColor);
    void DrawTheText(HDC dc, const ui::MenuItem& item, RECT rect, COLORREF color, bool highColor, bool inBar);
    void DrawTopMenuItem(HDC dc, const RECT& rect, const xpmenu::WorkingColors& colors);
    void DrawWindowBorder(HDC canvas, const xpmenu::WorkingColors& colors);

    ui::Form* form_ = nullptr;
    ui::Font font_;
    ui::TColor color_, iconBackColor_, menuBarColor_, selectColor_, selectBorderColor_, selectFontColor_,
        disabledColor_, separatorColor_, checkedColor_;
    int iconWidth_ = 24;
    bool drawSelect_ = true, useSystemColors_ = true, overrideOwnerDraw_ = false, gradient_ = false,
         flatMenu_ = false, active_ = false;
    HIMAGELIST images_ = nullptr;
    std::vector<Hooked> hooked_;
    xpmenu::SelectionRecord<ui::MenuItem> selection_;
};

// The system's menu font in menu-text colour ("MS Sans Serif" becomes
// "Tahoma"); the font given stays as it was when the system cannot tell.
ui::Font GetSystemMenuFont(const ui::Font& font);
// The colour rules of the painter, mapped to the nearest colour of the canvas.
COLORREF NewColor(HDC canvas, COLORREF color, int percent);
COLORREF GetShadeColor(HDC canvas, COLORREF color, int amount);
COLORREF GrayColor(HDC canvas, COLORREF color, int amount);
// Every pixel of a 32-bit top-down bitmap section turned grey or lightened.
void GrayBitmap(HBITMAP bitmap, int amount);
void DimBitmap(HBITMAP bitmap, int amount);
// Paints the shape of the bitmap (all but its bottom-left pixel's colour) at
// x, y in the colour.
void DrawBitmapShadow(HBITMAP bitmap, HDC canvas, int x, int y, COLORREF color);
