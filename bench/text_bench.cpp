// SPDX-License-Identifier: MIT
// The text and number operations on 10 Mi characters, each beside the nearest Qt primitive or a
// plain loop, and again on 20 Mi characters to show that the time grows linearly.

#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "bench/bench.h"
#include "bench/groups.h"
#include "workout/workout.h"

namespace kelvarin::bench {

namespace {

constexpr qsizetype kMi = 1 << 20;

QString repeated(const QString& unit, qsizetype size) {
    QString text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    text.truncate(size);
    return text;
}

// One figure: ours and the reference on 10 Mi characters by turns, then ours on 20 Mi by turns
// with ours on 10 Mi again, so that the two sizes meet the same machine as well.
void figure(const char* name, const char* reference, const char* goal,
            const std::function<std::function<void()>(qsizetype)>& ours,
            const std::function<std::function<void()>(qsizetype)>& theirs) {
    const std::function<void()> ten = ours(10 * kMi);
    const auto [o, r] = interleavedMs(5, ten, theirs(10 * kMi));
    const auto [twenty, tenAgain] = interleavedMs(5, ours(20 * kMi), ten);
    const double growth = twenty / tenAgain;
    char line[160];
    std::snprintf(line, sizeof line, "%s; 20 Mi: %.2fx", goal, growth);
    report(name, o, reference, r, line);
    // Linear: twice the input, at most 2.2 times the time.
    if (std::strstr(goal, "linear") != nullptr)
        expect((std::string(name) + ", 20 Mi against 10 Mi").c_str(), growth, 2.2);
}

}  // namespace

void text() {
    header("text, 10 Mi characters (x = time for 20 Mi / time for 10 Mi)");
    workOut w;

    figure(
        "plusMinus", "one-pass sum of the terms", "within 3x, linear",
        [&](qsizetype n) {
            const QString sum = repeated(QStringLiteral("123+45-6.5+"), n);
            return [&w, sum] {
                QString s = sum;
                keep(w.plusMinus(s));
            };
        },
        [](qsizetype n) {
            const QByteArray sum = repeated(QStringLiteral("123+45-6.5+"), n).toLatin1();
            return [sum] {
                double total = 0;
                const char* p = sum.constData();
                while (*p != '\0') {
                    char* end = nullptr;
                    total += std::strtod(p, &end);
                    p = end == p ? p + 1 : end;
                }
                keep(total);
            };
        });

    struct Search {
        const char* name;
        const char* reference;
        bool right;
        QString find;
        bool found;
    };
    for (const Search& s :
         {Search{"LeftInStr 1, missing character", "QString::indexOf", false, "x", false},
          Search{"LeftInStr 1, character at the end", "QString::indexOf", false, "x", true},
          Search{"LeftInStr 1, missing nine characters", "QString::indexOf", false, "abcdefghX",
                 false},
          Search{"RightInStr 1, missing character", "QString::lastIndexOf", true, "x", false},
          Search{"RightInStr 1, character at the start", "QString::lastIndexOf", true, "x", true},
          Search{"RightInStr 1, missing nine characters", "QString::lastIndexOf", true, "Xbcdefghi",
                 false}}) {
        auto build = [s](qsizetype n) {
            QString text = repeated(QStringLiteral("abcdefghi"), n);
            if (s.found) text[s.right ? 0 : n - 1] = u'x';
            return text;
        };
        figure(
            s.name, s.reference, "within 1.5x, linear",
            [&w, s, build](qsizetype n) {
                const QString text = build(n);
                return [&w, s, text] {
                    keep(s.right ? w.RightInStr(1.0f, text, s.find)
                                 : w.LeftInStr(1.0f, text, s.find));
                };
            },
            [s, build](qsizetype n) {
                const QString text = build(n);
                return
                    [s, text] { keep(s.right ? text.lastIndexOf(s.find) : text.indexOf(s.find)); };
            });
    }

    auto digitLoop = [](qsizetype n) {
        const QString digits = repeated(QStringLiteral("1234567890"), n);
        return [digits] {
            qint64 sum = 0;
            for (const QChar c : digits)
                sum += c.unicode() - u'0';
            keep(sum);
        };
    };
    figure(
        "DecTrans base 1", "plain digit loop", "within 2x, linear",
        [&](qsizetype n) {
            const QString digits = repeated(QStringLiteral("1234567890"), n);
            return [&w, digits] {
                QString s = digits;
                keep(w.DecTrans(s, 1));
            };
        },
        digitLoop);
    figure(
        "jzToDec base 1", "plain digit loop", "within 2x, linear",
        [&](qsizetype n) {
            const QString digits = repeated(QStringLiteral("0000000001"), n);
            return [&w, digits] {
                bool wrong = false;
                keep(w.jzToDec(digits, 1, wrong));
            };
        },
        digitLoop);

    const QString words = QStringLiteral("alpha beta  gamma|delta |epsilon zeta  eta|theta ");
    figure(
        "CountAinB of a character", "QString::count", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [&w, text] { keep(w.CountAinB(QStringLiteral("a"), text)); };
        },
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [text] { keep(text.count(u'a')); };
        });
    figure(
        "CountAinB of a word", "QString::count", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [&w, text] { keep(w.CountAinB(QStringLiteral("eta"), text)); };
        },
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [text] { keep(text.count(QStringLiteral("eta"))); };
        });
    figure(
        "GetSTRinChar", "QString::split", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [&w, text] {
                QString s = text;
                QStringList fields(static_cast<qsizetype>(text.size() / 5));
                keep(w.GetSTRinChar(s, QStringLiteral("|"), fields));
            };
        },
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [text] {
                QStringList fields(static_cast<qsizetype>(text.size() / 5));
                keep(fields);
                keep(text.split(u'|'));
            };
        });
    figure(
        "SpaceWords", "QString::split", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [&w, text] {
                QString s = text;
                QStringList array(static_cast<qsizetype>(text.size() / 3));
                keep(w.SpaceWords(s, array));
            };
        },
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [text] {
                QStringList array(static_cast<qsizetype>(text.size() / 3));
                keep(array);
                keep(text.split(u' ', Qt::SkipEmptyParts));
            };
        });
    figure(
        "Del_LRChr", "plain trimming loop", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = QString(n / 2, u'-') + QString(n / 2, u'+');
            return [&w, text] { keep(w.Del_LRChr(text, QStringLiteral("+-"))); };
        },
        [&](qsizetype n) {
            const QString text = QString(n / 2, u'-') + QString(n / 2, u'+');
            return [text] {
                qsizetype lo = 0, hi = text.size();
                while (lo < hi && (text[lo] == u'-' || text[lo] == u'+'))
                    ++lo;
                while (hi > lo && (text[hi - 1] == u'-' || text[hi - 1] == u'+'))
                    --hi;
                keep(text.mid(lo, hi - lo));
            };
        });
    figure(
        "Opposite", "std::reverse of a copy", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [&w, text] { keep(w.Opposite(text)); };
        },
        [&](qsizetype n) {
            const QString text = repeated(words, n);
            return [text] {
                QString copy = text;
                std::reverse(copy.begin(), copy.end());
                keep(copy);
            };
        });
    figure(
        "LUCase, letters swapped", "QString::toLower", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(QStringLiteral("Kelvarin 数码管 Segment "), n);
            return [&w, text] { keep(w.LUCase(text, text)); };
        },
        [&](qsizetype n) {
            const QString text = repeated(QStringLiteral("Kelvarin 数码管 Segment "), n);
            return [text] { keep(text.toLower()); };
        });
    figure(
        "LenChineseEnglish", "GBK encoding's length", "within 2x, linear",
        [&](qsizetype n) {
            const QString text = repeated(QStringLiteral("Kelvarin 数码管 Segment "), n);
            return [&w, text] { keep(w.LenChineseEnglish(text)); };
        },
        [&](qsizetype n) {
            const QString text = repeated(QStringLiteral("Kelvarin 数码管 Segment "), n);
            return [text] {
                QStringEncoder gbk("GBK");
                keep(QByteArray(gbk.encode(text)).size());
            };
        });
    figure(
        "replaceFormat", "QString of the same length filled", "within 2x, linear",
        [&](qsizetype n) {
            const QString number = repeated(QStringLiteral("1234567.89"), n / 2);
            return [&w, number, n] { keep(w.replaceFormat(number, static_cast<qint32>(n))); };
        },
        [](qsizetype n) { return [n] { keep(QString(n, u'0')); }; });

    // The results longer than 2^25 characters that the fuzz harnesses of SpaceChar and
    // replaceFormat leave to this row (they cost time, not faults), beside a fill of that size.
    constexpr qsizetype kLong = qsizetype(1) << 25;
    {
        const QString text(kLong / 4, u'x');
        const auto [o, r] = interleavedMs(
            3, [&] { keep(w.SpaceChar(text, 3)); }, [&] { keep(QString(kLong, u' ')); });
        report("SpaceChar to 2^25 characters", o, "QString of 2^25 filled", r, "within 3x");
    }
    {
        const QString number = QStringLiteral("1234567.89");
        const auto [o, r] = interleavedMs(
            3, [&] { keep(w.replaceFormat(number, static_cast<qint32>(kLong))); },
            [&] { keep(QString(kLong, u'0')); });
        report("replaceFormat to 2^25 characters", o, "QString of 2^25 filled", r, "within 3x");
    }
}

void linearity() {
    header("linear in the input: 10 MB beside the same at 5 MB");
    workOut w;
    auto twice = [](const char* name, const std::function<std::function<void()>(qsizetype)>& at) {
        const auto [ten, five] = interleavedMs(3, at(10 * kMi), at(5 * kMi));
        report(name, ten, "the same at 5 MB", five, "within 2.2x");
    };
    // A lyric line of 10 MB of tags that are no times, then one that is.
    QTemporaryDir dir;
    twice("LRC_Load of one line of tags, 10 MB", [&](qsizetype n) {
        const QString path = dir.filePath(QStringLiteral("tags-%1.lrc").arg(n));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write((repeated(QStringLiteral("[ab:cd.ef]"), n) + QStringLiteral("[00:01.00]x"))
                        .toUtf8());
        f.close();
        return [&w, path] { keep(w.LRC_Load(path)); };
    });
    // A command line of a quote and 10 Mi spaces.
    twice("GetSubCommandMain of a quote and spaces, 10 Mi", [&](qsizetype n) {
        const QString text = u'"' + QString(n, u' ') + QStringLiteral("\"x y");
        return [&w, text] {
            QStringList names(2);
            keep(w.GetSubCommandMain(text, names));
        };
    });
}

}  // namespace kelvarin::bench
