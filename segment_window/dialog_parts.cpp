// SPDX-License-Identifier: MIT
// Pieces the frames and scan program windows share.

#include "segment_window/dialog_parts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>

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
    // A scrolled body is asked for its whole size (a scroll area's own hint is capped).
    if (const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("body"))) {
        const QWidget* body = scroll->widget();
        // The window less its scroll area (margins, buttons), with the body whole beside a
        // scroll bar.
        const QSize rest = window.sizeHint() - scroll->sizeHint();
        want = want.expandedTo(body->sizeHint() + rest +
                               QSize(scroll->verticalScrollBar()->sizeHint().width(), 0));
    }
    if (on != nullptr) want = want.boundedTo(on->availableGeometry().size() - QSize(16, 48));
    window.resize(want);
}

QVBoxLayout* scrolledBody(QWidget& window, QVBoxLayout*& outer) {
    outer = new QVBoxLayout(&window);
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("body"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget(scroll);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(body);
    outer->addWidget(scroll, 1);
    return layout;
}

QString unshowable(const QList<codes::Unshowable>& bad) {
    QStringList where;
    for (const codes::Unshowable& u : bad)
        where << QCoreApplication::translate("kelvarin::dialog_parts", "第 %1 个字符 '%2'")
                     .arg(u.position)
                     .arg(u.character);
    return QCoreApplication::translate("kelvarin::dialog_parts", "数码管无法显示：%1")
        .arg(where.join(QCoreApplication::translate("kelvarin::dialog_parts", "，")));
}

bool enterInABox(QKeyEvent* event, const QWidget& window) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || qobject_cast<QLineEdit*>(window.focusWidget()) == nullptr) return false;
    event->accept();
    return true;
}

}  // namespace kelvarin::dialog_parts
