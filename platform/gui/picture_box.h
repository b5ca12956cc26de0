#pragma once

// A picture box: a control that keeps what is drawn on it in a backing image and reports clicks.

#include <QWidget>

#include "platform/gui/backing_canvas.h"

namespace kelvarin {

// A picture box: it keeps what is drawn on it in a backing image, can be cleared to its
// background colour, and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    BackingCanvas& canvas() { return m_canvas; }
    // The clear-drawing operation: the whole box back to its background colour.
    void clearDrawing();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    BackingCanvas m_canvas;
    bool m_pressed = false;
};

}  // namespace kelvarin
