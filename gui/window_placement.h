// SPDX-License-Identifier: MIT
#pragma once

// Where a window opens: its frame (border and title bar included) centred over a rectangle, the
// owner's frame or the screen's available area, and kept inside that area.

#include <QObject>
#include <QRect>

#include <functional>

#include "services/preferences.h"

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
    bool m_framed = false;  // placed with the window manager's frame known
};

// Opens the window where it was last closed, with its size, as kept under the key in the
// preferences; the first time (nothing kept, or a place no screen shows any more) it is centred
// over over() as CentredPlacement does. The place is kept again whenever the window is hidden.
class KeptPlacement : public QObject {
  public:
    KeptPlacement(QWidget& window, platform::Preferences* preferences, QString key,
                  std::function<QRect()> over);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& m_window;
    platform::Preferences* m_preferences;
    QString m_key;
    CentredPlacement* m_centred = nullptr;
};

}  // namespace kelvarin
