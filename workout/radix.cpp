// SPDX-License-Identifier: MIT
// Radix conversion: the two number methods that turn segment states into a byte.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runtime/conversion.h"
#include "runtime/trace.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

QString workOut::XorTwice(const QString& pStr) {
    QString result;
    result.reserve(pStr.size());
    for (const QChar c : pStr) {
        if (c == u'0') {
            result += u'1';
        } else if (c == u'1') {
            result += u'0';
        } else {
            return QStringLiteral("-1");
        }
    }
    return result;
}

qint32 workOut::jzToDec(const QString& pStr, qint32 jz, bool& wrong) {
    wrong = false;
    qint32 acc = 0;
    const qsizetype len = pStr.size();
    try {
        if (jz >= -1 && jz <= 1) {
            // The powers of -1, 0 and 1 are -1, 0 and 1 (0^0 is 1): taken as they come, not from
            // pow, since every digit of the text is read.
            const QChar* c = pStr.constData();
            const qsizetype used = jz == 0 ? std::min<qsizetype>(len, 1) : len;
            if (jz == 1) {
                // The sum only grows: blocks of digits are summed at once, and only the block in
                // which it leaves the 32-bit range is gone through again digit by digit.
                qint64 sum = 0;
                qsizetype i = 0;
                for (; i < len; i += 4096) {
                    const qsizetype end = std::min(len, i + 4096);
                    qint64 block = 0;
                    for (qsizetype k = i; k < end; ++k) {
                        const char16_t ch = c[k].unicode();
                        block += static_cast<char16_t>(ch - u'0') <= 9 ? ch - u'0' : 0;
                    }
                    if (sum + block > INT32_MAX) break;
                    sum += block;
                }
                acc = static_cast<qint32>(sum);
                // Digits are read from the right; the text's order does not change a sum, but
                // the point of overflow does: find it from the right in the rest.
                if (i < len) {
                    sum = 0;
                    for (qsizetype k = len - 1; k >= 0; --k) {
                        const char16_t ch = c[k].unicode();
                        sum += static_cast<char16_t>(ch - u'0') <= 9 ? ch - u'0' : 0;
                        if (sum > INT32_MAX) raiseError(err::Overflow);
                        acc = static_cast<qint32>(sum);
                    }
                }
                return acc;
            }
            qint64 sum = 0, sign = 1;
            const qint64 flip = jz == -1 ? -1 : 1;
            for (qsizetype i = 1; i <= used; ++i, sign *= flip) {
                const char16_t ch = c[len - i].unicode();
                sum += sign * (ch >= u'0' && ch <= u'9' ? ch - u'0' : 0);
                if (sum < INT32_MIN || sum > INT32_MAX) raiseError(err::Overflow);
                acc = static_cast<qint32>(sum);
            }
            return acc;
        }
        if (jz < 10) {
            for (qsizetype i = 1; i <= len; ++i) {
                const QChar c = pStr.at(len - i);
                // The leading number of a one-character text: a digit gives its value, any
                // other character 0.
                const int value = (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
                const double term = std::pow(static_cast<double>(jz), static_cast<double>(i - 1));
                acc = rt::toLong(term * value + acc);
            }
            return acc;
        }
        if (jz == 16) {
            for (qsizetype i = 1; i <= len; ++i) {
                const QChar c = pStr.at(len - i).toUpper();
                int value;
                if (c >= u'0' && c <= u'9') {
                    value = c.unicode() - u'0';
                } else if (c >= u'A' && c <= u'F') {
                    value = c.unicode() - 55;
                } else {
                    wrong = true;
                    return 0;
                }
                const double term = std::pow(16.0, static_cast<double>(i - 1));
                acc = rt::toLong(term * value + acc);
            }
            return acc;
        }
        wrong = true;
        return 0;
    } catch (const workOutError& e) {
        // Overflow: the value of the digits read before the failing one, reported as wrong.
        rt::traceFailure(lcNumbers(), __func__, e.number(), e.what(), pStr);
        wrong = true;
        return acc;
    }
}

}  // namespace kelvarin
