#include "options/page_sound.h"

#include <windows.h>
#include <commdlg.h>

#include <filesystem>
#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/dialog_font.h"
#include "options/frm_options.h"
#include "options/page_layout.h"
#include "timetext/speech/multi_speech.h"
#include "timetext/speech/signal_timing.h"
#include "timetext/speech/system_sound_player.h"
#include "ui/application.h"
#include "ui/dialogs.h"

TPageSound::TPageSound(ui::PageControl& pgcOptions)
    : tbsSound(pgcOptions, L"tbsSound", L"Сигналы"),
      chbPlaySoundH(&tbsSound, L"chbPlaySoundH", L"Воспроизводить звук каждый час"),
      edtNameSoundH(&tbsSound, L"edtNameSoundH"),
      spbPlaySoundH(&tbsSound, L"spbPlaySoundH", options::kPlayTriangle),
      spbOpenSoundH(&tbsSound, L"spbOpenSoundH", L"..."),
      spbSpeakTimeH(&tbsSound, L"spbSpeakTimeH", options::kPlayTriangle),
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
      spbPlaySoundS(&tbsSound, L"spbPlaySoundS", options::kPlayTriangle),
      spbOpenSoundS(&tbsSound, L"spbOpenSoundS", L"..."),
      spbSpeakTimeS(&tbsSound, L"spbSpeakTimeS", options::kPlayTriangle),
      chbSignalSFrom0Min(&tbsSound, L"chbSignalSFrom0Min", L"Начинать отсчет с начала часа (с 0 минут)"),
      btnResetSignalS(&tbsSound, L"btnResetSignalS", L"Обнулить сч.") {
    // Hourly signal: the sound, how many strokes, and (below the strokes) the
    // spoken hour's test button; interval signal: every N seconds, its sound,
    // the counting from midnight and the spoken interval's test button.
    PageRows rows;
    rows.Put(chbPlaySoundH, 8, 300).Next();
    rows.Put(edtNameSoundH, 24, 340).Put(spbOpenSoundH, 368, 23, 23).Put(spbPlaySoundH, 394, 23, 23).Next(30);
    rows.Put(pnlSignalsQuantity, 24, 400, 80).Next(84);
    pnlSignalsQuantity.SetBevelOuter(ui::bvNone);
    PageRows inner;
    inner.top = 0;
    inner.Put(rdbOneSignal, 0, 200).Next(24);
    inner.Put(rdbHoursQuantity, 0, 244).Put(chbTo12Hours, 250, 100).Next(24);
    inner.Put(rdbOtherQuantity, 0, 80).Put(speQuantity, 90, 60);
    // The hourly speech's format editor takes the place left of its test
    // button (options/format_frames.cpp), and the interval speech's the row
    // of spbSpeakTimeS.
    rows.Put(spbSpeakTimeH, 394, 23, 23).Next(84);
    rows.Put(chbPlaySignalS, 8, 186).Put(spePlayInterval, 196, 80).Put(lblSec, 282, 60).Next();
    rows.Put(chbPlaySoundS, 24, 200).Next();
    rows.Put(edtNameSoundS, 24, 340).Put(spbOpenSoundS, 368, 23, 23).Put(spbPlaySoundS, 394, 23, 23).Next(30);
    rows.Put(chbSignalSFrom0Min, 24, 296).Put(btnResetSignalS, 323, 94, 23).Next(30);
    rows.Put(spbSpeakTimeS, 394, 23, 23);

    chbPlaySoundH.SetChecked(true);
    edtNameSoundH.SetText(L"Стандартный");
    chbTo12Hours.SetChecked(true);
    chbTo12Hours.SetEnabled(false);
    rdbOtherQuantity.SetChecked(true);
    speQuantity.SetMinValue(0);
    speQuantity.SetMaxValue(100);
    speQuantity.SetValue(3);
    spePlayInterval.SetMinValue(signals::kMinInterval);
    spePlayInterval.SetMaxValue(signals::kMaxInterval);
    spePlayInterval.SetIncrement(10);
    spePlayInterval.SetValue(60);
    chbPlaySoundS.SetChecked(true);
    chbPlaySoundS.SetEnabled(false);
    edtNameSoundS.SetText(L"ding.wav");
    for (ui::SpeedButton* b : {&spbPlaySoundH, &spbPlaySoundS, &spbSpeakTimeH, &spbSpeakTimeS}) {
        b->SetHint(L"Воспроизвести");
        b->SetFont(options::PlayTriangleFont());
    }
    spbOpenSoundH.SetHint(L"Выбрать");
    spbOpenSoundS.SetHint(L"Выбрать");
    btnResetSignalS.SetHint(L"Обнулить отсчет времени до сигнала");
    // The interval signal starts off: its controls wait for its box.
    for (ui::Control* c : std::vector<ui::Control*>{&edtNameSoundS, &spbPlaySoundS, &spbOpenSoundS,
                                                    &chbSignalSFrom0Min, &btnResetSignalS, &spbSpeakTimeS})
        c->SetEnabled(false);

    tbsSound.OnShow = [this](ui::Component& s) { tbsSoundShow(s); };
    chbPlaySoundH.OnClick = [this](ui::Component& s) { chbPlaySoundHClick(s); };
    for (ui::RadioButton* r : {&rdbOneSignal, &rdbHoursQuantity, &rdbOtherQuantity})
        r->OnClick = [this](ui::Component& s) { rdbOtherQuantityClick(s); };
    spePlayInterval.OnChange = [this](ui::Component& s) { spePlayIntervalChange(s); };
    btnResetSignalS.OnClick = [this](ui::Component& s) { btnResetSignalSClick(s); };
    spbPlaySoundH.OnClick = [this](ui::Component& s) { btnPlaySoundHClick(s); };
    spbPlaySoundS.OnClick = [this](ui::Component& s) { btnPlaySoundSClick(s); };
    spbOpenSoundH.OnClick = [this](ui::Component& s) { btnOpenSoundHClick(s); };
    spbOpenSoundS.OnClick = [this](ui::Component& s) { btnOpenSoundSClick(s); };
    spbSpeakTimeH.OnClick = [this](ui::Component& s) { spbSpeakTimeHClick(s); };
    spbSpeakTimeS.OnClick = [this](ui::Component& s) { spbSpeakTimeSClick(s); };
    chbPlaySignalS.OnClick = [this](ui::Component& s) { chbPlaySignalSClick(s); };
    chbPlaySoundS.OnClick = [this](ui::Component& s) { chbPlaySoundSClick(s); };
    chbSignalSFrom0Min.OnClick = [this](ui::Component& s) { chbSignalSFrom0MinClick(s); };
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

void TPageSound::tbsSoundShow(ui::Component&) {
    if (frmHoralto && frmHoralto->aSoundOnOff.Checked() &&
        ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки?"))
        frmHoralto->aSoundOnOff.Execute();
}

void TPageSound::chbPlaySoundHClick(ui::Component&) {
    const bool on = chbPlaySoundH.Checked();
    for (ui::Control* c :
         std::vector<ui::Control*>{&edtNameSoundH, &spbPlaySoundH, &spbOpenSoundH, &pnlSignalsQuantity,
                                   &rdbOneSignal, &rdbHoursQuantity, &rdbOtherQuantity, &chbTo12Hours})
        c->SetEnabled(on);
    if (rdbOtherQuantity.Checked()) speQuantity.SetEnabled(on);
}

void TPageSound::rdbOtherQuantityClick(ui::Component&) {
    if (!chbPlaySoundH.Checked()) return;
    speQuantity.SetEnabled(rdbOtherQuantity.Checked());
    chbTo12Hours.SetEnabled(rdbHoursQuantity.Checked());
}

void TPageSound::spePlayIntervalChange(ui::Component&) {
    NextSignalTime = signals::NextSignalTime(Now(), spePlayInterval.Value(), chbSignalSFrom0Min.Checked());
}

void TPageSound::btnResetSignalSClick(ui::Component&) {
    NextSignalTime = signals::NextSignalTime(Now(), spePlayInterval.Value(), false);
}

bool TPageSound::PlaySignalSound(const std::wstring& name, bool noWait) {
    if (frmHoralto && frmHoralto->aSoundOnOff.Checked()) {
        if (!ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?")) return false;
        frmHoralto->aSoundOnOff.Execute();
    }
    signals::CurrentSoundPlayer().Play(name, !noWait);
    return true;
}

void TPageSound::btnPlaySoundHClick(ui::Component&) {
    const std::wstring name = edtNameSoundH.Text();
    if (rdbOneSignal.Checked()) {
        PlaySignalSound(name, true);
        return;
    }
    const bool byHours = rdbHoursQuantity.Checked();
    if (!byHours && !rdbOtherQuantity.Checked()) return;
    const int count = signals::HourlyStrokeCount(
        byHours ? signals::StrokeMode::ByHours : signals::StrokeMode::Own, signals::HourMinuteOf(Now()).hour,
        chbTo12Hours.Checked(), speQuantity.Value());
    for (int i = 0; i < count; ++i) {
        // Declining to switch the sounds on ends the strokes (no question per stroke).
        if (!PlaySignalSound(name, false)) return;
        if (!byHours) ui::Application().ProcessMessages();
    }
    if (byHours) ui::Application().ProcessMessages();
}

void TPageSound::btnPlaySoundSClick(ui::Component&) {
    PlaySignalSound(edtNameSoundS.Text(), true);
}

void TPageSound::ChooseSoundFile(ui::Edit& edit) {
    std::vector<wchar_t> file(32768, L'\0');
    std::wstring folder;
    std::error_code error;
    const std::wstring current = edit.Text();
    if (!current.empty() && std::filesystem::is_regular_file(current, error)) {
        current.copy(file.data(), file.size() - 1);
    } else {
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        folder = std::wstring(windows) + L"\\Media";
    }
    static const wchar_t kFilter[] = L"WAV файлы\0*.wav\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Options().Handle();
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&ofn)) edit.SetText(file.data());
}

void TPageSound::btnOpenSoundHClick(ui::Component&) {
    ChooseSoundFile(edtNameSoundH);
}

void TPageSound::btnOpenSoundSClick(ui::Component&) {
    ChooseSoundFile(edtNameSoundS);
}

void TPageSound::spbSpeakTimeHClick(ui::Component&) {
    frmHoralto->SpeakText(frmHoralto->BuildSpokenText(frmHoralto->Settings.Sound.FormatSpeakHour));
}

void TPageSound::spbSpeakTimeSClick(ui::Component&) {
    if (frmHoralto->MultiSpeech) frmHoralto->MultiSpeech->Stop();
    frmHoralto->SpeakText(frmHoralto->BuildSpokenText(frmHoralto->Settings.Sound.FormatSpeakInterval));
}

void TPageSound::chbPlaySignalSClick(ui::Component&) {
    const bool on = chbPlaySignalS.Checked();
    chbPlaySoundS.SetEnabled(on);
    if (chbPlaySoundS.Checked())
        for (ui::Control* c : std::vector<ui::Control*>{&edtNameSoundS, &spbPlaySoundS, &spbOpenSoundS,
                                                        &chbSignalSFrom0Min, &btnResetSignalS})
            c->SetEnabled(on);
    Options().freFormatSpeakInterval.SetEnabled(on);
    spbSpeakTimeS.SetEnabled(on && Options().freFormatSpeakInterval.chbShowFormatText.Checked());
}

void TPageSound::chbPlaySoundSClick(ui::Component&) {
    // The interval signal keeps at least its sound while it is not spoken.
    if (!chbPlaySoundS.Checked() && frmHoralto && !frmHoralto->Settings.Sound.SpeakInterval) {
        chbPlaySoundS.SetChecked(true);
        return;
    }
    const bool on = chbPlaySoundS.Checked();
    for (ui::Control* c : std::vector<ui::Control*>{&edtNameSoundS, &spbPlaySoundS, &spbOpenSoundS})
        c->SetEnabled(on);
}

void TPageSound::chbSignalSFrom0MinClick(ui::Component&) {
    btnResetSignalS.SetVisible(!chbSignalSFrom0Min.Checked());
    spePlayIntervalChange(spePlayInterval);
}
