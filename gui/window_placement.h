// SPDX-License-Identifier: MIT
#pragma once

// Where a window opens: its frame (border and title bar included) centred over a rectangle, the
// owner's frame or the screen's available area, and kept inside that area.

#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

namespace kelvarin {

// The top-left corner of a frame of that size centred over the rectangle, moved inside the
// available area (to its top-left corner when the frame is larger than the area).
QPoint centredFrame(QSize frame, const QRect& over, const QRect& available);

// Centres the window's frame over the rectangle over() (the screen's available area when there is
// none) when it is shown, and once more when it
// is first exposed: only then does a window manager's frame have its true size.
class CentredPlacement : public QObject {
  public:
    CentredPlacement(QWidget& window, std::function<QRect()> over);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();

    QWidget& m_window;
    std::function<QRect()> m_over;
    bool m_shown = false;
    bool m_exposed = false;
};

}  // namespace kelvarin
