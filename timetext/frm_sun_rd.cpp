#include "timetext/frm_sun_rd.h"

#include <algorithm>
#include <cstring>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/text_compare.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "timetext/sun.h"
#include "timetext/zone_rule.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

constexpr int kDefaultZoneIndex = 15;  // "(GMT+03:00) Москва, ..."

const wchar_t* const kZoneKeys[] = {L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones",
                                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones"};

void SortZones(std::vector<std::wstring>& zones) {
    std::stable_sort(zones.begin(), zones.end(), [](const std::wstring& a, const std::wstring& b) {
        return base::CompareTextAnsi(a, b) < 0;
    });
}

std::wstring CurrentStandardName() {
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    return tzi.StandardName;
}

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
        SortZones(z);
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
    lblL5.SetBounds(184, 24, 90, 16);
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

void TfrmSunRD::FillZonesFromRegistry() {
    ui::Registry reg(HKEY_LOCAL_MACHINE, KEY_READ);
    std::wstring root;
    for (const wchar_t* key : kZoneKeys)
        if (reg.OpenKeyReadOnly(std::wstring(L"\\") + key)) {
            root = key;
            break;
        }
    if (root.empty()) return;
    const std::vector<std::wstring> names = reg.GetKeyNames();
    if (names.empty()) return;
    const std::wstring current = CurrentStandardName();
    std::vector<std::wstring> zones;
    std::wstring chosen;
    for (const std::wstring& name : names) {
        try {
            if (!reg.OpenKeyReadOnly(L"\\" + root + L"\\" + name)) continue;
            const std::wstring display = reg.ReadString(L"Display");
            zones.push_back(display);
            if (!current.empty() && base::SameTextLatin(reg.ReadString(L"Std"), current)) chosen = display;
            if (reg.ValueExists(L"TZI")) {
                const std::vector<BYTE> tzi = reg.ReadBinaryData(L"TZI");
                LONG bias;
                if (tzi.size() >= sizeof bias) {
                    std::memcpy(&bias, tzi.data(), sizeof bias);
                    zoneBias_[display] = bias;
                }
            }
        } catch (...) {
            // A zone whose values cannot be read is left out.
        }
    }
    SortZones(zones);
    cmbTimeZones.SetItems(zones);
    const auto it = chosen.empty() ? zones.end() : std::find(zones.begin(), zones.end(), chosen);
    cmbTimeZones.SetItemIndex(it == zones.end() ? -1 : static_cast<int>(it - zones.begin()));
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

void TfrmSunRD::btnCalcClick(ui::Component&) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    double latitude, longitude;
    if (!base::TryStrToFloat(edtB5.Text(), latitude, fs) || !base::TryStrToFloat(edtL5.Text(), longitude, fs))
        return;
    double offset = 0;
    if (!SelectedZoneOffset(offset)) offset = 0;
    const base::TDateTime date = base::DateOf(dtpDateSun.DateTime());
    memResult.AddLine(L"Широта: " + edtB5.Text() + L" Долгота: " + edtL5.Text() + L" Зона: " +
                      base::FloatToStr(offset, fs) + L" Дата: " + base::FormatDateTime(L"ddddd", date, fs));
    const float lat = static_cast<float>(latitude), lon = static_cast<float>(longitude);
    const double rise = timetext::ComputeSunRiseSet(timetext::kSunrise, date, -offset, lat, lon);
    if (rise == timetext::kSunNoEvent)
        memResult.AddLine(L"Солнце восходит весь день ");
    else if (rise == timetext::kSunOneEvent)
        memResult.AddLine(L"В этот день солнце не восходит ");
    else
        memResult.AddLine(L"Восход солнца в " + base::FormatDateTime(L"t", rise, fs));
    const double set = timetext::ComputeSunRiseSet(timetext::kSunset, date, -offset, lat, lon);
    if (set == timetext::kSunNoEvent)
        memResult.AddLine(L"Солнце заходит весь день ");
    else if (set == timetext::kSunOneEvent)
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

// While typing, a text that is a number becomes the clock's place at once;
// anything else changes nothing. Leaving the edit shows the stored value.
void TfrmSunRD::edtB5Change(ui::Component&) {
    double v;
    if (Tag() == 0 && base::TryStrToFloat(edtB5.Text(), v, base::SystemFormatSettings()))
        frmHoralto->Settings.Main.Breadth = v;
}

void TfrmSunRD::edtL5Change(ui::Component&) {
    double v;
    if (Tag() == 0 && base::TryStrToFloat(edtL5.Text(), v, base::SystemFormatSettings()))
        frmHoralto->Settings.Main.Longitude = v;
}

void TfrmSunRD::edtB5Exit(ui::Component&) {
    if (Tag() == 0)
        edtB5.SetText(base::FloatToStr(frmHoralto->Settings.Main.Breadth, base::SystemFormatSettings()));
}

void TfrmSunRD::edtL5Exit(ui::Component&) {
    if (Tag() == 0)
        edtL5.SetText(base::FloatToStr(frmHoralto->Settings.Main.Longitude, base::SystemFormatSettings()));
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
