// SPDX-License-Identifier: MIT
#pragma once

// The language's string built-ins as the library relies on them: substrings, searches, trimming
// and repeated characters, with the platform's argument checks and the longest text.

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace kelvarin::rt {

// The longest text the library builds (in characters); longer ones are error 14.
inline constexpr qint64 kLongestText = qint64(1) << 28;

// The n characters of s that begin at 1-based position p, fewer where s ends first, empty when p
// is past the end; error 5 for p below 1 or n below 0.
QString mid(const QString& s, qint64 p, qint64 n);
// 1-based position of the first occurrence of find in s at or after start, 0 if none; 0 for an
// empty s or a start past its end; start itself for an empty find; error 5 for start below 1.
qint32 inStr(qint64 start, const QString& s, const QString& find);
// s without leading and trailing spaces (the space character only); the view's form reads it in
// place.
QString trimSpaces(const QString& s);
QStringView trimSpaces(QStringView s);
// A text of n copies of c; error 5 for a negative n, error 14 beyond the longest text.
QString repeatChar(qint64 n, QChar c);

}  // namespace kelvarin::rt
