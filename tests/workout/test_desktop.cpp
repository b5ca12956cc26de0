// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void windowSearch_data();
    void windowSearch();
    void desktopFolder();
    void folderDialog_data();
    void folderDialog();
    void copy_data();
    void copy();
    void copyOntoLinkAsks();
    void copyIntoUnwritableFolder();

  private:
    QString onD(const QString& name) const { return QStringLiteral("D:\\") + name; }
    QTemporaryDir* m_dir = nullptr;
    FixedDrives m_drives;
    FixedWindows m_windows;
    ScriptedDialogs m_dialogs;
    platform::Services m_services;
};

void DesktopTest::init() {
    m_dir = new QTemporaryDir;
    m_drives = FixedDrives();
    m_drives.add(u'C', QStringLiteral("/"), platform::drive::Fixed);
    m_drives.add(u'D', m_dir->path(), platform::drive::Fixed);
    m_windows = FixedWindows();
    m_windows.list = {{11, QString()},
                      {12, QStringLiteral("Kelvarin      design")},
                      {13, QStringLiteral("sponsor")},
                      {14, QStringLiteral("SPONSOR")},
                      {15, QStringLiteral("Terminal")}};
    m_dialogs = ScriptedDialogs();
    m_services = platform::Services();
    m_services.drives = &m_drives;
    m_services.windows = &m_windows;
    m_services.dialogs = &m_dialogs;
}

void DesktopTest::cleanup() {
    delete m_dir;
}

void DesktopTest::windowSearch_data() {
    QTest::addColumn<QString>("include");
    QTest::addColumn<bool>("same");
    QTest::addColumn<QVariant>("handle");
    QTest::newRow("part of a title") << "KELVARIN" << false << QVariant(qint32(12));
    QTest::newRow("whole title only") << "Kelvarin" << true << QVariant();
    QTest::newRow("whole title, case ignored") << "TERMINAL" << true << QVariant(qint32(15));
    QTest::newRow("first of the same title") << "Sponsor" << true << QVariant(qint32(13));
    QTest::newRow("missing") << "Editor" << false << QVariant();
    QTest::newRow("empty text") << "" << false << QVariant();
}

void DesktopTest::windowSearch() {
    QFETCH(QString, include);
    QFETCH(bool, same);
    QFETCH(QVariant, handle);
    workOut w(m_services);
    QCOMPARE(w.iFExist2Exit(include, same, false), handle);
    QVERIFY(m_windows.closed.isEmpty());
    QCOMPARE(w.iFExist2Exit(include, same, true), handle);
    // Only the window found is asked to close.
    QCOMPARE(m_windows.closed, handle.isValid() ? QList<qint32>{handle.toInt()} : QList<qint32>{});
}

void DesktopTest::desktopFolder() {
    FixedFolders folders;
    folders.desktopFolder = m_dir->path() + QStringLiteral("/桌面");
    m_services.folders = &folders;
    workOut w(m_services);
    QCOMPARE(w.GetDESKTOP(), QStringLiteral("D:\\桌面\\"));
    m_services.drives = nullptr;  // without the drive table the path stays a Linux path
    QCOMPARE(workOut(m_services).GetDESKTOP(), m_dir->path() + QStringLiteral("/桌面\\"));
}

void DesktopTest::folderDialog_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("result");
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("a folder") << "sub"
                              << "D:\\sub\\";
    QTest::newRow("the root") << "/"
                              << "C:\\";
}

void DesktopTest::folderDialog() {
    QFETCH(QString, chosen);
    QFETCH(QString, result);
    m_dialogs.folder = chosen == u"sub" ? m_dir->filePath(chosen) : chosen;
    workOut w(m_services);
    QCOMPARE(w.GetShowFolders(4711, QStringLiteral("选择文件夹")), result);
    QCOMPARE(m_dialogs.owners, QList<qint32>{4711});
    m_services.dialogs = nullptr;
    QCOMPARE(workOut(m_services).GetShowFolders(0, QString()), QString());
}

void DesktopTest::copy_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("existing");  // out/a.txt holds "old a" before
    QTest::addColumn<QByteArray>("a");   // what out/a.txt holds afterwards
    QTest::addColumn<QByteArray>("b");
    const QByteArray missing("<missing>");
    QTest::newRow("two files") << QStringList{"D:\\a.txt", "", "D:\\b.txt"} << "D:\\out" << false
                               << 0 << false << QByteArray("new a") << QByteArray("b");
    QTest::newRow("missing file skipped")
        << QStringList{"D:\\none.txt", "D:\\b.txt"} << "D:\\out" << false << 0 << true
        << QByteArray("old a") << QByteArray("b");
    QTest::newRow("all missing") << QStringList{"D:\\none.txt"} << "D:\\out" << false << 0 << false
                                 << missing << missing;
    QTest::newRow("existing kept") << QStringList{"D:\\a.txt"} << "D:\\out" << false << 0 << true
                                   << QByteArray("old a") << missing;
    QTest::newRow("existing replaced") << QStringList{"D:\\a.txt"} << "D:\\out\\" << true << 0
                                       << true << QByteArray("new a") << missing;
    QTest::newRow("no folder") << QStringList{"D:\\a.txt"} << "" << true << 1 << true
                               << QByteArray("old a") << missing;
    QTest::newRow("backslash") << QStringList{"D:\\a.txt"} << "\\" << true << 2 << true
                               << QByteArray("old a") << missing;
    // A destination on no drive is no folder: nothing is written anywhere (the current folder
    // included), and the failure is shown.
    QTest::newRow("drive not in the table")
        << QStringList{"D:\\a.txt"} << "Q:\\out" << true << 0 << false << missing << missing;
    QTest::newRow("share of another machine") << QStringList{"D:\\a.txt"} << "\\\\server\\out"
                                              << true << 0 << false << missing << missing;
}

void DesktopTest::copy() {
    QFETCH(QStringList, files);
    QFETCH(QString, to);
    QFETCH(bool, replace);
    QFETCH(int, result);
    QFETCH(bool, existing);
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("a.txt")), "new a"));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("b.txt")), "b"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("out")));
    if (existing) QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("out/a.txt")), "old a"));
    m_dialogs.replace = replace;
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cwd")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir->filePath(QStringLiteral("cwd")));
    workOut w(m_services);
    const qint32 got = w.windowsCopyFile(files, to);
    QDir::setCurrent(before);
    QCOMPARE(got, result);
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("cwd"))).isEmpty());
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("out/a.txt"))), a);
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("out/b.txt"))), b);
    // Nothing but the files themselves is left in the folder.
    for (const QString& name :
         QDir(m_dir->filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name == u"a.txt" || name == u"b.txt", qPrintable(name));
    if (result == 0) QVERIFY(m_dialogs.finished);
}

void DesktopTest::copyOntoLinkAsks() {
    // A link that leads nowhere is a name taken all the same: the user is asked first.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("a.txt")), "new a"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("out")));
    const QString link = m_dir->filePath(QStringLiteral("out/a.txt"));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("nowhere")), link));
    m_dialogs.replace = false;
    workOut(m_services).windowsCopyFile({QStringLiteral("D:\\a.txt")}, QStringLiteral("D:\\out"));
    QCOMPARE(m_dialogs.asked, QStringList{link});
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("nowhere"))));
}

void DesktopTest::copyIntoUnwritableFolder() {
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("a.txt")), QByteArray(3 << 20, 'n')));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("out")));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("out/a.txt")), "old a"));
    QFile::setPermissions(m_dir->path(),
                          QFile::permissions(m_dir->path()) | QFile::ExeOther | QFile::ReadOther);
    QFile::setPermissions(m_dir->filePath(QStringLiteral("a.txt")),
                          QFile::ReadOwner | QFile::ReadOther);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QFile::setPermissions(out,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    m_dialogs.replace = true;
    const int code = runInChild({true, -1}, [&] {
        workOut w(m_services);
        w.windowsCopyFile({QStringLiteral("D:\\a.txt")}, QStringLiteral("D:\\out"));
        return m_dialogs.failed.size() == 1 ? 0 : 1;  // the failure was shown
    });
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(code, 0);
    QCOMPARE(readBytes(out + QStringLiteral("/a.txt")), QByteArray("old a"));
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
    // A copy cancelled half way leaves nothing either.
    m_dialogs.cancelAfter = 1 << 20;
    QVERIFY(QFile::remove(out + QStringLiteral("/a.txt")));
    workOut(m_services).windowsCopyFile({QStringLiteral("D:\\a.txt")}, QStringLiteral("D:\\out"));
    QVERIFY(QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_APPLESS_MAIN(DesktopTest)
#include "test_desktop.moc"
