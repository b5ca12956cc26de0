// SPDX-License-Identifier: MIT
#include <QTest>

#include <new>
#include <stdexcept>

#include "outcome.h"
#include "runtime/ansi_code_page.h"
#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/variant_rules.h"

using namespace kelvarin;
using kelvarin::testing::expectOutcome;

class RuntimeTest : public QObject {
    Q_OBJECT
  private slots:
    void val_data();
    void val();
    void valOverflow_data();
    void valOverflow();
    void numberText_data();
    void numberText();
    void ansiCode_data();
    void ansiCode();
    void mid_data();
    void mid();
    void compare_data();
    void compare();
    void toLong_data();
    void toLong();
    void resumeNext_data();
    void resumeNext();
};

void RuntimeTest::val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("blanks inside") << " 1 2" << 12.0;
    QTest::newRow("tab and line feed") << "\t3\n4" << 34.0;
    QTest::newRow("carriage return stops") << "3\r4" << 3.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("minus sign") << "-2.5x" << -2.5;
    QTest::newRow("no number") << "x" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "2e2" << 200.0;
    QTest::newRow("D exponent") << "1.5D+2" << 150.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("bare exponent") << "7e" << 7.0;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower") << "&hff" << 255.0;
    QTest::newRow("hex 16-bit") << "&HFFFF" << -1.0;
    QTest::newRow("hex 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex long") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("fullwidth digit") << "\uFF11" << 0.0;
}

void RuntimeTest::val() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(rt::Val(text), value);
}

void RuntimeTest::valOverflow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("beyond double") << "1e400";
    QTest::newRow("beyond 32 bits") << "&H100000000";
}

void RuntimeTest::valOverflow() {
    QFETCH(QString, text);
    expectOutcome([&] { return rt::Val(text); }, 0.0, err::Overflow);
}

void RuntimeTest::numberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2.0f << "2";
    QTest::newRow("fraction") << 2.25f << "2.25";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative") << -3.0f << "-3";
    QTest::newRow("below one") << 0.5f << ".5";
    QTest::newRow("negative below one") << -0.125f << "-.125";
    QTest::newRow("seven digits") << 1234567.0f << "1234567";
    QTest::newRow("eight digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("ten million") << 1e7f << "1E+07";
    QTest::newRow("rounded to seven") << 3.14159265f << "3.141593";
    QTest::newRow("small fixed") << 0.00001f << ".00001";
    QTest::newRow("small exponent") << 0.000001f << "1E-06";
    QTest::newRow("single rounding") << 0.1f << ".1";
}

void RuntimeTest::numberText() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(rt::numberText(value), text);
}

void RuntimeTest::ansiCode_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("code");
    QTest::newRow("ASCII") << "A" << 65;
    QTest::newRow("Chinese") << "中" << int(qint16(0xD6D0));
    QTest::newRow("fullwidth letter") << "Ａ" << int(qint16(0xA3C1));
    QTest::newRow("euro, one byte") << "€" << 128;
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) << 63;
    QTest::newRow("unwritable") << QString(QChar(0x0E01)) << 63;
}

void RuntimeTest::ansiCode() {
    QFETCH(QString, character);
    QFETCH(int, code);
    QCOMPARE(int(rt::ansiCode(character.at(0))), code);
    QCOMPARE(int(rt::ansiCode(character.at(0))), code);  // the kept result is the same
}

void RuntimeTest::mid_data() {
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("result");  // "!" marks error 5
    QTest::newRow("inside") << 2 << 2 << "bc";
    QTest::newRow("runs past end") << 3 << 10 << "c";
    QTest::newRow("past end") << 4 << 1 << "";
    QTest::newRow("zero position") << 0 << 1 << "!";
    QTest::newRow("negative length") << 1 << -1 << "!";
}

void RuntimeTest::mid() {
    QFETCH(int, p);
    QFETCH(int, n);
    QFETCH(QString, result);
    expectOutcome([&] { return rt::mid(QStringLiteral("abc"), p, n); }, result,
                  result == u"!" ? err::InvalidArgument : 0);
}

void RuntimeTest::compare_data() {
    QTest::addColumn<QVariant>("a");
    QTest::addColumn<QVariant>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("numbers") << QVariant(10) << QVariant(9.5) << 1;
    QTest::newRow("texts by code") << QVariant("10") << QVariant("9") << -1;
    QTest::newRow("case matters") << QVariant("a") << QVariant("B") << 1;
    QTest::newRow("number below text") << QVariant(100) << QVariant("1") << -1;
    QTest::newRow("empty as zero") << QVariant() << QVariant(0) << 0;
    QTest::newRow("empty as empty text") << QVariant() << QVariant("a") << -1;
    QTest::newRow("true is -1") << QVariant(true) << QVariant(0) << -1;
}

void RuntimeTest::compare() {
    QFETCH(QVariant, a);
    QFETCH(QVariant, b);
    QFETCH(int, order);
    QCOMPARE(rt::compare(a, b), order);
    QCOMPARE(rt::compare(b, a), -order);
}

void RuntimeTest::toLong_data() {
    QTest::addColumn<double>("input");
    QTest::addColumn<int>("expected");  // INT_MIN marks an overflow
    QTest::newRow("tie down to even") << 2.5 << 2;
    QTest::newRow("tie up to even") << 3.5 << 4;
    QTest::newRow("negative tie") << -2.5 << -2;
    QTest::newRow("below half") << 2.4999 << 2;
    QTest::newRow("largest") << 2147483647.4 << 2147483647;
    QTest::newRow("smallest") << -2147483648.0 << int(-2147483647 - 1);
    QTest::newRow("just above") << 2147483647.5 << int(0x80000000);
    QTest::newRow("NaN") << qQNaN() << int(0x80000000);
}

void RuntimeTest::toLong() {
    QFETCH(double, input);
    QFETCH(int, expected);
    const bool overflow = expected == int(0x80000000) && input != -2147483648.0;
    expectOutcome([&] { return rt::toLong(input); }, qint32(expected),
                  overflow ? err::Overflow : 0);
}

// A failing step is skipped with its error number kept and traced; memory running out is error
// 7 and nothing escapes; the next step runs.
void RuntimeTest::resumeNext_data() {
    QTest::addColumn<int>("thrown");  // 0: nothing, -1: bad_alloc, -2: another exception
    QTest::addColumn<int>("pending");
    QTest::addColumn<QString>("trace");
    QTest::newRow("no failure") << 0 << 0 << "";
    QTest::newRow("a raised error") << err::FileNotFound << 53 << "step: error 53 (File not found)";
    QTest::newRow("memory ran out") << -1 << 7 << "step: error 7 (out of memory)";
    QTest::newRow("another exception") << -2 << 51 << "step: error 51 (unexpected exception)";
}

void RuntimeTest::resumeNext() {
    QFETCH(int, thrown);
    QFETCH(int, pending);
    QFETCH(QString, trace);
    static const QLoggingCategory category("kelvarin.test");
    QLoggingCategory::setFilterRules(QStringLiteral("kelvarin.test.debug=true"));
    if (!trace.isEmpty()) QTest::ignoreMessage(QtDebugMsg, qPrintable(trace));
    rt::ResumeNext rn(category, "step");
    const bool done = rn([thrown] {
        if (thrown == -1) throw std::bad_alloc();
        if (thrown == -2) throw std::logic_error("other");
        if (thrown > 0) throw workOutError(thrown);
    });
    bool next = false;
    rn([&next] { next = true; });
    QCOMPARE(done, pending == 0);
    QCOMPARE(rn.number(), pending);
    QVERIFY(next);
    QLoggingCategory::setFilterRules(QString());
}

QTEST_APPLESS_MAIN(RuntimeTest)
#include "test_runtime.moc"
