// SPDX-License-Identifier: MIT
#pragma once

// A real X server for the tests that need one: Xvfb on a free display, started by the test and
// stopped when it ends; optionally a window manager on it. (Link the test with xcb.)

#include <QList>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace kelvarin::testing {

class XvfbServer {
  public:
    // Starts Xvfb on a display it finds free itself (it reports the number on its standard
    // output), waits until it works and points DISPLAY at it.
    bool start() {
        m_server.start(
            QStringLiteral("Xvfb"),
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
             QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
             QStringLiteral("tcp"), QStringLiteral("-noreset")});
        if (!m_server.waitForStarted(5000)) return false;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        bool ok = false;
        const int n = number.trimmed().toInt(&ok);
        if (!ok) return false;
        m_display = QStringLiteral(":%1").arg(n);
        for (int wait = 0; wait < 100 && m_server.state() == QProcess::Running; ++wait) {
            if (answers()) {
                qputenv("DISPLAY", m_display.toUtf8());
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

    // Starts a window manager (openbox) on the display; false when none can be had. With
    // waitUntilManaging, returns once the manager has announced itself on the root window.
    bool startWindowManager(bool waitUntilManaging = false) {
        m_manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_manager.waitForStarted(5000)) return false;
        if (!waitUntilManaging) return true;
        for (int wait = 0; wait < 400; ++wait) {
            if (managerAnnounced()) return managerFramesAWindow();
            QThread::msleep(25);
        }
        return false;
    }
    void stopWindowManager() {
        m_manager.terminate();
        if (!m_manager.waitForFinished(3000)) m_manager.kill();
        m_manager.waitForFinished();
    }

    ~XvfbServer() {
        stopWindowManager();
        m_server.terminate();
        if (!m_server.waitForFinished(3000)) m_server.kill();
        m_server.waitForFinished();
    }

    QString display() const { return m_display; }

  private:
    // Whether a window manager following the desktop conventions runs on the display.
    bool managerAnnounced() const {
        const QByteArray name = m_display.toLocal8Bit();
        xcb_connection_t* c = xcb_connect(name.constData(), nullptr);
        bool announced = false;
        if (!xcb_connection_has_error(c)) {
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
            const char* check = "_NET_SUPPORTING_WM_CHECK";
            xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
                c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(check)), check),
                nullptr);
            if (atom != nullptr && atom->atom != XCB_ATOM_NONE) {
                xcb_get_property_reply_t* p = xcb_get_property_reply(
                    c, xcb_get_property(c, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                    nullptr);
                announced = p != nullptr && xcb_get_property_value_length(p) == 4;
                std::free(p);
            }
            std::free(atom);
        }
        xcb_disconnect(c);
        return announced;
    }

    // Whether the manager has finished starting. A manager announces itself on the root window
    // before it has set up the rest of its state and entered its event loop; openbox drops a
    // request to show a window that comes in between, so that window is never shown (the
    // test's first window never exposed), and a program that connects early reads a list of
    // supported hints without the frame extents. So probe windows are shown, one after another,
    // until the manager frames one (its frame extents set, its state normal): from then on it
    // answers. The probe is destroyed and gone from the manager's list before the test's
    // program connects.
    bool managerFramesAWindow() const {
        const QByteArray name = m_display.toLocal8Bit();
        xcb_connection_t* c = xcb_connect(name.constData(), nullptr);
        bool framed = false;
        if (!xcb_connection_has_error(c)) {
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
            const xcb_atom_t supported = atom(c, "_NET_SUPPORTED");
            const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
            const xcb_atom_t state = atom(c, "WM_STATE");
            const xcb_atom_t clients = atom(c, "_NET_CLIENT_LIST");
            // Waits up to ms for the condition, in steps of 25 ms.
            auto within = [](int ms, auto&& condition) {
                for (int waited = 0; waited < ms; waited += 25) {
                    if (condition()) return true;
                    QThread::msleep(25);
                }
                return condition();
            };
            // The probes: 40 of half a second each at most.
            for (int attempt = 0; attempt < 40 && !framed; ++attempt) {
                const xcb_window_t probe = xcb_generate_id(c);
                xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 64, 64, 0,
                                  XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
                xcb_map_window(c, probe);
                xcb_flush(c);
                framed = within(500, [&] {
                    return words(c, screen->root, supported, XCB_ATOM_ATOM).contains(extents) &&
                           words(c, probe, extents, XCB_ATOM_CARDINAL).size() == 4 &&
                           !words(c, probe, state, state).isEmpty();
                });
                xcb_destroy_window(c, probe);
                xcb_flush(c);
                if (framed) {
                    framed = within(10000, [&] {
                        return !words(c, screen->root, clients, XCB_ATOM_WINDOW).contains(probe);
                    });
                    break;
                }
            }
        }
        xcb_disconnect(c);
        return framed;
    }

    static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    }

    // The 32-bit words of a window's property (nothing when it is not set).
    static QList<quint32> words(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                xcb_atom_t type) {
        QList<quint32> values;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
        if (reply != nullptr && reply->format == 32) {
            const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
            for (int k = 0; k < xcb_get_property_value_length(reply) / 4; ++k)
                values << data[k];
        }
        std::free(reply);
        return values;
    }

    // The server is up once an event sent from one client reaches another: just after its
    // socket appears it still answers requests but may drop what is sent between clients.
    bool answers() const {
        const QByteArray name = m_display.toLocal8Bit();
        xcb_connection_t* owner = xcb_connect(name.constData(), nullptr);
        xcb_connection_t* sender = xcb_connect(name.constData(), nullptr);
        bool arrived = false;
        if (!xcb_connection_has_error(owner) && !xcb_connection_has_error(sender)) {
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(owner)).data;
            const xcb_window_t window = xcb_generate_id(owner);
            xcb_create_window(owner, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                              XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            std::free(xcb_get_input_focus_reply(owner, xcb_get_input_focus(owner), nullptr));
            for (int attempt = 0; attempt < 100 && !arrived; ++attempt) {
                xcb_client_message_event_t event{};
                event.response_type = XCB_CLIENT_MESSAGE;
                event.format = 32;
                event.window = window;
                xcb_send_event(sender, 0, window, XCB_EVENT_MASK_NO_EVENT,
                               reinterpret_cast<const char*>(&event));
                std::free(xcb_get_input_focus_reply(sender, xcb_get_input_focus(sender), nullptr));
                QThread::msleep(20);
                while (xcb_generic_event_t* e = xcb_poll_for_event(owner)) {
                    arrived = arrived || (e->response_type & 0x7F) == XCB_CLIENT_MESSAGE;
                    std::free(e);
                }
            }
        }
        xcb_disconnect(sender);
        xcb_disconnect(owner);
        return arrived;
    }

    QString m_display;
    QProcess m_server;
    QProcess m_manager;
};

}  // namespace kelvarin::testing
