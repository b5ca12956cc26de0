#pragma once

// The controls' typeface, and push buttons made with it.

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace kelvarin {

// The controls' typeface at the given size, falling back to an installed CJK typeface.
QFont controlFont(double points);

// A push button of the windows: named, placed, in the controls' typeface.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);

}  // namespace kelvarin
