// SPDX-License-Identifier: MIT
#pragma once

// The import window: a C or assembler text pasted or opened, its tables found and each drawn
// digit by digit, and the wiring and polarity worked out from what a table shows, with how sure
// that is, taken into the board.

#include <QDialog>

#include "segment_codes/infer.h"
#include "segment_codes/table_reader.h"
#include "segment_window/board.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace kelvarin {

class DigitView;

class ImportWindow : public QDialog {
    Q_OBJECT
  public:
    ImportWindow(BoardSettings board, codes::Polarity polarity, platform::Preferences* preferences,
                 QWidget* owner);

    // The text read; the tables found in it (none where it holds none).
    void setText(const QString& text);
    QString problem() const;
    QList<codes::FoundTable> tables() const { return m_tables; }
    void selectTable(int index);
    // What the table's entries show, from its first: "0123456789" unless said otherwise.
    void setShown(const QString& characters);
    // The wiring worked out, and whether taking it is offered.
    const codes::Inference& inference() const { return m_inference; }
    bool canTake() const;
    QString certainty() const;
    QList<DigitView*> digitViews() const { return m_views; }
    // The board with the wiring taken, and its polarity (once accepted).
    BoardSettings board() const;
    codes::Polarity polarity() const;

  private:
    void read();
    void infer();
    void draw();
    void chooseFile();

    BoardSettings m_board;
    codes::Polarity m_polarity;
    QList<codes::FoundTable> m_tables;
    int m_table = -1;
    codes::Inference m_inference;
    bool m_inferred = false;

    QPlainTextEdit* m_source = nullptr;
    QTimer* m_reading = nullptr;
    QComboBox* m_tableChoice = nullptr;
    QLineEdit* m_shown = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_certainty = nullptr;
    QHBoxLayout* m_row = nullptr;
    QList<DigitView*> m_views;
    QPushButton* m_take = nullptr;
};

}  // namespace kelvarin
