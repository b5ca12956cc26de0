// SPDX-License-Identifier: MIT
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "file_helpers.h"
#include "outcome.h"
#include "runtime/text_files.h"

using namespace kelvarin;
using namespace kelvarin::rt;

class TextFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void decoding_data();
    void decoding();
    void lines_data();
    void lines();
    void linesKeepTheirBytes_data();
    void linesKeepTheirBytes();
    void crLfCheckAgreesWithPlainLoop();
    void readErrors_data();
    void readErrors();
};

void TextFilesTest::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gb18030");
    QTest::addColumn<bool>("mark");
    QTest::newRow("ASCII") << QByteArray("abc") << "abc" << false << false;
    QTest::newRow("UTF-8") << QStringLiteral("月亮").toUtf8() << "月亮" << false << false;
    QTest::newRow("mark") << QByteArray("\xEF\xBB\xBFx") << "x" << false << true;
    QTest::newRow("GBK is GB18030") << QByteArray("\xD4\xC2\xC1\xC1") << "月亮" << true << false;
    QTest::newRow("four-byte GB18030")
        << QByteArray("\xD4\xC2\x94\x39\xFC\x36") << "月😀" << true << false;
    QTest::newRow("broken UTF-8 is GB18030") << QByteArray("a\xC3") << "a\uFFFD" << true << false;
}

void TextFilesTest::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, gb18030);
    QFETCH(bool, mark);
    const TextFile file = decodeText(bytes);
    QCOMPARE(file.text, text);
    QCOMPARE(file.encoding == TextEncoding::Gb18030, gb18030);
    QCOMPARE(file.byteOrderMark, mark);
    if (!text.contains(u'\uFFFD')) QCOMPARE(encodeText(file.text, file.encoding, mark), bytes);
}

void TextFilesTest::linesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("gb18030");
    QTest::newRow("UTF-8 with mark, mixed ends")
        << QByteArray("\xEF\xBB\xBFk=\xE6\x9C\x88\r\nx\ny\r") << QStringList{"k=月", "x", "y"}
        << false;
    // One stray byte makes the file GB18030; the UTF-8 line decodes to something else, and
    // the stray byte to U+FFFD, but both lines keep their own bytes.
    QTest::newRow("UTF-8 with one stray byte")
        << QByteArray("a=\xE6\x9C\x88\r\nb=\xFF") << QStringList{"a=鏈\uFFFD", "b=\uFFFD"} << true;
    QTest::newRow("empty lines, LF CR is two ends")
        << QByteArray("\r\n\r\na\n\rb\n") << QStringList{"", "", "a", "", "b"} << false;
    QTest::newRow("GB18030 lines and empty ones")
        << QByteArray("\xD4\xC2\r\n\r\nx\xFF\ry") << QStringList{"月", "", "x\uFFFD", "y"} << true;
}

void TextFilesTest::linesKeepTheirBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(bool, gb18030);
    const TextLines decoded = decodeLines(bytes);
    QStringList got;
    for (qsizetype k = 0; k < decoded.size(); ++k)
        got << decoded.line(k).toString();
    QCOMPARE(got, lines);
    QCOMPARE(decoded.encoding == TextEncoding::Gb18030, gb18030);
    // The bytes of the lines, joined with their ends, are the file again (but for its ends).
    QByteArray again = decoded.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (qsizetype k = 0; k < decoded.size(); ++k)
        again += decoded.raw(k).toByteArray() + '\n';
    QByteArray expected = bytes;
    expected.replace("\r\n", "\n").replace('\r', '\n');
    if (!expected.endsWith('\n')) expected += '\n';
    QCOMPARE(again, expected);
}

void TextFilesTest::lines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("every kind of end") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("last end") << "a\r\n" << QStringList{"a"};
    QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty lines") << "\r\n\r\n" << QStringList{"", ""};
}

void TextFilesTest::lines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TextFilesTest::crLfCheckAgreesWithPlainLoop() {
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        QString text(static_cast<int>(random.bounded(70)), u'x');
        for (QChar& c : text) {
            const quint32 r = random.bounded(12);
            c = r == 0 ? u'\r' : r == 1 ? u'\n' : u'x';
        }
        if (random.bounded(2)) text.replace(QStringLiteral("\r"), QStringLiteral("\r\n"));
        bool plain = true;
        for (qsizetype k = 0; k < text.size(); ++k) {
            if (text[k] == u'\r') plain = plain && k + 1 < text.size() && text[k + 1] == u'\n';
            if (text[k] == u'\n') plain = plain && k > 0 && text[k - 1] == u'\r';
        }
        QCOMPARE(onlyCrLfLineEnds(text), plain);
        QCOMPARE(onlyCrLfLineEnds(QByteArrayView(text.toUtf8())), plain);  // the bytes' own
    }
}

void TextFilesTest::readErrors_data() {
    QTest::addColumn<QString>("path");  // relative to a folder holding file.txt
    QTest::addColumn<int>("error");
    QTest::newRow("missing file") << "none.txt" << 53;
    QTest::newRow("missing folder") << "none/file.txt" << 76;
    QTest::newRow("file on the way") << "file.txt/x.txt" << 76;
    QTest::newRow("a folder") << "." << 75;
    QTest::newRow("readable") << "file.txt" << 0;
    // Special files are no files, and opening them never waits.
    QTest::newRow("named pipe") << "pipe" << 53;
    QTest::newRow("socket") << "socket" << 53;
    QTest::newRow("device") << "/dev/zero" << 53;
    QTest::newRow("larger than the longest text") << "sparse" << 14;
    QTest::newRow("name with NUL") << QStringLiteral("file.txt%1x").arg(QChar(0)) << 52;
    QTest::newRow("link to a pipe") << "to-pipe" << 53;
}

void TextFilesTest::readErrors() {
    QFETCH(QString, path);
    QFETCH(int, error);
    QTemporaryDir dir;
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("file.txt")), "x"));
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
    QVERIFY(
        QFile::link(dir.filePath(QStringLiteral("pipe")), dir.filePath(QStringLiteral("to-pipe"))));
    const QByteArray socketName = QFile::encodeName(dir.filePath(QStringLiteral("socket")));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketName.constData(), sizeof address.sun_path - 1);
    QCOMPARE(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    QFile sparse(dir.filePath(QStringLiteral("sparse")));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
    testing::expectOutcome([&] { return readFile(dir.filePath(path)); }, QByteArray("x"), error);
    ::close(sock);
}

QTEST_APPLESS_MAIN(TextFilesTest)
#include "test_text_files.moc"
