// SPDX-License-Identifier: MIT
// The fuzz harness of the project reader: a text is a project or an error naming the file; a
// project builds, twice to the same bytes.

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
    });
    return 0;
}

}  // namespace kelvarin::fuzz
