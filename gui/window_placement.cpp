// SPDX-License-Identifier: MIT
// Centred window placement.

#include "gui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kelvarin {

QPoint centredFrame(QSize frame, const QRect& over, const QRect& available) {
    QPoint topLeft(over.x() + (over.width() - frame.width()) / 2,
                   over.y() + (over.height() - frame.height()) / 2);
    if (available.isValid()) {
        topLeft.setX(std::max(available.left(),
                              std::min(topLeft.x(), available.right() + 1 - frame.width())));
        topLeft.setY(std::max(available.top(),
                              std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
    }
    return topLeft;
}

CentredPlacement::CentredPlacement(QWidget& window, std::function<QRect()> over)
    : QObject(&window), m_window(window), m_over(std::move(over)) {
    window.installEventFilter(this);
}

void CentredPlacement::place() {
    const QRect available =
        m_window.screen() != nullptr ? m_window.screen()->availableGeometry() : QRect();
    QRect over = m_over ? m_over() : QRect();
    if (!over.isValid()) over = available;
    const QSize frame = m_window.frameGeometry().size();
    m_framed = frame != m_window.size();
    m_window.move(centredFrame(frame, over, available));
}

bool CentredPlacement::eventFilter(QObject* watched, QEvent* event) {
    // Once, when the window is first shown: a window the user has moved stays where it is.
    if (watched == &m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        place();
        // The frame is known once the window is exposed; it is placed once more then.
        if (QWindow* handle = m_window.windowHandle()) handle->installEventFilter(this);
    } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose &&
               !m_exposed && m_window.windowHandle()->isExposed()) {
        m_exposed = true;
        m_window.windowHandle()->removeEventFilter(this);
        place();
    } else if (watched == &m_window && m_shown && !m_framed &&
               (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
               m_window.frameGeometry().size() != m_window.size()) {
        // A window manager's frame that comes after the window was exposed: placed once more
        // with it, as the window's first move.
        place();
    }
    return false;
}

KeptPlacement::KeptPlacement(QWidget& window, platform::Preferences* preferences, QString key,
                             std::function<QRect()> over)
    : QObject(&window), m_window(window), m_preferences(preferences), m_key(std::move(key)) {
    const QByteArray kept =
        m_preferences != nullptr ? m_preferences->value(m_key).toByteArray() : QByteArray();
    bool restored = !kept.isEmpty() && m_window.restoreGeometry(kept);
    // A place no screen shows any more is no place to open at.
    if (restored) {
        const QScreen* screen = QGuiApplication::screenAt(m_window.geometry().center());
        restored = screen != nullptr;
    }
    if (!restored) m_centred = new CentredPlacement(window, std::move(over));
    window.installEventFilter(this);
}

bool KeptPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Hide && m_preferences != nullptr)
        m_preferences->setValue(m_key, m_window.saveGeometry());
    return false;
}

}  // namespace kelvarin
