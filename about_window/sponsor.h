// SPDX-License-Identifier: MIT
#pragma once

// sponsor: the about window. It shows the program's name, version, a thank-you line and the
// author over a gradient background, opens the sponsorship page and goes back to the main window.

#include <QDialog>

#include "gui/picture_box.h"
#include "gui/window_background.h"
#include "services/services.h"

class QPushButton;

namespace kelvarin {

class sponsor : public QDialog {
    Q_OBJECT
  public:
    explicit sponsor(const platform::Services& services, QWidget* owner = nullptr);

    // Design size of the client area: 6375 x 3150 twips.
    static constexpr int kDesignWidth = 425;
    static constexpr int kDesignHeight = 210;

    gui::BackingCanvas& canvas() { return m_background->canvas(); }

    void Form_Resize();
    void Form_KeyPress(qint16 KeyAscii);
    void Command1_Click();
    void Command8_Click();

  private:
    void Form_Load();

    platform::Services m_services;
    gui::WindowBackground* m_background = nullptr;
    gui::PictureBox* Picture1 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace kelvarin
