#include "timetext/speech/multi_speech.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::wstring UpperLatin(std::wstring text) {
    for (wchar_t& ch : text)
        if (ch >= L'a' && ch <= L'z') ch = static_cast<wchar_t>(ch - L'a' + L'A');
    return text;
}

std::wstring Cut(std::wstring text, size_t length) {
    if (text.size() > length) text.resize(length);
    return text;
}

}  // namespace

TMultiSpeech::TMultiSpeech(std::unique_ptr<speech::Sapi5Backend> sapi5,
                           std::unique_ptr<speech::Sapi4Backend> sapi4,
                           const std::function<void(TMultiSpeech&)>& hookEvents)
    : sapi5_(std::move(sapi5)), sapi4_(std::move(sapi4)) {
    if (hookEvents) hookEvents(*this);
    SetState(esStop, this);

    try {
        if (!sapi5_) throw std::runtime_error("no SAPI 5");
        sapi5_->SetEvents(this);
        const int count = sapi5_->VoiceCount();
        for (int i = 0; i < count; ++i) engines_.push_back(sapi5_->VoiceDescription(i));
    } catch (...) {
        AddError(kSapi5InitFault);
    }

    if (sapi4_) {
        try {
            sapi4_->SetEvents(this);
            if (sapi4_->CreateEnumerator()) {
                sapi4Available_ = true;
                for (auto& name : sapi4_->ModeNames()) engines_.push_back(std::move(name));
            }
        } catch (...) {
            AddError(kSapi4InitFault);
        }
    }
}

TMultiSpeech::~TMultiSpeech() {
    try {
        Stop();
        if (sapi4_) sapi4_->Shutdown();
    } catch (...) {
    }
}

void TMultiSpeech::AddError(const std::wstring& text) {
    errors_.push_back(text);
    if (OnError) OnError(this, text);
}

void TMultiSpeech::SetState(int state, const void* sender) {
    engineState_ = state;
    Fire(OnStatusChange, sender);
}

void TMultiSpeech::DoStop() {
    SetState(esStop, this);
    if (engineKind_ == 1) {
        sapi5_->Disconnect();
        sapi5Released_ = true;
    } else if (engineKind_ == 0 && sapi4_->HasCentral()) {
        sapi4_->AudioReset();
    }
}

void TMultiSpeech::RestoreSapi5Voice() {
    if (!sapi5Released_ || sapi5Voice_ < 0) return;
    sapi5_->SelectVoice(sapi5Voice_);
    if (sapi5VolumeSet_) sapi5_->SetVolume(volume_);
    sapi5Released_ = false;
}

void TMultiSpeech::Select(int number) {
    DoStop();
    engineInfo_ = TEngineInfo{};
    engineKind_ = -1;
    sapi5Voice_ = -1;
    if (number < 0 || number >= static_cast<int>(engines_.size())) return;
    try {
        // A failing count (no SAPI 5 at all) counts as no voices, so the SAPI 4
        // modes stay selectable.
        int sapi5Count = 0;
        try {
            if (sapi5_) sapi5Count = sapi5_->VoiceCount();
        } catch (...) {
            sapi5Count = 0;
        }
        TEngineInfo info;
        if (number < sapi5Count) {
            engineKind_ = 1;
            const speech::EngineDetails details = sapi5_->SelectVoice(number);
            sapi5Voice_ = number;
            sapi5Released_ = false;
            sapi5VolumeSet_ = false;
            info.Sapi5 = true;
            info.Gender = Cut(UpperLatin(details.gender), 10);
            info.Language = Cut(details.language, 25);
        } else {
            if (!sapi4_ || !sapi4Available_) throw std::runtime_error("no SAPI 4");
            engineKind_ = 0;
            const auto mode = sapi4_->SelectMode(number - sapi5Count);
            info.Sapi5 = false;
            switch (mode.gender) {
                case 0:
                    info.Gender = L"NEUTRAL";
                    break;
                case 1:
                    info.Gender = L"FEMALE";
                    break;
                case 2:
                    info.Gender = L"MALE";
                    break;
                default:
                    break;
            }
            info.Language = Cut(mode.language, 25);
        }
        info.Name = engines_[number];
        engineInfo_ = info;
        if (OnSelectEngine) OnSelectEngine(this, number, engineInfo_.Name);
    } catch (...) {
        // A half-made selection leaves no engine selected.
        engineKind_ = -1;
        sapi5Voice_ = -1;
        engineInfo_ = TEngineInfo{};
        AddError(kSelectFault);
    }
}

void TMultiSpeech::Select(const std::wstring& name) {
    const auto it = std::find(engines_.begin(), engines_.end(), name);
    if (it != engines_.end()) Select(static_cast<int>(it - engines_.begin()));
}

void TMultiSpeech::Speak(const std::wstring& text) {
    if (text.empty()) return;
    Fire(OnUserStart, this);
    positionOffset_ = 0;
    if (engineKind_ == 1) {
        try {
            RestoreSapi5Voice();
            sapi5_->Speak(text);
        } catch (...) {
            AddError(kSapi5SpeakFault);
        }
    } else if (engineKind_ == 0) {
        try {
            sapi4_->TextData(text);
        } catch (...) {
            // The engine's answer to TextData is not looked at.
        }
    }
}

void TMultiSpeech::Stop() {
    stoppedByUser_ = true;
    Fire(OnUserStop, this);
    DoStop();
}

void TMultiSpeech::Pause() {
    SetState(esPause, this);
    Fire(OnPause, this);
    if (engineKind_ == 1) {
        RestoreSapi5Voice();
        sapi5_->Pause();
    } else if (engineKind_ == 0) {
        sapi4_->AudioPause();
    }
}

void TMultiSpeech::Resume() {
    SetState(esSpeak, this);
    Fire(OnResume, this);
    if (engineKind_ == -1) return;
    if (engineKind_ == 1) {
        RestoreSapi5Voice();
        sapi5_->Resume();
    } else {
        sapi4_->AudioResume();
    }
    Fire(OnStart, this);
}

void TMultiSpeech::SpeakTag(const std::wstring& tag) {
    Stop();
    Speak(tag);
    positionOffset_ = -static_cast<std::int32_t>(tag.size());
}

void TMultiSpeech::SetSpeed(int value) {
    speed_ = std::clamp(value, 0, 20);
    if (engineKind_ == -1) return;
    if (engineKind_ == 1) {
        SpeakTag(L"<RATE ABSSPEED=\"" + std::to_wstring(speed_ - 10) + L"\">");
    } else {
        sapi4_->SetSpeed(0xFFFFFFFFu);
        const std::uint32_t max = sapi4_->GetSpeed();
        sapi4_->SetSpeed(0);
        const std::uint32_t min = sapi4_->GetSpeed();
        const std::uint32_t step = (max - min) / 20u;
        sapi4_->SetSpeed(static_cast<std::uint32_t>(speed_) * step + min);
        positionOffset_ = 0;
    }
    if (OnSpeed) OnSpeed(this, static_cast<std::uint32_t>(speed_));
}

void TMultiSpeech::SetPitch(int value) {
    pitch_ = std::clamp(value, 0, 20);
    if (engineKind_ == -1) return;
    if (engineKind_ == 1) {
        SpeakTag(L"<pitch absmiddle=\"" + std::to_wstring(pitch_ - 10) + L"\">");
    } else {
        sapi4_->SetPitch(0xFFFF);
        const int max = sapi4_->GetPitch();
        sapi4_->SetPitch(0);
        const int min = sapi4_->GetPitch();
        const int step = (max - min) / 20;
        sapi4_->SetPitch(static_cast<std::uint16_t>(pitch_ * step + min));
        positionOffset_ = 0;
    }
    if (OnPitch) OnPitch(this, static_cast<std::uint32_t>(pitch_));
}

void TMultiSpeech::SetVolume(int value) {
    volume_ = std::clamp(value, 0, 100);
    if (engineKind_ == -1) return;
    if (engineKind_ == 1) {
        RestoreSapi5Voice();
        sapi5_->SetVolume(volume_);
        sapi5VolumeSet_ = true;
    } else {
        const std::uint32_t level = static_cast<std::uint32_t>(volume_) * 65535u / 100u;
        sapi4_->SetVolume(level | (level << 16));
    }
    if (OnVolume) OnVolume(this, static_cast<std::uint32_t>(volume_));
}

void TMultiSpeech::StartStream(const void* sender) {
    SetState(esSpeak, this);
    Fire(OnStart, sender);
}

void TMultiSpeech::EndStream(const void* sender) {
    SetState(esStop, this);
    Fire(OnStop, sender);
}

void TMultiSpeech::SpWord(const void* sender, std::int32_t characterPosition) {
    position_ = static_cast<std::uint32_t>(static_cast<std::int64_t>(characterPosition) + positionOffset_);
    if (OnPosition) OnPosition(sender, position_);
}

void TMultiSpeech::TextDataStarted(const void* sender) {
    stoppedByUser_ = false;
    SetState(esSpeak, sender);
    Fire(OnStart, sender);
}

void TMultiSpeech::TextDataDone(const void* sender) {
    SetState(esStop, sender);
    if (!stoppedByUser_) Fire(OnStop, sender);
    stoppedByUser_ = false;
}

void TMultiSpeech::WordPosition(const void* sender, std::uint32_t byteOffset) {
    position_ = static_cast<std::uint32_t>(static_cast<std::int64_t>(byteOffset) + positionOffset_);
    if (OnPosition) OnPosition(sender, position_);
}
