// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QTest>

#include "gui/control_text_box.h"
#include "gui/crlf_text_box.h"
#include "runtime/errors.h"

using namespace kelvarin;

class ControlTextBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void multiLinePositionsCountCrLf();
    void singleLine();
    void storedTextReadsBack_data();
    void storedTextReadsBack();
};

void ControlTextBoxTest::multiLinePositionsCountCrLf() {
    gui::CrLfTextBox box;
    gui::ControlTextBox te(&box);
    te.setText(QStringLiteral("ab\r\ncd\r\nef"));
    QCOMPARE(te.text(), QStringLiteral("ab\r\ncd\r\nef"));
    te.setSelStart(4);  // before "c"
    QCOMPARE(te.selStart(), 4);
    QCOMPARE(te.selLength(), 0);
    te.setSelLength(4);  // "cd" and its CR LF
    QCOMPARE(te.selLength(), 4);
    QCOMPARE(box.textCursor().selectedText(), QStringLiteral("cd\u2029"));
    te.setSelStart(99);  // past the end: to the end
    QCOMPARE(te.selStart(), 10);
    QVERIFY_THROWS_EXCEPTION(workOutError, te.setSelStart(-1));
}

void ControlTextBoxTest::singleLine() {
    auto* line = new QLineEdit(QStringLiteral("abcdef"));
    gui::ControlTextBox te(line);
    te.setSelStart(2);
    te.setSelLength(2);
    QCOMPARE(line->selectedText(), QStringLiteral("cd"));
    QCOMPARE(te.selStart(), 2);
    te.setSelStart(3);  // leaves no selection
    QCOMPARE(te.selLength(), 0);
    delete line;
    QVERIFY_THROWS_EXCEPTION(workOutError, te.text());
}

// A text stored in a box not on show reads back as it was given, CR LF line ends included, over
// what the box held before, and with nothing of the old text left to take back.
void ControlTextBoxTest::storedTextReadsBack_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty box") << QString() << QStringLiteral("a\r\nb");
    QTest::newRow("over a text") << QStringLiteral("x\r\ny\r\nz") << QStringLiteral("0x3f,\r\n");
    QTest::newRow("emptied") << QStringLiteral("x") << QString();
    QTest::newRow("CJK") << QString() << QStringLiteral("//共阴数码管常用段码\r\n0x3f");
}

void ControlTextBoxTest::storedTextReadsBack() {
    QFETCH(QString, before);
    QFETCH(QString, text);
    gui::CrLfTextBox box;
    box.setText(before);
    box.setStoredText(text);
    QCOMPARE(box.text(), text);
    QVERIFY(!box.document()->isUndoAvailable());
}

QTEST_MAIN(ControlTextBoxTest)
#include "test_control_text_box.moc"
