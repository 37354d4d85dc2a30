// Track bars and scroll bars: a position within Min..Max. A changed position
// raises OnChange, from code as from the user.
#pragma once

#include "ui/control.h"

namespace ui {

enum Orientation { trHorizontal, trVertical };

class TrackBar : public Control {
  public:
    TrackBar(Container* parent, std::wstring name);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    // The position is clamped to the range; a changed position raises OnChange.
    void SetParams(int position, int min, int max);
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    ui::Orientation GetOrientation() const { return orientation_; }
    void SetOrientation(ui::Orientation v) { orientation_ = v; }  // before the window is made

    NotifyEvent OnChange;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Scroll(int code) override;
    bool StaticLike() const override { return true; }

  private:
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, pageSize_ = 2;
    ui::Orientation orientation_ = trHorizontal;
};

enum ScrollBarKind { sbHorizontal, sbVertical };

class ScrollBar : public Control {
  public:
    ScrollBar(Container* parent, std::wstring name);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    void SetParams(int position, int min, int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    ScrollBarKind Kind() const { return kind_; }
    void SetKind(ScrollBarKind v) { kind_ = v; }  // before the window is made

    NotifyEvent OnChange;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool Scroll(int code) override;

  private:
    void Push();
    int min_ = 0, max_ = 100, position_ = 0, smallChange_ = 1, largeChange_ = 1;
    ScrollBarKind kind_ = sbHorizontal;
};

}  // namespace ui
