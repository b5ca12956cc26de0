// SPDX-License-Identifier: MIT
// The fuzz harness of the project reader and writer: a text is a project or an error naming
// the file; a project builds, twice to the same bytes; the window's part of a project (its
// display, output, declaration and frames) is written back into it, and the text written reads
// and is written again to the same bytes.

#include "segment_codes/project.h"
#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_project(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] {
        QString error;
        const std::optional<codes::Project> p =
            codes::readProject(text, QStringLiteral("f.toml"), &error);
        if (!p) {
            if (!error.startsWith(QStringLiteral("f.toml:"))) finding("an error without its file");
            return;
        }
        if (codes::buildProject(*p, QStringLiteral("1")) !=
            codes::buildProject(*p, QStringLiteral("1")))
            finding("a build that differs");
        codes::ProjectDraft draft;
        draft.kind = p->kind;
        draft.wiring = p->wiring;
        draft.polarity = p->polarity;
        draft.format = p->output.format;
        draft.perLine = p->output.perLine;
        draft.upper = p->output.upper;
        draft.crlf = p->output.crlf;
        if (p->window) {
            draft.window = *p->window;
            const qsizetype at = p->animationNames.indexOf(p->window->animation);
            if (at >= 0) draft.frames = codes::drawnOf(p->animations[at], p->wiring, p->polarity);
        }
        const std::optional<QString> written =
            codes::writeProject(draft, text, QStringLiteral("f.toml"), &error);
        if (!written) {
            finding("a project the window cannot write back");
            return;
        }
        if (codes::writeProject(draft, *written, QStringLiteral("f.toml"), nullptr) != written)
            finding("a project written twice that differs");
    });
    return 0;
}

}  // namespace kelvarin::fuzz
