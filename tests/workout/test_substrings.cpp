// SPDX-License-Identifier: MIT
#include <QTest>

#include "outcome.h"
#include "workout/workout.h"

using namespace kelvarin;

using kelvarin::testing::expectOutcome;
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
    void nameValue_data();
    void nameValue();
    void wildcardsAndCounts();
    void fields_data();
    void fields();
    void fieldsIntoShortArray();
    void spaces_data();
    void spaces();
    void words_data();
    void words();
    void trimChars_data();
    void trimChars();
    void caseAndWidth_data();
    void caseAndWidth();
    void zeroPattern_data();
    void zeroPattern();
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

void SubstringsTest::nameValue_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("first equals") << "x=1=2" << 0 << "x"
                                  << "1=2";
    QTest::newRow("no equals") << "x" << 1 << "L"
                               << "R";
    QTest::newRow("spaces kept") << "key = v " << 0 << "key "
                                 << " v ";
    QTest::newRow("leading spaces dropped") << "  key=v" << 0 << "key"
                                            << "v";
    QTest::newRow("empty value") << "key=" << 0 << "key"
                                 << "";
}

void SubstringsTest::nameValue() {
    QFETCH(QString, value);
    QFETCH(int, result);
    QFETCH(QString, left);
    QFETCH(QString, right);
    workOut w;
    QString L = QStringLiteral("L"), R = QStringLiteral("R");
    QCOMPARE(w.AChr42BGetLeftRight(value, L, R), result);
    QCOMPARE(L, left);
    QCOMPARE(R, right);
}

void SubstringsTest::wildcardsAndCounts() {
    workOut w;
    QCOMPARE(w.AddChr42LR(QStringLiteral("abc")), QStringLiteral("*abc*"));
    QCOMPARE(w.AddChr42LR(QStringLiteral("*abc")), QStringLiteral("*abc*"));
    QCOMPARE(w.AddChr42LR(QStringLiteral("abc*")), QStringLiteral("*abc*"));
    QCOMPARE(w.AddChr42LR(QString()), QStringLiteral("*"));
    QCOMPARE(w.CountAinB(QStringLiteral("aa"), QStringLiteral("aaaa")), 3);
    QCOMPARE(w.CountAinB(QStringLiteral("x"), QString()), 0);
    QCOMPARE(w.CountAinB(QString(), QStringLiteral("abc")), 0);
    QCOMPARE(w.CountAinB(QStringLiteral("ab"), QStringLiteral("xabyab")), 2);
    QVERIFY(w.iFAinB(QStringLiteral("xyz"), QStringLiteral("abz")));
    QVERIFY(!w.iFAinB(QStringLiteral("xyz"), QStringLiteral("abc")));
    QVERIFY(!w.iFAinB(QString(), QStringLiteral("abc")));
    QVERIFY(!w.iFAinB(QStringLiteral("a"), QString()));
}

void SubstringsTest::fields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("array");  // indices 0 to 4 afterwards
    QTest::addColumn<QString>("changed");
    const QString o = QStringLiteral("o");
    QTest::newRow("three fields") << "|a|b|c|"
                                  << "|" << 3 << QStringList{o, "a", "b", "c", o} << "|a|b|c|";
    QTest::newRow("doubled separator joins") << "|a||b|"
                                             << "|" << 1 << QStringList{o, "ab", o, o, o} << "|ab|";
    QTest::newRow("no separator") << "abc"
                                  << "|" << 0 << QStringList{o, "abc", o, o, o} << "abc";
    QTest::newRow("lone separator") << "ab|cd"
                                    << "|" << 1 << QStringList{o, "cd", o, o, o} << "ab|cd|";
    QTest::newRow("lone separator last") << "ab|"
                                         << "|" << 0 << QStringList{o, o, o, o, o} << "ab||";
    QTest::newRow("text before first") << "x|a|b"
                                       << "|" << 1 << QStringList{o, "a", o, o, o} << "x|a|b";
    QTest::newRow("first character only") << ",a,b,"
                                          << ",;" << 2 << QStringList{o, "a", "b", o, o} << ",a,b,";
    QTest::newRow("empty separator") << "|a|"
                                     << "" << 0 << QStringList{o, o, o, o, o} << "|a|";
}

void SubstringsTest::fields() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(int, count);
    QFETCH(QStringList, array);
    QFETCH(QString, changed);
    workOut w;
    QStringList fields(5, QStringLiteral("o"));
    QCOMPARE(w.GetSTRinChar(text, separator, fields), count);
    QCOMPARE(fields, array);
    QCOMPARE(text, changed);
}

void SubstringsTest::fieldsIntoShortArray() {
    workOut w;
    QString text = QStringLiteral("|a|b|c|");
    QStringList fields(3);  // indices 0 to 2
    expectOutcome([&] { return w.GetSTRinChar(text, QStringLiteral("|"), fields); }, 0,
                  err::SubscriptOutOfRange);
    QCOMPARE(fields, (QStringList{QString(), "a", "b"}));
}

void SubstringsTest::spaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("num");
    QTest::addColumn<QString>("result");
    QTest::newRow("one") << "abc" << 1 << "a b c";
    QTest::newRow("two") << "ab" << 2 << "a  b";
    QTest::newRow("zero trims") << " ab " << 0 << "ab";
    QTest::newRow("negative") << "ab" << -1 << "!5";
    QTest::newRow("too long") << "ab" << 0x7FFFFFFF << "!14";
    QTest::newRow("empty spreads to nothing") << "" << 1 << "";
    // Runs longer than the block the spaces are copied from.
    QTest::newRow("long runs") << "a1b" << 5000
                               << "a" + QString(5000, u' ') + "1" + QString(5000, u' ') + "b";
}

void SubstringsTest::spaces() {
    QFETCH(QString, text);
    QFETCH(int, num);
    QFETCH(QString, result);
    workOut w;
    expectText([&] { return w.SpaceChar(text, num); }, result);
}

void SubstringsTest::words_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("words");  // indices 1 on
    QTest::addColumn<QString>("left");
    QTest::newRow("spaced") << "  one   two " << 5 << 2 << QStringList{"one", "two"} << "";
    QTest::newRow("one word") << "word" << 5 << 1 << QStringList{"word"} << "";
    QTest::newRow("empty") << "" << 5 << 0 << QStringList{} << " ";
    QTest::newRow("all spaces") << "   " << 5 << 0 << QStringList{} << " ";
    QTest::newRow("tab is no separator") << "a\tb c" << 5 << 2 << QStringList{"a\tb", "c"} << "";
    QTest::newRow("array too short") << "a b c d" << 3 << 2 << QStringList{"a", "b"} << "c d ";
    QTest::newRow("array with index 0 only") << "a b" << 1 << 0 << QStringList{} << "a b ";
}

void SubstringsTest::words() {
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(int, count);
    QFETCH(QStringList, words);
    QFETCH(QString, left);
    workOut w;
    QStringList array(size);
    QCOMPARE(w.SpaceWords(text, array), count);
    QCOMPARE(array.mid(1, count), words);
    QCOMPARE(text, left);
}

void SubstringsTest::trimChars_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QString>("result");
    QTest::newRow("mixed") << "--x+-"
                           << "+-"
                           << "x";
    QTest::newRow("none to remove") << "abc"
                                    << "+-"
                                    << "abc";
    QTest::newRow("no characters") << " a "
                                   << ""
                                   << " a ";
    QTest::newRow("everything") << "+-+-"
                                << "+-"
                                << "";
    QTest::newRow("inner kept") << " a b "
                                << " "
                                << "a b";
}

void SubstringsTest::trimChars() {
    QFETCH(QString, text);
    QFETCH(QString, chars);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.Del_LRChr(text, chars), result);
}

void SubstringsTest::caseAndWidth_data() {
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("result");
    QTest::newRow("swap") << "AbC"
                          << "AbC"
                          << "aBc";
    QTest::newRow("lower") << "AbC"
                           << "x"
                           << "abc";
    QTest::newRow("upper") << ""
                           << "AbC"
                           << "ABC";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
    QTest::newRow("Chinese passes") << "中Ab文"
                                    << "中Ab文"
                                    << "中aB文";
    QTest::newRow("Latin only") << "ÄÉÑ Ａ"
                                << "y"
                                << "ÄÉÑ Ａ";
}

void SubstringsTest::caseAndWidth() {
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.LUCase(lower, upper), result);
    QCOMPARE(w.LenChineseEnglish(QStringLiteral("ab中文")), 6);
    QCOMPARE(w.LenChineseEnglish(QString()), 0);
    QCOMPARE(w.LenChineseEnglish(QStringLiteral("Ａ1€")), 4);
}

void SubstringsTest::zeroPattern_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lent");
    QTest::addColumn<QString>("result");
    QTest::newRow("decimal") << "12.5" << 5 << "00.0000";
    QTest::newRow("whole widened") << "123" << 5 << "00000";
    QTest::newRow("whole longer") << "123" << 2 << "000";
    QTest::newRow("decimal small lent") << "1.5" << 0 << "0.00";
    QTest::newRow("sign kept") << "-45" << 4 << "0-00";
    QTest::newRow("decimal lent one") << "1.5" << 1 << "!5";
    QTest::newRow("long zero runs") << "7" << 6001 << QString(6001, u'0');
    QTest::newRow("long zeros after the point") << "7.5" << 4098 << "0.0" + QString(4096, u'0');
}

void SubstringsTest::zeroPattern() {
    QFETCH(QString, text);
    QFETCH(int, lent);
    QFETCH(QString, result);
    workOut w;
    expectText([&] { return w.replaceFormat(text, lent); }, result);
}

QTEST_APPLESS_MAIN(SubstringsTest)
#include "test_substrings.moc"
