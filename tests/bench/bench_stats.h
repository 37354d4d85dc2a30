// Median and spread of a series of timings, printed as one table row.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

struct Spread {
    double median = 0, p10 = 0, p90 = 0, mean = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
    Spread s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    auto at = [&](double q) { return values[size_t(q * double(values.size() - 1) + 0.5)]; };
    s.median = at(0.5);
    s.p10 = at(0.1);
    s.p90 = at(0.9);
    double sum = 0;
    for (double v : values) sum += v;
    s.mean = sum / double(values.size());
    return s;
}

inline void PrintHeader(const char* title) {
    std::printf("\n%s\n  %-34s %9s %9s %9s %9s\n", title, "step (ms per tick)", "median", "p10", "p90",
                "mean");
}

inline void PrintRow(const std::string& name, const std::vector<double>& values) {
    const Spread s = SpreadOf(values);
    std::printf("  %-34s %9.3f %9.3f %9.3f %9.3f\n", name.c_str(), s.median, s.p10, s.p90, s.mean);
}

}  // namespace bench
