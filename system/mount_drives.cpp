// SPDX-License-Identifier: MIT
// Drives and paths: the drive table from the mounts, serial numbers, and the path mapping.

#include "system/mount_drives.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace kelvarin::platform {

namespace {

// File systems of the kernel's own, and memory that holds runtime state, that are no drives:
// they are left out by their type wherever they are mounted, so that a stick mounted under /run
// (udisks2 puts them in /run/media/<user>) keeps its letter.
bool pseudoFileSystem(const QString& type) {
    static const QStringList pseudo = {
        QStringLiteral("tmpfs"),      QStringLiteral("proc"),        QStringLiteral("sysfs"),
        QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),     QStringLiteral("devpts"),
        QStringLiteral("devtmpfs"),   QStringLiteral("securityfs"),  QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),    QStringLiteral("pstore"),      QStringLiteral("bpf"),
        QStringLiteral("mqueue"),     QStringLiteral("hugetlbfs"),   QStringLiteral("configfs"),
        QStringLiteral("fusectl"),    QStringLiteral("binfmt_misc"), QStringLiteral("autofs"),
        QStringLiteral("efivarfs"),   QStringLiteral("selinuxfs"),   QStringLiteral("nsfs"),
        QStringLiteral("rpc_pipefs"), QStringLiteral("nfsd"),        QStringLiteral("fuse.portal")};
    return pseudo.contains(type);
}

qint32 kindOf(const QString& type, const QString& source, quint32 major, quint32 minor,
              const MountProbe& probe) {
    static const QStringList network = {QStringLiteral("nfs"),
                                        QStringLiteral("nfs4"),
                                        QStringLiteral("cifs"),
                                        QStringLiteral("smb3"),
                                        QStringLiteral("smbfs"),
                                        QStringLiteral("9p"),
                                        QStringLiteral("ceph"),
                                        QStringLiteral("afs"),
                                        QStringLiteral("davfs"),
                                        QStringLiteral("ncpfs"),
                                        QStringLiteral("glusterfs"),
                                        QStringLiteral("fuse.sshfs"),
                                        QStringLiteral("fuse.rclone"),
                                        QStringLiteral("fuse.s3fs"),
                                        QStringLiteral("fuse.ceph"),
                                        QStringLiteral("fuse.glusterfs"),
                                        QStringLiteral("fuse.gvfsd-fuse"),
                                        QStringLiteral("fuse.davfs2"),
                                        QStringLiteral("fuse.curlftpfs")};
    if (network.contains(type)) return drive::Network;
    if (type == u"iso9660" || type == u"udf" || source.startsWith(QStringLiteral("/dev/sr")))
        return drive::CdRom;
    if (type == u"tmpfs" || type == u"ramfs") return drive::RamDisk;
    if (major != 0 && probe.removable(major, minor)) return drive::Removable;
    return drive::Fixed;
}

// A mountinfo field with its octal escapes (\040 for a space) undone.
QString unescape(const QString& field) {
    QByteArray out;
    const QByteArray in = field.toUtf8();
    for (qsizetype k = 0; k < in.size(); ++k) {
        if (in[k] == '\\' && k + 3 < in.size()) {
            bool ok = false;
            const int code = in.mid(k + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out += static_cast<char>(code);
                k += 3;
                continue;
            }
        }
        out += in[k];
    }
    return QString::fromUtf8(out);
}

}  // namespace

QList<Drive> drivesFromMountInfo(const QString& mountInfo, const MountProbe& probe) {
    // The last mount on each mount point is the one seen there.
    QList<Drive> mounts;
    for (const QString& line : mountInfo.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype dash = fields.indexOf(QStringLiteral("-"));
        if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size()) continue;
        Drive d;
        d.mountPoint = unescape(fields[4]);
        d.fileSystem = fields[dash + 1];
        d.source = unescape(fields[dash + 2]);
        const QStringList device = fields[2].split(u':');
        if (device.size() == 2) {
            d.major = device[0].toUInt();
            d.minor = device[1].toUInt();
        }
        mounts.erase(std::remove_if(mounts.begin(), mounts.end(),
                                    [&](const Drive& m) { return m.mountPoint == d.mountPoint; }),
                     mounts.end());
        mounts << d;
    }
    if (std::none_of(mounts.begin(), mounts.end(),
                     [](const Drive& m) { return m.mountPoint == u"/"; })) {
        Drive root = probe.root();
        root.mountPoint = QStringLiteral("/");
        mounts << root;
    }
    QList<Drive> drives;
    for (Drive& m : mounts) {
        // The root is the system drive whatever it is (a chroot or a live system in memory).
        if (m.mountPoint != u"/" &&
            (pseudoFileSystem(m.fileSystem) || !probe.isFolder(m.mountPoint)))
            continue;
        m.kind = kindOf(m.fileSystem, m.source, m.major, m.minor, probe);
        drives << m;
    }
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) {
        if ((a.mountPoint == u"/") != (b.mountPoint == u"/")) return a.mountPoint == u"/";
        return a.mountPoint < b.mountPoint;
    });
    QList<Drive> lettered;
    QChar next = u'D';
    for (Drive& d : drives) {
        if (d.mountPoint == u"/") {
            d.letter = u'C';
        } else {
            if (next > u'Z') break;
            d.letter = next;
            next = QChar(next.unicode() + 1);
        }
        lettered << d;
    }
    return lettered;
}

namespace {

class SystemProbe final : public MountProbe {
  public:
    bool isFolder(const QString& mountPoint) const override {
        return QFileInfo(mountPoint).isDir();
    }
    bool removable(quint32 major, quint32 minor) const override {
        const QString device = QStringLiteral("/sys/dev/block/%1:%2").arg(major).arg(minor);
        // A partition's flags are its disk's.
        QString disk = device;
        if (QFileInfo::exists(device + QStringLiteral("/partition")))
            disk = QFileInfo(device + QStringLiteral("/..")).canonicalFilePath();
        QFile flag(disk + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1") return true;
        return QFileInfo(device).canonicalFilePath().contains(QStringLiteral("/usb"));
    }
    Drive root() const override {
        Drive d;
        struct stat st {};
        if (::stat("/", &st) == 0) {
            d.major = ::major(st.st_dev);
            d.minor = ::minor(st.st_dev);
        }
        // The file system's type by its magic number, for the common ones.
        struct statfs fs {};
        if (::statfs("/", &fs) == 0) {
            static constexpr struct {
                quint32 magic;
                const char* name;
            } kinds[] = {{0xEF53u, "ext4"},        {0x9123683Eu, "btrfs"}, {0x58465342u, "xfs"},
                         {0x794C7630u, "overlay"}, {0x01021994u, "tmpfs"}, {0x2FC12FC1u, "zfs"},
                         {0x6969u, "nfs"}};
            for (const auto& kind : kinds) {
                if (static_cast<quint32>(fs.f_type) == kind.magic)
                    d.fileSystem = QString::fromLatin1(kind.name);
            }
        }
        return d;
    }
};

}  // namespace

QList<Drive> SystemDriveTable::drives() const {
    QFile info(QStringLiteral("/proc/self/mountinfo"));
    if (!info.open(QIODevice::ReadOnly)) return {};
    return drivesFromMountInfo(QString::fromUtf8(info.readAll()), SystemProbe());
}

qint32 serialFromUuid(const QString& uuid, const QString& fileSystem) {
    QString hex = uuid;
    hex.remove(u'-');
    bool ok = false;
    QString digits;
    if (fileSystem == u"ntfs" || fileSystem == u"ntfs3" || fileSystem == u"fuseblk") {
        digits = hex.right(8);  // the low half of the 64-bit serial
    } else {
        digits = hex.left(8);  // FAT and exFAT have eight digits; others give their first eight
    }
    const quint32 serial = digits.toUInt(&ok, 16);
    return ok ? static_cast<qint32>(serial) : 0;
}

qint32 SystemDriveTable::serialNumber(const Drive& d) const {
    if (d.major != 0) {
        QDirIterator it(QStringLiteral("/dev/disk/by-uuid"), QDir::Files | QDir::System);
        while (it.hasNext()) {
            it.next();
            struct stat st {};
            if (::stat(QFile::encodeName(it.filePath()).constData(), &st) == 0 &&
                S_ISBLK(st.st_mode) && ::major(st.st_rdev) == d.major &&
                ::minor(st.st_rdev) == d.minor)
                return serialFromUuid(it.fileName(), d.fileSystem);
        }
    }
    struct statvfs vfs {};
    if (::statvfs(QFile::encodeName(d.mountPoint).constData(), &vfs) != 0) return 0;
    return static_cast<qint32>(static_cast<quint32>(vfs.f_fsid));
}

}  // namespace kelvarin::platform
