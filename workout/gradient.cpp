// SPDX-License-Identifier: MIT
// Gradient fill: bands, diagonal sweeps, concentric rectangles, repeated bands, rings and
// circles, each figure one step further from the start colour towards the end colour.

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "workout/internal/trace.h"
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

// The area in pixels of the surface, and its shape.
struct Area {
    qint32 L = 0, T = 0, R = 0, B = 0;
    qint32 W = 0, H = 0;
    bool wide = false;
};

// Step count N and position step S.
struct Steps {
    float N = 0.0f, S = 0.0f;
};

// The arguments of one call, as received.
struct Call {
    qint32 from, to, D, fromX, fromY, toX, toY;
    float circleEffect;
    qint32 number;
};

// Bit 1: the surface switched to pixels and the area read; a right or bottom edge of 0 is the
// surface's full width or height.
Area prepareSurface(DrawSurface& surface, const Call& c, rt::ResumeNext& rn, qint32& result) {
    Area a;
    rn([&] { surface.setScaleMode(scale::Pixels); });
    a.L = c.fromX;
    a.T = c.fromY;
    rn([&] { a.R = c.toX == 0 ? rt::toLong(surface.scaleWidth()) : c.toX; });
    rn([&] { a.B = c.toY == 0 ? rt::toLong(surface.scaleHeight()) : c.toY; });
    if (rn.pending()) result |= 1;
    rn.clear();
    rn([&] { a.W = rt::sub(a.R, a.L); });
    rn([&] { a.H = rt::sub(a.B, a.T); });
    a.wide = a.W > a.H;
    return a;
}

// Bit 2: the step count and position step of the mode, N made non-negative.
Steps stepsFor(const Call& c, const Area& a, rt::ResumeNext& rn, qint32& result) {
    Steps st;
    auto over = [&](double extent, double count) {
        rn([&] { st.N = rt::toSingle(count); });
        rn([&] { st.S = rt::toSingle(rt::divide(extent, st.N)); });
    };
    switch (c.D) {
        case -1:
            over(a.H, a.H);
            break;
        case -2:
            over(a.W, a.W);
            break;
        case -3:
        case -4:
            over(static_cast<double>(a.W) + a.H, static_cast<double>(a.W) + a.H);
            break;
        case -5:
            over(std::min(a.W, a.H), std::min(a.W, a.H));
            break;
        default:
            over(c.D, static_cast<double>(c.circleEffect) * c.D * 20.0);
            break;
    }
    if (rn.pending()) result |= 2;
    st.N = std::fabs(st.N);
    rn.clear();
    return st;
}

// Bit 4: the channel steps from the start colour to the end colour over N steps.
void channelSteps(GradientPainter& paint, const Call& c, float N, rt::ResumeNext& rn,
                  qint32& result) {
    paint.start = splitColour(c.from);
    const Channels end = splitColour(c.to);
    rn([&] { paint.dR = rt::toSingle(rt::divide(end.red - paint.start.red, N)); });
    rn([&] { paint.dG = rt::toSingle(rt::divide(end.green - paint.start.green, N)); });
    rn([&] { paint.dB = rt::toSingle(rt::divide(end.blue - paint.start.blue, N)); });
    if (rn.pending()) result |= 4;
    rn.clear();
}

// Modes -1 and -2: horizontal lines from the top, vertical lines from the left.
void drawBands(GradientPainter& paint, const Area& a, const Steps& st, bool horizontal) {
    const qint32 L = a.L, T = a.T, R = a.R, B = a.B;
    if (horizontal) {
        paint.loop([&] { return Bounds(T, B); }, st.S, [&](float i) { paint.line(L, i, R, i); });
    } else {
        paint.loop([&] { return Bounds(L, R); }, st.S, [&](float i) { paint.line(i, T, i, B); });
    }
}

// Mode -3: 45 degree lines rising to the right, from the top-left corner.
void drawRising(GradientPainter& paint, const Area& a, float S) {
    const qint32 L = a.L, T = a.T, R = a.R, B = a.B, W = a.W, H = a.H;
    const bool wide = a.wide;
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
        return;
    }
    paint.loop([&] { return Bounds(L, R); }, S,
               [&](float i) { paint.line(L, T + (i - static_cast<double>(L)), i, T - 1.0); });
    paint.loop([&] { return Bounds(rt::add(T, W), B); }, S,
               [&](float i) { paint.line(L, i, R, static_cast<double>(i) - W - 1); });
    paint.loop([&] { return Bounds(L, R); }, S,
               [&](float i) { paint.line(i, B, R, B - (R - static_cast<double>(i))); });
}

// Mode -4: 45 degree lines falling to the right, from the bottom-left corner.
void drawFalling(GradientPainter& paint, const Area& a, float S) {
    const qint32 L = a.L, T = a.T, R = a.R, B = a.B, W = a.W, H = a.H;
    const bool wide = a.wide;
    const float negS = -S;
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
        return;
    }
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

// Mode -5: rectangle outlines from the border inwards.
void drawRectangles(GradientPainter& paint, const Area& a, float S) {
    const qint32 L = a.L, T = a.T, R = a.R, B = a.B;
    const bool wide = a.wide;
    const qint32 origin = wide ? T : L;
    const double middle =
        wide ? (static_cast<double>(T) + B) / 2 : (static_cast<double>(L) + R) / 2;
    paint.loop([&] { return Bounds(origin, middle); }, S,
               [&](float i) {
                   const double d = i - static_cast<double>(origin);
                   paint.box(L + d, T + d, R - d, B - d);
               });
}

// Any other D: circles from the centre (the area's middle when both corner values are 0).
void drawCircles(GradientPainter& paint, const Call& c, const Area& a, float S) {
    double cx = c.fromX, cy = c.fromY;
    if (c.fromX == 0 && c.fromY == 0) {
        cx = (static_cast<double>(a.L) + a.R) / 2;
        cy = (static_cast<double>(a.T) + a.B) / 2;
    }
    singleFor(0.0f, static_cast<float>(c.D), S, [&](float i) { paint.circle(cx, cy, i); });
}

// Modes -6 and -7 (bands of full mode -1 or -2 gradients) and the rings below -10 (nested circle
// gradients, the largest first): each repetition is one nested call whose result is not looked at.
void drawRepeated(workOut& w, DrawSurface& Object, const Call& c, const Area& a,
                  rt::ResumeNext& rn) {
    const qint32 L = a.L, T = a.T, W = a.W, H = a.H;
    const qint32 n = c.number;
    if (c.D == -6) {
        singleFor(1.0f, static_cast<float>(n), 1.0f, [&](float k) {
            rn([&] {
                const double top = T + (k - 1.0) * H / n;
                const double bottom = T + static_cast<double>(k) * H / n;
                w.DrawChange(Object, c.from, c.to, -1, c.fromX, rt::toLong(top), c.toX,
                             rt::toLong(bottom), c.circleEffect, n);
            });
        });
    } else if (c.D == -7) {
        singleFor(1.0f, static_cast<float>(n), 1.0f, [&](float k) {
            rn([&] {
                const double left = L + (k - 1.0) * W / n;
                const double right = L + static_cast<double>(k) * W / n;
                w.DrawChange(Object, c.from, c.to, -2, rt::toLong(left), c.fromY, rt::toLong(right),
                             c.toY, c.circleEffect, n);
            });
        });
    } else {
        singleFor(static_cast<float>(n), 1.0f, -1.0f, [&](float k) {
            rn([&] {
                if (c.D == std::numeric_limits<qint32>::min()) raiseError(err::Overflow);
                const double radius = static_cast<double>(k) * std::abs(c.D) / n;
                w.DrawChange(Object, c.from, c.to, rt::toLong(radius), c.fromX, c.fromY, c.toX,
                             c.toY, c.circleEffect, n);
            });
        });
    }
}

}  // namespace

qint32 workOut::DrawChange(DrawSurface& Object, qint32 ColorChangeFrom, qint32 ColorChangeTo,
                           qint32 DrawTypeOrRadius, qint32 CircleOrRectangle_FromX,
                           qint32 CircleOrRectangleY, qint32 Rectangle_ToX, qint32 RectangleY,
                           float CircleEffect, qint32 RectangleNumber) {
    rt::ResumeNext rn(lcDrawing(), __func__);
    const Call c{ColorChangeFrom,    ColorChangeTo, DrawTypeOrRadius, CircleOrRectangle_FromX,
                 CircleOrRectangleY, Rectangle_ToX, RectangleY,       CircleEffect,
                 RectangleNumber};
    qint32 result = 0;
    const Area area = prepareSurface(Object, c, rn, result);
    const Steps steps = stepsFor(c, area, rn, result);
    GradientPainter paint(Object, rn);
    channelSteps(paint, c, steps.N, rn, result);
    // Bit 8: the figures.
    const qint32 D = c.D;
    if (D == -6 || D == -7 || D < -10) {
        drawRepeated(*this, Object, c, area, rn);
    } else if (steps.N != 0.0f && std::isfinite(steps.N) && std::isfinite(steps.S)) {
        // The figure modes need a usable step count and position step.
        if (D == -1 || D == -2) {
            drawBands(paint, area, steps, D == -1);
        } else if (D == -3) {
            drawRising(paint, area, steps.S);
        } else if (D == -4) {
            drawFalling(paint, area, steps.S);
        } else if (D == -5) {
            drawRectangles(paint, area, steps.S);
        } else {
            drawCircles(paint, c, area, steps.S);
        }
    }
    if (rn.pending()) result |= 8;
    return result;
}

}  // namespace kelvarin
