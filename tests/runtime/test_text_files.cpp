// SPDX-License-Identifier: MIT
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "outcome.h"
#include "runtime/text_files.h"

using namespace kelvarin;
using namespace kelvarin::platform;

class TextFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void decoding_data();
    void decoding();
    void lines_data();
    void lines();
    void crLfCheckAgreesWithPlainLoop();
    void readErrors_data();
    void readErrors();
};

void TextFilesTest::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gbk");
    QTest::addColumn<bool>("mark");
    QTest::newRow("ASCII") << QByteArray("abc") << "abc" << false << false;
    QTest::newRow("UTF-8") << QStringLiteral("月亮").toUtf8() << "月亮" << false << false;
    QTest::newRow("mark") << QByteArray("\xEF\xBB\xBFx") << "x" << false << true;
    QTest::newRow("GBK") << QByteArray("\xD4\xC2\xC1\xC1") << "月亮" << true << false;
    QTest::newRow("broken UTF-8 is GBK") << QByteArray("a\xC3") << "a\uFFFD" << true << false;
}

void TextFilesTest::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, gbk);
    QFETCH(bool, mark);
    const TextFile file = decodeText(bytes);
    QCOMPARE(file.text, text);
    QCOMPARE(file.encoding == TextEncoding::Gbk, gbk);
    QCOMPARE(file.byteOrderMark, mark);
    if (!text.contains(u'\uFFFD')) QCOMPARE(encodeText(file.text, file.encoding, mark), bytes);
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
}

void TextFilesTest::readErrors() {
    QFETCH(QString, path);
    QFETCH(int, error);
    QTemporaryDir dir;
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("file.txt")), "x"));
    testing::expectOutcome([&] { return readFile(dir.filePath(path)); }, QByteArray("x"), error);
}

QTEST_APPLESS_MAIN(TextFilesTest)
#include "test_text_files.moc"
