// SPDX-License-Identifier: MIT
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// A lyric file of the shape players write: headers, several tags on a line, unsorted lines,
// tags that are no times, a three-digit fraction, a plain text line, an empty time tag.
const QString kSong = QStringLiteral(
    "[ti:月亮代表我的心]\r\n"
    "[ar:Singer]\r\n"
    "[length:03:20]\r\n"
    "[re:SomePlayer]\r\n"
    "[offset:+500]\r\n"
    "\r\n"
    "[00:10.00]A\r\n"
    "[00:05.00]B\r\n"
    "plain words without a time\r\n"
    "[00:30.00][00:20.00]Chorus\n"
    "[00:40.123]Late\r"
    "[00:50.00]\r\n"
    "[ti:Second title]\r\n"
    "[00:00.00]Zero\r\n");

}  // namespace

class LyricsTest : public QObject {
    Q_OBJECT
  private slots:
    void currentLine_data();
    void currentLine();
    void headers();
    void missingFileEmptiesTheStore();
    void entriesBeyondTheCounter();
};

void LyricsTest::currentLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("left");  // -1: left unchanged
    const QByteArray utf8 = kSong.toUtf8();
    const QByteArray gbk = QStringEncoder("GBK").encode(kSong);
    QTest::newRow("before the first line") << utf8 << 3000 << "" << -1;
    QTest::newRow("exactly at a start") << utf8 << 5000 << "" << -1;
    QTest::newRow("first line") << utf8 << 7000 << "B" << 5001;
    QTest::newRow("sorted after it") << utf8 << 12000 << "A" << 10001;
    QTest::newRow("first of two tags") << utf8 << 25000 << "Chorus" << 10001;
    QTest::newRow("second of two tags") << utf8 << 35000 << "Chorus" << 10121;
    QTest::newRow("three-digit fraction") << utf8 << 45000 << "Late" << 9881;
    QTest::newRow("empty tag text is a space") << utf8 << 60000 << " " << 0;
    QTest::newRow("last line stays") << utf8 << 9999999 << " " << 0;
    QTest::newRow("GBK file") << gbk << 12000 << "A" << 10001;
    QTest::newRow("only a plain line")
        << QByteArray("[00:01.00]x\r\nplain\r\n") << 5000 << "x" << 0;
}

void LyricsTest::currentLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, time);
    QFETCH(QString, text);
    QFETCH(int, left);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("song.lrc"));
    QVERIFY(writeBytes(file, bytes));
    workOut w;
    QCOMPARE(w.LRC_Load(file), 0);
    qint32 next = -1;
    QCOMPARE(w.LRC_GetTimeStr(time, next), text);
    QCOMPARE(next, left);
}

void LyricsTest::headers() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("song.lrc"));
    QVERIFY(writeBytes(file, kSong.toUtf8()));
    workOut w;
    w.LRC_Load(file);
    QString ti, ar, al, by, offset;
    w.LRC_GetContents(ti, ar, al, by, offset);
    QCOMPARE(QStringList({ti, ar, al, by, offset}),
             QStringList({"月亮代表我的心", "Singer", "", "", "+500"}));
}

void LyricsTest::missingFileEmptiesTheStore() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("song.lrc"));
    QVERIFY(writeBytes(file, kSong.toUtf8()));
    workOut w;
    w.LRC_Load(file);
    QCOMPARE(w.LRC_Load(dir.filePath(QStringLiteral("gone.lrc"))), 1);
    QString ti = QStringLiteral("x"), ar, al, by, offset;
    w.LRC_GetContents(ti, ar, al, by, offset);
    QCOMPARE(ti, QString());
    qint32 next = 7;
    QCOMPARE(w.LRC_GetTimeStr(12000, next), QString());
    QCOMPARE(next, 7);
}

void LyricsTest::entriesBeyondTheCounter() {
    // 40,000 lines: the first 32,767 give entries, the rest are ignored; a line's second tag
    // counts only while there are at most 1,000 entries.
    QByteArray file = "[00:00.50][00:00.60]two tags\r\n";
    for (int k = 1; k < 40000; ++k) {
        const int t = 6000 + k;  // hundredths of a second, from one minute on
        file += QStringLiteral("[%1:%2.%3]line %4\r\n")
                    .arg(t / 6000, 2, 10, QLatin1Char('0'))
                    .arg(t / 100 % 60, 2, 10, QLatin1Char('0'))
                    .arg(t % 100, 2, 10, QLatin1Char('0'))
                    .arg(k)
                    .toUtf8();
    }
    file += "[99:00.00][99:30.00]x\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.lrc"));
    QVERIFY(writeBytes(path, file));
    workOut w;
    QCOMPARE(w.LRC_Load(path), 0);
    qint32 next = -1;
    QCOMPARE(w.LRC_GetTimeStr(550, next), QStringLiteral("two tags"));  // at 500
    QCOMPARE(w.LRC_GetTimeStr(650, next), QStringLiteral("two tags"));  // at 600
    // Entry 32,766 is line 32,765 at 06:27.65; nothing later was kept.
    QCOMPARE(w.LRC_GetTimeStr(99 * 60000, next), QStringLiteral("line 32765"));
    QCOMPARE(next, 0);
}

QTEST_APPLESS_MAIN(LyricsTest)
#include "test_lyrics.moc"
