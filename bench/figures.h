#pragma once

#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// How the benchmark programs time and print a figure, one line each on standard output:
//   NAME: ours X ms, baseline Y ms, ratio Z
// and anything odd on standard error.
namespace figures {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Two decimals; more for what takes well under a tenth of a millisecond.
inline QString formatMs(double ms) { return QString::number(ms, 'f', ms >= 0.1 ? 2 : 4); }

inline void report(const char* name, double ours, double baseline) {
    std::printf("%s: ours %s ms, baseline %s ms, ratio %.2f\n", name, qPrintable(formatMs(ours)),
                qPrintable(formatMs(baseline)), baseline > 0 ? ours / baseline : 0.0);
    std::fflush(stdout);
}

inline void note(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

}  // namespace figures
