// SPDX-License-Identifier: MIT
#pragma once

// Where a window opens: its frame (border and title bar included) centred over a rectangle, the
// owner's frame or the screen's available area, and kept inside that area.

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

#include "services/preferences.h"

class QWidget;

namespace kelvarin::gui {

// The top-left corner of a frame of that size centred over the rectangle, moved inside the
// available area (to its top-left corner when the frame is larger than the area).
QPoint centredFrame(QSize frame, const QRect& over, const QRect& available);

// The frame extents the window manager gave the window (left, top, right, bottom), read from
// the X server itself; nothing off X11 or before the manager has framed the window.
std::optional<QMargins> managerFrameExtents(const QWidget& window);

// Centres the window's frame over the rectangle over() (the screen's available area when there is
// none) when it is shown, and once more when it is first exposed: only then does a window
// manager's frame have its true size. The toolkit learns a window's frame when it is first asked
// and afresh only when the window is next configured; a manager that frames the window after
// that (a slow one, on a loaded machine) leaves the toolkit with a frameless answer. So the
// manager's own extents are read as well, and their change is watched until the frame is known.
// A manager may also place a window itself as it takes it on, crossing the toolkit's request;
// so the window is placed once more when the manager has mapped it (its WM_STATE set): until
// then no user can have moved it, and every move after that is left alone.
class CentredPlacement : public QObject, public QAbstractNativeEventFilter {
  public:
    CentredPlacement(QWidget& window, std::function<QRect()> over);
    ~CentredPlacement() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    void place();
    void stopWatching();

    QWidget& m_window;
    std::function<QRect()> m_over;
    bool m_shown = false;
    bool m_exposed = false;
    bool m_framed = false;    // placed with the window manager's frame known
    bool m_managed = false;   // the manager has mapped the window
    bool m_watching = false;  // the manager's extents and state are watched
    quint32 m_extentsAtom = 0;
    quint32 m_stateAtom = 0;
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

}  // namespace kelvarin::gui
