// SPDX-License-Identifier: MIT
// File digests of a 1 GB file, with the digests the program hands the library, beside md5sum,
// sha1sum and sha256sum in the same run.

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "bench/bench.h"
#include "bench/groups.h"
#include "system/openssl_digests.h"
#include "workout/workout.h"

namespace kelvarin::bench {

void hashing() {
    header("hashing, 1 GB file in the page cache, median of 3");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return;
        QByteArray block(1 << 20, Qt::Uninitialized);
        QRandomGenerator random(1);
        for (int k = 0; k < 1024; ++k) {
            random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            f.write(block);
        }
    }
    // The digests the program hands the library.
    platform::OpenSslDigests digests;
    platform::Services services;
    services.digests = &digests;
    workOut w(services);
    struct Case {
        const char* name;
        qint32 algorithm;
        const char* tool;
    };
    for (const Case& c :
         {Case{"HashFile MD5", 0x8003, "md5sum"}, Case{"HashFile SHA-1", 0x8004, "sha1sum"},
          Case{"HashFile SHA-256", 0x800C, "sha256sum"}}) {
        const double ours = medianMs(3, [&] { keep(w.HashFile(path, c.algorithm)); });
        const double tool = medianMs(3, [&] {
            QProcess p;
            p.start(QString::fromLatin1(c.tool), {path});
            p.waitForFinished(-1);
        });
        report(c.name, ours, c.tool, tool, "within 1.1x");
    }
}

}  // namespace kelvarin::bench
