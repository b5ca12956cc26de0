// SPDX-License-Identifier: MIT
#pragma once

// The wiring and output window "接线与输出": for each port bit the segment it drives (eight
// choices kept distinct, presets for the standard and the reversed order) beside a drawn digit
// with its segments named; the polarity, format, array name, entries a line and letter case; and
// a live preview of the current code and of a table's first line. The main window takes the
// choice when the window is closed with OK.

#include <QDialog>

#include <array>

#include "segment_window/board.h"
#include "services/preferences.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kelvarin {

class DigitView;

class WiringWindow : public QDialog {
    Q_OBJECT
  public:
    // The window for the board as set (its kind of digit: 8, 15 or 17 bits), the polarity and
    // the segments now lit.
    WiringWindow(const BoardSettings& board, codes::Polarity polarity, quint32 pattern,
                 platform::Preferences* preferences, QWidget* owner);

    BoardSettings board() const;
    codes::Polarity polarity() const;
    // Whether the array name is one the format can take (OK is only offered then).
    bool nameValid() const;
    // The port the segments hang on (0 to 3), as the bits' labels name it; kept in the
    // preferences.
    int port() const;
    // What a format is, in the window's language.
    static QString formatDescription(const codes::FormatDescription& format);
    // The key under which the port is kept.
    static QString portKey() { return QStringLiteral("board/port"); }

    // Bit k drives segment s; the bit that drove s drives k's former segment.
    void setSegmentOfBit(int bit, int segment);
    void setWiring(const codes::Wiring& wiring);

  private:
    void refresh();
    void refreshLabels();
    void choosePreset(int index);

    static constexpr int kMostBits = 17;
    codes::DisplayKind m_kind;
    int m_count;  // the kind's bits
    quint32 m_pattern;
    std::array<int, kMostBits> m_segmentOfBit{};
    bool m_setting = false;
    DigitView* m_digit = nullptr;
    std::array<QComboBox*, kMostBits> m_bits{};
    std::array<QLabel*, kMostBits> m_bitLabels{};
    QComboBox* m_preset = nullptr;
    QComboBox* m_port = nullptr;
    platform::Preferences* m_preferences = nullptr;
    QRadioButton* m_cathode = nullptr;
    QRadioButton* m_anode = nullptr;
    QComboBox* m_format = nullptr;
    QLabel* m_formatAbout = nullptr;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_perLine = nullptr;
    QCheckBox* m_upper = nullptr;
    QLabel* m_code = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvarin
