// SPDX-License-Identifier: MIT
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "outcome.h"
#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;
namespace drive = kelvarin::platform::drive;

namespace {

// A digests service that answers as it is told: a digest of fixed bytes, no digest for the
// algorithm, or one that fails while fed or at its end.
class ScriptedDigests final : public platform::Digests {
  public:
    enum class Answer { Fixed, NotOffered, FailsToAdd, NoResult };
    explicit ScriptedDigests(Answer answer) : m_answer(answer) {}
    std::unique_ptr<platform::RunningDigest> start(platform::DigestAlgorithm) override {
        if (m_answer == Answer::NotOffered) return nullptr;
        return std::make_unique<Running>(m_answer);
    }

  private:
    class Running final : public platform::RunningDigest {
      public:
        explicit Running(Answer answer) : m_answer(answer) {}
        bool add(QByteArrayView) override { return m_answer != Answer::FailsToAdd; }
        QByteArray result() override {
            return m_answer == Answer::Fixed ? QByteArray("\x01\xab") : QByteArray();
        }

      private:
        Answer m_answer;
    };
    Answer m_answer;
};

}  // namespace

class FilesDrivesTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void hashes_data();
    void hashes();
    void hashFailures_data();
    void hashFailures();
    void hashWithAService_data();
    void hashWithAService();
    void mediaFile_data();
    void mediaFile();
    void folderName_data();
    void folderName();
    void selection_data();
    void selection();
    void sizes_data();
    void sizes();
    void drives();
    void serials_data();
    void serials();
    void everyFileMethodTakesDrivePaths();

  private:
    // The temporary folder as drive D:.
    QString onD(const QString& name) const { return QStringLiteral("D:\\") + name; }
    QTemporaryDir* m_dir = nullptr;
    FixedDrives* m_drives = nullptr;
    workOut* m_w = nullptr;
};

void FilesDrivesTest::init() {
    m_dir = new QTemporaryDir;
    m_drives = new FixedDrives;
    m_drives->add(u'C', QStringLiteral("/"), drive::Fixed, 0x1234);
    m_drives->add(u'D', m_dir->path(), drive::Removable, -2);
    m_drives->add(u'E', QStringLiteral("/mnt/cd"), drive::CdRom);
    m_drives->add(u'F', QStringLiteral("/tmp/ram"), drive::RamDisk);
    m_drives->add(u'G', QStringLiteral("/net"), drive::Network);
    m_drives->add(u'H', QStringLiteral("/data"), drive::Fixed);
    platform::Services services;
    services.drives = m_drives;
    m_w = new workOut(services);
}

void FilesDrivesTest::cleanup() {
    delete m_w;
    delete m_drives;
    delete m_dir;
}

void FilesDrivesTest::hashes_data() {
    QTest::addColumn<int>("size");
    for (int size : {0, 1, 32767, 32768, 32769, 3 * 1048576 + 17})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void FilesDrivesTest::hashes() {
    QFETCH(int, size);
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(size);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    const QString file = m_dir->filePath(QStringLiteral("data.bin"));
    QVERIFY(writeBytes(file, bytes));
    // The same digests as the system's own tools.
    const QList<std::pair<int, const char*>> tools = {{0x8003, "md5sum"},
                                                      {0x8004, "sha1sum"},
                                                      {0x800C, "sha256sum"},
                                                      {0x800D, "sha384sum"},
                                                      {0x800E, "sha512sum"}};
    for (const auto& [algorithm, tool] : tools) {
        QProcess q;
        q.start(QString::fromLatin1(tool), {file});
        QVERIFY(q.waitForFinished());
        const QString digest = QString::fromLatin1(q.readAllStandardOutput()).section(u' ', 0, 0);
        QCOMPARE(m_w->HashFile(onD(QStringLiteral("data.bin")), algorithm), digest.toUpper());
    }
    if (size == 0) {
        QCOMPARE(m_w->HashFile(file, 0x8002), QStringLiteral("31D6CFE0D16AE931B73C59D7E0C089C0"));
    }
}

void FilesDrivesTest::hashFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << "none.bin" << 0x8003 << 53;
    QTest::newRow("a folder") << "sub" << 0x8003 << 53;
    QTest::newRow("bad algorithm") << "data.bin" << 0x8001 << int(0x80090008u);
    QTest::newRow("missing before algorithm") << "none.bin" << 0x1234 << 53;
}

void FilesDrivesTest::hashFailures() {
    QFETCH(QString, name);
    QFETCH(int, algorithm);
    QFETCH(int, error);
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("data.bin")), "x"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    expectOutcome([&] { return m_w->HashFile(onD(name), algorithm); }, QString(), error);
}

// A digests service handed in computes the digest; where it offers none, Qt's does; a digest
// that fails is error 51.
void FilesDrivesTest::hashWithAService_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("digest");
    QTest::addColumn<int>("error");
    using Answer = ScriptedDigests::Answer;
    QTest::newRow("the service's digest") << int(Answer::Fixed) << "01AB" << 0;
    QTest::newRow("not offered: Qt's")
        << int(Answer::NotOffered) << "9DD4E461268C8034F5C8564E155C67A6" << 0;
    QTest::newRow("fails while fed") << int(Answer::FailsToAdd) << "" << 51;
    QTest::newRow("fails at the end") << int(Answer::NoResult) << "" << 51;
}

void FilesDrivesTest::hashWithAService() {
    QFETCH(int, answer);
    QFETCH(QString, digest);
    QFETCH(int, error);
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("data.bin")), "x"));
    ScriptedDigests digests(static_cast<ScriptedDigests::Answer>(answer));
    platform::Services services;
    services.drives = m_drives;
    services.digests = &digests;
    workOut w(services);
    expectOutcome([&] { return w.HashFile(onD(QStringLiteral("data.bin")), 0x8003); }, digest,
                  error);
}

void FilesDrivesTest::mediaFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::newRow("with extension") << "a.wma"
                                    << "D:\\m\\a.wma";
    QTest::newRow("wav after mp3") << "song "
                                   << "D:\\m\\song.wav";
    QTest::newRow("folder passed over") << "tune"
                                        << "D:\\m\\tune.mp3";
    QTest::newRow("none") << "nothing"
                          << "";
}

void FilesDrivesTest::mediaFile() {
    QFETCH(QString, name);
    QFETCH(QString, found);
    QDir(m_dir->path()).mkpath(QStringLiteral("m/tune"));
    for (const char* f : {"m/a.wma", "m/song.wav", "m/tune.mp3"})
        QVERIFY(writeBytes(m_dir->filePath(QString::fromLatin1(f)), "x"));
    QString text = name;
    QCOMPARE(m_w->iFDir(text, QStringLiteral("D:\\m\\")), found);
    QCOMPARE(text, name.trimmed());  // written back without its blanks
}

void FilesDrivesTest::folderName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file") << "C:\\Music\\Pop\\song.mp3"
                          << "Pop";
    QTest::newRow("folder") << "C:\\Music\\Pop\\"
                            << "Pop";
    QTest::newRow("root") << "C:\\song.mp3"
                          << "C:";
    QTest::newRow("no backslash") << "song.mp3"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
}

void FilesDrivesTest::folderName() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(m_w->GetMainDir(path), folder);
}

void FilesDrivesTest::selection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("array");
    const QChar z(u'\0');
    QTest::newRow("single path") << "C:\\d\\a.txt" << 3 << 1 << QStringList{"", "C:\\d\\a.txt", ""};
    QTest::newRow("two names") << QStringLiteral("C:\\d") + z + "a.txt" + z + "b.txt" << 3 << 2
                               << QStringList{"", "C:\\d\\a.txt", "C:\\d\\b.txt"};
    QTest::newRow("folder with backslash")
        << QStringLiteral("C:\\") + z + "a" << 2 << 1 << QStringList{"", "C:\\a"};
    QTest::newRow("array too short") << QStringLiteral("C:\\d") + z + "a" + z + "b" + z + "c" << 2
                                     << 3 << QStringList{"", "C:\\d\\a"};
}

void FilesDrivesTest::selection() {
    QFETCH(QString, text);
    QFETCH(int, places);
    QFETCH(int, count);
    QFETCH(QStringList, array);
    QStringList got(places);
    QCOMPARE(m_w->GetCommondialogFilename(text, got), count);
    QCOMPARE(got, array);
}

void FilesDrivesTest::sizes_data() {
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0,000 KB";
    QTest::newRow("five million") << 5000000 << "4,882 KB";
    QTest::newRow("below a kibibyte") << 1023 << "0,000 KB";
    QTest::newRow("thousand mebibytes") << 1048576000 << "1024,000 KB";
    QTest::newRow("largest") << 2147483647 << "2097,151 KB";
}

void FilesDrivesTest::sizes() {
    QFETCH(int, bytes);
    QFETCH(QString, text);
    QCOMPARE(m_w->GetFileLenKBMB(bytes), text);
}

void FilesDrivesTest::drives() {
    QCOMPARE(m_w->ftnShowDriveList(), QStringLiteral("CDEFGH"));
    const QList<std::pair<QString, QString>> kinds = {
        {"C", "Fixed Drive"},  {"d:\\x", "Removable Drive"}, {"E", "CD-Rom"},
        {"F", "Ram Disk"},     {"G", "Network Drive"},       {"Z", "Unknown Drive"},
        {"", "Unknown Drive"}, {"1", "Unknown Drive"}};
    for (const auto& [disk, name] : kinds)
        QCOMPARE(m_w->GetDriveTypeIn(disk), name);
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("fixed"), false), QStringLiteral("CH"));
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("Fi"), true), QStringLiteral("CH"));
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("cd"), false), QStringLiteral("E"));
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("Unknown"), false), QString());
    // Letters up to "B", or without it up to "A", are dropped.
    m_drives->add(u'A', QStringLiteral("/a"), drive::Removable);
    m_drives->table.move(m_drives->table.size() - 1, 0);
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("removable"), false), QStringLiteral("AD"));
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("removable"), true), QStringLiteral("D"));
    m_drives->add(u'B', QStringLiteral("/b"), drive::Removable);
    m_drives->table.move(m_drives->table.size() - 1, 1);
    QCOMPARE(m_w->GetAnyTypeDrives(QStringLiteral("removable"), true), QStringLiteral("D"));
}

void FilesDrivesTest::serials_data() {
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("serial");
    QTest::newRow("letter") << "C"
                            << "C:\\" << 0x1234;
    QTest::newRow("root") << "d:\\"
                          << "d:\\" << -2;
    QTest::newRow("not a root") << "C:"
                                << "C:" << 0;
    QTest::newRow("missing drive") << "Q"
                                   << "Q:\\" << 0;
}

void FilesDrivesTest::serials() {
    QFETCH(QString, drive);
    QFETCH(QString, after);
    QFETCH(int, serial);
    QCOMPARE(m_w->GetSerialVolume(drive), serial);
    QCOMPARE(drive, after);
}

void FilesDrivesTest::everyFileMethodTakesDrivePaths() {
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("sub/t.ini")), "[S]\r\nk=v\r\n"));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("sub/t.lrc")), "[00:01.00]x\r\n"));
    QCOMPARE(m_w->ini_SetOpenFiles(onD(QStringLiteral("sub\\t.ini"))), 0);
    QString title = QStringLiteral("S"), where = onD(QStringLiteral("sub\\copy.ini"));
    qint32 wrong = 0;
    QCOMPARE(m_w->ini_GetDatas(QStringLiteral("k"), title, wrong), QStringLiteral("v"));
    QCOMPARE(m_w->ini_WriteToFile(where), 0);
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("sub/copy.ini"))),
             QByteArray("[S]\r\nk=v\r\n"));
    QCOMPARE(m_w->LoadText(onD(QStringLiteral("sub\\t.ini"))), QStringLiteral("[S]\r\nk=v"));
    QCOMPARE(m_w->LoadText(QStringLiteral("Q:\\sub\\t.ini")), QStringLiteral("#Err53"));
    QCOMPARE(m_w->LRC_Load(onD(QStringLiteral("sub\\t.lrc"))), 0);
    qint32 left = 0;
    QCOMPARE(m_w->LRC_GetTimeStr(2000, left), QStringLiteral("x"));
    // A name with a space is one file only where the drive maps to its folder.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("sub/a b.lrc")), "x"));
    QStringList names(3);
    QCOMPARE(m_w->GetSubCommandMain(onD(QStringLiteral("sub\\a b.lrc")), names), 1);
    QCOMPARE(names[0], onD(QStringLiteral("sub\\a b.lrc")));
    QCOMPARE(m_w->HashFile(onD(QStringLiteral("sub\\t.lrc")), 0x8003).size(), 32);
}

QTEST_APPLESS_MAIN(FilesDrivesTest)
#include "test_files_drives.moc"
