// SPDX-License-Identifier: MIT
#pragma once

// The background of a window: a backing canvas that the window's paint events show and that
// follows the window's size, with the window's resize handler run after every size change.

#include <QObject>

#include <functional>

#include "gui/backing_canvas.h"

class QWidget;

namespace kelvarin::gui {

class WindowBackground : public QObject {
  public:
    WindowBackground(QWidget& window, std::function<void()> onResize);

    BackingCanvas& canvas() { return m_canvas; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& m_window;
    BackingCanvas m_canvas;
    std::function<void()> m_onResize;
};

}  // namespace kelvarin::gui
