// SPDX-License-Identifier: MIT
// Substring functions: left and right parts, searches from either end, cutting at separators,
// delimited stretches, fields and words, counting, trimming chosen characters, Latin case
// changes, display width and zero patterns.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "runtime/ansi_code_page.h"
#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// Fills n characters with ch and returns the end: one block is written character by character,
// the rest copied from it, which keeps long runs (up to the longest text) fast in every build.
char16_t* fillChars(char16_t* out, qint64 n, char16_t ch) {
    constexpr qint64 kBlock = 2048;
    const qint64 block = std::min(n, kBlock);
    std::fill_n(out, block, ch);
    for (qint64 done = block; done < n; done += kBlock)
        std::memcpy(out + done, out, static_cast<size_t>(std::min(n - done, kBlock)) * 2);
    return out + std::max<qint64>(n, 0);
}

// The search positions are counted in double precision, so that they keep moving past 2^24
// characters; the position itself is a whole number, rounded ties to even.
bool matchesAt(const QString& text, double position, const QString& find) {
    // A position that rounds below 1 is an invalid argument, as for any substring.
    const double p = position >= 0.5 ? rt::roundHalfEven(position) : 0.0;
    if (p < 1.0) raiseError(err::InvalidArgument);
    // Past the end the substring is empty.
    if (p > static_cast<double>(text.size())) return find.isEmpty();
    return QStringView(text).mid(static_cast<qsizetype>(p) - 1).startsWith(find);
}

}  // namespace

QString workOut::Left(const QString& pStr, qint32 pLng) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    rn([&] { result = rt::mid(pStr, 1, pLng); });
    return result;
}

QString workOut::Right(const QString& pStr, qint32 pLng) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    rn([&] {
        const qint32 start = rt::add(rt::sub(static_cast<qint32>(pStr.size()), pLng), 1);
        result = rt::mid(pStr, start, pLng);
    });
    return result;
}

float workOut::LeftInStr(float Start, const QString& StartStr, const QString& FindStr) {
    const double length = StartStr.size();
    const double start = Start;
    if (!(start <= length)) return 0.0f;  // past the end, or not a number
    // A whole-number start inside the text: the first occurrence at or after it.
    if (start >= 1.0 && start == std::floor(start)) {
        if (FindStr.isEmpty()) return Start;
        const qsizetype found = StartStr.indexOf(FindStr, static_cast<qsizetype>(start) - 1);
        return found < 0 ? 0.0f : static_cast<float>(found + 1);
    }
    // Any other start: the position is rounded, ties to even, at every step.
    // The positions start, start + 1, ... counted in whole steps, so that each is exact.
    for (qint64 step = 0; start + static_cast<double>(step) <= length; ++step) {
        const double i = start + static_cast<double>(step);
        bool found = true;  // a comparison that fails counts as found
        rt::ResumeNext rn(lcStrings(), __func__);
        rn([&] { found = matchesAt(StartStr, i, FindStr); });
        if (found) return static_cast<float>(i);
    }
    return 0.0f;
}

float workOut::RightInStr(float OppositePStr, const QString& OppStartStr, const QString& FindStr) {
    rt::ResumeNext rn(lcStrings(), __func__);
    double first = 0.0;
    if (!rn([&] {
            first = rt::toSingle(static_cast<double>(OppStartStr.size()) - OppositePStr + 1.0);
        }))
        return 0.0f;
    // Positions that round past the end give the empty text, which no search text but the empty
    // one matches: start at the last position that can match, keeping the fraction. (Worked out
    // from the fraction, so that a start too far out for double precision lands there too.)
    const double last = static_cast<double>(OppStartStr.size()) + 0.5;
    if (!FindStr.isEmpty() && first > last) {
        const double fraction = first - std::floor(first);
        first = fraction + std::floor(last - fraction);
    }
    if (!(first >= 1.0)) return 0.0f;
    // A whole-number position: the last occurrence beginning at or before it.
    if (first == std::floor(first)) {
        if (FindStr.isEmpty()) return static_cast<float>(first);
        const qsizetype from = static_cast<qsizetype>(first) - 1;
        const qsizetype found = QStringView(OppStartStr).lastIndexOf(FindStr, from);
        return found < 0 ? 0.0f : static_cast<float>(found + 1);
    }
    for (qint64 step = 0; first - static_cast<double>(step) >= 1.0; ++step) {
        const double i = first - static_cast<double>(step);
        bool found = true;
        rn([&] { found = matchesAt(OppStartStr, i, FindStr); });
        if (found) return static_cast<float>(i);
    }
    return 0.0f;
}

QString workOut::CutLeftRight(const QString& pStr, const QString& CutChar, QString& A, QString& B) {
    const qint32 p = rt::inStr(1, pStr, CutChar);
    A = Left(pStr, rt::sub(p, 1));
    const qint32 length = static_cast<qint32>(pStr.size());
    B = Right(pStr, rt::add(rt::sub(rt::sub(length, p), static_cast<qint32>(CutChar.size())), 1));
    return QString();
}

QString workOut::GetLRBetween(const QString& pStr, const QString& Ls, const QString& Rs) {
    const qint32 a = rt::inStr(1, pStr, Ls);
    const qint32 b = rt::toLong(RightInStr(1.0f, pStr, Rs));
    // Either delimiter missing. (Tested directly: the product of two positions overflows for
    // texts longer than 46,340 characters.)
    if (a == 0 || b == 0) return QString();
    if (b < a) return QString();
    const qint32 lengthLs = static_cast<qint32>(Ls.size());
    return rt::mid(pStr, rt::add(a, lengthLs), rt::sub(rt::sub(b, a), lengthLs));
}

QString workOut::GetLLBetween(const QString& pStr, const QString& Ls, const QString& Rs) {
    const qint32 a = rt::inStr(1, pStr, Ls);
    const qint32 b = rt::inStr(rt::add(a, 1), pStr, Rs);
    if (a == 0 || b == 0) return QString();
    if (b < a) return QString();
    const qint32 lengthLs = static_cast<qint32>(Ls.size());
    return rt::mid(pStr, rt::add(a, lengthLs), rt::sub(rt::sub(b, a), lengthLs));
}

QString workOut::DelCharsBetween(const QString& pStr, QString& include,
                                 const QString& DelCharsForTwo) {
    if (DelCharsForTwo.size() != 2) return QString();
    rt::ResumeNext rn(lcStrings(), __func__);
    qint32 a = 0, b = 0;
    rn([&] { a = rt::inStr(1, pStr, DelCharsForTwo.left(1)); });
    rn([&] { b = rt::toLong(RightInStr(1.0f, pStr, DelCharsForTwo.mid(1, 1))); });
    if (b < a) return QString();
    rn([&] {
        include = rt::mid(pStr, static_cast<qint64>(a) + 1, static_cast<qint64>(b) - a - 1);
    });
    QString result;
    rn([&] {
        result =
            Left(pStr, rt::sub(a, 1)) + Right(pStr, rt::sub(static_cast<qint32>(pStr.size()), b));
    });
    return result;
}

qint32 workOut::AChr42BGetLeftRight(const QString& Value, QString& vGetLeft, QString& vGetRight) {
    const qint32 p = rt::inStr(1, Value, QStringLiteral("="));
    if (p == 0) return 1;
    // The name is the text before the first "=", without the spaces that lead the whole text.
    QString name = Left(Value, p - 1);
    qsizetype lead = 0;
    while (lead < name.size() && name[lead] == u' ')
        ++lead;
    vGetLeft = name.mid(lead);
    vGetRight = Right(Value, static_cast<qint32>(Value.size()) - p);
    return 0;
}

QString workOut::AddChr42LR(const QString& siNput) {
    QString text = siNput;
    if (!text.startsWith(u'*')) text.prepend(u'*');
    if (!text.endsWith(u'*')) text.append(u'*');
    return text;
}

qint32 workOut::CountAinB(const QString& A, const QString& B) {
    // An empty search text has no occurrences to count.
    if (A.isEmpty() || B.isEmpty()) return 0;
    // One character: its occurrences cannot overlap, a plain count gives them.
    if (A.size() == 1) return static_cast<qint32>(std::min<qsizetype>(B.count(A[0]), INT32_MAX));
    qint32 count = 0;
    for (qsizetype p = B.indexOf(A); p >= 0; p = B.indexOf(A, p + 1)) {
        if (count == std::numeric_limits<qint32>::max()) break;
        ++count;
    }
    return count;
}

bool workOut::iFAinB(const QString& EachAStr, const QString& BStr) {
    if (EachAStr.isEmpty() || BStr.isEmpty()) return false;
    return std::ranges::any_of(EachAStr, [&](QChar c) { return BStr.contains(c); });
}

qint32 workOut::GetSTRinChar(QString& pStr, const QString& Char, QStringList& pGet) {
    // An empty separator splits nothing.
    if (Char.isEmpty()) return 0;
    const QString c = Char.left(1);
    pStr.replace(c + c, QString());
    auto write = [&pGet](qint32 index, const QString& field) {
        if (index < 0 || index >= pGet.size()) raiseError(err::SubscriptOutOfRange);
        pGet[index] = field;
    };
    const qint32 n = CountAinB(c, pStr);
    if (n == 0) write(1, pStr);
    if (n == 1) pStr += c;
    // Each field runs from a separator to the next one at least two on; that next one opens the
    // following field (doubled separators are gone, so none lies in between).
    const QStringView text(pStr);
    const QChar separator = c[0];
    qint32 count = 0;
    for (qsizetype p = text.indexOf(separator); p >= 0;) {
        const qsizetype q = text.indexOf(separator, p + 2);
        if (q < 0) break;
        count = rt::add(count, 1);
        write(count, text.mid(p + 1, q - p - 1).toString());
        p = q;
    }
    return count;
}

QString workOut::SpaceChar(const QString& pStr, qint32 Num) {
    if (Num < 0) raiseError(err::InvalidArgument);
    const qint64 step = static_cast<qint64>(Num) + 1;
    if (static_cast<qint64>(pStr.size()) * step > rt::kLongestText)
        raiseError(err::OutOfStringSpace);
    // Each character followed by Num spaces, the spaces at either end trimmed: the text runs from
    // the first character that is no space to the last, built at its final size.
    qsizetype first = 0, last = pStr.size() - 1;
    while (first <= last && pStr[first] == u' ')
        ++first;
    while (last >= first && pStr[last] == u' ')
        --last;
    if (first > last) return QString();
    QString spread(static_cast<qsizetype>((last - first) * step + 1), Qt::Uninitialized);
    QChar* out = spread.data();
    for (qsizetype k = first; k < last; ++k) {
        *out++ = pStr[k];
        out = reinterpret_cast<QChar*>(fillChars(reinterpret_cast<char16_t*>(out), Num, u' '));
    }
    *out = pStr[last];
    return spread;
}

qint32 workOut::SpaceWords(QString& pStr, QStringList& xArray) {
    // The text without spaces at either end, every run of spaces folded into one, and one space
    // at the end.
    const QString trimmed = Del_LRChr(pStr, QStringLiteral(" "));
    QString text;
    text.reserve(trimmed.size() + 1);
    for (qsizetype k = 0; k < trimmed.size(); ++k) {
        if (trimmed[k] == u' ' && k > 0 && trimmed[k - 1] == u' ') continue;
        text += trimmed[k];
    }
    text += u' ';
    // Each word up to its space goes into the array; the text is left holding what follows.
    qint32 count = 0;
    qsizetype at = 0;
    while (text.size() - at > 1) {
        const qsizetype space = text.indexOf(u' ', at);
        // A word the array has no place for ends the split: the count written is the result.
        if (count + 1 >= xArray.size()) break;
        ++count;
        xArray[count] = text.mid(at, space - at);
        at = space + 1;
    }
    pStr = text.mid(at);
    return count;
}

QString workOut::Del_LRChr(const QString& sStr, const QString& EachChar) {
    // Passes that take a character of EachChar off either end stop only once neither end holds
    // one: the result is the text between the first and the last character not in EachChar.
    if (EachChar.isEmpty()) return sStr;
    std::array<quint64, 1024> in{};  // a bit for every UTF-16 code unit
    for (const QChar ch : EachChar)
        in[ch.unicode() >> 6] |= quint64(1) << (ch.unicode() & 63);
    auto member = [&in](QChar ch) { return (in[ch.unicode() >> 6] >> (ch.unicode() & 63)) & 1; };
    qsizetype lo = 0, hi = sStr.size();
    while (lo < hi && member(sStr[lo]))
        ++lo;
    while (hi > lo && member(sStr[hi - 1]))
        --hi;
    return lo == 0 && hi == sStr.size() ? sStr : sStr.mid(lo, hi - lo);
}

QString workOut::LUCase(const QString& LCaseStr, const QString& UCaseStr) {
    // Latin letters are the characters whose ANSI code lies in 65-90 or 97-122: in code page
    // 936 only the ASCII letters have such codes, so the letters are A-Z and a-z.
    enum class Change { Swap, Lower, Upper };
    const Change change = LCaseStr == UCaseStr  ? Change::Swap
                          : !LCaseStr.isEmpty() ? Change::Lower
                                                : Change::Upper;
    QString text = change == Change::Upper ? UCaseStr : LCaseStr;
    char16_t* c = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    for (qsizetype k = 0; k < n; ++k) {
        const char16_t ch = c[k];
        const bool upper = ch >= u'A' && ch <= u'Z', lower = ch >= u'a' && ch <= u'z';
        if (upper && change != Change::Upper) c[k] = ch + 32;
        if (lower && change != Change::Lower) c[k] = ch - 32;
    }
    return text;
}

qint32 workOut::LenChineseEnglish(const QString& pStr) {
    // Two for a character written with two bytes in code page 936: ASCII never is.
    qint64 width = 0;
    for (const QChar ch : pStr)
        width += ch.unicode() < 0x80 ? 1 : (rt::ansiCode(ch) < 0 ? 2 : 1);
    return static_cast<qint32>(std::min<qint64>(width, INT32_MAX));
}

QString workOut::replaceFormat(const QString& pStr, qint32 lent) {
    // The digits 1 to 9 become 0; a run of zeros goes after a text with "." (lent - 2 of them,
    // 1 when lent is below 1) or before one without (up to lent characters in all).
    const bool point = pStr.contains(u'.');
    const qint64 zeros = point ? (lent < 1 ? 1 : static_cast<qint64>(lent) - 2)
                               : std::max<qint64>(0, static_cast<qint64>(lent) - pStr.size());
    if (zeros < 0) raiseError(err::InvalidArgument);
    // The whole result counts against the longest text, not the run of zeros alone.
    if (zeros + pStr.size() > rt::kLongestText) raiseError(err::OutOfStringSpace);
    QString text(static_cast<qsizetype>(zeros + pStr.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    if (!point) out = fillChars(out, zeros, u'0');
    const char16_t* in = reinterpret_cast<const char16_t*>(pStr.constData());
    for (qsizetype k = 0; k < pStr.size(); ++k) {
        const char16_t ch = in[k];
        out[k] = static_cast<char16_t>(ch - u'1') <= u'9' - u'1' ? u'0' : ch;
    }
    if (point) fillChars(out + pStr.size(), zeros, u'0');
    return text;
}

}  // namespace kelvarin
