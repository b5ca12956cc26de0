// SPDX-License-Identifier: MIT
// Reading a project: its text made fit for the TOML parser, parsed, and its tables read.

#include <QSet>

#include <algorithm>
#include <limits>

#include "segment_codes/font.h"
#include "segment_codes/presets.h"
#include "segment_codes/project_reader.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes::reading {

namespace {

// The text as the TOML parser is given it: all ASCII, each character beyond ASCII in a "..."
// string written as its \u or \U escape (which the parser turns back into the character) and in a
// comment as "?". The parser's test of such a character for white space is not sound for every
// one of them, so it never sees one. Elsewhere (outside strings, or in a '...' string, which has
// no escapes) such a character is refused: at is set to where it stands.
std::optional<QString> asciiText(const QString& text, qsizetype& at) {
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text;
    enum class In { Text, Comment, Basic, Literal, BasicLines, LiteralLines } in = In::Text;
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        // Three quotes in a row, looked for only at a quote.
        const bool triple = (c == u'"' || c == u'\'') && k + 2 < text.size() && text[k + 1] == c &&
                            text[k + 2] == c;
        if (c.unicode() >= 0x80) {
            if (in == In::Comment) {
                out += u'?';
                if (c.isHighSurrogate() && k + 1 < text.size()) ++k;
                continue;
            }
            if (in != In::Basic && in != In::BasicLines) {
                at = k;
                return std::nullopt;
            }
            char32_t u = c.unicode();
            if (c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate())
                u = QChar::surrogateToUcs4(c, text[++k]);
            else if (c.isSurrogate())
                u = 0xFFFD;
            out += u <= 0xFFFF
                       ? QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'))
                       : QStringLiteral("\\U%1").arg(static_cast<uint>(u), 8, 16, QLatin1Char('0'));
            continue;
        }
        out += c;
        switch (in) {
            case In::Text:
                if (c == u'#') {
                    in = In::Comment;
                } else if (triple) {
                    in = c == u'"' ? In::BasicLines : In::LiteralLines;
                    out += text.mid(k + 1, 2);
                    k += 2;
                } else if (c == u'"') {
                    in = In::Basic;
                } else if (c == u'\'') {
                    in = In::Literal;
                }
                break;
            case In::Comment:
                if (c == u'\n') in = In::Text;
                break;
            case In::Basic:
            case In::BasicLines:
                if (c == u'\\' && k + 1 < text.size() && text[k + 1].unicode() < 0x80) {
                    out += text[++k];
                } else if (in == In::Basic && (c == u'"' || c == u'\n')) {
                    in = In::Text;
                } else if (in == In::BasicLines && triple && c == u'"') {
                    in = In::Text;
                    out += text.mid(k + 1, 2);
                    k += 2;
                }
                break;
            case In::Literal:
                if (c == u'\'' || c == u'\n') in = In::Text;
                break;
            case In::LiteralLines:
                if (triple && c == u'\'') {
                    in = In::Text;
                    out += text.mid(k + 1, 2);
                    k += 2;
                }
                break;
        }
    }
    return out;
}

}  // namespace

// The TOML tree of a project's text, or nothing with the error readProject gives.
std::optional<toml::table> parseProject(const QString& text, const QString& file, QString* error) {
    qsizetype at = -1;
    const std::optional<QString> ascii = asciiText(text, at);
    if (!ascii) {
        if (error != nullptr) {
            const int line = static_cast<int>(QStringView(text).left(at).count(u'\n')) + 1;
            const qsizetype start = text.lastIndexOf(u'\n', at - 1 < 0 ? 0 : at - 1);
            *error = QStringLiteral(
                         "%1:%2:%3: '%4' outside a \"...\" string or a comment "
                         "(TOML allows only ASCII there)")
                         .arg(file)
                         .arg(line)
                         .arg(at - (at == 0 || start < 0 ? -1 : start))
                         .arg(text.mid(at, text[at].isHighSurrogate() ? 2 : 1));
        }
        return std::nullopt;
    }
    const QByteArray utf8 = ascii->toLatin1();
    toml::table root;
    try {
        // No source path: every node would keep a shared copy of it, and the errors name the
        // file themselves.
        root = toml::parse(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    } catch (const toml::parse_error& e) {
        if (error != nullptr)
            *error = QStringLiteral("%1:%2:%3: %4")
                         .arg(file)
                         .arg(e.source().begin.line)
                         .arg(e.source().begin.column)
                         .arg(QString::fromUtf8(e.description().data(),
                                                static_cast<qsizetype>(e.description().size())));
        return std::nullopt;
    }
    return root;
}

bool ProjectReader::readTables(const toml::table& root) {
    const toml::node* n = root.get("table");
    if (n == nullptr) return true;
    if (!n->is_array_of_tables())
        return fail(lineOf(*n), QStringLiteral("table"),
                    QStringLiteral("give each table as a section [[table]]"));
    QSet<QString> names;
    int index = 0;
    for (const toml::node& item : *n->as_array()) {
        ++index;
        const toml::table& t = *item.as_table();
        const QString at = QStringLiteral("[[table]] %1: ").arg(index);
        if (!onlyKeys(t, at, {"name", "text", "standard", "entries"})) return false;
        const std::optional<QString> name = string(t, "name", at);
        if (!name) return false;
        QString why;
        if (name->isEmpty())
            return fail(lineOf(item), at + QStringLiteral("name"),
                        QStringLiteral("missing: every table needs a name"));
        if (!validName(*name, *m_project.output.format, &why))
            return fail(lineOf(*t.get("name")), at + QStringLiteral("name"), why);
        if (names.contains(*name))
            return fail(lineOf(*t.get("name")), at + QStringLiteral("name"),
                        QStringLiteral("\"%1\" names two tables").arg(*name));
        names.insert(*name);
        const int sources = (t.contains("text") ? 1 : 0) + (t.contains("standard") ? 1 : 0) +
                            (t.contains("entries") ? 1 : 0);
        if (sources != 1)
            return fail(lineOf(item), at + QStringLiteral("name"),
                        QStringLiteral("give one of text, standard = true or entries"));
        std::optional<Table> table;
        if (t.contains("text")) table = textOf(t, at);
        if (t.contains("standard")) {
            const std::optional<bool> standard = flag(t, "standard", at, false);
            if (!standard) return false;
            if (!*standard)
                return fail(lineOf(*t.get("standard")), at + QStringLiteral("standard"),
                            QStringLiteral("give standard = true, or leave it out"));
            table = standardTable(m_project.wiring, m_project.polarity);
        }
        if (t.contains("entries")) table = entriesOf(*t.get("entries"), at);
        if (!table) return false;
        m_project.tables << *table;
        m_project.tableNames << *name;
    }
    return true;
}

std::optional<Table> ProjectReader::textOf(const toml::table& t, const QString& at) {
    const std::optional<QString> text = string(t, "text", at);
    if (!text) return std::nullopt;
    QList<Unshowable> bad;
    const QList<Digit> digits = digitsOf(*text, bad, m_project.kind);
    if (text->isEmpty() || !bad.isEmpty()) {
        fail(lineOf(*t.get("text")), at + QStringLiteral("text"),
             text->isEmpty() ? QStringLiteral("it is empty")
                             : QStringLiteral("no %1-segment digit can show %2")
                                   .arg(kindNumber(m_project.kind))
                                   .arg(describe(bad)));
        return std::nullopt;
    }
    return textTable(*text, digits, m_project.wiring, m_project.polarity);
}

std::optional<Table> ProjectReader::entriesOf(const toml::node& n, const QString& at) {
    if (!n.is_array() || n.as_array()->empty()) {
        fail(lineOf(n), at + QStringLiteral("entries"),
             QStringLiteral("give a list of entries: [ { name = \"degree\", char = \"°\" } ]"));
        return std::nullopt;
    }
    Table table;
    table.bits = entryBits(segmentCount(m_project.kind));
    table.lines.reserve(static_cast<qsizetype>(n.as_array()->size()));
    int k = 0;
    for (const toml::node& item : *n.as_array()) {
        // Where the entry is, said only when something is wrong with it.
        ++k;
        const auto whereOf = [&at, k] {
            return at + QLatin1StringView("entries ") + QString::number(k) +
                   QLatin1StringView(": ");
        };
        // The common entry, a table of texts under known keys, read without a word said.
        const toml::table* simple = item.as_table();
        if (simple != nullptr) {
            for (auto&& [key, value] : *simple) {
                const std::string_view name = key.str();
                if ((name != "name" && name != "char" && name != "segments") ||
                    !value.is_string()) {
                    simple = nullptr;
                    break;
                }
            }
        }
        const QString where = simple != nullptr ? QString() : whereOf();
        if (!item.is_table()) {
            fail(lineOf(item), where, QStringLiteral("give { name = ..., char = ... }"));
            return std::nullopt;
        }
        const toml::table& e = *item.as_table();
        if (simple == nullptr && !onlyKeys(e, where, {"name", "char", "segments"}))
            return std::nullopt;
        const std::optional<QString> name = string(e, "name", where);
        const std::optional<QString> character = string(e, "char", where);
        const std::optional<QString> segments = string(e, "segments", where);
        if (!name || !character || !segments) return std::nullopt;
        quint32 pattern = 0;
        if (character->isEmpty() == segments->isEmpty()) {
            fail(lineOf(item), whereOf() + QStringLiteral("char"),
                 QStringLiteral("give either char or segments"));
            return std::nullopt;
        }
        Digit digit;
        // One character of the font (the common case) without a text's digits made of it.
        const std::optional<quint32> glyph = character->size() == 1 && character->front() != u'.'
                                                 ? glyphOf(character->front(), m_project.kind)
                                                 : std::nullopt;
        if (glyph) {
            digit = Digit{character->front().unicode(), 0, false, *glyph};
            pattern = *glyph;
        } else if (!character->isEmpty()) {
            QList<Unshowable> bad;
            const QList<Digit> digits = digitsOf(*character, bad, m_project.kind);
            if (digits.size() != 1 || !bad.isEmpty()) {
                fail(lineOf(*e.get("char")), whereOf() + QStringLiteral("char"),
                     QStringLiteral("\"%1\" is not one character a %2-segment digit shows")
                         .arg(*character)
                         .arg(kindNumber(m_project.kind)));
                return std::nullopt;
            }
            digit = digits.first();
            pattern = digit.pattern;
        } else {
            const std::optional<quint32> p = patternOfNames(m_project.kind, *segments);
            if (!p) {
                fail(lineOf(*e.get("segments")), whereOf() + QStringLiteral("segments"),
                     QStringLiteral("\"%1\" names a segment a %2-segment digit lacks (its "
                                    "segments are %3)")
                         .arg(*segments)
                         .arg(kindNumber(m_project.kind))
                         .arg(segmentNames(m_project.kind).join(u' ')));
                return std::nullopt;
            }
            pattern = *p;
        }
        TableLine line;
        line.entries << TableEntry{codeOf(pattern, m_project.wiring, m_project.polarity), digit,
                                   -1};
        line.comment = name->isEmpty() ? digit.label() : *name;
        table.lines << line;
    }
    return table;
}

}  // namespace kelvarin::codes::reading
