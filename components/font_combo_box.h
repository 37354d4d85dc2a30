// Combo boxes whose items the program draws at a fixed height that follows the
// font, and the font-name box built on them: the installed font families, each
// with a glyph telling TrueType fonts from device fonts, refilled when the
// system's fonts change.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/font_list_rules.h"
#include "ui/handles.h"
#include "ui/lists.h"

using fontlist::TFontListOptions;

enum class TOwnerDrawComboStyle { csDropDown, csSimple, csDropDownList };

class TOwnerDrawComboBox : public ui::ComboBox {
  public:
    TOwnerDrawComboBox(ui::Container* parent, std::wstring name);
    TOwnerDrawComboStyle Style() const { return style_; }
    // Rebuilds the window with the new kind.
    void SetStyle(TOwnerDrawComboStyle style);
    void SetBounds(int left, int top, int width, int height) override;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    void FontChanged() override;
    // The least item height: the font's text height plus 1, at least 9.
    virtual int MinItemHeight();
    // The item height the box uses (the least one unless a kind wants more).
    virtual int WantedItemHeight() { return MinItemHeight(); }
    void ResetItemHeight();

  private:
    void FitSimpleHeight();
    TOwnerDrawComboStyle style_ = TOwnerDrawComboStyle::csDropDownList;
};

enum class TFontDevice { fdScreen, fdPrinter, fdBoth };

class TFontComboBox : public TOwnerDrawComboBox {
  public:
    TFontComboBox(ui::Container* parent, std::wstring name);
    ~TFontComboBox() override;

    // The text; setting it selects the matching item (letter case aside).
    std::wstring FontName() const { return Text(); }
    void SetFontName(const std::wstring& name);
    TFontDevice Device() const { return device_; }
    void SetDevice(TFontDevice device);
    TFontListOptions Options() const { return options_; }
    void SetOptions(TFontListOptions options);
    bool TrueTypeOnly() const { return (options_ & fontlist::foTrueTypeOnly) != 0; }
    void SetTrueTypeOnly(bool value);
    bool UseFonts() const { return useFonts_; }
    void SetUseFonts(bool value);
    // The font-type word of an item (font-type bits, 256 for a non-symbol family).
    int FontType(int index) const;

    // Fired when the font name changes (by the user's choice or typing, or by
    // FontName from code), never while the list is refilled.
    ui::NotifyEvent OnChange;

  protected:
    void HandleCreated() override;
    bool Command(WORD code) override;
    bool DrawItem(DRAWITEMSTRUCT& dis) override;
    int WantedItemHeight() override;

  private:
    static LRESULT CALLBACK FontChangeHook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                           DWORD_PTR data);
    void PopulateList();
    void Change();

    TFontDevice device_ = TFontDevice::fdScreen;
    TFontListOptions options_ = 0;
    bool useFonts_ = false;
    bool updating_ = false;
    std::vector<int> types_;
    ui::BitmapHandle trueTypeGlyph_, deviceGlyph_;
    HWND hookedRoot_ = nullptr;
};
