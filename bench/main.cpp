// SPDX-License-Identifier: MIT
// The benchmark program: runs every group, or the groups named on the command line.

#include <QApplication>

#include <cstdio>
#include <cstring>

#include <malloc.h>

#include "bench/groups.h"

int main(int argc, char* argv[]) {
    // Large buffers from the heap, kept for the next run: otherwise every buffer above 32 MB is
    // mapped afresh and its page faults, not the work measured, decide a figure.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return kelvarin::bench::startupChild(argc, argv);
    QApplication app(argc, argv);
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
    return 0;
}
