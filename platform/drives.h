// SPDX-License-Identifier: MIT
#pragma once

// Drives and paths. The library speaks the original platform's path texts ("\" between folders,
// a drive letter and ":" before an absolute path); here each real mount is a drive: C: is the
// root file system, every other real mount takes the next letter from D: in the order of the
// mount points, up to Z:. A path text maps to a Linux path through the drive table, and back.

#include <QList>
#include <QString>

namespace kelvarin::platform {

// Kinds of drive, as the platform numbers them.
namespace drive {
inline constexpr qint32 NoRoot = 1;
inline constexpr qint32 Removable = 2;
inline constexpr qint32 Fixed = 3;
inline constexpr qint32 Network = 4;
inline constexpr qint32 CdRom = 5;
inline constexpr qint32 RamDisk = 6;
}  // namespace drive

struct Drive {
    QChar letter;
    QString mountPoint;
    QString fileSystem;  // the mount's type: ext4, vfat, nfs4, fuse.sshfs ...
    QString source;      // the mounted device or share
    quint32 major = 0, minor = 0;
    qint32 kind = drive::Fixed;
};

// What the drive table asks of the system about a mount.
class MountProbe {
  public:
    virtual ~MountProbe() = default;
    // Mount points that are not folders (a file bound over another) are no drives.
    virtual bool isFolder(const QString& mountPoint) const = 0;
    // The block device's removable flag, or a device on USB.
    virtual bool removable(quint32 major, quint32 minor) const = 0;
    // The root folder as the system reports it (file system and device), for a table that shows
    // no mount on "/": in a chroot the root is no mount point, yet it is still the system drive.
    virtual Drive root() const = 0;
};

// The drive table from the text of /proc/self/mountinfo.
QList<Drive> drivesFromMountInfo(const QString& mountInfo, const MountProbe& probe);

class DriveTable {
  public:
    virtual ~DriveTable() = default;
    // The drives now, in letter order.
    virtual QList<Drive> drives() const = 0;
    // The volume serial number of the drive (0 when none can be found).
    virtual qint32 serialNumber(const Drive& drive) const = 0;
};

// The drives of this system, read afresh from /proc/self/mountinfo at each call. The serial
// number of a FAT, exFAT or NTFS volume is the one the original platform shows, from its UUID
// in /dev/disk/by-uuid; other file systems give the first eight hexadecimal digits of their UUID,
// or else the file system id of statvfs.
class SystemDriveTable final : public DriveTable {
  public:
    QList<Drive> drives() const override;
    qint32 serialNumber(const Drive& drive) const override;
};

// The serial number from a UUID as /dev/disk/by-uuid names it, for a file system type.
qint32 serialFromUuid(const QString& uuid, const QString& fileSystem);

// The drive of a letter (either case), or nullptr.
const Drive* driveOf(const QList<Drive>& drives, QChar letter);

// A path text to a Linux path: a leading drive letter is replaced by its mount point and every
// "\" becomes "/"; a text without a drive letter is a Linux path with "\" read as "/". Empty for
// a drive letter that is not in the table.
QString toLinuxPath(const QString& text, const QList<Drive>& drives);
// A Linux path to a path text: the drive whose mount point is the longest prefix, then the rest
// with "\" ("/home/ana/Desktop/" is "C:\home\ana\Desktop\").
QString toPathText(const QString& linuxPath, const QList<Drive>& drives);

}  // namespace kelvarin::platform
