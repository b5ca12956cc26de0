#pragma once

// A drawing surface for tests: it keeps every figure with its colour, and can be told to fail
// members the way a surface without them would.

#include <QList>

#include "workout/surfaces.h"
#include "workout/workout_error.h"

namespace kelvarin::testing {

struct Figure {
    enum Kind { Line, Box, Circle } kind;
    float x1, y1, x2, y2;  // for a circle: centre (x1, y1) and radius in x2
    qint32 color;
};

class RecordingSurface : public DrawSurface {
  public:
    RecordingSurface(float width, float height) : width(width), height(height) {}

    float width, height;
    qint16 mode = scale::Twips;
    bool failScaleMode = false;
    bool failFigures = false;
    QList<Figure> figures;

    void setScaleMode(qint16 m) override {
        if (failScaleMode) raiseError(err::NotSupported);
        mode = m;
    }
    float scaleWidth() const override { return width; }
    float scaleHeight() const override { return height; }
    void line(float x1, float y1, float x2, float y2, qint32 c) override {
        record({Figure::Line, x1, y1, x2, y2, c});
    }
    void box(float x1, float y1, float x2, float y2, qint32 c) override {
        record({Figure::Box, x1, y1, x2, y2, c});
    }
    void circle(float x, float y, float r, qint32 c) override {
        record({Figure::Circle, x, y, r, 0.0f, c});
    }

  private:
    void record(const Figure& f) {
        if (failFigures) raiseError(err::NotSupported);
        figures << f;
    }
};

}  // namespace kelvarin::testing
