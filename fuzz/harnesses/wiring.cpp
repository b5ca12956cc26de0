// SPDX-License-Identifier: MIT
// The fuzz harness of the wiring list: a list is a wiring or an error, and a wiring written back
// reads as itself and maps every pattern to a code and back.

#include "fuzz/fuzz_common.h"
#include "segment_codes/segments.h"

namespace kelvarin::fuzz {

int run_wiring(Input& in) {
    const QString list = in.rest();
    allowing(kNone, [&] {
        QString error;
        const std::optional<codes::Wiring> w = codes::Wiring::parse(list, &error);
        if (!w && error.isEmpty()) finding("a refused wiring without an error");
        if (!w) return;
        if (codes::Wiring::parse(w->text()) != w) finding("a wiring that does not read back");
        for (int p = 0; p < 256; ++p) {
            const auto pattern = static_cast<quint8>(p);
            if (codes::patternOf(codes::codeOf(pattern, *w, codes::Polarity::CommonAnode), *w,
                                 codes::Polarity::CommonAnode) != pattern)
                finding("a code that does not light its pattern");
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
