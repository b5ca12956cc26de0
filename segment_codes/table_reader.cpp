// SPDX-License-Identifier: MIT
// Finding the tables of a C or assembler text, and writing an entry again in its own notation.

#include "segment_codes/table_reader.h"

#include <QRegularExpression>

#include <algorithm>

#include "segment_codes/code_reader.h"

namespace kelvarin::codes {

namespace {

// Where an offset of the text is, as a line and a column from 1.
class Positions {
  public:
    explicit Positions(QStringView text) {
        m_starts << 0;
        for (qsizetype k = 0; k < text.size(); ++k)
            if (text[k] == u'\n') m_starts << k + 1;
    }
    int line(qsizetype at) const {
        return static_cast<int>(std::upper_bound(m_starts.begin(), m_starts.end(), at) -
                                m_starts.begin());
    }
    int column(qsizetype at) const { return static_cast<int>(at - m_starts[line(at) - 1]) + 1; }
    qsizetype lineStart(qsizetype at) const { return m_starts[line(at) - 1]; }

  private:
    QList<qsizetype> m_starts;
};

// An entry's text without C's integer suffixes.
QStringView withoutSuffix(QStringView token) {
    static const QRegularExpression suffixed(
        QStringLiteral("^(0[xX][0-9a-fA-F]+|[0-9]+)[uUlL]{1,3}$"));
    const QRegularExpressionMatch m = suffixed.match(token);
    return m.hasMatch() ? token.left(m.capturedLength(1)) : token;
}

class Reader {
  public:
    Reader(QStringView text, DisplayKind kind) : m_text(text), m_at(text), m_kind(kind) {}

    // The entry between start and end of the text (with its comments blanked out, in C).
    bool entry(QStringView text, QList<FoundEntry>& entries, qsizetype start, qsizetype end) {
        while (start < end && text[start].isSpace())
            ++start;
        while (end > start && text[end - 1].isSpace())
            --end;
        if (start == end) return true;
        const QStringView token = text.mid(start, end - start);
        QString why;
        const std::optional<Code> code = readCode(withoutSuffix(token), &why, 32);
        if (!code) return fail(start, why);
        if (*code > allSegments(m_kind))
            return fail(start, QStringLiteral("\"%1\" is wider than the %2 bits of a %3-segment "
                                              "digit's code")
                                   .arg(token.toString())
                                   .arg(segmentCount(m_kind))
                                   .arg(kindNumber(m_kind)));
        entries << FoundEntry{*code, start, end - start, m_at.line(start), m_at.column(start)};
        return true;
    }

    bool fail(qsizetype at, const QString& why) {
        m_error = QStringLiteral("line %1, column %2: %3")
                      .arg(m_at.line(at))
                      .arg(m_at.column(at))
                      .arg(why);
        return false;
    }

    // C: the text with its comments and strings blanked out (the same length, line ends kept),
    // then each "= {" read up to its "}".
    bool readC(QList<FoundTable>& tables) {
        QString plain = m_text.toString();
        for (qsizetype k = 0; k < plain.size(); ++k) {
            const QChar c = plain[k];
            const QChar next = k + 1 < plain.size() ? plain[k + 1] : QChar();
            qsizetype end = -1;
            // A line comment, or a preprocessor line: up to the line's end.
            if ((c == u'/' && next == u'/') || (c == u'#' && (k == 0 || plain[k - 1] == u'\n'))) {
                end = plain.indexOf(u'\n', k);
                if (end < 0) end = plain.size();
            } else if (c == u'/' && next == u'*') {
                end = plain.indexOf(QStringLiteral("*/"), k + 2);
                end = end < 0 ? plain.size() : end + 2;
            } else if (c == u'"' || c == u'\'') {
                end = k + 1;
                while (end < plain.size() && plain[end] != c && plain[end] != u'\n')
                    end += plain[end] == u'\\' ? 2 : 1;
                end = std::min(end + 1, plain.size());
            }
            if (end < 0) continue;
            for (qsizetype j = k; j < end; ++j)
                if (plain[j] != u'\n') plain[j] = u' ';
            k = end - 1;
        }
        qsizetype statement = 0;  // where the current statement started
        for (qsizetype k = 0; k < plain.size(); ++k) {
            const QChar c = plain[k];
            if (c == u';' || c == u'}' || c == u'{') {
                statement = k + 1;
                continue;
            }
            if (c != u'=') continue;
            qsizetype open = k + 1;
            while (open < plain.size() && plain[open].isSpace())
                ++open;
            if (open >= plain.size() || plain[open] != u'{') continue;
            FoundTable table;
            qsizetype head = statement;
            while (head < k && plain[head].isSpace())
                ++head;
            const QString declaration = plain.mid(head, k - head);
            static const QRegularExpression array(QStringLiteral("([A-Za-z_]\\w*)\\s*\\["));
            static const QRegularExpression last(QStringLiteral("([A-Za-z_]\\w*)\\s*$"));
            QRegularExpressionMatchIterator names = array.globalMatch(declaration);
            while (names.hasNext())
                table.name = names.next().captured(1);
            if (table.name.isEmpty()) table.name = last.match(declaration).captured(1);
            table.line = m_at.line(head);
            table.start = m_at.lineStart(head);
            int depth = 0;
            qsizetype from = open + 1, q = open;
            for (; q < plain.size(); ++q) {
                const QChar d = plain[q];
                if (d == u'{') {
                    ++depth;
                    from = q + 1;
                } else if (d == u',' || d == u'}') {
                    if (!entry(plain, table.entries, from, q)) return false;
                    from = q + 1;
                    if (d == u'}' && --depth == 0) break;
                } else if (d == u';' || d == u'=') {
                    return fail(q, QStringLiteral("the list that starts at line %1 is not closed")
                                       .arg(m_at.line(open)));
                }
            }
            if (q >= plain.size())
                return fail(open, QStringLiteral("the list that starts here is not closed"));
            qsizetype end = q + 1;
            while (end < plain.size() && plain[end] != u'\n' && plain[end].isSpace())
                ++end;
            if (end < plain.size() && plain[end] == u';') ++end;
            // The rest of the line (a comment) and its line end belong to the declaration.
            const qsizetype eol = m_text.indexOf(u'\n', end);
            table.end = eol < 0 ? m_text.size() : eol + 1;
            if (!table.entries.isEmpty()) tables << table;
            k = q;
            statement = q + 1;
        }
        return true;
    }

    // Assembler: each line "[label[:[:]]] directive values [; comment]"; consecutive lines of
    // data make one table, named by the label on its first line or on a line of its own before.
    bool readAssembler(QList<FoundTable>& tables) {
        static const QRegularExpression line(
            QStringLiteral("^[ \\t]*(?:([A-Za-z_.$?][\\w.$?]*)(?::{1,2}[ \\t]*|[ "
                           "\\t]+(?=[.]?(?:db|dw|byte|word)"
                           "\\b)))?([.]?(?:db|dw|byte|word))\\b"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression label(
            QStringLiteral("^[ \\t]*([A-Za-z_.$?][\\w.$?]*):{1,2}[ \\t]*(;.*)?$"));
        QString pending;  // a label on a line of its own
        qsizetype pendingStart = -1;
        FoundTable* open = nullptr;
        qsizetype start = 0;
        while (start < m_text.size()) {
            qsizetype eol = m_text.indexOf(u'\n', start);
            const qsizetype next = eol < 0 ? m_text.size() : eol + 1;
            if (eol < 0) eol = m_text.size();
            const QStringView row = m_text.mid(start, eol - start);
            const QRegularExpressionMatch m = line.match(row);
            if (m.hasMatch()) {
                const bool labelled = !m.captured(1).isEmpty();
                if (open == nullptr || labelled) {
                    tables << FoundTable{};
                    open = &tables.back();
                    open->assembler = true;
                    open->name = labelled ? m.captured(1) : pending;
                    open->start = labelled || pendingStart < 0 ? start : pendingStart;
                    open->line = m_at.line(open->start);
                }
                pending.clear();
                pendingStart = -1;
                qsizetype values = start + m.capturedEnd(2);
                qsizetype stop = m_text.indexOf(u';', values);
                if (stop < 0 || stop > eol) stop = eol;
                for (qsizetype q = values; q <= stop; ++q) {
                    if (q == stop || m_text[q] == u',') {
                        if (!entry(m_text, open->entries, values, q)) return false;
                        values = q + 1;
                    }
                }
                open->end = next;
            } else if (const QRegularExpressionMatch l = label.match(row); l.hasMatch()) {
                pending = l.captured(1);
                pendingStart = start;
                open = nullptr;
            } else if (!row.trimmed().isEmpty() && !row.trimmed().startsWith(u';')) {
                open = nullptr;  // any other line ends a table
                pending.clear();
                pendingStart = -1;
            }
            start = next;
        }
        tables.removeIf([](const FoundTable& t) { return t.entries.isEmpty(); });
        return true;
    }

    QString error() const { return m_error; }

  private:
    QStringView m_text;
    Positions m_at;
    DisplayKind m_kind;
    QString m_error;
};

bool looksLikeAssembler(QStringView text) {
    static const QRegularExpression directive(
        QStringLiteral("^[ \\t]*(?:[A-Za-z_.$?][\\w.$?]*:{0,2}[ \\t]+)?[.]?(?:db|dw|byte|word)[ "
                       "\\t]"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    return directive.match(text).hasMatch();
}

}  // namespace

std::optional<QList<FoundTable>> readTables(QStringView text, DisplayKind kind, QString* error) {
    Reader reader(text, kind);
    QList<FoundTable> tables;
    const bool ok = looksLikeAssembler(text) ? reader.readAssembler(tables) : reader.readC(tables);
    if (!ok) {
        if (error != nullptr) *error = reader.error();
        return std::nullopt;
    }
    if (tables.isEmpty()) {
        if (error != nullptr)
            *error = QStringLiteral(
                "no table found (a C list \"= { 0x3f, ... };\" or assembler "
                "DB / .db lines)");
        return std::nullopt;
    }
    return tables;
}

QString rewriteEntry(QStringView entry, Code code) {
    const QStringView bare = withoutSuffix(entry);
    const QStringView suffix = entry.mid(bare.size());
    auto hasUpperHex = [](QStringView digits) {
        return std::any_of(digits.begin(), digits.end(),
                           [](QChar c) { return c >= u'A' && c <= u'F'; });
    };
    auto padded = [](Code value, int base, qsizetype width, bool upper) {
        QString digits = QString::number(value, base);
        if (upper) digits = digits.toUpper();
        return digits.rightJustified(width, u'0');
    };
    const qsizetype n = bare.size();
    if (n > 2 && bare[0] == u'0' && (bare[1] == u'x' || bare[1] == u'X'))
        return bare.left(2).toString() +
               padded(code, 16, n - 2, hasUpperHex(bare.mid(2)) || bare[1] == u'X') +
               suffix.toString();
    if (n > 2 && bare[0] == u'0' && (bare[1] == u'b' || bare[1] == u'B'))
        return bare.left(2).toString() + padded(code, 2, n - 2, false);
    if (n > 1 && (bare[0] == u'B' || bare[0] == u'b') && bare[1].isDigit())
        return bare.left(1).toString() + padded(code, 2, n - 1, false);
    const QChar last = n > 0 ? bare[n - 1] : QChar();
    if (last == u'h' || last == u'H') {
        QString digits = padded(code, 16, n - 1, hasUpperHex(bare) || last == u'H');
        if (!digits[0].isDigit()) digits.prepend(u'0');
        return digits + last;
    }
    if (last == u'b' || last == u'B') return padded(code, 2, n - 1, false) + last;
    return QString::number(code) + suffix.toString();
}

}  // namespace kelvarin::codes
