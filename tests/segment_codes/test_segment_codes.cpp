// SPDX-License-Identifier: MIT
#include <QTest>

#include "segment_codes/code_reader.h"
#include "segment_codes/font.h"
#include "segment_codes/formats.h"
#include "segment_codes/segments.h"
#include "segment_codes/text_codes.h"

using namespace kelvarin::codes;

class SegmentCodesTest : public QObject {
    Q_OBJECT
  private slots:
    void wiring_data();
    void wiring();
    void readBack_data();
    void readBack();
    void text_data();
    void text();
    void names_data();
    void names();
    void formats_data();
    void formats();
    void fontAgreesWithItsPictures();
};

// A wiring list, the code of segment a and of dp under it, or "!" and a part of the error.
void SegmentCodesTest::wiring_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("expected");  // "a dp" codes in hex, or "!" + part of the error
    QTest::newRow("standard") << "a,b,c,d,e,f,g,dp"
                              << "01 80";
    QTest::newRow("reversed") << "dp,g,f,e,d,c,b,a"
                              << "80 01";
    QTest::newRow("routed board") << "e,dp,c,d,g,f,a,b"
                                  << "40 02";
    QTest::newRow("spaces and capitals") << " A , b,c,d,e,f,g, DP "
                                         << "01 80";
    QTest::newRow("seven names") << "a,b,c,d,e,f,g"
                                 << "!names 7 bits";
    QTest::newRow("nine names") << "a,b,c,d,e,f,g,dp,a"
                                << "!names 9 bits";
    QTest::newRow("unknown name") << "a,b,c,d,e,f,h,dp"
                                  << "!'h' at place 7 is no segment";
    QTest::newRow("repeat") << "a,b,c,d,e,f,a,dp"
                            << "!'a' is named twice, at places 1 and 7";
    QTest::newRow("missing") << "a,b,c,d,e,f,g,x"
                             << "!'dp' is missing";
    QTest::newRow("empty place") << "a,b,,d,e,f,g,dp"
                                 << "!place 3 is empty";
    QTest::newRow("empty") << ""
                           << "!names 1 bits";
}

void SegmentCodesTest::wiring() {
    QFETCH(QString, list);
    QFETCH(QString, expected);
    QString error;
    const std::optional<Wiring> w = Wiring::parse(list, &error);
    if (expected.startsWith(u'!')) {
        QVERIFY(!w);
        QVERIFY2(error.contains(expected.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(w, qPrintable(error));
    QCOMPARE(QStringLiteral("%1 %2")
                 .arg(codeOf(0x01, *w, Polarity::CommonCathode), 2, 16, QLatin1Char('0'))
                 .arg(codeOf(0x80, *w, Polarity::CommonCathode), 2, 16, QLatin1Char('0')),
             expected);
    // The list written back reads as the same wiring, and every code reads back as its pattern.
    QCOMPARE(Wiring::parse(w->text()), w);
    for (int p = 0; p < 256; ++p) {
        for (const Polarity polarity : {Polarity::CommonCathode, Polarity::CommonAnode}) {
            const quint8 code = codeOf(static_cast<quint8>(p), *w, polarity);
            QCOMPARE(patternOf(code, *w, polarity), static_cast<quint8>(p));
            if (polarity == Polarity::CommonAnode)
                QCOMPARE(code, static_cast<quint8>(
                                   ~codeOf(static_cast<quint8>(p), *w, Polarity::CommonCathode)));
        }
    }
}

void SegmentCodesTest::readBack_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");  // -1: an error quoting the text
    for (const char* form : {"0x6d", "0X6D,", "6DH", "06dh", "01101101b", "0b01101101", "B01101101",
                             "109", " 0x6d , ", "1101101B"})
        QTest::newRow(form) << QString::fromLatin1(form) << 109;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("255") << "0xff" << 255;
    QTest::newRow("hex with a b digit") << "0x1b" << 27;
    QTest::newRow("H suffix with a b digit") << "1bh" << 27;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("comma only") << "," << -1;
    QTest::newRow("garbage") << "zz" << -1;
    QTest::newRow("above 255") << "300" << -1;
    QTest::newRow("above 255 in hex") << "0x100" << -1;
    QTest::newRow("prefix alone") << "0x" << -1;
    QTest::newRow("no hex digit") << "0x1g" << -1;
    QTest::newRow("binary digit 2") << "0b012" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("two numbers") << "1 2" << -1;
    QTest::newRow("very long") << QString(100, u'1') << -1;
}

void SegmentCodesTest::readBack() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QString error;
    const std::optional<quint8> code = readCode(text, &error);
    if (value < 0) {
        QVERIFY(!code);
        QVERIFY2(error.contains(u'"' + text + u'"'), qPrintable(error));
    } else {
        QCOMPARE(code, std::optional<quint8>(static_cast<quint8>(value)));
    }
}

// A text, its digits' labels and common-cathode codes, and the characters no digit shows.
void SegmentCodesTest::text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");  // label=code, ...
    QTest::addColumn<QString>("bad");
    QTest::newRow("dp after a character") << "12.5"
                                          << "1=06 2.=db 5=6d"
                                          << "";
    QTest::newRow("dp at the start") << ".5"
                                     << ".=80 5=6d"
                                     << "";
    QTest::newRow("dp after a dp") << "1..2"
                                   << "1.=86 .=80 2=5b"
                                   << "";
    QTest::newRow("capitals of their own") << "HELLO hello"
                                           << "H=76 E=79 L=38 L=38 O=3f  =00 h=74 e=79 l=38 "
                                              "l=38 o=5c"
                                           << "";
    QTest::newRow("capitals folding onto the table") << "ABCDEFPY"
                                                     << "A=77 B=7c C=39 D=5e "
                                                        "E=79 F=71 P=73 Y=6e"
                                                     << "";
    QTest::newRow("the other capitals and the degree") << "JNU21\u00b0"
                                                       << "J=1e N=37 U=3e 2=5b 1=06 \u00b0=63"
                                                       << "";
    QTest::newRow("letters of their own") << "GgIiSsTtZz"
                                          << "G=3d g=6f I=30 i=10 S=6d s=6d T=78 t=78 Z=5b z=5b"
                                          << "";
    QTest::newRow("punctuation") << "-_=[]?"
                                 << "-=40 _=08 ==48 [=39 ]=0f ?=53"
                                 << "";
    QTest::newRow("blank") << "1 2"
                           << "1=06  =00 2=5b"
                           << "";
    QTest::newRow("unshowable") << "k1mW"
                                << ""
                                << "'k' at 1, 'm' at 3, 'W' at 4";
    QTest::newRow("a pair of surrogates is one character") << QStringLiteral("1\U0001F600k") << ""
                                                           << "'\U0001F600' at 2, 'k' at 3";
    QTest::newRow("control character") << "a\tb"
                                       << ""
                                       << "U+0009 at 2";
    QTest::newRow("NUL") << QStringLiteral("a%1b").arg(QChar(0)) << ""
                         << "U+0000 at 2";
}

void SegmentCodesTest::text() {
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QFETCH(QString, bad);
    QList<Unshowable> unshowable;
    const QList<Digit> got = digitsOf(text, unshowable);
    QCOMPARE(describe(unshowable), bad);
    if (!bad.isEmpty()) return;
    QStringList shown;
    for (const Digit& d : got)
        shown << QStringLiteral("%1=%2").arg(d.label()).arg(d.pattern, 2, 16, QLatin1Char('0'));
    QCOMPARE(shown.join(u' '), digits);
}

void SegmentCodesTest::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("valid");
    QTest::newRow("default") << "seg_cc"
                             << "c" << true;
    QTest::newRow("underscore first") << "_digits2"
                                      << "sdcc" << true;
    QTest::newRow("digit first") << "2digits"
                                 << "c" << false;
    QTest::newRow("hyphen") << "seg-cc"
                            << "classic" << false;
    QTest::newRow("C keyword") << "int"
                               << "c" << false;
    QTest::newRow("8051 keyword") << "code"
                                  << "sdcc" << false;
    QTest::newRow("register in A51") << "R0"
                                     << "a51" << false;
    QTest::newRow("register name elsewhere") << "R0"
                                             << "c" << true;
    QTest::newRow("empty") << ""
                           << "c" << false;
    QTest::newRow("non-ASCII") << "段码"
                               << "c" << false;
}

void SegmentCodesTest::names() {
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(bool, valid);
    QString error;
    QCOMPARE(validName(name, *formatNamed(format), &error), valid);
    if (!valid) QVERIFY2(error.contains(u'"' + name + u'"'), qPrintable(error));
}

// One text in every format, entry by entry: the whole text of the small formats.
void SegmentCodesTest::formats_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("expected");
    QTest::newRow("classic") << "classic" << false
                             << "unsigned char code seg_cc[]={  //\"1.Fb\"\n0x86,0x71,0x7c};\n";
    QTest::newRow("c51")
        << "c51" << false
        << "unsigned char code seg_cc[] = {  // \"1.Fb\"\n    0x86, 0x71, 0x7c,\n};\n";
    QTest::newRow("sdcc")
        << "sdcc" << true
        << "__code unsigned char seg_cc[] = {  // \"1.Fb\"\n    0x86, 0x71, 0x7C,\n};\n";
    QTest::newRow("c") << "c" << false
                       << "#include <stdint.h>\n\nconst uint8_t seg_cc[] = {  // \"1.Fb\"\n"
                          "    0x86, 0x71, 0x7c,\n};\n";
    QTest::newRow("arduino") << "arduino" << false
                             << "#include <avr/pgmspace.h>\n#include <stdint.h>\n\n"
                                "const uint8_t seg_cc[] PROGMEM = {  // \"1.Fb\"\n"
                                "    0b10000110, 0b01110001, 0b01111100,\n};\n";
    QTest::newRow("sdas") << "sdas" << false
                          << "; \"1.Fb\"\n\t.area CSEG (CODE)\nseg_cc::\n\t.db 0x86, 0x71, 0x7c\n";
    QTest::newRow("a51") << "a51" << false
                         << "; \"1.Fb\"\n\tCSEG\nseg_cc:\tDB\t086H, 071H, 07CH\n\tEND\n";
    QTest::newRow("hex") << "hex" << false << "86 71 7c\n";
    QTest::newRow("hex, upper") << "hex" << true << "86 71 7C\n";
}

void SegmentCodesTest::formats() {
    QFETCH(QString, format);
    QFETCH(bool, upper);
    QFETCH(QString, expected);
    QList<Unshowable> bad;
    const QString text = QStringLiteral("1.Fb");
    const Table table = textTable(text, digitsOf(text, bad), Wiring(), Polarity::CommonCathode);
    Output output;
    output.format = formatNamed(format);
    output.upper = upper;
    QCOMPARE(render(table, output, Polarity::CommonCathode), expected);
}

// The decode pictures and the font's table agree: a picture drawn from a pattern reads back as
// that pattern, and every character shows as its glyph.
void SegmentCodesTest::fontAgreesWithItsPictures() {
    for (int p = 0; p < 256; ++p) {
        const QStringList rows = picture(static_cast<quint8>(p));
        QCOMPARE(patternOfPicture(qPrintable(rows[0]), qPrintable(rows[1]), qPrintable(rows[2])),
                 static_cast<quint8>(p));
    }
    QCOMPARE(charactersShowing(0x6d), QStringLiteral("5sS"));
    QCOMPARE(charactersShowing(0x6d | kDecimalPoint), QStringLiteral("5sS"));
    QCOMPARE(charactersShowing(0x77), QStringLiteral("aA"));
    QCOMPARE(charactersShowing(0x00), QString());
    for (char c = 32; c < 127; ++c) {
        const std::optional<quint8> g = glyphOf(QChar::fromLatin1(c));
        if (g && c != ' ') QVERIFY2(charactersShowing(*g).contains(QChar::fromLatin1(c)), &c);
    }
}

QTEST_APPLESS_MAIN(SegmentCodesTest)
#include "test_segment_codes.moc"
