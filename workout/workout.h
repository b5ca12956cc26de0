#pragma once

// workOut: the program's utility object. Every family of operations has its own source file;
// this class gathers them behind one interface. Parameters that an operation writes back are
// non-const references; all others are taken by value or by const reference.

#include <QString>
#include <QVariant>

#include "workout/surfaces.h"
#include "workout/workout_error.h"

namespace kelvarin {

class workOut {
  public:
    // --- Radix conversion (radix.cpp) ---
    // Reads pStr as digits in base jz (below 10, or 16). wrong reports an unsupported base, a
    // character that is not a hexadecimal digit, or an overflow (the digits read so far are kept).
    qint32 jzToDec(const QString& pStr, qint32 jz, bool& wrong);
    // Inverts a text of binary digits; any other character gives "-1".
    QString XorTwice(const QString& pStr);

    // --- Gradient fill (gradient.cpp) ---
    // Paints a colour gradient of lines, rectangles or circles; returns a bit mask of the
    // phases that failed (1 surface, 2 step count, 4 channel steps, 8 drawing).
    qint32 DrawChange(DrawSurface& Object, qint32 ColorChangeFrom, qint32 ColorChangeTo,
                      qint32 DrawTypeOrRadius, qint32 CircleOrRectangle_FromX,
                      qint32 CircleOrRectangleY, qint32 Rectangle_ToX, qint32 RectangleY,
                      float CircleEffect, qint32 RectangleNumber);

    // --- Shadowed text (shadow_text.cpp) ---
    // Prints Words at (x, y) in ForeColor over a halo of eight copies in BackGround. A colour
    // passed as 0 selects the default (255 red, 0xFFFFFF white) and is written back.
    void printShadow(TextSurface& piC, const QVariant& Words, const QVariant& x, const QVariant& y,
                     QVariant& BackGround, QVariant& ForeColor);
};

}  // namespace kelvarin
