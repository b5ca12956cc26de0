// SPDX-License-Identifier: MIT
// The windows' languages: with English chosen no window shows a Chinese character; by default
// the windows are as they always were; the choice is kept for the next start.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "segment_window/driver_window.h"
#include "segment_window/frames_window.h"
#include "segment_window/import_window.h"
#include "segment_window/language.h"
#include "segment_window/seg8.h"
#include "segment_window/text_codes_window.h"
#include "segment_window/wiring_window.h"
#include "window_harness.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// Every text a user sees in the window: its title, its controls', its menus' (submenus too).
QStringList textsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (auto* b : window.findChildren<QAbstractButton*>())
        texts << b->text() << b->toolTip();
    for (auto* l : window.findChildren<QLabel*>())
        texts << l->text();
    for (auto* g : window.findChildren<QGroupBox*>())
        texts << g->title();
    for (auto* e : window.findChildren<QLineEdit*>())
        texts << e->placeholderText() << e->text();
    for (auto* c : window.findChildren<QComboBox*>())
        for (int k = 0; k < c->count(); ++k)
            texts << c->itemText(k) << c->itemData(k, Qt::ToolTipRole).toString();
    for (auto* m : window.findChildren<QMenu*>()) {
        texts << m->title();
        for (QAction* a : m->actions())
            texts << a->text();
    }
    for (auto* p : window.findChildren<QPlainTextEdit*>())
        if (p->isVisible()) texts << p->toPlainText();
    return texts;
}

QStringList chinese(const QStringList& texts) {
    static const QRegularExpression han(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList found;
    for (const QString& t : texts)
        if (t.contains(han)) found << t;
    return found;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { installLanguage(QStringLiteral("zh")); }
    void everyWindowInEnglish();
    void chineseByDefault();
    void choiceKept();
    void driverProblemsInOneLanguage_data();
    void driverProblemsInOneLanguage();
};

void LanguageTest::everyWindowInEnglish() {
    QVERIFY(installLanguage(QStringLiteral("en")));
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(chinese(textsOf(window)), QStringList());
    // Each window it opens, seen when open, with its table or codes shown.
    QStringList inWindows;
    auto look = [&](auto open) {
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            QVERIFY(w != nullptr);
            if (auto* t = qobject_cast<TextCodesWindow*>(w)) t->setText(QStringLiteral("12"));
            if (auto* i = qobject_cast<ImportWindow*>(w))
                i->setText(QStringLiteral("int t[] = {0x3f, 0x06};"));
            inWindows << w->objectName() << chinese(textsOf(*w));
            qobject_cast<QDialog*>(w)->reject();
        });
        open();
    };
    look([&] { window.openWiringWindow(); });
    look([&] { window.openTextCodesWindow(); });
    look([&] { window.openFramesWindow(); });
    look([&] { window.openImportWindow(); });
    QCOMPARE(inWindows,
             (QStringList{"WiringWindow", "TextCodesWindow", "FramesWindow", "ImportWindow"}));
    // A code added and copied: the declaration and the box say it in English.
    window.findChild<QAbstractButton*>(QStringLiteral("Command3"))->click();
    window.findChild<QAbstractButton*>(QStringLiteral("Command5"))->click();
    QCOMPARE(harness.boxes.shown.size(), 1);
    QCOMPARE(chinese({harness.boxes.shown[0].prompt, harness.boxes.shown[0].title}), QStringList());
    QCOMPARE(chinese(textsOf(window)), QStringList());
}

void LanguageTest::chineseByDefault() {
    Harness harness;
    QCOMPARE(chosenLanguage(&harness.preferences), QStringLiteral("zh"));
    harness.preferences.values.insert(languageKey(), QStringLiteral("klingon"));
    QCOMPARE(chosenLanguage(&harness.preferences), QStringLiteral("zh"));
    QVERIFY(installLanguage(QStringLiteral("zh")));
    SEG8 window(harness.services());
    QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("共阴数码管常用段码"));
    QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("Text5"))
                ->toPlainText()
                .contains(QStringLiteral("创建于")));
}

void LanguageTest::choiceKept() {
    Harness harness;
    SEG8 window(harness.services());
    window.findChild<QAction*>(QStringLiteral("language_en"))->trigger();
    QCOMPARE(harness.preferences.values.value(languageKey()).toString(), QStringLiteral("en"));
    // Said in English, from the next start.
    QCOMPARE(harness.boxes.shown.size(), 1);
    QVERIFY(harness.boxes.shown[0].prompt.contains(QStringLiteral("next start")));
    QCOMPARE(chosenLanguage(&harness.preferences), QStringLiteral("en"));
}

void LanguageTest::driverProblemsInOneLanguage_data() {
    // Each thing the scan program window can be told that the core refuses, said in the
    // window's language with what was typed quoted.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    const QList<std::array<const char*, 3>> rows = {
        {"segmentPins", "", ""},
        {"segmentPins", "P7", "P7"},
        {"segmentPins", "P0.0,Q1", "Q1"},
        {"segmentPins", "P0.0,P0.1", "2"},
        {"selectPins", "", ""},
        {"selectPins", "P1.0,zz", "zz"},
        {"selectPins", "P1.0,P1.0", "P1.0"},
        {"selectPins", "P1.0", "1"},
        {"clock", "fast", "fast"},
        {"refresh", "often", "often"},
        {"refresh", "1Hz", "65536"},
        {"refresh", "20kHz", "25"},
    };
    for (const auto& [field, text, quoted] : rows)
        QTest::addRow("%s %s", field, text) << field << text << quoted;
}

void LanguageTest::driverProblemsInOneLanguage() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    const auto frames = codes::framesOf({QStringLiteral("12")}, 2, false, {100}, codes::Wiring(),
                                        codes::Polarity::CommonCathode, nullptr);
    QVERIFY(frames);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{4,}"));
    for (const char* language : {"zh", "en"}) {
        QVERIFY(installLanguage(QString::fromLatin1(language)));
        DriverWindow w(BoardSettings(), codes::Polarity::CommonCathode, *frames,
                       QStringLiteral("12"), nullptr, nullptr, nullptr);
        w.setTarget(QStringLiteral("sdcc"));
        w.findChild<QLineEdit*>(field)->setText(text);
        const QString problem = w.problem();
        QVERIFY2(!problem.isEmpty() && problem.contains(quoted), qPrintable(problem));
        if (qstrcmp(language, "zh") == 0)
            QVERIFY2(!QString(problem).remove(quoted).contains(word), qPrintable(problem));
        else
            QCOMPARE(chinese({problem}), QStringList());
    }
}

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
