// SPDX-License-Identifier: MIT
// The registry in SQLite beside QSettings.

#include <QSettings>
#include <QTemporaryDir>

#include "bench/bench.h"
#include "bench/groups.h"
#include "system/sqlite_registry.h"
#include "workout/workout.h"

namespace kelvarin::bench {

void registry() {
    header("registry");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.sqlite3"));
    platform::SqliteRegistry store([file] { return QString(file); });
    platform::Services services;
    services.registry = &store;
    workOut w(services);
    const qint32 root = platform::reg::HKEY_CURRENT_USER;
    const QString key = QStringLiteral("Software\\Kelvarin\\Bench");
    w.REG_CreateNewKey(root, key);
    const int n = 10000;
    const double set = medianMs(1, [&] {
        for (int k = 0; k < n; ++k)
            w.REG_SetKeyValue(root, key, QStringLiteral("value%1").arg(k), k, 4);
    });
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const double settingsSet = medianMs(1, [&] {
        for (int k = 0; k < n; ++k)
            settings.setValue(QStringLiteral("Bench/value%1").arg(k), k);
        settings.sync();
    });
    report("REG_SetKeyValue x 10,000 (each committed)", set, "QSettings setValue, one sync",
           settingsSet, "figures only");
    qint64 sum = 0;
    const double query = medianMs(1, [&] {
        for (int k = 0; k < n; ++k)
            sum += w.REG_QueryValue(root, key, QStringLiteral("value%1").arg(k)).toInt();
    });
    const double settingsQuery = medianMs(1, [&] {
        for (int k = 0; k < n; ++k)
            sum += settings.value(QStringLiteral("Bench/value%1").arg(k)).toInt();
    });
    keep(sum);
    // The goal of a query, 5 us, is about 15 lookups of QSettings on this machine.
    report("REG_QueryValue x 10,000", query, "QSettings value", settingsQuery,
           "within 15x (5 us a query)");
}

}  // namespace kelvarin::bench
