// SPDX-License-Identifier: MIT
// The commands frames and driver: a multi-digit display's frames as a table, and a scan driver
// program that shows them on the user's pins.

#include "app/commands.h"
#include "build_info/app_info.h"
#include "segment_codes/driver.h"
#include "segment_codes/frames.h"
#include "segment_codes/project.h"

namespace kelvarin::app {

Answer framesCommand(const Options& o) {
    if (o.digits == 0) return usageError(QStringLiteral("frames needs --digits N"));
    if (o.operands.isEmpty()) return usageError(QStringLiteral("frames needs a TEXT"));
    // The module's digit positions and colon: a preset's for its own number of digits, or the
    // order given.
    codes::DigitLayout layout;
    if (o.preset != nullptr && o.preset->digits == o.digits) {
        layout.places = o.preset->digitPlaces;
        layout.colonPlace = o.preset->colonPlace;
        layout.colonBit = o.preset->colonBit;
    }
    if (!o.order.isEmpty()) {
        layout.places.clear();
        for (const QString& place : o.order.split(u',')) {
            bool ok = false;
            layout.places << place.trimmed().toInt(&ok);
            if (!ok)
                return usageError(QStringLiteral("bad --order \"%1\": give each digit's position, "
                                                 "from the left: 2,1,0,5,4,3")
                                      .arg(o.order));
        }
    }
    QString error;
    const std::optional<QList<codes::Frame>> frames = codes::framesOf(
        o.operands, o.digits, o.scroll, o.delays, o.wiring, o.polarity, &error, layout);
    if (!frames) return usageError(error);
    return written(o, codes::renderFrames(*frames, o.output, o.wiring, o.polarity));
}

Answer driverCommand(const Options& o) {
    const bool fromProject = !o.projectFile.isEmpty();
    if (fromProject == !o.operands.isEmpty())
        return usageError(fromProject
                              ? QStringLiteral("driver shows a TEXT or a project's animation, not "
                                               "both")
                              : QStringLiteral("driver needs a TEXT to show (or --project FILE "
                                               "--animation NAME)"));
    codes::DriverRequest request;
    request.target = o.target;
    request.segments = o.segmentPins;
    request.digits = o.digitPins;
    request.selectActiveLow = o.selectActive == u"low";
    request.clock = o.clock;
    request.refresh = o.refresh;
    request.wiring = o.wiring;
    request.polarity = o.polarity;
    QString error;
    const std::optional<int> selects = codes::selectPinCount(request, &error);
    if (!selects) return usageError(error);
    if (fromProject) {
        // The animation's frames, made with the project's wiring and polarity.
        Options read = o;
        read.operands = {o.projectFile};
        Answer problem;
        const std::optional<QString> text = inputText(read, problem);
        if (!text) return problem;
        const std::optional<codes::Project> project =
            codes::readProject(*text, o.projectFile, &error);
        if (!project) return failure(kBadInput, error);
        const qsizetype k = project->animationNames.indexOf(o.animation);
        if (k < 0)
            return usageError(QStringLiteral("%1 has no animation \"%2\" (its animations: %3)")
                                  .arg(o.projectFile, o.animation,
                                       project->animationNames.isEmpty()
                                           ? QStringLiteral("none")
                                           : project->animationNames.join(QStringLiteral(", "))));
        request.frames = project->animations[k];
        request.wiring = project->wiring;
        request.polarity = project->polarity;
        request.shows = QStringLiteral("the animation %1 of %2").arg(o.animation, o.projectFile);
    } else {
        const std::optional<QList<codes::Frame>> frames =
            codes::framesOf(o.operands, *selects, o.scroll, o.delays, o.wiring, o.polarity, &error);
        if (!frames) return usageError(error);
        request.frames = *frames;
        QStringList shown;
        for (const QString& t : o.operands)
            shown << u'"' + QString(t).replace(QStringLiteral("*/"), QStringLiteral("* /")) + u'"';
        request.shows =
            (o.scroll ? QStringLiteral("scrolled ") : QString()) + shown.join(QStringLiteral(", "));
    }
    request.madeBy = QStringLiteral("Kelvarin %1").arg(version());
    const std::optional<QString> program = codes::generateDriver(request, &error);
    if (!program) return usageError(error);
    return written(o, *program);
}

}  // namespace kelvarin::app
