// What a skin says, before any picture is loaded: image references, geometry in
// pixels of the unscaled skin, colours, fonts and hour labels. Read from a
// section of a skin file (*.qsk, an INI file) or taken from the built-in skins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {
class IniFile;
}

namespace face {

// GDI+ colour: 0xAARRGGBB.
using Argb = std::uint32_t;

constexpr Argb MakeArgb(int a, int r, int g, int b) {
    return (Argb(a & 0xFF) << 24) | (Argb(r & 0xFF) << 16) | (Argb(g & 0xFF) << 8) | Argb(b & 0xFF);
}
constexpr int AlphaOf(Argb c) {
    return int(c >> 24);
}
constexpr int RedOf(Argb c) {
    return int((c >> 16) & 0xFF);
}
constexpr int GreenOf(Argb c) {
    return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(Argb c) {
    return int(c & 0xFF);
}

// Colour text of skin files and of the registry: numbers separated by blanks;
// three give red, green, blue (opaque), four give alpha, red, green, blue.
// Characters that are not digits before each number are skipped; a number that
// is not a valid integer or lies outside 0-255 counts as 255; missing numbers
// count as 0. A text without any number (empty included) gives def.
Argb ParseColorText(std::wstring_view text, Argb def);

// Where an image of a skin comes from.
struct ImageRef {
    enum class Kind { None, File, Resource };
    Kind kind = Kind::None;
    std::wstring name;  // full file path, or the resource name
    std::wstring type;  // resource type ("PNG", "BMP"); empty for files

    bool Empty() const { return kind == Kind::None; }
    static ImageRef File(std::wstring path) { return {Kind::File, std::move(path), {}}; }
    static ImageRef Resource(std::wstring name, std::wstring type) {
        return {Kind::Resource, std::move(name), std::move(type)};
    }
    bool operator==(const ImageRef&) const = default;
};

// The seven images of a skin, in the order the skin set keeps them.
enum SkinImage { kImgBackGr, kImgBack, kImgSec, kImgMin, kImgHour, kImgCentr, kImgGlass, kSkinImageCount };

// The text look of a skin or of a window's settings.
struct TextLook {
    std::wstring font;
    double size = 0;  // points
    int style = 0;    // 1 bold, 2 italic, 4 underline, 8 strikeout
    int align = 1;    // 0 left, 1 centre, 2 right
    Argb color = 0;
    bool operator==(const TextLook&) const = default;
};

inline constexpr double kDefaultStrelScale = 1.0;
inline constexpr Argb kDefaultNumColor = MakeArgb(200, 255, 255, 255);
inline constexpr Argb kDefaultBkGroundColor = MakeArgb(255, 255, 0, 255);
inline constexpr Argb kDefaultLabelsColor = MakeArgb(200, 255, 255, 255);
inline constexpr Argb kDefaultTextColor = MakeArgb(200, 0, 10, 20);
inline constexpr wchar_t kDefaultNumHours[] = L"12,1,2,3,4,5,6,7,8,9,10,11";

// One skin as written (sizes unscaled). Member defaults are the key defaults of
// a skin file section.
struct SkinDescription {
    double StrelScale = kDefaultStrelScale;
    double Scale = 1.0;
    ImageRef images[kSkinImageCount];
    double StrelTransparent = 0.8;
    double CenterX = -1, CenterY = -1;
    double TextX = -1, TextY = -1;
    bool BkColorTransp = true;
    bool StrelColorTransp = true;
    bool InvertRotation = false;
    std::vector<std::wstring> NumHours;  // at least twelve entries
    std::wstring NumFont = L"Arial";
    Argb NumColor = kDefaultNumColor;
    double NumSize = 7;
    int NumStyle = 0;
    double LabelSize = 3;
    double RLabels = 41;
    double RNums = 34;
    Argb BkGroundColor = kDefaultBkGroundColor;
    Argb LabelsColor = kDefaultLabelsColor;
    std::wstring TextFont = L"Arial Narrow";
    int TextStyle = 0;
    double TextSize = 4;
    int TextAlign = 1;
    Argb TextColor = kDefaultTextColor;

    SkinDescription();
    TextLook Text() const { return {TextFont, TextSize, TextStyle, TextAlign, TextColor}; }
};

// The twelve default labels.
std::vector<std::wstring> DefaultHourLabels();
// Comma text of hour labels; fewer than twelve are filled up with empty labels.
std::vector<std::wstring> ParseHourLabels(std::wstring_view commaText);

// Built-in skins (path "|"): "", "Стандартная" and "Обратная" give the big
// face (counter-clockwise for "Обратная"), any other name the taskbar face
// "Трей". Images are resources ("PNG" pictures, "BMP" hands of the big face).
SkinDescription BuiltInSkin(std::wstring_view name);

inline constexpr wchar_t kBuiltInSkinPath[] = L"|";
inline constexpr wchar_t kSkinStandard[] = L"Стандартная";
inline constexpr wchar_t kSkinInverse[] = L"Обратная";
inline constexpr wchar_t kSkinTray[] = L"Трей";
// Catalogue indexes of the built-in fallbacks.
inline constexpr int kMainFallbackIndex = 1;
inline constexpr int kTrayFallbackIndex = 3;

// A path as the program stores it: "|" (built in) stays; a path that starts with
// two backslashes (a network share) or whose second character is ':' is
// absolute; any other loses one leading '\' and gets programFolder (with its
// trailing separator) put before it.
std::wstring ResolveProgramPath(std::wstring_view path, std::wstring_view programFolder);

// Folder part of a path including its trailing separator ('\' or '/'); empty
// when there is none.
std::wstring FolderOf(std::wstring_view path);

// A key of a skin section (the keys ReadSkinSection reads), compared as the
// INI reader compares key names.
bool IsSkinKey(std::wstring_view key);

// Reads one section of a skin file. Image values are file names relative to
// skinFolder (the skin file's folder with its trailing separator); empty values
// give no image. Decimal numbers take '.' or ','. Unreadable numbers keep the
// key's default. Nothing when the file has no such section.
std::optional<SkinDescription> ReadSkinSection(const base::IniFile& ini, std::wstring_view skinFolder,
                                               std::wstring_view section);

// The same from a file (already a full path): nothing when the file is missing
// or cannot be read, or has no such section.
std::optional<SkinDescription> ReadSkinFile(std::wstring_view file, std::wstring_view section);

}  // namespace face
