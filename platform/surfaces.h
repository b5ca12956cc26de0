#pragma once

// Surfaces that callers hand to the library's drawing operations (DrawSurface, TextSurface).
// The library needs no widgets: a window's background or picture box implements these, and
// tests implement them with recorders. A member that a surface cannot perform throws
// workOutError, as a late-bound call would fail.

#include <QString>
#include <QtGlobal>

namespace kelvarin {

// Scale modes of a surface: the unit its coordinates and extents are measured in.
namespace scale {
inline constexpr qint16 User = 0;
inline constexpr qint16 Twips = 1;
inline constexpr qint16 Points = 2;
inline constexpr qint16 Pixels = 3;
inline constexpr qint16 Characters = 4;
inline constexpr qint16 Inches = 5;
inline constexpr qint16 Millimeters = 6;
inline constexpr qint16 Centimeters = 7;
}  // namespace scale

class DrawSurface {
  public:
    virtual ~DrawSurface() = default;

    virtual void setScaleMode(qint16 mode) = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    // A straight line from (x1, y1) to (x2, y2) in the given 0x00BBGGRR colour.
    virtual void line(float x1, float y1, float x2, float y2, qint32 color) = 0;
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    virtual void box(float x1, float y1, float x2, float y2, qint32 color) = 0;
    // A full circle outline.
    virtual void circle(float x, float y, float radius, qint32 color) = 0;
};

// A surface that prints text at a current position, in its own scale units. The position is
// the top-left corner of the printed text; after a print it moves to the start of the next line.
class TextSurface {
  public:
    virtual ~TextSurface() = default;

    virtual void setFontBold(bool bold) = 0;
    virtual void setForeColor(qint32 color) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    virtual void print(const QString& text) = 0;
};

}  // namespace kelvarin
