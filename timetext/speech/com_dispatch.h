// Late-bound calls on an automation object by member name, raising
// ComError when a call fails.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "ui/handles.h"

namespace speech {

class ComError : public std::runtime_error {
  public:
    ComError(const char* what, HRESULT hr) : std::runtime_error(what), hr_(hr) {}
    HRESULT Result() const { return hr_; }

  private:
    HRESULT hr_;
};

void Check(HRESULT hr, const char* what);

// A VARIANT that clears itself.
class Variant {
  public:
    Variant() { VariantInit(&v_); }
    explicit Variant(long value);
    explicit Variant(const std::wstring& text);
    explicit Variant(IDispatch* object);
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant& other);
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() { return &v_; }
    const VARIANT& Ref() const { return v_; }

    long AsLong() const;
    std::wstring AsText() const;
    ui::ComPtr<IDispatch> AsObject() const;

  private:
    VARIANT v_;
};

// Arguments are given in their natural order.
Variant CallMethod(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> args = {});
Variant GetProperty(IDispatch* object, const wchar_t* name);
void PutProperty(IDispatch* object, const wchar_t* name, const Variant& value);
void PutPropertyRef(IDispatch* object, const wchar_t* name, const Variant& value);

}  // namespace speech
