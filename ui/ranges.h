// Track bars and scroll bars: a position within Min..Max. A changed position
// raises OnChange, from code as from the user.
#pragma once

#include "ui/control.h"

namespace ui {

// What a track bar and a scroll bar have in common: the range and the position.
class RangeControl : public Control {
  public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    // The position is clamped to the range; a changed position raises OnChange.
    virtual void SetParams(int position, int min, int max) = 0;

    NotifyEvent OnChange;

  protected:
    RangeControl(Container* parent, std::wstring name, int max);
    // The range with max raised to min at least, and the position clamped to it.
    static void Clamp(int& position, int min, int& max);

    int min_ = 0, max_, position_ = 0;
};

enum Orientation { trHorizontal, trVertical };

class TrackBar : public RangeControl {
  public:
    TrackBar(Container* parent, std::wstring name);
    void SetParams(int position, int min, int max) override;
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    ui::Orientation GetOrientation() const { return orientation_; }
    void SetOrientation(ui::Orientation v) { orientation_ = v; }  // before the window is made

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Scroll(int code) override;
    bool StaticLike() const override { return true; }
    // A disabled track bar draws its thumb itself, greyed out (the visual
    // styles may draw it as an enabled one).
    bool Notify(NMHDR& nm, LRESULT& result) override;

  private:
    int frequency_ = 1, pageSize_ = 2;
    ui::Orientation orientation_ = trHorizontal;
};

enum ScrollBarKind { sbHorizontal, sbVertical };

class ScrollBar : public RangeControl {
  public:
    ScrollBar(Container* parent, std::wstring name);
    void SetParams(int position, int min, int max) override;
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    ScrollBarKind Kind() const { return kind_; }
    void SetKind(ScrollBarKind v) { kind_ = v; }  // before the window is made

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Scroll(int code) override;

  private:
    void Push();
    int smallChange_ = 1, largeChange_ = 1;
    ScrollBarKind kind_ = sbHorizontal;
};

}  // namespace ui
