// SPDX-License-Identifier: MIT
// Numeric and bit-string helpers: binary and octal texts, texts in any base up to 36,
// exclusive-or of binary texts, random binary texts, powers of two, a sum evaluator and small
// one-line helpers.

#include <algorithm>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cmath>
#include <limits>

#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/trace.h"
#include "runtime/variant_rules.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// The sum of the values of a text's characters in base 36 (A to Z 10 to 35, digits their
// value, anything else 0), when no character of the text is a small letter or beyond ASCII:
// then the text is its own upper case. False when one is.
bool sumOfDigitsIfUpper(const QString& text, qint64& sum) {
    const char16_t* c = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    qsizetype k = 0;
    sum = 0;
#ifdef __SSE2__
    // Eight characters at a time; the 16-bit comparisons are signed, so characters from 0x8000
    // on count as below every letter and digit, and as "beyond ASCII" through the sign.
    const __m128i zeroBelow = _mm_set1_epi16(u'0' - 1), nineAbove = _mm_set1_epi16(u'9' + 1);
    const __m128i aBelow = _mm_set1_epi16(u'A' - 1), zAbove = _mm_set1_epi16(u'Z' + 1);
    const __m128i smallBelow = _mm_set1_epi16(u'a' - 1), smallAbove = _mm_set1_epi16(u'z' + 1);
    const __m128i ascii = _mm_set1_epi16(0x7F), zero = _mm_setzero_si128();
    const __m128i digitBase = _mm_set1_epi16(u'0'), letterBase = _mm_set1_epi16(55);
    const __m128i ones = _mm_set1_epi16(1);
    while (k + 8 <= n) {
        __m128i lanes = zero, odd = zero;
        const qsizetype end = std::min(n - (n - k) % 8, k + qsizetype(8) * 4096);
        for (; k < end; k += 8) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + k));
            odd = _mm_or_si128(odd,
                               _mm_or_si128(_mm_cmpgt_epi16(x, ascii), _mm_cmplt_epi16(x, zero)));
            odd = _mm_or_si128(
                odd, _mm_and_si128(_mm_cmpgt_epi16(x, smallBelow), _mm_cmplt_epi16(x, smallAbove)));
            const __m128i digit =
                _mm_and_si128(_mm_cmpgt_epi16(x, zeroBelow), _mm_cmplt_epi16(x, nineAbove));
            const __m128i letter =
                _mm_and_si128(_mm_cmpgt_epi16(x, aBelow), _mm_cmplt_epi16(x, zAbove));
            const __m128i value = _mm_or_si128(_mm_and_si128(digit, _mm_sub_epi16(x, digitBase)),
                                               _mm_and_si128(letter, _mm_sub_epi16(x, letterBase)));
            lanes = _mm_add_epi32(lanes, _mm_madd_epi16(value, ones));
        }
        if (_mm_movemask_epi8(odd) != 0) return false;
        alignas(16) qint32 parts[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(parts), lanes);
        sum += static_cast<qint64>(parts[0]) + parts[1] + parts[2] + parts[3];
    }
#endif
    for (; k < n; ++k) {
        const char16_t ch = c[k];
        if (ch >= 0x80 || static_cast<char16_t>(ch - u'a') <= 25) return false;
        sum += static_cast<char16_t>(ch - u'A') <= 25  ? ch - 55
               : static_cast<char16_t>(ch - u'0') <= 9 ? ch - u'0'
                                                       : 0;
    }
    return true;
}

QString digitsInBase(qint32 pGet, qint32 base) {
    if (pGet < 0) return QStringLiteral("-1");
    QString digits;
    for (qint32 n = pGet; n != 0; n /= base)
        digits += QString::number(n % base);
    std::reverse(digits.begin(), digits.end());
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

}  // namespace

double workOut::plusMinus(QString& pStr) {
    // Runs of signs fold into one: an odd number of "-" gives "-", any other run "+". (What
    // replacing "+-", "-+", "++" and "--" until nothing changes gives, in one pass.)
    QString folded;
    folded.reserve(pStr.size());
    for (qsizetype k = 0; k < pStr.size();) {
        const QChar c = pStr[k];
        if (c != u'+' && c != u'-') {
            folded += c;
            ++k;
            continue;
        }
        bool minus = false;
        for (; k < pStr.size() && (pStr[k] == u'+' || pStr[k] == u'-'); ++k)
            minus = minus != (pStr[k] == u'-');
        folded += minus ? u'-' : u'+';
    }
    pStr = folded;
    // Terms begin at every sign but a leading one; each is read as a number and added. The text
    // is left holding the last term, or the term at which the sum failed.
    double total = 0.0;
    const QStringView text(pStr);
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        const double term = rt::Val(text.mid(start, end - start));
        const double sum = total + term;
        // A sum beyond the double range is an overflow, as one term beyond it is.
        if (std::isinf(sum) && !std::isinf(total)) raiseError(err::Overflow);
        total = sum;
    };
    try {
        for (qsizetype k = 1; k < text.size(); ++k) {
            if (text[k] != u'+' && text[k] != u'-') continue;
            add(k);
            start = k;
        }
        add(text.size());
    } catch (const workOutError&) {
        pStr = pStr.mid(start);
        throw;
    }
    if (start > 0) pStr = pStr.mid(start);
    return total;
}

QVariant workOut::Max(const QVariant& A, const QVariant& B) {
    return rt::compare(A, B) > 0 ? A : B;
}

QString workOut::XorRunTwice(QString& A, QString& B) {
    A = rt::trimSpaces(A);
    B = rt::trimSpaces(B);
    if (A.size() < B.size()) std::swap(A, B);
    const qint32 k = static_cast<qint32>(A.size() - B.size());
    QString result = Left(A, k);
    for (qsizetype j = 0; j < B.size(); ++j) {
        const QChar a = A[k + j], b = B[j];
        const bool binary = (a == u'0' || a == u'1') && (b == u'0' || b == u'1');
        if (!binary) return QStringLiteral("-1");
        result += a == b ? u'0' : u'1';
    }
    return result;
}

QString workOut::RandomTwice(qint32 pLen, bool First1) {
    platform::RandomGenerator& random = platform::require(m_services.random);
    random.seedFromClock();
    if (pLen > rt::kLongestText) raiseError(err::OutOfStringSpace);
    // Built at its final size, one draw for every digit after the first.
    QString text(std::max<qsizetype>(1, pLen), Qt::Uninitialized);
    QChar* digit = text.data();
    *digit = First1 ? u'1' : u'0';
    for (qint64 i = 1; i <= static_cast<qint64>(pLen) - 1; ++i) {
        const double r = random.next();
        *++digit = std::floor(r + 0.5) == 0.0 ? u'0' : u'1';
    }
    return text;
}

QString workOut::jzTransTwice(qint32 pGet) {
    return digitsInBase(pGet, 2);
}

QString workOut::jzTransEighth(qint32 pGet) {
    return digitsInBase(pGet, 8);
}

qint32 workOut::DecTrans(QString& pGet, qint32 DecMax36) {
    pGet = rt::trimSpaces(pGet);
    // Upper case: Qt's case tables are asked only when there is a letter they could change. The
    // digit sum of base 1 comes with the look, and stands when nothing changes.
    qint64 digitSum = 0;
    if (sumOfDigitsIfUpper(pGet, digitSum)) {
        if (DecMax36 == 1) return digitSum > INT32_MAX ? -1 : static_cast<qint32>(digitSum);
    } else {
        pGet = pGet.toUpper();
    }
    // The value of a character: A to Z count 10 to 35; any other character counts as the number
    // it reads as on its own, a digit its value and everything else 0.
    auto valueOf = [](QChar c) -> qint64 {
        if (c >= u'A' && c <= u'Z') return c.unicode() - 55;
        return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
    };
    const qsizetype n = pGet.size();
    if (DecMax36 == 0) return n == 0 ? 0 : static_cast<qint32>(valueOf(pGet[n - 1]));  // 0^0 is 1
    if (DecMax36 == 1) {
        // Every power of 1 is 1: the digits are summed. The sum only grows, so it left the
        // 32-bit range (an overflow, -1) exactly when it ends beyond it.
        // (Only after the upper case changed something: other characters than ASCII count 0.)
        digitSum = 0;
        for (const QChar ch : std::as_const(pGet))
            digitSum += valueOf(ch);
        return digitSum > INT32_MAX ? -1 : static_cast<qint32>(digitSum);
    }
    if (DecMax36 == -1) {
        // The powers alternate between 1 and -1, the first digit's being (-1)^(n - 1).
        qint64 acc = 0;
        qint64 sign = (n - 1) % 2 == 0 ? 1 : -1;
        for (qsizetype i = 0; i < n; ++i, sign = -sign) {
            acc += sign * valueOf(pGet[i]);
            if (acc < INT32_MIN || acc > INT32_MAX) return -1;  // overflow
        }
        return static_cast<qint32>(acc);
    }
    // Any other base overflows within a few digits unless they are zeros; a power beyond the
    // double range fails at once, so a long text ends early here.
    try {
        qint32 acc = 0;
        for (qsizetype i = 1; i <= n; ++i) {
            const double v = static_cast<double>(valueOf(pGet[i - 1]));
            const double power =
                std::pow(static_cast<double>(DecMax36), static_cast<double>(n - i));
            acc = rt::toLong(power * v + acc);
        }
        return acc;
    } catch (const workOutError& e) {
        rt::traceFailure(lcNumbers(), __func__, e.number(), e.what(), pGet);
        return -1;
    }
}

QString workOut::Opposite(const QString& OppStr) {
    QString reversed = OppStr;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

float workOut::SqrTen(float SqrNum, float SqrTo) {
    // SqrNum multiplied into 1 once for each k = 1, 2, ... while k <= SqrTo: a power with the
    // whole part of SqrTo as exponent, computed directly however large that part is.
    if (!(SqrTo >= 1.0f)) return 1.0f;
    const double power =
        std::pow(static_cast<double>(SqrNum), std::floor(static_cast<double>(SqrTo)));
    if (std::isinf(power) ||
        std::fabs(power) > static_cast<double>(std::numeric_limits<float>::max()))
        return 0.0f;
    return static_cast<float>(power);
}

void workOut::Swap(QVariant& FirstSwap, QVariant& SecondSwap) {
    std::swap(FirstSwap, SecondSwap);
}

bool workOut::Between(float BetweenInt, float Min, float Max) {
    return Min < BetweenInt && BetweenInt < Max;
}

QString workOut::FormatNum(float PoSNum) {
    const QString text = rt::numberText(PoSNum);
    return PoSNum >= 1.0f ? text : QStringLiteral("0") + text;
}

QString workOut::IncStr(const QString& FirstStr, const QString& SecOndStr,
                        const QString& ThirdStr) {
    return FirstStr + SecOndStr + ThirdStr;
}

QVariant workOut::Get_2N_inA(qint32 Num, QList<qint32>& Arrays) {
    rt::ResumeNext rn(lcNumbers(), __func__);
    Arrays = QList<qint32>(11, 0);
    qsizetype i = 0;
    int j = 0;
    auto put = [&Arrays](qsizetype index, qint32 value) {
        if (index < 0 || index >= Arrays.size()) raiseError(err::SubscriptOutOfRange);
        Arrays[index] = value;
    };
    // Every pass takes the largest power of two not above Num; Num stays below 2^31, so j does
    // too, and every pass but the last makes Num smaller.
    for (;;) {
        while (std::ldexp(1.0, j) <= Num)
            ++j;
        const double power = std::ldexp(1.0, j - 1);
        rn([&] { put(i, rt::toLong(power)); });
        rn([&] { Num = rt::toLong(Num - power); });
        ++i;
        if (i % 10 == 0) Arrays.resize(Arrays.size() + 10, 0);
        if (Num == 1) {
            rn([&] { put(i, 1); });
            break;
        }
        if (j == 0) break;
        j = 0;
    }
    return QVariant();
}

bool workOut::iF_2N_inA(qint32 v2NNum, qint32 Num) {
    QList<qint32> powers;
    Get_2N_inA(Num, powers);
    return powers.contains(v2NNum);
}

bool workOut::GetTrueFalse(const QString& TF, qint32& wrong) {
    wrong = 0;
    const QString lower = TF.toLower();
    if (lower == u"true") return true;
    if (lower == u"false") return false;
    wrong = 1;
    return false;
}

}  // namespace kelvarin
