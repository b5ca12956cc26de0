// SPDX-License-Identifier: MIT
// The examples of the library's reference documentation: each stretch between two "//! [name]"
// markers is shown in the documentation of an operation, exactly as it stands here, and the
// checks after it prove that what its comments say is what the operation does.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "recording_surfaces.h"
#include "service_doubles.h"
#include "system/sqlite_registry.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;
using platform::reg::HKEY_CURRENT_USER;

class ApiExamples : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void theObject();
    void errors();
    void radix();
    void drawing();
    void substrings();
    void fileNames();
    void episodesMoneySort();
    void pointerAndGrids();
    void numbers();

  private:
    // A file in the scratch folder with the given bytes; its path.
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir* m_dir = nullptr;
    QString m_folder;  // the scratch folder, "D:\" to the objects with drives
    QuietServices* m_quiet = nullptr;
};

QString ApiExamples::write(const QString& name, const QByteArray& bytes) {
    QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("no file");
    return path;
}

void ApiExamples::init() {
    m_dir = new QTemporaryDir;
    m_folder = m_dir->path();
    QDir::setCurrent(m_folder);
    m_quiet = new QuietServices;
    m_quiet->drives.add(u'C', QStringLiteral("/"), platform::drive::Fixed, 0x1234ABCD);
    m_quiet->drives.add(u'D', m_folder, platform::drive::Removable, 0x0BADF00D);
}

void ApiExamples::cleanup() {
    delete m_quiet;
    delete m_dir;
}

void ApiExamples::theObject() {
    //! [workOut]
    // A clock of the caller's own, handed to the object as its clock service.
    class NewYearClock : public kelvarin::platform::Clock {
      public:
        QDateTime now() const override { return QDateTime(QDate(2024, 1, 1), QTime(0, 0)); }
    };
    NewYearClock clock;
    kelvarin::platform::Services services;
    services.clock = &clock;
    kelvarin::workOut w(services);
    bool leap = w.iFYunNian(-1);  // true: the clock's year, 2024, is a leap year

    // Without a registry store the registry operations raise error 91.
    kelvarin::workOut plain;
    try {
        plain.REG_CreateNewKey(kelvarin::platform::reg::HKEY_CURRENT_USER, "Software\\Example");
    } catch (const kelvarin::workOutError& e) {
        // e.number() == 91 (kelvarin::err::ObjectNotSet)
    }
    //! [workOut]
    QVERIFY(leap);
    QVERIFY_THROWS_EXCEPTION(workOutError, plain.REG_CreateNewKey(HKEY_CURRENT_USER, "S"));
}

void ApiExamples::errors() {
    workOut w;
    int number = 0;
    //! [workOutError]
    try {
        w.SpaceChar("abc", -1);
    } catch (const kelvarin::workOutError& e) {
        number = e.number();  // 5: kelvarin::err::InvalidArgument
    }
    //! [workOutError]
    QCOMPARE(number, err::InvalidArgument);
}

void ApiExamples::radix() {
    workOut w;
    //! [jzToDec]
    bool wrong = false;
    qint32 code = w.jzToDec("11111000", 2, wrong);  // 248, wrong false
    qint32 byte = w.jzToDec("ff", 16, wrong);       // 255, wrong false
    qint32 none = w.jzToDec("0x1F", 16, wrong);     // 0, wrong true: "x" is no digit
    //! [jzToDec]
    QCOMPARE(code, 248);
    QCOMPARE(byte, 255);
    QCOMPARE(none, 0);
    QVERIFY(wrong);
    //! [XorTwice]
    QString inverted = w.XorTwice("00000111");  // "11111000"
    QString refused = w.XorTwice("10x1");       // "-1"
    //! [XorTwice]
    QCOMPARE(inverted, u"11111000");
    QCOMPARE(refused, u"-1");
}

void ApiExamples::drawing() {
    workOut w;
    RecordingSurface surface(200, 100);
    //! [DrawChange]
    // surface: a DrawSurface of 200 x 100 pixels.
    // Horizontal lines down the whole surface, from black (0x000000) to red (0x0000FF).
    qint32 failed = w.DrawChange(surface, 0x000000, 0x0000FF, -1, 0, 0, 0, 0, 0, 0);
    // failed == 0; 101 lines, y = 0 to 100, the last one red
    //! [DrawChange]
    QCOMPARE(failed, 0);
    QCOMPARE(surface.figures.size(), 101);
    QCOMPARE(surface.figures.last().y1, 100.0f);
    QCOMPARE(surface.figures.last().color, 0x0000FF);

    RecordingText text;
    //! [printShadow]
    // text: a TextSurface; 0 selects the default colours and is written back.
    QVariant halo = 0, colour = 0;
    w.printShadow(text, "Kelvarin", 10, 20, halo, colour);
    // halo == 255 (red), colour == 0xFFFFFF (white): eight red copies around (10, 20), then
    // the text in white
    //! [printShadow]
    QCOMPARE(halo, QVariant(255));
    QCOMPARE(colour, QVariant(0xFFFFFF));
    QCOMPARE(text.positions().size(), 9);
    QCOMPARE(text.positions().last(), u"10,20");
}

void ApiExamples::substrings() {
    workOut w;
    //! [Left]
    QString head = w.Left("segment", 3);  // "seg"
    QString all = w.Left("abc", 5);       // "abc"
    //! [Left]
    QCOMPARE(head, u"seg");
    QCOMPARE(all, u"abc");
    //! [Right]
    QString tail = w.Right("abc", 2);  // "bc"
    QString none = w.Right("abc", 4);  // "": longer than the text
    //! [Right]
    QCOMPARE(tail, u"bc");
    QCOMPARE(none, u"");
    //! [LeftInStr]
    float first = w.LeftInStr(1, "abcabc", "bc");  // 2
    float later = w.LeftInStr(3, "abcabc", "bc");  // 5
    //! [LeftInStr]
    QCOMPARE(first, 2.0f);
    QCOMPARE(later, 5.0f);
    //! [RightInStr]
    float last = w.RightInStr(1, "abcabc", "bc");     // 5
    float earlier = w.RightInStr(3, "abcabc", "bc");  // 2
    //! [RightInStr]
    QCOMPARE(last, 5.0f);
    QCOMPARE(earlier, 2.0f);
    //! [CutLeftRight]
    QString key, value;
    w.CutLeftRight("key:value", ":", key, value);  // key "key", value "value"
    //! [CutLeftRight]
    QCOMPARE(key, u"key");
    QCOMPARE(value, u"value");
    //! [GetLRBetween]
    QString outer = w.GetLRBetween("[a][b]", "[", "]");  // "a][b"
    //! [GetLRBetween]
    QCOMPARE(outer, u"a][b");
    //! [GetLLBetween]
    QString inner = w.GetLLBetween("[a][b]", "[", "]");  // "a"
    //! [GetLLBetween]
    QCOMPARE(inner, u"a");
    //! [DelCharsBetween]
    QString inside;
    QString rest = w.DelCharsBetween("ab(cd)ef", inside, "()");  // "abef", inside "cd"
    //! [DelCharsBetween]
    QCOMPARE(rest, u"abef");
    QCOMPARE(inside, u"cd");
    //! [AChr42BGetLeftRight]
    QString name, setting;
    qint32 split = w.AChr42BGetLeftRight("x=1=2", name, setting);  // 0, "x", "1=2"
    //! [AChr42BGetLeftRight]
    QCOMPARE(split, 0);
    QCOMPARE(name, u"x");
    QCOMPARE(setting, u"1=2");
    //! [AddChr42LR]
    QString pattern = w.AddChr42LR("abc");  // "*abc*"
    QString kept = w.AddChr42LR("*abc");    // "*abc*"
    //! [AddChr42LR]
    QCOMPARE(pattern, u"*abc*");
    QCOMPARE(kept, u"*abc*");
    //! [CountAinB]
    qint32 count = w.CountAinB("aa", "aaaa");  // 3: overlapping ones count
    //! [CountAinB]
    QCOMPARE(count, 3);
    //! [iFAinB]
    bool any = w.iFAinB("xyz", "abz");  // true: "z" occurs
    //! [iFAinB]
    QVERIFY(any);
    //! [GetSTRinChar]
    QString text = "|a|b|c|";
    QStringList fields(4);                         // indexes 0 to 3
    qint32 n = w.GetSTRinChar(text, "|", fields);  // 3: fields[1..3] "a", "b", "c"
    //! [GetSTRinChar]
    QCOMPARE(n, 3);
    QCOMPARE(fields, (QStringList{"", "a", "b", "c"}));
    //! [SpaceChar]
    QString spread = w.SpaceChar("abc", 1);  // "a b c"
    //! [SpaceChar]
    QCOMPARE(spread, u"a b c");
    //! [SpaceWords]
    QString line = "  one   two ";
    QStringList words(5);
    qint32 found = w.SpaceWords(line, words);  // 2: words[1] "one", words[2] "two"
    //! [SpaceWords]
    QCOMPARE(found, 2);
    QCOMPARE(words.mid(1, 2), (QStringList{"one", "two"}));
    //! [Del_LRChr]
    QString trimmed = w.Del_LRChr("--x+-", "+-");  // "x"
    //! [Del_LRChr]
    QCOMPARE(trimmed, u"x");
    //! [LUCase]
    QString swapped = w.LUCase("AbC", "AbC");  // "aBc"
    QString lowered = w.LUCase("AbC", "x");    // "abc"
    QString raised = w.LUCase("", "AbC");      // "ABC"
    //! [LUCase]
    QCOMPARE(swapped, u"aBc");
    QCOMPARE(lowered, u"abc");
    QCOMPARE(raised, u"ABC");
    //! [LenChineseEnglish]
    qint32 width = w.LenChineseEnglish("ab中文");  // 6
    //! [LenChineseEnglish]
    QCOMPARE(width, 6);
    //! [replaceFormat]
    QString zeros = w.replaceFormat("12.5", 5);  // "00.0000"
    //! [replaceFormat]
    QCOMPARE(zeros, u"00.0000");
}

void ApiExamples::fileNames() {
    workOut w;
    //! [MainNameA]
    QString file = w.MainNameA("C:\\music\\song.mp3", false);  // "song.mp3"
    QString type = w.MainNameA("C:\\music\\song.mp3", true);   // "mp3"
    //! [MainNameA]
    QCOMPARE(file, u"song.mp3");
    QCOMPARE(type, u"mp3");
    //! [MainNameB]
    QString base = w.MainNameB("C:\\music\\song.mp3", false);  // "song"
    QString bare = w.MainNameB("C:\\music\\README", false);    // ""
    //! [MainNameB]
    QCOMPARE(base, u"song");
    QCOMPARE(bare, u"");
    //! [MainNameC]
    QString folder = w.MainNameC("C:\\music\\song.mp3", false);  // "C:\music\"
    //! [MainNameC]
    QCOMPARE(folder, u"C:\\music\\");
    //! [GetMainExp]
    QString extension = w.GetMainExp("x.tar.gz", false);  // "gz"
    QString dotted = w.GetMainExp("x.tar.gz", true);      // ".gz"
    //! [GetMainExp]
    QCOMPARE(extension, u"gz");
    QCOMPARE(dotted, u".gz");
    //! [AddPathChr92]
    QString withSeparator = w.AddPathChr92("C:\\dir", false);  // "C:\dir\"
    QString without = w.AddPathChr92("C:\\dir\\", true);       // "C:\dir"
    //! [AddPathChr92]
    QCOMPARE(withSeparator, u"C:\\dir\\");
    QCOMPARE(without, u"C:\\dir");
    //! [GetSubCommandMain]
    QStringList names(10);
    qint32 count = w.GetSubCommandMain("\"my song.mp3\" b.txt", names);
    // count == 2: names[0] "my song.mp3", names[1] "b.txt"
    //! [GetSubCommandMain]
    QCOMPARE(count, 2);
    QCOMPARE(names.mid(0, 2), (QStringList{"my song.mp3", "b.txt"}));
}

void ApiExamples::episodesMoneySort() {
    workOut w;
    //! [pGetCartoonNum]
    QString name = "[Group] Title 123 [720p].mkv";
    QString episodes = w.pGetCartoonNum(name);  // "123;": 720 is the resolution
    //! [pGetCartoonNum]
    QCOMPARE(episodes, u"123;");
    //! [FormatMoney]
    QString amount = w.FormatMoney("1234567.89");  // "1,234,567.89"
    //! [FormatMoney]
    QCOMPARE(amount, u"1,234,567.89");
    //! [RowHotTime]
    QStringList list{"pear", "apple", "fig", "kiwi"};
    w.RowHotTime(list, 0, 2, true);  // "apple", "fig", "pear", then "kiwi" left alone
    //! [RowHotTime]
    QCOMPARE(list, (QStringList{"apple", "fig", "pear", "kiwi"}));
}

void ApiExamples::pointerAndGrids() {
    m_quiet->pointer.at = QPoint(110, 60);  // 15 twips a pixel
    workOut w(m_quiet->services());
    struct Place : PlacedObject {
        double l, t, wd, h;
        Place(double l, double t, double wd, double h) : l(l), t(t), wd(wd), h(h) {}
        double left() const override { return l; }
        double top() const override { return t; }
        double width() const override { return wd; }
        double height() const override { return h; }
    };
    struct Form : FormObject {
        double left() const override { return 1500; }
        double top() const override { return 750; }
        double width() const override { return 6000; }
        double height() const override { return 4500; }
        double clientLeft() const override { return 60; }
        double clientTop() const override { return 300; }
    };
    Place button(0, 0, 600, 300);
    Form form;
    Place onScreen(1500, 750, 600, 300);
    //! [iFMouseInObject]
    // The pointer at pixel (110, 60), 15 twips a pixel: (1650, 900) twips on the screen.
    // form: its frame at (1500, 750) twips, its client area 60 twips across and 300 down
    // inside it; button: at (0, 0) of the client area, 600 x 300 twips.
    bool over = w.iFMouseInObject(button, form);  // false: the pointer is at (90, -150)
    //! [iFMouseInObject]
    QVERIFY(!over);
    //! [iFMouseInObject2]
    // onScreen: at (1500, 750) twips on the screen, 600 x 300 twips.
    bool inside = w.iFMouseInObject2(onScreen);  // true: (1650, 900) is inside
    //! [iFMouseInObject2]
    QVERIFY(inside);
    //! [GetColRowControl]
    qint32 index = w.GetColRowControl(2, 4, 3, 0);  // 6: column 2, row 3 of 4 rows a column
    //! [GetColRowControl]
    QCOMPARE(index, 6);
    //! [GetpColControl]
    qint32 column = w.GetpColControl(6, 4, 0);  // 2
    qint32 row = w.GetpRowControl(6, 4, 0);     // 3
    //! [GetpColControl]
    QCOMPARE(column, 2);
    QCOMPARE(row, 3);
}

void ApiExamples::numbers() {
    m_quiet->random.values = {0.9f, 0.1f, 0.7f};
    workOut w(m_quiet->services());
    //! [plusMinus]
    QString terms = "10-2-3";
    double sum = w.plusMinus(terms);  // 5; terms is left "-3"
    //! [plusMinus]
    QCOMPARE(sum, 5.0);
    QCOMPARE(terms, u"-3");
    //! [Max]
    QVariant larger = w.Max(3, 7.5);  // 7.5
    //! [Max]
    QCOMPARE(larger, QVariant(7.5));
    //! [XorRunTwice]
    QString a = " 1100 ", b = "1010";
    QString xored = w.XorRunTwice(a, b);  // "0110"
    //! [XorRunTwice]
    QCOMPARE(xored, u"0110");
    //! [RandomTwice]
    QString bits = w.RandomTwice(8, true);  // eight binary digits, the first "1"
    //! [RandomTwice]
    QCOMPARE(bits.size(), 8);
    QVERIFY(bits.startsWith(u'1'));
    //! [jzTransTwice]
    QString binary = w.jzTransTwice(10);  // "1010"
    QString octal = w.jzTransEighth(64);  // "100"
    //! [jzTransTwice]
    QCOMPARE(binary, u"1010");
    QCOMPARE(octal, u"100");
    //! [DecTrans]
    QString digits = " zz ";
    qint32 value = w.DecTrans(digits, 36);  // 1295; digits is left "ZZ"
    //! [DecTrans]
    QCOMPARE(value, 1295);
    QCOMPARE(digits, u"ZZ");
    //! [Opposite]
    QString reversed = w.Opposite("abc");  // "cba"
    //! [Opposite]
    QCOMPARE(reversed, u"cba");
    //! [SqrTen]
    float thousand = w.SqrTen(10, 3);  // 1000
    float four = w.SqrTen(2, 2.5f);    // 4: the exponent's fraction is dropped
    //! [SqrTen]
    QCOMPARE(thousand, 1000.0f);
    QCOMPARE(four, 4.0f);
    //! [Swap]
    QVariant first = "a", second = 2;
    w.Swap(first, second);  // first 2, second "a"
    //! [Swap]
    QCOMPARE(first, QVariant(2));
    QCOMPARE(second, QVariant("a"));
    //! [Between]
    bool within = w.Between(7, 5, 10);  // true
    bool edge = w.Between(5, 5, 10);    // false: the bounds are outside
    //! [Between]
    QVERIFY(within);
    QVERIFY(!edge);
    //! [FormatNum]
    QString plain = w.FormatNum(2.25f);  // "2.25"
    QString zero = w.FormatNum(0);       // "00"
    //! [FormatNum]
    QCOMPARE(plain, u"2.25");
    QCOMPARE(zero, u"00");
    //! [IncStr]
    QString joined = w.IncStr("seg_", "cc", "[]");  // "seg_cc[]"
    //! [IncStr]
    QCOMPARE(joined, u"seg_cc[]");
    //! [Get_2N_inA]
    QList<qint32> powers;
    w.Get_2N_inA(13, powers);  // powers 8, 4, 1, then eight zeros
    //! [Get_2N_inA]
    QCOMPARE(powers, (QList<qint32>{8, 4, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    //! [iF_2N_inA]
    bool hasFour = w.iF_2N_inA(4, 13);  // true: 13 is 8 + 4 + 1
    bool hasTwo = w.iF_2N_inA(2, 13);   // false
    //! [iF_2N_inA]
    QVERIFY(hasFour);
    QVERIFY(!hasTwo);
    //! [GetTrueFalse]
    qint32 wrong = 0;
    bool yes = w.GetTrueFalse("TRUE", wrong);  // true, wrong 0
    bool no = w.GetTrueFalse(" true", wrong);  // false, wrong 1: spaces are not dropped
    //! [GetTrueFalse]
    QVERIFY(yes);
    QVERIFY(!no);
    QCOMPARE(wrong, 1);
}

QTEST_GUILESS_MAIN(ApiExamples)
#include "api_examples.moc"
