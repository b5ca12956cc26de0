// SPDX-License-Identifier: MIT
// The command build: a project's tables written as one file.

#include "app/commands.h"
#include "build_info/app_info.h"
#include "segment_codes/project.h"

namespace kelvarin::app {

Answer buildCommand(const Options& o) {
    if (o.operands.size() != 1)
        return usageError(
            o.operands.isEmpty()
                ? QStringLiteral("build needs a PROJECT file")
                : QStringLiteral("build reads one PROJECT, not %1").arg(o.operands.size()));
    if (o.operands.first() == u"-")
        return usageError(QStringLiteral("build reads a PROJECT file, not standard input"));
    Answer problem;
    const std::optional<QString> text = inputText(o, problem);
    if (!text) return problem;
    QString error;
    const std::optional<codes::Project> project =
        codes::readProject(*text, o.operands.first(), &error);
    if (!project) return failure(kBadInput, error);
    if (project->tables.isEmpty() && project->animations.isEmpty())
        return failure(
            kBadInput,
            QStringLiteral("%1: no [[table]] or [[animation]] to build").arg(o.operands.first()));
    return written(o, codes::buildProject(*project, version()));
}

}  // namespace kelvarin::app
