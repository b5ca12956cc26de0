// SPDX-License-Identifier: MIT
// Working a wiring out: each bit's column of values over the entries must be some segment's
// column of lit and unlit over the same entries; bits and segments with equal columns may be
// swapped (no entry tells them apart).

#include "segment_codes/infer.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace kelvarin::codes {

namespace {

// A glyph drawn two ways: the character, the segment that one way adds, and what it is called.
struct Variant {
    char16_t character;
    int segment;
    const char* with;
    const char* without;
};
const Variant kVariants[] = {
    {u'6', 0, "6 with its tail (a)", "6 without its tail (a)"},
    {u'9', 3, "9 with its tail (d)", "9 without its tail (d)"},
    {u'7', 5, "7 with f", "7 without f"},
};

// The column of a bit or segment over the entries: bit i for entry i (as many words as needed).
using Column = std::vector<quint64>;

Column columnOf(const QList<quint32>& values, int bit) {
    Column c(static_cast<size_t>((values.size() + 63) / 64), 0);
    for (qsizetype i = 0; i < values.size(); ++i)
        if (values[i] & (1u << bit)) c[static_cast<size_t>(i / 64)] |= quint64{1} << (i % 64);
    return c;
}

int agreement(const Column& a, const Column& b, qsizetype entries) {
    int differ = 0;
    for (size_t w = 0; w < a.size(); ++w)
        differ += __builtin_popcountll(a[w] ^ b[w]);
    return static_cast<int>(entries) - differ;
}

// The assignment of rows to columns with the greatest total score (the Hungarian method on the
// negated scores), n at most 17.
std::vector<int> bestAssignment(const std::vector<std::vector<int>>& score) {
    const int n = static_cast<int>(score.size());
    const int inf = std::numeric_limits<int>::max() / 4;
    std::vector<int> u(n + 1), v(n + 1), p(n + 1), way(n + 1);
    for (int i = 1; i <= n; ++i) {
        p[0] = i;
        int j0 = 0;
        std::vector<int> minv(n + 1, inf);
        std::vector<char> used(n + 1, 0);
        do {
            used[j0] = 1;
            const int i0 = p[j0];
            int delta = inf, j1 = 0;
            for (int j = 1; j <= n; ++j) {
                if (used[j]) continue;
                const int cur = -score[i0 - 1][j - 1] - u[i0] - v[j];
                if (cur < minv[j]) {
                    minv[j] = cur;
                    way[j] = j0;
                }
                if (minv[j] < delta) {
                    delta = minv[j];
                    j1 = j;
                }
            }
            for (int j = 0; j <= n; ++j) {
                if (used[j]) {
                    u[p[j]] += delta;
                    v[j] -= delta;
                } else {
                    minv[j] -= delta;
                }
            }
            j0 = j1;
        } while (p[j0] != 0);
        do {
            const int j1 = way[j0];
            p[j0] = p[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    std::vector<int> columnOfRow(n);
    for (int j = 1; j <= n; ++j)
        columnOfRow[p[j] - 1] = j - 1;
    return columnOfRow;
}

// One way to read the table: a polarity and a choice for each variant.
struct Reading {
    Polarity polarity;
    QList<quint32> bits;      // each entry's code before polarity
    QList<quint32> patterns;  // each entry's pattern in the glyphs chosen
    QStringList variants;
};

Inference fit(const Reading& r, DisplayKind kind) {
    const int n = segmentCount(kind);
    const qsizetype entries = r.bits.size();
    std::vector<Column> bitColumns, segmentColumns;
    for (int k = 0; k < n; ++k) {
        bitColumns.push_back(columnOf(r.bits, k));
        segmentColumns.push_back(columnOf(r.patterns, k));
    }
    std::vector<std::vector<int>> score(n, std::vector<int>(n));
    for (int k = 0; k < n; ++k)
        for (int s = 0; s < n; ++s)
            score[k][s] = agreement(bitColumns[k], segmentColumns[s], entries);
    const std::vector<int> best = bestAssignment(score);
    Inference result;
    result.polarity = r.polarity;
    result.variants = r.variants;
    result.bitsInAll = static_cast<int>(entries) * n;
    QList<int> order;
    for (int k = 0; k < n; ++k) {
        order << best[k];
        result.agreeing += score[k][best[k]];
    }
    const Wiring first = *Wiring::fromSegments(kind, order);
    result.exact = result.agreeing == result.bitsInAll;
    if (!result.exact) {
        for (qsizetype i = 0; i < entries; ++i)
            if (first.bitsOf(r.patterns[i]) != r.bits[i]) result.misfits << static_cast<int>(i);
        result.wirings << first;
        result.fitting = 0;
        return result;
    }
    // Every wiring that fits: the bits of each group of equal columns in any order onto the
    // segments of that column.
    QList<QList<int>> groups;  // bits with equal columns
    for (int k = 0; k < n; ++k) {
        bool placed = false;
        for (QList<int>& g : groups) {
            if (bitColumns[g.first()] == bitColumns[k]) {
                g << k;
                placed = true;
                break;
            }
        }
        if (!placed) groups << QList<int>{k};
    }
    result.fitting = 1;
    for (const QList<int>& g : groups) {
        if (g.size() > 1)
            for (const int k : g)
                result.undetermined |= 1u << k;
        for (qsizetype f = 2; f <= g.size(); ++f)
            result.fitting = std::min<qint64>(result.fitting * f, qint64{1} << 40);
    }
    // The first wirings in the order of their permutations.
    std::vector<QList<int>> permutations;
    for (const QList<int>& g : groups) {
        QList<int> segments;
        for (const int k : g)
            segments << best[k];
        std::sort(segments.begin(), segments.end());
        permutations.push_back(segments);
    }
    std::function<void(size_t, QList<int>&)> each = [&](size_t group, QList<int>& chosen) {
        if (result.wirings.size() >= kMostWirings) return;
        if (group == static_cast<size_t>(groups.size())) {
            result.wirings << *Wiring::fromSegments(kind, chosen);
            return;
        }
        QList<int> segments = permutations[group];
        do {
            for (qsizetype j = 0; j < segments.size(); ++j)
                chosen[groups[static_cast<qsizetype>(group)][j]] = segments[j];
            each(group + 1, chosen);
        } while (result.wirings.size() < kMostWirings &&
                 std::next_permutation(segments.begin(), segments.end()));
    };
    QList<int> chosen(n, 0);
    each(0, chosen);
    // The one with bit k on segment k where the table leaves it open first.
    std::stable_sort(result.wirings.begin(), result.wirings.end(),
                     [](const Wiring& a, const Wiring& b) {
                         auto fixed = [](const Wiring& w) {
                             int same = 0;
                             for (int k = 0; k < w.bits(); ++k)
                                 same += w.segmentOfBit(k) == k;
                             return same;
                         };
                         return fixed(a) > fixed(b);
                     });
    return result;
}

}  // namespace

Inference inferWiring(const QList<Code>& codes, const QList<Digit>& digits, DisplayKind kind) {
    const quint32 mask = allSegments(kind);
    // The variants the digits use (7-segment only).
    QList<const Variant*> used;
    if (kind == DisplayKind::Seven) {
        for (const Variant& v : kVariants) {
            for (const Digit& d : digits) {
                if (d.character == v.character) {
                    used << &v;
                    break;
                }
            }
        }
    }
    std::optional<Inference> best;
    for (const Polarity polarity : {Polarity::CommonCathode, Polarity::CommonAnode}) {
        for (int choice = 0; choice < (1 << used.size()); ++choice) {
            Reading r{polarity, {}, {}, {}};
            for (qsizetype i = 0; i < digits.size(); ++i) {
                const Code c = codes.value(i) & mask;
                r.bits << (polarity == Polarity::CommonAnode ? ~c & mask : c);
                r.patterns << digits[i].pattern;
            }
            for (qsizetype v = 0; v < used.size(); ++v) {
                const bool flipped = choice & (1 << v);
                const Variant& variant = *used[v];
                // The font's glyph has the segment or not; the other way is the variant.
                bool fontHas = false;
                for (qsizetype i = 0; i < digits.size(); ++i) {
                    if (digits[i].character != variant.character) continue;
                    fontHas = digits[i].pattern & (1u << variant.segment);
                    if (flipped) r.patterns[i] ^= 1u << variant.segment;
                }
                const bool has = fontHas != flipped;
                if (flipped)
                    r.variants << QString::fromLatin1(has ? variant.with : variant.without);
            }
            Inference f = fit(r, kind);
            const bool better = !best || (f.exact && !best->exact) ||
                                (f.exact == best->exact && (f.exact ? f.fitting < best->fitting
                                                                    : f.agreeing > best->agreeing));
            if (better) best = f;
        }
    }
    return *best;
}

}  // namespace kelvarin::codes
