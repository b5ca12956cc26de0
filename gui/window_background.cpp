// SPDX-License-Identifier: MIT
// The background of a window over a backing canvas.

#include "gui/window_background.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace kelvarin::gui {

WindowBackground::WindowBackground(QWidget& window, std::function<void()> onResize)
    : QObject(&window), m_window(window), m_canvas(window), m_onResize(std::move(onResize)) {
    // The canvas covers the whole window: nothing needs erasing before it is shown.
    window.setAttribute(Qt::WA_OpaquePaintEvent);
    window.installEventFilter(this);
}

bool WindowBackground::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window) return false;
    if (event->type() == QEvent::Paint) {
        QPainter p(&m_window);
        m_canvas.paintOnto(p);
        return true;
    }
    if (event->type() == QEvent::Resize) {
        m_canvas.followOwnerSize();
        if (m_onResize) m_onResize();
    }
    return false;
}

}  // namespace kelvarin::gui
