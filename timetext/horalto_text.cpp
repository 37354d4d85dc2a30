// TfrmHoralto's text building and speaking over the portable template and
// speech-rewrite modules.
#include "timetext/horalto_text.h"

#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/text_compare.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "timetext/duration_words.h"
#include "timetext/frm_calendar.h"
#include "timetext/frm_sun_rd.h"
#include "timetext/speech/multi_speech.h"
#include "ui/dialogs.h"

namespace timetext {

std::function<void(const std::wstring& text)> SpeakTextHook;

namespace {

ZoneTransition FromSystemTime(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDayOfWeek, st.wDay, st.wHour, st.wMinute};
}

}  // namespace

double UptimeNow() {
    return UptimeDays(GetTickCount64());
}

TimeZoneRule CurrentTimeZoneRule() {
    TIME_ZONE_INFORMATION tzi{};
    const DWORD id = GetTimeZoneInformation(&tzi);
    TimeZoneRule rule;
    rule.bias = tzi.Bias;
    if (id == TIME_ZONE_ID_INVALID) return rule;
    rule.daylightBias = tzi.DaylightBias;
    if (tzi.DaylightDate.wMonth != 0 && tzi.StandardDate.wMonth != 0) {
        rule.daylightDate = FromSystemTime(tzi.DaylightDate);
        rule.standardDate = FromSystemTime(tzi.StandardDate);
    }
    return rule;
}

TemplateContext CurrentTemplateContext(bool withEvents) {
    TemplateContext ctx;
    ctx.now = Now();
    ctx.earliestTaskTime = EarliestTaskTime;
    const double uptime = UptimeNow();
    ctx.workTime = ::WorkTime.W(uptime);
    ctx.totalWorkTime = ::WorkTime.TW(uptime);
    if (frmHoralto) {
        ctx.latitude = frmHoralto->Settings.Main.Breadth;
        ctx.longitude = frmHoralto->Settings.Main.Longitude;
    }
    ctx.zone = CurrentTimeZoneRule();
    ctx.fs = base::SystemFormatSettings();
    if (withEvents && frmOptions) {
        // Read as the list needs them: a shown text reads only the rows it can show.
        ctx.eventCount = NextRunTimes.size();
        ctx.eventAt = [](std::size_t i) {
            const ui::StringGrid& grid = frmOptions->stgTasks;
            const int row = static_cast<int>(i) + 1;
            return TaskEvent{grid.Cell(2, row), grid.Cell(3, row), NextRunTimes[i]};
        };
    }
    return ctx;
}

SpeechCorrections CurrentSpeechCorrections() {
    SpeechCorrections c;
    if (!frmOptions) return c;
    c.dates = frmOptions->chbDateCorrection.Checked();
    c.times = frmOptions->chbTimeCorrection.Checked();
    c.abbreviations = frmOptions->chbReductCorrection.Checked();
    c.months = frmOptions->chbMonthsCorrection.Checked();
    c.numbers = frmOptions->chbNumbersCorrection.Checked();
    return c;
}

}  // namespace timetext

std::wstring TfrmHoralto::BuildFormatText(const std::wstring& formatText) {
    const bool withEvents = base::LowerCase1251(formatText).find(L"<la>") != std::wstring::npos;
    return timetext::BuildFormatText(formatText, timetext::CurrentTemplateContext(withEvents));
}

std::wstring TfrmHoralto::BuildShownText(const std::wstring& formatText) {
    // A line of text is at least a pixel high and a character a pixel wide.
    const int lines = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const std::wstring shown =
        timetext::ShownTemplate(formatText, lines, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const bool withEvents = base::LowerCase1251(shown).find(L"<la>") != std::wstring::npos;
    return timetext::BuildShownText(shown, timetext::CurrentTemplateContext(withEvents), lines);
}

std::wstring TfrmHoralto::BuildSpokenText(const std::wstring& formatText) {
    const std::wstring_view spoken = timetext::SpokenPart(formatText);
    const bool withEvents = base::LowerCase1251(spoken).find(L"<la>") != std::wstring::npos;
    return timetext::BuildSpokenText(spoken, timetext::CurrentTemplateContext(withEvents));
}

std::wstring TfrmHoralto::ExpandTemplate(const std::wstring& text, double eventTime) {
    return timetext::ExpandTemplate(text, eventTime, timetext::CurrentTemplateContext(false));
}

std::wstring TfrmHoralto::FormatDuration(const std::wstring& format, double days) {
    return timetext::FormatDuration(format, days, base::SystemFormatSettings());
}

std::wstring TfrmHoralto::MonthNameGenitive(const std::wstring& text) {
    return timetext::MonthNameGenitive(text);
}

void TfrmHoralto::SpeakText(const std::wstring& text) {
    if (aSoundOnOff.Checked()) {
        if (!ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?")) return;
        aSoundOnOff.Execute();
    }
    if (!frmOptions || !frmOptions->cmbEngines.Enabled()) return;
    const std::wstring spoken = timetext::RewriteForSpeech(
        timetext::SpokenPart(text), timetext::CurrentSpeechCorrections(), base::DecodeDate(Now()).year);
    if (timetext::SpeakTextHook)
        timetext::SpeakTextHook(spoken);
    else if (MultiSpeech)
        MultiSpeech->Speak(spoken);
}

void TfrmHoralto::aCalendarExecute(ui::Component&) {
    ShowCalendar();
}

void TfrmHoralto::pmiSunRDClick(ui::Component&) {
    ShowSunRD();
}
