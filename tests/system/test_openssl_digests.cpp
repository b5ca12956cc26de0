// SPDX-License-Identifier: MIT
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "system/openssl_digests.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;
using platform::DigestAlgorithm;

class OpenSslDigestsTest : public QObject {
    Q_OBJECT
  private slots:
    void sameAsQt_data();
    void sameAsQt();
    void md4IsLeftToQt();
    void aFinishedDigestGivesNoSecond();
};

// HashFile through the libcrypto digests gives Qt's digests, on both sides of the blocks the file
// is read in.
void OpenSslDigestsTest::sameAsQt_data() {
    QTest::addColumn<int>("size");
    for (int size : {0, 1, 32767, 32768, 32769, 3 * 1048576 + 17})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void OpenSslDigestsTest::sameAsQt() {
    QFETCH(int, size);
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(size);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.bin"));
    QVERIFY(writeBytes(file, bytes));
    platform::OpenSslDigests digests;
    platform::Services services;
    services.digests = &digests;
    workOut w(services);
    const QList<std::pair<int, QCryptographicHash::Algorithm>> algorithms = {
        {0x8002, QCryptographicHash::Md4},    {0x8003, QCryptographicHash::Md5},
        {0x8004, QCryptographicHash::Sha1},   {0x800C, QCryptographicHash::Sha256},
        {0x800D, QCryptographicHash::Sha384}, {0x800E, QCryptographicHash::Sha512}};
    for (const auto& [number, qt] : algorithms)
        QCOMPARE(w.HashFile(file, number),
                 QString::fromLatin1(QCryptographicHash::hash(bytes, qt).toHex().toUpper()));
}

void OpenSslDigestsTest::md4IsLeftToQt() {
    platform::OpenSslDigests digests;
    QVERIFY(digests.start(DigestAlgorithm::Md4) == nullptr);
    QVERIFY(digests.start(DigestAlgorithm::Md5) != nullptr);
}

void OpenSslDigestsTest::aFinishedDigestGivesNoSecond() {
    platform::OpenSslDigests digests;
    auto running = digests.start(DigestAlgorithm::Sha256);
    QVERIFY(running->add("abc"));
    QCOMPARE(running->result().toHex(),
             QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    QVERIFY(running->result().isEmpty());
    QVERIFY(!running->add("d"));
}

QTEST_APPLESS_MAIN(OpenSslDigestsTest)
#include "test_openssl_digests.moc"
