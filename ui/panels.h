// Labels, panels and group boxes.
#pragma once

#include "ui/control.h"

namespace ui {

enum Alignment { taLeftJustify, taRightJustify, taCenter };

class Label : public Control {
  public:
    Label(Container* parent, std::wstring name, std::wstring caption = {});
    ui::Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(ui::Alignment a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

  protected:
    CreateParams GetCreateParams() override;
    bool StaticLike() const override { return true; }
    bool ClicksFromMouse() const override { return true; }

  private:
    DWORD StyleBits() const;
    ui::Alignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
};

enum BevelCut { bvNone, bvLowered, bvRaised };

// A container of our own window class, painted in its colour with its bevels
// and its caption in the middle.
class Panel : public Container {
  public:
    Panel(Container* parent, std::wstring name);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut v);
    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut v);
    // When set, draws the panel instead of the default (dc, client rectangle).
    std::function<void(Panel& sender, HDC dc, const RECT& rect)> OnPaint;

  protected:
    CreateParams GetCreateParams() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool ClicksFromMouse() const override { return true; }

  private:
    void Paint(HDC dc, const RECT& rc);
    BevelCut bevelOuter_ = bvRaised, bevelInner_ = bvNone;
};

// A frame with a caption around controls. It draws itself, so that a disabled
// group's caption is grey under a visual style too.
class GroupBox : public Container {
  public:
    GroupBox(Container* parent, std::wstring name, std::wstring caption = {});

  protected:
    CreateParams GetCreateParams() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    void Paint(HDC dc, const RECT& rc);
};

}  // namespace ui
