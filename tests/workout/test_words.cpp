// SPDX-License-Identifier: MIT
#include <QTest>

#include "outcome.h"
#include "workout/workout.h"

using namespace kelvarin;

using kelvarin::testing::expectOutcome;
using kelvarin::testing::expectText;

class WordsTest : public QObject {
    Q_OBJECT
  private slots:
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

void WordsTest::nameValue_data() {
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

void WordsTest::nameValue() {
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

void WordsTest::wildcardsAndCounts() {
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

void WordsTest::fields_data() {
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

void WordsTest::fields() {
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

void WordsTest::fieldsIntoShortArray() {
    workOut w;
    QString text = QStringLiteral("|a|b|c|");
    QStringList fields(3);  // indices 0 to 2
    expectOutcome([&] { return w.GetSTRinChar(text, QStringLiteral("|"), fields); }, 0,
                  err::SubscriptOutOfRange);
    QCOMPARE(fields, (QStringList{QString(), "a", "b"}));
}

void WordsTest::spaces_data() {
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

void WordsTest::spaces() {
    QFETCH(QString, text);
    QFETCH(int, num);
    QFETCH(QString, result);
    workOut w;
    expectText([&] { return w.SpaceChar(text, num); }, result);
}

void WordsTest::words_data() {
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

void WordsTest::words() {
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

void WordsTest::trimChars_data() {
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

void WordsTest::trimChars() {
    QFETCH(QString, text);
    QFETCH(QString, chars);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.Del_LRChr(text, chars), result);
}

void WordsTest::caseAndWidth_data() {
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

void WordsTest::caseAndWidth() {
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.LUCase(lower, upper), result);
    QCOMPARE(w.LenChineseEnglish(QStringLiteral("ab中文")), 6);
    QCOMPARE(w.LenChineseEnglish(QString()), 0);
    QCOMPARE(w.LenChineseEnglish(QStringLiteral("Ａ1€")), 4);
}

void WordsTest::zeroPattern_data() {
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

void WordsTest::zeroPattern() {
    QFETCH(QString, text);
    QFETCH(int, lent);
    QFETCH(QString, result);
    workOut w;
    expectText([&] { return w.replaceFormat(text, lent); }, result);
}

QTEST_APPLESS_MAIN(WordsTest)
#include "test_words.moc"
