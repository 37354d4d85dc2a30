#include "timetext/speech/sapi4_modes.h"

#include <atomic>
#include <string>
#include <vector>

#include "timetext/speech/com_dispatch.h"
#include "timetext/speech/sapi4_interfaces.h"

namespace speech {

namespace {

using namespace sapi4;

std::wstring FromAnsi(const char* text, int maxLength) {
    int length = 0;
    while (length < maxLength && text[length]) ++length;
    if (length == 0) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, result.data(), size);
    return result;
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring LanguageName(LANGID id) {
    wchar_t buffer[80] = {};
    if (VerLanguageNameW(id, buffer, 80) == 0) return {};
    return buffer;
}

// The buffer notify sink handed to TextData; forwards to the component.
class TTTSBufNotifySink final : public ITTSBufNotifySink {
  public:
    void SetEvents(Sapi4Events* events) { events_ = events; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == kIidTtsBufNotifySink) {
            *out = static_cast<ITTSBufNotifySink*>(this);
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
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD, DWORD) override {
        return Forward([this] { events_->TextDataDone(this); });
    }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD) override {
        return Forward([this] { events_->TextDataStarted(this); });
    }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD, DWORD) override {
        return Forward([this] { events_->BookMark(this); });
    }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD, DWORD byteOffset) override {
        return Forward([this, byteOffset] { events_->WordPosition(this, byteOffset); });
    }

  private:
    template <typename F>
    HRESULT Forward(F&& call) {
        if (!events_) return S_OK;
        try {
            call();
        } catch (...) {
        }
        return S_OK;
    }

    std::atomic<ULONG> refs_{1};
    Sapi4Events* events_ = nullptr;
};

class Sapi4Modes final : public Sapi4Backend {
  public:
    ~Sapi4Modes() override {
        if (sink_) sink_->SetEvents(nullptr);
    }

    void SetEvents(Sapi4Events* events) override {
        events_ = events;
        if (sink_) sink_->SetEvents(events);
    }

    // SAPI 4 serves its objects from DLLs: asking for a server process too
    // only costs the start-up a look for one where SAPI 4 is not installed.
    bool CreateEnumerator() override {
        return SUCCEEDED(CoCreateInstance(kClsidTtsEnumerator, nullptr, CLSCTX_INPROC_SERVER, kIidTtsEnumA,
                                          enumerator_.PutVoid()));
    }

    std::vector<std::wstring> ModeNames() override {
        sink_ = ui::ComPtr<TTTSBufNotifySink>::Attach(new TTTSBufNotifySink);
        sink_->SetEvents(events_);
        NewAudioDestination();
        std::vector<std::wstring> names;
        Check(enumerator_->Reset(), "TTS enumerator");
        TTSMODEINFOA mode{};
        ULONG fetched = 0;
        while (enumerator_->Next(1, &mode, &fetched) == S_OK && fetched == 1)
            names.push_back(FromAnsi(mode.szModeName, kNameLength));
        return names;
    }

    ModeDetails SelectMode(int modeIndex) override {
        if (central_) central_->AudioReset();
        if (audio_) CoDisconnectObject(audio_.Get(), 0);
        audio_.Reset();
        NewAudioDestination();
        attributes_.Reset();
        central_.Reset();
        Check(enumerator_->Reset(), "TTS enumerator");
        if (modeIndex > 0) Check(enumerator_->Skip(static_cast<ULONG>(modeIndex)), "TTS skip");
        TTSMODEINFOA mode{};
        ULONG fetched = 0;
        if (enumerator_->Next(1, &mode, &fetched) != S_OK || fetched != 1) throw ComError("TTS mode", E_FAIL);
        Check(enumerator_->Select(mode.gModeID, central_.Put(), audio_.Get()), "TTS select");
        Check(central_->QueryInterface(kIidTtsAttributesA, attributes_.PutVoid()), "TTS attributes");
        return {mode.wGender, LanguageName(mode.language.LanguageID)};
    }

    bool HasCentral() const override { return static_cast<bool>(central_); }

    void TextData(const std::wstring& text) override {
        if (!central_) return;
        std::string data = ToAnsi(text);
        SDATA block{data.data(), static_cast<DWORD>(data.size() + 1)};
        central_->TextData(kCharsetText, kTaggedText, block, static_cast<ITTSBufNotifySink*>(sink_.Get()),
                           kIidTtsBufNotifySink);
    }
    void AudioReset() override {
        if (central_) central_->AudioReset();
    }
    void AudioPause() override {
        if (central_) central_->AudioPause();
    }
    void AudioResume() override {
        if (central_) central_->AudioResume();
    }

    void SetSpeed(std::uint32_t speed) override {
        if (attributes_) attributes_->SpeedSet(speed);
    }
    std::uint32_t GetSpeed() override {
        DWORD value = 0;
        if (attributes_) attributes_->SpeedGet(&value);
        return value;
    }
    void SetPitch(std::uint16_t pitch) override {
        if (attributes_) attributes_->PitchSet(pitch);
    }
    std::uint16_t GetPitch() override {
        WORD value = 0;
        if (attributes_) attributes_->PitchGet(&value);
        return value;
    }
    void SetVolume(std::uint32_t volume) override {
        if (attributes_) attributes_->VolumeSet(volume);
    }

    void Shutdown() override {
        if (audio_) CoDisconnectObject(audio_.Get(), 0);
    }

  private:
    void NewAudioDestination() {
        Check(CoCreateInstance(kClsidMmAudioDest, nullptr, CLSCTX_INPROC_SERVER, kIidAudioMultiMediaDevice,
                               audio_.PutVoid()),
              "audio destination");
    }

    ui::ComInit com_;
    Sapi4Events* events_ = nullptr;
    ui::ComPtr<ITTSEnumA> enumerator_;
    ui::ComPtr<IUnknown> audio_;
    ui::ComPtr<ITTSCentralA> central_;
    ui::ComPtr<ITTSAttributesA> attributes_;
    ui::ComPtr<TTTSBufNotifySink> sink_;
};

}  // namespace

std::unique_ptr<Sapi4Backend> MakeSapi4Modes() {
    return std::make_unique<Sapi4Modes>();
}

}  // namespace speech
