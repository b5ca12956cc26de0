// SPDX-License-Identifier: MIT
// The fuzz harness of the table reader: a text gives tables or an error with a line and column;
// every entry found lies within the text and reads back as its code, and written again for its
// own code in its own notation it reads as the same code.

#include "fuzz/fuzz_common.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/table_reader.h"

namespace kelvarin::fuzz {

int run_importTables(Input& in) {
    const quint8 kind = in.byte() % 3;
    const QString text = in.rest();
    allowing(kNone, [&] {
        const auto k = static_cast<codes::DisplayKind>(kind);
        QString error;
        const std::optional<QList<codes::FoundTable>> tables = codes::readTables(text, k, &error);
        if (!tables) {
            if (!error.contains(QStringLiteral("line")) &&
                !error.startsWith(QStringLiteral("no table")))
                finding("an error without its place");
            return;
        }
        for (const codes::FoundTable& t : *tables) {
            if (t.start < 0 || t.end > text.size() || t.start > t.end) finding("a table outside");
            for (const codes::FoundEntry& e : t.entries) {
                if (e.start < t.start || e.start + e.length > t.end) finding("an entry outside");
                if (e.code > codes::allSegments(k)) finding("an entry too wide");
                const QString again = codes::rewriteEntry(text.mid(e.start, e.length), e.code);
                QString why;
                const QString bare = again.endsWith(u'u') || again.endsWith(u'U') ||
                                             again.endsWith(u'l') || again.endsWith(u'L')
                                         ? QString()
                                         : again;
                if (!bare.isEmpty() && codes::readCode(bare, &why, 32) != e.code)
                    finding("an entry written again reads otherwise");
            }
        }
    });
    return 0;
}

}  // namespace kelvarin::fuzz
