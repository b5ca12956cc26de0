// SPDX-License-Identifier: MIT
#pragma once

// The controls' typeface, and the windows' command buttons made with it.

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace kelvarin::gui {

// The controls' typeface at the given size, falling back to an installed CJK typeface.
QFont controlFont(double points);

// A command button: Space and Enter press it when it has the focus. It is never a dialog's
// default button, so Enter elsewhere presses nothing.
class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A command button of the windows: named, placed, in the controls' typeface.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);

}  // namespace kelvarin::gui
