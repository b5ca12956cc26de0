// SPDX-License-Identifier: MIT
// The fuzz harness of the scan driver: any target, pins, clock and refresh give a program or an
// error, and a program holds one select a digit and the frames' table.

#include "segment_codes/driver.h"
#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_driver(Input& in) {
    codes::DriverRequest r;
    const quint8 choice = in.byte();
    r.target = choice % 3 == 0   ? QStringLiteral("sdcc")
               : choice % 3 == 1 ? QStringLiteral("c51")
                                 : QStringLiteral("arduino");
    r.selectActiveLow = choice & 4;
    r.segments = in.text();
    r.digits = in.text();
    r.clock = in.text();
    r.refresh = in.text();
    const QString text = in.rest();
    allowing(kNone, [&] {
        QString error;
        const std::optional<int> selects = codes::selectPinCount(r, &error);
        if (!selects) {
            if (error.isEmpty()) finding("pins refused without an error");
            return;
        }
        const std::optional<QList<codes::Frame>> frames =
            codes::framesOf({text}, *selects, choice & 8, {100}, r.wiring, r.polarity, &error);
        if (!frames) return;
        r.frames = *frames;
        const std::optional<QString> program = codes::generateDriver(r, &error);
        if (!program) {
            if (error.isEmpty()) finding("a driver refused without an error");
            return;
        }
        if (!program->contains(QStringLiteral("frames[FRAMES][DIGITS]")))
            finding("a driver without its frames");
        if (r.target != u"arduino" && program->count(QStringLiteral("SELECT")) < *selects)
            finding("a digit unselected");
    });
    return 0;
}

}  // namespace kelvarin::fuzz
