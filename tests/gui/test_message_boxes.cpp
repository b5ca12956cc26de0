// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "gui/desktop_services.h"

using namespace kelvarin;
using namespace kelvarin::platform;

class MessageBoxesTest : public QObject {
    Q_OBJECT
  private slots:
    void answers_data();
    void answers();
    void layout_data();
    void layout();
    void addressNoBrowserOpens();
};

void MessageBoxesTest::answers_data() {
    QTest::addColumn<int>("offered");  // MessageBoxes::Buttons
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("answer");
    const QStringList yesNo{"是(&Y)", "否(&N)"};
    const QStringList yesNoCancel{"是(&Y)", "否(&N)", "取消"};
    const int yn = int(MessageBoxes::Buttons::YesNo), ync = int(MessageBoxes::Buttons::YesNoCancel);
    QTest::newRow("Y answers yes")
        << yn << int(Qt::Key_Y) << yesNo << int(MessageBoxes::Answer::Yes);
    QTest::newRow("N answers no") << yn << int(Qt::Key_N) << yesNo << int(MessageBoxes::Answer::No);
    QTest::newRow("OK with Enter") << int(MessageBoxes::Buttons::Ok) << int(Qt::Key_Return)
                                   << QStringList{"确定"} << int(MessageBoxes::Answer::Ok);
    QTest::newRow("N of three answers no")
        << ync << int(Qt::Key_N) << yesNoCancel << int(MessageBoxes::Answer::No);
    QTest::newRow("Esc cancels") << ync << int(Qt::Key_Escape) << yesNoCancel
                                 << int(MessageBoxes::Answer::Cancel);
}

void MessageBoxesTest::answers() {
    QFETCH(int, offered);
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
    gui::DesktopMessageBoxes boxes;
    const auto got = boxes.show(nullptr, QStringLiteral("选择[是]复制到剪贴板,选择[否]返回."),
                                MessageBoxes::Buttons(offered), MessageBoxes::Icon::Information,
                                QStringLiteral("title"), MessageBoxes::Text::Prose);
    seen.sort();
    buttons.sort();
    QCOMPARE(seen, buttons);
    QCOMPARE(int(got), answer);
}

void MessageBoxesTest::layout_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("table");
    // Two tables of one shape, lines longer than half a screen as the standard tables have.
    auto table = [](const char* name, const char* first) {
        QString text = QStringLiteral("unsigned char code %1[]={  //%2\r\n")
                           .arg(QLatin1String(name), QString::fromUtf8(first));
        for (int line = 0; line < 4; ++line)
            text += QStringLiteral("0x3f,").repeated(16) +
                    QStringLiteral("        //0-f    [0-15]\r\n");
        return text + QStringLiteral("\r\n选择[是]复制到剪贴板,选择[否]返回.");
    };
    QTest::newRow("common-cathode table")
        << table("seg_cc", "共阴数码管常用段码") << "选择[是]复制到剪贴板" << true;
    QTest::newRow("common-anode table")
        << table("seg_ca", "共阳数码管常用段码") << "选择[是]复制到剪贴板" << true;
    QTest::newRow("copied") << "复制成功"
                            << "复制到剪贴板" << false;
    // A line of Chinese without spaces, under a short title: shown whole, not cut at the edge.
    QTest::newRow("a long Chinese line")
        << "无法读取设置文件“/home/user/.config/kelvarin/kelvarin.conf”，窗口中的更改不会被保存。"
        << "设置" << false;
}

// A table is shown in a fixed-width font with every line unbroken, and both standard tables get
// boxes of one size; a short box is wide enough for its whole title; the icon is drawn at the
// box's pixel ratio.
void MessageBoxesTest::layout() {
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(bool, table);
    static QSize tableBox;
    bool fixed = false, unbroken = false, titleFits = false, sharpIcon = false;
    QSize size;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label != nullptr);
        const QFontMetrics m(label->font());
        const int column = m.horizontalAdvance(u'M');
        fixed = m.horizontalAdvance(u'i') == column && m.horizontalAdvance(u' ') == column &&
                m.horizontalAdvance(u',') == column;
        int widest = 0;
        for (const QString& line : prompt.split(QStringLiteral("\r\n")))
            widest = std::max(widest, m.horizontalAdvance(line));
        // Every line whole: as wide as the label, or wrapped within the label's height; and the
        // label within the box (Qt keeps a box narrower than its screen by 480 pixels).
        unbroken =
            (label->width() >= widest ||
             (label->wordWrap() && label->height() >= label->heightForWidth(label->width()))) &&
            label->mapTo(box, QPoint(label->width(), 0)).x() <= box->width();
        titleFits = box->width() >= QFontMetrics(box->font()).horizontalAdvance(title) + 80;
        const QPixmap icon = box->iconPixmap();
        sharpIcon = !icon.isNull() && icon.devicePixelRatio() == box->devicePixelRatioF();
        size = box->size();
        shown = label->text();
        if (QAbstractButton* no = box->button(QMessageBox::No)) no->click();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    });
    gui::DesktopMessageBoxes().show(
        nullptr, prompt, table ? MessageBoxes::Buttons::YesNo : MessageBoxes::Buttons::Ok,
        MessageBoxes::Icon::Information, title,
        table ? MessageBoxes::Text::Table : MessageBoxes::Text::Prose);
    QCOMPARE(shown, prompt);  // the text itself as it is
    QVERIFY(unbroken);
    QVERIFY(titleFits);
    QVERIFY(sharpIcon);
    if (table) {
        QVERIFY(fixed);
        if (tableBox.isValid()) QCOMPARE(size, tableBox);
        tableBox = size;
    }
}

// Offscreen no browser opens a page: the address is shown, selectable, and nothing blocks.
void MessageBoxesTest::addressNoBrowserOpens() {
    const QUrl url(QStringLiteral("https://example.org/sponsor?x=1"));
    gui::DesktopUrlOpener().open(url);
    auto* box = qApp->findChild<QMessageBox*>(QStringLiteral("unopenedAddress"));
    if (box == nullptr) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("unopenedAddress"))
                box = qobject_cast<QMessageBox*>(w);
    }
    QVERIFY(box != nullptr);
    QVERIFY(box->isVisible());
    QVERIFY(box->text().contains(url.toString()));
    QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    box->close();
}

QTEST_MAIN(MessageBoxesTest)
#include "test_message_boxes.moc"
