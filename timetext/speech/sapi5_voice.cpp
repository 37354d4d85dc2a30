#include "timetext/speech/sapi5_voice.h"

#include <ocidl.h>

#include <atomic>

#include "timetext/speech/com_dispatch.h"
#include "timetext/speech/sapi5_automation.h"

namespace speech {

namespace {

// The voice's language attribute: language ids in hexadecimal separated by
// ";" ("419;409"); the first one names the language.
std::wstring LanguageName(const std::wstring& attribute) {
    const LANGID id = static_cast<LANGID>(std::wcstoul(attribute.c_str(), nullptr, 16));
    if (id == 0) return {};
    wchar_t buffer[80] = {};
    if (VerLanguageNameW(id, buffer, 80) == 0) return {};
    return buffer;
}

class TSpVoice;

// Receives the voice's events through its connection point.
class VoiceEventSink final : public IDispatch {
  public:
    explicit VoiceEventSink(TSpVoice* owner) : owner_(owner) {}
    void Detach() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == sapi5::kDiidSpeechVoiceEvents) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

  private:
    std::atomic<ULONG> refs_{1};
    TSpVoice* owner_;
};

class TSpVoice final : public Sapi5Backend {
  public:
    TSpVoice() : sink_(ui::ComPtr<VoiceEventSink>::Attach(new VoiceEventSink(this))) {}
    ~TSpVoice() override {
        Disconnect();
        sink_->Detach();
    }

    void SetEvents(Sapi5Events* events) override { events_ = events; }

    int VoiceCount() override { return GetProperty(Voices().Get(), L"Count").AsLong(); }

    std::wstring VoiceDescription(int index) override {
        auto token = Token(index);
        return CallMethod(token.Get(), L"GetDescription", {Variant(0L)}).AsText();
    }

    EngineDetails SelectVoice(int index) override {
        auto token = Token(index);
        PutPropertyRef(Voice(), L"Voice", Variant(token.Get()));
        EngineDetails details;
        details.gender = Attribute(token.Get(), L"Gender");
        details.language = LanguageName(Attribute(token.Get(), L"Language"));
        return details;
    }

    void Speak(const std::wstring& text) override {
        CallMethod(Voice(), L"Speak", {Variant(text), Variant(sapi5::kSpeakAsync)});
    }
    void Pause() override { CallMethod(Voice(), L"Pause"); }
    void Resume() override { CallMethod(Voice(), L"Resume"); }
    void SetVolume(int volume) override {
        PutProperty(Voice(), L"Volume", Variant(static_cast<long>(volume)));
    }

    void Disconnect() override {
        if (point_) {
            point_->Unadvise(cookie_);
            point_.Reset();
        }
        voice_.Reset();
    }

    void Raise(DISPID id, DISPPARAMS* params) {
        if (!events_) return;
        switch (id) {
            case sapi5::kStartStream:
                events_->StartStream(this);
                break;
            case sapi5::kEndStream:
                events_->EndStream(this);
                break;
            case sapi5::kWord: {
                // Word(StreamNumber, StreamPosition, CharacterPosition, Length),
                // the arguments in reverse order.
                if (!params || params->cArgs < 4) break;
                VARIANT position;
                VariantInit(&position);
                if (SUCCEEDED(VariantChangeType(&position, &params->rgvarg[params->cArgs - 3], 0, VT_I4)))
                    events_->SpWord(this, position.lVal);
                break;
            }
            default:
                break;
        }
    }

  private:
    // Connects a voice object on first use, with its events when it offers them.
    IDispatch* Voice() {
        if (voice_) return voice_.Get();
        ui::ComPtr<IDispatch> voice;
        Check(CoCreateInstance(sapi5::kClsidSpVoice, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                               sapi5::kIidSpeechVoice, voice.PutVoid()),
              "SpVoice");
        ui::ComPtr<IConnectionPointContainer> container;
        if (SUCCEEDED(voice->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) &&
            SUCCEEDED(container->FindConnectionPoint(sapi5::kDiidSpeechVoiceEvents, point_.Put()))) {
            if (FAILED(point_->Advise(sink_.Get(), &cookie_))) point_.Reset();
        }
        voice_ = voice;
        return voice_.Get();
    }

    ui::ComPtr<IDispatch> Voices() {
        return CallMethod(Voice(), L"GetVoices", {Variant(std::wstring()), Variant(std::wstring())})
            .AsObject();
    }

    ui::ComPtr<IDispatch> Token(int index) {
        auto voices = Voices();
        return CallMethod(voices.Get(), L"Item", {Variant(static_cast<long>(index))}).AsObject();
    }

    static std::wstring Attribute(IDispatch* token, const wchar_t* name) {
        try {
            return CallMethod(token, L"GetAttribute", {Variant(std::wstring(name))}).AsText();
        } catch (const ComError&) {
            return {};
        }
    }

    ui::ComInit com_;
    ui::ComPtr<VoiceEventSink> sink_;
    ui::ComPtr<IDispatch> voice_;
    ui::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    Sapi5Events* events_ = nullptr;
};

HRESULT VoiceEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                               UINT*) {
    if (owner_) {
        try {
            owner_->Raise(id, params);
        } catch (...) {
            // An event handler's failure must not travel back into the engine.
        }
    }
    return S_OK;
}

}  // namespace

std::unique_ptr<Sapi5Backend> MakeSapi5Voice() {
    return std::make_unique<TSpVoice>();
}

}  // namespace speech
