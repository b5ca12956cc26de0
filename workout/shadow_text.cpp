// SPDX-License-Identifier: MIT
// Shadowed text: a line printed eight times in a halo colour around its position, then once in
// its own colour on top.

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "runtime/variant_rules.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

struct Offset {
    int dx, dy;
};

// An outer ring at +-50 / +-35 and an inner one at +-30 / +-20; the last copy stands at +20.
constexpr Offset kHalo[8] = {{-50, -35}, {50, 35}, {-50, 35}, {50, -35},
                             {-30, -20}, {30, 20}, {-30, 20}, {20, -20}};

}  // namespace

void workOut::printShadow(TextSurface& piC, const QVariant& Words, const QVariant& x,
                          const QVariant& y, QVariant& BackGround, QVariant& ForeColor) {
    rt::ResumeNext rn(lcDrawing(), __func__);
    rn([&] {
        if (rt::equalsZero(BackGround)) BackGround = QVariant(qint32(255));
    });
    rn([&] {
        if (rt::equalsZero(ForeColor)) ForeColor = QVariant(qint32(0xFFFFFF));
    });
    rn([&] { piC.setFontBold(true); });
    rn([&] { piC.setForeColor(rt::toLongValue(BackGround)); });
    QString text;
    rn([&] { text = rt::printText(Words); });
    for (const Offset& o : kHalo) {
        rn([&] { piC.setCurrentX(rt::toSingle(rt::toNumber(x) + o.dx)); });
        rn([&] { piC.setCurrentY(rt::toSingle(rt::toNumber(y) + o.dy)); });
        rn([&] { piC.print(text); });
    }
    rn([&] { piC.setForeColor(rt::toLongValue(ForeColor)); });
    rn([&] { piC.setCurrentX(rt::toSingle(rt::toNumber(x))); });
    rn([&] { piC.setCurrentY(rt::toSingle(rt::toNumber(y))); });
    rn([&] { piC.print(text); });
}

}  // namespace kelvarin
