// SPDX-License-Identifier: MIT
#pragma once

// Key preview: a window sees every key press before the control that has the focus.

#include <QObject>

#include <functional>

class QWidget;

namespace kelvarin::gui {

// Lets a window see every key press before the control that has the focus: the window and all
// its controls report the character code of each key (27 for Esc) to the handler. Esc goes no
// further than the handler.
class KeyPreview : public QObject {
  public:
    KeyPreview(QWidget& window, std::function<void(qint16)> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(qint16)> m_handler;
};

}  // namespace kelvarin::gui
