// SPDX-License-Identifier: MIT
// Centred window placement.

#include "gui/window_placement.h"

#include <QEvent>
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
    m_window.move(centredFrame(m_window.frameGeometry().size(), over, available));
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
    }
    return false;
}

}  // namespace kelvarin
