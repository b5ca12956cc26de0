// Radix conversion: the two number methods that turn segment states into a byte.

#include <cmath>

#include "platform/conversion.h"
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
    } catch (const workOutError&) {
        // Overflow: the value of the digits read before the failing one, reported as wrong.
        wrong = true;
        return acc;
    }
}

}  // namespace kelvarin
