// SPDX-License-Identifier: MIT
#pragma once

// A picture box: a control that keeps what is drawn on it in a backing image and reports clicks.

#include <QWidget>

#include "gui/backing_canvas.h"

namespace kelvarin::gui {

// A picture box: it keeps what is drawn on it in a backing image, can be cleared to its
// background colour, and reports clicks. A box that reacts to clicks takes the focus, shows a
// focus mark, and takes Space and Enter as a click; any other box takes no focus.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    BackingCanvas& canvas() { return m_canvas; }
    // The clear-drawing operation: the whole box back to its background colour.
    void clearDrawing();
    // Whether the box reacts to clicks (and so to the keyboard).
    void setClickable(bool clickable);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    BackingCanvas m_canvas;
    bool m_pressed = false;
};

}  // namespace kelvarin::gui
