#include "options/dialog_font.h"
#include "options/page_speech.h"

#include <string>
#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"
#include "timetext/speech/multi_speech.h"
#include "ui/dialogs.h"

namespace {

TMultiSpeech* Speech() {
    return frmHoralto ? frmHoralto->MultiSpeech.get() : nullptr;
}

}  // namespace

TPageSpeech::TPageSpeech(ui::PageControl& pgcOptions)
    : tbsSpeech(pgcOptions, L"tbsSpeech", L"Речь"),
      lblEngines(&tbsSpeech, L"lblEngines", L"Диктор:"),
      cmbEngines(&tbsSpeech, L"cmbEngines"),
      btnSeachEngines(&tbsSpeech, L"btnSeachEngines", L"Поиск"),
      lblVolume(&tbsSpeech, L"lblVolume", L"Громкость:"),
      lblSpeed(&tbsSpeech, L"lblSpeed", L"Скорость:"),
      lblPitch(&tbsSpeech, L"lblPitch", L"Высота:"),
      scbVolume(&tbsSpeech, L"scbVolume"),
      scbSpeed(&tbsSpeech, L"scbSpeed"),
      scbPitch(&tbsSpeech, L"scbPitch"),
      grbCorrection(&tbsSpeech, L"grbCorrection", L" Корректировать произношение "),
      chbReductCorrection(&grbCorrection, L"chbReductCorrection", L"Сокращений"),
      chbNumbersCorrection(&grbCorrection, L"chbNumbersCorrection", L"Чисел"),
      chbMonthsCorrection(&grbCorrection, L"chbMonthsCorrection", L"Месяцев"),
      chbTimeCorrection(&grbCorrection, L"chbTimeCorrection", L"час:мин:сек"),
      chbDateCorrection(&grbCorrection, L"chbDateCorrection", L"число.месяц.год"),
      memText(&tbsSpeech, L"memText"),
      btnSpeak(&tbsSpeech, L"btnSpeak", L"Произнести"),
      btnPause(&tbsSpeech, L"btnPause", L"Пауза"),
      btnContinue(&tbsSpeech, L"btnContinue", L"Продолжить"),
      btnStop(&tbsSpeech, L"btnStop", L"Стоп"),
      spbSpeakTime(&tbsSpeech, L"spbSpeakTime", options::kPlayTriangle) {
    PageRows rows;
    rows.Put(lblEngines, 8, 330, 16).Next(18);
    rows.Put(cmbEngines, 8, 330, 21).Put(btnSeachEngines, 346, 90, 23).Next(32);
    rows.Put(lblVolume, 8, 90, 16).Put(scbVolume, 100, 336, 17).Next(24);
    rows.Put(lblSpeed, 8, 90, 16).Put(scbSpeed, 100, 336, 17).Next(24);
    rows.Put(lblPitch, 8, 90, 16).Put(scbPitch, 100, 336, 17).Next(30);
    rows.Put(grbCorrection, 8, 428, 70).Next(78);
    PageRows inner;
    inner.top = 18;
    inner.Put(chbReductCorrection, 8, 120)
        .Put(chbNumbersCorrection, 140, 100)
        .Put(chbMonthsCorrection, 250, 100);
    inner.Next(24).Put(chbTimeCorrection, 8, 120).Put(chbDateCorrection, 140, 140);
    rows.Put(memText, 8, 428, 90).Next(96);
    rows.Put(btnSpeak, 8, 100, 25)
        .Put(btnPause, 116, 100, 25)
        .Put(btnContinue, 224, 100, 25)
        .Put(btnStop, 332, 104, 25);
    rows.Next(34).Put(spbSpeakTime, 413, 23, 23);

    cmbEngines.SetStyle(ui::csDropDownList);
    btnSeachEngines.SetHint(L"Поиск дикторов, установленных на компьютере");
    scbVolume.SetParams(100, 0, 100);
    scbSpeed.SetParams(149, 0, 255);
    scbPitch.SetParams(158, 0, 255);
    chbDateCorrection.SetHint(
        L"Корректировать произношение даты, записанной как \"число.месяц.год\" "
        L"(нужна корректировка чисел)");
    chbTimeCorrection.SetHint(
        L"Корректировать произношение времени, записанного как \"час:мин:сек\" "
        L"(нужна корректировка чисел)");
    for (ui::CheckBox* c : {&chbReductCorrection, &chbNumbersCorrection, &chbMonthsCorrection,
                            &chbTimeCorrection, &chbDateCorrection})
        c->SetChecked(true);
    memText.SetText(L"Здравствуй мир!");
    spbSpeakTime.SetHint(L"Воспроизвести");
    spbSpeakTime.SetFont(options::PlayTriangleFont());

    tbsSpeech.OnShow = [this](ui::Component& s) { tbsSpeechShow(s); };
    btnSeachEngines.OnClick = [this](ui::Component& s) { btnSeachEnginesClick(s); };
    cmbEngines.OnChange = [this](ui::Component& s) { cmbEnginesChange(s); };
    scbVolume.OnChange = [this](ui::Component& s) { scbVolumeChange(s); };
    scbSpeed.OnChange = [this](ui::Component& s) { scbSpeedChange(s); };
    scbPitch.OnChange = [this](ui::Component& s) { scbPitchChange(s); };
    btnSpeak.OnClick = [this](ui::Component& s) { btnSpeakClick(s); };
    btnPause.OnClick = [this](ui::Component& s) { btnPauseClick(s); };
    btnContinue.OnClick = [this](ui::Component& s) { btnContinueClick(s); };
    btnStop.OnClick = [this](ui::Component& s) { btnStopClick(s); };
    spbSpeakTime.OnClick = [this](ui::Component& s) { spbSpeakTimeClick(s); };
}

TfrmOptions& TPageSpeech::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageSpeech::BindSpeechPageSettings(core::SettingHomes& homes) {
    using namespace options;
    // The voice and its three values are kept only while a voice list exists.
    homes.Bind(
        L"cmbEngines",
        [this]() -> std::optional<core::SettingValue> {
            if (!cmbEngines.Enabled()) return std::nullopt;
            return cmbEngines.ItemIndex();
        },
        [this](const core::SettingValue& v) {
            if (!cmbEngines.Enabled()) return;
            cmbEngines.SetItemIndex(std::get<int>(v));
            cmbEnginesChange(cmbEngines);
        });
    auto bar = [this, &homes](const wchar_t* home, ui::ScrollBar& b) {
        homes.Bind(
            home,
            [this, &b]() -> std::optional<core::SettingValue> {
                if (!cmbEngines.Enabled()) return std::nullopt;
                return b.Position();
            },
            [&b](const core::SettingValue& v) { b.SetPosition(std::get<int>(v)); });
    };
    bar(L"scbVolume", scbVolume);
    bar(L"scbSpeed", scbSpeed);
    bar(L"scbPitch", scbPitch);
    BindChecked(homes, L"chbReductCorrection", chbReductCorrection);
    BindChecked(homes, L"chbNumbersCorrection", chbNumbersCorrection);
    BindChecked(homes, L"chbMonthsCorrection", chbMonthsCorrection);
    BindChecked(homes, L"chbTimeCorrection", chbTimeCorrection);
    BindChecked(homes, L"chbDateCorrection", chbDateCorrection);
    BindText(homes, L"memText", memText);
}

void TPageSpeech::CopySpeechPageSettings() {}

void TPageSpeech::tbsSpeechShow(ui::Component&) {
    if (frmHoralto && frmHoralto->aSoundOnOff.Checked() &&
        ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки?"))
        frmHoralto->aSoundOnOff.Execute();
}

void TPageSpeech::btnSeachEnginesClick(ui::Component&) {
    cmbEngines.Clear();
    if (TMultiSpeech* speech = Speech())
        for (const std::wstring& name : speech->Engines()) cmbEngines.Add(name);
    const bool found = cmbEngines.Count() > 0;
    if (found) {
        cmbEngines.SetItemIndex(cmbEngines.Count() - 1);
        cmbEnginesChange(cmbEngines);
    }
    for (ui::Control* c : std::vector<ui::Control*>{&cmbEngines, &scbVolume, &scbSpeed, &scbPitch, &btnSpeak,
                                                    &btnPause, &btnContinue, &btnStop, &memText})
        c->SetEnabled(found);
}

void TPageSpeech::cmbEnginesChange(ui::Component&) {
    // The component keeps its own errors; none is shown here.
    try {
        TMultiSpeech* speech = Speech();
        if (!speech) return;
        const int index = cmbEngines.ItemIndex();
        speech->Select(index >= 0 && index < cmbEngines.Count() ? cmbEngines.Item(index) : cmbEngines.Text());
        scbVolume.SetParams(speech->GetVolume(), 0, 100);
        scbSpeed.SetParams(speech->GetSpeed(), 0, 20);
        scbPitch.SetParams(speech->GetPitch(), 0, 20);
        for (ui::ScrollBar* b : {&scbVolume, &scbSpeed, &scbPitch})
            b->SetHint(std::to_wstring(b->Position()));
    } catch (...) {
    }
}

void TPageSpeech::scbVolumeChange(ui::Component&) {
    scbVolume.SetHint(std::to_wstring(scbVolume.Position()));
    if (TMultiSpeech* speech = Speech()) speech->SetVolume(scbVolume.Position());
}

void TPageSpeech::scbSpeedChange(ui::Component&) {
    scbSpeed.SetHint(std::to_wstring(scbSpeed.Position()));
    if (TMultiSpeech* speech = Speech()) speech->SetSpeed(scbSpeed.Position());
}

void TPageSpeech::scbPitchChange(ui::Component&) {
    scbPitch.SetHint(std::to_wstring(scbPitch.Position()));
    if (TMultiSpeech* speech = Speech()) speech->SetPitch(scbPitch.Position());
}

void TPageSpeech::btnSpeakClick(ui::Component&) {
    frmHoralto->SpeakText(memText.Text());
}

void TPageSpeech::btnPauseClick(ui::Component&) {
    if (TMultiSpeech* speech = Speech()) speech->Pause();
}

void TPageSpeech::btnContinueClick(ui::Component&) {
    if (TMultiSpeech* speech = Speech()) speech->Resume();
}

void TPageSpeech::btnStopClick(ui::Component&) {
    if (TMultiSpeech* speech = Speech()) speech->Stop();
}

void TPageSpeech::spbSpeakTimeClick(ui::Component&) {
    frmHoralto->SpeakText(frmHoralto->BuildSpokenText(frmHoralto->Settings.Speech.FormatSpeakTime) + L". ");
}
