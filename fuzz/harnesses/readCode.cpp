// SPDX-License-Identifier: MIT
// The fuzz harness of the code reader: any text gives a code or an error that quotes it, and a
// code read back from its own element in every format (as the window reads it) is the same code.

#include "fuzz/fuzz_common.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/declaration.h"

namespace kelvarin::fuzz {

int run_readCode(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] {
        QString error;
        const std::optional<codes::Code> code = codes::readCode(text, &error);
        if (!code && !error.contains(text)) finding("an error that does not quote the text");
        if (code) {
            for (const codes::FormatDescription* f : codes::formats()) {
                codes::DeclarationOptions options;
                options.upper = text.size() % 2 == 0;
                const codes::Declaration d(*f, options, codes::Polarity::CommonCathode);
                if (d.readElement(d.element(*code)) != code)
                    finding("an element that does not read back");
            }
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
