// SPDX-License-Identifier: MIT
#pragma once

// The backing canvas: a drawing and text surface over a backing image. What is drawn on a
// window's background or a picture box lands in the image, and the widget's paint event shows
// the image, so drawings survive being covered and uncovered.

#include <QColor>
#include <QImage>

#include <memory>
#include <optional>

#include "gui/twips.h"
#include "raster/line_raster.h"
#include "workout/surfaces.h"

class QPainter;
class QWidget;

namespace kelvarin::gui {

class BackingCanvas final : public DrawSurface, public TextSurface {
  public:
    explicit BackingCanvas(QWidget& owner);

    // Resizes the image to the owner's current size: drawn content stays at the top-left
    // corner, new area gets the background colour. Drawing does this too, so that a widget
    // drawn on before it is first shown keeps what was drawn.
    void followOwnerSize();
    // Fills the whole image with the background colour (the clear-drawing operation).
    void clear();
    void setBackground(const QColor& colour);
    QColor background() const { return m_background; }

    // The image with every figure drawn so far, in device pixels (its device pixel ratio set).
    const QImage& image() const;
    void paintOnto(QPainter& painter);

    qint16 scaleMode() const { return m_scaleMode; }
    // Converts from the current scale unit to pixels.
    double toPixelsX(double units) const;
    double toPixelsY(double units) const;
    double fromPixelsX(double pixels) const;
    double fromPixelsY(double pixels) const;

    // DrawSurface
    void setScaleMode(qint16 mode) override;
    float scaleWidth() const override;
    float scaleHeight() const override;
    void line(float x1, float y1, float x2, float y2, qint32 color) override;
    void box(float x1, float y1, float x2, float y2, qint32 color) override;
    void circle(float x, float y, float radius, qint32 color) override;

    // TextSurface: printed with the owner's font, transparently over what is there.
    void setFontBold(bool bold) override;
    void setForeColor(qint32 color) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void print(const QString& text) override;
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }
    bool fontBold() const { return m_fontBold; }
    qint32 foreColor() const { return m_foreColor; }

  private:
    void resizeTo(int logicalWidth, int logicalHeight, qreal ratio);
    // followOwnerSize when the owner's size changed: cheap enough for every figure.
    void followOwnerWidthAndHeight();
    // The image is being painted on: the owner must show it again.
    void touched();
    void plotLine(double x1, double y1, double x2, double y2, quint32 pixel);
    // Paints the queued lines into the image.
    void flushLines() const;

    QWidget& m_owner;
    // The image's pixels, in memory of their own (see resizeTo).
    struct FreePixels {
        void operator()(quint32* p) const;
    };
    std::unique_ptr<quint32[], FreePixels> m_pixels;
    mutable QImage m_image;
    // Lines drawn but not yet painted into the image.
    mutable raster::LineQueue m_lines;
    QColor m_background;
    qint16 m_scaleMode;
    qreal m_ratio = 1.0;     // device pixels per logical pixel
    int m_logicalWidth = 0;  // the image's size in logical pixels
    int m_logicalHeight = 0;
    bool m_updatePending = false;
    bool m_fontBold = false;
    qint32 m_foreColor = 0;
    float m_currentX = 0.0f;
    float m_currentY = 0.0f;
    // The last text printed since the image was cleared: copies of it that follow in its
    // colour are a halo (see print).
    struct Printed {
        QString text;
        qint32 colour = 0;
        bool bold = false;
        QPointF at;  // its baseline's start, in logical pixels
        bool spread = false;
    };
    std::optional<Printed> m_lastPrint;
};

// 0x00BBGGRR to a Qt colour.
QColor colourFromRgb(qint32 rgb);

}  // namespace kelvarin::gui
