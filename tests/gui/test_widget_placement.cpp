// SPDX-License-Identifier: MIT
#include <QPushButton>
#include <QTest>

#include "gui/desktop_pointer.h"
#include "runtime/errors.h"

using namespace kelvarin;

class WidgetPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void formAndControl();
};

void WidgetPlacementTest::formAndControl() {
    auto* window = new QWidget;
    window->setGeometry(100, 60, 300, 200);
    auto* button = new QPushButton(window);
    button->setGeometry(20, 30, 80, 25);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const double twips = 1440.0 / window->screen()->logicalDotsPerInchX();

    const gui::WidgetPlacement form(window), control(button);
    const QRect frame = window->frameGeometry();
    QCOMPARE(form.left(), frame.x() * twips);
    QCOMPARE(form.width(), frame.width() * twips);
    QCOMPARE(form.clientLeft(), (window->geometry().x() - frame.x()) * twips);
    QCOMPARE(control.left(), 20 * twips);
    QCOMPARE(control.height(), 25 * twips);
    QVERIFY_THROWS_EXCEPTION(workOutError, control.clientTop());  // a control is no form
    delete window;
    QVERIFY_THROWS_EXCEPTION(workOutError, form.left());  // gone
}

QTEST_MAIN(WidgetPlacementTest)
#include "test_widget_placement.moc"
