// Small owners for Win32 handles, device contexts, GDI objects, registry keys
// and COM pointers: whatever is acquired is released by a destructor.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace ui {

// A movable, non-copyable owner of one handle; Traits gives the empty value and
// the release call.
template <class Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Empty(); }
    Handle Release() { return std::exchange(h_, Traits::Empty()); }
    void Reset(Handle h = Traits::Empty()) {
        if (h_ != Traits::Empty()) Traits::Close(h_);
        h_ = h;
    }

  private:
    Handle h_ = Traits::Empty();
};

namespace handle_traits {
struct Window {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyWindow(h); }
};
template <class T>
struct Gdi {
    using Handle = T;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct MemDc {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};
struct Menu {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct Cursor {
    using Handle = HCURSOR;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyCursor(h); }
};
struct Key {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct Kernel {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct Module {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
}  // namespace handle_traits

using WindowHandle = UniqueHandle<handle_traits::Window>;
template <class T>
using GdiObject = UniqueHandle<handle_traits::Gdi<T>>;
using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using FontHandle = GdiObject<HFONT>;
using PenHandle = GdiObject<HPEN>;
using RegionHandle = GdiObject<HRGN>;
using MemoryDc = UniqueHandle<handle_traits::MemDc>;
using MenuHandle = UniqueHandle<handle_traits::Menu>;
using IconHandle = UniqueHandle<handle_traits::Icon>;
using CursorHandle = UniqueHandle<handle_traits::Cursor>;
using RegKey = UniqueHandle<handle_traits::Key>;
using KernelHandle = UniqueHandle<handle_traits::Kernel>;
using ModuleHandle = UniqueHandle<handle_traits::Module>;

// GetDC / ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }
    const RECT& PaintRect() const { return ps_.rcPaint; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// SelectObject for a scope; the previous object is selected back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A COM interface pointer: AddRef on copy, Release on destruction.
template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    ComPtr(const ComPtr& o) : p_(o.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    // Takes over a pointer that already carries a reference.
    static ComPtr Attach(T* p) {
        ComPtr r;
        r.p_ = p;
        return r;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and gives the slot.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

  private:
    T* p_ = nullptr;
};

// CoInitialize / CoUninitialize for the current thread.
class ComInit {
  public:
    ComInit() : hr_(CoInitialize(nullptr)) {}
    ~ComInit() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    bool Ok() const { return SUCCEEDED(hr_); }

  private:
    HRESULT hr_;
};

}  // namespace ui
