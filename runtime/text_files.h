// SPDX-License-Identifier: MIT
#pragma once

// Text files as the library reads and writes them: UTF-8 when the bytes are valid UTF-8
// throughout (a byte-order mark dropped), otherwise GB18030, the superset of GBK (code page 936)
// that reads every GBK file the same way and can write every character; lines end at CR LF, a
// lone LF or a lone CR. Reading and writing go through runtime/file_access.h.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

#include "runtime/file_access.h"

namespace kelvarin::rt {

enum class TextEncoding { Utf8, Gb18030 };

struct TextFile {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
};

// The text of bytes: UTF-8 when they are valid UTF-8, else GB18030.
TextFile decodeText(const QByteArray& bytes);

// The lines of a file's bytes, each decoded in the file's encoding and kept with its own bytes
// (without its line end, and without the byte-order mark): a line that does not decode cleanly
// can be written back as it was. The lines are views of one text and of the bytes as read, which
// the value holds.
struct TextLines {
    struct Span {
        qsizetype at = 0;
        qsizetype size = 0;
    };
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    QByteArray bytes;  // the file as read
    QString text;      // the lines' characters, one after another
    std::vector<Span> lineSpans;
    std::vector<Span> rawSpans;

    qsizetype size() const { return static_cast<qsizetype>(lineSpans.size()); }
    QStringView line(qsizetype k) const {
        const Span& s = lineSpans[static_cast<size_t>(k)];
        return QStringView(text).mid(s.at, s.size);
    }
    QByteArrayView raw(qsizetype k) const {
        const Span& s = rawSpans[static_cast<size_t>(k)];
        return QByteArrayView(bytes.constData() + s.at, s.size);
    }
};
TextLines decodeLines(const QByteArray& bytes);
// The bytes of a text in the encoding, a UTF-8 byte-order mark first when asked for.
QByteArray encodeText(QStringView text, TextEncoding encoding, bool byteOrderMark);

// Reads a whole file as text (readFile's errors).
TextFile readTextFile(const QString& path);

// The lines of a text: each ends at CR LF, a lone LF or a lone CR; a last line without an end
// counts, so an empty text has none.
QStringList splitLines(QStringView text);

// True when every CR in the text is followed by LF and every LF follows a CR.
bool onlyCrLfLineEnds(QStringView text);
// The same of the bytes of a UTF-8 text, where each CR and LF byte is that character: half the
// memory of the decoded text to look through.
bool onlyCrLfLineEnds(QByteArrayView bytes);

// Calls line(QStringView) for every line of the text, as splitLines divides it.
template <class Line>
void forEachLine(QStringView text, Line&& line) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = text[k];
        if (c != u'\r' && c != u'\n') continue;
        line(text.mid(start, k - start));
        if (c == u'\r' && k + 1 < n && text[k + 1] == u'\n') ++k;
        start = k + 1;
    }
    if (start < n) line(text.mid(start));
}

}  // namespace kelvarin::rt
