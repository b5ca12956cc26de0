// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "segment_codes/frames.h"
#include "segment_window/board.h"
#include "services/desktop.h"
#include "services/preferences.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvarin {

// The scan program for the board's pins: the target, the segment and select pins, their
// polarity, the clock and the refresh; the program or what is wrong, copied or saved.
class DriverWindow : public QDialog {
    Q_OBJECT
  public:
    DriverWindow(BoardSettings board, codes::Polarity polarity, QList<codes::Frame> frames,
                 QString shows, platform::Preferences* preferences, platform::Clipboard* clipboard,
                 QWidget* owner);

    QString program() const { return m_program; }
    QString problem() const;
    void setPins(const QString& segments, const QString& selects);
    void setTarget(const QString& target);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void refresh();
    QString said(const QString& why) const;

    BoardSettings m_board;
    codes::Polarity m_polarity;
    QList<codes::Frame> m_frames;
    QString m_shows;
    platform::Clipboard* m_clipboard;
    QString m_program;
    QComboBox* m_target = nullptr;
    QLineEdit* m_segments = nullptr;
    QLineEdit* m_selects = nullptr;
    QCheckBox* m_activeLow = nullptr;
    QLineEdit* m_clock = nullptr;
    QLineEdit* m_refresh = nullptr;
    QLabel* m_problem = nullptr;
    QPlainTextEdit* m_output = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace kelvarin
