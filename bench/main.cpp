// SPDX-License-Identifier: MIT
// The benchmark program: runs every group, or the groups named on the command line.

#include <QApplication>

#include <cstdio>
#include <cstring>

#include <malloc.h>

#include "bench/bench.h"
#include "bench/groups.h"

int main(int argc, char* argv[]) {
    // Large buffers from the heap, kept for the next run: otherwise every buffer above 32 MB is
    // mapped afresh and its page faults, not the work measured, decide a figure.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return kelvarin::bench::startupChild(argc, argv);
    QApplication app(argc, argv);
    // --check: after the figures, each one that misses its goal is listed, and the exit status
    // says whether any did (make bench-check).
    bool check = false;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--check") == 0) {
            check = true;
            for (int m = k; m + 1 < argc; ++m)
                argv[m] = argv[m + 1];
            --argc;
            break;
        }
    }
    struct Group {
        const char* name;
        void (*run)();
    };
    const Group groups[] = {
        {"gradient", kelvarin::bench::gradient},   {"strings", kelvarin::bench::strings},
        {"files", kelvarin::bench::files},         {"registry", kelvarin::bench::registry},
        {"hashing", kelvarin::bench::hashing},     {"text", kelvarin::bench::text},
        {"linearity", kelvarin::bench::linearity}, {"commandline", kelvarin::bench::commandLine},
        {"startup", kelvarin::bench::startup}};
    bool any = false;
    for (const Group& g : groups) {
        bool chosen = argc < 2;
        for (int k = 1; k < argc; ++k)
            chosen = chosen || std::strcmp(argv[k], g.name) == 0;
        if (chosen) {
            g.run();
            any = true;
        }
    }
    if (!any) {
        std::fprintf(stderr, "groups:");
        for (const Group& g : groups)
            std::fprintf(stderr, " %s", g.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    if (!check) return 0;
    int missed = 0, checked = 0;
    for (const kelvarin::bench::Figure& f : kelvarin::bench::figures()) {
        if (f.within <= 0) continue;
        ++checked;
        if (f.ratio <= f.within) continue;
        if (missed++ == 0) std::printf("\n== figures that miss their goals\n");
        std::printf("%-60s %7.2fx  goal %s\n", f.operation.c_str(), f.ratio, f.goal.c_str());
    }
    std::printf("\nbench-check: %d of %d figures with a goal miss it\n", missed, checked);
    return missed == 0 ? 0 : 1;
}
