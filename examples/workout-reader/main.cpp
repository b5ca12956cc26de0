// SPDX-License-Identifier: MIT
// workout-reader: reads an INI file and a lyric file and hashes a file with the workOut library.
//   workout-reader BOARD.ini SONG.lrc FILE
// Build it with CMake (find_package(Kelvarin 1.1 REQUIRED COMPONENTS workout)) or with
// pkg-config (kelvarin-workout); see README.md beside this file.

#include <QCoreApplication>
#include <QTextStream>

#include <workout/workout.h>

namespace {

QTextStream out(stdout);

// Minutes and seconds of a time in milliseconds: "01:04".
QString clock(qint32 milliseconds) {
    const qint32 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The board's settings: each key of its section, or a note when it is not there.
void readBoard(kelvarin::workOut& w, const QString& file) {
    const qint32 status = w.ini_SetOpenFiles(file);
    if (status != 0) {
        out << file << ": cannot be read (" << status << ")\n";
        return;
    }
    out << file << '\n';
    const QStringList keys = {QStringLiteral("board/wiring"), QStringLiteral("board/polarity"),
                              QStringLiteral("output/format"), QStringLiteral("output/name")};
    for (const QString& key : keys) {
        QString section = key.section(u'/', 0, 0);
        const QString name = key.section(u'/', 1);
        qint32 wrong = 0;
        const QString value = w.ini_GetDatas(name, section, wrong);
        out << "  [" << section << "] " << name << " = "
            << (wrong == 0 ? value : QStringLiteral("(not there)")) << '\n';
    }
    w.ini_SetCloseFiles();
}

// The lyric file's tags, then each line with the time it is shown.
void readLyrics(kelvarin::workOut& w, const QString& file) {
    if (w.LRC_Load(file) != 0) {
        out << file << ": cannot be read\n";
        return;
    }
    QString title, artist, album, by, offset;
    w.LRC_GetContents(title, artist, album, by, offset);
    out << file << ": \"" << title << "\" by " << artist << ", from \"" << album << "\"\n";
    // Step through the song: before the first line in tenths of a second, then from line to
    // line by the time each one is shown. Ten minutes at most.
    for (qint32 at = 0; at <= 600000;) {
        qint32 left = 0;
        const QString line = w.LRC_GetTimeStr(at, left);
        if (line.isEmpty()) {
            at += 100;
            continue;
        }
        out << "  " << clock(at) << "  " << line << '\n';
        if (left == 0) break;  // the last line
        at += left;
    }
}

// The file's digests.
void hash(kelvarin::workOut& w, const QString& file) {
    out << file << '\n';
    const struct {
        const char* name;
        qint32 algorithm;
    } digests[] = {{"MD5", 0x8003}, {"SHA-1", 0x8004}, {"SHA-256", 0x800C}};
    for (const auto& digest : digests) {
        try {
            out << "  " << QString::fromLatin1(digest.name).leftJustified(8)
                << w.HashFile(file, digest.algorithm) << '\n';
        } catch (const kelvarin::workOutError& e) {
            out << "  " << digest.name << ": error " << e.number() << '\n';
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: workout-reader BOARD.ini SONG.lrc FILE\n";
        return 2;
    }
    kelvarin::workOut w;  // the library's own clock and random generator, no other service
    readBoard(w, arguments[1]);
    readLyrics(w, arguments[2]);
    hash(w, arguments[3]);
    return 0;
}
