// Numeric and bit-string helpers: binary and octal texts, texts in any base up to 36,
// exclusive-or of binary texts, random binary texts, powers of two, a sum evaluator and small
// one-line helpers.

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/conversion.h"
#include "platform/number_text.h"
#include "platform/resume_next.h"
#include "platform/string_runtime.h"
#include "platform/variant_rules.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

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
    // Runs of signs fold into one: an odd number of "-" gives "-", any other run "+".
    for (qsizetype before = -1; before != pStr.size();) {
        before = pStr.size();
        pStr.replace(QStringLiteral("+-"), QStringLiteral("-"));
        pStr.replace(QStringLiteral("-+"), QStringLiteral("-"));
        pStr.replace(QStringLiteral("++"), QStringLiteral("+"));
        pStr.replace(QStringLiteral("--"), QStringLiteral("+"));
    }
    double total = 0.0;
    // The first character is never a split point: a leading sign belongs to the first term.
    qint32 i = 2;
    for (;;) {
        const QString c = rt::mid(pStr, i, 1);
        if (c == u"+" || c == u"-") {
            total += rt::Val(Left(pStr, i - 1));
            pStr = Right(pStr, static_cast<qint32>(pStr.size()) - i + 1);
            i = 1;
        }
        if (pStr.isEmpty() || pStr.size() == i || c.isEmpty()) break;
        ++i;
    }
    return total + rt::Val(pStr);
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
    QString text = First1 ? QStringLiteral("1") : QStringLiteral("0");
    for (qint64 i = 1; i <= static_cast<qint64>(pLen) - 1; ++i) {
        const double r = random.next();
        text += std::floor(r + 0.5) == 0.0 ? u'0' : u'1';
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
    pGet = rt::trimSpaces(pGet).toUpper();
    try {
        const qsizetype n = pGet.size();
        qint32 acc = 0;
        for (qsizetype i = 1; i <= n; ++i) {
            const QChar c = pGet[i - 1];
            const double v = (c >= u'A' && c <= u'Z') ? c.unicode() - 55 : rt::Val(QString(c));
            const double power =
                std::pow(static_cast<double>(DecMax36), static_cast<double>(n - i));
            acc = rt::toLong(power * v + acc);
        }
        return acc;
    } catch (const workOutError&) {
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
    rt::ResumeNext rn;
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
