#include "face/skin_set.h"

#include <optional>

namespace face {

void SkinSet::SetTextLook(const TextLook& look) {
    textSize = look.size;
    textFont = MakeFont(look.font, look.size, look.style);
    TextColor = look.color;
    TextAlign = look.align;
}

void SkinSet::Clear() {
    DropImages();
    standIn = false;
    clock.reset();
    textFont.reset();
    numFont.reset();
    hours.clear();
}

void SkinSet::DropImages() {
    for (auto& image : images) image.reset();
    cache.Clear();
}

namespace {

SkinDescription FallbackSkin(bool tray, SkinLoadResult& result) {
    result.fellBack = true;
    result.path = kBuiltInSkinPath;
    result.section = tray ? kSkinTray : L"";
    result.fallbackIndex = tray ? kTrayFallbackIndex : kMainFallbackIndex;
    return BuiltInSkin(result.section);
}

}  // namespace

SkinLoadResult LoadSkinSet(SkinSet& set, const SkinLoadRequest& request) {
    SkinLoadResult result;
    result.path = ResolveProgramPath(request.path, request.programFolder);
    result.section = request.section;

    SkinDescription skin;
    bool builtIn = result.path == kBuiltInSkinPath;
    if (builtIn) {
        skin = BuiltInSkin(result.section);
    } else if (auto read = ReadSkinFile(result.path, result.section)) {
        skin = std::move(*read);
    } else {
        skin = FallbackSkin(request.tray, result);
        builtIn = true;
    }
    // The scale of the skin asked for, also when the built-in one stands in for it.
    const double chosenScale = skin.Scale;
    const auto standIn = [&](std::wstring_view section) {
        result.fellBack = true;
        result.choiceKept = true;
        result.path = kBuiltInSkinPath;
        result.section = section;
        skin = BuiltInSkin(section);
        builtIn = true;
    };
    // Pictures shared with a set that shows the built-in skin in place of
    // this one: this set shows that skin too, not its own geometry over them.
    if (!builtIn && request.shareFrom && request.shareFrom->standIn) standIn(L"");

    SkinSet fresh;
    std::optional<SkinBaseSize> size;
    for (;;) {
        for (int i = 0; i < kSkinImageCount; ++i) {
            if (request.shareFrom && request.shareFrom->images[i])
                fresh.images[i] = request.shareFrom->images[i];
            else
                fresh.images[i] = LoadSkinImage(skin.images[i], request.instance);
        }
        size = ComputeSkinBaseSize(skin, SizeOf(fresh.Image(kImgBackGr)), SizeOf(fresh.Image(kImgBack)));
        if (size || builtIn) break;
        // A skin whose pictures give it no size cannot be shown now: the
        // built-in one takes its place.
        standIn(request.tray ? kSkinTray : L"");
    }
    if (!size) {
        // Even the built-in pictures are missing: a bare face of 100 pixels.
        size = SkinBaseSize{100, 100, true};
    }
    if (size->dropBackGr) fresh.images[kImgBackGr].reset();

    result.scale = FitSkinScale(
        ChooseSkinScale(request.scale, result.choiceKept ? chosenScale : skin.Scale, size->height), *size,
        request.scale);
    fresh.geometry = ScaleSkin(skin, *size, result.scale, SizeOf(fresh.Image(kImgSec)),
                               SizeOf(fresh.Image(kImgMin)), SizeOf(fresh.Image(kImgHour)));
    fresh.clock = NewArgbBitmap(fresh.geometry.bitmapWidth, fresh.geometry.bitmapHeight);
    fresh.BkGroundColor = skin.BkGroundColor;
    fresh.LabelsColor = skin.LabelsColor;
    fresh.NumColor = skin.NumColor;
    fresh.numFont = MakeFont(skin.NumFont, fresh.geometry.NumSize, skin.NumStyle);
    fresh.skinText = skin.Text();
    fresh.skinText.size = fresh.geometry.TextSize;
    fresh.SetTextLook(fresh.skinText);
    fresh.StrelTransparent = skin.StrelTransparent;
    fresh.BkColorTransp = skin.BkColorTransp;
    fresh.StrelColorTransp = skin.StrelColorTransp;
    fresh.InvertRotation = skin.InvertRotation;
    fresh.hours = std::move(skin.NumHours);
    fresh.wholeSeconds = WholeSecondsFor(request.timerInterval);
    fresh.secondHand = SecondHandFor(request.timerInterval);
    fresh.standIn = result.choiceKept;
    set = std::move(fresh);
    return result;
}

}  // namespace face
