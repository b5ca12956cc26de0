// SPDX-License-Identifier: MIT
#pragma once

// A multi-line text box whose text is read and written with CR LF line ends.

#include <QPlainTextEdit>

namespace kelvarin::gui {

// A multi-line text box whose text is read and written with CR LF line ends, whatever the
// widget stores internally. Tab and Shift+Tab move the focus on, as in every other control;
// Ctrl+Tab types a tab character.
class CrLfTextBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit CrLfTextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // The same for a box that is not on show: the document takes the text, and no line of it is
    // laid out for the caret until the box is shown (which lays out the lines it shows).
    void setStoredText(const QString& text);
    // Appends at the end of the text without moving the user's view.
    void appendText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelvarin::gui
