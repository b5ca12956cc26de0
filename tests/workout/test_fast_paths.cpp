// SPDX-License-Identifier: MIT
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

#include "outcome.h"
#include "runtime/ansi_code_page.h"
#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "workout/workout.h"

using namespace kelvarin;
using kelvarin::testing::expectOutcome;

// The operations with a fast path for some inputs, against the step-by-step rules they follow,
// on random inputs; and the overflow and length limits of large inputs.
namespace reference {

// The substring rule of a search: the position rounded ties to even; below 1 the comparison
// fails, and a failed comparison counts as found; past the end the substring is empty.
int compareAt(const QString& text, double i, const QString& find) {
    const double p = i >= 0.5 ? rt::roundHalfEven(i) : 0.0;
    if (p < 1.0) return -1;
    if (p > text.size()) return find.isEmpty();
    return QStringView(text).mid(static_cast<qsizetype>(p) - 1).startsWith(find);
}

float leftInStr(float start, const QString& text, const QString& find) {
    for (double i = start; i <= text.size(); i += 1.0) {
        if (compareAt(text, i, find) != 0) return static_cast<float>(i);
    }
    return 0.0f;
}

float rightInStr(float opposite, const QString& text, const QString& find) {
    double first = static_cast<float>(static_cast<double>(text.size()) - opposite + 1.0);
    for (double i = first; i >= 1.0; i -= 1.0) {
        if (compareAt(text, i, find) != 0) return static_cast<float>(i);
    }
    return 0.0f;
}

// Sign folding by replacement until nothing changes, then terms split off one by one.
double plusMinus(QString& s) {
    for (qsizetype before = -1; before != s.size();) {
        before = s.size();
        s.replace(QStringLiteral("+-"), QStringLiteral("-"));
        s.replace(QStringLiteral("-+"), QStringLiteral("-"));
        s.replace(QStringLiteral("++"), QStringLiteral("+"));
        s.replace(QStringLiteral("--"), QStringLiteral("+"));
    }
    double total = 0.0;
    for (qsizetype i = 2;; ++i) {
        const QString c = i <= s.size() ? s.mid(i - 1, 1) : QString();
        if (c == u"+" || c == u"-") {
            total += rt::Val(s.left(i - 1));
            s = s.mid(i - 1);
            i = 1;
        }
        if (s.isEmpty() || s.size() == i || c.isEmpty()) break;
    }
    return total + rt::Val(s);
}

// A base's power from pow, every digit in turn.
qint32 decTrans(QString text, qint32 base) {
    text = text.trimmed().toUpper();
    try {
        qint32 acc = 0;
        for (qsizetype i = 1; i <= text.size(); ++i) {
            const QChar c = text[i - 1];
            const double v = (c >= u'A' && c <= u'Z') ? c.unicode() - 55 : rt::Val(QString(c));
            acc = rt::toLong(std::pow(double(base), double(text.size() - i)) * v + acc);
        }
        return acc;
    } catch (const workOutError&) {
        return -1;
    }
}

}  // namespace reference

class FastPathsTest : public QObject {
    Q_OBJECT
  private slots:
    void searchesAgreeWithTheRule();
    void sumsAgreeWithTheRule();
    void basesAgreeWithTheRule();
    void textHelpersAgreeWithTheRule();
    void limits_data();
    void limits();
};

namespace {

QString randomText(QRandomGenerator& random, const QString& alphabet, int longest) {
    QString t(static_cast<int>(random.bounded(longest + 1)), Qt::Uninitialized);
    for (QChar& c : t)
        c = alphabet[static_cast<int>(random.bounded(alphabet.size()))];
    return t;
}

}  // namespace

void FastPathsTest::searchesAgreeWithTheRule() {
    QRandomGenerator random(1);
    workOut w;
    const float starts[] = {0.0f,  0.5f, 1.0f,  1.5f,  2.0f,   2.49f, 2.5f,  3.51f, -1.0f,
                            -0.4f, 7.0f, 12.5f, 40.0f, -40.0f, 1e9f,  -1e9f, 1e17f, -1e17f};
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, QStringLiteral("ab"), 12);
        const QString find = randomText(random, QStringLiteral("ab"), 3);
        const float start = random.bounded(3) == 0
                                ? starts[random.bounded(int(std::size(starts)))]
                                : float(random.bounded(30) - 10) / (random.bounded(2) ? 1 : 2);
        QCOMPARE(w.LeftInStr(start, text, find), reference::leftInStr(start, text, find));
        // Starts too far out for single precision need the jump back to the end: the rule
        // walks down from there one step at a time, which only works for small ones.
        if (std::fabs(start) < 1e6f)
            QCOMPARE(w.RightInStr(start, text, find), reference::rightInStr(start, text, find));
    }
    // A start far beyond what double precision resolves still lands at the end.
    QCOMPARE(w.RightInStr(-1e17f, QStringLiteral("abc"), QStringLiteral("a")), 1.0f);
    QCOMPARE(w.RightInStr(-1e16f, QStringLiteral("abc"), QStringLiteral("a")), 1.0f);
}

void FastPathsTest::sumsAgreeWithTheRule() {
    QRandomGenerator random(2);
    workOut w;
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, QStringLiteral("12+-.e "), 14);
        QString ours = text, theirs = text;
        double a = 0, b = 0;
        bool failedA = false, failedB = false;
        try {
            a = w.plusMinus(ours);
        } catch (const workOutError&) {
            failedA = true;
        }
        try {
            b = reference::plusMinus(theirs);
        } catch (const workOutError&) {
            failedB = true;
        }
        QCOMPARE(failedA, failedB);
        if (!failedA) QCOMPARE(a, b);
        QCOMPARE(ours, theirs);
    }
}

void FastPathsTest::basesAgreeWithTheRule() {
    QRandomGenerator random(3);
    workOut w;
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomText(random, QStringLiteral("0189azZ -中ß"), 12);
        const qint32 base = static_cast<qint32>(random.bounded(7)) - 3;
        QString ours = text;
        QCOMPARE(w.DecTrans(ours, base), reference::decTrans(text, base));
        bool wrong = false;
        const QString bits = randomText(random, QStringLiteral("0123456789x"), 12);
        const qint32 got = w.jzToDec(bits, base, wrong);
        // The rule of jzToDec for a base below 10: digits from the right times the powers.
        qint32 acc = 0;
        bool overflow = false;
        for (qsizetype i = 1; i <= bits.size() && !overflow; ++i) {
            const QChar c = bits[bits.size() - i];
            const int v = c.isDigit() ? c.digitValue() : 0;
            try {
                acc = rt::toLong(std::pow(double(base), double(i - 1)) * v + acc);
            } catch (const workOutError&) {
                overflow = true;
            }
        }
        QCOMPARE(got, acc);
        QCOMPARE(wrong, overflow);
    }
    // Every digit of a long text in base 1 or -1.
    QString ones(4000000, u'1');
    QCOMPARE(w.DecTrans(ones, 1), 4000000);
    QCOMPARE(w.DecTrans(ones, -1), 0);
    QCOMPARE(w.DecTrans(ones, 0), 1);
    QString mixed = QString(100000, u'z') + QStringLiteral("数码") + QString(100000, u'7');
    QCOMPARE(w.DecTrans(mixed, 1), 35 * 100000 + 7 * 100000);
    bool wrong = false;
    QCOMPARE(w.jzToDec(QString(4000000, u'9'), 1, wrong), 36000000);
    QCOMPARE(wrong, false);
}

void FastPathsTest::textHelpersAgreeWithTheRule() {
    QRandomGenerator random(4);
    workOut w;
    for (int round = 0; round < 5000; ++round) {
        const QString text = randomText(random, QStringLiteral("aAzZ中éß1 "), 16);
        // Case: the characters whose code page 936 code is a Latin letter's.
        QString swapped = text;
        for (QChar& c : swapped) {
            const qint16 code = rt::ansiCode(c);
            if (code >= 65 && code <= 90)
                c = QChar(c.unicode() + 32);
            else if (code >= 97 && code <= 122)
                c = QChar(c.unicode() - 32);
        }
        QCOMPARE(w.LUCase(text, text), swapped);
        qint32 width = 0;
        for (const QChar c : text)
            width += rt::ansiCode(c) < 0 ? 2 : 1;
        QCOMPARE(w.LenChineseEnglish(text), width);
        // Counting overlapping occurrences, one position after the other.
        const QString a = randomText(random, QStringLiteral("a "), 2);
        qint32 count = 0;
        for (qsizetype p = 0; !a.isEmpty() && p < text.size(); ++p)
            count += QStringView(text).mid(p).startsWith(a);
        QCOMPARE(w.CountAinB(a, text), count);
        // Trimming in passes, one character of the set after the other at either end.
        const QString set = randomText(random, QStringLiteral("a 中Z"), 3);
        qsizetype lo = 0, hi = text.size();
        for (bool changed = !set.isEmpty(); changed;) {
            changed = false;
            for (const QChar ch : set) {
                if (lo < hi && text[lo] == ch) ++lo, changed = true;
                if (lo < hi && text[hi - 1] == ch) --hi, changed = true;
            }
        }
        QCOMPARE(w.Del_LRChr(text, set), text.mid(lo, hi - lo));
    }
}

void FastPathsTest::limits_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::newRow("sum beyond doubles") << "plusMinus" << 6;
    QTest::newRow("zero pattern beyond the longest text") << "replaceFormat" << 14;
    QTest::newRow("zero pattern just fits") << "replaceFormatFits" << 0;
}

void FastPathsTest::limits() {
    QFETCH(QString, call);
    QFETCH(int, error);
    workOut w;
    if (call == u"plusMinus") {
        QString text = QStringLiteral("1e308+1e308");
        expectOutcome([&] { return w.plusMinus(text); }, 0.0, error);
        QCOMPARE(text, QStringLiteral("+1e308"));  // the term at which the sum failed
    } else if (call == u"replaceFormat") {
        expectOutcome([&] { return w.replaceFormat(QStringLiteral("~"), 268435457).size(); },
                      qsizetype(0), error);
    } else {
        QCOMPARE(w.replaceFormat(QStringLiteral("~"), 268435456).size(), qsizetype(268435456));
    }
}

QTEST_APPLESS_MAIN(FastPathsTest)
#include "test_fast_paths.moc"
