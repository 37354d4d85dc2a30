#include "face/skin_description.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "base/codec.h"
#include "base/conversions.h"
#include "base/ini_file.h"
#include "base/text_compare.h"
#include "base/string_list.h"

namespace face {

namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsBlank(wchar_t c) {
    return c <= L' ';
}

// One number of a colour text: 0-255, anything else 255.
int ColorComponent(std::wstring_view number) {
    int value = 0;
    if (!base::TryStrToInt(number, value) || value < 0 || value > 255) return 255;
    return value;
}

}  // namespace

Argb ParseColorText(std::wstring_view text, Argb def) {
    int numbers[4] = {0, 0, 0, 0};
    int count = 0;
    size_t i = 0;
    while (count < 4) {
        while (i < text.size() && !IsDigit(text[i])) ++i;
        if (i >= text.size()) break;
        size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        numbers[count++] = ColorComponent(text.substr(start, i - start));
    }
    if (count == 0) return def;
    if (count == 4) return MakeArgb(numbers[0], numbers[1], numbers[2], numbers[3]);
    return MakeArgb(255, numbers[0], numbers[1], numbers[2]);
}

SkinDescription::SkinDescription() : NumHours(DefaultHourLabels()) {}

std::vector<std::wstring> DefaultHourLabels() {
    return ParseHourLabels(kDefaultNumHours);
}

std::vector<std::wstring> ParseHourLabels(std::wstring_view commaText) {
    base::StringList list;
    list.SetCommaText(commaText);
    std::vector<std::wstring> labels = list.Items();
    if (labels.size() < 12) labels.resize(12);
    return labels;
}

SkinDescription BuiltInSkin(std::wstring_view name) {
    SkinDescription d;
    const bool big = name.empty() || name == kSkinStandard || name == kSkinInverse;
    auto png = [](const wchar_t* res) { return ImageRef::Resource(res, L"PNG"); };
    auto bmp = [](const wchar_t* res) { return ImageRef::Resource(res, L"BMP"); };
    d.StrelTransparent = 0.8;
    d.CenterX = d.CenterY = d.TextX = -1;
    d.BkColorTransp = false;
    d.LabelSize = 3;
    d.NumStyle = d.TextStyle = 0;
    d.TextAlign = 1;
    if (big) {
        d.Scale = 1.5;
        d.StrelScale = 0.65;
        d.images[kImgBackGr] = png(L"PNG_IMGBACKGR");
        d.images[kImgBack] = png(L"PNG_IMGBACK");
        d.images[kImgSec] = bmp(L"BMP_IMGSEC");
        d.images[kImgMin] = bmp(L"BMP_IMGMIN");
        d.images[kImgHour] = bmp(L"BMP_IMGHOUR");
        d.images[kImgCentr] = bmp(L"BMP_IMGCENTR");
        d.images[kImgGlass] = png(L"PNG_IMGGLASS");
        d.TextY = 74;
        d.StrelColorTransp = true;
        d.InvertRotation = name == kSkinInverse;
        d.RNums = 34;
        d.RLabels = 41;
        d.NumFont = L"Arial";
        d.NumSize = 7;
        d.TextFont = L"Arial";
        d.TextSize = 4;
    } else {
        d.Scale = 1.0;
        d.StrelScale = 0.9;
        d.images[kImgBack] = png(L"PNG_IMGBACK_TRAY");
        d.images[kImgSec] = png(L"PNG_IMGSEC_TRAY");
        d.images[kImgMin] = png(L"PNG_IMGMIN_TRAY");
        d.images[kImgHour] = png(L"PNG_IMGHOUR_TRAY");
        d.TextY = -1;
        d.StrelColorTransp = false;
        d.InvertRotation = false;
        d.RNums = 24;
        d.RLabels = 31;
        d.NumFont = L"System";
        d.NumSize = 6;
        d.TextFont = L"MS Sans Serif";
        d.TextSize = 0;
    }
    return d;
}

std::wstring ResolveProgramPath(std::wstring_view path, std::wstring_view programFolder) {
    if (path == kBuiltInSkinPath) return std::wstring(path);
    if (path.size() >= 2 && (path[1] == L':' || (path[0] == L'\\' && path[1] == L'\\')))
        return std::wstring(path);
    if (!path.empty() && path[0] == L'\\') path.remove_prefix(1);
    return std::wstring(programFolder) + std::wstring(path);
}

std::wstring FolderOf(std::wstring_view path) {
    size_t pos = path.find_last_of(L"\\/:");
    if (pos == std::wstring_view::npos) return {};
    return std::wstring(path.substr(0, pos + 1));
}

namespace {

class SectionReader {
  public:
    SectionReader(const base::IniFile& ini, std::wstring_view section) : ini_(ini), section_(section) {}

    void Float(const wchar_t* key, double& value) const {
        std::wstring text = ini_.ReadString(section_, key, L"");
        for (auto& c : text)
            if (c == L',') c = L'.';
        base::FormatSettings fs;
        fs.DecimalSeparator = L'.';
        double read = 0;
        // Sizes, positions and factors of a face: anything beyond a million
        // pixels (or not finite) is no usable number.
        if (base::TryStrToFloat(text, read, fs) && std::fabs(read) <= 1e6) value = read;
    }
    void Int(const wchar_t* key, int& value) const { value = ini_.ReadInteger(section_, key, value); }
    void Bool(const wchar_t* key, bool& value) const { value = ini_.ReadBool(section_, key, value); }
    void Text(const wchar_t* key, std::wstring& value) const {
        value = ini_.ReadString(section_, key, value);
    }
    void Color(const wchar_t* key, Argb& value) const {
        value = ParseColorText(ini_.ReadString(section_, key, L""), value);
    }
    void Image(const wchar_t* key, std::wstring_view folder, ImageRef& ref) const {
        std::wstring name = ini_.ReadString(section_, key, L"");
        ref = name.empty() ? ImageRef{} : ImageRef::File(std::wstring(folder) + name);
    }

  private:
    const base::IniFile& ini_;
    std::wstring section_;
};

}  // namespace

bool IsSkinKey(std::wstring_view key) {
    static constexpr const wchar_t* kKeys[] = {
        L"StrelScale",       L"Scale",          L"ImgBackGr", L"ImgBack",   L"ImgSec",
        L"ImgMin",           L"ImgHour",        L"ImgCentr",  L"ImgGlass",  L"StrelTransparent",
        L"CenterX",          L"CenterY",        L"TextX",     L"TextY",     L"BkColorTransp",
        L"StrelColorTransp", L"InvertRotation", L"NumHours",  L"NumFont",   L"NumColor",
        L"NumSize",          L"NumStyle",       L"LabelSize", L"RLabels",   L"RNums",
        L"BkGroundColor",    L"LabelsColor",    L"TextFont",  L"TextStyle", L"TextSize",
        L"TextAlign",        L"TextColor"};
    for (const wchar_t* k : kKeys)
        if (base::SameTextAnsi(key, k)) return true;
    return false;
}

std::optional<SkinDescription> ReadSkinSection(const base::IniFile& ini, std::wstring_view skinFolder,
                                               std::wstring_view section) {
    if (!ini.SectionExists(section)) return std::nullopt;
    SectionReader r(ini, section);
    SkinDescription d;
    r.Float(L"StrelScale", d.StrelScale);
    r.Float(L"Scale", d.Scale);
    static constexpr const wchar_t* kImageKeys[kSkinImageCount] = {
        L"ImgBackGr", L"ImgBack", L"ImgSec", L"ImgMin", L"ImgHour", L"ImgCentr", L"ImgGlass"};
    for (int i = 0; i < kSkinImageCount; ++i) r.Image(kImageKeys[i], skinFolder, d.images[i]);
    r.Float(L"StrelTransparent", d.StrelTransparent);
    r.Float(L"CenterX", d.CenterX);
    r.Float(L"CenterY", d.CenterY);
    r.Float(L"TextX", d.TextX);
    r.Float(L"TextY", d.TextY);
    r.Bool(L"BkColorTransp", d.BkColorTransp);
    r.Bool(L"StrelColorTransp", d.StrelColorTransp);
    r.Bool(L"InvertRotation", d.InvertRotation);
    base::StringList current(d.NumHours);
    d.NumHours = ParseHourLabels(ini.ReadString(section, L"NumHours", current.CommaText()));
    r.Text(L"NumFont", d.NumFont);
    r.Color(L"NumColor", d.NumColor);
    r.Float(L"NumSize", d.NumSize);
    r.Int(L"NumStyle", d.NumStyle);
    r.Float(L"LabelSize", d.LabelSize);
    r.Float(L"RLabels", d.RLabels);
    r.Float(L"RNums", d.RNums);
    r.Color(L"BkGroundColor", d.BkGroundColor);
    r.Color(L"LabelsColor", d.LabelsColor);
    r.Text(L"TextFont", d.TextFont);
    r.Int(L"TextStyle", d.TextStyle);
    r.Float(L"TextSize", d.TextSize);
    r.Int(L"TextAlign", d.TextAlign);
    r.Color(L"TextColor", d.TextColor);
    return d;
}

std::optional<SkinDescription> ReadSkinFile(std::wstring_view file, std::wstring_view section) {
    try {
        std::filesystem::path path{std::wstring(file)};
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
        base::IniFile ini(path);
        return ReadSkinSection(ini, FolderOf(file), section);
    } catch (const base::FileError&) {
        return std::nullopt;
    } catch (const std::exception&) {
        // A path the file system cannot even represent is as good as missing.
        return std::nullopt;
    }
}

}  // namespace face
