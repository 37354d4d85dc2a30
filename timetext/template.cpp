#include "timetext/template.h"

#include <algorithm>

#include "base/date_format.h"
#include "base/text_compare.h"
#include "base/text_lines.h"
#include "base/text_start.h"
#include "timetext/duration_words.h"
#include "timetext/sun.h"

namespace timetext {
namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Prefix letters are Latin only: a Cyrillic look-alike is literal text.
wchar_t UpperLatin(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}

std::wstring Format(std::wstring_view body, base::TDateTime value, const TemplateContext& ctx) {
    return base::FormatDateTime(body, value, ctx.fs);
}

double SunAt(int mode, base::TDateTime day, const TemplateContext& ctx) {
    return ComputeSunRiseSet(mode, day, SunZoneHours(ctx.zone, day), ctx.latitude, ctx.longitude);
}

// "TS" / "S": sunrise today, or the time until the next sunrise.
std::wstring SunriseValue(std::wstring_view body, bool time, const TemplateContext& ctx) {
    const base::TDateTime today = base::DateOf(ctx.now);
    double r = SunAt(kSunrise, today, ctx);
    if (time) {
        if (r == kSunAllDay) return L"Всходит весь день";
        if (r == kSunNotToday) return L"Не взошло";
        return Format(body, today + r, ctx);
    }
    base::TDateTime day = today;
    if (base::TimeOf(ctx.now) >= r) {
        day = today + 1;
        r = SunAt(kSunrise, day, ctx);
    }
    if (r == kSunAllDay) return L"Всходит весь день";
    if (r == kSunNotToday) return L"Не взойдет";
    return Format(body, day + r - ctx.now, ctx);
}

// "TZ" / "Z": sunset today, or the time until it. The "a" in "Не зaйдет" and
// "Зaшло" is a Latin letter: these texts are kept exactly as users know them.
std::wstring SunsetValue(std::wstring_view body, bool time, const TemplateContext& ctx) {
    const base::TDateTime today = base::DateOf(ctx.now);
    const double r = SunAt(kSunset, today, ctx);
    if (r == kSunAllDay) return L"Заходит весь день";
    if (r == kSunNotToday) return L"Не з\u0061йдет";
    if (time) return Format(body, today + r, ctx);
    if (base::TimeOf(ctx.now) >= r) return L"З\u0061шло";
    return Format(body, today + r - ctx.now, ctx);
}

}  // namespace

std::wstring ExpandTemplate(std::wstring_view text, base::TDateTime eventTime, const TemplateContext& ctx) {
    if (text.empty()) return {};
    const base::TDateTime now = ctx.now;
    std::wstring out;
    std::wstring_view rest = text;
    for (size_t p = rest.find(L'<'); p != std::wstring_view::npos; p = rest.find(L'<')) {
        size_t q = rest.find(L'>');
        if (q == std::wstring_view::npos || q < p) q = rest.size();
        const std::wstring_view body = rest.substr(p + 1, q - p - 1);
        size_t prefix = 0;
        std::wstring value;
        if (!body.empty()) {
            const wchar_t c = p > 0 ? UpperLatin(rest[p - 1]) : L'\0';
            const bool withT = p > 1 && UpperLatin(rest[p - 2]) == L'T';
            switch (c) {
                case L'A':
                    prefix = withT ? 2 : 1;
                    value =
                        withT ? Format(body, eventTime, ctx) : FormatDuration(body, eventTime - now, ctx.fs);
                    break;
                case L'W':
                    prefix = withT ? 2 : 1;
                    value = FormatDuration(body, withT ? ctx.totalWorkTime : ctx.workTime, ctx.fs);
                    break;
                case L'S':
                    prefix = withT ? 2 : 1;
                    value = SunriseValue(body, withT, ctx);
                    break;
                case L'Z':
                    prefix = withT ? 2 : 1;
                    value = SunsetValue(body, withT, ctx);
                    break;
                case L'+':
                case L'-': {
                    int hours = 0;
                    prefix = 1;
                    if (p > 1 && IsDigit(rest[p - 2])) {
                        hours = rest[p - 2] - L'0';
                        prefix = 2;
                        if (p > 2 && IsDigit(rest[p - 3])) {
                            hours += (rest[p - 3] - L'0') * 10;
                            prefix = 3;
                        }
                    }
                    const double shift = (c == L'+' ? hours : -hours) / 24.0;
                    value = Format(body, now + shift, ctx);
                    break;
                }
                case L'C':
                    prefix = 1;
                    value = Format(body, now, ctx);
                    break;
                default:
                    value = Format(body, now, ctx);
                    break;
            }
        }
        out.append(rest.substr(0, p - prefix));
        out += value;
        rest = q < rest.size() ? rest.substr(q + 1) : std::wstring_view{};
    }
    out.append(rest);
    return MonthNameGenitive(out);
}

std::wstring BuildEventList(const TemplateContext& ctx, int maxLines) {
    std::wstring list;
    const std::size_t count = ctx.eventAt ? ctx.eventCount : ctx.events.size();
    int breaks = 0;  // the list has breaks + 1 lines once it is not empty
    for (size_t i = 0; i + 1 < count; ++i) {
        if (!list.empty() && breaks + 1 >= maxLines) break;
        const TaskEvent ev = ctx.eventAt ? ctx.eventAt(i) : ctx.events[i];
        if (ev.description.empty()) continue;
        const wchar_t flag = ev.description[0];
        const std::wstring_view d = std::wstring_view(ev.description).substr(1);
        if (!list.empty()) {
            list += L'\n';
            ++breaks;
        }
        if (base::SameTextLatin(ev.time, L"Выход")) {
            list += ExpandTemplate(d, 0, ctx) + L" - выход";
        } else if (ctx.now < ev.nextRun) {
            list += ExpandTemplate(d, ev.nextRun, ctx);
        } else if (flag == 1 || flag == 3) {  // the flag codes that show the description after the run
            list += ExpandTemplate(d, 0, ctx) + L" - выполнено";
        }
    }
    return list;
}

namespace {

std::wstring BuildText(std::wstring_view text, const TemplateContext& ctx, int maxListLines) {
    const size_t p = base::LowerCase1251(text).find(L"<la>");
    if (p == std::wstring::npos) return ExpandTemplate(text, ctx.earliestTaskTime, ctx);
    std::wstring list = BuildEventList(ctx, maxListLines);
    if (list.empty()) list = L"Нет событий";
    return ExpandTemplate(text.substr(0, p), ctx.earliestTaskTime, ctx) + list +
           ExpandTemplate(text.substr(p + 4), ctx.earliestTaskTime, ctx);
}

}  // namespace

std::wstring BuildFormatText(std::wstring_view text, const TemplateContext& ctx) {
    return BuildText(text, ctx, std::numeric_limits<int>::max());
}

std::wstring BuildShownText(std::wstring_view text, const TemplateContext& ctx, int maxLines) {
    return BuildText(base::FirstLines(text, std::max(maxLines, 0)), ctx, std::max(maxLines, 0));
}

std::wstring ShownTemplate(std::wstring_view text, int maxLines, int maxLineChars) {
    const std::size_t width = static_cast<std::size_t>(std::max(maxLineChars, 0));
    std::wstring shown;
    std::size_t pos = 0;
    for (int line = 0; line < maxLines; ++line) {
        const base::LineEnd end = base::FindLineEnd(text, pos);
        std::size_t cut = std::min(end.end - pos, width);
        if (cut < end.end - pos && cut > 0 && text[pos + cut - 1] >= 0xD800 && text[pos + cut - 1] <= 0xDBFF)
            --cut;
        shown.append(text.substr(pos, cut));
        if (end.end == text.size() || line + 1 == maxLines) break;
        shown.append(text.substr(end.end, end.next - end.end));
        pos = end.next;
    }
    return shown;
}

std::wstring_view SpokenPart(std::wstring_view text) {
    if (text.size() <= kSpokenLength) return text;
    std::size_t cut = kSpokenLength;
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    return text.substr(0, cut);
}

std::wstring BuildSpokenText(std::wstring_view text, const TemplateContext& ctx) {
    // The first kSpokenLength characters of a text lie within its first
    // kSpokenLength + 1 lines.
    const int lines = static_cast<int>(kSpokenLength) + 1;
    return std::wstring(SpokenPart(BuildShownText(SpokenPart(text), ctx, lines)));
}

}  // namespace timetext
