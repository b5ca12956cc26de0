// SPDX-License-Identifier: MIT
// Full gradient repaints of a 3840 x 2160 window background through the real backing image,
// for every line-based mode, beside a fill of the same image.

#include <QWidget>

#include "bench/bench.h"
#include "bench/groups.h"
#include "gui/backing_canvas.h"
#include "runtime/conversion.h"
#include "workout/workout.h"

namespace kelvarin::bench {

void gradient() {
    header("gradient, 3840 x 2160, medians of 41 repaints taken by turns");
    QWidget owner;
    gui::BackingCanvas canvas(owner);
    owner.resize(3840, 2160);
    canvas.followOwnerSize();
    workOut w;
    struct Case {
        const char* name;
        qint32 mode;
    };
    const Case cases[] = {{"DrawChange -3 diagonal from top-left", -3},
                          {"DrawChange -4 diagonal from bottom-left", -4},
                          {"DrawChange -1 horizontal", -1},
                          {"DrawChange -2 vertical", -2},
                          {"DrawChange -5 rectangles", -5},
                          {"DrawChange -6 three bands", -6}};
    QImage& image = const_cast<QImage&>(canvas.image());
    // Once each, untimed: the painting thread started, the line queue grown to its size.
    for (const Case& c : cases) {
        w.DrawChange(canvas, rt::rgb(130, 200, 180), rt::rgb(130, 130, 180), c.mode, 0, 0, 0, 0,
                     0.2f, 3);
        canvas.image();
    }
    for (const Case& c : cases) {
        // Before each timed repaint, ours or the reference, the image is filled once untimed on
        // this thread: both start with it in this core's caches, none of it left in the other
        // core's by the painting threads (which would slow a fill after them).
        const QColor settle(1, 2, 3);
        const auto [ours, fill] = interleavedMs(
            41,
            [&] {
                w.DrawChange(canvas, rt::rgb(130, 200, 180), rt::rgb(130, 130, 180), c.mode, 0, 0,
                             0, 0, 0.2f, 3);
                canvas.image();  // every figure painted into the image
            },
            [&] { image.fill(QColor(130, 200, 180)); }, [&] { image.fill(settle); });
        report(c.name, ours, "QImage::fill of the image", fill, "within 2x");
    }
}

}  // namespace kelvarin::bench
