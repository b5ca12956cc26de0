// SPDX-License-Identifier: MIT
// Themed common controls: the desktop's widget style, or Fusion instead of the classic one.

#include "gui/common_controls.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace kelvarin::gui {

void initCommonControls() {
    QStyle* style = QApplication::style();
    if (style == nullptr) return;
    if (style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0) {
        if (QStyle* themed = QStyleFactory::create(QStringLiteral("Fusion"))) {
            QApplication::setStyle(themed);
        }
    }
}

}  // namespace kelvarin::gui
