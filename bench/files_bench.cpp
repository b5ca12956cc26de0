// SPDX-License-Identifier: MIT
// The file families: the INI store beside QSettings, the lyric reader, and LoadText beside
// reading and decoding with Qt.

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "bench/bench.h"
#include "bench/groups.h"
#include "workout/workout.h"

namespace kelvarin::bench {

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

}  // namespace

void files() {
    header("files");
    QTemporaryDir dir;
    // 99 sections of 100 keys, every key looked up once.
    QByteArray ini;
    for (int s = 1; s <= 99; ++s) {
        ini += "[Section" + QByteArray::number(s) + "]\r\n";
        for (int k = 1; k <= 100; ++k)
            ini += "key" + QByteArray::number(k) + "=value " + QByteArray::number(s * 1000 + k) +
                   "\r\n";
    }
    const int runs = 5;
    for (int r = 0; r < runs; ++r)
        write(dir.filePath(QStringLiteral("s%1.ini").arg(r)), ini);
    int run = 0;
    qint64 found = 0;
    const double ours = medianMs(runs, [&] {
        workOut w;
        w.ini_SetOpenFiles(dir.filePath(QStringLiteral("s%1.ini").arg(run++)));
        for (int s = 1; s <= 99; ++s) {
            const QString section = QStringLiteral("Section%1").arg(s);
            for (int k = 1; k <= 100; ++k) {
                QString title = section;
                qint32 wrong = 0;
                found += !w.ini_GetDatas(QStringLiteral("key%1").arg(k), title, wrong).isEmpty();
            }
        }
    });
    run = 0;
    // A fresh file for every run: QSettings keeps the files it parsed.
    for (int r = 0; r < runs; ++r)
        write(dir.filePath(QStringLiteral("q%1.ini").arg(r)), ini);
    const double settings = medianMs(runs, [&] {
        QSettings q(dir.filePath(QStringLiteral("q%1.ini").arg(run++)), QSettings::IniFormat);
        for (int s = 1; s <= 99; ++s) {
            const QString section = QStringLiteral("Section%1/key").arg(s);
            for (int k = 1; k <= 100; ++k)
                found += !q.value(section + QString::number(k)).toString().isEmpty();
        }
    });
    keep(found);
    report("INI 99 x 100 keys: open, look up each", ours, "QSettings IniFormat, same", settings,
           "faster than QSettings");

    // Lyric files of 1,000 lines and of 32,767 entries, in reverse order so the sort works.
    auto lyrics = [](int lines) {
        QByteArray text = "[ti:Title]\r\n[ar:Artist]\r\n";
        for (int k = lines; k >= 1; --k) {
            const int t = k * 37;
            text += QStringLiteral("[%1:%2.%3]Line %4\r\n")
                        .arg(t / 6000, 2, 10, QLatin1Char('0'))
                        .arg(t / 100 % 60, 2, 10, QLatin1Char('0'))
                        .arg(t % 100, 2, 10, QLatin1Char('0'))
                        .arg(k)
                        .toUtf8();
        }
        return text;
    };
    for (const int lines : {1000, 32767}) {
        const QString path = dir.filePath(QStringLiteral("l%1.lrc").arg(lines));
        write(path, lyrics(lines));
        workOut w;
        const double load = medianMs(lines > 1000 ? 3 : 21, [&] { w.LRC_Load(path); });
        const double read = medianMs(21, [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            keep(QString::fromUtf8(f.readAll()));
        });
        report(lines > 1000 ? "LRC_Load of 32,767 entries, reversed" : "LRC_Load of 1,000 lines",
               load, "QFile::readAll + fromUtf8", read, lines > 1000 ? "under 5 s" : "under 5 ms");
    }

    // LoadText of 10 MB of lines.
    QByteArray text;
    while (text.size() < qsizetype(10) * 1024 * 1024)
        text += "Lorem ipsum dolor sit amet, consectetur adipiscing elit 中文 0123456789\r\n";
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    write(path, text);
    workOut w;
    const double load = medianMs(11, [&] { keep(w.LoadText(path)); });
    const double read = medianMs(11, [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QStringDecoder utf8(QStringConverter::Utf8);
        keep(QString(utf8.decode(f.readAll())));
    });
    report("LoadText of 10 MB", load, "QFile::readAll + UTF-8 decoding", read, "within 1.5x");
}

}  // namespace kelvarin::bench
