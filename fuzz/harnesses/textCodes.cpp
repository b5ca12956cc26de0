// SPDX-License-Identifier: MIT
// The fuzz harness of text to codes: every character is a digit or listed as unshowable, and the
// table of a showable text, in every format and with every option, holds its codes.

#include "fuzz/fuzz_common.h"
#include "segment_codes/formats.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::fuzz {

int run_textCodes(Input& in) {
    const quint8 options = in.byte();
    const QString text = in.rest();
    allowing(kNone, [&] {
        QList<codes::Unshowable> bad;
        const QList<codes::Digit> digits = codes::digitsOf(text, bad);
        if (!bad.isEmpty()) {
            if (codes::describe(bad).isEmpty()) finding("unshowable characters not named");
            return;
        }
        qsizetype dots = 0;
        for (const codes::Digit& d : digits)
            dots += d.dot;
        if (digits.size() + dots < text.size()) finding("a character dropped");
        const codes::Wiring wiring = options & 1 ? codes::Wiring::reversed() : codes::Wiring();
        const codes::Polarity polarity =
            options & 2 ? codes::Polarity::CommonAnode : codes::Polarity::CommonCathode;
        const codes::Table table = codes::textTable(text, digits, wiring, polarity);
        for (const codes::FormatDescription* f : codes::formats()) {
            codes::Output output;
            output.format = f;
            output.upper = options & 4;
            output.comments = options & 8;
            output.crlf = options & 16;
            output.perLine = options >> 5;
            const QString written = codes::render(table, output, polarity);
            // No line of a C comment may end in a line continuation, nor hold a trigraph that
            // makes one.
            if (f->comments == codes::CommentStyle::C &&
                (written.contains(QStringLiteral("\\\n")) ||
                 written.contains(QStringLiteral("?"
                                                 "?/"))))
                finding("a comment that runs on");
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
