// SPDX-License-Identifier: MIT
// Text files: decoding and encoding, line splitting.

#include "runtime/text_files.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kelvarin::rt {

namespace {

const char* const kGb18030 = "GB18030";

// The text of bytes that are UTF-8 throughout (a sequence cut off at the end is an error too,
// an initial byte-order mark is skipped); false otherwise.
bool decodeUtf8(const QByteArray& bytes, QString& text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    text = utf8.decode(bytes);
    return !utf8.hasError();
}

// Decodes in GB18030, a lead byte cut off at the end kept as U+FFFD: a NUL behind it turns it
// into U+FFFD, and the NUL's own character goes again.
QString decodeGb18030(QStringDecoder& gb, const QByteArray& bytes) {
    QString text = gb.decode(bytes + '\0');
    if (text.endsWith(QChar(u'\0'))) text.chop(1);
    return text;
}

}  // namespace

TextFile decodeText(const QByteArray& bytes) {
    TextFile file;
    if (decodeUtf8(bytes, file.text)) {
        file.byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
        return file;
    }
    file.encoding = TextEncoding::Gb18030;
    QStringDecoder gb(kGb18030, QStringConverter::Flag::Stateless);
    file.text = gb.isValid() ? decodeGb18030(gb, bytes) : QString::fromLatin1(bytes);
    return file;
}

TextLines decodeLines(const QByteArray& bytes) {
    TextLines result;
    result.bytes = bytes;
    const bool utf8 = decodeUtf8(bytes, result.text);
    result.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Gb18030;
    qsizetype start = 0;
    if (utf8 && bytes.startsWith("\xEF\xBB\xBF")) {
        result.byteOrderMark = true;
        start = 3;
    }
    // CR and LF never occur inside a character of either encoding: the bytes split as the text.
    const qsizetype n = bytes.size();
    auto eachLine = [&](auto&& line) {
        const char* b = bytes.constData();
        for (qsizetype k = start; k < n; ++k) {
            const char c = b[k];
            if (c != '\r' && c != '\n') continue;
            line(start, k - start);
            if (c == '\r' && k + 1 < n && b[k + 1] == '\n') ++k;
            start = k + 1;
        }
        if (start < n) line(start, n - start);
    };
    if (utf8) {
        // The text decoded whole, its lines at the same ends as the bytes'.
        const QChar* t = result.text.constData();
        const qsizetype length = result.text.size();
        qsizetype at = 0;
        eachLine([&](qsizetype rawAt, qsizetype rawSize) {
            qsizetype end = at;
            while (end < length && t[end] != u'\r' && t[end] != u'\n')
                ++end;
            result.lineSpans.push_back({at, end - at});
            result.rawSpans.push_back({rawAt, rawSize});
            at = end;
            if (at < length && t[at] == u'\r' && at + 1 < length && t[at + 1] == u'\n') ++at;
            if (at < length) ++at;
        });
        return result;
    }
    // GB18030: each line decoded on its own, so that a byte a line cannot use stays in it.
    result.text.clear();
    QStringDecoder gb(kGb18030, QStringConverter::Flag::Stateless);
    eachLine([&](qsizetype rawAt, qsizetype rawSize) {
        const QByteArray raw = bytes.mid(rawAt, rawSize);
        const QString line = gb.isValid() ? decodeGb18030(gb, raw) : QString::fromLatin1(raw);
        result.lineSpans.push_back({result.text.size(), line.size()});
        result.rawSpans.push_back({rawAt, rawSize});
        result.text += line;
    });
    return result;
}

QByteArray encodeText(QStringView text, TextEncoding encoding, bool byteOrderMark) {
    if (encoding == TextEncoding::Gb18030) {
        QStringEncoder gb(kGb18030);
        if (gb.isValid()) return gb.encode(text);
    }
    QByteArray bytes = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}

TextFile readTextFile(const QString& path) {
    return decodeText(readFile(path));
}

bool onlyCrLfLineEnds(QStringView text) {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    auto endsWell = [p, n](qsizetype k) {
        if (p[k] == u'\r') return k + 1 < n && p[k + 1] == u'\n';
        if (p[k] == u'\n') return k > 0 && p[k - 1] == u'\r';
        return true;
    };
    qsizetype k = 0;
#ifdef __SSE2__
    // Sixteen characters at a time: a bit for each CR or LF, and only those are looked at.
    const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n');
    auto ends = [&](qsizetype at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
        return _mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf));
    };
    for (; k + 16 <= n; k += 16) {
        unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(ends(k), ends(k + 8))));
        for (; mask != 0; mask &= mask - 1) {
            if (!endsWell(k + __builtin_ctz(mask))) return false;
        }
    }
#endif
    for (; k < n; ++k) {
        if (!endsWell(k)) return false;
    }
    return true;
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

}  // namespace kelvarin::rt
