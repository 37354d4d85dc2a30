#include "timetext/number_words.h"

#include <array>

#include "base/text_compare.h"

namespace timetext {
namespace {

using Table = std::array<const wchar_t*, 10>;

constexpr Table kUnitsMasculine{L"ноль", L"один",  L"два",  L"три",    L"четыре",
                                L"пять", L"шесть", L"семь", L"восемь", L"девять"};
constexpr Table kUnitsFeminine{L"ноль", L"одна",  L"две",  L"три",    L"четыре",
                               L"пять", L"шесть", L"семь", L"восемь", L"девять"};
constexpr Table kOrdinalNeuterWords{L"",      L"первое", L"второе",  L"третее",  L"четвёртое",
                                    L"пятое", L"шестое", L"седьмое", L"восьмое", L"девятое"};
constexpr Table kOrdinalMasculineWords{L"",      L"первый", L"второй",  L"третий",  L"четвёртый",
                                       L"пятый", L"шестой", L"седьмой", L"восьмой", L"девятый"};
constexpr Table kTeens{L"",           L"одиннадцать", L"двенадцать", L"тринадцать",   L"четырнадцать",
                       L"пятнадцать", L"шестнадцать", L"семнадцать", L"восемнадцать", L"девятнадцать"};
constexpr Table kTens{L"",          L"десять",     L"двадцать",  L"тридцать",    L"сорок",
                      L"пятьдесят", L"шестьдесят", L"семьдесят", L"восемьдесят", L"девяносто"};
constexpr Table kHundreds{L"",        L"сто",      L"двести",  L"триста",    L"четыреста",
                          L"пятьсот", L"шестьсот", L"семьсот", L"восемьсот", L"девятьсот"};
constexpr Table kThousandsGenitive{L"",     L"",      L"двух",   L"трёх",   L"четырёх",
                                   L"пяти", L"шести", L"седьми", L"восьми", L"девяти"};

// The word without its last `cut` letters ("двадцать" -> "двадцат").
std::wstring Cut(const wchar_t* word, size_t cut) {
    std::wstring w(word);
    w.resize(w.size() > cut ? w.size() - cut : 0);
    return w;
}

std::wstring Word(const wchar_t* word) {
    return std::wstring(word) + L" ";
}

std::wstring CardinalThousands(int th) {
    const wchar_t* noun = th == 1 ? L"тысяча " : (th >= 2 && th <= 4) ? L"тысячи " : L"тысяч ";
    return Word(kUnitsFeminine[th]) + noun;
}

// The words of the thousands and hundreds of n (0..9999); empty below 100.
std::wstring ThousandsAndHundreds(int n) {
    std::wstring out;
    const int th = n / 1000, h = n % 1000 / 100;
    if (th > 0) out += CardinalThousands(th);
    if (h > 0) out += Word(kHundreds[h]);
    return out;
}

// A cardinal of 0..99 with the units of `units`; 0 is spoken as the word for zero.
std::wstring CardinalBelowHundred(int n, const Table& units) {
    const int t = n / 10, u = n % 10;
    if (t == 1 && u > 0) return Word(kTeens[u]);
    std::wstring out;
    if (t > 0) out += Word(kTens[t]);
    if (u > 0 || t == 0) out += Word(units[u]);
    return out;
}

// An ordinal of 0..99: the teens and tens are their cardinal stems with
// `ending`, the units come from `unitWord(u)`.
template <class UnitWord>
std::wstring OrdinalBelowHundred(int n, const wchar_t* ending, UnitWord unitWord) {
    const int t = n / 10, u = n % 10;
    if (t == 1 && u > 0) return Cut(kTeens[u], 1) + ending;
    std::wstring out;
    if (t > 0) out += Cut(kTens[t], 1) + ending;
    if (u > 0 || t == 0) out += unitWord(u);
    return out;
}

std::wstring CardinalMasculine(int n) {
    std::wstring out = ThousandsAndHundreds(n);
    if (n % 100 > 0) out += CardinalBelowHundred(n % 100, kUnitsMasculine);
    return out;
}

std::wstring CardinalFeminine(int n) {
    return CardinalBelowHundred(n, kUnitsFeminine);
}

std::wstring OrdinalMasculine(int n, bool genitive) {
    const int th = n / 1000, r = n % 100;
    if (th > 0 && n % 1000 == 0)
        return kThousandsGenitive[th] + std::wstring(genitive ? L" тысячного " : L" тысячный ");
    std::wstring out = ThousandsAndHundreds(n);
    if (r == 0) return out;
    return out + OrdinalBelowHundred(r, genitive ? L"ого " : L"ый ", [&](int u) {
               if (!genitive) return Word(kOrdinalMasculineWords[u]);
               return u == 3 ? std::wstring(L"третьего ") : Cut(kOrdinalMasculineWords[u], 2) + L"ого ";
           });
}

std::wstring OrdinalNeuter(int n) {
    return OrdinalBelowHundred(n, L"ое ", [](int u) { return Word(kOrdinalNeuterWords[u]); });
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

}  // namespace

std::wstring NumberToWords(long long n, int mode) {
    long long limit;
    switch (mode) {
        case kCardinalMasculine:
        case kOrdinalMasculine:
        case kOrdinalGenitive:
            limit = 10000;
            break;
        case kCardinalFeminine:
        case kOrdinalNeuter:
            limit = 100;
            break;
        default:
            return {};
    }
    if (n < 0 || n >= limit) return std::to_wstring(n);
    int v = static_cast<int>(n);
    switch (mode) {
        case kCardinalMasculine:
            return CardinalMasculine(v);
        case kCardinalFeminine:
            return CardinalFeminine(v);
        case kOrdinalMasculine:
            return OrdinalMasculine(v, false);
        case kOrdinalGenitive:
            return OrdinalMasculine(v, true);
        default:
            return OrdinalNeuter(v);
    }
}

int AgreementClass(long long n) {
    long long h = n % 100, u = n % 10;
    if (h != 11 && u == 1) return 1;
    if ((h < 11 || h > 19) && u >= 2 && u <= 4) return 2;
    return 5;
}

std::wstring AgreeUnitWords(std::wstring_view text, std::wstring_view unit, std::wstring_view one,
                            std::wstring_view few, std::wstring_view many) {
    std::wstring out(text);
    if (unit.empty()) return out;
    const std::wstring lowUnit = base::LowerCase1251(unit);
    std::wstring low = base::LowerCase1251(out);
    size_t p = low.find(lowUnit);
    while (p != std::wstring::npos) {
        size_t next = p + 1;
        if (p > 0) {
            size_t j = p - 1;
            while (j > 0 && out[j] == L' ') --j;
            wchar_t c = out[j];
            if (IsDigit(c)) {
                int n = c - L'0';
                if (j > 0 && IsDigit(out[j - 1])) n += (out[j - 1] - L'0') * 10;
                int cls = AgreementClass(n);
                std::wstring_view form = cls == 1 ? one : cls == 2 ? few : many;
                out.replace(p, unit.size(), form);
                low.replace(p, unit.size(), base::LowerCase1251(form));
                next = p + form.size();
            }
        }
        p = low.find(lowUnit, next);
    }
    return out;
}

}  // namespace timetext
