// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <QDir>
#include <QFileInfo>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "system/x11_window_list.h"
#include "xvfb_test_main.h"

using namespace kelvarin;
using namespace kelvarin::platform;

namespace {

// A real window of the test's own, with a title, that asks to be closed politely.
class TestWindow {
  public:
    explicit TestWindow(const QByteArray& title, bool polite = true) {
        m_c = xcb_connect(nullptr, nullptr);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_window = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, 10, 10, 200, 100, 1,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, atom("_NET_WM_NAME"),
                            atom("UTF8_STRING"), 8, static_cast<uint32_t>(title.size()),
                            title.constData());
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, 5, "plain");
        const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
        if (polite)
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, atom("WM_PROTOCOLS"),
                                XCB_ATOM_ATOM, 32, 1, &deleteWindow);
        xcb_map_window(m_c, m_window);
        xcb_flush(m_c);
    }
    ~TestWindow() { xcb_disconnect(m_c); }

    qint32 handle() const { return static_cast<qint32>(m_window); }

    // Whether the window (and so its program's connection) is still there.
    bool alive() {
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        if (xcb_connection_has_error(m_c)) return false;
        auto* reply =
            xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, m_window), nullptr);
        std::free(reply);
        return reply != nullptr;
    }

    // Whether a close request (WM_DELETE_WINDOW) arrives within the time.
    bool closeRequested(int ms) {
        QElapsedTimer timer;
        timer.start();
        const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
        while (timer.elapsed() < ms) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
                bool asked = false;
                if ((e->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
                    const auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
                    asked = m->data.data32[0] == deleteWindow;
                }
                std::free(e);
                if (asked) return true;
            }
            QThread::msleep(10);
        }
        return false;
    }

  private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r != nullptr ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_window = 0;
};

// Waits until the list holds the window (a window manager takes a moment to manage it).
bool listed(const X11WindowList& list, qint32 handle, QString& title, int tries = 200) {
    for (int k = 0; k < tries; ++k) {
        for (const TopWindow& w : list.windows()) {
            if (w.handle == handle) {
                title = w.title;
                return true;
            }
        }
        QThread::msleep(20);
    }
    return false;
}

// Whether a window manager announces itself on the root window.
bool managerRunning() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const char* name = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* a = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    xcb_get_property_reply_t* p = xcb_get_property_reply(
        c, xcb_get_property(c, 0, screen->root, a->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool running = p != nullptr && xcb_get_property_value_length(p) == 4;
    std::free(p);
    std::free(a);
    xcb_disconnect(c);
    return running;
}

}  // namespace

class X11WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void findAndClose_data();
    void findAndClose();
    void withoutDisplay();
    void displayThatNeverAnswers();
};

void X11WindowsTest::findAndClose_data() {
    QTest::addColumn<bool>("manager");
    QTest::newRow("without a window manager") << false;
    QTest::newRow("with a window manager") << true;
}

void X11WindowsTest::findAndClose() {
    QFETCH(bool, manager);
    if (manager && !testing::runningServer()->startWindowManager())
        QSKIP("no window manager to be had");
    X11WindowList list;
    // Managed windows come from the manager's client list once it runs. The manager announces
    // itself before it manages windows: a probe window shows when it does.
    for (int k = 0; manager && !managerRunning() && k < 100; ++k)
        QThread::msleep(50);
    QCOMPARE(managerRunning(), manager);
    bool managing = !manager;
    for (int k = 0; !managing && k < 10; ++k) {
        TestWindow probe("probe");
        QString ignored;
        managing = listed(list, probe.handle(), ignored, 50);
    }
    QVERIFY(managing);
    TestWindow window("Kelvarin 数码管 test");
    QString title;
    QVERIFY(listed(list, window.handle(), title));
    QCOMPARE(title, QStringLiteral("Kelvarin 数码管 test"));
    QVERIFY(list.close(window.handle()));
    QVERIFY(window.closeRequested(3000));
    QVERIFY(!list.close(0x7FFFFFF));  // no such window
    // A window that cannot be asked to close is left open, its program alive.
    TestWindow rude("Kelvarin rude test", false);
    QVERIFY(listed(list, rude.handle(), title));
    QVERIFY(!list.close(rude.handle()));
    QThread::msleep(200);
    QVERIFY(rude.alive());
    if (manager) testing::runningServer()->stopWindowManager();
}

void X11WindowsTest::withoutDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    X11WindowList list;
    QVERIFY(list.windows().isEmpty());
    QVERIFY(!list.close(1));
    qputenv("DISPLAY", ":99999");  // nothing there
    QVERIFY(list.windows().isEmpty());
    qputenv("DISPLAY", display);
}

void X11WindowsTest::displayThatNeverAnswers() {
    // A socket where a display's would be, that takes connections and never answers.
    QDir().mkpath(QStringLiteral("/tmp/.X11-unix"));
    int n = 700 + static_cast<int>(::getpid() % 200);
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
        ++n;
    const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(n);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        QSKIP("no place for a display socket");
    QCOMPARE(::listen(fd, 4), 0);
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":" + QByteArray::number(n));
    X11WindowList list;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(list.windows().isEmpty());
    QVERIFY(!list.close(1));
    const qint64 took = timer.elapsed();
    qputenv("DISPLAY", display);
    ::close(fd);
    ::unlink(path.constData());
    QVERIFY2(took < 10000, qPrintable(QStringLiteral("%1 ms").arg(took)));
}

KELVARIN_XVFB_TEST_MAIN(X11WindowsTest, QCoreApplication, Nothing)

#include "test_x11_windows.moc"
