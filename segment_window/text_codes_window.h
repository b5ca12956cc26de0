// SPDX-License-Identifier: MIT
#pragma once

// The text-to-codes window "文字转段码": a text, drawn at once on a row of digits (each labelled
// with its character, the dp of a "." merged into the digit before it), and the whole table of
// its codes in the board's format, to copy or to add to the main window's declaration.
// Characters no digit can show are marked in the text and drawn as empty digits with a cross;
// the table is not offered while any is there.

#include <QDialog>

#include <functional>

#include "segment_window/board.h"
#include "services/desktop.h"
#include "services/preferences.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace kelvarin {

class DigitView;

class TextCodesWindow : public QDialog {
    Q_OBJECT
  public:
    // addCodes receives the codes to add to the declaration.
    TextCodesWindow(BoardSettings board, codes::Polarity polarity,
                    platform::Preferences* preferences, platform::Clipboard* clipboard,
                    std::function<void(const QList<codes::Code>&)> addCodes, QWidget* owner);

    // The key under which the text is kept between openings.
    static QString textKey() { return QStringLiteral("windows/text/text"); }
    void setText(const QString& text);
    // The table offered (empty while the text cannot be shown).
    QString table() const { return m_table; }
    QList<DigitView*> digits() const { return m_digits; }

  private:
    void refresh();

    BoardSettings m_board;
    codes::Polarity m_polarity;
    platform::Clipboard* m_clipboard;
    std::function<void(const QList<codes::Code>&)> m_addCodes;
    QString m_table;
    QList<codes::Code> m_codes;
    QList<DigitView*> m_digits;
    QLineEdit* m_text = nullptr;
    QLabel* m_problem = nullptr;
    QScrollArea* m_row = nullptr;
    QHBoxLayout* m_rowLayout = nullptr;
    QPlainTextEdit* m_output = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_add = nullptr;
};

}  // namespace kelvarin
