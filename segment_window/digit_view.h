// SPDX-License-Identifier: MIT
#pragma once

// A drawn 8-segment digit: its lit segments in red, the dark ones faint, optionally each segment
// labelled with its name, a caption below (the character it shows), or crossed out (a character
// no digit can show). Drawn with paths, so it is as sharp at any pixel ratio.

#include <QWidget>

namespace kelvarin {

class DigitView : public QWidget {
    Q_OBJECT
  public:
    explicit DigitView(QWidget* parent = nullptr);

    quint8 pattern() const { return m_pattern; }
    void setPattern(quint8 pattern);
    // Segment names a to g and dp beside the segments.
    void setLabelled(bool labelled);
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    // An empty digit with a cross over it.
    void setCrossed(bool crossed);
    bool crossed() const { return m_crossed; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    quint8 m_pattern = 0;
    bool m_labelled = false;
    bool m_crossed = false;
    QString m_caption;
};

}  // namespace kelvarin
