#include "win/support/layout_check.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>

#include "ui/form.h"
#include "ui/page_control.h"

namespace testing_support {

namespace {

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}

// "tbsMain/chbStayOnTop" for a control of ours, else its class.
std::wstring NameOf(HWND h) {
    std::wstring path;
    for (HWND w = h; w && (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD); w = GetParent(w)) {
        ui::Control* c = ui::Control::FromHandle(w);
        std::wstring part = c && !c->Name().empty() ? c->Name() : ClassOf(w);
        path = path.empty() ? part : part + L"/" + path;
    }
    return path;
}

RECT RectInParent(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The text's size in the control's own font; with a width, word-wrapped to it.
SIZE Measure(HWND h, const std::wstring& text, UINT format, int wrapWidth = 0) {
    HDC dc = GetDC(h);
    auto font = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 10000, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              format | DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return {r.right - r.left, r.bottom - r.top};
}

void CheckCaption(HWND h, std::vector<std::wstring>& faults) {
    const std::wstring cls = ClassOf(h), text = TextOf(h);
    if (text.empty()) return;
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    RECT client{};
    GetClientRect(h, &client);
    const int w = client.right, ht = client.bottom;
    int room = w, roomHeight = ht;
    SIZE need{};
    bool wrapped = false;
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        if ((style & SS_TYPEMASK) > SS_RIGHT && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) return;
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        wrapped = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
        need = Measure(h, text, prefix);
        if (wrapped && need.cx > w) need = Measure(h, text, prefix, std::max(w, 1));
    } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        if (style & (BS_BITMAP | BS_ICON)) return;
        const LONG_PTR kind = style & BS_TYPEMASK;
        wrapped = (style & BS_MULTILINE) != 0;
        if (kind == BS_GROUPBOX) {
            room = w - 16;  // the caption sits between the frame's corners
        } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE)) {
            room = w - 6, roomHeight = ht - 4;  // inside the raised edge
        } else if (kind <= BS_AUTORADIOBUTTON) {
            room = w - (GetSystemMetrics(SM_CXMENUCHECK) + 4);  // the box and the gap before the text
        } else {
            return;
        }
        need = Measure(h, text, 0);
        if (wrapped && need.cx > room) need = Measure(h, text, 0, std::max(room, 1));
        if (kind == BS_GROUPBOX) roomHeight = need.cy;
    } else if (cls == L"TPanel") {
        need = Measure(h, text, 0);
        room -= 4, roomHeight -= 2;
    } else {
        return;  // edits, lists and grids hold the user's data, not captions
    }
    if (need.cx > room || need.cy > roomHeight)
        faults.push_back(NameOf(h) + L": \"" + text + L"\" needs " + std::to_wstring(need.cx) + L"x" +
                         std::to_wstring(need.cy) + L", has " + std::to_wstring(room) + L"x" +
                         std::to_wstring(roomHeight));
}

// A list of columns (the day picker's) shows every item without scrolling.
void CheckColumns(HWND h, std::vector<std::wstring>& faults) {
    if (_wcsicmp(ClassOf(h).c_str(), L"ListBox") != 0 || !(GetWindowLongPtrW(h, GWL_STYLE) & LBS_MULTICOLUMN))
        return;
    const auto count = SendMessageW(h, LB_GETCOUNT, 0, 0);
    if (count <= 0) return;
    RECT client{}, last{};
    GetClientRect(h, &client);
    SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
    if (SendMessageW(h, LB_GETTOPINDEX, 0, 0) != 0 || last.right > client.right ||
        last.bottom > client.bottom)
        faults.push_back(NameOf(h) + L": item " + std::to_wstring(count) + L" lies out of view");
}

// A memo's vertical scroll bar has room for both its arrows.
void CheckScrollRoom(HWND h, std::vector<std::wstring>& faults) {
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    if (_wcsicmp(ClassOf(h).c_str(), L"Edit") != 0 || !(style & ES_MULTILINE) || !(style & WS_VSCROLL))
        return;
    RECT r{};
    GetWindowRect(h, &r);
    const int need = 2 * GetSystemMetrics(SM_CYVSCROLL) + 4;
    if (r.bottom - r.top < need)
        faults.push_back(NameOf(h) + L": " + std::to_wstring(r.bottom - r.top) +
                         L" high, its scroll bar needs " + std::to_wstring(need));
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) found.push_back(c);
    return found;
}

bool Buddies(HWND a, HWND b) {
    auto buddy = [](HWND updown) {
        return ClassOf(updown) == UPDOWN_CLASSW
                   ? reinterpret_cast<HWND>(SendMessageW(updown, UDM_GETBUDDY, 0, 0))
                   : nullptr;
    };
    return buddy(a) == b || buddy(b) == a;
}

// An always-on switch keeps its box left of its parent on purpose, showing
// only its caption.
bool BoxHiddenLeft(HWND h, const RECT& r) {
    const LONG_PTR kind = GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK;
    return _wcsicmp(ClassOf(h).c_str(), L"Button") == 0 && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) &&
           r.left < 0 && r.left + GetSystemMetrics(SM_CXMENUCHECK) + 6 >= 0;
}

void CheckTree(HWND parent, std::vector<std::wstring>& faults) {
    RECT area{};
    GetClientRect(parent, &area);
    const std::vector<HWND> children = VisibleChildren(parent);
    for (size_t i = 0; i < children.size(); ++i) {
        HWND c = children[i];
        CheckCaption(c, faults);
        CheckColumns(c, faults);
        CheckScrollRoom(c, faults);
        const RECT r = RectInParent(c);
        if (!BoxHiddenLeft(c, r) &&
            (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom))
            faults.push_back(NameOf(c) + L": reaches out of its parent (" + std::to_wstring(r.right) + L"," +
                             std::to_wstring(r.bottom) + L" in " + std::to_wstring(area.right) + L"x" +
                             std::to_wstring(area.bottom) + L")");
        for (size_t j = i + 1; j < children.size(); ++j) {
            const RECT o = RectInParent(children[j]);
            RECT both{};
            if (IntersectRect(&both, &r, &o) && !Buddies(c, children[j]))
                faults.push_back(NameOf(c) + L" and " + NameOf(children[j]) + L" overlap");
        }
        // The insides of the platform's controls (a date picker's arrows...) are theirs.
        if (dynamic_cast<ui::Container*>(ui::Control::FromHandle(c))) CheckTree(c, faults);
    }
}

void CollectPageControls(const ui::Container& parent, std::vector<ui::PageControl*>& found) {
    for (ui::Control* c : parent.Controls()) {
        if (auto* pc = dynamic_cast<ui::PageControl*>(c)) found.push_back(pc);
        if (auto* inner = dynamic_cast<ui::Container*>(c)) CollectPageControls(*inner, found);
    }
}

// Chooses `page` and every page that holds it.
void Choose(ui::TabSheet& page) {
    for (ui::Control* c = &page; c; c = c->Parent())
        if (auto* sheet = dynamic_cast<ui::TabSheet*>(c)) sheet->GetPageControl()->SetActivePage(sheet);
}

// With HORALTO_LAYOUT_SHOTS naming a folder, each checked window is kept there
// as a picture (<class>-<page>.bmp) for a person to look at.
void SaveShot(HWND window, const std::wstring& page) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"HORALTO_LAYOUT_SHOTS", folder, MAX_PATH)) return;
    HWND top = GetAncestor(window, GA_ROOT);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(top, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * h);
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + size), 0, 0,
                        static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    const std::wstring file = std::wstring(folder) + L"\\" + ClassOf(top) + L"-" + page + L".bmp";
    HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, &fh, sizeof fh, &written, nullptr);
    WriteFile(f, &bi.bmiHeader, sizeof bi.bmiHeader, &written, nullptr);
    WriteFile(f, bits, size, &written, nullptr);
    CloseHandle(f);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

}  // namespace

std::vector<std::wstring> LayoutFaults(HWND parent) {
    std::vector<std::wstring> faults;
    CheckTree(parent, faults);
    SaveShot(parent, L"window");
    return faults;
}

std::vector<std::wstring> FormLayoutFaults(ui::Form& form) {
    std::vector<ui::PageControl*> controls;
    CollectPageControls(form, controls);
    std::map<ui::PageControl*, ui::TabSheet*> before;
    for (ui::PageControl* pc : controls) before[pc] = pc->ActivePage();
    std::vector<std::wstring> faults;
    auto add = [&](const std::vector<std::wstring>& more) {
        for (const std::wstring& f : more)
            if (std::find(faults.begin(), faults.end(), f) == faults.end()) faults.push_back(f);
    };
    add(LayoutFaults(form.Handle()));
    for (ui::PageControl* pc : controls) {
        for (int i = 0; i < pc->PageCount(); ++i) {
            ui::TabSheet& page = pc->Page(i);
            if (!page.TabVisible()) continue;
            Choose(page);
            std::vector<std::wstring> more;
            CheckTree(form.Handle(), more);
            add(more);
            SaveShot(form.Handle(), page.Name());
        }
    }
    for (auto& [pc, page] : before)
        if (page) pc->SetActivePage(page);
    return faults;
}

std::string FaultText(const std::vector<std::wstring>& faults) {
    std::wstring all;
    for (const std::wstring& f : faults) all += f + L"\n";
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, all.c_str(), -1, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, all.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    utf8.pop_back();
    return utf8;
}

}  // namespace testing_support
