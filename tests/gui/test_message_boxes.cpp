// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "gui/desktop_services.h"

using namespace kelvarin::platform;

class MessageBoxesTest : public QObject {
    Q_OBJECT
  private slots:
    void answers_data();
    void answers();
    void tableLinesUp();
};

void MessageBoxesTest::answers_data() {
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("answer");
    const QStringList yesNo{"是(&Y)", "否(&N)"};
    QTest::newRow("Y answers yes")
        << true << int(Qt::Key_Y) << yesNo << int(MessageBoxes::Answer::Yes);
    QTest::newRow("N answers no") << true << int(Qt::Key_N) << yesNo
                                  << int(MessageBoxes::Answer::No);
    QTest::newRow("OK with Enter")
        << false << int(Qt::Key_Return) << QStringList{"确定"} << int(MessageBoxes::Answer::Ok);
}

void MessageBoxesTest::answers() {
    QFETCH(bool, yesNo);
    QFETCH(int, key);
    QFETCH(QStringList, buttons);
    QFETCH(int, answer);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        for (QAbstractButton* b : box->buttons())
            seen << b->text();
        QTest::keyClick(box, Qt::Key(key));
    });
    DesktopMessageBoxes boxes;
    const auto got = boxes.show(nullptr, QStringLiteral("选择[是]复制到剪贴板,选择[否]返回."),
                                yesNo ? MessageBoxes::Buttons::YesNo : MessageBoxes::Buttons::Ok,
                                MessageBoxes::Icon::Information, QStringLiteral("title"),
                                MessageBoxes::Text::Prose);
    seen.sort();
    buttons.sort();
    QCOMPARE(seen, buttons);
    QCOMPARE(int(got), answer);
}

void MessageBoxesTest::tableLinesUp() {
    bool fixed = false, wraps = true;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label != nullptr);
        // Columns line up: every letter and space as wide as any other.
        const QFontMetrics m(label->font());
        const int column = m.horizontalAdvance(u'M');
        fixed = m.horizontalAdvance(u'i') == column && m.horizontalAdvance(u' ') == column &&
                m.horizontalAdvance(u',') == column;
        wraps = label->wordWrap();
        shown = label->text();
        box->button(QMessageBox::No)->click();
    });
    const QString table = QStringLiteral("0x3f,0x06,0x5b,        //0-f           [0-15]\r\n");
    DesktopMessageBoxes().show(nullptr, table, MessageBoxes::Buttons::YesNo,
                               MessageBoxes::Icon::Information, QString(),
                               MessageBoxes::Text::Table);
    QVERIFY(fixed);
    QVERIFY(!wraps);
    QCOMPARE(shown, table);  // the text itself as it is
}

QTEST_MAIN(MessageBoxesTest)
#include "test_message_boxes.moc"
