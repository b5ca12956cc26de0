// SPDX-License-Identifier: MIT
#include <QTest>

#include "system/mount_drives.h"

using namespace kelvarin::platform;

namespace {

// Folders and removable devices as a test says.
class FakeProbe : public MountProbe {
  public:
    QStringList files;          // mount points that are files
    QList<quint32> removables;  // majors of removable devices
    bool isFolder(const QString& mountPoint) const override { return !files.contains(mountPoint); }
    bool removable(quint32 major, quint32) const override { return removables.contains(major); }
    Drive root() const override {
        Drive d;
        d.fileSystem = QStringLiteral("tmpfs");
        return d;
    }
};

QString laptop() {
    return QStringLiteral(
        "22 28 0:21 / /proc rw,nosuid - proc proc rw\n"
        "23 28 0:22 / /sys rw,nosuid - sysfs sysfs rw\n"
        "24 28 0:5 / /dev rw,nosuid - devtmpfs udev rw\n"
        "25 24 0:23 / /dev/pts rw - devpts devpts rw\n"
        "26 28 0:24 / /run rw - tmpfs tmpfs rw\n"
        "28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
        "29 23 0:26 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
        "30 28 259:1 / /boot/efi rw - vfat /dev/nvme0n1p1 rw\n"
        "31 28 0:27 / /tmp rw - tmpfs tmpfs rw\n"
        "40 26 0:45 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "41 28 8:17 / /media/ana/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
        "42 28 11:0 / /media/ana/CDROM ro - iso9660 /dev/sr0 ro\n"
        "43 28 0:50 / /home/ana/nas rw - nfs4 nas:/volume1 rw\n"
        "44 28 0:51 / /home/ana/remote rw - fuse.sshfs ana@host: rw\n"
        "45 26 8:33 / /run/media/ana/KINGSTON rw - exfat /dev/sdc1 rw\n"
        "46 28 0:52 / /mnt/ram rw - ramfs ramfs rw\n");
}

QString container() {
    return QStringLiteral(
        "500 400 0:60 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u\n"
        "501 500 0:62 / /proc rw - proc proc rw\n"
        "502 500 0:63 / /dev rw - tmpfs tmpfs rw\n"
        "503 502 0:64 / /dev/pts rw - devpts devpts rw\n"
        "504 500 0:65 / /sys ro - sysfs sysfs ro\n"
        "505 502 0:59 / /dev/mqueue rw - mqueue mqueue rw\n"
        "506 500 254:1 /data /srv/data rw - ext4 /dev/vda1 rw\n"
        "507 500 254:1 /docker/hosts /etc/hosts rw - ext4 /dev/vda1 rw\n"
        "508 502 0:58 / /dev/shm rw - tmpfs shm rw\n"
        "509 500 254:1 /data2 /srv/data rw - ext4 /dev/vda1 rw\n");
}

}  // namespace

class DrivesTest : public QObject {
    Q_OBJECT
  private slots:
    void fromMountInfo_data();
    void fromMountInfo();
    void thisMachine();
    void serials_data();
    void serials();
};

void DrivesTest::fromMountInfo_data() {
    QTest::addColumn<QString>("mountInfo");
    QTest::addColumn<QStringList>("drives");  // letter, mount point, kind
    QTest::newRow("laptop") << laptop()
                            << QStringList{"C / 3",
                                           "D /boot/efi 3",
                                           "E /home/ana/nas 4",
                                           "F /home/ana/remote 4",
                                           "G /media/ana/CDROM 5",
                                           "H /media/ana/USB STICK 2",
                                           "I /mnt/ram 6",
                                           "J /run/media/ana/KINGSTON 2"};
    QTest::newRow("container") << container() << QStringList{"C / 3", "D /srv/data 3"};
    // A chroot shows no mount on its root, which is the system drive all the same.
    QTest::newRow("chroot") << QStringLiteral(
                                   "300 299 0:5 / /dev rw - devtmpfs udev rw\n"
                                   "301 299 0:80 / /proc rw - proc proc rw\n"
                                   "302 299 259:3 / /srv rw - ext4 /dev/nvme0n1p3 rw\n")
                            << QStringList{"C / 6", "D /srv 3"};
    QTest::newRow("empty") << QString() << QStringList{"C / 6"};
}

void DrivesTest::fromMountInfo() {
    QFETCH(QString, mountInfo);
    QFETCH(QStringList, drives);
    FakeProbe probe;
    probe.files << QStringLiteral("/etc/hosts");
    probe.removables << 8;
    QStringList got;
    for (const Drive& d : drivesFromMountInfo(mountInfo, probe))
        got << QStringLiteral("%1 %2 %3").arg(d.letter).arg(d.mountPoint).arg(d.kind);
    QCOMPARE(got, drives);
}

void DrivesTest::thisMachine() {
    const QList<Drive> drives = SystemDriveTable().drives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first().letter, QChar(u'C'));
    QCOMPARE(drives.first().mountPoint, QStringLiteral("/"));
    QVERIFY(drives.size() <= 24);
    for (const Drive& d : drives)
        QVERIFY(!d.mountPoint.startsWith(QStringLiteral("/proc")));
}

void DrivesTest::serials_data() {
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("type");
    QTest::addColumn<quint32>("serial");
    QTest::newRow("FAT") << "1A2B-3C4D"
                         << "vfat" << 0x1A2B3C4Du;
    QTest::newRow("exFAT") << "64B1-F2A0"
                           << "exfat" << 0x64B1F2A0u;
    QTest::newRow("NTFS low half") << "0123456789ABCDEF"
                                   << "ntfs3" << 0x89ABCDEFu;
    QTest::newRow("ext4 first digits") << "3f9a1c2e-0b1d-4e5f-8a7b-123456789abc"
                                       << "ext4" << 0x3F9A1C2Eu;
    QTest::newRow("not hexadecimal") << "xyz"
                                     << "ext4" << 0u;
}

void DrivesTest::serials() {
    QFETCH(QString, uuid);
    QFETCH(QString, type);
    QFETCH(quint32, serial);
    QCOMPARE(static_cast<quint32>(serialFromUuid(uuid, type)), serial);
}

QTEST_APPLESS_MAIN(DrivesTest)
#include "test_drives.moc"
