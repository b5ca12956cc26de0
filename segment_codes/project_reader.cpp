// SPDX-License-Identifier: MIT
// Reading a project: the project, its display, output, animations and window, every key checked.

#include <QSet>

#include <algorithm>
#include <limits>

#include "segment_codes/font.h"
#include "segment_codes/presets.h"
#include "segment_codes/project_reader.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes {

namespace reading {

bool ProjectReader::read(const toml::table& root) {
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

bool ProjectReader::readWindow(const toml::table& root) {
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
    m_project.window = ProjectWindow{*array, *declaration, static_cast<int>(*count), *animation};
    return true;
}

bool ProjectReader::readAnimations(const toml::table& root) {
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
                        name->isEmpty() ? QStringLiteral("missing: every animation needs a name")
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
        const std::optional<QList<Frame>> frames = framesOf(
            texts, static_cast<int>(*digits), *scroll, delays, m_project.wiring, m_project.polarity,
            &why, *digits == m_project.presetDigits ? m_project.layout : DigitLayout{});
        if (!frames) return fail(lineOf(*list), at + QStringLiteral("texts"), why);
        m_project.animations << *frames;
        m_project.animationNames << *name;
    }
    return true;
}

// An animation of drawn frames: segments (one list a frame, one text a digit), delays (one
// a frame) or the one delay, labels (one a frame) or none.
bool ProjectReader::readDrawnAnimation(const toml::table& t, const QString& at, int digits,
                                       qint64 delay) {
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
                digit.is_string() ? patternOfNames(m_project.kind,
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

const toml::table* ProjectReader::section(const toml::table& root, const char* key) {
    const toml::node* n = root.get(key);
    if (n == nullptr) return nullptr;
    if (!n->is_table()) {
        fail(lineOf(*n), QLatin1StringView(key),
             QStringLiteral("give a section [%1]").arg(QLatin1StringView(key)));
        return nullptr;
    }
    return n->as_table();
}

bool ProjectReader::readDisplay(const toml::table& root) {
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
        m_project.layout = DigitLayout{preset->digitPlaces, preset->colonPlace, preset->colonBit};
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

bool ProjectReader::readOutput(const toml::table& root) {
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

}  // namespace reading

std::optional<Project> readProject(const QString& text, const QString& file, QString* error) {
    Project project;
    project.file = file;
    std::optional<toml::table> root = reading::parseProject(text, file, error);
    if (!root) return std::nullopt;
    reading::ProjectReader reader(project);
    if (!reader.read(*root)) {
        if (error != nullptr) {
            const reading::Problem& p = *reader.problem;
            *error = QStringLiteral("%1:%2: %3: %4").arg(file).arg(p.line).arg(p.key, p.what);
        }
        return std::nullopt;
    }
    return project;
}

}  // namespace kelvarin::codes
