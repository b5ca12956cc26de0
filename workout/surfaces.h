// SPDX-License-Identifier: MIT
#pragma once

// Surfaces that callers hand to the library: what it draws on (DrawSurface, TextSurface), the
// objects whose place it tests the pointer against (PlacedObject, FormObject) and text boxes
// (TextBox). The library needs
// no widgets: the windows implement these over their forms and controls, tests with doubles. A
// member that a surface cannot perform throws workOutError, as a late-bound call would fail.

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

// An object with a place: its Left, Top, Width and Height in twips. A control's Left and Top are
// measured from its form's client area; a form's are its frame's position on the screen.
class PlacedObject {
  public:
    virtual ~PlacedObject() = default;
    virtual double left() const = 0;
    virtual double top() const = 0;
    virtual double width() const = 0;
    virtual double height() const = 0;
};

// A form: a placed object whose client area begins clientLeft and clientTop twips inside its
// frame's outer corner (the frame border, and the title bar above). An object that is not a
// form fails these.
class FormObject : public PlacedObject {
  public:
    virtual double clientLeft() const = 0;
    virtual double clientTop() const = 0;
};

// A text box: its text, and the selection as a start (0-based, in characters) and a length.
// Setting the start leaves no selection.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual qint32 selStart() const = 0;
    virtual void setSelStart(qint32 start) = 0;
    virtual qint32 selLength() const = 0;
    virtual void setSelLength(qint32 length) = 0;
};

}  // namespace kelvarin
