#pragma once

// Semantics that every family of the library shares: conversions that round ties to even
// with a range check, checked 32-bit arithmetic, and statement-by-statement error skipping.

#include <QString>
#include <QtGlobal>

#include <new>
#include <utility>

#include "workout/workout_error.h"

namespace kelvarin::rt {

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
