// Edits: a one-line edit, a memo of lines, and a spin edit of a whole number.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Edit : public Control {
  public:
    Edit(Container* parent, std::wstring name);
    // Setting Text from code raises OnChange when the text differs, as typing does.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    void SelectAll();
    NotifyEvent OnChange;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Command(WORD code) override;
    void TextChanged() override { Change(); }
    // Raises OnChange; derived edits look at the new text first.
    virtual void Change();
    virtual DWORD EditStyle() const { return ES_AUTOHSCROLL; }
    // Whether the window takes no typing: ReadOnly, or more for derived edits.
    virtual bool WindowReadOnly() const { return readOnly_; }
    void UpdateWindowReadOnly();

  private:
    bool readOnly_ = false;
    int maxLength_ = 0;
};

enum ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class Memo : public Edit {
  public:
    // An edit control grows slow with the length of its text (a megabyte takes
    // minutes): a longer text set from code is shown only by its leading
    // lines, read-only, while Text stays whole. What the user types or pastes
    // is Text whatever its length (the window takes text without a limit).
    static constexpr std::size_t kShownLength = 8192;

    Memo(Container* parent, std::wstring name);
    // True while the window shows only the start of Text.
    bool Clipped() const { return clipped_; }
    // The lines of Text, split at line breaks (a final line break adds no empty
    // line); SetLines joins them with CR LF.
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);
    int LineCount() const { return static_cast<int>(Lines().size()); }
    void AddLine(const std::wstring& line);  // and scrolls it into view
    void Clear() { SetText(L""); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }  // before the window is made
    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle v) { scrollBars_ = v; }  // before the window is made

  protected:
    DWORD EditStyle() const override;
    void HandleCreated() override;
    std::wstring ShownText() const override;
    bool WindowReadOnly() const override { return ReadOnly() || Clipped(); }
    void TextSet() override;
    void TextChanged() override;
    bool Command(WORD code) override;

  private:
    bool clipped_ = false;
    bool wordWrap_ = true;
    ScrollStyle scrollBars_ = ssNone;
};

// A whole number between MinValue and MaxValue (no limits while MaxValue is not
// above MinValue, so the range can be set in either order).
// Text that is empty or no number keeps the last valid Value; leaving the edit
// shows that value again.
class SpinEdit : public Edit {
  public:
    SpinEdit(Container* parent, std::wstring name);
    ~SpinEdit() override;
    int Value() const { return value_; }
    void SetValue(int v);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    void SetBounds(int left, int top, int width, int height) override;
    // The clamp rule, for tests and callers.
    int CheckValue(int v) const;

  protected:
    void HandleCreated() override;
    void Change() override;
    bool Command(WORD code) override;
    bool Notify(NMHDR& nm, LRESULT& result) override;
    bool Scroll(int) override { return true; }
    void WindowStateChanged() override;

  private:
    void ShowValueSilently();
    void PlaceUpDown();
    int value_ = 0, minValue_ = 0, maxValue_ = 0, increment_ = 1;
    HWND upDown_ = nullptr;
};

}  // namespace ui
