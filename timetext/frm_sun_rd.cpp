#include "timetext/frm_sun_rd.h"

#include <algorithm>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/text_compare.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "timetext/sun.h"
#include "timetext/sun_place.h"
#include "timetext/time_zones.h"
#include "timetext/zone_rule.h"
#include "ui/application.h"

namespace {

constexpr int kDefaultZoneIndex = 15;  // "(GMT+03:00) Москва, ..."

}  // namespace

const std::vector<std::wstring>& BuiltInTimeZones() {
    static const std::vector<std::wstring> zones = [] {
        std::vector<std::wstring> z{
            L"(GMT) Время по Гринвичу: Дублин, Лиссабон, Лондон, Эдинбург",
            L"(GMT) Касабланка, Монровия",
            L"(GMT+01:00) Амстердам, Берлин, Берн, Вена, Рим, Стокгольм",
            L"(GMT+01:00) Белград, Братислава, Будапешт, Любляна, Прага",
            L"(GMT+01:00) Брюссель, Копенгаген, Мадрид, Париж",
            L"(GMT+01:00) Варшава, Загреб, Сараево, Скопье, София",
            L"(GMT+01:00) Западная Центральная Африка",
            L"(GMT+02:00) Афины, Бейрут, Стамбул, Минск",
            L"(GMT+02:00) Бухарест",
            L"(GMT+02:00) Иерусалим",
            L"(GMT+02:00) Каир",
            L"(GMT+02:00) Киев, Рига, Таллин, Вильнюс, Хельсинки",
            L"(GMT+02:00) Хараре, Претория",
            L"(GMT+03:00) Багдад",
            L"(GMT+03:00) Кувейт, Эр-Рияд",
            L"(GMT+03:00) Москва, Санкт-Петербург, Волгоград",
            L"(GMT+03:00) Найроби",
            L"(GMT+03:30) Тегеран",
            L"(GMT+04:00) Абу-Даби, Мускат",
            L"(GMT+04:00) Баку, Тбилиси, Ереван",
            L"(GMT+04:30) Кабул",
            L"(GMT+05:00) Екатеринбург",
            L"(GMT+05:00) Исламабад, Карачи, Ташкент",
            L"(GMT+05:30) Калькутта, Мумбаи, Нью-Дели, Ченнай",
            L"(GMT+05:45) Катманду",
            L"(GMT+06:00) Алматы, Новосибирск",
            L"(GMT+06:00) Астана, Дхака",
            L"(GMT+06:00) Шри-Джаяварденепура",
            L"(GMT+06:30) Рангун",
            L"(GMT+07:00) Бангкок, Джакарта, Ханой",
            L"(GMT+07:00) Красноярск",
            L"(GMT+08:00) Гонконг, Пекин, Урумчи, Чунцин",
            L"(GMT+08:00) Иркутск, Улан-Батор",
            L"(GMT+08:00) Куала-Лумпур, Сингапур",
            L"(GMT+08:00) Перт",
            L"(GMT+08:00) Тайбэй",
            L"(GMT+09:00) Осака, Саппоро, Токио",
            L"(GMT+09:00) Сеул",
            L"(GMT+09:00) Якутск",
            L"(GMT+09:30) Аделаида",
            L"(GMT+09:30) Дарвин",
            L"(GMT+10:00) Брисбен",
            L"(GMT+10:00) Владивосток",
            L"(GMT+10:00) Гуам, Порт-Морсби",
            L"(GMT+10:00) Канберра, Мельбурн, Сидней",
            L"(GMT+10:00) Хобарт",
            L"(GMT+11:00) Магадан, Соломоновы о-ва, Новая Каледония",
            L"(GMT+12:00) Веллингтон, Окленд",
            L"(GMT+12:00) Фиджи, Камчатка, Маршалловы о-ва",
            L"(GMT+13:00) Нукуалофа",
            L"(GMT-01:00) Азорские о-ва",
            L"(GMT-01:00) О-ва Зелёного Мыса",
            L"(GMT-02:00) Среднеатлантическое время",
            L"(GMT-03:00) Бразилия",
            L"(GMT-03:00) Буэнос-Айрес, Джорджтаун",
            L"(GMT-03:00) Гренландия",
            L"(GMT-03:30) Ньюфаундленд",
            L"(GMT-04:00) Атлантическое время (Канада)",
            L"(GMT-04:00) Каракас, Ла-Пас",
            L"(GMT-04:00) Сантьяго",
            L"(GMT-05:00) Богота, Лима, Кито",
            L"(GMT-05:00) Восточное время (США и Канада)",
            L"(GMT-05:00) Индиана (восток)",
            L"(GMT-06:00) Гвадалахара, Мехико, Монтеррей",
            L"(GMT-06:00) Саскачеван",
            L"(GMT-06:00) Центральная Америка",
            L"(GMT-06:00) Центральное время (США и Канада)",
            L"(GMT-07:00) Аризона",
            L"(GMT-07:00) Горное время (США и Канада)",
            L"(GMT-07:00) Ла-Пас, Масатлан, Чиуауа",
            L"(GMT-08:00) Тихоокеанское время (США и Канада); Тихуана",
            L"(GMT-09:00) Аляска",
            L"(GMT-10:00) Гавайи",
            L"(GMT-11:00) О-в Мидуэй, Самоа",
            L"(GMT-12:00) Эневеток, Кваджалейн",
        };
        timetext::SortZoneDisplays(z);
        return z;
    }();
    return zones;
}

TfrmSunRD::TfrmSunRD()
    : ui::Form(L"TfrmSunRD"),
      GroupBox1(this, L"GroupBox1", L"Расположение"),
      lblB5(&GroupBox1, L"lblB5", L"Широта (град):"),
      lblL5(&GroupBox1, L"lblL5", L"Долгота (град):"),
      edtB5(&GroupBox1, L"edtB5"),
      edtL5(&GroupBox1, L"edtL5"),
      dtpDateSun(&GroupBox1, L"dtpDateSun"),
      lblTimeZone(&GroupBox1, L"lblTimeZone", L"Часовой пояс:"),
      cmbTimeZones(&GroupBox1, L"cmbTimeZones"),
      memResult(this, L"memResult"),
      btnCalc(this, L"btnCalc", L"Вычислить"),
      btnClose(this, L"btnClose", L"Закрыть") {
    SetCaption(L"Восход / заход солнца");
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(ui::biSystemMenu);
    SetClientWidth(360);
    SetClientHeight(330);
    CenterOnScreen();

    GroupBox1.SetBounds(8, 4, 344, 128);
    lblB5.SetBounds(10, 24, 90, 16);
    edtB5.SetBounds(104, 20, 70, 21);
    edtB5.SetHint(L"Например, Москва: 55,75");
    lblL5.SetBounds(182, 24, 86, 16);
    edtL5.SetBounds(270, 20, 66, 21);
    edtL5.SetHint(L"Например, Москва: 37,62");
    dtpDateSun.SetBounds(10, 52, 120, 21);
    dtpDateSun.SetKind(ui::dtkDate);
    lblTimeZone.SetBounds(10, 84, 90, 16);
    cmbTimeZones.SetBounds(10, 100, 326, 21);
    cmbTimeZones.SetStyle(ui::csDropDownList);
    cmbTimeZones.SetItems(BuiltInTimeZones());
    cmbTimeZones.SetItemIndex(kDefaultZoneIndex);
    memResult.SetBounds(8, 140, 344, 150);
    memResult.SetScrollBars(ui::ssVertical);
    memResult.SetReadOnly(true);
    btnCalc.SetBounds(8, 298, 100, 25);
    btnClose.SetBounds(252, 298, 100, 25);
    btnCalc.SetDefault(true);
    btnClose.SetCancel(true);

    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    OnClose = [this](ui::Component& s, ui::CloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](ui::Component& s) { FormDestroy(s); };
    btnCalc.OnClick = [this](ui::Component& s) { btnCalcClick(s); };
    btnClose.OnClick = [this](ui::Component& s) { btnCloseClick(s); };
    cmbTimeZones.OnChange = [this](ui::Component& s) { cmbTimeZonesChange(s); };
    edtB5.OnChange = [this](ui::Component& s) { edtB5Change(s); };
    edtL5.OnChange = [this](ui::Component& s) { edtL5Change(s); };
    edtB5.OnExit = [this](ui::Component& s) { edtB5Exit(s); };
    edtL5.OnExit = [this](ui::Component& s) { edtL5Exit(s); };
}

TfrmSunRD::~TfrmSunRD() = default;

void TfrmSunRD::FormCreate(ui::Component&) {
    SetTag(1);  // the edits' handlers wait until the values are in place
    const base::FormatSettings fs = base::SystemFormatSettings();
    edtB5.SetText(base::FloatToStr(frmHoralto->Settings.Main.Breadth, fs));
    edtL5.SetText(base::FloatToStr(frmHoralto->Settings.Main.Longitude, fs));
    dtpDateSun.SetDateTime(base::DateOf(Now()));
    FillZonesFromRegistry();
    SetHint(cmbTimeZones.ItemIndex() >= 0 ? cmbTimeZones.Item(cmbTimeZones.ItemIndex()) : std::wstring());
    SetTag(0);
}

// The zones of the registry, with the zone in force selected by the rule of the
// main page's list, so both windows agree (when the system names its zone in
// another language than the keys, the zone's key name finds it).
void TfrmSunRD::FillZonesFromRegistry() {
    const std::vector<timetext::ZoneKey> keys = timetext::ReadZoneKeys();
    if (keys.empty()) return;  // the built-in list stays
    std::vector<timetext::ZoneListEntry> entries;
    std::vector<std::wstring> zones;
    for (const timetext::ZoneKey& k : keys) {
        entries.push_back(k.entry);
        zones.push_back(k.entry.display);
        if (k.hasBias) zoneBias_[k.entry.display] = k.bias;
    }
    timetext::SortZoneDisplays(zones);
    cmbTimeZones.SetItems(zones);
    const std::wstring chosen = timetext::CurrentZoneDisplay(entries, timetext::CurrentStandardName(),
                                                             timetext::CurrentZoneKeyName());
    cmbTimeZones.SetItemIndex(chosen.empty() ? -1 : cmbTimeZones.IndexOf(chosen));
}

bool TfrmSunRD::SelectedZoneOffset(double& hoursEast) const {
    const int i = cmbTimeZones.ItemIndex();
    if (i < 0 || i >= cmbTimeZones.Count()) return false;
    const std::wstring& text = cmbTimeZones.Item(i);
    if (timetext::ZoneOffsetFromDisplay(text, hoursEast)) return true;
    const auto it = zoneBias_.find(text);
    if (it == zoneBias_.end()) return false;
    hoursEast = -it->second / 60.0;
    return true;
}

// The place's text as degrees. A text that is not a number within the axis's
// range is reported in the box of a failed conversion ("Ошибка"), with the
// text as typed.
bool TfrmSunRD::ReadDegrees(const ui::Edit& edit, const timetext::PlaceAxis& axis, double& value) {
    if (timetext::ReadPlaceDegrees(edit.Text(), axis, base::SystemFormatSettings(), value)) return true;
    ui::Application().ShowException(timetext::PlaceRefusal(edit.Text(), axis));
    return false;
}

void TfrmSunRD::btnCalcClick(ui::Component&) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    double latitude, longitude;
    if (!ReadDegrees(edtB5, timetext::kLatitude, latitude) ||
        !ReadDegrees(edtL5, timetext::kLongitude, longitude))
        return;
    double offset = 0;
    if (!SelectedZoneOffset(offset)) offset = 0;
    const base::TDateTime date = base::DateOf(dtpDateSun.DateTime());
    memResult.AddLine(L"Широта: " + edtB5.Text() + L" Долгота: " + edtL5.Text() + L" Зона: " +
                      base::FloatToStr(offset, fs) + L" Дата: " + base::FormatDateTime(L"ddddd", date, fs));
    const float lat = static_cast<float>(latitude), lon = static_cast<float>(longitude);
    const double rise = timetext::ComputeSunRiseSet(timetext::kSunrise, date, -offset, lat, lon);
    if (rise == timetext::kSunAllDay)
        memResult.AddLine(L"Солнце восходит весь день ");
    else if (rise == timetext::kSunNotToday)
        memResult.AddLine(L"В этот день солнце не восходит ");
    else
        memResult.AddLine(L"Восход солнца в " + base::FormatDateTime(L"t", rise, fs));
    const double set = timetext::ComputeSunRiseSet(timetext::kSunset, date, -offset, lat, lon);
    if (set == timetext::kSunAllDay)
        memResult.AddLine(L"Солнце заходит весь день ");
    else if (set == timetext::kSunNotToday)
        memResult.AddLine(L"В этот день солнце не заходит ");
    else
        memResult.AddLine(L"Заход солнца в " + base::FormatDateTime(L"t", set, fs));
    memResult.AddLine(L"");
}

void TfrmSunRD::btnCloseClick(ui::Component&) {
    Close();
}

void TfrmSunRD::cmbTimeZonesChange(ui::Component&) {
    SetHint(cmbTimeZones.ItemIndex() >= 0 ? cmbTimeZones.Item(cmbTimeZones.ItemIndex()) : std::wstring());
}

namespace {

// A text being typed that is the axis's degrees already: not empty, "-", a
// number still waiting for its decimals ("5,"), or one beyond its range.
bool TypedDegrees(const std::wstring& text, const timetext::PlaceAxis& axis, double& value) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    return !text.empty() && text.back() != fs.DecimalSeparator &&
           timetext::ReadPlaceDegrees(text, axis, fs, value);
}

}  // namespace

// While typing, a text that is the axis's degrees becomes the clock's place at
// once; anything else changes nothing and stays as typed.
void TfrmSunRD::edtB5Change(ui::Component&) {
    double v;
    if (Tag() == 0 && TypedDegrees(edtB5.Text(), timetext::kLatitude, v))
        frmHoralto->Settings.Main.Breadth = v;
}

void TfrmSunRD::edtL5Change(ui::Component&) {
    double v;
    if (Tag() == 0 && TypedDegrees(edtL5.Text(), timetext::kLongitude, v))
        frmHoralto->Settings.Main.Longitude = v;
}

// Leaving an edit shows the stored value in the number format, or says that
// the text is not the axis's degrees (and keeps it for the user to mend).
void TfrmSunRD::LeavePlaceEdit(ui::Edit& edit, const timetext::PlaceAxis& axis, double stored) {
    if (Tag() != 0 || !Showing()) return;
    double v;
    if (ReadDegrees(edit, axis, v)) edit.SetText(base::FloatToStr(stored, base::SystemFormatSettings()));
}

void TfrmSunRD::edtB5Exit(ui::Component&) {
    LeavePlaceEdit(edtB5, timetext::kLatitude, frmHoralto->Settings.Main.Breadth);
}

void TfrmSunRD::edtL5Exit(ui::Component&) {
    LeavePlaceEdit(edtL5, timetext::kLongitude, frmHoralto->Settings.Main.Longitude);
}

void TfrmSunRD::FormClose(ui::Component&, ui::CloseAction& action) {
    action = ui::caFree;
}

void TfrmSunRD::FormDestroy(ui::Component&) {
    if (frmSunRD == this) frmSunRD = nullptr;
}

void ShowSunRD() {
    if (!frmSunRD) ui::Application().CreateForm(frmSunRD);
    frmSunRD->Show();
}
