// SPDX-License-Identifier: MIT
// Text operations on large inputs beside Qt's primitives and std::sort.

#include <QRandomGenerator>
#include <QStringList>

#include "bench/bench.h"
#include "bench/groups.h"
#include "workout/workout.h"

namespace kelvarin::bench {

namespace {

QStringList randomTexts(int n) {
    QRandomGenerator random(42);
    QStringList texts;
    texts.reserve(n);
    for (int k = 0; k < n; ++k) {
        QString t(8 + static_cast<int>(random.bounded(8)), Qt::Uninitialized);
        for (QChar& c : t)
            c = QChar(u'a' + random.bounded(26));
        texts << t;
    }
    return texts;
}

void sortFigure(const char* name, const QStringList& input) {
    workOut w;
    QStringList ours, reference;
    // By turns, so that what slows the machine down in the middle slows both.
    const auto [oursMs, refMs] = interleavedMs(
        5,
        [&] {
            ours = input;
            ours.detach();
            w.RowHotTime(ours, 0, static_cast<qint32>(ours.size() - 1), true);
        },
        [&] {
            reference = input;
            reference.detach();
            std::sort(reference.begin(), reference.end());
        });
    report(name, oursMs, "std::sort of the same texts", refMs, "within 1.2x");
}

}  // namespace

void strings() {
    header("strings");
    QStringList random = randomTexts(1000000);
    sortFigure("RowHotTime 1,000,000 random texts", random);
    QStringList sorted = random;
    std::sort(sorted.begin(), sorted.end());
    sortFigure("RowHotTime 1,000,000 sorted texts", sorted);
    QStringList reversed(sorted.rbegin(), sorted.rend());
    sortFigure("RowHotTime 1,000,000 reversed texts", reversed);

    workOut w;
    const QString digits = QString(1000000, u'7') + QStringLiteral(".25");
    QString money;
    const double moneyMs = medianMs(11, [&] { money = w.FormatMoney(digits); });
    QString copy;
    const double copyMs = medianMs(11, [&] {
        copy.clear();
        for (const QChar c : digits)
            copy += c;
    });
    keep(money);
    keep(copy);
    report("FormatMoney of 1,000,000 digits", moneyMs, "appending each character", copyMs,
           "linear, under 50 ms");

    QStringList names;
    const QStringList shapes = {
        QStringLiteral("[SubGroup] A Long Show Title - 1080p x264 AAC [CRC32 1A2B3C4D] episode "),
        QStringLiteral("某某动画 第12集 720p 128kbps 2010年 MP4 "),
        QStringLiteral("Show.Name.S01E05.Vol.3.Part 2 of 7 [HEVC 10bit] rv40 "),
    };
    for (int k = 0; k < 300; ++k) {
        QString name;
        while (name.size() < 250)
            name += shapes[k % shapes.size()];
        names << name.left(251) + QStringLiteral(".mkv");
    }
    qint64 errors = 0;
    const double episodeMs = medianMs(5, [&] {
        for (const QString& n : names) {
            QString text = n;
            try {
                keep(w.pGetCartoonNum(text));
            } catch (const workOutError&) {
                ++errors;
            }
        }
    });
    const double lowerMs = medianMs(5, [&] {
        for (const QString& n : names)
            keep(n.toLower());
    });
    report("pGetCartoonNum, 300 names of 255 characters", episodeMs, "QString::toLower of each",
           lowerMs, "per name: ours / 300");
}

}  // namespace kelvarin::bench
