// SPDX-License-Identifier: MIT
// The system's libraries that most runs never need are opened at their first use, not when the
// program starts: this test links neither, and finds each mapped only once it has been used.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "system/openssl_digests.h"
#include "system/sqlite_registry.h"

using namespace kelvarin;

class LibrariesOnDemandTest : public QObject {
    Q_OBJECT
  private slots:
    void openedAtFirstUse_data();
    void openedAtFirstUse();
};

namespace {

bool mapped(const QByteArray& library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

}  // namespace

void LibrariesOnDemandTest::openedAtFirstUse_data() {
    QTest::addColumn<QByteArray>("library");
    // Each row builds the services, checks that the library is not mapped yet, then uses it.
    QTest::newRow("digests") << QByteArray("libcrypto.so");
    QTest::newRow("registry") << QByteArray("libsqlite3.so");
}

void LibrariesOnDemandTest::openedAtFirstUse() {
    QFETCH(QByteArray, library);
    QTemporaryDir dir;
    platform::OpenSslDigests digests;
    platform::SqliteRegistry registry([&dir] { return dir.filePath(QStringLiteral("r.sqlite3")); });
    QVERIFY2(!mapped(library), library.constData());
    bool used = false;
    if (library.startsWith("libcrypto")) {
        QVERIFY(digests.start(platform::DigestAlgorithm::Md4) == nullptr);  // left to Qt
        QVERIFY(!mapped(library));
        used = digests.start(platform::DigestAlgorithm::Sha1) != nullptr;
    } else {
        qint32 handle = 0;
        used = registry.createKey(platform::reg::HKEY_CURRENT_USER, QStringLiteral("Software"),
                                  platform::reg::KEY_ALL_ACCESS, handle) == platform::reg::Success;
    }
    QVERIFY(used);
    QVERIFY(mapped(library));
}

QTEST_GUILESS_MAIN(LibrariesOnDemandTest)
#include "test_libraries_on_demand.moc"
