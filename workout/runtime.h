#pragma once

// Semantics that every family of the library shares: conversions that round ties to even
// with a range check, checked 32-bit arithmetic, and statement-by-statement error skipping.

#include <QString>
#include <QtGlobal>

#include <new>
#include <utility>

#include "workout/workout_error.h"

namespace kelvarin::rt {

// The longest text the library builds (in characters); longer ones are error 14.
inline constexpr qint64 kLongestText = qint64(1) << 28;

// Rounds to the nearest whole number, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// Double to 32-bit integer, ties to even; error 6 outside the range (or for NaN).
qint32 toLong(double v);
// Double to 16-bit integer, ties to even; error 6 outside the range (or for NaN).
qint16 toInteger(double v);
// Double to single precision; error 6 when a finite value lies beyond the single range.
float toSingle(double v);
// Quotient a / b in double precision; error 11 when b is 0.
double divide(double a, double b);

// Checked 32-bit arithmetic: error 6 on overflow.
qint32 add(qint32 a, qint32 b);
qint32 sub(qint32 a, qint32 b);
qint32 mul(qint32 a, qint32 b);

// The default decimal text of a number: at most seven significant digits for a single and
// fifteen for a double, no trailing zeros, "." as decimal point, "-" for negative values and no
// "0" before the point of a value between -1 and 1 (".5"). A value whose decimal exponent lies
// outside -5 to 6 (single) or -5 to 14 (double) is written in exponent form: '1.234568E+07',
// '1E-06'.
QString numberText(float value);
QString numberText(double value);

// The leading number of a text, read as the platform reads it: spaces, tabs and line feeds
// anywhere are ignored; an optional sign, decimal digits with at most one "." and an optional
// exponent ("E" or "D", either case, optional sign and digits); or '&H' with hexadecimal or '&O'
// with octal digits, read as a 16-bit signed value when they fit in 16 bits and as a 32-bit
// signed value when they fit in 32 ('&HFFFF' is -1, '&H10000' is 65536). Reading stops at the
// first character that does not fit; a text without a number gives 0; a value beyond the double
// range (or more than 32 bits of '&H' or '&O' digits) is error 6. Always in the C locale.
double Val(const QString& text);

// The ANSI code of a character: its code in code page 936 (GBK) read as a signed 16-bit number.
// ASCII gives 0 to 127, a two-byte character a negative number (lead byte * 256 + trail byte),
// and a character the code page cannot write the code of "?" (63).
qint16 ansiCode(QChar c);

// The n characters of s that begin at 1-based position p, fewer where s ends first, empty when p
// is past the end; error 5 for p below 1 or n below 0.
QString mid(const QString& s, qint64 p, qint64 n);
// 1-based position of the first occurrence of find in s at or after start, 0 if none; 0 for an
// empty s or a start past its end; start itself for an empty find; error 5 for start below 1.
qint32 inStr(qint64 start, const QString& s, const QString& find);
// s without leading and trailing spaces (the space character only).
QString trimSpaces(const QString& s);
// A text of n copies of c; error 5 for a negative n, error 14 beyond the longest text.
QString repeatChar(qint64 n, QChar c);

// Composes 0x00BBGGRR from three channels; a channel above 255 is taken as 255, one below 0 as 0.
qint32 rgb(qint32 red, qint32 green, qint32 blue);

// Runs steps with errors skipped: a step that throws is abandoned, the error number is kept
// as pending until cleared, and execution goes on with the next step.
class ResumeNext {
  public:
    template <class Step>
    bool operator()(Step&& step) noexcept {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const workOutError& e) {
            m_number = e.number();
        } catch (const std::bad_alloc&) {
            m_number = err::OutOfMemory;
        } catch (...) {
            m_number = err::InternalError;
        }
        return false;
    }

    bool pending() const { return m_number != 0; }
    int number() const { return m_number; }
    void clear() { m_number = 0; }

  private:
    int m_number = 0;
};

}  // namespace kelvarin::rt
