// SPDX-License-Identifier: MIT
#pragma once

// A drawn digit of 7 segments and dp (or of 14 or 16 and dp): its lit segments in red, the dark
// ones faint, optionally each segment labelled with its name, a caption below (the character it
// shows), or crossed out (a character no digit can show). Drawn with paths, so it is as sharp at
// any pixel ratio. An editable digit lights or darkens a segment that is clicked.

#include <QWidget>

#include "segment_codes/display.h"

namespace kelvarin {

class DigitView : public QWidget {
    Q_OBJECT
  public:
    explicit DigitView(QWidget* parent = nullptr);

    codes::DisplayKind kind() const { return m_kind; }
    void setKind(codes::DisplayKind kind);
    // Bit s: segment s lit, in the kind's order.
    quint32 pattern() const { return m_pattern; }
    void setPattern(quint32 pattern);
    // A click on a segment says which (segmentClicked); the pattern is the owner's to change.
    void setEditable(bool editable);
    // The segment at a point of the widget, or -1.
    int segmentAt(QPointF point) const;
    // The centre of segment s in the widget, for a click on it.
    QPointF segmentCentre(int segment) const;
    // Segment names a to g and dp beside the segments.
    void setLabelled(bool labelled);
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    // An empty digit with a cross over it.
    void setCrossed(bool crossed);
    bool crossed() const { return m_crossed; }

    QSize sizeHint() const override;

  signals:
    void segmentClicked(int segment);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTransform design() const;  // from the 60 x 100 design to the widget

    codes::DisplayKind m_kind = codes::DisplayKind::Seven;
    quint32 m_pattern = 0;
    bool m_editable = false;
    bool m_labelled = false;
    bool m_crossed = false;
    QString m_caption;
};

}  // namespace kelvarin
