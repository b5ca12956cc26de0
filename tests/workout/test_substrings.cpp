// SPDX-License-Identifier: MIT
#include <QTest>

#include "outcome.h"
#include "workout/workout.h"

using namespace kelvarin;

using kelvarin::testing::expectText;

class SubstringsTest : public QObject {
    Q_OBJECT
  private slots:
    void leftRight_data();
    void leftRight();
    void searches_data();
    void searches();
    void searchesPastSinglePrecision();
    void cutLeftRight_data();
    void cutLeftRight();
    void between_data();
    void between();
    void betweenOnLongTexts();
    void delCharsBetween_data();
    void delCharsBetween();
};

void SubstringsTest::leftRight_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("result");
    QTest::newRow("left more than length") << true << "abc" << 5 << "abc";
    QTest::newRow("left negative") << true << "abc" << -1 << "";
    QTest::newRow("left zero") << true << "abc" << 0 << "";
    QTest::newRow("right two") << false << "abc" << 2 << "bc";
    QTest::newRow("right whole") << false << "abc" << 3 << "abc";
    QTest::newRow("right more than length") << false << "abc" << 4 << "";
    QTest::newRow("right negative") << false << "abc" << -1 << "";
    QTest::newRow("right of lowest") << false << "abc" << int(0x80000000) << "";
    QTest::newRow("right of empty") << false << "" << 0 << "";
}

void SubstringsTest::leftRight() {
    QFETCH(bool, left);
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(left ? w.Left(text, count) : w.Right(text, count), result);
}

void SubstringsTest::searches_data() {
    QTest::addColumn<bool>("fromLeft");
    QTest::addColumn<float>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<float>("position");
    QTest::newRow("left first") << true << 1.0f << "abcabc"
                                << "bc" << 2.0f;
    QTest::newRow("left from three") << true << 3.0f << "abcabc"
                                     << "bc" << 5.0f;
    QTest::newRow("left past end") << true << 7.0f << "abcabc"
                                   << "bc" << 0.0f;
    QTest::newRow("left 2.5 rounds to 2") << true << 2.5f << "abcabc"
                                          << "bc" << 2.5f;
    QTest::newRow("left 3.5 rounds to 4") << true << 3.5f << "abcabc"
                                          << "ca" << 0.0f;
    QTest::newRow("left 1.5 finds at 2") << true << 1.5f << "abcabc"
                                         << "b" << 1.5f;
    QTest::newRow("left empty find") << true << 4.0f << "abcabc"
                                     << "" << 4.0f;
    QTest::newRow("left start below one") << true << 0.25f << "abc"
                                          << "c" << 0.25f;
    QTest::newRow("left start rounding to 0") << true << 0.5f << "abc"
                                              << "c" << 0.5f;
    QTest::newRow("left missing") << true << 1.0f << "abc"
                                  << "x" << 0.0f;
    QTest::newRow("right last") << false << 1.0f << "abcabc"
                                << "bc" << 5.0f;
    QTest::newRow("right from three") << false << 3.0f << "abcabc"
                                      << "bc" << 2.0f;
    QTest::newRow("right too far") << false << 7.0f << "abcabc"
                                   << "a" << 0.0f;
    QTest::newRow("right may run past start") << false << 2.0f << "abcabc"
                                              << "bc" << 5.0f;
    QTest::newRow("right from beyond the end") << false << -3.0f << "abcabc"
                                               << "c" << 6.0f;
    QTest::newRow("right fraction kept") << false << -2.6f << "abcabc"
                                         << "c" << 5.6f;
    QTest::newRow("right empty find") << false << -3.0f << "abc"
                                      << "" << 7.0f;
}

void SubstringsTest::searches() {
    QFETCH(bool, fromLeft);
    QFETCH(float, start);
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(float, position);
    workOut w;
    const float found = fromLeft ? w.LeftInStr(start, text, find) : w.RightInStr(start, text, find);
    QCOMPARE(found, position);
}

void SubstringsTest::searchesPastSinglePrecision() {
    // Past 2^24 characters a single-precision position no longer moves by 1.
    const qsizetype length = (qsizetype(1) << 24) + 8;
    QString text(length, u'a');
    text[length - 1] = u'b';
    text[0] = u'c';
    workOut w;
    QCOMPARE(w.LeftInStr(1.0f, text, QStringLiteral("b")), float(length));
    QCOMPARE(w.RightInStr(1.0f, text, QStringLiteral("c")), 1.0f);
    QCOMPARE(w.LeftInStr(1.0f, text, QStringLiteral("x")), 0.0f);
}

void SubstringsTest::cutLeftRight_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("key value") << "key:value"
                               << ":"
                               << "key"
                               << "value";
    QTest::newRow("no separator") << "keyvalue"
                                  << ":"
                                  << ""
                                  << "keyvalue";
    QTest::newRow("long separator missing") << "keyvalue"
                                            << "::"
                                            << ""
                                            << "eyvalue";
    QTest::newRow("first of several") << "a:b:c"
                                      << ":"
                                      << "a"
                                      << "b:c";
    QTest::newRow("two-character separator") << "a=>b"
                                             << "=>"
                                             << "a"
                                             << "b";
}

void SubstringsTest::cutLeftRight() {
    QFETCH(QString, text);
    QFETCH(QString, cut);
    QFETCH(QString, a);
    QFETCH(QString, b);
    workOut w;
    QString A = "old", B = "old";
    QCOMPARE(w.CutLeftRight(text, cut, A, B), QString());
    QCOMPARE(A, a);
    QCOMPARE(B, b);
}

void SubstringsTest::between_data() {
    QTest::addColumn<bool>("lastClosing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ls");
    QTest::addColumn<QString>("rs");
    QTest::addColumn<QString>("result");
    QTest::newRow("LR") << true << "[a][b]"
                        << "["
                        << "]"
                        << "a][b";
    QTest::newRow("LL") << false << "[a][b]"
                        << "["
                        << "]"
                        << "a";
    QTest::newRow("LR missing opening") << true << "a]"
                                        << "["
                                        << "]"
                                        << "";
    QTest::newRow("LL missing closing") << false << "[a"
                                        << "["
                                        << "]"
                                        << "";
    QTest::newRow("LR closing first") << true << "]a["
                                      << "["
                                      << "]"
                                      << "";
    QTest::newRow("LL closing first") << false << "]a["
                                      << "["
                                      << "]"
                                      << "";
    QTest::newRow("LL long delimiters") << false << "<<x>>y>>"
                                        << "<<"
                                        << ">>"
                                        << "x";
    QTest::newRow("LL closing inside opening") << false << "abc"
                                               << "ab"
                                               << "b"
                                               << "!5";
    QTest::newRow("LR closing inside opening") << true << "abc"
                                               << "abc"
                                               << "c"
                                               << "!5";
}

void SubstringsTest::between() {
    QFETCH(bool, lastClosing);
    QFETCH(QString, text);
    QFETCH(QString, ls);
    QFETCH(QString, rs);
    QFETCH(QString, result);
    workOut w;
    expectText(
        [&] { return lastClosing ? w.GetLRBetween(text, ls, rs) : w.GetLLBetween(text, ls, rs); },
        result);
}

void SubstringsTest::betweenOnLongTexts() {
    // Positions whose product passes 2^31 (texts over 46,340 characters) work as any other.
    const QString text = QString(50000, u'x') + u'[' + QStringLiteral("mid") + u']' + u'z';
    workOut w;
    QCOMPARE(w.GetLRBetween(text, QStringLiteral("["), QStringLiteral("]")), QStringLiteral("mid"));
    QCOMPARE(w.GetLLBetween(text, QStringLiteral("["), QStringLiteral("]")), QStringLiteral("mid"));
}

void SubstringsTest::delCharsBetween_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("include");
    QTest::newRow("both") << "ab(cd)ef"
                          << "()"
                          << "abef"
                          << "cd";
    QTest::newRow("outermost") << "a(b(c)d)e"
                               << "()"
                               << "ae"
                               << "b(c)d";
    QTest::newRow("neither") << "abc"
                             << "()"
                             << "abc"
                             << "kept";
    QTest::newRow("only closing") << "ab)cd"
                                  << "()"
                                  << "cd"
                                  << "ab";
    QTest::newRow("only opening") << "ab(cd"
                                  << "()"
                                  << ""
                                  << "kept";
    QTest::newRow("reversed") << "a)b(c"
                              << "()"
                              << ""
                              << "kept";
    QTest::newRow("one character pair") << "ab(cd)"
                                        << "("
                                        << ""
                                        << "kept";
    QTest::newRow("three character pair") << "ab(cd)"
                                          << "()]"
                                          << ""
                                          << "kept";
    QTest::newRow("same character once") << "ab|cd"
                                         << "||"
                                         << "abcd"
                                         << "kept";
}

void SubstringsTest::delCharsBetween() {
    QFETCH(QString, text);
    QFETCH(QString, pair);
    QFETCH(QString, result);
    QFETCH(QString, include);
    workOut w;
    QString inside = QStringLiteral("kept");
    QCOMPARE(w.DelCharsBetween(text, inside, pair), result);
    QCOMPARE(inside, include);
}

QTEST_APPLESS_MAIN(SubstringsTest)
#include "test_substrings.moc"
