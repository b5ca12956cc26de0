// SPDX-License-Identifier: MIT
// The reference of the windows' start-up: a bare window of the main window's size showing one
// line of CJK text in the main window's typeface. With QT_LOGGING_RULES="kelvarin.startup=true"
// it writes its first paint as the program's start-up trace does ("first paint: monotonic N ns").

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QWidget>

#include <ctime>

namespace {

Q_LOGGING_CATEGORY(lcStartup, "kelvarin.startup", QtWarningMsg)

class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the paint has been handed to the display.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return QObject::eventFilter(watched, event);
    }
    void customEvent(QEvent*) override {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        qCDebug(lcStartup, "first paint: monotonic %lld ns",
                static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec);
    }

  private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(651, 377);
    auto* line = new QLabel(QStringLiteral("共阴数码管常用段码"), &window);
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10.5);
    line->setFont(font);
    line->move(20, 20);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
