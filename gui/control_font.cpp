// SPDX-License-Identifier: MIT
// The controls' typeface, and push buttons made with it.

#include "gui/control_font.h"

#include <QKeyEvent>

namespace kelvarin::gui {

QFont controlFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans SC"), QStringLiteral("Droid Sans Fallback")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new CommandButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(controlFont(9));
    button->setAutoDefault(false);
    return button;
}

}  // namespace kelvarin::gui
