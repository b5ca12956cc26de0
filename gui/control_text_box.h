// SPDX-License-Identifier: MIT
#pragma once

// The windows' text boxes as the library's TextBox: a single-line box, or a multi-line box whose
// text, selection start and length count its line ends as CR LF.

#include <QPointer>
#include <QWidget>

#include "workout/surfaces.h"

namespace kelvarin::gui {

// Over a QLineEdit or a CrLfTextBox. A control that is gone, or of another kind, fails every
// property (error 91 or 438); a negative start or length is error 380, a start past the end
// moves to the end.
class ControlTextBox final : public TextBox {
  public:
    explicit ControlTextBox(QWidget* control) : m_control(control) {}

    QString text() const override;
    void setText(const QString& text) override;
    qint32 selStart() const override;
    void setSelStart(qint32 start) override;
    qint32 selLength() const override;
    void setSelLength(qint32 length) override;

  private:
    QWidget& control() const;
    // The selection in the box's own positions, start <= end.
    void selection(qsizetype& start, qsizetype& end) const;
    void select(qsizetype anchor, qsizetype position);

    QPointer<QWidget> m_control;
};

}  // namespace kelvarin::gui
