#include "face/skin_description.h"

#include <gtest/gtest.h>

#include "base/ini_file.h"

using namespace face;

namespace {

const std::wstring kFixtures = std::wstring(L"" HORALTO_FIXTURES) + L"/skins/";

}  // namespace

TEST(SkinColor, ThreeNumbersAreOpaqueFourCarryAlphaFirst) {
    EXPECT_EQ(ParseColorText(L"0 128 255", 0), MakeArgb(255, 0, 128, 255));
    EXPECT_EQ(ParseColorText(L"100 0 128 255", 0), MakeArgb(100, 0, 128, 255));
    EXPECT_EQ(ParseColorText(L"  58   110 165 ", 0), MakeArgb(255, 58, 110, 165));
    // A fifth number is not read.
    EXPECT_EQ(ParseColorText(L"1 2 3 4 5", 0), MakeArgb(1, 2, 3, 4));
}

TEST(SkinColor, BadNumbersCountAs255AndMissingOnesAs0) {
    EXPECT_EQ(ParseColorText(L"300 0 0", 0), MakeArgb(255, 255, 0, 0));
    EXPECT_EQ(ParseColorText(L"12a 7 7", 0), MakeArgb(255, 255, 7, 7));
    EXPECT_EQ(ParseColorText(L"200", 0), MakeArgb(255, 200, 0, 0));
    EXPECT_EQ(ParseColorText(L"10 20", 0), MakeArgb(255, 10, 20, 0));
    // Characters that are not digits before each number are skipped.
    EXPECT_EQ(ParseColorText(L"R=10 G=20 B=30", 0), MakeArgb(255, 10, 20, 30));
    EXPECT_EQ(ParseColorText(L"-5 6 7", 0), MakeArgb(255, 5, 6, 7));
}

TEST(SkinColor, TextWithoutDigitsKeepsTheDefault) {
    EXPECT_EQ(ParseColorText(L"", 0x12345678u), 0x12345678u);
    EXPECT_EQ(ParseColorText(L"red", 0x12345678u), 0x12345678u);
}

TEST(SkinHours, ShortListIsFilledWithEmptyLabelsLongListKept) {
    auto three = ParseHourLabels(L"XII,III,VI");
    ASSERT_EQ(three.size(), 12u);
    EXPECT_EQ(three[0], L"XII");
    EXPECT_EQ(three[2], L"VI");
    for (int i = 3; i < 12; ++i) EXPECT_EQ(three[i], L"");
    auto many = ParseHourLabels(L"a,b,c,d,e,f,g,h,i,j,k,l,m,n");
    ASSERT_GE(many.size(), 12u);
    EXPECT_EQ(many[11], L"l");
    EXPECT_EQ(ParseHourLabels(L"").size(), 12u);
    auto defaults = DefaultHourLabels();
    EXPECT_EQ(defaults[0], L"12");
    EXPECT_EQ(defaults[3], L"3");
}

TEST(SkinPath, RelativeAbsoluteAndNetworkPaths) {
    const std::wstring folder = L"C:\\Prog\\";
    EXPECT_EQ(ResolveProgramPath(L"Skins\\a.qsk", folder), L"C:\\Prog\\Skins\\a.qsk");
    EXPECT_EQ(ResolveProgramPath(L"\\Skins\\a.qsk", folder), L"C:\\Prog\\Skins\\a.qsk");
    EXPECT_EQ(ResolveProgramPath(L"D:\\x.qsk", folder), L"D:\\x.qsk");
    EXPECT_EQ(ResolveProgramPath(L"\\\\server\\share\\x.qsk", folder), L"\\\\server\\share\\x.qsk");
    EXPECT_EQ(ResolveProgramPath(L"|", folder), L"|");
    EXPECT_EQ(FolderOf(L"C:\\Prog\\Skins\\a.qsk"), L"C:\\Prog\\Skins\\");
    EXPECT_EQ(FolderOf(L"a.qsk"), L"");
}

TEST(SkinBuiltIn, StandardInverseAndTrayColumns) {
    SkinDescription standard = BuiltInSkin(L"Стандартная");
    EXPECT_DOUBLE_EQ(standard.Scale, 1.5);
    EXPECT_DOUBLE_EQ(standard.StrelScale, 0.65);
    EXPECT_EQ(standard.images[kImgBackGr], ImageRef::Resource(L"PNG_IMGBACKGR", L"PNG"));
    EXPECT_EQ(standard.images[kImgHour], ImageRef::Resource(L"BMP_IMGHOUR", L"BMP"));
    EXPECT_DOUBLE_EQ(standard.TextY, 74);
    EXPECT_FALSE(standard.BkColorTransp);
    EXPECT_TRUE(standard.StrelColorTransp);
    EXPECT_FALSE(standard.InvertRotation);
    EXPECT_EQ(standard.TextFont, L"Arial");
    EXPECT_EQ(standard.NumColor, kDefaultNumColor);

    EXPECT_TRUE(BuiltInSkin(L"Обратная").InvertRotation);
    EXPECT_EQ(BuiltInSkin(L"").images[kImgGlass], standard.images[kImgGlass]);

    SkinDescription tray = BuiltInSkin(L"Трей");
    EXPECT_TRUE(tray.images[kImgBackGr].Empty());
    EXPECT_TRUE(tray.images[kImgCentr].Empty());
    EXPECT_EQ(tray.images[kImgSec], ImageRef::Resource(L"PNG_IMGSEC_TRAY", L"PNG"));
    EXPECT_DOUBLE_EQ(tray.TextSize, 0);
    EXPECT_DOUBLE_EQ(tray.RLabels, 31);
    EXPECT_FALSE(tray.StrelColorTransp);
    // Any other name is the taskbar face.
    EXPECT_DOUBLE_EQ(BuiltInSkin(L"Что-то").RNums, 24);
}

TEST(SkinFile, ReadsEveryKeyWithCommaOrPointDecimals) {
    auto skin = ReadSkinFile(kFixtures + L"test.qsk", L"часы");  // section names ignore case
    ASSERT_TRUE(skin.has_value());
    EXPECT_DOUBLE_EQ(skin->Scale, 2);
    EXPECT_DOUBLE_EQ(skin->StrelScale, 0.5);
    EXPECT_DOUBLE_EQ(skin->CenterX, 50.5);
    EXPECT_DOUBLE_EQ(skin->NumSize, 9.5);
    EXPECT_EQ(skin->images[kImgBackGr], ImageRef::File(kFixtures + L"back.png"));
    EXPECT_EQ(skin->images[kImgSec], ImageRef::File(kFixtures + L"sec.png"));
    EXPECT_TRUE(skin->images[kImgMin].Empty());   // empty value
    EXPECT_TRUE(skin->images[kImgHour].Empty());  // missing key
    EXPECT_FALSE(skin->BkColorTransp);
    EXPECT_TRUE(skin->StrelColorTransp);
    EXPECT_TRUE(skin->InvertRotation);
    EXPECT_EQ(skin->NumHours[1], L"III");
    EXPECT_EQ(skin->NumHours[11], L"");
    EXPECT_EQ(skin->NumFont, L"Times New Roman");
    EXPECT_EQ(skin->NumColor, MakeArgb(255, 0, 128, 255));
    EXPECT_EQ(skin->LabelsColor, MakeArgb(100, 0, 128, 255));
    EXPECT_EQ(skin->BkGroundColor, MakeArgb(255, 255, 1, 2));
    EXPECT_EQ(skin->TextColor, kDefaultTextColor);  // empty value keeps the default
    EXPECT_EQ(skin->NumStyle, 3);
    EXPECT_EQ(skin->TextAlign, 2);
    EXPECT_DOUBLE_EQ(skin->RNums, -1);
    EXPECT_EQ(skin->TextFont, L"Arial Narrow");
    EXPECT_DOUBLE_EQ(skin->StrelTransparent, 0.8);
}

TEST(SkinFile, UnreadableNumbersKeepDefaults) {
    auto skin = ReadSkinFile(kFixtures + L"test.qsk", L"Pocket");
    ASSERT_TRUE(skin.has_value());
    EXPECT_DOUBLE_EQ(skin->RLabels, 41);
    EXPECT_DOUBLE_EQ(skin->TextSize, 4);
    EXPECT_DOUBLE_EQ(skin->StrelScale, kDefaultStrelScale);
    EXPECT_EQ(skin->NumHours[0], L"12");
}

TEST(SkinFile, MissingFileOrSectionGivesNothing) {
    EXPECT_FALSE(ReadSkinFile(kFixtures + L"test.qsk", L"Nothing").has_value());
    EXPECT_FALSE(ReadSkinFile(kFixtures + L"missing.qsk", L"Часы").has_value());
    EXPECT_FALSE(ReadSkinFile(kFixtures, L"Часы").has_value());  // a folder
}

TEST(SkinFile, SectionFromTextUsesTheGivenFolder) {
    auto ini = base::IniFile::FromText(L"[A]\r\nImgBack=d.png\r\nScale=1.25\r\n");
    auto skin = ReadSkinSection(ini, L"C:\\S\\", L"A");
    ASSERT_TRUE(skin.has_value());
    EXPECT_EQ(skin->images[kImgBack].name, L"C:\\S\\d.png");
    EXPECT_DOUBLE_EQ(skin->Scale, 1.25);
}

TEST(SkinFile, AbsurdNumbersKeepTheKeyDefaults) {
    auto ini = base::IniFile::FromText(
        L"[A]\r\nScale=1E300\r\nStrelScale=NAN\r\nCenterX=-1E200\r\nTextSize=1e9\r\nNumSize=2,5\r\n");
    auto skin = ReadSkinSection(ini, L"C:\\S\\", L"A");
    ASSERT_TRUE(skin.has_value());
    const SkinDescription defaults;
    EXPECT_EQ(skin->Scale, defaults.Scale);
    EXPECT_EQ(skin->StrelScale, defaults.StrelScale);
    EXPECT_EQ(skin->CenterX, defaults.CenterX);
    EXPECT_EQ(skin->TextSize, defaults.TextSize);
    EXPECT_EQ(skin->NumSize, 2.5);
}
