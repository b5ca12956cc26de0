// SPDX-License-Identifier: MIT
#pragma once

// The benchmark's measuring and reporting: each figure is timed beside a reference measured in
// the same run, and printed as one line: the operation, our time, the reference and its time,
// the ratio and the goal.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::bench {

// The median time in milliseconds of runs calls of f.
template <class F>
double medianMs(int runs, F&& f) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        f();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// The medians in milliseconds of ours and of the reference, run by turns so that both meet the
// same machine: what slows one down in the middle of the run slows the other too.
// `settle`, untimed, runs before each of them.
template <class Ours, class Reference, class Settle>
std::pair<double, double> interleavedMs(int runs, Ours&& ours, Reference&& reference,
                                        Settle&& settle) {
    std::vector<double> a, b;
    for (int r = 0; r < runs; ++r) {
        settle();
        a.push_back(medianMs(1, ours));
        settle();
        b.push_back(medianMs(1, reference));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

template <class Ours, class Reference>
std::pair<double, double> interleavedMs(int runs, Ours&& ours, Reference&& reference) {
    return interleavedMs(runs, ours, reference, [] {});
}

inline void header(const char* group) {
    std::printf("\n== %s\n%-46s %11s  %-34s %11s %8s  %s\n", group, "operation", "ours",
                "reference", "ref", "ratio", "goal");
}

// A figure as reported: its ratio and the largest ratio its goal allows (0: none checked).
struct Figure {
    std::string operation;
    double ratio;
    double within;
    std::string goal;
};

// Every figure reported in this run, for make bench-check.
inline std::vector<Figure>& figures() {
    static std::vector<Figure> all;
    return all;
}

// The largest ratio a goal allows: "within 1.5x" 1.5, "faster than ..." 1; 0 for a goal that is
// no ratio ("figures only", "under 5 s").
inline double allowedRatio(const char* goal) {
    if (std::strncmp(goal, "faster", 6) == 0) return 1.0;
    double within = 0;
    if (std::sscanf(goal, "within %lfx", &within) == 1) return within;
    return 0;
}

// Records a ratio checked against a goal that has no line of its own (a figure's growth).
inline void expect(const char* operation, double ratio, double within) {
    char goal[32];
    std::snprintf(goal, sizeof goal, "within %.2gx", within);
    figures().push_back({operation, ratio, within, goal});
}

inline void report(const char* operation, double oursMs, const char* reference, double refMs,
                   const char* goal) {
    const double ratio = refMs > 0 ? oursMs / refMs : 0.0;
    std::printf("%-46s %8.2f ms  %-34s %8.2f ms %7.2fx  %s\n", operation, oursMs, reference, refMs,
                ratio, goal);
    std::fflush(stdout);
    figures().push_back({operation, ratio, allowedRatio(goal), goal});
}

// Keeps a value alive so that the work producing it is not optimised away.
template <class T>
void keep(const T& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

}  // namespace kelvarin::bench
