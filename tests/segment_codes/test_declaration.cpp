// SPDX-License-Identifier: MIT
// The main window's declaration as the core grows it: in each format, the text after a series of
// added codes, and an element read back as the window reads what it shows.
#include <QTest>

#include "segment_codes/declaration.h"

using namespace kelvarin::codes;

namespace {

const QDate kToday(2026, 12, 7);
const QString kCreated = QStringLiteral("创建于: 26年12月07日 design:______");

}  // namespace

class DeclarationTest : public QObject {
    Q_OBJECT
  private slots:
    void grows_data();
    void grows();
    void readsItsElements_data();
    void readsItsElements();
    void historyIsBounded();
};

// A format, the options, the codes added one by one, and the whole text then (header, codes and
// what closes it; %1 is the comment with the date, \n a CR LF).
void DeclarationTest::grows_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<bool>("anode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("text");
    const QList<int> four = {0x3f, 0x06, 0x5b, 0x4f};
    QTest::newRow("the window's own, ten a line")
        << "classic" << 0 << false << "" << QList<int>(11, 0x3f)
        << "unsigned char code seg-cc[]{ // %1\n" + QStringLiteral("0x3f,").repeated(10) +
               "\n0x3f,";
    QTest::newRow("the window's own, anode, three a line")
        << "classic" << 3 << true << "" << four
        << "unsigned char code seg-ca[]{ // %1\n0x3f,0x06,0x5b,\n0x4f,";
    QTest::newRow("classic with a name") << "classic" << 0 << false << "digits" << QList<int>{}
                                         << "unsigned char code digits[]{ // %1\n";
    QTest::newRow("sdcc, a part row closed")
        << "sdcc" << 3 << false << "" << four
        << "__code unsigned char seg_cc[] = { // %1\n    0x3f, 0x06, 0x5b,\n    0x4f\n};\n";
    QTest::newRow("sdcc, whole rows") << "sdcc" << 2 << false << "" << four
                                      << "__code unsigned char seg_cc[] = { // %1\n"
                                         "    0x3f, 0x06,\n    0x5b, 0x4f,\n};\n";
    QTest::newRow("c, anode, named") << "c" << 0 << true << "digits" << QList<int>{0xc0}
                                     << "#include <stdint.h>\nconst uint8_t digits[] = { // %1\n"
                                        "    0xc0\n};\n";
    QTest::newRow("arduino") << "arduino" << 0 << false << "" << QList<int>{0x06}
                             << "#include <avr/pgmspace.h>\n#include <stdint.h>\n"
                                "const uint8_t seg_cc[] PROGMEM = { // %1\n    0b00000110\n};\n";
    QTest::newRow("sdas: no comma at a row's end")
        << "sdas" << 3 << false << "" << four
        << "; %1\n\t.area CSEG (CODE)\nseg_cc::\n\t.db 0x3f, 0x06, 0x5b\n\t.db 0x4f\n";
    QTest::newRow("a51: the label on the first row")
        << "a51" << 3 << false << "" << four
        << "; %1\n\tCSEG\nseg_cc:\tDB\t03FH, 006H, 05BH\n\tDB\t04FH\n\tEND\n";
    QTest::newRow("a51, nothing added")
        << "a51" << 0 << false << "" << QList<int>{} << "; %1\n\tCSEG\n\tEND\n";
    QTest::newRow("hex") << "hex" << 3 << false << "" << four << "3f 06 5b\n4f\n";
}

void DeclarationTest::grows() {
    QFETCH(QString, format);
    QFETCH(int, perLine);
    QFETCH(bool, anode);
    QFETCH(QString, name);
    QFETCH(QList<int>, codes);
    QFETCH(QString, text);
    DeclarationOptions options;
    options.name = name;
    options.perLine = perLine;
    const Declaration d(*formatNamed(format), options,
                        anode ? Polarity::CommonAnode : Polarity::CommonCathode);
    // Each step as the window takes it: the closing off, the code's piece on, the closing back.
    QString grown = d.header(kToday) + d.closing(0);
    for (qint32 count = 0; count < codes.size(); ++count) {
        const QString closing = d.closing(count);
        QVERIFY(grown.endsWith(closing));
        grown.chop(closing.size());
        grown += d.piece(static_cast<Code>(codes[count]), count) + d.closing(count + 1);
    }
    QCOMPARE(grown, text.arg(kCreated).replace(u'\n', QStringLiteral("\r\n")));
}

void DeclarationTest::readsItsElements_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");  // -1: not read
    QTest::newRow("hex reads its own text") << "hex"
                                            << "7b" << 0x7b;
    QTest::newRow("hex in capitals") << "hex"
                                     << "7B" << 0x7b;
    QTest::newRow("hex, a b digit last") << "hex"
                                         << "0b" << 0x0b;
    QTest::newRow("hex, C notation") << "hex"
                                     << "0x7b" << 0x7b;
    QTest::newRow("hex, no hex digit") << "hex"
                                       << "7g" << -1;
    QTest::newRow("classic") << "classic"
                             << "0x7b," << 0x7b;
    QTest::newRow("classic, decimal") << "classic"
                                      << "123" << 123;
    QTest::newRow("arduino") << "arduino"
                             << "0b01111011," << 0x7b;
    QTest::newRow("a51") << "a51"
                         << "07BH," << 0x7b;
    QTest::newRow("above a byte") << "sdcc"
                                  << "0x17b," << -1;
}

void DeclarationTest::readsItsElements() {
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(int, code);
    const Declaration d(*formatNamed(format), {}, Polarity::CommonCathode);
    QString error;
    const std::optional<Code> read = d.readElement(typed, &error);
    if (code < 0) {
        QVERIFY(!read);
        QVERIFY2(error.contains(typed), qPrintable(error));
        return;
    }
    QCOMPARE(read, std::optional<Code>(static_cast<Code>(code)));
    // Every code reads back from the element the window shows for it.
    for (Code c = 0; c < 256; ++c)
        QCOMPARE(d.readElement(d.element(c)), std::optional<Code>(c));
}

void DeclarationTest::historyIsBounded() {
    DeclarationHistory history;
    for (qint32 n = 0; n < static_cast<qint32>(DeclarationHistory::kSteps) + 5; ++n)
        history.record({QString::number(n), n});
    int undone = 0;
    QString last;
    while (history.canUndo()) {
        last = history.undo().text;
        ++undone;
    }
    QCOMPARE(undone, static_cast<int>(DeclarationHistory::kSteps));
    QCOMPARE(last, QStringLiteral("5"));  // the oldest went first
}

QTEST_APPLESS_MAIN(DeclarationTest)
#include "test_declaration.moc"
