#include "timetext/speech/com_dispatch.h"

#include <vector>

namespace speech {

void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw ComError(what, hr);
}

Variant::Variant(long value) : Variant() {
    v_.vt = VT_I4;
    v_.lVal = value;
}

Variant::Variant(const std::wstring& text) : Variant() {
    v_.vt = VT_BSTR;
    v_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

Variant::Variant(IDispatch* object) : Variant() {
    v_.vt = VT_DISPATCH;
    v_.pdispVal = object;
    if (object) object->AddRef();
}

Variant::Variant(const Variant& other) : Variant() {
    Check(VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)), "VariantCopy");
}

long Variant::AsLong() const {
    VARIANT converted;
    VariantInit(&converted);
    Check(VariantChangeType(&converted, const_cast<VARIANT*>(&v_), 0, VT_I4), "VariantChangeType");
    return converted.lVal;
}

std::wstring Variant::AsText() const {
    VARIANT converted;
    VariantInit(&converted);
    Check(VariantChangeType(&converted, const_cast<VARIANT*>(&v_), 0, VT_BSTR), "VariantChangeType");
    std::wstring text(converted.bstrVal ? converted.bstrVal : L"", SysStringLen(converted.bstrVal));
    VariantClear(&converted);
    return text;
}

ui::ComPtr<IDispatch> Variant::AsObject() const {
    ui::ComPtr<IDispatch> result;
    if (v_.vt == VT_DISPATCH && v_.pdispVal) {
        v_.pdispVal->AddRef();
        result = ui::ComPtr<IDispatch>::Attach(v_.pdispVal);
    } else if (v_.vt == VT_UNKNOWN && v_.punkVal) {
        v_.punkVal->QueryInterface(IID_IDispatch, result.PutVoid());
    }
    if (!result) throw ComError("no object", E_POINTER);
    return result;
}

namespace {

DISPID IdOf(IDispatch* object, const wchar_t* name) {
    if (!object) throw ComError("no object", E_POINTER);
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    Check(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), "GetIDsOfNames");
    return id;
}

Variant Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> reversed) {
    const DISPID id = IdOf(object, name);
    DISPPARAMS params{};
    params.cArgs = static_cast<UINT>(reversed.size());
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    DISPID putId = DISPID_PROPERTYPUT;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.cNamedArgs = 1;
        params.rgdispidNamedArgs = &putId;
    }
    Variant result;
    EXCEPINFO info{};
    const HRESULT hr = object->Invoke(
        id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
        (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) ? nullptr : result.Get(), &info, nullptr);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    Check(hr, "Invoke");
    return result;
}

}  // namespace

Variant CallMethod(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> args) {
    std::vector<VARIANT> reversed;
    for (auto it = std::rbegin(args); it != std::rend(args); ++it) reversed.push_back(it->Ref());
    return Invoke(object, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(reversed));
}

Variant GetProperty(IDispatch* object, const wchar_t* name) {
    return Invoke(object, name, DISPATCH_PROPERTYGET, {});
}

void PutProperty(IDispatch* object, const wchar_t* name, const Variant& value) {
    Invoke(object, name, DISPATCH_PROPERTYPUT, {value.Ref()});
}

void PutPropertyRef(IDispatch* object, const wchar_t* name, const Variant& value) {
    Invoke(object, name, DISPATCH_PROPERTYPUTREF, {value.Ref()});
}

}  // namespace speech
