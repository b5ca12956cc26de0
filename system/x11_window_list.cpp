// SPDX-License-Identifier: MIT
// The X11 display's top-level windows, through xcb.

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include "system/x11_window_list.h"

namespace kelvarin::platform {

namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// How long a display may take to answer before it counts as no display.
constexpr int kAnswerMs = 2000;

// Milliseconds left of the time allowed since start.
int left(const QElapsedTimer& start) {
    return static_cast<int>(std::max<qint64>(0, kAnswerMs - start.elapsed()));
}

// Connects fd to the address within the time allowed.
bool connectWithin(int fd, const sockaddr* address, socklen_t length, const QElapsedTimer& start) {
    if (::connect(fd, address, length) == 0) return true;
    if (errno != EINPROGRESS && errno != EAGAIN) return false;
    pollfd p{fd, POLLOUT, 0};
    if (::poll(&p, 1, left(start)) != 1) return false;
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

// Whether the X server of the display name answers a connection's first request within the
// time allowed: a socket that accepts and never answers would otherwise hold xcb_connect for
// ever. The request carries no authorisation; any answer, a refusal included, is an answer.
// Display names this does not read ("host/unix:..." forms) are left to xcb.
bool answersInTime(const QByteArray& display) {
    QElapsedTimer start;
    start.start();
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0) return false;
    QByteArray host = display.left(colon);
    const QByteArray number = display.mid(colon + 1).split('.').value(0);
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || n < 0) return true;
    if (host.startsWith("unix/")) host = host.mid(5);
    std::vector<std::pair<sockaddr_storage, socklen_t>> addresses;
    if (host.isEmpty() || host == "unix") {
        // The abstract socket first, as xcb tries it, then the one in the file system.
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(n);
        for (const bool abstract : {true, false}) {
            sockaddr_storage storage{};
            auto* un = reinterpret_cast<sockaddr_un*>(&storage);
            un->sun_family = AF_UNIX;
            const qsizetype at = abstract ? 1 : 0;
            std::memcpy(un->sun_path + at, path.constData(), static_cast<size_t>(path.size()));
            addresses.emplace_back(storage, static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                                                   at + path.size()));
        }
    } else {
        if (host.startsWith("tcp/")) host = host.mid(4);
        addrinfo hints{};
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const QByteArray port = QByteArray::number(6000 + n);
        if (::getaddrinfo(host.constData(), port.constData(), &hints, &found) != 0) return false;
        for (addrinfo* a = found; a != nullptr; a = a->ai_next) {
            sockaddr_storage storage{};
            std::memcpy(&storage, a->ai_addr, a->ai_addrlen);
            addresses.emplace_back(storage, a->ai_addrlen);
        }
        ::freeaddrinfo(found);
    }
    for (const auto& [storage, length] : addresses) {
        const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) continue;
        bool answered = false;
        if (connectWithin(fd, reinterpret_cast<const sockaddr*>(&storage), length, start)) {
            // The connection set-up of the X protocol 11.0, least significant byte first, with
            // no authorisation.
            const char request[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            if (::send(fd, request, sizeof request, MSG_NOSIGNAL) == sizeof request) {
                pollfd p{fd, POLLIN, 0};
                answered = ::poll(&p, 1, left(start)) == 1 && (p.revents & POLLIN);
            }
        }
        ::close(fd);
        if (answered) return true;
        if (left(start) == 0) return false;
    }
    return false;
}

// One connection to the display for the length of a call.
class Display {
  public:
    Display() {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0') return;
        // A display that does not answer in time counts as no display at all.
        if (!answersInTime(QByteArray(name))) return;
        int screenNumber = 0;
        m_connection = xcb_connect(name, &screenNumber);
        if (xcb_connection_has_error(m_connection)) return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int k = 0; k < screenNumber && it.rem > 0; ++k)
            xcb_screen_next(&it);
        if (it.rem > 0) m_root = it.data->root;
    }
    ~Display() {
        if (m_connection != nullptr) xcb_disconnect(m_connection);
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool usable() const { return m_connection != nullptr && m_root != XCB_NONE; }
    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    xcb_atom_t atom(const char* name) const {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            m_connection,
            xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    // A property's bytes and type; empty when the window has none.
    QByteArray property(xcb_window_t window, xcb_atom_t property, xcb_atom_t* type = nullptr,
                        uint32_t longs = 1u << 16) const {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 0, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, longs),
                                   nullptr));
        if (!reply || reply->type == XCB_ATOM_NONE) return QByteArray();
        if (type != nullptr) *type = reply->type;
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    bool hasProperty(xcb_window_t window, xcb_atom_t property) const {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
            nullptr));
        return reply && reply->type != XCB_ATOM_NONE;
    }

    QList<xcb_window_t> children(xcb_window_t window) const {
        Reply<xcb_query_tree_reply_t> reply(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
        QList<xcb_window_t> list;
        if (!reply) return list;
        const xcb_window_t* c = xcb_query_tree_children(reply.get());
        const int n = xcb_query_tree_children_length(reply.get());
        for (int k = 0; k < n; ++k)
            list << c[k];
        return list;
    }

    // The window list of a window manager that follows the desktop conventions, if one runs.
    bool managerWindows(QList<xcb_window_t>& windows) const {
        const QByteArray check = property(m_root, atom("_NET_SUPPORTING_WM_CHECK"));
        if (check.size() < 4) return false;
        xcb_window_t manager = 0;
        std::memcpy(&manager, check.constData(), 4);
        if (property(manager, atom("_NET_SUPPORTING_WM_CHECK")).size() < 4) return false;
        const QByteArray list = property(m_root, atom("_NET_CLIENT_LIST"));
        windows.clear();
        for (qsizetype k = 0; k + 4 <= list.size(); k += 4) {
            xcb_window_t w = 0;
            std::memcpy(&w, list.constData() + k, 4);
            windows << w;
        }
        return true;
    }

    // The client inside a frame: the first window down the tree that carries WM_STATE.
    xcb_window_t client(xcb_window_t window, xcb_atom_t wmState, int depth = 0) const {
        if (hasProperty(window, wmState)) return window;
        if (depth >= 4) return XCB_NONE;
        for (const xcb_window_t child : children(window)) {
            if (const xcb_window_t found = client(child, wmState, depth + 1)) return found;
        }
        return XCB_NONE;
    }

    QString title(xcb_window_t window) const {
        const QByteArray name = property(window, atom("_NET_WM_NAME"));
        if (!name.isEmpty()) return QString::fromUtf8(name);
        xcb_atom_t type = XCB_ATOM_NONE;
        const QByteArray old = property(window, XCB_ATOM_WM_NAME, &type);
        return type == atom("UTF8_STRING") ? QString::fromUtf8(old) : QString::fromLatin1(old);
    }

    void sendClientMessage(xcb_window_t to, xcb_window_t about, xcb_atom_t type,
                           const uint32_t (&data)[5], uint32_t mask) const {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = about;
        event.type = type;
        std::memcpy(event.data.data32, data, sizeof data);
        xcb_send_event(m_connection, 0, to, mask, reinterpret_cast<const char*>(&event));
        sync();
    }

    // Waits until the server has handled every request: a connection closed right after a
    // request may otherwise go before the request is carried out.
    void sync() const {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

  private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
};

}  // namespace

QList<TopWindow> X11WindowList::windows() const {
    QList<TopWindow> result;
    Display display;
    if (!display.usable()) return result;
    QList<xcb_window_t> windows;
    if (!display.managerWindows(windows)) {
        // The root's children come bottom first: the top of the stack leads.
        const QList<xcb_window_t> stack = display.children(display.root());
        const xcb_atom_t wmState = display.atom("WM_STATE");
        // NOLINTNEXTLINE(modernize-loop-convert): walked from the end
        for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
            const xcb_window_t client = display.client(*it, wmState);
            windows << (client != XCB_NONE ? client : *it);
        }
    }
    for (const xcb_window_t w : windows)
        result << TopWindow{static_cast<qint32>(w), display.title(w)};
    return result;
}

bool X11WindowList::close(qint32 handle) {
    Display display;
    if (!display.usable()) return false;
    const xcb_window_t window = static_cast<xcb_window_t>(handle);
    Reply<xcb_get_window_attributes_reply_t> exists(xcb_get_window_attributes_reply(
        display.connection(), xcb_get_window_attributes(display.connection(), window), nullptr));
    if (!exists) return false;
    // Only a window that can be asked to close is asked; one that cannot is left open rather
    // than its whole program killed with the work it has not saved.
    const xcb_atom_t protocols = display.atom("WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = display.atom("WM_DELETE_WINDOW");
    const QByteArray list = display.property(window, protocols);
    bool polite = false;
    for (qsizetype k = 0; k + 4 <= list.size(); k += 4) {
        xcb_atom_t a = 0;
        std::memcpy(&a, list.constData() + k, 4);
        polite = polite || a == deleteWindow;
    }
    if (!polite) return false;
    const uint32_t data[5] = {deleteWindow, XCB_CURRENT_TIME, 0, 0, 0};
    display.sendClientMessage(window, window, protocols, data, XCB_EVENT_MASK_NO_EVENT);
    return true;
}

}  // namespace kelvarin::platform
