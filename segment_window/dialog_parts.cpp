// SPDX-License-Identifier: MIT
// Pieces the frames and scan program windows share.

#include "segment_window/dialog_parts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace kelvarin::dialog_parts {

QLabel* problemLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("problem"));
    line->setStyleSheet(QStringLiteral("color: #c00000;"));
    line->setWordWrap(true);
    // The line takes its room always: nothing below moves when a problem comes and goes.
    line->setMinimumHeight(2 * line->fontMetrics().lineSpacing());
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return line;
}

void fitToScreen(QWidget& window, const QWidget* owner, QSize least) {
    const QScreen* on = owner != nullptr ? owner->screen() : window.screen();
    QSize want = window.sizeHint().expandedTo(least);
    if (on != nullptr) want = want.boundedTo(on->availableGeometry().size() - QSize(16, 48));
    window.resize(want);
}

bool enterInABox(QKeyEvent* event, const QWidget& window) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || qobject_cast<QLineEdit*>(window.focusWidget()) == nullptr) return false;
    event->accept();
    return true;
}

}  // namespace kelvarin::dialog_parts
