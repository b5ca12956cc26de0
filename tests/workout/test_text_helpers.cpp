// SPDX-License-Identifier: MIT
#include <QDir>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "file_helpers.h"
#include "outcome.h"
#include "recording_surfaces.h"
#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

class TextHelpersTest : public QObject {
    Q_OBJECT
  private slots:
    void loadText_data();
    void loadText();
    void searchText_data();
    void searchText();
    void lines_data();
    void lines();
    void linesFollowTheRule();
    void insert_data();
    void insert();
    void errorFile();
    void errorFileFailures_data();
    void errorFileFailures();

  private:
    QTemporaryDir m_dir;
};

void TextHelpersTest::loadText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc") << "a\r\nb\r\nc";
    QTest::newRow("last line end dropped") << QByteArray("a\r\nb\r\nc\r\n") << "a\r\nb\r\nc";
    QTest::newRow("LF only") << QByteArray("a\nb\n") << "a\r\nb";
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\r\nb";
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\n\n") << "\r\n\r\nx\r\n";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("byte-order mark dropped")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("中文\r\n").toUtf8() << "中文";
    QTest::newRow("GBK")
        << QStringEncoder("GBK").encode(QStringLiteral("歌词\r\n第二行")).operator QByteArray()
        << "歌词\r\n第二行";
}

void TextHelpersTest::loadText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString file = m_dir.filePath(QStringLiteral("t.txt"));
    QVERIFY(writeBytes(file, bytes));
    workOut w;
    QCOMPARE(w.LoadText(file), text);
    QCOMPARE(w.LoadText(m_dir.filePath(QStringLiteral("missing.txt"))), QStringLiteral("#Err53"));
    QCOMPARE(w.LoadText(m_dir.path()), QStringLiteral("#Err53"));  // a folder
    const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
    QFile::remove(pipe);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(w.LoadText(pipe), QStringLiteral("#Err53"));  // no file, and no wait for a writer
    QCOMPARE(w.LoadText(QStringLiteral("/dev/zero")), QStringLiteral("#Err53"));
}

void TextHelpersTest::searchText_data() {
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("result");
    QTest::newRow("all terms") << "mp3;128,wma"
                               << "song.mp3 at 128 kbps"
                               << "128";
    QTest::newRow("second alternative") << "mp3;128,wma"
                                        << "x.wma"
                                        << "wma";
    QTest::newRow("none") << "mp3;128,wma"
                          << "x.ogg"
                          << "";
    QTest::newRow("case matters") << "MP3"
                                  << "song.mp3"
                                  << "";
    QTest::newRow("empty list matches") << ""
                                        << "anything"
                                        << "";
    QTest::newRow("empty alternative matches") << "zzz,,wma"
                                               << "x.wma"
                                               << "";
    QTest::newRow("trailing ; ends in empty term") << "mp3;"
                                                   << "a.mp3"
                                                   << "";
    QString many;
    for (int k = 0; k < 300; ++k)
        many += QStringLiteral("a;");
    QTest::newRow("300 terms") << many + QStringLiteral("b") << "ab"
                               << "b";
}

void TextHelpersTest::searchText() {
    QFETCH(QString, read);
    QFETCH(QString, check);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.SearchText(read, check), result);
}

void TextHelpersTest::lines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lines");  // lines 0 to count + 1
    QTest::newRow("three") << "a\r\nb\r\nc" << 3 << QStringList{"", "a", "b", "c", ""};
    QTest::newRow("empty") << "" << 1 << QStringList{"", "", ""};
    QTest::newRow("last line empty") << "a\r\nb\r\n" << 3 << QStringList{"", "a", "b", "", ""};
    QTest::newRow("single") << "x" << 1 << QStringList{"", "x", ""};
    QTest::newRow("lone LF is no line end") << "a\nb\r\nc" << 2 << QStringList{"", "a\nb", "c", ""};
}

void TextHelpersTest::lines() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QStringList, lines);
    MemoryTextBox box;
    box.content = text;
    workOut w;
    QCOMPARE(w.TextLenLine(box), count);
    for (int n = 0; n < lines.size(); ++n)
        QCOMPARE(w.TextLine(box, n), lines[n]);
    QCOMPARE(w.TextLine(box, 0x7FFFFFFF), QString());
    QCOMPARE(w.TextLine(box, -5), QString());
    box.failing = true;
    QCOMPARE(w.TextLenLine(box), 0);
    QCOMPARE(w.TextLine(box, 1), QString());
}

// Line n of random texts against the rule itself: line 1 is the text before the first CR LF;
// the last line the text after the last CR LF, found from the right; any other line the text
// after the (n - 1)-th pair, the pairs walked from the start with each search going on one
// character after the pair before; "" for a line the walk does not reach.
void TextHelpersTest::linesFollowTheRule() {
    QRandomGenerator random(11);
    workOut w;
    MemoryTextBox box;
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int length = static_cast<int>(random.bounded(14));
        for (int k = 0; k < length; ++k)
            text += QStringLiteral("a\r\n").at(static_cast<int>(random.bounded(3)));
        box.content = text;
        const QString pair = QStringLiteral("\r\n");
        qint32 count = 1;
        for (qsizetype p = text.indexOf(pair); p >= 0; p = text.indexOf(pair, p + 1))
            ++count;
        QCOMPARE(w.TextLenLine(box), count);
        for (qint32 line = -1; line <= count + 2; ++line) {
            QString expected;
            if (line == 1) {
                const qsizetype first = text.indexOf(pair);
                expected = first < 0 ? text : text.left(first);
            } else if (line == count) {
                expected = text.mid(text.lastIndexOf(pair) + 2);
            } else if (line > 1) {
                qsizetype p = -1;
                bool reached = true;
                for (qint32 k = 1; k < line && reached; ++k) {
                    p = text.indexOf(pair, p + 1);
                    reached = p >= 0;
                }
                if (reached) {
                    const qsizetype next = text.indexOf(pair, p + 2);
                    expected = next < 0 ? text.mid(p + 2) : text.mid(p + 2, next - p - 2);
                }
            }
            QCOMPARE(w.TextLine(box, line), expected);
        }
    }
}

void TextHelpersTest::insert_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    QTest::newRow("replace selection") << "abcdef" << 2 << 2 << "abXYef" << 4;
    QTest::newRow("at caret") << "abc" << 1 << 0 << "aXYbc" << 3;
    QTest::newRow("at end") << "abc" << 3 << 0 << "abcXY" << 5;
    QTest::newRow("selection past end") << "abc" << 2 << 9 << "abXY" << 4;
    QTest::newRow("empty box") << "" << 0 << 0 << "XY" << 2;
}

void TextHelpersTest::insert() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, result);
    QFETCH(int, caret);
    MemoryTextBox box;
    box.content = text;
    box.start = start;
    box.length = length;
    workOut w;
    w.Textbox_insert(box, QStringLiteral("XY"));
    QCOMPARE(box.content, result);
    QCOMPARE(box.start, caret);
    QCOMPARE(box.length, 0);
    box.failing = true;
    w.Textbox_insert(box, QStringLiteral("XY"));  // failures are skipped
}

void TextHelpersTest::errorFile() {
    const QString state = m_dir.filePath(QStringLiteral("state"));
    FixedFolders folders;
    folders.state = state;
    platform::Services services;
    services.folders = &folders;
    workOut w(services);
    QCOMPARE(w.PrintErr(QStringLiteral("first 错误")), 0);
    QCOMPARE(w.PrintErr(QStringLiteral("second 错误")), 0);
    const QString file = state + QStringLiteral("/kelvarin/Err.txt");
    QCOMPARE(readBytes(file), QStringLiteral("second 错误\r\n").toUtf8());
    QCOMPARE(QDir(state + QStringLiteral("/kelvarin")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Err.txt"});
    // The user's alone whatever the umask.
    const mode_t old = ::umask(0);
    QCOMPARE(w.PrintErr(QStringLiteral("third")), 0);
    ::umask(old);
    QCOMPARE(QFile::permissions(file),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

void TextHelpersTest::errorFileFailures_data() {
    QTest::addColumn<QString>("state");  // relative to the temporary folder
    QTest::addColumn<bool>("otherUser");
    QTest::addColumn<int>("error");
    QTest::newRow("a file on the way") << "plain.txt/below" << false << 76;
    QTest::newRow("Err.txt is a folder") << "taken" << false << 75;
    QTest::newRow("not permitted") << "closed/state" << true << 70;
}

void TextHelpersTest::errorFileFailures() {
    QFETCH(QString, state);
    QFETCH(bool, otherUser);
    QFETCH(int, error);
    QVERIFY(writeBytes(m_dir.filePath(QStringLiteral("plain.txt")), "x"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("taken/kelvarin/Err.txt"))));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("closed"))));
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther);
    QFile::setPermissions(m_dir.filePath(QStringLiteral("closed")),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    FixedFolders folders;
    folders.state = m_dir.filePath(state);
    platform::Services services;
    services.folders = &folders;
    const int got = runInChild({otherUser, -1}, [&services] {
        try {
            workOut(services).PrintErr(QStringLiteral("x"));
            return 0;
        } catch (const workOutError& e) {
            return e.number();
        }
    });
    QCOMPARE(got, error);
}

QTEST_APPLESS_MAIN(TextHelpersTest)
#include "test_text_helpers.moc"
