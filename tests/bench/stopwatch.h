// Milliseconds from the performance counter.
#pragma once

#include <windows.h>

namespace bench {

inline double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) / perMs;
}

// Times one call and appends the milliseconds to a series.
template <class F>
void Time(std::vector<double>& series, F&& f) {
    const double start = NowMs();
    f();
    series.push_back(NowMs() - start);
}

}  // namespace bench
