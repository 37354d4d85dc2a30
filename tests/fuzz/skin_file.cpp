// Skin files: every section of any file reads into a skin whose numbers are
// finite and bounded, with at least twelve hour labels; colours and labels
// written back read the same; and whatever the skin and the scale, the clock
// bitmap fits the screen.
#include <cstdio>

#include "base/codec.h"
#include "base/ini_file.h"
#include "face/skin_catalogue.h"
#include "face/skin_description.h"
#include "face/skin_geometry.h"
#include "fuzz_support.h"

namespace {

std::wstring ColorText(face::Argb c) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%d %d %d %d", face::AlphaOf(c), face::RedOf(c), face::GreenOf(c),
                  face::BlueOf(c));
    return text;
}

void CheckNumber(double v) {
    FUZZ_CHECK(std::isfinite(v) && std::fabs(v) <= 1e6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    face::ScaleChoice choice;
    choice.settingScale = in.Bool() ? in.Double() : in.IntIn(1, 400) / 100.0;
    choice.useSkinScale = in.Bool();
    choice.tray = in.Bool();
    choice.autoTrayScale = in.Bool();
    choice.trayPanelHeight = in.IntIn(-5, 200);
    choice.maxWidth = in.IntIn(0, 4096);
    choice.maxHeight = in.IntIn(0, 4096);
    const face::ImageSize backGr{in.IntIn(-1, 5000), in.IntIn(-1, 5000)};
    const face::ImageSize back{in.IntIn(-1, 5000), in.IntIn(-1, 5000)};
    const base::IniFile ini = base::IniFile::FromText(in.RestText());

    for (const auto& section : ini.ReadSections()) {
        const auto skin = face::ReadSkinSection(ini, L"C:\\skins\\", section);
        if (!skin) continue;  // a section without keys
        for (double v : {skin->StrelScale, skin->Scale, skin->StrelTransparent, skin->CenterX, skin->CenterY,
                         skin->TextX, skin->TextY, skin->NumSize, skin->LabelSize, skin->RLabels, skin->RNums,
                         skin->TextSize})
            CheckNumber(v);
        FUZZ_CHECK(skin->NumHours.size() >= 12);
        base::StringList labels(skin->NumHours);
        FUZZ_CHECK(face::ParseHourLabels(labels.CommaText()) == skin->NumHours);
        for (face::Argb c : {skin->NumColor, skin->BkGroundColor, skin->LabelsColor, skin->TextColor})
            FUZZ_CHECK(face::ParseColorText(ColorText(c), ~c) == c);

        const auto base = face::ComputeSkinBaseSize(*skin, backGr, back);
        if (!base) continue;
        const double scale =
            face::FitSkinScale(face::ChooseSkinScale(choice, skin->Scale, base->height), *base, choice);
        FUZZ_CHECK(std::isfinite(scale) && scale > 0);
        const face::SkinGeometry g = face::ScaleSkin(*skin, *base, scale, back, backGr, back);
        FUZZ_CHECK(g.bitmapWidth >= 1 && g.bitmapHeight >= 0);
        if (choice.maxWidth > 1) FUZZ_CHECK(g.bitmapWidth <= choice.maxWidth);
        if (choice.maxHeight > 0) FUZZ_CHECK(g.bitmapHeight <= choice.maxHeight);
    }

    // A skin the catalogue takes from the file is stored under its name in
    // the settings file's "Skins" and reads back under that very name.
    base::StringList names, files;
    const face::AddedSkins added =
        face::AddSkinSections(names, files, face::SkinFileSections(ini), L"a.qsk", {});
    base::IniFile settings = base::IniFile::FromText(L"");
    for (int i = 0; i < names.Count(); ++i) settings.WriteString(L"Skins", names[i], files[i]);
    const base::IniFile reread = base::IniFile::FromText(base::FromCp1251(base::ToCp1251(settings.ToText())));
    FUZZ_CHECK(reread.ReadSection(L"Skins").Items() == added.added);
    return 0;
}
