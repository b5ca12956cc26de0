// SPDX-License-Identifier: MIT
#pragma once

// The frames window: a multi-digit display of the board's kind, its digits clicked or typed
// into, a list of frames (added, duplicated, deleted, moved, each with its delay), a text
// scrolled into frames, the frames played at their delays, and their table in the board's
// format, copied, taken into the main window's project, or shown by a scan program generated
// for the board's pins.

#include <QDialog>

#include "segment_codes/frames.h"
#include "segment_window/board.h"
#include "services/desktop.h"
#include "services/preferences.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace kelvarin {

class DigitView;

class FramesWindow : public QDialog {
    Q_OBJECT
  public:
    // The board's frames as the main window keeps them (none: one blank frame of four digits).
    FramesWindow(BoardSettings board, codes::Polarity polarity, QList<codes::DrawnFrame> frames,
                 const QString& name, platform::Preferences* preferences,
                 platform::Clipboard* clipboard, QWidget* owner);

    QList<codes::DrawnFrame> frames() const { return m_frames; }
    QString name() const;
    int current() const { return m_current; }
    QList<DigitView*> digitViews() const { return m_views; }
    // The frames' table in the board's format (empty when it cannot be made), and why not.
    QString table() const { return m_table; }
    QString problem() const;
    bool playing() const;

    // What the window's controls do, for the keyboard and for tests.
    void setDigits(int digits);
    void selectFrame(int index);
    void addFrame();
    void duplicateFrame();
    void deleteFrame();
    void moveFrame(int by);
    void setDelayText(const QString& text);
    void setFrameText(const QString& text);
    void scrollText(const QString& text);
    void toggleSegment(int digit, int segment);
    void play(bool on);
    void openDriver();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showProblem(const QString& problem);
    void refresh();
    void refreshList();
    void showFrame();
    void stepPlayback();
    QLineEdit* addLine(const QString& name, const QString& label, QGridLayout* grid, int row,
                       int column = 0);

    BoardSettings m_board;
    codes::Polarity m_polarity;
    platform::Preferences* m_preferences;
    platform::Clipboard* m_clipboard;
    QList<codes::DrawnFrame> m_frames;
    int m_current = 0;
    QString m_table;
    bool m_updating = false;

    QSpinBox* m_digitCount = nullptr;
    QLineEdit* m_name = nullptr;
    QHBoxLayout* m_row = nullptr;
    QList<DigitView*> m_views;
    QLineEdit* m_text = nullptr;
    QLineEdit* m_delay = nullptr;
    QLineEdit* m_scroll = nullptr;
    QLabel* m_problem = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_play = nullptr;
    QTimer* m_timer = nullptr;
    QPlainTextEdit* m_output = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_driver = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvarin
