// SPDX-License-Identifier: MIT
// The fuzz harness of mountTable.

#include "fuzz/fuzz_common.h"
#include "system/mount_drives.h"

namespace kelvarin::fuzz {

namespace {

class Probe final : public platform::MountProbe {
  public:
    quint8 bits = 0;
    bool isFolder(const QString& p) const override { return (bits ^ p.size()) & 1; }
    bool removable(quint32 major, quint32) const override { return (bits >> (major & 7)) & 1; }
    platform::Drive root() const override { return {}; }
};

}  // namespace

int run_mountTable(Input& in) {
    Probe probe;
    probe.bits = in.byte();
    const QString text = in.rest();
    allowing(kNone, [&] {
        const QList<platform::Drive> drives = platform::drivesFromMountInfo(text, probe);
        if (drives.size() > 24) finding("more drives than letters");
    });
    return 0;
}

}  // namespace kelvarin::fuzz
