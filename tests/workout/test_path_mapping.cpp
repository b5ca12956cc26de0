// SPDX-License-Identifier: MIT
#include <QTest>

#include "outcome.h"
#include "workout/internal/path_mapping.h"

using namespace kelvarin;
using namespace kelvarin::testing;
using platform::Drive;

class PathMappingTest : public QObject {
    Q_OBJECT
  private slots:
    void paths_data();
    void paths();
};

void PathMappingTest::paths_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("linux");
    QTest::addColumn<QString>("back");  // the path text that the Linux path maps back to
    QTest::newRow("root drive") << "C:\\home\\ana\\a.txt"
                                << "/home/ana/a.txt"
                                << "C:\\home\\ana\\a.txt";
    QTest::newRow("small letter") << "c:\\etc"
                                  << "/etc"
                                  << "C:\\etc";
    QTest::newRow("drive root") << "D:\\"
                                << "/media/usb/"
                                << "D:\\";
    QTest::newRow("drive alone") << "D:"
                                 << "/media/usb/"
                                 << "D:\\";
    QTest::newRow("other drive") << "D:\\dir\\f"
                                 << "/media/usb/dir/f"
                                 << "D:\\dir\\f";
    QTest::newRow("longest mount wins") << "E:\\x"
                                        << "/media/usb/inner/x"
                                        << "E:\\x";
    QTest::newRow("plain Linux path") << "/home/ana/a b.txt"
                                      << "/home/ana/a b.txt"
                                      << "C:\\home\\ana\\a b.txt";
    QTest::newRow("relative") << "dir\\f.txt"
                              << "dir/f.txt"
                              << "dir/f.txt";
    QTest::newRow("no such drive") << "Q:\\x"
                                   << "!76"
                                   << "";
    QTest::newRow("never above the drive's root") << "D:\\..\\..\\..\\etc\\passwd"
                                                  << "/media/usb/etc/passwd"
                                                  << "D:\\etc\\passwd";
    QTest::newRow("dots inside the drive") << "D:\\a\\.\\b\\..\\c\\"
                                           << "/media/usb/a/c/"
                                           << "D:\\a\\c\\";
    QTest::newRow("above the root drive") << "C:\\..\\etc"
                                          << "/etc"
                                          << "C:\\etc";
    QTest::newRow("share of another machine") << "\\\\server\\share\\f"
                                              << "!76"
                                              << "";
    QTest::newRow("share written half with slashes") << "/\\server\\share"
                                                     << "!76"
                                                     << "";
    QTest::newRow("name with NUL") << QStringLiteral("D:\\a%1b").arg(QChar(0)) << "!52"
                                   << "";
    QTest::newRow("prefix is not a folder") << "C:\\media\\usbx"
                                            << "/media/usbx"
                                            << "C:\\media\\usbx";
}

void PathMappingTest::paths() {
    QFETCH(QString, text);
    QFETCH(QString, linux);
    QFETCH(QString, back);
    QList<Drive> drives(3);
    drives[0].letter = u'C', drives[0].mountPoint = QStringLiteral("/");
    drives[1].letter = u'D', drives[1].mountPoint = QStringLiteral("/media/usb");
    drives[2].letter = u'E', drives[2].mountPoint = QStringLiteral("/media/usb/inner");
    expectText([&] { return toLinuxPath(text, drives); }, linux);
    if (!linux.startsWith(u'!')) QCOMPARE(toPathText(linux, drives), back);
}

QTEST_APPLESS_MAIN(PathMappingTest)
#include "test_path_mapping.moc"
