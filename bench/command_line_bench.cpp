// SPDX-License-Identifier: MIT
// The command line: a short text's codes from launch to exit beside a bare core application,
// and the codes of a long text at 1 and 2 Mi characters.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/bench.h"
#include "bench/groups.h"
#include "segment_codes/formats.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::bench {

namespace {

double launchMs(const QString& program, const QStringList& arguments) {
    return medianMs(1, [&] {
        QProcess p;
        p.start(program, arguments);
        p.waitForFinished(-1);
    });
}

}  // namespace

void commandLine() {
    header("command line (x = time for 2 Mi / time for 1 Mi)");
    const QString folder = QCoreApplication::applicationDirPath();
    std::vector<double> ours, bare;
    for (int run = 0; run < 31; ++run) {
        ours.push_back(launchMs(folder + QStringLiteral("/kelvarin"),
                                {QStringLiteral("codes"), QStringLiteral("HELLO 12.5")}));
        bare.push_back(launchMs(folder + QStringLiteral("/kelvarin_bare"), {}));
    }
    std::sort(ours.begin(), ours.end());
    std::sort(bare.begin(), bare.end());
    report("kelvarin codes \"HELLO 12.5\", launch to exit", ours[ours.size() / 2],
           "a bare QCoreApplication printing a line", bare[bare.size() / 2], "within 1.3x");

    // A project of 1,000 entries built, and a 10-entry table's wiring worked out, each beside the
    // codes of ten characters, launched to exit.
    QTemporaryDir dir;
    QString project = QStringLiteral(
        "schema = 1\n[output]\nformat = \"sdcc\"\ncomments = true\n"
        "[[table]]\nname = \"t\"\nentries = [\n");
    for (int k = 0; k < 1000; ++k)
        project += QStringLiteral("  { name = \"e%1\", char = \"%2\" },\n").arg(k).arg(k % 10);
    project += QStringLiteral("]\n");
    const QString projectFile = dir.filePath(QStringLiteral("big.toml"));
    const QString tableFile = dir.filePath(QStringLiteral("table.c"));
    auto write = [](const QString& file, const QString& text) {
        QFile f(file);
        if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    };
    write(projectFile, project);
    write(tableFile, QStringLiteral("const unsigned char d[] = {0x7e, 0x30, 0x6d, 0x79, 0x33, "
                                    "0x5b, 0x5f, 0x70, 0x7f, 0x7b};\n"));
    const QString program = folder + QStringLiteral("/kelvarin");
    std::vector<double> built, inferred, ten;
    for (int run = 0; run < 21; ++run) {
        built.push_back(launchMs(program, {QStringLiteral("build"), projectFile}));
        inferred.push_back(launchMs(program, {QStringLiteral("infer"), tableFile}));
        ten.push_back(launchMs(program, {QStringLiteral("codes"), QStringLiteral("0123456789")}));
    }
    for (std::vector<double>* v : {&built, &inferred, &ten})
        std::sort(v->begin(), v->end());
    report("kelvarin build, a project of 1,000 entries", built[built.size() / 2],
           "kelvarin codes of ten characters", ten[ten.size() / 2], "within 1.5x");
    report("kelvarin infer, a table of 10 entries", inferred[inferred.size() / 2],
           "kelvarin codes of ten characters", ten[ten.size() / 2], "within 1.5x");

    auto codesOf = [](qsizetype n) {
        QString text;
        text.reserve(n);
        while (text.size() < n)
            text += QStringLiteral("HELLO 12.5 ");
        text.truncate(n);
        return [text] {
            QList<codes::Unshowable> bad;
            const QList<codes::Digit> digits = codes::digitsOf(text, bad);
            const codes::Table table =
                codes::textTable(text, digits, codes::Wiring(), codes::Polarity::CommonCathode);
            keep(codes::render(table, codes::Output(), codes::Polarity::CommonCathode));
        };
    };
    const auto [two, one] = interleavedMs(5, codesOf(2 << 20), codesOf(1 << 20));
    report("codes of 2 Mi characters, classic", two, "the same at 1 Mi", one, "within 2.2x");
}

}  // namespace kelvarin::bench
