// SPDX-License-Identifier: MIT
#pragma once

// Drives: the table of lettered drives the library's path texts refer to ("C:\..."), each a
// mount of the system with its kind and volume serial number. The system's table is in
// system/mount_drives.h; the mapping of path texts to paths in workout/path_mapping.h.

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

class DriveTable {
  public:
    virtual ~DriveTable() = default;
    // The drives now, in letter order.
    virtual QList<Drive> drives() const = 0;
    // The volume serial number of the drive (0 when none can be found).
    virtual qint32 serialNumber(const Drive& drive) const = 0;
};

// The drive of a letter (either case), or nullptr.
inline const Drive* driveOf(const QList<Drive>& drives, QChar letter) {
    const QChar upper = letter.toUpper();
    for (const Drive& d : drives) {
        if (d.letter == upper) return &d;
    }
    return nullptr;
}

}  // namespace kelvarin::platform
