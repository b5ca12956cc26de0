// SPDX-License-Identifier: MIT
// Projects written into by the window, and built into one file. toml++ is compiled here, once.

#define TOML_IMPLEMENTATION
#include "segment_codes/project_reader.h"

#include <sstream>

#include "segment_codes/presets.h"

namespace kelvarin::codes {

std::optional<QString> writeProject(const ProjectDraft& draft, const QString& original,
                                    const QString& file, QString* error) {
    toml::table root;
    if (!original.isEmpty()) {
        // Only a project that reads is written into: nothing of a broken one is lost.
        if (!readProject(original, file, error)) return std::nullopt;
        root = *reading::parseProject(original, file, error);
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
    if (draft.crlf)
        output.insert_or_assign("crlf", true);
    else
        output.erase("crlf");
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
