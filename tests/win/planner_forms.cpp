// The planner's own windows and pieces under Wine: the reminder window, the day
// picker, the menu of coming tasks and JPEG pictures made into bitmaps.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "planner/coming_task_menu.h"
#include "planner/frm_days.h"
#include "planner/frm_message.h"
#include "planner/jpeg_picture.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/exception.h"
#include "ui/menus.h"
#include "win/support/jpeg_maker.h"
#include "win/support/picture_claims.h"
#include "win/support/message_loop.h"

namespace {

using testing_support::PumpUntil;

// A main form of the test, so that closing a reminder never ends the application.
class MainStandIn : public ui::Form {
  public:
    MainStandIn() : ui::Form(L"TfrmPlannerTestMain") {}
};

ui::Form& Main() {
    static ui::FormPtr<MainStandIn> main = [] {
        ui::Application().Initialize();
        auto form = ui::NewForm<MainStandIn>();
        ui::Application().SetMainForm(form.get());
        return form;
    }();
    return *main;
}

std::vector<HWND> ReminderWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(h, name, 64);
            if (std::wstring(name) == L"TfrmMessage" && IsWindowVisible(h))
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

TEST(PlannerReminder, ShortTextKeepsTheDesignWidthCentredAndOnTop) {
    Main();
    planner::TfrmMessage* reminder = planner::TfrmMessage::Create();
    reminder->ShowMessageWin(L"12:00", L"Обед");
    HWND hwnd = reminder->Handle();
    ASSERT_TRUE(IsWindowVisible(hwnd));
    wchar_t caption[64] = {};
    GetWindowTextW(hwnd, caption, 64);
    EXPECT_STREQ(caption, L"12:00");
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_GE(client.right, planner::TfrmMessage::kDesignClientWidth);
    EXPECT_GE(client.bottom, planner::TfrmMessage::kDesignClientHeight);
    EXPECT_GE(reminder->btnOK.Left(), 0);
    EXPECT_LE(reminder->btnOK.Left() + reminder->btnOK.Width(), client.right) << "OK stays inside";
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT window;
    GetWindowRect(hwnd, &window);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_NEAR(window.left, screenWidth / 2 - (window.right - window.left) / 2, 1);

    reminder->btnOK.Click();
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); })) << "the reminder frees itself";
}

TEST(PlannerReminder, LongTextNeverOutgrowsTheScreenAndSeveralStayOpen) {
    Main();
    std::wstring text;
    for (int i = 0; i < 200; ++i) text += L"Строка напоминания номер " + std::to_wstring(i) + L"\r\n";
    planner::TfrmMessage* first = planner::TfrmMessage::Create();
    first->ShowMessageWin(L"Длинное", text);
    planner::TfrmMessage* second = planner::TfrmMessage::Create();
    second->ShowMessageWin(L"Второе", L"Ещё одно");
    EXPECT_EQ(ReminderWindows().size(), 2u);
    RECT window;
    GetWindowRect(first->Handle(), &window);
    EXPECT_LE(window.bottom - window.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_LE(window.right - window.left, GetSystemMetrics(SM_CXSCREEN));
    SendMessageW(first->Handle(), WM_CLOSE, 0, 0);
    second->Close();
    EXPECT_TRUE(PumpUntil([] { return ReminderWindows().empty(); }));
}

TEST(PlannerDayPicker, FreshPickerHasEverythingChecked) {
    Main();
    auto days = ui::NewForm<planner::TfrmDays>();
    EXPECT_EQ(FindWindowW(L"TfrmDays", nullptr), days->Handle());
    EXPECT_EQ(days->clbMonths.Count(), 12);
    EXPECT_EQ(days->clbDays.Count(), 7);
    EXPECT_EQ(planner::BuildDayScheduleText(days->Picks()), L"*Ежедневно");
}

TEST(PlannerDayPicker, ParsesAScheduleAndSwitchingModeDropsTheDays) {
    Main();
    auto days = ui::NewForm<planner::TfrmDays>();
    days->ParseSchedule(L"*Месяцы:Янв,Июл; Числа:1,15");
    EXPECT_TRUE(days->rdbNombers.Checked());
    ASSERT_EQ(days->clbDays.Count(), 31);
    EXPECT_TRUE(days->clbDays.Checked(0));
    EXPECT_TRUE(days->clbDays.Checked(14));
    EXPECT_FALSE(days->clbDays.Checked(1));
    EXPECT_TRUE(days->clbMonths.Checked(0));
    EXPECT_TRUE(days->clbMonths.Checked(6));
    EXPECT_FALSE(days->clbMonths.Checked(1));
    EXPECT_EQ(planner::BuildDayScheduleText(days->Picks()), L"*Месяцы:Янв,Июл; Числа:1,15");

    days->rdbDaysOfWeek.SetChecked(true);
    EXPECT_EQ(days->clbDays.Count(), 7);
    EXPECT_EQ(planner::BuildDayScheduleText(days->Picks()), L"*Месяцы:Янв,Июл");
}

TEST(PlannerDayPicker, ApplyNeedsAMonth) {
    Main();
    auto days = ui::NewForm<planner::TfrmDays>();
    int applied = 0;
    days->OnApply = [&] { ++applied; };
    std::vector<std::wstring> boxes;
    auto old = ui::SetMessageBoxHandler([&](const std::wstring& text, const std::wstring& caption, UINT) {
        boxes.push_back(caption + L": " + text);
        return IDOK;
    });
    days->btnDeSelectAllMonths.Click();
    days->btnApply.Click();
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Ошибка: Выберите месяц!  "});
    days->clbMonths.SetChecked(2, true);
    days->btnDeSelectAllDays.Click();
    days->btnApply.Click();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(days->ModalResult(), ui::mrOk);
    EXPECT_EQ(planner::BuildDayScheduleText(days->Picks()), L"*Месяцы:Мар");
    ui::SetMessageBoxHandler(old);
}

TEST(PlannerComingTasks, MenuItemsFollowTheRows) {
    Main();
    ui::PopupMenu menu(&Main(), L"pmnTest");
    ui::MenuItem pmiTasks(menu, L"pmiTasks", L"Планировщик");
    ui::MenuItem fixed1(pmiTasks, L"pmiPlannerOnOff", L"Вкл");
    ui::MenuItem fixed2(pmiTasks, L"pmiSeparator", L"-");
    std::vector<int> clicked;
    planner::FillComingTaskMenu(pmiTasks, {{1, L"9:00:00 Обед", true}, {2, L"10:00:00 Чай", false}}, true,
                                [&](ui::Component& sender) { clicked.push_back(sender.Tag()); });
    ASSERT_EQ(pmiTasks.Count(), 4);
    EXPECT_EQ(pmiTasks[2].Name(), L"pmiTask1");
    EXPECT_EQ(pmiTasks[2].Caption(), L"9:00:00 Обед");
    EXPECT_TRUE(pmiTasks[2].Default());
    EXPECT_FALSE(pmiTasks[3].Default());
    EXPECT_EQ(pmiTasks[3].Tag(), 2);
    pmiTasks[3].Click();
    EXPECT_EQ(clicked, std::vector<int>{2});

    planner::FillComingTaskMenu(pmiTasks, {{1, L"11:00:00 Сон", false}}, false, nullptr);
    ASSERT_EQ(pmiTasks.Count(), 3);
    EXPECT_EQ(pmiTasks[1].Name(), L"pmiSeparator");
    EXPECT_FALSE(pmiTasks[2].Enabled());
}

TEST(PlannerPictures, JpegBecomesABitmapAndABrokenOneIsReported) {
    const auto dir = std::filesystem::temp_directory_path() / "horalto_planner_pictures";
    std::filesystem::create_directories(dir);
    base::WriteFileBytes(dir / "Лес.JPG", testing_support::MakeJpeg(32, 16));
    planner::ConvertJpegToBmp(dir / "Лес.JPG", dir / "out.bmp");
    const std::string bmp = base::ReadFileBytes(dir / "out.bmp");
    ASSERT_GE(bmp.size(), 54u + 32u * 16u * 3u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[18]), 32);
    EXPECT_EQ(static_cast<unsigned char>(bmp[22]), 16);
    // First pixel (bottom left) is red: blue, green, red bytes.
    EXPECT_LT(static_cast<unsigned char>(bmp[54]), 40);
    EXPECT_GT(static_cast<unsigned char>(bmp[56]), 200);

    base::WriteFileBytes(dir / "broken.jpg", "not a picture at all");
    EXPECT_THROW(planner::ConvertJpegToBmp(dir / "broken.jpg", dir / "out2.bmp"), ui::Exception);
    EXPECT_FALSE(std::filesystem::exists(dir / "out2.bmp"));
    EXPECT_THROW(planner::ConvertJpegToBmp(dir / "missing.jpg", dir / "out3.bmp"), ui::Exception);
    // A header that claims more pixels than the program takes is not decoded.
    base::WriteFileBytes(dir / "huge.jpg", testing_support::JpegClaiming(65500, 65500));
    EXPECT_THROW(planner::ConvertJpegToBmp(dir / "huge.jpg", dir / "out4.bmp"),
                 planner::PictureTooLargeError);
    EXPECT_FALSE(std::filesystem::exists(dir / "out4.bmp"));
    base::WriteFileBytes(dir / "wide.jpg", testing_support::JpegClaiming(65500, 2));
    EXPECT_NO_THROW(planner::JpegToBmpBytes(dir / "wide.jpg"));
    // A photograph larger than any picture of a skin is still a desktop picture.
    base::WriteFileBytes(dir / "photo.jpg", testing_support::JpegClaiming(6000, 4000));
    EXPECT_EQ(planner::JpegToBmpBytes(dir / "photo.jpg").size(), 54u + 6000u * 3u * 4000u);
    std::filesystem::remove_all(dir);

    EXPECT_EQ(planner::WallpaperBitmapPath().filename().wstring(), L"WqWallpaper.bmp");
}
