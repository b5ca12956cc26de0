// SPDX-License-Identifier: MIT
#pragma once

// Surfaces for tests: a drawing surface that keeps every figure with its colour (or only counts
// them, for loops that run millions of times) and can be told to fail members the way a surface
// without them would, a text surface that keeps every operation as text, and a text box in
// memory.

#include <QList>
#include <QStringList>

#include "runtime/errors.h"
#include "workout/surfaces.h"

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
    bool keepFigures = true;  // false: only count them and keep the last
    QList<Figure> figures;
    qint64 count = 0;
    Figure last{};

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
        ++count;
        last = f;
        if (keepFigures) figures << f;
    }
};

// Keeps every operation on the surface, in order, as text.
class RecordingText : public TextSurface {
  public:
    QStringList ops;
    bool bold = false;
    void setFontBold(bool b) override { bold = b, ops << QStringLiteral("bold %1").arg(b); }
    void setForeColor(qint32 c) override { ops << QStringLiteral("colour %1").arg(c); }
    void setCurrentX(float x) override { ops << QStringLiteral("x %1").arg(x); }
    void setCurrentY(float y) override { ops << QStringLiteral("y %1").arg(y); }
    void print(const QString& t) override { ops << QStringLiteral("print [%1]").arg(t); }

    // The print positions, "x,y" for each print.
    QStringList positions() const {
        QStringList out;
        QString x, y;
        for (const QString& op : ops) {
            if (op.startsWith(u'x')) x = op.mid(2);
            if (op.startsWith(u'y')) y = op.mid(2);
            if (op.startsWith(QStringLiteral("print"))) out << x + u',' + y;
        }
        return out;
    }
};

// A text box in memory; failing makes every property fail as a broken control's would.
class MemoryTextBox : public TextBox {
  public:
    QString content;
    qint32 start = 0, length = 0;
    bool failing = false;

    QString text() const override { return check(), content; }
    void setText(const QString& t) override { check(), content = t, start = length = 0; }
    qint32 selStart() const override { return check(), start; }
    void setSelStart(qint32 s) override { check(), start = s, length = 0; }
    qint32 selLength() const override { return check(), length; }
    void setSelLength(qint32 l) override { check(), length = l; }

  private:
    void check() const {
        if (failing) raiseError(err::NotSupported);
    }
};

}  // namespace kelvarin::testing
