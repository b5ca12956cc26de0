// SPDX-License-Identifier: MIT
// The kinds of digit: their segments' names and the digit drawn in ASCII.

#include "segment_codes/display.h"

#include <QRegularExpression>

namespace kelvarin::codes {

int kindNumber(DisplayKind kind) {
    switch (kind) {
        case DisplayKind::Seven:
            return 7;
        case DisplayKind::Fourteen:
            return 14;
        case DisplayKind::Sixteen:
            return 16;
    }
    return 7;
}

std::optional<DisplayKind> kindNamed(QStringView text) {
    const QStringView t = text.trimmed();
    if (t == u"7") return DisplayKind::Seven;
    if (t == u"14") return DisplayKind::Fourteen;
    if (t == u"16") return DisplayKind::Sixteen;
    return std::nullopt;
}

QString kindNames() {
    return QStringLiteral("7, 14 or 16");
}

int segmentCount(DisplayKind kind) {
    return static_cast<int>(segmentNames(kind).size());
}

const QStringList& segmentNames(DisplayKind kind) {
    static const QStringList seven = {"a", "b", "c", "d", "e", "f", "g", "dp"};
    static const QStringList fourteen = {"a", "b", "c", "d", "e", "f", "g1", "g2",
                                         "h", "j", "k", "l", "m", "n", "dp"};
    static const QStringList sixteen = {"a1", "a2", "b", "c", "d1", "d2", "e", "f", "g1",
                                        "g2", "h",  "i", "j", "k",  "l",  "m", "dp"};
    switch (kind) {
        case DisplayKind::Fourteen:
            return fourteen;
        case DisplayKind::Sixteen:
            return sixteen;
        case DisplayKind::Seven:
            break;
    }
    return seven;
}

QString segmentName(DisplayKind kind, int segment) {
    return segmentNames(kind).value(segment);
}

int segmentNamed(DisplayKind kind, QStringView name) {
    const QStringList& names = segmentNames(kind);
    for (qsizetype s = 0; s < names.size(); ++s) {
        if (name.compare(names[s], Qt::CaseInsensitive) == 0) return static_cast<int>(s);
    }
    return -1;
}

std::optional<quint32> patternOfNames(DisplayKind kind, QStringView names) {
    quint32 pattern = 0;
    for (const QStringView name : names.split(u' ', Qt::SkipEmptyParts)) {
        for (const QStringView part : name.split(u',', Qt::SkipEmptyParts)) {
            const int s = segmentNamed(kind, part);
            if (s < 0) return std::nullopt;
            pattern |= 1u << s;
        }
    }
    return pattern;
}

QString namesOfPattern(DisplayKind kind, quint32 pattern) {
    QStringList lit;
    for (int s = 0; s < segmentCount(kind); ++s) {
        if (pattern & (1u << s)) lit << segmentName(kind, s);
    }
    return lit.join(u' ');
}

namespace {

// Where each segment is drawn: its row, column and mark.
struct Mark {
    int row;
    int column;
    char16_t mark;
};

QStringList drawn(quint32 pattern, const QList<QList<Mark>>& marks, int rows, int width) {
    QStringList lines(rows, QString(width, u' '));
    for (qsizetype s = 0; s < marks.size(); ++s) {
        if (!(pattern & (1u << s))) continue;
        for (const Mark& m : marks[s])
            lines[m.row][m.column] = QChar(m.mark);
    }
    return lines;
}

}  // namespace

QStringList drawing(DisplayKind kind, quint32 pattern) {
    // The 7-segment digit as the font writes it: a on top, f g b, then e d c and dp.
    static const QList<QList<Mark>> seven = {{{0, 1, u'_'}}, {{1, 2, u'|'}}, {{2, 2, u'|'}},
                                             {{2, 1, u'_'}}, {{2, 0, u'|'}}, {{1, 0, u'|'}},
                                             {{1, 1, u'_'}}, {{2, 3, u'.'}}};
    // Rows: top bar; f h j k b; the middle halves; e l m n c; bottom bar and dp.
    static const QList<QList<Mark>> fourteen = {
        {{0, 1, u'-'}, {0, 2, u'-'}, {0, 3, u'-'}, {0, 4, u'-'}, {0, 5, u'-'}},  // a
        {{1, 6, u'|'}},                                                          // b
        {{3, 6, u'|'}},                                                          // c
        {{4, 1, u'-'}, {4, 2, u'-'}, {4, 3, u'-'}, {4, 4, u'-'}, {4, 5, u'-'}},  // d
        {{3, 0, u'|'}},                                                          // e
        {{1, 0, u'|'}},                                                          // f
        {{2, 1, u'-'}, {2, 2, u'-'}},                                            // g1
        {{2, 4, u'-'}, {2, 5, u'-'}},                                            // g2
        {{1, 1, u'\\'}},                                                         // h
        {{1, 3, u'|'}},                                                          // j
        {{1, 5, u'/'}},                                                          // k
        {{3, 1, u'/'}},                                                          // l
        {{3, 3, u'|'}},                                                          // m
        {{3, 5, u'\\'}},                                                         // n
        {{4, 7, u'.'}}};                                                         // dp
    static const QList<QList<Mark>> sixteen = {{{0, 1, u'-'}, {0, 2, u'-'}},     // a1
                                               {{0, 4, u'-'}, {0, 5, u'-'}},     // a2
                                               {{1, 6, u'|'}},                   // b
                                               {{3, 6, u'|'}},                   // c
                                               {{4, 4, u'-'}, {4, 5, u'-'}},     // d1
                                               {{4, 1, u'-'}, {4, 2, u'-'}},     // d2
                                               {{3, 0, u'|'}},                   // e
                                               {{1, 0, u'|'}},                   // f
                                               {{2, 1, u'-'}, {2, 2, u'-'}},     // g1
                                               {{2, 4, u'-'}, {2, 5, u'-'}},     // g2
                                               {{1, 1, u'\\'}},                  // h
                                               {{1, 3, u'|'}},                   // i
                                               {{1, 5, u'/'}},                   // j
                                               {{3, 5, u'\\'}},                  // k
                                               {{3, 3, u'|'}},                   // l
                                               {{3, 1, u'/'}},                   // m
                                               {{4, 7, u'.'}}};                  // dp
    switch (kind) {
        case DisplayKind::Fourteen:
            return drawn(pattern, fourteen, 5, 8);
        case DisplayKind::Sixteen:
            return drawn(pattern, sixteen, 5, 8);
        case DisplayKind::Seven:
            break;
    }
    return drawn(pattern, seven, 3, 4);
}

}  // namespace kelvarin::codes
