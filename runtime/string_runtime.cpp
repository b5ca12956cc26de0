// SPDX-License-Identifier: MIT
// The language's string built-ins: substrings, searches, trimming and repeated characters.

#include "runtime/string_runtime.h"

#include <algorithm>

#include "runtime/errors.h"

namespace kelvarin::rt {

QString mid(const QString& s, qint64 p, qint64 n) {
    if (p < 1 || n < 0) raiseError(err::InvalidArgument);
    if (p > s.size()) return QString();
    return s.mid(static_cast<qsizetype>(p - 1),
                 static_cast<qsizetype>(std::min<qint64>(n, s.size())));
}

qint32 inStr(qint64 start, const QString& s, const QString& find) {
    if (start < 1) raiseError(err::InvalidArgument);
    if (s.isEmpty() || start > s.size()) return 0;
    if (find.isEmpty()) return static_cast<qint32>(start);
    return static_cast<qint32>(s.indexOf(find, static_cast<qsizetype>(start - 1)) + 1);
}

QStringView trimSpaces(QStringView s) {
    qsizetype lo = 0, hi = s.size();
    while (lo < hi && s[lo] == u' ')
        ++lo;
    while (hi > lo && s[hi - 1] == u' ')
        --hi;
    return s.mid(lo, hi - lo);
}

QString trimSpaces(const QString& s) {
    const QStringView trimmed = trimSpaces(QStringView(s));
    // A text with nothing to trim is shared, not copied.
    return trimmed.size() == s.size() ? s : trimmed.toString();
}

QString repeatChar(qint64 n, QChar c) {
    if (n < 0) raiseError(err::InvalidArgument);
    if (n > kLongestText) raiseError(err::OutOfStringSpace);
    return QString(static_cast<qsizetype>(n), c);
}

}  // namespace kelvarin::rt
