// Substring functions: left and right parts, searches from either end, cutting at separators,
// delimited stretches, fields and words, counting, trimming chosen characters, Latin case
// changes, display width and zero patterns.

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ansi_code_page.h"
#include "platform/conversion.h"
#include "platform/resume_next.h"
#include "platform/string_runtime.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

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
    rt::ResumeNext rn;
    QString result;
    rn([&] { result = rt::mid(pStr, 1, pLng); });
    return result;
}

QString workOut::Right(const QString& pStr, qint32 pLng) {
    rt::ResumeNext rn;
    QString result;
    rn([&] {
        const qint32 start = rt::add(rt::sub(static_cast<qint32>(pStr.size()), pLng), 1);
        result = rt::mid(pStr, start, pLng);
    });
    return result;
}

float workOut::LeftInStr(float Start, const QString& StartStr, const QString& FindStr) {
    const double length = StartStr.size();
    for (double i = Start; i <= length; i += 1.0) {
        bool found = true;  // a comparison that fails counts as found
        rt::ResumeNext rn;
        rn([&] { found = matchesAt(StartStr, i, FindStr); });
        if (found) return static_cast<float>(i);
    }
    return 0.0f;
}

float workOut::RightInStr(float OppositePStr, const QString& OppStartStr, const QString& FindStr) {
    rt::ResumeNext rn;
    double first = 0.0;
    if (!rn([&] {
            first = rt::toSingle(static_cast<double>(OppStartStr.size()) - OppositePStr + 1.0);
        }))
        return 0.0f;
    // Positions that round past the end give the empty text, which no search text but the empty
    // one matches: start at the first position that can match, keeping the fraction.
    const double last = static_cast<double>(OppStartStr.size()) + 0.5;
    if (!FindStr.isEmpty() && first > last) first -= std::ceil(first - last);
    for (double i = first; i >= 1.0; i -= 1.0) {
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
    rt::ResumeNext rn;
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
    qint32 count = 0;
    for (qsizetype p = B.indexOf(A); p >= 0; p = B.indexOf(A, p + 1)) {
        if (count == std::numeric_limits<qint32>::max()) break;
        ++count;
    }
    return count;
}

bool workOut::iFAinB(const QString& EachAStr, const QString& BStr) {
    if (EachAStr.isEmpty() || BStr.isEmpty()) return false;
    for (const QChar c : EachAStr) {
        if (BStr.contains(c)) return true;
    }
    return false;
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
    qint32 start = 1, count = 0;
    qint32 p = 0;
    do {
        p = rt::inStr(start, pStr, c);
        const qint32 q = rt::inStr(rt::add(p, 2), pStr, c);
        if (q == 0) break;
        count = rt::add(count, 1);
        write(count, rt::mid(pStr, static_cast<qint64>(p) + 1, static_cast<qint64>(q) - p - 1));
        start = rt::add(p, 2);
    } while (static_cast<qint64>(p) + 1 < pStr.size());
    return count;
}

QString workOut::SpaceChar(const QString& pStr, qint32 Num) {
    if (Num < 0) raiseError(err::InvalidArgument);
    const qint64 length = static_cast<qint64>(pStr.size()) * (static_cast<qint64>(Num) + 1);
    if (length > rt::kLongestText) raiseError(err::OutOfStringSpace);
    const QString gap = rt::repeatChar(pStr.isEmpty() ? 0 : Num, u' ');
    QString spread;
    spread.reserve(static_cast<qsizetype>(length));
    for (const QChar ch : pStr) {
        spread += ch;
        spread += gap;
    }
    return rt::trimSpaces(spread);
}

qint32 workOut::SpaceWords(QString& pStr, QStringList& xArray) {
    pStr = Del_LRChr(pStr, QStringLiteral(" ")) + u' ';
    while (pStr.contains(QStringLiteral("  ")))
        pStr.replace(QStringLiteral("  "), QStringLiteral(" "));
    qint32 count = 0;
    while (pStr.size() > 1) {
        const qsizetype space = pStr.indexOf(u' ');
        const QString word = pStr.left(space);
        // A word the array has no place for ends the split: the count written is the result.
        if (count + 1 >= xArray.size()) break;
        ++count;
        xArray[count] = word;
        pStr = Right(pStr, static_cast<qint32>(pStr.size() - word.size() - 1));
    }
    return count;
}

QString workOut::Del_LRChr(const QString& sStr, const QString& EachChar) {
    qsizetype lo = 0, hi = sStr.size();
    bool changed = !EachChar.isEmpty();
    while (changed) {
        changed = false;
        for (const QChar ch : EachChar) {
            if (lo < hi && sStr[lo] == ch) {
                ++lo;
                changed = true;
            }
            if (lo < hi && sStr[hi - 1] == ch) {
                --hi;
                changed = true;
            }
        }
    }
    return sStr.mid(lo, hi - lo);
}

QString workOut::LUCase(const QString& LCaseStr, const QString& UCaseStr) {
    // Latin letters are the characters whose ANSI code lies in 65-90 or 97-122: in code page
    // 936 only the ASCII letters have such codes.
    enum class Change { Swap, Lower, Upper };
    const Change change = LCaseStr == UCaseStr  ? Change::Swap
                          : !LCaseStr.isEmpty() ? Change::Lower
                                                : Change::Upper;
    QString text = change == Change::Upper ? UCaseStr : LCaseStr;
    for (QChar& ch : text) {
        const qint16 code = rt::ansiCode(ch);
        const bool upper = code >= 65 && code <= 90, lower = code >= 97 && code <= 122;
        if (upper && change != Change::Upper) ch = QChar(ch.unicode() + 32);
        if (lower && change != Change::Lower) ch = QChar(ch.unicode() - 32);
    }
    return text;
}

qint32 workOut::LenChineseEnglish(const QString& pStr) {
    qint32 width = 0;
    for (const QChar ch : pStr)
        width += rt::ansiCode(ch) < 0 ? 2 : 1;
    return width;
}

QString workOut::replaceFormat(const QString& pStr, qint32 lent) {
    QString text = pStr;
    for (QChar& ch : text) {
        if (ch >= u'1' && ch <= u'9') ch = u'0';
    }
    if (text.contains(u'.'))
        return text + rt::repeatChar(lent < 1 ? 1 : static_cast<qint64>(lent) - 2, u'0');
    return rt::repeatChar(std::max<qint64>(0, static_cast<qint64>(lent) - text.size()), u'0') +
           text;
}

}  // namespace kelvarin
