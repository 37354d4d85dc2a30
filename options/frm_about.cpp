#include "options/frm_about.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <shellapi.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/date_format.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/gdiplus_util.h"
#include "options/dialog_font.h"
#include "options/screen_cursors.h"
#include "options/window_effects.h"
#include "ui/application.h"
#include "ui/graphics.h"

namespace {

constexpr wchar_t kMailAddress[] = L"horalto@example.org";
constexpr wchar_t kHomePage[] = L"https://example.org/horalto/";
constexpr unsigned kScrollInterval = 100;
constexpr unsigned kPauseInterval = 3000;
constexpr wchar_t kHiddenSequence[] = L"QXJ";

const wchar_t kComments[] =
    L"Horalto — говорящие часы и органайзер\r\n"
    L"для рабочего стола.\r\n"
    L"\r\n"
    L"Часы показывают время в окне, нарисованном\r\n"
    L"по шкуре, могут заменить часы на панели\r\n"
    L"задач и жить в трее.\r\n"
    L"\r\n"
    L"Программа говорит время голосами SAPI,\r\n"
    L"подаёт ежечасные и интервальные сигналы,\r\n"
    L"показывает и произносит тексты по вашим\r\n"
    L"форматам.\r\n"
    L"\r\n"
    L"Планировщик напомнит о делах, сыграет\r\n"
    L"звук, запустит программу, сменит картинку\r\n"
    L"рабочего стола или выключит компьютер\r\n"
    L"в назначенное время.\r\n"
    L"\r\n"
    L"Кроме того: восход и заход солнца, журнал\r\n"
    L"времени работы Windows, синхронизация\r\n"
    L"часов с серверами точного времени, смена\r\n"
    L"часового пояса, часы на рабочем столе\r\n"
    L"и на обоях, горячие клавиши.\r\n"
    L"\r\n"
    L"Спасибо, что пользуетесь Horalto!\r\n";

const wchar_t kHistory[] =
    L"1.0\r\n"
    L"- Часы по шкурам, часы на панели задач, иконка в трее.\r\n"
    L"- Говорящее время, ежечасные и интервальные сигналы.\r\n"
    L"- Именованные форматы текстов.\r\n"
    L"- Планировщик с напоминаниями и действиями.\r\n"
    L"- Журнал времени работы, восход и заход солнца.\r\n"
    L"- Синхронизация времени, часовые пояса, горячие клавиши.";

// A date of a file time, in local time.
base::TDateTime DateOfFileTime(const FILETIME& ft) {
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st)) return 0;
    base::TDateTime date = 0;
    base::TryEncodeDate(st.wYear, st.wMonth, st.wDay, date);
    return date;
}

// The soft tile behind the description text.
ui::BitmapHandle MakeBrushBitmap() {
    constexpr int kSize = 8;
    HDC screen = GetDC(nullptr);
    ui::BitmapHandle bitmap(CreateCompatibleBitmap(screen, kSize, kSize));
    {
        ui::MemoryDc dc(CreateCompatibleDC(screen));
        HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                SetPixel(dc.Get(), x, y, (x + y) % kSize == 0 ? RGB(236, 240, 250) : RGB(248, 250, 255));
        SelectObject(dc.Get(), old);
    }
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// A picture redrawn at the size of its control on the page's colour: the
// sources one over the other, each without its bottom-left colour;
// `highlight` brightens them.
void PaintPicture(ui::Image& image, std::initializer_list<Gdiplus::Bitmap*> sources, COLORREF background,
                  bool highlight) {
    const int w = std::max(1, image.Width()), h = std::max(1, image.Height());
    Gdiplus::Bitmap target(w, h, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics g(&target);
        g.Clear(Gdiplus::Color(GetRValue(background), GetGValue(background), GetBValue(background)));
        for (Gdiplus::Bitmap* source : sources) {
            if (!source || source->GetWidth() == 0) continue;
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            Gdiplus::ImageAttributes attributes;
            const Gdiplus::Color key = face::BottomLeftColor(*source);
            attributes.SetColorKey(key, key);
            if (highlight) {
                Gdiplus::ColorMatrix m{{{1.1f, 0, 0, 0, 0},
                                        {0, 1.1f, 0, 0, 0},
                                        {0, 0, 1.1f, 0, 0},
                                        {0, 0, 0, 1, 0},
                                        {0.12f, 0.12f, 0.18f, 0, 1}}};
                attributes.SetColorMatrix(&m);
            }
            g.DrawImage(source, Gdiplus::Rect(0, 0, w, h), 0, 0, static_cast<INT>(source->GetWidth()),
                        static_cast<INT>(source->GetHeight()), Gdiplus::UnitPixel, &attributes);
        }
    }
    HBITMAP bitmap = nullptr;
    if (target.GetHBITMAP(Gdiplus::Color(255, 255, 255), &bitmap) == Gdiplus::Ok) image.SetBitmap(bitmap);
}

}  // namespace

// ---- TLinkLabel and TUserScrollBar

LRESULT TLinkLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_MOUSEMOVE && !tracking_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&tme) != FALSE;
    } else if (msg == WM_MOUSELEAVE) {
        tracking_ = false;
        if (OnMouseLeave) OnMouseLeave(*this);
    }
    return ui::Label::WndProc(msg, wp, lp, handled);
}

bool TUserScrollBar::Scroll(int code) {
    const bool result = ui::ScrollBar::Scroll(code);
    if (OnScroll && code != SB_ENDSCROLL) OnScroll(*this);
    return result;
}

// ---- TfrmAbout

TfrmAbout::TfrmAbout()
    : ui::Form(L"TfrmAbout", L"frmAbout"),
      pgcAbout(this, L"pgcAbout"),
      tbsGeneralInfo(pgcAbout, L"tbsGeneralInfo", L"Общая информация"),
      tbsVersionsHistory(pgcAbout, L"tbsVersionsHistory", L"История версий"),
      memHistory(&tbsVersionsHistory, L"memHistory"),
      lblProductName(&tbsGeneralInfo, L"lblProductName", L"Horalto"),
      lblVersion(&tbsGeneralInfo, L"lblVersion", L"Версия:"),
      lblSerial(&tbsGeneralInfo, L"lblSerial", L"Сборка:"),
      lblAdres1(&tbsGeneralInfo, L"lblAdres1", L"Электронная почта:"),
      lblAdres2(&tbsGeneralInfo, L"lblAdres2", L"Домашняя страница:"),
      lblEMail(&tbsGeneralInfo, L"lblEMail", kMailAddress),
      lblHomePage(&tbsGeneralInfo, L"lblHomePage", kHomePage),
      imgWqDisable(&tbsGeneralInfo, L"imgWqDisable"),
      imgWqEnable(&tbsGeneralInfo, L"imgWqEnable"),
      imgWqFoto(&tbsGeneralInfo, L"imgWqFoto"),
      pnlComments(&tbsGeneralInfo, L"pnlComments"),
      scbScrollComments(&pnlComments, L"scbScrollComments"),
      memComments(&pnlComments, L"memComments"),
      tmrScroll(this, L"tmrScroll"),
      lblPlease(&tbsGeneralInfo, L"lblPlease", L"Если программа вам нравится, поддержите её развитие."),
      btnMakeDonation(&tbsGeneralInfo, L"btnMakeDonation", L"Сделать пожертвование"),
      OKButton(this, L"OKButton", L"OK") {
    SetCaption(L"О программе");
    SetFont(options::DialogFont());
    // Borderless and disabled until the show effect has ended, above other windows.
    SetBorderStyle(ui::bsNone);
    SetBorderIcons(ui::biSystemMenu);
    SetFormStyle(ui::fsStayOnTop);
    SetEnabled(false);
    SetClientWidth(400);
    SetClientHeight(330);

    pgcAbout.SetBounds(0, 0, 400, 290);
    OKButton.SetBounds(317, 298, 75, 25);
    OKButton.SetDefault(true);
    OKButton.SetCancel(true);
    memHistory.SetBounds(4, 4, 384, 252);
    memHistory.SetReadOnly(true);
    memHistory.SetScrollBars(ui::ssVertical);
    memHistory.SetText(kHistory);

    imgWqDisable.SetBounds(8, 8, 64, 64);
    imgWqEnable.SetBounds(8, 8, 64, 64);
    imgWqFoto.SetBounds(8, 8, 64, 64);
    imgWqDisable.SetCursor(LoadCursorW(nullptr, IDC_HAND));
    imgWqEnable.SetCursor(LoadCursorW(nullptr, IDC_HAND));
    imgWqEnable.Hide();
    imgWqFoto.Hide();
    ui::Font big = options::DialogFont();
    big.height = -20;
    big.style = ui::fsBold;
    lblProductName.SetFont(big);
    lblProductName.SetBounds(84, 8, 300, 26);
    lblVersion.SetBounds(84, 38, 300, 16);
    lblSerial.SetBounds(84, 56, 300, 16);
    lblAdres1.SetBounds(8, 82, 150, 16);
    lblEMail.SetBounds(160, 82, 224, 16);
    lblAdres2.SetBounds(8, 100, 150, 16);
    lblHomePage.SetBounds(160, 100, 224, 16);
    for (TLinkLabel* link : {&lblEMail, &lblHomePage}) {
        link->SetCursor(LoadCursorW(nullptr, IDC_HAND));
        LinkHover(*link, false);
    }
    pnlComments.SetBounds(8, 122, 376, 100);
    pnlComments.SetBevelOuter(ui::bvLowered);
    pnlComments.SetColor(ui::clWhite);
    scbScrollComments.SetKind(ui::sbVertical);
    scbScrollComments.SetBounds(376 - 17 - 2, 2, 17, 96);
    memComments.SetBounds(0, 0, 10, 10);
    memComments.Hide();
    memComments.SetText(kComments);
    tmrScroll.SetEnabled(false);
    tmrScroll.SetInterval(kScrollInterval);
    lblPlease.SetWordWrap(true);
    lblPlease.SetBounds(8, 226, 210, 34);
    btnMakeDonation.SetBounds(221, 230, 169, 25);

    SetUpComments();

    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    OnShow = [this](ui::Component& s) { FormShow(s); };
    OnClose = [this](ui::Component& s, ui::CloseAction& a) { FormClose(s, a); };
    OnHide = [this](ui::Component& s) { FormHide(s); };
    OnDestroy = [this](ui::Component& s) { FormDestroy(s); };
    OKButton.OnClick = [this](ui::Component& s) { OKButtonClick(s); };
    tbsGeneralInfo.OnShow = [this](ui::Component& s) { tbsGeneralInfoShow(s); };
    tbsGeneralInfo.OnHide = [this](ui::Component& s) { tbsGeneralInfoHide(s); };
    tbsGeneralInfo.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        tbsGeneralInfoMouseMove(s, sh, x, y);
    };
    imgWqDisable.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        imgWqDisableMouseMove(s, sh, x, y);
    };
    imgWqEnable.OnClick = [this](ui::Component& s) { imgWqEnableClick(s); };
    lblEMail.OnClick = [this](ui::Component& s) { lblEMailClick(s); };
    lblHomePage.OnClick = [this](ui::Component& s) { lblHomePageClick(s); };
    lblEMail.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        lblEMailMouseMove(s, sh, x, y);
    };
    lblHomePage.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        lblHomePageMouseMove(s, sh, x, y);
    };
    lblEMail.OnMouseLeave = [this](ui::Component& s) { lblEMailMouseLeave(s); };
    lblHomePage.OnMouseLeave = [this](ui::Component& s) { lblHomePageMouseLeave(s); };
    scbScrollComments.OnChange = [this](ui::Component& s) { scbScrollCommentsChange(s); };
    scbScrollComments.OnScroll = [this](ui::Component& s) { scbScrollCommentsScroll(s); };
    tmrScroll.OnTimer = [this](ui::Component& s) { tmrScrollTimer(s); };
    pnlComments.OnMouseDown = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        pnlCommentsMouseDown(s, b, sh, x, y);
    };
    pnlComments.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        pnlCommentsMouseMove(s, sh, x, y);
    };
    pnlComments.OnMouseUp = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        pnlCommentsMouseUp(s, b, sh, x, y);
    };
    pnlComments.OnPaint = [this](ui::Panel&, HDC dc, const RECT&) {
        if (!commentsBitmap_) return;
        ui::MemoryDc source(CreateCompatibleDC(dc));
        HGDIOBJ old = SelectObject(source.Get(), commentsBitmap_.Get());
        RECT all;
        GetClientRect(pnlComments.Handle(), &all);
        FillRect(dc, &all, brush_.Get());
        BitBlt(dc, 3, 6, viewWidth_, viewHeight_, source.Get(), 0, 0, SRCCOPY);
        SelectObject(source.Get(), old);
    };
    memComments.OnKeyDown = [this](ui::Component& s, WORD& key, ui::ShiftState sh) {
        memCommentsKeyDown(s, key, sh);
    };
    btnMakeDonation.OnKeyUp = [this](ui::Component& s, WORD& key, ui::ShiftState sh) {
        btnMakeDonationKeyUp(s, key, sh);
    };
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::SetUpComments() {
    // The text without its last line break.
    std::wstring text = memComments.Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) text.resize(text.size() - 2);
    memComments.SetText(text);
    brushBitmap_ = MakeBrushBitmap();
    brush_.Reset(CreatePatternBrush(brushBitmap_.Get()));
    viewWidth_ = std::max(1, pnlComments.Width() - scbScrollComments.Width() - 6);
    viewHeight_ = std::max(1, pnlComments.Height() - 12);
    HDC screen = GetDC(nullptr);
    commentsBitmap_.Reset(CreateCompatibleBitmap(screen, viewWidth_, viewHeight_));
    HGDIOBJ old = SelectObject(screen, ui::CachedFont(pnlComments.EffectiveFont()));
    SIZE line{};
    GetTextExtentPoint32W(screen, L"fghf", 4, &line);
    TEXTMETRICW tm{};
    GetTextMetricsW(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const int lines = std::max(1, memComments.LineCount());
    scroller_ = std::make_unique<options::CommentsScroller>(std::max(1, static_cast<int>(line.cy)) * lines,
                                                            viewHeight_);
    scbScrollComments.SetParams(0, 0, std::max(0, scroller_->BarMax()));
    scbScrollComments.SetSmallChange(std::max(1, static_cast<int>(tm.tmHeight)));
}

void TfrmAbout::DrawComments() {
    if (!commentsBitmap_) return;
    HDC screen = GetDC(nullptr);
    {
        ui::MemoryDc dc(CreateCompatibleDC(screen));
        HGDIOBJ oldBitmap = SelectObject(dc.Get(), commentsBitmap_.Get());
        RECT all{0, 0, viewWidth_, viewHeight_};
        FillRect(dc.Get(), &all, brush_.Get());
        HGDIOBJ oldFont = SelectObject(dc.Get(), ui::CachedFont(pnlComments.EffectiveFont()));
        SetBkMode(dc.Get(), TRANSPARENT);
        RECT text{4, -scroller_->Offset(), viewWidth_,
                  -scroller_->Offset() + scroller_->TotalHeight() + viewHeight_};
        const std::wstring& comments = memComments.Text();
        DrawTextW(dc.Get(), comments.c_str(), static_cast<int>(comments.size()), &text,
                  DT_LEFT | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc.Get(), oldFont);
        SelectObject(dc.Get(), oldBitmap);
    }
    ReleaseDC(nullptr, screen);
    if (pnlComments.HandleAllocated()) {
        InvalidateRect(pnlComments.Handle(), nullptr, FALSE);
        UpdateWindow(pnlComments.Handle());
    }
}

void TfrmAbout::SetUpPictures() {
    const COLORREF page = ui::ColorToRGB(tbsGeneralInfo.EffectiveColor());
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::unique_ptr<Gdiplus::Bitmap> logo =
        face::LoadBitmapFromResource(instance, L"PNG_IMGBACKGR", L"PNG");
    const std::unique_ptr<Gdiplus::Bitmap> foto =
        face::LoadBitmapFromResource(instance, L"PNG_IMGBACK", L"PNG");
    const std::unique_ptr<Gdiplus::Bitmap> glass =
        face::LoadBitmapFromResource(instance, L"PNG_IMGGLASS", L"PNG");
    PaintPicture(imgWqFoto, {logo.get(), foto.get(), glass.get()}, page, true);
    PaintPicture(imgWqDisable, {logo.get(), foto.get()}, page, false);
    PaintPicture(imgWqEnable, {logo.get(), foto.get()}, page, true);
}

void TfrmAbout::ReadVersionTexts() {
    const std::wstring exe = ui::Application().ExeName();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0) return;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return;
    const options::FileVersion version =
        options::VersionFromFixedInfo(info->dwFileVersionMS, info->dwFileVersionLS);
    base::TDateTime date = 0;
    if (info->dwFileDateMS != 0 || info->dwFileDateLS != 0) {
        date = DateOfFileTime(FILETIME{info->dwFileDateLS, info->dwFileDateMS});
    } else {
        WIN32_FILE_ATTRIBUTE_DATA attributes{};
        if (GetFileAttributesExW(exe.c_str(), GetFileExInfoStandard, &attributes))
            date = DateOfFileTime(attributes.ftLastWriteTime);
    }
    lblVersion.SetCaption(
        options::VersionCaption(version, base::FormatDateTime(L"ddddd", date, base::SystemFormatSettings())));
    lblSerial.SetCaption(options::BuildCaption(version));
}

void TfrmAbout::FormCreate(ui::Component&) {
    SetUpPictures();
    ReadVersionTexts();
    CenterOnScreen();
    PlayWindowEffect(
        *this, false, true, [this] { Show(); },
        [this] {
            SetEnabled(true);
            pgcAbout.SetActivePageIndex(0);
            // The dialog border comes around the unchanged client area.
            POINT before{0, 0};
            ClientToScreen(Handle(), &before);
            const int clientW = ClientWidth(), clientH = ClientHeight();
            SetBorderStyle(ui::bsDialog);
            SetClientWidth(clientW);
            SetClientHeight(clientH);
            POINT after{0, 0};
            ClientToScreen(Handle(), &after);
            SetBounds(Left() + before.x - after.x, Top() + before.y - after.y, Width(), Height());
        });
}

void TfrmAbout::FormShow(ui::Component&) {
    SetCommentsCursor(L"CURSOR_HAND");
    DrawComments();
}

void TfrmAbout::FormClose(ui::Component&, ui::CloseAction& action) {
    action = ui::caFree;
    tmrScroll.SetEnabled(false);
    PlayWindowEffect(*this, true, false, {}, {});
}

void TfrmAbout::FormHide(ui::Component&) {
    ReleaseCapture();
    // The whole program shows the clock's cursor again.
    options::SetScreenWideCursor(2);
}

void TfrmAbout::FormDestroy(ui::Component&) {
    commentsBitmap_.Reset();
    if (frmAbout == this) frmAbout = nullptr;
}

void TfrmAbout::OKButtonClick(ui::Component&) {
    Close();
}

void TfrmAbout::tbsGeneralInfoShow(ui::Component&) {
    tmrScroll.SetEnabled(true);
}

void TfrmAbout::tbsGeneralInfoHide(ui::Component&) {
    tmrScroll.SetEnabled(false);
    tmrScroll.SetInterval(kScrollInterval);
}

void TfrmAbout::imgWqDisableMouseMove(ui::Component&, ui::ShiftState, int, int) {
    imgWqEnable.Show();
    imgWqEnable.BringToFront();
}

void TfrmAbout::tbsGeneralInfoMouseMove(ui::Component&, ui::ShiftState, int, int) {
    if (imgWqEnable.Visible()) imgWqEnable.Hide();
    if (imgWqFoto.Visible()) imgWqFoto.Hide();
}

void TfrmAbout::imgWqEnableClick(ui::Component&) {
    imgWqEnable.Hide();
    imgWqFoto.Show();
    imgWqFoto.BringToFront();
}

void TfrmAbout::lblEMailClick(ui::Component&) {
    const std::wstring link = std::wstring(L"mailto:") + kMailAddress;
    ShellExecuteW(nullptr, nullptr, link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::lblHomePageClick(ui::Component&) {
    ShellExecuteW(nullptr, L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::LinkHover(ui::Label& link, bool hover) {
    ui::Font font = link.EffectiveFont();
    font.color = hover ? RGB(255, 0, 0) : RGB(0, 0, 255);
    font.style = hover ? ui::fsUnderline : 0;
    link.SetFont(font);
}

void TfrmAbout::lblEMailMouseMove(ui::Component&, ui::ShiftState, int, int) {
    LinkHover(lblEMail, true);
}

void TfrmAbout::lblHomePageMouseMove(ui::Component&, ui::ShiftState, int, int) {
    LinkHover(lblHomePage, true);
}

void TfrmAbout::lblEMailMouseLeave(ui::Component&) {
    LinkHover(lblEMail, false);
}

void TfrmAbout::lblHomePageMouseLeave(ui::Component&) {
    LinkHover(lblHomePage, false);
}

void TfrmAbout::scbScrollCommentsChange(ui::Component&) {
    scroller_->SetOffset(scbScrollComments.Position());
    DrawComments();
}

void TfrmAbout::scbScrollCommentsScroll(ui::Component&) {
    // A move by hand pauses the automatic scrolling.
    tmrScroll.SetEnabled(false);
    tmrScroll.SetInterval(kPauseInterval);
    tmrScroll.SetEnabled(true);
}

void TfrmAbout::tmrScrollTimer(ui::Component&) {
    if (tmrScroll.Interval() == kPauseInterval) tmrScroll.SetInterval(kScrollInterval);
    int shown = 0;
    const bool toBar = scroller_->Tick(shown);
    const int next = scroller_->Offset();
    scroller_->SetOffset(shown);
    if (toBar && scbScrollComments.Position() != shown)
        scbScrollComments.SetPosition(shown);  // redraws through its change handler
    else
        DrawComments();
    scroller_->SetOffset(next);
}

void TfrmAbout::SetCommentsCursor(const wchar_t* resource) {
    options::SetScreenCursor(1, options::LoadCursorResource(resource));
    pnlComments.SetCursor(options::ScreenCursor(1));
}

void TfrmAbout::pnlCommentsMouseDown(ui::Component&, ui::MouseButton, ui::ShiftState, int, int y) {
    tmrScroll.SetEnabled(false);
    SetCommentsCursor(L"CURSOR_HANDWE");
    // The dragging hand everywhere while the button is held.
    options::SetScreenWideCursor(1);
    scroller_->StartDrag(y);
}

void TfrmAbout::pnlCommentsMouseMove(ui::Component&, ui::ShiftState, int, int y) {
    if (!scroller_->Dragging()) return;
    scroller_->DragTo(y);
    const int offset = scroller_->Offset();
    if (offset >= 0 && offset <= scroller_->BarMax() && scbScrollComments.Position() != offset) {
        scbScrollComments.SetPosition(offset);
        scroller_->SetOffset(offset);
    } else {
        DrawComments();
    }
    // At the panel's top or bottom edge the mouse goes back inside, so the drag never ends.
    const int height = pnlComments.Height();
    int dy = 0;
    if (y <= 0)
        dy = height - 2;
    else if (y >= height - 1)
        dy = -(height - 2);
    if (dy != 0) {
        POINT p{0, y + dy};
        ClientToScreen(pnlComments.Handle(), &p);
        POINT now;
        GetCursorPos(&now);
        SetCursorPos(now.x, p.y);
        scroller_->ShiftDragStart(dy);
    }
}

void TfrmAbout::pnlCommentsMouseUp(ui::Component&, ui::MouseButton, ui::ShiftState, int, int) {
    scroller_->EndDrag();
    tmrScroll.SetInterval(kPauseInterval);
    tmrScroll.SetEnabled(true);
    SetCommentsCursor(L"CURSOR_HAND");
    options::SetScreenWideCursor(0);
}

void TfrmAbout::memCommentsKeyDown(ui::Component&, WORD&, ui::ShiftState) {}

std::wstring& TfrmAbout::HiddenPictureKeys() {
    static std::wstring keys;
    return keys;
}

void TfrmAbout::btnMakeDonationKeyUp(ui::Component&, WORD& key, ui::ShiftState shift) {
    std::wstring& keys = HiddenPictureKeys();
    const std::wstring_view sequence = kHiddenSequence;
    if (imgWqEnable.Visible() && (shift & ui::ssAlt) && key < 0x80 &&
        sequence.find(static_cast<wchar_t>(key)) != std::wstring_view::npos)
        keys += static_cast<wchar_t>(key);
    else
        keys.clear();
    if (keys != sequence || !imgWqDisable.Bitmap()) return;
    // The logo fills the screen until the windows are drawn again.
    ui::BrushHandle brush(CreatePatternBrush(imgWqDisable.Bitmap()));
    HDC screen = GetDC(nullptr);
    RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(screen, &all, brush.Get());
    ReleaseDC(nullptr, screen);
}

void ShowAboutBox() {
    if (frmAbout) {
        frmAbout->SetFocus();
        return;
    }
    ui::Application().CreateForm(frmAbout);
}

void TfrmHoralto::aAboutExecute(ui::Component&) {
    ShowAboutBox();
}
