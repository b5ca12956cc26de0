// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// Surfaces that callers hand to the library: what it draws on (DrawSurface, TextSurface), the
/// objects whose place it tests the pointer against (PlacedObject, FormObject) and text boxes
/// (TextBox). The library needs no widgets: a program implements these over its own windows and
/// controls. A member that a surface cannot perform throws workOutError (err::NotSupported),
/// and the operation treats it as a failing step.

#include <QString>
#include <QtGlobal>

#include "kelvarin_export.h"

namespace kelvarin {

namespace scale {
inline constexpr qint16 User = 0;         ///< units of the surface's own choosing
inline constexpr qint16 Twips = 1;        ///< 1440 to the inch
inline constexpr qint16 Points = 2;       ///< 72 to the inch
inline constexpr qint16 Pixels = 3;       ///< pixels of the screen
inline constexpr qint16 Characters = 4;   ///< characters of the system font
inline constexpr qint16 Inches = 5;       ///< inches
inline constexpr qint16 Millimeters = 6;  ///< millimetres
inline constexpr qint16 Centimeters = 7;  ///< centimetres
}  // namespace scale

/// A surface to draw figures on, for workOut::DrawChange. Colours are 0x00BBGGRR.
class KELVARIN_EXPORT DrawSurface {
  public:
    virtual ~DrawSurface() = default;

    /// Sets the unit of the surface's coordinates and extents.
    /// @param mode a scale mode (scale::Pixels ...)
    virtual void setScaleMode(qint16 mode) = 0;
    /// The width of the drawing area.
    /// @return the width, in the surface's unit
    virtual float scaleWidth() const = 0;
    /// The height of the drawing area.
    /// @return the height, in the surface's unit
    virtual float scaleHeight() const = 0;
    /// Draws a straight line.
    /// @param x1 where it starts, across
    /// @param y1 where it starts, down
    /// @param x2 where it ends, across
    /// @param y2 where it ends, down
    /// @param color its colour
    virtual void line(float x1, float y1, float x2, float y2, qint32 color) = 0;
    /// Draws the outline of a rectangle.
    /// @param x1 a corner, across
    /// @param y1 that corner, down
    /// @param x2 the opposite corner, across
    /// @param y2 the opposite corner, down
    /// @param color its colour
    virtual void box(float x1, float y1, float x2, float y2, qint32 color) = 0;
    /// Draws a full circle outline.
    /// @param x the centre, across
    /// @param y the centre, down
    /// @param radius the radius
    /// @param color its colour
    virtual void circle(float x, float y, float radius, qint32 color) = 0;
};

/// A surface that prints text at a current position, in its own scale units, for
/// workOut::printShadow. The position is the top-left corner of the printed text; after a
/// print it moves to the start of the next line.
class KELVARIN_EXPORT TextSurface {
  public:
    virtual ~TextSurface() = default;

    /// Sets whether text is printed bold.
    /// @param bold true for bold
    virtual void setFontBold(bool bold) = 0;
    /// Sets the colour text is printed in.
    /// @param color the colour, 0x00BBGGRR
    virtual void setForeColor(qint32 color) = 0;
    /// Sets the current position across.
    /// @param x the position
    virtual void setCurrentX(float x) = 0;
    /// Sets the current position down.
    /// @param y the position
    virtual void setCurrentY(float y) = 0;
    /// Prints a text at the current position.
    /// @param text the text
    virtual void print(const QString& text) = 0;
};

/// An object with a place, in twips. A control's left and top are measured from its form's
/// client area; a form's are its frame's position on the screen.
class KELVARIN_EXPORT PlacedObject {
  public:
    virtual ~PlacedObject() = default;
    /// @return its left edge
    virtual double left() const = 0;
    /// @return its top edge
    virtual double top() const = 0;
    /// @return its width
    virtual double width() const = 0;
    /// @return its height
    virtual double height() const = 0;
};

/// A form: a placed object whose client area begins some twips inside its frame's outer
/// corner (the frame's border, and the title bar above). An object that is not a form fails
/// these.
class KELVARIN_EXPORT FormObject : public PlacedObject {
  public:
    /// @return how far the client area begins right of the frame's left edge
    virtual double clientLeft() const = 0;
    /// @return how far the client area begins below the frame's top edge
    virtual double clientTop() const = 0;
};

/// A text box: its text, and the selection as a start (0-based, in characters) and a length.
class KELVARIN_EXPORT TextBox {
  public:
    virtual ~TextBox() = default;
    /// @return the text
    virtual QString text() const = 0;
    /// Replaces the text, leaving no selection.
    /// @param text the text
    virtual void setText(const QString& text) = 0;
    /// @return where the selection (or the caret) begins
    virtual qint32 selStart() const = 0;
    /// Moves the caret, leaving no selection.
    /// @param start the position
    virtual void setSelStart(qint32 start) = 0;
    /// @return the selection's length
    virtual qint32 selLength() const = 0;
    /// Selects the characters from the caret on.
    /// @param length how many
    virtual void setSelLength(qint32 length) = 0;
};

}  // namespace kelvarin
