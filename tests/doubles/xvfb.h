// SPDX-License-Identifier: MIT
#pragma once

// A real X server for the tests that need one: Xvfb on a free display, started by the test and
// stopped when it ends; optionally a window manager on it. (Link the test with xcb.)

#include <QProcess>
#include <QThread>

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
        for (int wait = 0; waitUntilManaging && wait < 200; ++wait) {
            if (managerAnnounced()) return true;
            QThread::msleep(25);
        }
        return !waitUntilManaging;
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
