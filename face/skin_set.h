// One loaded skin (the main window's or the taskbar clock's): its pictures, the
// clock bitmap the face is drawn into, colours, fonts, the scaled geometry and
// the flags. Pictures are shared by reference count, so a picture that both
// sets use lives as long as either holds it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "face/face_cache.h"
#include "face/gdiplus_util.h"
#include "face/skin_description.h"
#include "face/skin_geometry.h"

namespace face {

struct SkinSet {
    ImagePtr images[kSkinImageCount];
    std::unique_ptr<Gdiplus::Bitmap> clock;  // 32-bit ARGB, the scaled skin size
    Argb BkGroundColor = kDefaultBkGroundColor;
    Argb LabelsColor = kDefaultLabelsColor;
    Argb TextColor = kDefaultTextColor;
    Argb NumColor = kDefaultNumColor;
    std::unique_ptr<Gdiplus::Font> textFont;  // never null while loaded
    std::unique_ptr<Gdiplus::Font> numFont;
    double textSize = 0;  // points of the text font; 0 or less: no text line on the face
    SkinGeometry geometry;
    double StrelTransparent = 0.8;
    bool BkColorTransp = true;
    bool StrelColorTransp = true;
    bool InvertRotation = false;
    bool wholeSeconds = true;
    bool secondHand = true;
    int TextAlign = 1;
    std::vector<std::wstring> hours;
    // The skin's own text look, scaled (what UseSkinTextFont/UseSkinTextColor take).
    TextLook skinText;
    // The face's parts that stay put between ticks (clock_face.h).
    FaceCache cache;
    // The built-in skin shown in place of a chosen skin whose pictures gave
    // it no size; the choice itself stays.
    bool standIn = false;

    bool Loaded() const { return clock != nullptr; }
    Gdiplus::Bitmap* Image(SkinImage which) const { return images[which].get(); }
    // Sets the text font and colour from a text look.
    void SetTextLook(const TextLook& look);
    // Lets go of everything (pictures shared with the other set stay with it).
    void Clear();
    // Forgets the pictures only.
    void DropImages();
};

// Which skin to load and how.
struct SkinLoadRequest {
    std::wstring path;  // catalogue file: "|" for the built-in skins, else absolute or program-relative
    std::wstring section;
    bool tray = false;
    std::wstring programFolder;  // with its trailing backslash
    HINSTANCE instance = nullptr;
    ScaleChoice scale;
    // The taskbar clock sharing the main window's pictures: every picture this
    // set holds is taken instead of being read.
    const SkinSet* shareFrom = nullptr;
    int timerInterval = 1000;  // of the window's timer
};

struct SkinLoadResult {
    bool fellBack = false;  // the file, section or size was unusable: the built-in skin was loaded
    // Only the size was: the skin's file and section are there, but none of
    // its pictures could be loaded (past the limits, on a drive not there
    // yet). The built-in skin stands in for this load and the skin stays the
    // user's choice, to be shown once its pictures can be.
    bool choiceKept = false;
    int fallbackIndex = 0;  // catalogue index to store when fellBack without choiceKept
    std::wstring path;      // what was loaded
    std::wstring section;
    double scale = 1;  // the factor in use
};

// Replaces the set with the skin (steps of loading up to the timer flags; the
// window's own text look is applied by the caller with SetTextLook).
SkinLoadResult LoadSkinSet(SkinSet& set, const SkinLoadRequest& request);

}  // namespace face
