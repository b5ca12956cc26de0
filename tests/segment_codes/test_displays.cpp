// SPDX-License-Identifier: MIT
// The kinds of digit, their fonts and wirings, the presets, and wirings worked out from tables.
#include <QTest>

#include "segment_codes/driver.h"
#include "segment_codes/font.h"
#include "segment_codes/formats.h"
#include "segment_codes/frames.h"
#include "segment_codes/infer.h"
#include "segment_codes/presets.h"
#include "segment_codes/text_codes.h"

using namespace kelvarin::codes;

Q_DECLARE_METATYPE(kelvarin::codes::DisplayKind)

class DisplaysTest : public QObject {
    Q_OBJECT
  private slots:
    void glyphs_data();
    void glyphs();
    void fontsShowEveryLetterAndDigit_data();
    void fontsShowEveryLetterAndDigit();
    void wirings_data();
    void wirings();
    void presets_data();
    void presets();
    void infer_data();
    void infer();
    void inferMisfits();
    void frames_data();
    void frames();
    void framesAtPositions_data();
    void framesAtPositions();
    void driverRefused_data();
    void driverRefused();
};

// A kind, a text and its common-cathode codes under the kind's default wiring.
void DisplaysTest::glyphs_data() {
    QTest::addColumn<DisplayKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes");
    // Known entries of the backpack's table: A, Z, X, I, 1 and the dp.
    QTest::newRow("14: A Z X I 1") << DisplayKind::Fourteen << "AZXI1"
                                   << "00f7 0c09 2d00 1209 0406";
    QTest::newRow("14: dp on the character before") << DisplayKind::Fourteen << "1.-"
                                                    << "4406 00c0";
    QTest::newRow("16: halves of the bars") << DisplayKind::Sixteen << "A0_"
                                            << "000003cf 000090ff 00000030";
    QTest::newRow("16: dp at bit 16") << DisplayKind::Sixteen << "."
                                      << "00010000";
    QTest::newRow("7: unchanged table glyphs") << DisplayKind::Seven << "0a."
                                               << "3f f7";
}

void DisplaysTest::glyphs() {
    QFETCH(DisplayKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, codes);
    QList<Unshowable> bad;
    const QList<Digit> digits = digitsOf(text, bad, kind);
    QVERIFY(bad.isEmpty());
    const Table table = textTable(text, digits, Wiring(kind), Polarity::CommonCathode);
    QStringList got;
    for (const TableEntry& e : table.lines.first().entries)
        got << QStringLiteral("%1").arg(e.code, table.bits / 4, 16, QLatin1Char('0'));
    QCOMPARE(got.join(u' '), codes);
}

void DisplaysTest::fontsShowEveryLetterAndDigit_data() {
    QTest::addColumn<DisplayKind>("kind");
    QTest::newRow("14") << DisplayKind::Fourteen;
    QTest::newRow("16") << DisplayKind::Sixteen;
}

// Every printable character has a glyph, and the capitals and digits are told apart.
void DisplaysTest::fontsShowEveryLetterAndDigit() {
    QFETCH(DisplayKind, kind);
    QHash<quint32, QChar> seen;
    for (const QChar c : asciiCharacters()) {
        const std::optional<quint32> g = glyphOf(c, kind);
        QVERIFY2(g.has_value(), qPrintable(QString(c)));
        QVERIFY(*g <= allSegments(kind));
        if (!c.isUpper() && !c.isDigit()) continue;
        QVERIFY2(!seen.contains(*g), qPrintable(QString(c) + u'=' + seen.value(*g)));
        seen.insert(*g, c);
    }
    QCOMPARE(standardTable(Wiring(kind), Polarity::CommonAnode).lines.size(), 6);
}

// A kind, a wiring list and the code of the kind's first and last segments, or "!" and a part
// of the error.
void DisplaysTest::wirings_data() {
    QTest::addColumn<DisplayKind>("kind");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("expected");
    QTest::newRow("14 standard") << DisplayKind::Fourteen << "a,b,c,d,e,f,g1,g2,h,j,k,l,m,n,dp"
                                 << "1 4000";
    QTest::newRow("14 reversed") << DisplayKind::Fourteen << "dp,n,m,l,k,j,h,g2,g1,f,e,d,c,b,a"
                                 << "4000 1";
    QTest::newRow("16 standard") << DisplayKind::Sixteen
                                 << "a1,a2,b,c,d1,d2,e,f,g1,g2,h,i,j,k,l,m,dp"
                                 << "1 10000";
    QTest::newRow("7 names on 14") << DisplayKind::Fourteen << "a,b,c,d,e,f,g,dp"
                                   << "!it names 8 bits, not 15";
    QTest::newRow("g on 16") << DisplayKind::Sixteen << "a,a2,b,c,d1,d2,e,f,g1,g2,h,i,j,k,l,m,dp"
                             << "!'a' at place 1 is no segment";
    QTest::newRow("preset of another kind") << DisplayKind::Seven << "ht16k33-14"
                                            << "!for 14-segment digits, not 7-segment";
    QTest::newRow("misspelt preset") << DisplayKind::Seven << "max7291"
                                     << "!no preset or wiring \"max7291\"";
    QTest::newRow("preset") << DisplayKind::Seven << "MAX7219"
                            << "40 80";
}

void DisplaysTest::wirings() {
    QFETCH(DisplayKind, kind);
    QFETCH(QString, list);
    QFETCH(QString, expected);
    QString error;
    const std::optional<Wiring> w = wiringNamed(list, kind, &error);
    if (expected.startsWith(u'!')) {
        QVERIFY(!w);
        QVERIFY2(error.contains(expected.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(w.has_value(), qPrintable(error));
    const int last = segmentCount(kind) - 1;
    QCOMPARE(QStringLiteral("%1 %2")
                 .arg(codeOf(1, *w, Polarity::CommonCathode), 0, 16)
                 .arg(codeOf(1u << last, *w, Polarity::CommonCathode), 0, 16),
             expected);
    // The complement stays within the kind's bits, and every code lights its pattern back.
    QCOMPARE(codeOf(0, *w, Polarity::CommonAnode), allSegments(kind));
    for (int s = 0; s <= last; ++s)
        QCOMPARE(patternOf(codeOf(1u << s, *w, Polarity::CommonAnode), *w, Polarity::CommonAnode),
                 1u << s);
}

// A preset, its text's codes, and the chip position of each digit.
void DisplaysTest::presets_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("places");
    QTest::newRow("max7219") << "max7219"
                             << "0."
                             << "fe"
                             << "0 1 2 3 4 5 6 7";
    QTest::newRow("tm1637") << "tm1637"
                            << "8"
                            << "7f"
                            << "0 1 2 3";
    QTest::newRow("tm1637-6") << "tm1637-6"
                              << "1"
                              << "6"
                              << "2 1 0 5 4 3";
    QTest::newRow("ht16k33") << "ht16k33"
                             << "2"
                             << "5b"
                             << "0 1 3 4";
    QTest::newRow("ht16k33-14") << "ht16k33-14"
                                << "A"
                                << "f7"
                                << "0 1 2 3";
    QTest::newRow("74hc595: common anode") << "74hc595"
                                           << "0"
                                           << "c0"
                                           << "0 1 2 3";
}

void DisplaysTest::presets() {
    QFETCH(QString, preset);
    QFETCH(QString, text);
    QFETCH(QString, codes);
    QFETCH(QString, places);
    const Preset* p = presetNamed(preset);
    QVERIFY(p != nullptr);
    QList<Unshowable> bad;
    const Table t = textTable(text, digitsOf(text, bad, p->kind), p->wiringOf(), p->polarity);
    QStringList got;
    for (const TableEntry& e : t.lines.first().entries)
        got << QString::number(e.code, 16);
    QCOMPARE(got.join(u' '), codes);
    QStringList at;
    for (int k = 0; k < p->digits; ++k)
        at << QString::number(p->placeOfDigit(k));
    QCOMPARE(at.join(u' '), places);
    QVERIFY(presetsOf(p->wiringOf(), p->polarity).split(QStringLiteral(", ")).contains(preset));
    QVERIFY(presetList().contains(QStringLiteral("source: ")));
}

// A table made with a wiring, polarity and glyph variants (a preset's name or a list), and what
// infer says of it: the wiring found, the undetermined bits, the variants said.
void DisplaysTest::infer_data() {
    QTest::addColumn<DisplayKind>("kind");
    QTest::addColumn<QString>("wiring");
    QTest::addColumn<bool>("anode");
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QString>("variants");  // applied to the font's glyphs: "6-a 9-d 7+f"
    QTest::addColumn<QString>("expected");  // the first wiring found; fits; undetermined; said
    QTest::newRow("scrambled, common anode")
        << DisplayKind::Seven << "e,dp,c,d,g,f,a,b" << true << "0123456789"
        << ""
        << "e,dp,c,d,g,f,a,b 1 0 ";
    QTest::newRow("max7219") << DisplayKind::Seven << "max7219" << false << "0123456789"
                             << ""
                             << "g,f,e,d,c,b,a,dp 1 0 ";
    QTest::newRow("tailless 6 and 9, 7 with f")
        << DisplayKind::Seven << "standard" << false << "0123456789"
        << "6-a 9-d 7+f"
        << "a,b,c,d,e,f,g,dp 1 0 6 without its tail (a), 9 without its tail (d), 7 with f";
    QTest::newRow("too few characters: bits undetermined")
        << DisplayKind::Seven << "standard" << false << "01"
        << ""
        << "a,b,c,d,e,f,g,dp 96 ff ";
    QTest::newRow("14-segment") << DisplayKind::Fourteen << "dp,n,m,l,k,j,h,g2,g1,f,e,d,c,b,a"
                                << false << "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ.-"
                                << ""
                                << "dp,n,m,l,k,j,h,g2,g1,f,e,d,c,b,a 1 0 ";
}

void DisplaysTest::infer() {
    QFETCH(DisplayKind, kind);
    QFETCH(QString, wiring);
    QFETCH(bool, anode);
    QFETCH(QString, chars);
    QFETCH(QString, variants);
    QFETCH(QString, expected);
    const Wiring w = *wiringNamed(wiring, kind);
    const Polarity polarity = anode ? Polarity::CommonAnode : Polarity::CommonCathode;
    QList<Unshowable> bad;
    QList<Digit> digits;
    // Each character on its own, so that "." is a digit of its own here.
    for (const QChar c : chars)
        digits << (c == u'.' ? digitsOf(QStringLiteral("."), bad, kind)
                             : digitsOf(QString(c), bad, kind));
    QList<Code> codes;
    for (const Digit& d : digits) {
        quint32 p = d.pattern;
        for (const QString& v : variants.split(u' ', Qt::SkipEmptyParts))
            if (d.character == v[0]) p ^= 1u << segmentNamed(v.mid(2));
        codes << codeOf(p, w, polarity);
    }
    const Inference r = inferWiring(codes, digits, kind);
    QVERIFY(r.exact);
    QCOMPARE(r.polarity, polarity);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(r.wirings.first().text())
                 .arg(r.fitting)
                 .arg(r.undetermined, 0, 16)
                 .arg(r.variants.join(QStringLiteral(", "))),
             expected);
    for (const Wiring& fits : r.wirings)
        for (qsizetype i = 0; i < digits.size(); ++i)
            QCOMPARE(codeOf(digits[i].pattern, fits, polarity) == codes[i] || !variants.isEmpty(),
                     true);
}

// An entry no wiring explains is named, and the closest wiring explains the others.
void DisplaysTest::inferMisfits() {
    QList<Unshowable> bad;
    const QList<Digit> digits = digitsOf(QStringLiteral("0123456789"), bad);
    const Wiring w = *wiringNamed(QStringLiteral("max7219"), DisplayKind::Seven);
    QList<Code> codes;
    for (const Digit& d : digits)
        codes << codeOf(d.pattern, w, Polarity::CommonCathode);
    codes[4] = 0x01;  // a '4' that lights one segment
    const Inference r = inferWiring(codes, digits, DisplayKind::Seven);
    QVERIFY(!r.exact);
    QCOMPARE(r.misfits, QList<int>{4});
    QCOMPARE(r.wirings.first(), w);
}

// Texts, digits, scroll and delays, and the frames' labels and delays ("|" between frames), or
// "!" and a part of the error.
void DisplaysTest::frames_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("digits");
    QTest::addColumn<bool>("scroll");
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a frame a text, at the right")
        << QStringList{"12.5", "HI"} << 4 << false << QList<int>{100} << " 12.5 100|  HI 100";
    QTest::newRow("scrolled, the dp kept on its character")
        << QStringList{"1.2"} << 3 << true << QList<int>{50} << "  1. 50| 1.2 50|1.2  50|2   50";
    QTest::newRow("a delay a frame")
        << QStringList{"1", "2"} << 1 << false << QList<int>{10, 20} << "1 10|2 20";
    QTest::newRow("too long without scroll")
        << QStringList{"12345"} << 4 << false << QList<int>{1} << "!takes 5 digits, more than";
    QTest::newRow("delays that do not match")
        << QStringList{"1", "2", "3"} << 2 << false << QList<int>{1, 2} << "!2 delays for 3 frames";
    QTest::newRow("scroll of two texts")
        << QStringList{"1", "2"} << 2 << true << QList<int>{1} << "!--scroll scrolls one TEXT";
    QTest::newRow("a character no digit shows")
        << QStringList{"1k"} << 2 << false << QList<int>{1} << "!'k' at 2";
    QTest::newRow("too many digits")
        << QStringList{"1"} << 17 << false << QList<int>{1} << "!a display of 17 digits";
}

void DisplaysTest::frames() {
    QFETCH(QStringList, texts);
    QFETCH(int, digits);
    QFETCH(bool, scroll);
    QFETCH(QList<int>, delays);
    QFETCH(QString, expected);
    QString error;
    const std::optional<QList<Frame>> f =
        framesOf(texts, digits, scroll, delays, Wiring(), Polarity::CommonCathode, &error);
    if (expected.startsWith(u'!')) {
        QVERIFY(!f);
        QVERIFY2(error.contains(expected.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(f.has_value(), qPrintable(error));
    QStringList got;
    for (const Frame& frame : *f) {
        QCOMPARE(frame.codes.size(), digits);
        got << QStringLiteral("%1 %2").arg(frame.label).arg(frame.delayMs);
    }
    QCOMPARE(got.join(u'|'), expected);
}

// A module preset, a text on its digits, and the row of codes at the chip's positions.
void DisplaysTest::framesAtPositions_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("row");
    QTest::newRow("6-digit TM1637: 2 1 0 5 4 3") << "tm1637-6"
                                                 << "123456"
                                                 << "4f 5b 6 7d 6d 66";
    QTest::newRow("TM1637 colon: bit 7 of the second digit") << "tm1637"
                                                             << "12:34"
                                                             << "6 db 4f 66";
    QTest::newRow("HT16K33: the colon's own position") << "ht16k33"
                                                       << "12:34"
                                                       << "6 5b 2 4f 66";
    QTest::newRow("HT16K33 without a colon") << "ht16k33"
                                             << "1234"
                                             << "6 5b 0 4f 66";
    QTest::newRow("common anode: the colon's bit cleared") << "74hc595"
                                                           << "8"
                                                           << "ff ff ff 80";
}

void DisplaysTest::framesAtPositions() {
    QFETCH(QString, preset);
    QFETCH(QString, text);
    QFETCH(QString, row);
    const Preset* p = presetNamed(preset);
    DigitLayout layout{p->digitPlaces, p->colonPlace, p->colonBit};
    QString error;
    const std::optional<QList<Frame>> f =
        framesOf({text}, p->digits, false, {100}, p->wiringOf(), p->polarity, &error, layout);
    QVERIFY2(f.has_value(), qPrintable(error));
    QStringList got;
    for (const Code c : f->first().codes)
        got << QString::number(c, 16);
    QCOMPARE(got.join(u' '), row);
}

// A driver's segments, digits, clock and refresh that it refuses, and a part of the error.
void DisplaysTest::driverRefused_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("segments");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<QString>("error");
    QTest::newRow("a pin twice") << "sdcc"
                                 << "P1"
                                 << "P2.0,P1.3"
                                 << ""
                                 << "100Hz"
                                 << "the pin P1.3 is named twice";
    QTest::newRow("no such port") << "sdcc"
                                  << "P4"
                                  << "P2.0"
                                  << ""
                                  << "100Hz"
                                  << "no port P4";
    QTest::newRow("no port on the AVR") << "arduino"
                                        << "P1"
                                        << "2"
                                        << ""
                                        << "100Hz"
                                        << "ATmega328P has no port P1";
    QTest::newRow("no such pin") << "arduino"
                                 << "6,7,8,9,10,11,12,20"
                                 << "2"
                                 << ""
                                 << "100Hz"
                                 << "\"20\" is no pin";
    QTest::newRow("too few segment pins") << "sdcc"
                                          << "P1.0,P1.1"
                                          << "P2.0"
                                          << ""
                                          << "100Hz"
                                          << "names 2 pins for a code of 8 bits";
    QTest::newRow("a refresh too slow") << "sdcc"
                                        << "P1"
                                        << "P2.0"
                                        << "12MHz"
                                        << "2Hz"
                                        << "more than the timer's 65536";
    QTest::newRow("a refresh too fast") << "sdcc"
                                        << "P1"
                                        << "P2.0,P2.1"
                                        << "12MHz"
                                        << "5kHz"
                                        << "too few for the interrupt";
    QTest::newRow("unknown target") << "pic"
                                    << "P1"
                                    << "P2.0"
                                    << ""
                                    << "100Hz"
                                    << "unknown target \"pic\"";
    QTest::newRow("bad clock") << "sdcc"
                               << "P1"
                               << "P2.0"
                               << "fast"
                               << "100Hz"
                               << "bad --clock \"fast\"";
}

void DisplaysTest::driverRefused() {
    QFETCH(QString, target);
    QFETCH(QString, segments);
    QFETCH(QString, digits);
    QFETCH(QString, clock);
    QFETCH(QString, refresh);
    QFETCH(QString, error);
    DriverRequest r;
    r.target = target;
    r.segments = segments;
    r.digits = digits;
    r.clock = clock;
    r.refresh = refresh;
    QString why;
    const std::optional<int> selects = selectPinCount(r, &why);
    if (selects) {
        r.frames =
            *framesOf({QStringLiteral("1")}, *selects, false, {100}, r.wiring, r.polarity, nullptr);
        QVERIFY(!generateDriver(r, &why));
    }
    QVERIFY2(why.contains(error), qPrintable(why));
}

QTEST_GUILESS_MAIN(DisplaysTest)
#include "test_displays.moc"
