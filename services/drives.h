// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// Drives: the table of lettered drives the library's path texts refer to (`C:\...`), each a
/// mount of the system with its kind and volume serial number.

#include <QList>
#include <QString>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// Kinds of drive, as the platform numbers them.
namespace drive {
inline constexpr qint32 NoRoot = 1;     ///< a drive without a root folder
inline constexpr qint32 Removable = 2;  ///< a removable medium
inline constexpr qint32 Fixed = 3;      ///< a fixed disk
inline constexpr qint32 Network = 4;    ///< a share of another machine
inline constexpr qint32 CdRom = 5;      ///< an optical disc
inline constexpr qint32 RamDisk = 6;    ///< a file system in memory
}  // namespace drive

/// A lettered drive: a mount of the system.
struct Drive {
    QChar letter;                ///< its letter, upper case
    QString mountPoint;          ///< where it is mounted
    QString fileSystem;          ///< the mount's type: ext4, vfat, nfs4, fuse.sshfs ...
    QString source;              ///< the mounted device or share
    quint32 major = 0;           ///< the device's major number
    quint32 minor = 0;           ///< the device's minor number
    qint32 kind = drive::Fixed;  ///< its kind (drive)
};

/// The drive table: which letter names which mount.
class KELVARIN_EXPORT DriveTable {
  public:
    virtual ~DriveTable() = default;
    /// The drives now.
    /// @return the drives, in letter order
    virtual QList<Drive> drives() const = 0;
    /// The volume serial number of a drive.
    /// @param drive the drive
    /// @return its serial number; 0 when none can be found
    virtual qint32 serialNumber(const Drive& drive) const = 0;
};

/// The drive of a letter.
/// @param drives the drive table's drives
/// @param letter the letter, either case
/// @return the drive, or nullptr
inline const Drive* driveOf(const QList<Drive>& drives, QChar letter) {
    const QChar upper = letter.toUpper();
    for (const Drive& d : drives) {
        if (d.letter == upper) return &d;
    }
    return nullptr;
}

}  // namespace kelvarin::platform
