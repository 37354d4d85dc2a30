// Animated show and hide of a form: the form becomes a layered window, and a
// copy of its picture, masked anew at each step (a soft edge sweeping across,
// two edges meeting or parting, a fade, a radar sweep), is handed to Windows as
// its content until the duration is over. TAlphaFXBase does the mechanics,
// TAlphaFX the effects; AlphaFX runs one effect and returns when it is over,
// the application's messages flowing meanwhile.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "components/alpha_fx_mask.h"
#include "ui/component.h"
#include "ui/events.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/timer.h"

using alphafx::TAlphaFXEffect;
using alphafx::TAlphaFXEffects;

// A 32-bit top-down picture of a window's size, selected into a memory DC.
class EffectBitmap {
  public:
    EffectBitmap(int width, int height);
    HDC Dc() const { return dc_.Get(); }
    alphafx::PixelView View() const { return {pixels_, width_, height_}; }
    bool Ok() const { return pixels_ != nullptr; }
    void CopyFrom(const EffectBitmap& other);

  private:
    int width_, height_;
    std::uint32_t* pixels_ = nullptr;
    // The DC goes first, letting go of the bitmap selected into it.
    ui::BitmapHandle bitmap_;
    ui::MemoryDc dc_;
};

class TAlphaFXBase : public ui::Component {
  public:
    ~TAlphaFXBase() override;
    bool Finished() const { return finished_; }
    bool Reverse() const { return reverse_; }
    // Ends the effect at once, the window left whole and opaque (a hide
    // effect then hides nothing).
    void CutShort();
    bool WasCutShort() const { return cutShort_; }
    // The effect running on the form and waited for, or nullptr.
    static TAlphaFXBase* RunningOn(const ui::Form& form);
    int Duration() const { return duration_; }

    ui::NotifyEvent OnBefore, OnAfter;

  protected:
    TAlphaFXBase(ui::Form& form, int duration, bool restoreOpaque, bool reverse, bool wait,
                 ui::NotifyEvent onBefore, ui::NotifyEvent onAfter);
    // Takes the picture, makes the window layered, starts and runs the effect
    // (to its end when Wait is set); the derived constructor calls it last.
    void Run();
    // Sets the ranges of the step parameters and draws the first mask.
    virtual void Start(alphafx::PixelView work) = 0;
    // Draws the mask of one moment on the work picture (a fresh copy of Image).
    virtual void Step(int a, int b, int c, int d, alphafx::PixelView work) = 0;
    virtual void Done();

    std::array<alphafx::ParamRange, 4> ranges_{};
    int Width() const { return size_.cx; }
    int Height() const { return size_.cy; }

  private:
    void TakeImage();
    void DoStep();
    void CopyBMP();
    void Push(const EffectBitmap& picture, DWORD flags);

    ui::Form& form_;
    int duration_;
    bool wait_, restoreOpaque_, reverse_;
    bool finished_ = false, done_ = false, cutShort_ = false;
    std::unique_ptr<EffectBitmap> image_, workImage_;
    BLENDFUNCTION blend_{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    POINT position_{}, source_{0, 0};
    SIZE size_{};
    ULONGLONG startTick_ = 0;
    ui::Timer stepTimer_;
};

class TAlphaFX : public TAlphaFXBase {
  public:
    // An afxCustom effect plays the list (a random one of count effects when
    // the list is empty), one element per pass.
    TAlphaFX(ui::Form& form, TAlphaFXEffect effect, int count, int duration, TAlphaFXEffects effects,
             bool restoreOpaque, bool reverse, bool wait, ui::NotifyEvent onBefore = {},
             ui::NotifyEvent onAfter = {});
    TAlphaFXEffect Effect() const { return mask_.Effect(); }
    const TAlphaFXEffects& Effects() const { return mask_.Effects(); }

  protected:
    void Start(alphafx::PixelView work) override;
    void Step(int a, int b, int c, int d, alphafx::PixelView work) override;

  private:
    alphafx::EffectMask mask_;
};

// n effects drawn at random.
TAlphaFXEffects afx_Random(int n);

// Plays the effects on the form and returns when they are over.
void AlphaFX(ui::Form& form, const TAlphaFXEffects& effects, int count, int duration, bool restoreOpaque,
             bool reverse, ui::NotifyEvent onBefore = {}, ui::NotifyEvent onAfter = {});
