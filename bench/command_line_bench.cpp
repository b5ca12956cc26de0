// SPDX-License-Identifier: MIT
// The command line: a short text's codes from launch to exit beside a bare core application,
// and the codes of a long text at 1 and 2 Mi characters.

#include <QCoreApplication>
#include <QProcess>

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
