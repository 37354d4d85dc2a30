#include "ui/tab_order.h"

#include <algorithm>
#include <vector>

#include "ui/page_control.h"

namespace ui {

namespace {

struct Place {
    HWND hwnd;
    bool stop;  // the Tab key stops here now
};

// The children of `parent` in the order a reader meets them: row by row from
// the top, each row from the left. A row is led by its highest control and
// takes every control that begins above the leader's middle (a label beside
// its edit, a column of buttons beside a list).
std::vector<HWND> ChildrenInReadingOrder(HWND parent) {
    struct Child {
        HWND hwnd;
        RECT rect;
    };
    std::vector<Child> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        children.push_back({child, r});
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& a, const Child& b) { return a.rect.top < b.rect.top; });
    std::vector<HWND> ordered;
    for (std::size_t first = 0; first < children.size();) {
        const RECT& leader = children[first].rect;
        const LONG middle = (leader.top + leader.bottom) / 2;
        std::size_t end = first + 1;
        while (end < children.size() && children[end].rect.top < std::max(middle, leader.top + 1)) ++end;
        std::stable_sort(
            children.begin() + static_cast<std::ptrdiff_t>(first),
            children.begin() + static_cast<std::ptrdiff_t>(end), [](const Child& a, const Child& b) {
                return a.rect.left != b.rect.left ? a.rect.left < b.rect.left : a.rect.top < b.rect.top;
            });
        for (std::size_t i = first; i < end; ++i) ordered.push_back(children[i].hwnd);
        first = end;
    }
    return ordered;
}

// Every window that holds a place in the Tab order under `parent`, in order:
// the children of each container (a window of WS_EX_CONTROLPARENT) in turn.
void CollectPlaces(HWND parent, bool usable, std::vector<Place>& places) {
    for (HWND child : ChildrenInReadingOrder(parent)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(child, GWL_EXSTYLE);
        const bool shown = usable && (style & WS_VISIBLE) && !(style & WS_DISABLED);
        places.push_back({child, shown && (style & WS_TABSTOP) != 0});
        if (exStyle & WS_EX_CONTROLPARENT) CollectPlaces(child, shown, places);
    }
}

std::vector<Place> PlacesIn(HWND root) {
    std::vector<Place> places;
    if (root) CollectPlaces(root, true, places);
    return places;
}

// The place of `from` (or of the control it lies in); -1 for root itself or
// a window that has none.
int PlaceOf(const std::vector<Place>& places, HWND root, HWND from) {
    for (HWND h = from; h && h != root; h = GetParent(h))
        for (std::size_t i = 0; i < places.size(); ++i)
            if (places[i].hwnd == h) return static_cast<int>(i);
    return -1;
}

bool IsPushButton(HWND hwnd) {
    const LRESULT code = SendMessageW(hwnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// The first stop after place `at`, going round, that `accept` takes.
template <class Accept>
HWND StopAfter(const std::vector<Place>& places, int at, bool previous, Accept accept) {
    const int n = static_cast<int>(places.size());
    // From the container itself (-1) every place is looked at; from a place, every other one.
    const int count = at < 0 ? n : n - 1;
    for (int k = 1; k <= count; ++k) {
        int i = 0;
        if (at < 0)
            i = previous ? n - k : k - 1;
        else
            i = ((previous ? at - k : at + k) % n + n) % n;
        if (places[i].stop && accept(places[i].hwnd)) return places[i].hwnd;
    }
    return nullptr;
}

HWND PreferNoPushButton(const std::vector<Place>& places, int at) {
    if (HWND h = StopAfter(places, at, false, [](HWND c) { return !IsPushButton(c); })) return h;
    return StopAfter(places, at, false, [](HWND) { return true; });
}

}  // namespace

bool CanTakeFocus(HWND root, HWND hwnd) {
    if (!hwnd || !root || hwnd == root || !IsWindow(hwnd) || !IsChild(root, hwnd)) return false;
    for (HWND h = hwnd; h && h != root; h = GetParent(h)) {
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) return false;
    }
    return true;
}

HWND NextTabStop(HWND root, HWND from, bool previous) {
    const std::vector<Place> places = PlacesIn(root);
    return StopAfter(places, PlaceOf(places, root, from), previous, [](HWND) { return true; });
}

bool FocusNextTabStop(HWND root, HWND from, bool previous) {
    const HWND next = NextTabStop(root, from, previous);
    if (!next) return false;
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
    ::SetFocus(next);
    return true;
}

HWND FirstControlIn(HWND container) {
    HWND first = PreferNoPushButton(PlacesIn(container), -1);
    if (auto* pages = dynamic_cast<PageControl*>(Control::FromHandle(first)))
        if (HWND inner = pages->PageEntry()) return inner;
    return first;
}

HWND HeirOfFocus(HWND root, HWND from) {
    const std::vector<Place> places = PlacesIn(root);
    return PreferNoPushButton(places, PlaceOf(places, root, from));
}

}  // namespace ui
