// SPDX-License-Identifier: MIT
// Writers and the copy against hostile file-system states: links planted by another user,
// setuid sources, files of another owner, hard links, special files, NUL in names, the umask.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "file_helpers.h"
#include "outcome.h"
#include "runtime/file_access.h"
#include "runtime/file_copy.h"

using namespace kelvarin;
using namespace kelvarin::rt;
using namespace kelvarin::testing;

namespace {

constexpr uid_t kNobody = 65534;

struct Stat {
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    ino_t inode = 0;
    bool link = false;
};

Stat statOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid, st.st_ino,
            S_ISLNK(st.st_mode)};
}

bool root() {
    return ::geteuid() == 0;
}

}  // namespace

class FileAccessTest;
using Step = std::function<void(FileAccessTest&)>;
Q_DECLARE_METATYPE(Step)

class FileAccessTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void hostileStates_data();
    void hostileStates();

  private:
    QString at(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FileAccessTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    // A folder like /tmp: sticky and writable by everyone, owned by this process's user.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sticky")));
    QVERIFY(::chmod(QFile::encodeName(at(QStringLiteral("sticky"))).constData(), 01777) == 0);
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
    QVERIFY(writeBytes(at(QStringLiteral("victim.txt")), "mine"));
}

// Each case: how the stage is set, the call, the error it must raise (0: none), and what must
// hold afterwards.
void FileAccessTest::hostileStates_data() {
    QTest::addColumn<bool>("needsRoot");
    QTest::addColumn<Step>("stage");
    QTest::addColumn<Step>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<Step>("check");
    const Step none = [](FileAccessTest&) {};
    auto write = [](const char* name) {
        return Step([name](FileAccessTest& t) {
            writeFileAtomically(t.at(QString::fromUtf8(name)), "new");
        });
    };
    auto copy = [](const char* from, const char* to) {
        return Step([from, to](FileAccessTest& t) {
            copyFileAtomically(t.at(QString::fromUtf8(from)), t.at(QString::fromUtf8(to)), {});
        });
    };
    auto victimKept = Step([](FileAccessTest& t) {
        QCOMPARE(readBytes(t.at(QStringLiteral("victim.txt"))), QByteArray("mine"));
    });
    // Another user's link in the sticky folder, to this user's file: the kernel would not follow
    // it for this user, so neither does a writer.
    auto plantedLink = Step([](FileAccessTest& t) {
        const QString target = t.at(QStringLiteral("victim.txt"));
        const QString link = t.at(QStringLiteral("sticky/planted"));
        QCOMPARE(runInChild({true, -1}, [&] { return QFile::link(target, link) ? 0 : 1; }), 0);
        QCOMPARE(statOf(link).uid, kNobody);
    });
    QTest::newRow("write through another user's link in a sticky folder")
        << true << plantedLink << write("sticky/planted") << 70 << victimKept;
    QTest::newRow("copy onto another user's link in a sticky folder")
        << true << plantedLink << copy("victim.txt", "sticky/planted") << 70 << victimKept;
    QTest::newRow("own link in a sticky folder is written through")
        << false << Step([](FileAccessTest& t) {
               QVERIFY(QFile::link(t.at(QStringLiteral("victim.txt")),
                                   t.at(QStringLiteral("sticky/own"))));
           })
        << write("sticky/own") << 0 << Step([](FileAccessTest& t) {
               QCOMPARE(readBytes(t.at(QStringLiteral("victim.txt"))), QByteArray("new"));
               QVERIFY(statOf(t.at(QStringLiteral("sticky/own"))).link);
           });
    QTest::newRow("copy of another user's setuid program drops setuid")
        << true << Step([](FileAccessTest& t) {
               const QString program = t.at(QStringLiteral("program"));
               QVERIFY(writeBytes(program, "#!/bin/sh\n"));
               QCOMPARE(::chown(QFile::encodeName(program).constData(), kNobody, kNobody), 0);
               QCOMPARE(::chmod(QFile::encodeName(program).constData(), 06755), 0);
           })
        << copy("program", "copy") << 0 << Step([](FileAccessTest& t) {
               QCOMPARE(statOf(t.at(QStringLiteral("copy"))).mode, mode_t(0755));
               QCOMPARE(readBytes(t.at(QStringLiteral("copy"))), QByteArray("#!/bin/sh\n"));
           });
    QTest::newRow("replacing another user's file keeps its owner, group and mode")
        << true << Step([](FileAccessTest& t) {
               const QByteArray name = QFile::encodeName(t.at(QStringLiteral("victim.txt")));
               QCOMPARE(::chown(name.constData(), kNobody, kNobody), 0);
               QCOMPARE(::chmod(name.constData(), 0664), 0);
           })
        << write("victim.txt") << 0 << Step([](FileAccessTest& t) {
               const Stat s = statOf(t.at(QStringLiteral("victim.txt")));
               QCOMPARE(s.uid, kNobody);
               QCOMPARE(s.gid, gid_t(kNobody));
               QCOMPARE(s.mode, mode_t(0664));
               QCOMPARE(readBytes(t.at(QStringLiteral("victim.txt"))), QByteArray("new"));
           });
    QTest::newRow("a file with two hard links stays one file")
        << false << Step([](FileAccessTest& t) {
               QCOMPARE(::link(QFile::encodeName(t.at(QStringLiteral("victim.txt"))).constData(),
                               QFile::encodeName(t.at(QStringLiteral("twin.txt"))).constData()),
                        0);
           })
        << write("victim.txt") << 0 << Step([](FileAccessTest& t) {
               QCOMPARE(readBytes(t.at(QStringLiteral("twin.txt"))), QByteArray("new"));
               QCOMPARE(statOf(t.at(QStringLiteral("twin.txt"))).inode,
                        statOf(t.at(QStringLiteral("victim.txt"))).inode);
           });
    QTest::newRow("a name with NUL writes nothing") << false << none << Step([](FileAccessTest& t) {
        writeFileAtomically(t.at(QStringLiteral("victim.txt")) + QChar(0) + u'x', "new");
    }) << 52 << Step([victimKept](FileAccessTest& t) {
        victimKept(t);
        QCOMPARE(QDir(t.m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"victim.txt"});
    });
    QTest::newRow("a named pipe is not written into") << false << Step([](FileAccessTest& t) {
        QCOMPARE(::mkfifo(QFile::encodeName(t.at(QStringLiteral("pipe"))).constData(), 0600), 0);
    }) << write("pipe") << 75 << none;
    QTest::newRow("a new file with an exact mode ignores the umask")
        << false << none << Step([](FileAccessTest& t) {
               const mode_t old = ::umask(0);
               writeFileAtomically(t.at(QStringLiteral("err.txt")), "x", {0600, true});
               ::umask(old);
           })
        << 0 << Step([](FileAccessTest& t) {
               QCOMPARE(statOf(t.at(QStringLiteral("err.txt"))).mode, mode_t(0600));
           });
    QTest::newRow("a new file takes the mode less the umask")
        << false << none << Step([](FileAccessTest& t) {
               const mode_t old = ::umask(022);
               writeFileAtomically(t.at(QStringLiteral("new.txt")), "x");
               ::umask(old);
           })
        << 0 << Step([](FileAccessTest& t) {
               QCOMPARE(statOf(t.at(QStringLiteral("new.txt"))).mode, mode_t(0644));
           });
}

void FileAccessTest::hostileStates() {
    QFETCH(bool, needsRoot);
    QFETCH(Step, stage);
    QFETCH(Step, call);
    QFETCH(int, error);
    QFETCH(Step, check);
    if (needsRoot && !root()) QSKIP("needs root to play two users");
    stage(*this);
    expectOutcome(
        [&] {
            call(*this);
            return 0;
        },
        0, error);
    check(*this);
}

QTEST_APPLESS_MAIN(FileAccessTest)
#include "test_file_access.moc"
