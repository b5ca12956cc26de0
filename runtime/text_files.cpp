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

namespace {

// Every CR of the characters followed by an LF, and every LF preceded by a CR.
template <class Char>
bool onlyCrLf(const Char* p, qsizetype n) {
    auto endsWell = [p, n](qsizetype k) {
        if (p[k] == Char('\r')) return k + 1 < n && p[k + 1] == Char('\n');
        if (p[k] == Char('\n')) return k > 0 && p[k - 1] == Char('\r');
        return true;
    };
    qsizetype k = 0;
#ifdef __SSE2__
    // Sixteen characters at a time, without a branch a line: a bit for each CR and for each LF.
    // Every line end is CR LF exactly when the LFs are the CRs moved on by one character (the
    // block's last CR carried into the next block).
    auto bits = [p](qsizetype at, Char of) {
        if constexpr (sizeof(Char) == 1) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
            return static_cast<unsigned>(
                _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(of)))));
        } else {
            const __m128i c = _mm_set1_epi16(static_cast<short>(of));
            const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
            const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at + 8));
            return static_cast<unsigned>(_mm_movemask_epi8(
                _mm_packs_epi16(_mm_cmpeq_epi16(low, c), _mm_cmpeq_epi16(high, c))));
        }
    };
    unsigned carried = 0;  // the previous block ended with a CR
    unsigned wrong = 0;
    for (; k + 16 <= n; k += 16) {
        const unsigned crs = bits(k, Char('\r')), lfs = bits(k, Char('\n'));
        wrong |= (((crs << 1) | carried) & 0xFFFFu) ^ lfs;
        carried = crs >> 15;
    }
    if (wrong != 0) return false;
    // A CR that ended the last block wants an LF next; the rest is looked at one by one.
    if (carried != 0 && (k >= n || p[k] != Char('\n'))) return false;
#endif
    for (; k < n; ++k) {
        if (!endsWell(k)) return false;
    }
    return true;
}

}  // namespace

bool onlyCrLfLineEnds(QStringView text) {
    return onlyCrLf(text.utf16(), text.size());
}

bool onlyCrLfLineEnds(QByteArrayView bytes) {
    return onlyCrLf(bytes.data(), bytes.size());
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

}  // namespace kelvarin::rt
