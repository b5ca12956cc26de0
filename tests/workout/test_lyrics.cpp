// SPDX-License-Identifier: MIT
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <sys/stat.h>

#include "file_helpers.h"
#include "workout/internal/lyric_store.h"
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
    void fromFiles_data();
    void fromFiles();
    void headers();
    void entriesBeyondTheCounter();
    void equalTimes_data();
    void equalTimes();
    void sortAgreesWithTheExchangeSort();
};

// The parser is fed text; the file access around it has its own cases below.
void LyricsTest::currentLine_data() {
    QTest::addColumn<QString>("song");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("left");  // -1: left unchanged
    const QString utf8 = kSong;
    // A line of 100,000 tags that are no times before one that is: taken in one pass.
    QString tags;
    for (int k = 0; k < 100000; ++k)
        tags += QStringLiteral("[ab:cd.ef]");
    QTest::newRow("before the first line") << utf8 << 3000 << "" << -1;
    QTest::newRow("exactly at a start") << utf8 << 5000 << "" << -1;
    QTest::newRow("first line") << utf8 << 7000 << "B" << 5001;
    QTest::newRow("sorted after it") << utf8 << 12000 << "A" << 10001;
    QTest::newRow("first of two tags") << utf8 << 25000 << "Chorus" << 10001;
    QTest::newRow("second of two tags") << utf8 << 35000 << "Chorus" << 10121;
    QTest::newRow("three-digit fraction") << utf8 << 45000 << "Late" << 9881;
    QTest::newRow("empty tag text is a space") << utf8 << 60000 << " " << 0;
    QTest::newRow("last line stays") << utf8 << 9999999 << " " << 0;
    QTest::newRow("only a plain line") << "[00:01.00]x\r\nplain\r\n" << 5000 << "x" << 0;
    QTest::newRow("a long line of tags that are no times")
        << tags + QStringLiteral("[00:01.00]x") << 2000 << "x" << 0;
}

void LyricsTest::currentLine() {
    QFETCH(QString, song);
    QFETCH(int, time);
    QFETCH(QString, text);
    QFETCH(int, left);
    const LyricStore store = parseLyrics(song);
    qint32 next = -1;
    QCOMPARE(lyricAt(store, time, next), text);
    QCOMPARE(next, left);
}

// Loading from files: the encodings, and files that are missing or are no files.
void LyricsTest::fromFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QString>("text");  // at 12 s
    QTest::newRow("UTF-8") << "utf8.lrc" << 0 << "A";
    QTest::newRow("GBK") << "gbk.lrc" << 0 << "A";
    QTest::newRow("missing") << "gone.lrc" << 1 << "";
    QTest::newRow("a named pipe") << "pipe.lrc" << 1 << "";
    QTest::newRow("a folder") << "." << 1 << "";
}

void LyricsTest::fromFiles() {
    QFETCH(QString, name);
    QFETCH(int, loaded);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("utf8.lrc")), kSong.toUtf8()));
    QVERIFY(
        writeBytes(dir.filePath(QStringLiteral("gbk.lrc")), QStringEncoder("GBK").encode(kSong)));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.lrc"))).constData(), 0600), 0);
    workOut w;
    w.LRC_Load(dir.filePath(QStringLiteral("utf8.lrc")));  // a file before empties the store
    QCOMPARE(w.LRC_Load(dir.filePath(name)), loaded);
    qint32 next = -1;
    QCOMPARE(w.LRC_GetTimeStr(12000, next), text);
    // A file that cannot be loaded leaves the store empty: no line, no headers.
    QString ti = QStringLiteral("x"), ar, al, by, offset;
    w.LRC_GetContents(ti, ar, al, by, offset);
    QCOMPARE(next, loaded == 0 ? 10001 : -1);
    QCOMPARE(ti, loaded == 0 ? QStringLiteral("月亮代表我的心") : QString());
}

void LyricsTest::headers() {
    const LyricStore store = parseLyrics(kSong);
    QCOMPARE(QStringList(store.head.begin(), store.head.end()),
             QStringList({"月亮代表我的心", "Singer", "", "", "+500"}));
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
    const LyricStore store = parseLyrics(QString::fromUtf8(file));
    qint32 next = -1;
    QCOMPARE(lyricAt(store, 550, next), QStringLiteral("two tags"));  // at 500
    QCOMPARE(lyricAt(store, 650, next), QStringLiteral("two tags"));  // at 600
    // Entry 32,766 is line 32,765 at 06:27.65; nothing later was kept.
    QCOMPARE(lyricAt(store, 99 * 60000, next), QStringLiteral("line 32765"));
    QCOMPARE(next, 0);
}

// Lines with equal times: the order of their texts after the sort, and the text current after
// them (the last of a group of equal times).
void LyricsTest::equalTimes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("current");  // at 60 s
    QTest::newRow("two equal, nothing after") << "[00:05.00]A\n[00:05.00]B\n"
                                              << "A B"
                                              << "B";
    QTest::newRow("two equal before a smaller one: passed over")
        << "[00:10.00]A\n[00:10.00]B\n[00:05.00]C\n"
        << "C B A"
        << "A";
    QTest::newRow("three equal before a smaller one")
        << "[00:10.00]A\n[00:10.00]B\n[00:10.00]D\n[00:05.00]C\n"
        << "C B D A"
        << "A";
    QTest::newRow("two smaller ones turn the queue twice")
        << "[00:10.00]A\n[00:10.00]B\n[00:05.00]C\n[00:06.00]E\n"
        << "C E A B"
        << "B";
    QTest::newRow("equal after the smaller one stay") << "[00:05.00]C\n[00:10.00]A\n[00:10.00]B\n"
                                                      << "C A B"
                                                      << "B";
    QTest::newRow("one line's two tags equal") << "[00:10.00][00:10.00]A\n[00:01.00]B\n"
                                               << "B A A"
                                               << "A";
}

void LyricsTest::equalTimes() {
    QFETCH(QString, file);
    QFETCH(QString, texts);
    QFETCH(QString, current);
    const LyricStore store = parseLyrics(file);
    QStringList got;
    for (const LyricEntry& e : store.entries)
        if (!e.milliseconds.isEmpty()) got << e.text;
    QCOMPARE(got.join(u' '), texts);
    qint32 left = -1;
    QCOMPARE(lyricAt(store, 60000, left), current);
}

// The sort's order is the one the exchange sort's passes give, for keys with many ties.
void LyricsTest::sortAgreesWithTheExchangeSort() {
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(random() % 40);
        const int values = 1 + static_cast<int>(random() % 6);
        std::vector<qint32> keys;
        keys.reserve(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k)
            keys.push_back(static_cast<qint32>(random() % static_cast<unsigned>(values)));
        std::vector<qint32> passes = keys;
        std::vector<qsizetype> places(keys.size());
        for (size_t k = 0; k < places.size(); ++k)
            places[k] = static_cast<qsizetype>(k);
        for (size_t t = 0; t < passes.size(); ++t)
            for (size_t u = t + 1; u < passes.size(); ++u)
                if (passes[t] > passes[u]) {
                    std::swap(passes[t], passes[u]);
                    std::swap(places[t], places[u]);
                }
        QCOMPARE(exchangeSortOrder(keys), places);
    }
}

QTEST_APPLESS_MAIN(LyricsTest)
#include "test_lyrics.moc"
