// SPDX-License-Identifier: MIT
#include <QRegularExpression>
#include <QTest>

#include "segment_window/standard_tables.h"

using namespace kelvarin;

namespace {

// Segment byte of a set of lit segments named by letter ("abc", "." for the decimal point).
unsigned code(const QString& segments) {
    unsigned value = 0;
    for (const QChar c : segments) {
        value |= c == u'.' ? 0x80u : 1u << (c.unicode() - u'a');
    }
    return value;
}

QList<unsigned> entries(const QString& table) {
    QList<unsigned> values;
    static const QRegularExpression entry(QStringLiteral("0x([0-9a-f]{2})[,}]"));
    for (const auto& m : entry.globalMatch(table))
        values << m.captured(1).toUInt(nullptr, 16);
    return values;
}

}  // namespace

class StandardTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void layout_data();
    void layout();
    void anodeIsComplement();
    void entriesMatchTheirCharacters();
};

void StandardTablesTest::layout_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("lines");
    // Each line's entries and comment are adjacent literals, joined on purpose.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    QTest::newRow("common cathode")
        << commonCathodeTable()
        << QStringList{
               "unsigned char code seg_cc[]={  //共阴数码管常用段码",
               "0x3f,0x06,0x5b,0x4f,0x66,0x6d,0x7d,0x07,0x7f,0x6f,0x77,0x7c,0x39,0x5e,0x79,0x71,"
               "        //0-f           [0-15]",
               "0xbf,0x86,0xdb,0xcf,0xe6,0xed,0xfd,0x87,0xff,0xef,0xf7,0xfc,0xb9,0xde,0xf9,0xf1,"
               "0x00,"
               "   //0.-f.,' '     [16-32]",
               "0x74,0x0e,0x38,0x54,0x5c,0x73,0x67,0x50,0x3e,0x1c,0x76,0x6e,"
               "                            //h j l n o p q r u v x y  [33-44]",
               "0xf4,0x8e,0xb8,0xd4,0xdc,0xf3,0xe7,0xd0,0xbe,0x9c,0xf6,0xee};"
               "                            //h.j.l.n.o.p.q.r.u.v.x.y. [45-56]"};
    QTest::newRow("common anode")
        << commonAnodeTable()
        << QStringList{
               "unsigned char code seg_ca[]={  //共阳数码管常用段码",
               "0xc0,0xf9,0xa4,0xb0,0x99,0x92,0x82,0xf8,0x80,0x90,0x88,0x83,0xc6,0xa1,0x86,0x8e,"
               "        //0-f           [0-15]",
               "0x40,0x79,0x24,0x30,0x19,0x12,0x02,0x78,0x00,0x10,0x08,0x03,0x46,0x21,0x06,0x0e,"
               "0xff,"
               "   //0.-f.,' '     [16-32]",
               "0x8b,0xf1,0xc7,0xab,0xa3,0x8c,0x98,0xaf,0xc1,0xe3,0x89,0x91,"
               "                            //h j l n o p q r u v x y  [33-44]",
               "0x0b,0x71,0x47,0x2b,0x23,0x0c,0x18,0x2f,0x41,0x63,0x09,0x11};"
               "                            //h.j.l.n.o.p.q.r.u.v.x.y. [45-56]"};
    // NOLINTEND(bugprone-suspicious-missing-comma)
}

void StandardTablesTest::layout() {
    QFETCH(QString, table);
    QFETCH(QStringList, lines);
    QCOMPARE(table.size(), 518);
    QCOMPARE(table, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QCOMPARE(entries(table).size(), 57);
}

void StandardTablesTest::anodeIsComplement() {
    const QList<unsigned> cc = entries(commonCathodeTable()), ca = entries(commonAnodeTable());
    QCOMPARE(cc.size(), ca.size());
    for (qsizetype k = 0; k < cc.size(); ++k)
        QCOMPARE(cc[k] + ca[k], 0xffu);
}

void StandardTablesTest::entriesMatchTheirCharacters() {
    // The lit segments of each character on an 8-segment digit, in table order.
    const QStringList digits = {"abcdef", "bc",    "abdeg",   "abcdg",  "bcfg",   "acdfg",
                                "acdefg", "abc",   "abcdefg", "abcdfg", "abcefg", "cdefg",
                                "adef",   "bcdeg", "adefg",   "aefg"};
    const QStringList letters = {"cefg",  "bcd", "def",   "ceg", "cdeg",  "abefg",
                                 "abcfg", "eg",  "bcdef", "cde", "bcefg", "bcdfg"};
    QStringList all = digits;
    for (const QString& d : digits)
        all << d + u'.';
    all << QString();  // the blank
    all << letters;
    for (const QString& l : letters)
        all << l + u'.';
    const QList<unsigned> cc = entries(commonCathodeTable());
    QCOMPARE(cc.size(), all.size());
    for (qsizetype k = 0; k < all.size(); ++k)
        QCOMPARE(cc[k], code(all[k]));
}

QTEST_APPLESS_MAIN(StandardTablesTest)
#include "test_standard_tables.moc"
