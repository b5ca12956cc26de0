// SPDX-License-Identifier: MIT
#pragma once

// The drive table of this system, from its mounts: C: is the root file system, every other real
// mount takes the next letter from D: in the order of the mount points, up to Z:. File systems
// of the kernel's own (proc, sysfs, cgroup, ...) and memory file systems (tmpfs) are no drives,
// by their type and wherever they are mounted.

#include "services/drives.h"

namespace kelvarin::platform {

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

}  // namespace kelvarin::platform
