// SPDX-License-Identifier: MIT
#pragma once

// The trace of the program's start-up on the logging category kelvarin.startup (silent unless
// asked for: QT_LOGGING_RULES="kelvarin.startup=true"): each step with the monotonic clock's
// nanoseconds and the milliseconds since the first step, up to the main window's first paint.

#include <QLoggingCategory>
#include <QObject>

class QWidget;

namespace kelvarin::app {

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

class StartupTrace : public QObject {
  public:
    // The first step, "started", is when the trace is made.
    StartupTrace();
    void mark(const char* step);
    // Marks "first paint" once the window has been painted and the paint sent to the display.
    void watchFirstPaint(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

  private:
    qint64 m_started = 0;
    bool m_painted = false;
};

}  // namespace kelvarin::app
