#include "options/page_speech.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "timetext/speech/multi_speech.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageSpeech::TPageSpeech(ui::PageControl& pgcOptions)
    : tbsSpeech(pgcOptions, L"tbsSpeech", L"Речь"),
      cmbEngines(&tbsSpeech, L"cmbEngines"),
      btnSeachEngines(&tbsSpeech, L"btnSeachEngines", L"Поиск"),
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
      spbSpeakTime(&tbsSpeech, L"spbSpeakTime", L"►") {
    PageRows rows;
    rows.Put(cmbEngines, 8, 330, 21).Put(btnSeachEngines, 346, 90, 23).Next(30);
    rows.Put(scbVolume, 8, 430, 17).Next(24);
    rows.Put(scbSpeed, 8, 430, 17).Next(24);
    rows.Put(scbPitch, 8, 430, 17).Next(24);
    rows.Put(grbCorrection, 8, 430, 70).Next(78);
    PageRows inner;
    inner.top = 18;
    inner.Put(chbReductCorrection, 8, 120)
        .Put(chbNumbersCorrection, 140, 100)
        .Put(chbMonthsCorrection, 250, 100);
    inner.Next(24).Put(chbTimeCorrection, 8, 120).Put(chbDateCorrection, 140, 140);
    rows.Put(memText, 8, 400, 60).Put(spbSpeakTime, 412, 23, 23).Next(68);

    cmbEngines.SetStyle(ui::csDropDownList);
    btnSeachEngines.SetHint(L"Поиск дикторов, установленных на компьютере");
    scbVolume.SetParams(100, 0, 100);
    scbSpeed.SetParams(149, 0, 255);
    scbPitch.SetParams(158, 0, 255);
    for (ui::CheckBox* c : {&chbReductCorrection, &chbNumbersCorrection, &chbMonthsCorrection,
                            &chbTimeCorrection, &chbDateCorrection})
        c->SetChecked(true);
    memText.SetText(L"Здравствуй мир!");
    spbSpeakTime.SetHint(L"Воспроизвести");
    btnSeachEngines.OnClick = [this](ui::Component& s) { btnSeachEnginesClick(s); };
    cmbEngines.OnChange = [this](ui::Component& s) { cmbEnginesChange(s); };
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

void TPageSpeech::btnSeachEnginesClick(ui::Component&) {
    cmbEngines.Clear();
    if (frmHoralto && frmHoralto->MultiSpeech)
        for (const std::wstring& name : frmHoralto->MultiSpeech->Engines()) cmbEngines.Add(name);
    const bool found = cmbEngines.Count() > 0;
    if (found) {
        cmbEngines.SetItemIndex(cmbEngines.Count() - 1);
        cmbEnginesChange(cmbEngines);
    }
    for (ui::Control* c : {static_cast<ui::Control*>(&cmbEngines), static_cast<ui::Control*>(&scbVolume),
                           static_cast<ui::Control*>(&scbSpeed), static_cast<ui::Control*>(&scbPitch),
                           static_cast<ui::Control*>(&memText)})
        c->SetEnabled(found);
}

void TPageSpeech::cmbEnginesChange(ui::Component&) {}

void TPageSpeech::spbSpeakTimeClick(ui::Component&) {}
