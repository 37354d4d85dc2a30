#include "options/page_sound.h"

#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageSound::TPageSound(ui::PageControl& pgcOptions)
    : tbsSound(pgcOptions, L"tbsSound", L"Сигналы"),
      chbPlaySoundH(&tbsSound, L"chbPlaySoundH", L"Воспроизводить звук каждый час"),
      edtNameSoundH(&tbsSound, L"edtNameSoundH"),
      spbPlaySoundH(&tbsSound, L"spbPlaySoundH", L"►"),
      pnlSignalsQuantity(&tbsSound, L"pnlSignalsQuantity"),
      rdbOneSignal(&pnlSignalsQuantity, L"rdbOneSignal", L"Один"),
      rdbHoursQuantity(&pnlSignalsQuantity, L"rdbHoursQuantity", L"Соответствует количеству часов"),
      rdbOtherQuantity(&pnlSignalsQuantity, L"rdbOtherQuantity", L"Своё:"),
      chbTo12Hours(&pnlSignalsQuantity, L"chbTo12Hours", L"до 12ч."),
      speQuantity(&pnlSignalsQuantity, L"speQuantity"),
      chbPlaySignalS(&tbsSound, L"chbPlaySignalS", L"Подавать сигнал каждые"),
      spePlayInterval(&tbsSound, L"spePlayInterval"),
      lblSec(&tbsSound, L"lblSec", L"секунд"),
      chbPlaySoundS(&tbsSound, L"chbPlaySoundS", L"Воспроизводить звук"),
      edtNameSoundS(&tbsSound, L"edtNameSoundS"),
      spbPlaySoundS(&tbsSound, L"spbPlaySoundS", L"►"),
      chbSignalSFrom0Min(&tbsSound, L"chbSignalSFrom0Min", L"Начинать отсчет с начала часа (с 0 минут)") {
    PageRows rows;
    rows.Put(chbPlaySoundH, 8, 300).Next();
    rows.Put(edtNameSoundH, 24, 340).Put(spbPlaySoundH, 370, 23, 23).Next(30);
    rows.Put(pnlSignalsQuantity, 24, 400, 80).Next(88);
    pnlSignalsQuantity.SetBevelOuter(ui::bvNone);
    PageRows inner;
    inner.Put(rdbOneSignal, 0, 200).Next(24);
    inner.Put(rdbHoursQuantity, 0, 230).Put(chbTo12Hours, 240, 100).Next(24);
    inner.Put(rdbOtherQuantity, 0, 80).Put(speQuantity, 90, 60);
    rows.Put(chbPlaySignalS, 8, 180).Put(spePlayInterval, 190, 80).Put(lblSec, 276, 60).Next();
    rows.Put(chbPlaySoundS, 24, 200).Next();
    rows.Put(edtNameSoundS, 24, 340).Put(spbPlaySoundS, 370, 23, 23).Next(30);
    rows.Put(chbSignalSFrom0Min, 24, 380).Next();

    chbPlaySoundH.SetChecked(true);
    edtNameSoundH.SetText(L"Стандартный");
    chbTo12Hours.SetChecked(true);
    chbTo12Hours.SetEnabled(false);
    rdbOtherQuantity.SetChecked(true);
    speQuantity.SetMinValue(0);
    speQuantity.SetMaxValue(100);
    speQuantity.SetValue(3);
    spePlayInterval.SetMinValue(1);
    spePlayInterval.SetMaxValue(43200);
    spePlayInterval.SetIncrement(10);
    spePlayInterval.SetValue(60);
    chbPlaySoundS.SetChecked(true);
    chbPlaySoundS.SetEnabled(false);
    edtNameSoundS.SetText(L"ding.wav");
    spbPlaySoundH.SetHint(L"Воспроизвести");
    spbPlaySoundS.SetHint(L"Воспроизвести");

    spePlayInterval.OnChange = [this](ui::Component& s) { spePlayIntervalChange(s); };
    spbPlaySoundH.OnClick = [this](ui::Component& s) { btnPlaySoundHClick(s); };
    spbPlaySoundS.OnClick = [this](ui::Component& s) { btnPlaySoundSClick(s); };
}

TfrmOptions& TPageSound::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageSound::BindSoundPageSettings(core::SettingHomes& homes) {
    using namespace options;
    BindChecked(homes, L"chbPlaySoundH", chbPlaySoundH);
    BindText(homes, L"edtNameSoundH", edtNameSoundH);
    BindChecked(homes, L"rdbOneSignal", rdbOneSignal);
    BindChecked(homes, L"rdbHoursQuantity", rdbHoursQuantity);
    BindChecked(homes, L"chbTo12Hours", chbTo12Hours);
    BindChecked(homes, L"rdbOtherQuantity", rdbOtherQuantity);
    BindValue(homes, L"speQuantity", speQuantity);
    BindChecked(homes, L"chbPlaySignalS", chbPlaySignalS);
    BindValue(homes, L"spePlayInterval", spePlayInterval);
    BindChecked(homes, L"chbPlaySoundS", chbPlaySoundS);
    BindText(homes, L"edtNameSoundS", edtNameSoundS);
    BindChecked(homes, L"chbSignalSFrom0Min", chbSignalSFrom0Min);
}

void TPageSound::CopySoundPageSettings() {}

void TPageSound::spePlayIntervalChange(ui::Component&) {
    NextSignalTime = signals::NextSignalTime(Now(), spePlayInterval.Value(), chbSignalSFrom0Min.Checked());
}

void TPageSound::btnPlaySoundHClick(ui::Component&) {}

void TPageSound::btnPlaySoundSClick(ui::Component&) {}
