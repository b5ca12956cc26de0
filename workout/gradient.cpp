// SPDX-License-Identifier: MIT
// Gradient fill: bands, diagonal sweeps, concentric rectangles, repeated bands, rings and
// circles, each figure one step further from the start colour towards the end colour.

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/conversion.h"
#include "platform/resume_next.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// A counted loop on a single-precision counter: limit and step are fixed when it begins, the
// body runs while the counter has not passed the limit, and the step is added after each pass.
// Once adding the step no longer changes the counter the loop is left, so it always ends.
template <class Body>
void singleFor(float start, float limit, float step, Body&& body) {
    float i = start;
    while (step >= 0.0f ? i <= limit : i >= limit) {
        body(i);
        const float next = i + step;
        if (next == i) break;
        i = next;
    }
}

struct Channels {
    qint32 red = 0;
    qint32 green = 0;
    qint32 blue = 0;
};

Channels splitColour(qint32 colour) {
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

// One painting call: the figures share the colour index j and the pending-error state.
class GradientPainter {
  public:
    GradientPainter(DrawSurface& surface, rt::ResumeNext& rn) : m_surface(surface), m_rn(rn) {}

    Channels start;
    float dR = 0.0f, dG = 0.0f, dB = 0.0f;
    qint32 j = 0;

    void line(double x1, double y1, double x2, double y2) {
        m_rn([&] {
            m_surface.line(rt::toSingle(x1), rt::toSingle(y1), rt::toSingle(x2), rt::toSingle(y2),
                           colour());
        });
        advance(1);
    }

    void box(double x1, double y1, double x2, double y2) {
        m_rn([&] {
            m_surface.box(rt::toSingle(x1), rt::toSingle(y1), rt::toSingle(x2), rt::toSingle(y2),
                          colour());
        });
        advance(2);
    }

    void circle(double x, double y, double radius) {
        m_rn([&] {
            m_surface.circle(rt::toSingle(x), rt::toSingle(y), rt::toSingle(radius), colour());
        });
        advance(1);
    }

    // A loop whose bounds come from checked arithmetic: when computing them fails the loop is
    // skipped as one failed statement.
    template <class Bounds, class Body>
    void loop(Bounds&& bounds, float step, Body&& body) {
        float from = 0.0f, to = 0.0f;
        if (!m_rn([&] {
                const auto [a, b] = bounds();
                from = rt::toSingle(a);
                to = rt::toSingle(b);
            }))
            return;
        singleFor(from, to, step, body);
    }

  private:
    // Colour of figure j: each channel is start + step * j in double precision, rounded to
    // even; a channel that does not fit a 16-bit integer fails the figure.
    qint32 colour() const {
        const qint16 r = rt::toInteger(start.red + static_cast<double>(dR) * j);
        const qint16 g = rt::toInteger(start.green + static_cast<double>(dG) * j);
        const qint16 b = rt::toInteger(start.blue + static_cast<double>(dB) * j);
        return rt::rgb(r, g, b);
    }

    void advance(qint32 by) {
        m_rn([&] { j = rt::add(j, by); });
    }

    DrawSurface& m_surface;
    rt::ResumeNext& m_rn;
};

using Bounds = std::pair<double, double>;

}  // namespace

qint32 workOut::DrawChange(DrawSurface& Object, qint32 ColorChangeFrom, qint32 ColorChangeTo,
                           qint32 DrawTypeOrRadius, qint32 CircleOrRectangle_FromX,
                           qint32 CircleOrRectangleY, qint32 Rectangle_ToX, qint32 RectangleY,
                           float CircleEffect, qint32 RectangleNumber) {
    rt::ResumeNext rn;
    qint32 result = 0;
    const qint32 D = DrawTypeOrRadius;

    // Surface and area.
    qint32 L = 0, T = 0, R = 0, B = 0;
    rn([&] { Object.setScaleMode(scale::Pixels); });
    L = CircleOrRectangle_FromX;
    T = CircleOrRectangleY;
    rn([&] { R = Rectangle_ToX == 0 ? rt::toLong(Object.scaleWidth()) : Rectangle_ToX; });
    rn([&] { B = RectangleY == 0 ? rt::toLong(Object.scaleHeight()) : RectangleY; });
    if (rn.pending()) result |= 1;
    rn.clear();

    // Extent, step count and position step.
    qint32 W = 0, H = 0;
    rn([&] { W = rt::sub(R, L); });
    rn([&] { H = rt::sub(B, T); });
    const bool wide = W > H;

    float N = 0.0f, S = 0.0f;
    auto stepsOver = [&](double extent, double count) {
        rn([&] { N = rt::toSingle(count); });
        rn([&] { S = rt::toSingle(rt::divide(extent, N)); });
    };
    switch (D) {
        case -1:
            stepsOver(H, H);
            break;
        case -2:
            stepsOver(W, W);
            break;
        case -3:
        case -4:
            stepsOver(static_cast<double>(W) + H, static_cast<double>(W) + H);
            break;
        case -5:
            stepsOver(std::min(W, H), std::min(W, H));
            break;
        default:
            stepsOver(D, static_cast<double>(CircleEffect) * D * 20.0);
            break;
    }
    if (rn.pending()) result |= 2;
    N = std::fabs(N);
    rn.clear();

    // Channel steps.
    GradientPainter paint(Object, rn);
    paint.start = splitColour(ColorChangeFrom);
    const Channels end = splitColour(ColorChangeTo);
    rn([&] { paint.dR = rt::toSingle(rt::divide(end.red - paint.start.red, N)); });
    rn([&] { paint.dG = rt::toSingle(rt::divide(end.green - paint.start.green, N)); });
    rn([&] { paint.dB = rt::toSingle(rt::divide(end.blue - paint.start.blue, N)); });
    if (rn.pending()) result |= 4;
    rn.clear();

    // The figure modes need a usable step count and position step; without one nothing is drawn.
    const bool usesSteps = !(D == -6 || D == -7 || D < -10);
    const bool drawable = N != 0.0f && std::isfinite(N) && std::isfinite(S);
    const float negS = -S;

    auto nested = [&](qint32 mode, qint32 fromX, qint32 y, qint32 toX, qint32 y2) {
        DrawChange(Object, ColorChangeFrom, ColorChangeTo, mode, fromX, y, toX, y2, CircleEffect,
                   RectangleNumber);
    };

    if (usesSteps && !drawable) {
        // nothing to draw
    } else if (D == -1) {
        paint.loop([&] { return Bounds(T, B); }, S, [&](float i) { paint.line(L, i, R, i); });
    } else if (D == -2) {
        paint.loop([&] { return Bounds(L, R); }, S, [&](float i) { paint.line(i, T, i, B); });
    } else if (D == -3) {
        if (wide) {
            paint.loop([&] { return Bounds(T, B); }, S,
                       [&](float i) {
                           paint.line(L, i, L + (i - static_cast<double>(T)),
                                      static_cast<double>(T) - 1);
                       });
            paint.loop([&] { return Bounds(L, rt::add(L, rt::sub(W, H))); }, S,
                       [&](float i) { paint.line(i, B, i + static_cast<double>(H), T - 1.0); });
            paint.loop([&] { return Bounds(rt::sub(R, H), R); }, S,
                       [&](float i) { paint.line(i, B, R, B - (R - static_cast<double>(i))); });
        } else {
            paint.loop(
                [&] { return Bounds(L, R); }, S,
                [&](float i) { paint.line(L, T + (i - static_cast<double>(L)), i, T - 1.0); });
            paint.loop([&] { return Bounds(rt::add(T, W), B); }, S,
                       [&](float i) { paint.line(L, i, R, static_cast<double>(i) - W - 1); });
            paint.loop([&] { return Bounds(L, R); }, S,
                       [&](float i) { paint.line(i, B, R, B - (R - static_cast<double>(i))); });
        }
    } else if (D == -4) {
        if (wide) {
            paint.loop([&] { return Bounds(B, T); }, negS,
                       [&](float i) { paint.line(L, i, L + (B - static_cast<double>(i)), B); });
            paint.loop([&] { return Bounds(L, rt::add(L, rt::sub(W, H))); }, S,
                       [&](float i) { paint.line(i, T, i + static_cast<double>(H), B); });
            const double offset = static_cast<double>(W) - H;
            paint.loop([&] { return Bounds(T, B); }, S,
                       [&](float i) {
                           const double k = i - static_cast<double>(T);
                           paint.line(L + offset + k, T, R, B - k);
                       });
        } else {
            paint.loop([&] { return Bounds(R, L); }, negS,
                       [&](float i) {
                           const double k = R - static_cast<double>(i);
                           paint.line(L, B - k, L + k, B);
                       });
            paint.loop([&] { return Bounds(rt::add(T, rt::sub(H, W)), T); }, negS,
                       [&](float i) { paint.line(L, i, R, static_cast<double>(i) + W); });
            paint.loop([&] { return Bounds(L, R); }, S,
                       [&](float i) { paint.line(i, T, R, T + (R - static_cast<double>(i))); });
        }
    } else if (D == -5) {
        const qint32 origin = wide ? T : L;
        const double middle =
            wide ? (static_cast<double>(T) + B) / 2 : (static_cast<double>(L) + R) / 2;
        paint.loop([&] { return Bounds(origin, middle); }, S,
                   [&](float i) {
                       const double d = i - static_cast<double>(origin);
                       paint.box(L + d, T + d, R - d, B - d);
                   });
    } else if (D == -6) {
        singleFor(1.0f, static_cast<float>(RectangleNumber), 1.0f, [&](float k) {
            rn([&] {
                const double top = T + (k - 1.0) * H / RectangleNumber;
                const double bottom = T + static_cast<double>(k) * H / RectangleNumber;
                nested(-1, CircleOrRectangle_FromX, rt::toLong(top), Rectangle_ToX,
                       rt::toLong(bottom));
            });
        });
    } else if (D == -7) {
        singleFor(1.0f, static_cast<float>(RectangleNumber), 1.0f, [&](float k) {
            rn([&] {
                const double left = L + (k - 1.0) * W / RectangleNumber;
                const double right = L + static_cast<double>(k) * W / RectangleNumber;
                nested(-2, rt::toLong(left), CircleOrRectangleY, rt::toLong(right), RectangleY);
            });
        });
    } else if (D < -10) {
        singleFor(static_cast<float>(RectangleNumber), 1.0f, -1.0f, [&](float k) {
            rn([&] {
                if (D == std::numeric_limits<qint32>::min()) raiseError(err::Overflow);
                const double radius = static_cast<double>(k) * std::abs(D) / RectangleNumber;
                DrawChange(Object, ColorChangeFrom, ColorChangeTo, rt::toLong(radius),
                           CircleOrRectangle_FromX, CircleOrRectangleY, Rectangle_ToX, RectangleY,
                           CircleEffect, RectangleNumber);
            });
        });
    } else {
        double cx = CircleOrRectangle_FromX, cy = CircleOrRectangleY;
        if (CircleOrRectangle_FromX == 0 && CircleOrRectangleY == 0) {
            cx = (static_cast<double>(L) + R) / 2;
            cy = (static_cast<double>(T) + B) / 2;
        }
        singleFor(0.0f, static_cast<float>(D), S, [&](float i) { paint.circle(cx, cy, i); });
    }

    if (rn.pending()) result |= 8;
    return result;
}

}  // namespace kelvarin
