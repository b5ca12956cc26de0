// SPDX-License-Identifier: MIT
// The fuzz harness of infer: for any codes and characters, a wiring that is said to fit gives
// exactly those codes, and one that does not leaves exactly the entries named unexplained.

#include "segment_codes/infer.h"
#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_infer(Input& in) {
    const auto kind = static_cast<codes::DisplayKind>(in.byte() % 3);
    const QString chars = in.text();
    QList<codes::Code> values;
    while (!in.empty() && values.size() < 256)
        values << in.number<quint32>();
    allowing(kNone, [&] {
        QList<codes::Unshowable> bad;
        const QList<codes::Digit> digits = codes::digitsOf(chars, bad, kind);
        if (!bad.isEmpty() || digits.isEmpty() || values.size() < digits.size()) return;
        const codes::Inference r = codes::inferWiring(values, digits, kind);
        if (r.wirings.isEmpty()) finding("no wiring at all");
        if (r.exact && !r.misfits.isEmpty()) finding("an exact fit with misfits");
        if (!r.exact && r.misfits.isEmpty()) finding("no fit without a misfit");
        if (r.exact && r.variants.isEmpty()) {
            const quint32 mask = codes::allSegments(kind);
            for (const codes::Wiring& w : r.wirings)
                for (qsizetype i = 0; i < digits.size(); ++i)
                    if (codes::codeOf(digits[i].pattern, w, r.polarity) != (values[i] & mask))
                        finding("a wiring said to fit that does not");
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
