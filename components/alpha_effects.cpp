#include "components/alpha_effects.h"

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include "options/window_effects.h"
#include "ui/application.h"
#include "ui/graphics.h"

namespace {

// Draws a window and its visible children into dc as they would appear, the
// window's top-left corner at origin (the picture of a window not on screen).
void PrintWindowTree(HWND hwnd, HDC dc, POINT origin, const RECT& topRect) {
    POINT old{};
    SetViewportOrgEx(dc, origin.x, origin.y, &old);
    SendMessageW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    std::vector<HWND> children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    // Bottom of the z-order first, so the upper windows end on top.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!(GetWindowLongPtrW(*it, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT r;
        GetWindowRect(*it, &r);
        PrintWindowTree(*it, dc, POINT{r.left - topRect.left, r.top - topRect.top}, topRect);
    }
}

std::mt19937& Generator() {
    static std::mt19937 generator(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return generator;
}

// The effects whose end is being waited for, the latest last.
std::vector<TAlphaFXBase*>& Running() {
    static std::vector<TAlphaFXBase*> running;
    return running;
}

int RandomBelow(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}

}  // namespace

// ---- EffectBitmap -------------------------------------------------------------

EffectBitmap::EffectBitmap(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    void* bits = nullptr;
    bitmap_.Reset(ui::NewTopDownDib(width_, height_, &bits));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_ || !bits) return;
    pixels_ = static_cast<std::uint32_t*>(bits);
    SelectObject(dc_.Get(), bitmap_.Get());
}

void EffectBitmap::CopyFrom(const EffectBitmap& other) {
    if (!pixels_ || !other.pixels_) return;
    GdiFlush();
    std::memcpy(pixels_, other.pixels_, std::size_t(width_) * height_ * sizeof(std::uint32_t));
}

// ---- TAlphaFXBase ---------------------------------------------------------------

TAlphaFXBase::TAlphaFXBase(ui::Form& form, int duration, bool restoreOpaque, bool reverse, bool wait,
                           ui::NotifyEvent onBefore, ui::NotifyEvent onAfter)
    : ui::Component(L"AlphaFX"),
      OnBefore(std::move(onBefore)),
      OnAfter(std::move(onAfter)),
      form_(form),
      duration_(duration),
      wait_(wait),
      restoreOpaque_(restoreOpaque),
      reverse_(reverse),
      stepTimer_(nullptr, L"StepTimer") {
    stepTimer_.SetEnabled(false);
    stepTimer_.SetInterval(1);
    stepTimer_.OnTimer = [this](ui::Component&) {
        stepTimer_.SetEnabled(false);
        DoStep();
    };
    HWND hwnd = form_.Handle();
    RECT r{};
    if (hwnd) GetWindowRect(hwnd, &r);
    position_ = {r.left, r.top};
    size_ = {std::max<LONG>(r.right - r.left, 1), std::max<LONG>(r.bottom - r.top, 1)};
}

TAlphaFXBase::~TAlphaFXBase() {
    stepTimer_.SetEnabled(false);
}

void TAlphaFXBase::TakeImage() {
    image_ = std::make_unique<EffectBitmap>(size_.cx, size_.cy);
    workImage_ = std::make_unique<EffectBitmap>(size_.cx, size_.cy);
    HWND hwnd = form_.Handle();
    if (!image_->Ok() || !hwnd) return;
    RECT r{position_.x, position_.y, position_.x + size_.cx, position_.y + size_.cy};
    if (IsWindowVisible(hwnd)) {
        ui::WindowDc screen(nullptr);
        BitBlt(image_->Dc(), 0, 0, size_.cx, size_.cy, screen.Get(), r.left, r.top, SRCCOPY);
    } else {
        PrintWindowTree(hwnd, image_->Dc(), POINT{0, 0}, r);
    }
    GdiFlush();
}

void TAlphaFXBase::Run() {
    HWND hwnd = form_.Handle();
    TakeImage();
    if (hwnd) {
        LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
        // A window faded by the form's own alpha takes new pixels only after
        // its layered style was set anew.
        if ((ex & WS_EX_LAYERED) && form_.AlphaBlend())
            SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    }
    CopyBMP();
    Start(workImage_->View());
    if (OnBefore) OnBefore(*this);
    startTick_ = GetTickCount64();
    Push(*workImage_, ULW_ALPHA);
    DoStep();
    if (!wait_) return;
    Running().push_back(this);
    struct Leave {
        TAlphaFXBase* effect;
        ~Leave() { std::erase(Running(), effect); }
    } leave{this};
    ui::TApplication& app = ui::Application();
    while (!finished_) {
        // A quit met on the way ends the effect at once (the timer would
        // never tick again before the quit is handled).
        if (!app.ProcessMessages()) break;
        if (!finished_) app.WaitForMessage(10);
    }
    finished_ = true;
    stepTimer_.SetEnabled(false);
    Done();
}

void TAlphaFXBase::CutShort() {
    if (finished_) return;
    cutShort_ = true;
    finished_ = true;
    restoreOpaque_ = true;
    stepTimer_.SetEnabled(false);
    if (!wait_) Done();
}

TAlphaFXBase* TAlphaFXBase::RunningOn(const ui::Form& form) {
    for (auto it = Running().rbegin(); it != Running().rend(); ++it)
        if (&(*it)->form_ == &form) return *it;
    return nullptr;
}

void TAlphaFXBase::CopyBMP() {
    if (workImage_ && image_) workImage_->CopyFrom(*image_);
}

void TAlphaFXBase::Push(const EffectBitmap& picture, DWORD flags) {
    HWND hwnd = form_.Handle();
    if (!hwnd || !picture.Ok()) return;
    ui::WindowDc screen(nullptr);
    POINT position = position_, source = source_;
    SIZE size = size_;
    UpdateLayeredWindow(hwnd, screen.Get(), &position, &size, picture.Dc(), &source, 0, &blend_, flags);
}

void TAlphaFXBase::DoStep() {
    if (cutShort_) return;
    const ULONGLONG elapsed = GetTickCount64() - startTick_;
    finished_ = elapsed > static_cast<ULONGLONG>(std::max(duration_, 0));
    if (finished_) {
        if (!wait_) Done();
        return;
    }
    CopyBMP();
    int v[4];
    for (int i = 0; i < 4; ++i) v[i] = ranges_[i].At(static_cast<long long>(elapsed), duration_);
    Step(v[0], v[1], v[2], v[3], workImage_->View());
    GdiFlush();
    Push(*workImage_, ULW_ALPHA);
    stepTimer_.SetEnabled(true);
}

void TAlphaFXBase::Done() {
    if (done_) return;
    done_ = true;
    HWND hwnd = form_.Handle();
    if (restoreOpaque_ && hwnd) {
        Push(*image_, ULW_OPAQUE);
        const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
        if (ex & WS_EX_LAYERED) {
            SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
            RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
    if (OnAfter) OnAfter(*this);
}

// ---- TAlphaFX -------------------------------------------------------------------

TAlphaFX::TAlphaFX(ui::Form& form, TAlphaFXEffect effect, int count, int duration, TAlphaFXEffects effects,
                   bool restoreOpaque, bool reverse, bool wait, ui::NotifyEvent onBefore,
                   ui::NotifyEvent onAfter)
    : TAlphaFXBase(form, duration, restoreOpaque, reverse, wait, std::move(onBefore), std::move(onAfter)),
      mask_(Width(), Height(), effect, count, std::move(effects), reverse, &RandomBelow) {
    Run();
}

void TAlphaFX::Start(alphafx::PixelView work) {
    mask_.Start(work);
    ranges_ = mask_.Ranges();
}

void TAlphaFX::Step(int a, int b, int c, int d, alphafx::PixelView work) {
    mask_.Step(a, b, c, d, work);
}

// ---- free functions -------------------------------------------------------------

TAlphaFXEffects afx_Random(int n) {
    return alphafx::afx_Random(n, &RandomBelow);
}

void AlphaFX(ui::Form& form, const TAlphaFXEffects& effects, int count, int duration, bool restoreOpaque,
             bool reverse, ui::NotifyEvent onBefore, ui::NotifyEvent onAfter) {
    TAlphaFX effect(form, alphafx::afxCustom, count, duration, effects, restoreOpaque, reverse, true,
                    std::move(onBefore), std::move(onAfter));
}

// The settings window's show and hide: one random effect in two passes over a second.
bool PlayWindowEffect(ui::Form& form, bool reverse, bool restoreOpaque, const std::function<void()>& before,
                      const std::function<void()>& after) {
    ui::NotifyEvent onBefore, onAfter;
    if (before) onBefore = [before](ui::Component&) { before(); };
    if (after) onAfter = [after](ui::Component&) { after(); };
    const TAlphaFX effect(form, alphafx::afxCustom, 2, 1000, afx_Random(1), restoreOpaque, reverse, true,
                          onBefore, onAfter);
    if (effect.WasCutShort()) return false;
    if (reverse) {
        form.Hide();
        // Hidden, the window needs its mask no more: a plain Show must show it whole.
        HWND hwnd = form.Handle();
        const LONG_PTR ex = hwnd ? GetWindowLongPtrW(hwnd, GWL_EXSTYLE) : 0;
        if ((ex & WS_EX_LAYERED) && !form.AlphaBlend())
            SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    }
    return true;
}

bool CutWindowEffectShort(ui::Form& form) {
    TAlphaFXBase* effect = TAlphaFXBase::RunningOn(form);
    if (!effect) return false;
    effect->CutShort();
    return true;
}
