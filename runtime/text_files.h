// SPDX-License-Identifier: MIT
#pragma once

// Text files as the library reads and writes them: UTF-8 when the bytes are valid UTF-8 (a
// byte-order mark dropped), otherwise GBK (code page 936); lines end at CR LF, a lone LF or a
// lone CR. Files are replaced atomically. Failures carry the runtime's file error numbers.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvarin::platform {

enum class TextEncoding { Utf8, Gbk };

struct TextFile {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
};

// The text of bytes: UTF-8 when they are valid UTF-8, else GBK.
TextFile decodeText(const QByteArray& bytes);
// The bytes of a text in the encoding, a UTF-8 byte-order mark first when asked for.
QByteArray encodeText(QStringView text, TextEncoding encoding, bool byteOrderMark);

// Reads a whole file. Raises error 53 when it does not exist, 76 when a folder on the way is
// missing or is no folder, 70 when reading is not permitted, 75 for any other failure (a folder
// given as the file included).
QByteArray readFile(const QString& path);
TextFile readTextFile(const QString& path);

// The lines of a text: each ends at CR LF, a lone LF or a lone CR; a last line without an end
// counts, so an empty text has none.
QStringList splitLines(QStringView text);

// True when every CR in the text is followed by LF and every LF follows a CR.
bool onlyCrLfLineEnds(QStringView text);

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

// Replaces the file with the bytes: they go to a temporary file in the same folder, which takes
// the file's place only when every byte is written and flushed to the disk, so a failure leaves
// the old file whole. Raises error 76 when the folder is missing or a folder on the way is no
// folder, 70 when writing there is not permitted, 75 for any other failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Creates the folder and every missing folder on the way. Raises 76 when something on the way
// is no folder, 70 when creating is not permitted, 75 for any other failure.
void createFolders(const QString& path);

}  // namespace kelvarin::platform
