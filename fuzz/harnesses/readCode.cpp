// SPDX-License-Identifier: MIT
// The fuzz harness of the code reader: any text gives a code or an error that quotes it, and a
// code read back from its own entry in every format is the same code.

#include "fuzz/fuzz_common.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/formats.h"

namespace kelvarin::fuzz {

int run_readCode(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] {
        QString error;
        const std::optional<quint8> code = codes::readCode(text, &error);
        if (!code && !error.contains(text)) finding("an error that does not quote the text");
        if (code) {
            for (const codes::FormatInfo& f : codes::formats()) {
                if (f.format == codes::Format::Hex) continue;  // bare bytes read as decimal
                const QString entry = codes::entryText(*code, f.format, text.size() % 2 == 0);
                if (codes::readCode(entry) != code) finding("an entry that does not read back");
            }
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
