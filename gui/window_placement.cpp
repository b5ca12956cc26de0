// SPDX-License-Identifier: MIT
// Centred window placement.

#include "gui/window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace kelvarin::gui {

QPoint centredFrame(QSize frame, const QRect& over, const QRect& available) {
    QPoint topLeft(over.x() + (over.width() - frame.width()) / 2,
                   over.y() + (over.height() - frame.height()) / 2);
    if (available.isValid()) {
        topLeft.setX(std::max(available.left(),
                              std::min(topLeft.x(), available.right() + 1 - frame.width())));
        topLeft.setY(std::max(available.top(),
                              std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
    }
    return topLeft;
}

namespace {

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_atom_t frameExtentsAtom(xcb_connection_t* c) {
    return atomNamed(c, "_NET_FRAME_EXTENTS");
}

}  // namespace

std::optional<QMargins> managerFrameExtents(const QWidget& window) {
    xcb_connection_t* c = x11Connection();
    if (c == nullptr || window.windowHandle() == nullptr) return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.windowHandle()->winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, frameExtentsAtom(c), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMargins> extents;
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        // left, right, top, bottom
        const auto* v = static_cast<const quint32*>(xcb_get_property_value(reply));
        extents = QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                           static_cast<int>(v[3]));
    }
    std::free(reply);
    return extents;
}

CentredPlacement::CentredPlacement(QWidget& window, std::function<QRect()> over)
    : QObject(&window), m_window(window), m_over(std::move(over)) {
    window.installEventFilter(this);
}

CentredPlacement::~CentredPlacement() {
    stopWatching();
}

void CentredPlacement::place() {
    const QRect available =
        m_window.screen() != nullptr ? m_window.screen()->availableGeometry() : QRect();
    QRect over = m_over ? m_over() : QRect();
    if (!over.isValid()) over = available;
    // The frame as the toolkit knows it, or else as the manager has set it on the window.
    QSize frame = m_window.frameGeometry().size();
    std::optional<QMargins> extents;
    if (frame == m_window.size()) {
        extents = managerFrameExtents(m_window);
        if (extents) frame = m_window.size().grownBy(*extents);
    }
    m_framed = frame != m_window.size();
    if (m_framed && m_managed) stopWatching();
    const QPoint topLeft = centredFrame(frame, over, available);
    if (extents && m_framed) {
        // The toolkit does not know the frame yet and would take the frame's place for the
        // client's: the client is placed inside the frame where it will be.
        m_window.setGeometry(
            QRect(topLeft + QPoint(extents->left(), extents->top()), m_window.size()));
    } else {
        m_window.move(topLeft);
    }
}

void CentredPlacement::stopWatching() {
    if (!m_watching) return;
    m_watching = false;
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CentredPlacement::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t" || m_window.windowHandle() == nullptr) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    if (property->window != static_cast<xcb_window_t>(m_window.windowHandle()->winId()))
        return false;
    if (property->atom == m_stateAtom && !m_managed) {
        // The manager has mapped the window, after any placement of its own: placed once more,
        // at once (the toolkit has taken the manager's configure before this event, and a move
        // of the user's can only come after it).
        m_managed = true;
        place();
    } else if (property->atom == m_extentsAtom && !m_framed) {
        // The manager has framed the window: placed once more with its frame, after this event.
        QTimer::singleShot(0, this, [this] {
            if (!m_framed && m_exposed) place();
        });
    }
    return false;
}

bool CentredPlacement::eventFilter(QObject* watched, QEvent* event) {
    // Once, when the window is first shown: a window the user has moved stays where it is.
    if (watched == &m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        if (xcb_connection_t* c = x11Connection()) {
            m_extentsAtom = frameExtentsAtom(c);
            m_stateAtom = atomNamed(c, "WM_STATE");
            m_watching = true;
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
        place();
        // The frame is known once the window is exposed; it is placed once more then.
        if (QWindow* handle = m_window.windowHandle()) handle->installEventFilter(this);
    } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose &&
               !m_exposed && m_window.windowHandle()->isExposed()) {
        m_exposed = true;
        m_window.windowHandle()->removeEventFilter(this);
        place();
    } else if (watched == &m_window && m_shown && !m_framed &&
               (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
               m_window.frameGeometry().size() != m_window.size()) {
        // A window manager's frame that comes after the window was exposed: placed once more
        // with it, as the window's first move.
        place();
    }
    return false;
}

KeptPlacement::KeptPlacement(QWidget& window, platform::Preferences* preferences, QString key,
                             std::function<QRect()> over)
    : QObject(&window), m_window(window), m_preferences(preferences), m_key(std::move(key)) {
    const QByteArray kept =
        m_preferences != nullptr ? m_preferences->value(m_key).toByteArray() : QByteArray();
    bool restored = !kept.isEmpty() && m_window.restoreGeometry(kept);
    if (restored) {
        // A place no screen shows any more is no place to open at.
        const QScreen* at = QGuiApplication::screenAt(m_window.geometry().center());
        restored = at != nullptr;
        // A size kept from a larger screen, or another scale, is made to fit this one (room left
        // for the manager's frame), and the window opens centred again.
        const QScreen* screen = at != nullptr ? at : QGuiApplication::primaryScreen();
        const QSize room =
            screen != nullptr ? screen->availableGeometry().size() - QSize(16, 48) : QSize();
        if (screen != nullptr &&
            (m_window.width() > room.width() || m_window.height() > room.height())) {
            m_window.resize(m_window.size().boundedTo(room));
            restored = false;
        }
    }
    if (!restored) m_centred = new CentredPlacement(window, std::move(over));
    window.installEventFilter(this);
}

bool KeptPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Hide && m_preferences != nullptr)
        m_preferences->setValue(m_key, m_window.saveGeometry());
    return false;
}

}  // namespace kelvarin::gui
