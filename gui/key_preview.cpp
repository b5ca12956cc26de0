// SPDX-License-Identifier: MIT
// Key preview: every key press of a window and its controls goes to the window's handler first.

#include "gui/key_preview.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvarin::gui {

KeyPreview::KeyPreview(QWidget& window, std::function<void(qint16)> handler)
    : QObject(&window), m_handler(std::move(handler)) {
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            m_handler(27);
            return true;
        }
        if (key->text().size() == 1) m_handler(static_cast<qint16>(key->text().at(0).unicode()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvarin::gui
