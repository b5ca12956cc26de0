// SPDX-License-Identifier: MIT
// The start-up trace.

#include "app/startup_trace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <ctime>

namespace kelvarin::app {

Q_LOGGING_CATEGORY(lcStartup, "kelvarin.startup", QtWarningMsg)

namespace {

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace

StartupTrace::StartupTrace() : m_started(monotonicNs()) {
    mark("started");
}

void StartupTrace::mark(const char* step) {
    if (!lcStartup().isDebugEnabled()) return;
    const qint64 now = monotonicNs();
    qCDebug(lcStartup, "%s: monotonic %lld ns, %.3f ms", step, static_cast<long long>(now),
            (now - m_started) / 1e6);
}

void StartupTrace::watchFirstPaint(QWidget& window) {
    if (lcStartup().isDebugEnabled()) window.installEventFilter(this);
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        watched->removeEventFilter(this);
        // After the paint has been handed to the display.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    return QObject::eventFilter(watched, event);
}

void StartupTrace::customEvent(QEvent*) {
    mark("first paint");
}

}  // namespace kelvarin::app
