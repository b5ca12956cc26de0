// SPDX-License-Identifier: MIT
// Reading a project with toml++, every key checked, and building its tables into one file.

#include "segment_codes/project.h"

#include <toml++/toml.h>

#include <QSet>

#include <algorithm>
#include <limits>
#include <sstream>

#include "segment_codes/font.h"
#include "segment_codes/presets.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes {

namespace {

// The first problem met: where, and what.
struct Problem {
    int line = 0;
    QString key;
    QString what;
};

QString text(const toml::key& k) {
    return QString::fromUtf8(k.str().data(), static_cast<qsizetype>(k.str().size()));
}

int lineOf(const toml::node& n) {
    return static_cast<int>(n.source().begin.line);
}

class ProjectReader {
  public:
    explicit ProjectReader(Project& p) : m_project(p) {}

    std::optional<Problem> problem;

    bool fail(int line, const QString& key, const QString& what) {
        if (!problem) problem = Problem{line, key, what};
        return false;
    }

    // The keys of a table, each one of the allowed.
    bool onlyKeys(const toml::table& t, const QString& where,
                  std::initializer_list<std::string_view> allowed) {
        for (auto&& [k, v] : t) {
            if (std::find(allowed.begin(), allowed.end(), k.str()) != allowed.end()) continue;
            QStringList names;
            for (const std::string_view a : allowed)
                names << QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()));
            return fail(static_cast<int>(k.source().begin.line), where + text(k),
                        QStringLiteral("unknown key (the keys here are %1)")
                            .arg(names.join(QStringLiteral(", "))));
        }
        return true;
    }

    std::optional<QString> string(const toml::table& t, const char* key, const QString& where) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return QString();
        if (!n->is_string()) {
            fail(lineOf(*n), where + QLatin1StringView(key),
                 QStringLiteral("give a text in quotes"));
            return std::nullopt;
        }
        const std::string& s = n->as_string()->get();
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }

    std::optional<bool> flag(const toml::table& t, const char* key, const QString& where,
                             bool fallback) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return fallback;
        if (!n->is_boolean()) {
            fail(lineOf(*n), where + QLatin1StringView(key), QStringLiteral("give true or false"));
            return std::nullopt;
        }
        return n->as_boolean()->get();
    }

    std::optional<qint64> integer(const toml::table& t, const char* key, const QString& where,
                                  qint64 fallback, qint64 low, qint64 high) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return fallback;
        if (!n->is_integer() || n->as_integer()->get() < low || n->as_integer()->get() > high) {
            fail(lineOf(*n), where + QLatin1StringView(key),
                 QStringLiteral("give a whole number from %1 to %2").arg(low).arg(high));
            return std::nullopt;
        }
        return n->as_integer()->get();
    }

    bool read(const toml::table& root) {
        if (!onlyKeys(
                root, QString(),
                {"schema", "name", "version", "display", "output", "table", "animation", "window"}))
            return false;
        const toml::node* schema = root.get("schema");
        if (schema == nullptr)
            return fail(
                1, QStringLiteral("schema"),
                QStringLiteral("missing: begin the project with schema = %1").arg(kProjectSchema));
        const std::optional<qint64> version =
            integer(root, "schema", QString(), 0, 1, std::numeric_limits<qint32>::max());
        if (!version) return false;
        if (*version > kProjectSchema)
            return fail(lineOf(*schema), QStringLiteral("schema"),
                        QStringLiteral("%1 is newer than this program reads (%2): update the "
                                       "program to build this project")
                            .arg(*version)
                            .arg(kProjectSchema));
        const std::optional<QString> name = string(root, "name", QString());
        const std::optional<QString> v = string(root, "version", QString());
        if (!name || !v) return false;
        m_project.name = *name;
        m_project.version = *v;
        return readDisplay(root) && readOutput(root) && readTables(root) && readAnimations(root) &&
               readWindow(root);
    }

    bool readWindow(const toml::table& root) {
        const toml::table* w = section(root, "window");
        if (problem) return false;
        if (w == nullptr) return true;
        const QString at = QStringLiteral("[window] ");
        if (!onlyKeys(*w, at, {"array", "declaration", "count", "animation"})) return false;
        const std::optional<QString> array = string(*w, "array", at);
        const std::optional<QString> animation = string(*w, "animation", at);
        if (!animation) return false;
        if (!animation->isEmpty() && !m_project.animationNames.contains(*animation))
            return fail(lineOf(*w->get("animation")), at + QStringLiteral("animation"),
                        QStringLiteral("no animation is named \"%1\"").arg(*animation));
        const std::optional<QString> declaration = string(*w, "declaration", at);
        const std::optional<qint64> count =
            integer(*w, "count", at, 0, 0, std::numeric_limits<qint32>::max());
        if (!array || !declaration || !count) return false;
        QString why;
        if (!array->isEmpty() && !validName(*array, *m_project.output.format, &why))
            return fail(lineOf(*w->get("array")), at + QStringLiteral("array"), why);
        m_project.window =
            ProjectWindow{*array, *declaration, static_cast<int>(*count), *animation};
        return true;
    }

    bool readAnimations(const toml::table& root) {
        const toml::node* n = root.get("animation");
        if (n == nullptr) return true;
        if (!n->is_array_of_tables())
            return fail(lineOf(*n), QStringLiteral("animation"),
                        QStringLiteral("give each animation as a section [[animation]]"));
        int index = 0;
        for (const toml::node& item : *n->as_array()) {
            const toml::table& t = *item.as_table();
            const QString at = QStringLiteral("[[animation]] %1: ").arg(++index);
            if (!onlyKeys(
                    t, at,
                    {"name", "digits", "texts", "scroll", "delay", "delays", "segments", "labels"}))
                return false;
            const std::optional<QString> name = string(t, "name", at);
            if (!name) return false;
            QString why;
            if (name->isEmpty() || !validName(*name, *m_project.output.format, &why) ||
                m_project.tableNames.contains(*name) || m_project.animationNames.contains(*name))
                return fail(lineOf(t.get("name") != nullptr ? *t.get("name") : item),
                            at + QStringLiteral("name"),
                            name->isEmpty()
                                ? QStringLiteral("missing: every animation needs a name")
                            : why.isEmpty() ? QStringLiteral("\"%1\" names two tables").arg(*name)
                                            : why);
            const std::optional<qint64> digits = integer(t, "digits", at, 0, 1, kMostDigits);
            const std::optional<bool> scroll = flag(t, "scroll", at, false);
            const std::optional<qint64> delay = integer(t, "delay", at, 500, 1, 60000);
            if (!digits || !scroll || !delay) return false;
            if (*digits == 0)
                return fail(lineOf(item), at + QStringLiteral("digits"),
                            QStringLiteral("missing: give the display's digits"));
            if (t.contains("segments")) {
                if (!readDrawnAnimation(t, at, static_cast<int>(*digits), *delay)) return false;
                m_project.animationNames << *name;
                continue;
            }
            QStringList texts;
            const toml::node* list = t.get("texts");
            if (list == nullptr || !list->is_array())
                return fail(lineOf(list != nullptr ? *list : item), at + QStringLiteral("texts"),
                            QStringLiteral("give the frames' texts: [\"12:00\", \"12:01\"]"));
            for (const toml::node& text : *list->as_array()) {
                if (!text.is_string())
                    return fail(lineOf(text), at + QStringLiteral("texts"),
                                QStringLiteral("give each text in quotes"));
                const std::string& v = text.as_string()->get();
                texts << QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size()));
            }
            QList<int> delays{static_cast<int>(*delay)};
            if (const toml::node* d = t.get("delays")) {
                delays.clear();
                if (!d->is_array())
                    return fail(lineOf(*d), at + QStringLiteral("delays"),
                                QStringLiteral("give a list of milliseconds: [100, 200]"));
                for (const toml::node& ms : *d->as_array()) {
                    if (!ms.is_integer() || ms.as_integer()->get() < 1 ||
                        ms.as_integer()->get() > 60000)
                        return fail(lineOf(ms), at + QStringLiteral("delays"),
                                    QStringLiteral("give each delay from 1 to 60000 ms"));
                    delays << static_cast<int>(ms.as_integer()->get());
                }
            }
            const std::optional<QList<Frame>> frames =
                framesOf(texts, static_cast<int>(*digits), *scroll, delays, m_project.wiring,
                         m_project.polarity, &why,
                         *digits == m_project.presetDigits ? m_project.layout : DigitLayout{});
            if (!frames) return fail(lineOf(*list), at + QStringLiteral("texts"), why);
            m_project.animations << *frames;
            m_project.animationNames << *name;
        }
        return true;
    }

    // An animation of drawn frames: segments (one list a frame, one text a digit), delays (one
    // a frame) or the one delay, labels (one a frame) or none.
    bool readDrawnAnimation(const toml::table& t, const QString& at, int digits, qint64 delay) {
        if (t.contains("texts") || t.contains("scroll"))
            return fail(lineOf(*t.get("segments")), at + QStringLiteral("segments"),
                        QStringLiteral("give texts or segments, not both"));
        const toml::node& list = *t.get("segments");
        if (!list.is_array() || list.as_array()->empty())
            return fail(lineOf(list), at + QStringLiteral("segments"),
                        QStringLiteral("give each frame's digits: [[\"a b\", \"\"], ...]"));
        QList<DrawnFrame> drawn;
        for (const toml::node& frame : *list.as_array()) {
            if (!frame.is_array())
                return fail(lineOf(frame), at + QStringLiteral("segments"),
                            QStringLiteral("give each frame as a list of its digits' segments"));
            DrawnFrame d;
            d.delayMs = static_cast<int>(delay);
            for (const toml::node& digit : *frame.as_array()) {
                const std::optional<quint32> pattern =
                    digit.is_string()
                        ? patternOfNames(m_project.kind,
                                         QString::fromStdString(digit.as_string()->get()))
                        : std::nullopt;
                if (!pattern)
                    return fail(lineOf(digit), at + QStringLiteral("segments"),
                                QStringLiteral("give a digit's segments in quotes, of a "
                                               "%1-segment digit (\"a b g\", \"\" for none)")
                                    .arg(kindNumber(m_project.kind)));
                d.patterns << *pattern;
            }
            if (d.patterns.size() != digits)
                return fail(lineOf(frame), at + QStringLiteral("segments"),
                            QStringLiteral("frame %1 has %2 digits, not the %3 of digits")
                                .arg(drawn.size() + 1)
                                .arg(d.patterns.size())
                                .arg(digits));
            drawn << d;
        }
        auto perFrame = [&](const char* key, auto&& take) {
            const toml::node* n = t.get(key);
            if (n == nullptr) return true;
            if (!n->is_array() || n->as_array()->size() != static_cast<size_t>(drawn.size()))
                return fail(lineOf(*n), at + QLatin1StringView(key),
                            QStringLiteral("give one a frame (%1)").arg(drawn.size()));
            qsizetype k = 0;
            for (const toml::node& v : *n->as_array())
                if (!take(v, drawn[k++]))
                    return fail(lineOf(v), at + QLatin1StringView(key),
                                QStringLiteral("not one the list can take"));
            return true;
        };
        const bool read = perFrame("delays",
                                   [](const toml::node& v, DrawnFrame& d) {
                                       if (!v.is_integer()) return false;
                                       d.delayMs = static_cast<int>(std::clamp<qint64>(
                                           v.as_integer()->get(), 0, kMostDelayMs + 1));
                                       return true;
                                   }) &&
                          perFrame("labels", [](const toml::node& v, DrawnFrame& d) {
                              if (!v.is_string()) return false;
                              d.label = QString::fromStdString(v.as_string()->get());
                              return true;
                          });
        if (!read) return false;
        QString why;
        const std::optional<QList<Frame>> frames =
            framesOfDrawn(drawn, m_project.wiring, m_project.polarity, &why);
        if (!frames) return fail(lineOf(list), at + QStringLiteral("segments"), why);
        m_project.animations << *frames;
        return true;
    }

    const toml::table* section(const toml::table& root, const char* key) {
        const toml::node* n = root.get(key);
        if (n == nullptr) return nullptr;
        if (!n->is_table()) {
            fail(lineOf(*n), QLatin1StringView(key),
                 QStringLiteral("give a section [%1]").arg(QLatin1StringView(key)));
            return nullptr;
        }
        return n->as_table();
    }

    bool readDisplay(const toml::table& root) {
        const toml::table* d = section(root, "display");
        if (problem) return false;
        if (d == nullptr) return true;
        const QString at = QStringLiteral("[display] ");
        if (!onlyKeys(*d, at, {"kind", "wiring", "polarity"})) return false;
        if (const toml::node* k = d->get("kind")) {
            const std::optional<DisplayKind> kind =
                k->is_integer() ? kindNamed(QString::number(k->as_integer()->get())) : std::nullopt;
            if (!kind)
                return fail(lineOf(*k), at + QStringLiteral("kind"),
                            QStringLiteral("give a display kind: %1").arg(kindNames()));
            m_project.kind = *kind;
        }
        m_project.wiring = Wiring(m_project.kind);
        const std::optional<QString> wiring = string(*d, "wiring", at);
        const std::optional<QString> polarity = string(*d, "polarity", at);
        if (!wiring || !polarity) return false;
        const Preset* preset = nullptr;
        if (!wiring->isEmpty()) {
            QString why;
            const std::optional<Wiring> w = wiringNamed(*wiring, m_project.kind, &why, &preset);
            if (!w) return fail(lineOf(*d->get("wiring")), at + QStringLiteral("wiring"), why);
            m_project.wiring = *w;
            m_project.wiringText = *wiring;
        }
        if (preset != nullptr) {
            m_project.polarity = preset->polarity;
            m_project.presetDigits = preset->digits;
            m_project.layout =
                DigitLayout{preset->digitPlaces, preset->colonPlace, preset->colonBit};
        }
        if (*polarity == u"anode") {
            m_project.polarity = Polarity::CommonAnode;
        } else if (*polarity == u"cathode") {
            m_project.polarity = Polarity::CommonCathode;
        } else if (!polarity->isEmpty()) {
            return fail(lineOf(*d->get("polarity")), at + QStringLiteral("polarity"),
                        QStringLiteral("give \"cathode\" or \"anode\""));
        }
        return true;
    }

    bool readOutput(const toml::table& root) {
        const toml::table* o = section(root, "output");
        if (problem) return false;
        if (o == nullptr) return true;
        const QString at = QStringLiteral("[output] ");
        if (!onlyKeys(*o, at, {"format", "upper", "comments", "per_line", "crlf"})) return false;
        const std::optional<QString> format = string(*o, "format", at);
        if (!format) return false;
        if (!format->isEmpty()) {
            m_project.output.format = formatNamed(*format);
            if (m_project.output.format == nullptr)
                return fail(lineOf(*o->get("format")), at + QStringLiteral("format"),
                            QStringLiteral("unknown format \"%1\" (the formats are %2)")
                                .arg(*format, formatNames()));
        }
        const std::optional<bool> upper = flag(*o, "upper", at, false);
        const std::optional<bool> comments = flag(*o, "comments", at, false);
        const std::optional<bool> crlf = flag(*o, "crlf", at, false);
        const std::optional<qint64> perLine = integer(*o, "per_line", at, 0, 1, 256);
        if (!upper || !comments || !crlf || !perLine) return false;
        m_project.output.upper = *upper;
        m_project.output.comments = *comments;
        m_project.output.crlf = *crlf;
        m_project.output.perLine = static_cast<int>(*perLine);
        return true;
    }

    bool readTables(const toml::table& root) {
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

    std::optional<Table> textOf(const toml::table& t, const QString& at) {
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

    std::optional<Table> entriesOf(const toml::node& n, const QString& at) {
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
            const QString where =
                at + QLatin1StringView("entries ") + QString::number(++k) + QLatin1StringView(": ");
            if (!item.is_table()) {
                fail(lineOf(item), where, QStringLiteral("give { name = ..., char = ... }"));
                return std::nullopt;
            }
            const toml::table& e = *item.as_table();
            if (!onlyKeys(e, where, {"name", "char", "segments"})) return std::nullopt;
            const std::optional<QString> name = string(e, "name", where);
            const std::optional<QString> character = string(e, "char", where);
            const std::optional<QString> segments = string(e, "segments", where);
            if (!name || !character || !segments) return std::nullopt;
            quint32 pattern = 0;
            if (character->isEmpty() == segments->isEmpty()) {
                fail(lineOf(item), where + QStringLiteral("char"),
                     QStringLiteral("give either char or segments"));
                return std::nullopt;
            }
            Digit digit;
            // One character of the font (the common case) without a text's digits made of it.
            const std::optional<quint32> glyph =
                character->size() == 1 && character->front() != u'.'
                    ? glyphOf(character->front(), m_project.kind)
                    : std::nullopt;
            if (glyph) {
                digit = Digit{character->front().unicode(), 0, false, *glyph};
                pattern = *glyph;
            } else if (!character->isEmpty()) {
                QList<Unshowable> bad;
                const QList<Digit> digits = digitsOf(*character, bad, m_project.kind);
                if (digits.size() != 1 || !bad.isEmpty()) {
                    fail(lineOf(*e.get("char")), where + QStringLiteral("char"),
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
                    fail(lineOf(*e.get("segments")), where + QStringLiteral("segments"),
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

  private:
    Project& m_project;
};

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

namespace {

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
        root = toml::parse(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())),
                           file.toStdString());
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

}  // namespace

std::optional<Project> readProject(const QString& text, const QString& file, QString* error) {
    Project project;
    project.file = file;
    std::optional<toml::table> root = parseProject(text, file, error);
    if (!root) return std::nullopt;
    ProjectReader reader(project);
    if (!reader.read(*root)) {
        if (error != nullptr) {
            const Problem& p = *reader.problem;
            *error = QStringLiteral("%1:%2: %3: %4").arg(file).arg(p.line).arg(p.key, p.what);
        }
        return std::nullopt;
    }
    return project;
}

std::optional<QString> writeProject(const ProjectDraft& draft, const QString& original,
                                    const QString& file, QString* error) {
    toml::table root;
    if (!original.isEmpty()) {
        // Only a project that reads is written into: nothing of a broken one is lost.
        if (!readProject(original, file, error)) return std::nullopt;
        root = *parseProject(original, file, error);
    }
    auto utf8 = [](const QString& text) { return text.toStdString(); };
    root.insert_or_assign("schema", kProjectSchema);
    // A section of the root, made when missing (a value of another type cannot be there: the
    // original read).
    auto sectionOf = [&root](const char* key) -> toml::table& {
        if (!root.contains(key) || !root.get(key)->is_table())
            root.insert_or_assign(key, toml::table{});
        return *root.get(key)->as_table();
    };
    toml::table& display = sectionOf("display");
    display.insert_or_assign("kind", kindNumber(draft.kind));
    // A preset's name stays while it gives the wiring.
    const Preset* named = nullptr;
    std::optional<Wiring> before;
    if (const toml::node* w = display.get("wiring"); w != nullptr && w->is_string())
        before =
            wiringNamed(QString::fromStdString(w->as_string()->get()), draft.kind, nullptr, &named);
    if (!(named != nullptr && before && *before == draft.wiring)) {
        if (draft.wiring.isStandard())
            display.erase("wiring");
        else
            display.insert_or_assign("wiring", utf8(draft.wiring.text()));
    }
    display.insert_or_assign("polarity", draft.polarity == Polarity::CommonAnode
                                             ? std::string("anode")
                                             : std::string("cathode"));
    toml::table& output = sectionOf("output");
    output.insert_or_assign("format", std::string(draft.format->name));
    if (draft.upper)
        output.insert_or_assign("upper", true);
    else
        output.erase("upper");
    if (draft.perLine > 0)
        output.insert_or_assign("per_line", draft.perLine);
    else
        output.erase("per_line");
    // The frames window's animation: the one the project's window named goes, the draft's
    // frames take the place of the animation of their name (or come last).
    QString windowsBefore;
    if (const toml::node* w = root.at_path("window.animation").node();
        w != nullptr && w->is_string())
        windowsBefore = QString::fromStdString(w->as_string()->get());
    const QString framesName = draft.frames.isEmpty() ? QString() : draft.window.animation;
    if (!root.contains("animation")) root.insert("animation", toml::array{});
    toml::array& animations = *root.get("animation")->as_array();
    qsizetype place = -1;
    for (size_t k = animations.size(); k-- > 0;) {
        const toml::node* n = animations[k].as_table()->get("name");
        const QString name = n != nullptr && n->is_string()
                                 ? QString::fromStdString(n->as_string()->get())
                                 : QString();
        if (name.isEmpty() || (name != windowsBefore && name != framesName)) continue;
        animations.erase(animations.begin() + static_cast<std::ptrdiff_t>(k));
        if (name == framesName) place = static_cast<qsizetype>(k);
    }
    if (!framesName.isEmpty()) {
        toml::table a;
        a.insert("name", utf8(framesName));
        a.insert("digits", static_cast<qint64>(draft.frames.front().patterns.size()));
        toml::array segments, delays, labels;
        bool labelled = false;
        for (const DrawnFrame& f : draft.frames) {
            toml::array digits;
            for (const quint32 p : f.patterns)
                digits.push_back(utf8(namesOfPattern(draft.kind, p)));
            segments.push_back(std::move(digits));
            delays.push_back(static_cast<qint64>(f.delayMs));
            labels.push_back(utf8(f.label));
            labelled = labelled || !f.label.isEmpty();
        }
        a.insert("segments", std::move(segments));
        a.insert("delays", std::move(delays));
        if (labelled) a.insert("labels", std::move(labels));
        if (place < 0 || place > static_cast<qsizetype>(animations.size()))
            animations.push_back(std::move(a));
        else
            animations.insert(animations.begin() + place, std::move(a));
    }
    if (animations.empty()) root.erase("animation");
    toml::table window;
    if (!draft.window.array.isEmpty()) window.insert("array", utf8(draft.window.array));
    if (!framesName.isEmpty()) window.insert("animation", utf8(framesName));
    window.insert("declaration", utf8(draft.window.declaration));
    window.insert("count", draft.window.count);
    root.insert_or_assign("window", std::move(window));
    std::ostringstream out;
    out << "# A Kelvarin project: `kelvarin build` writes its tables; the window keeps its\n"
           "# declaration in [window].\n"
        // Strings in double quotes: the reader takes text beyond ASCII only there.
        << toml::toml_formatter(root, toml::toml_formatter::default_flags &
                                          ~toml::format_flags::allow_literal_strings)
        << '\n';
    const QString text = QString::fromStdString(out.str());
    // What is written must read back (a name the new format refuses, a text the new kind
    // cannot show): said as the reader says it.
    if (!readProject(text, file, error)) return std::nullopt;
    return text;
}

QString buildProject(const Project& project, const QString& programVersion) {
    const FormatDescription& f = *project.output.format;
    const QString eol = project.output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString made = QStringLiteral(
                       "%1%2, made from %3 by Kelvarin %4: edit the project, not this "
                       "file")
                       .arg(project.name.isEmpty() ? QStringLiteral("project") : project.name,
                            project.version.isEmpty() ? QString() : u' ' + project.version,
                            project.file, programVersion);
    QString out;
    if (f.comments == CommentStyle::C) out = QStringLiteral("// ") + made + eol;
    if (f.comments == CommentStyle::Assembler) out = QStringLiteral("; ") + made + eol;
    QStringList texts;
    for (qsizetype k = 0; k < project.tables.size(); ++k) {
        Output output = project.output;
        output.name = project.tableNames[k];
        texts << render(project.tables[k], output, project.polarity);
    }
    for (qsizetype k = 0; k < project.animations.size(); ++k) {
        Output output = project.output;
        output.name = project.animationNames[k];
        texts << renderFrames(project.animations[k], output, project.wiring, project.polarity);
    }
    out += joinTexts(f, texts, eol);
    return out;
}

}  // namespace kelvarin::codes
