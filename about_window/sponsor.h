#pragma once

// sponsor: the about window. It shows the program's name, version, a thank-you line and the
// author over a gradient background, opens the sponsorship page and goes back to the main window.

#include <QDialog>

#include "segment_window/backing_canvas.h"
#include "segment_window/controls.h"
#include "segment_window/window_services.h"

class QPushButton;

namespace kelvarin {

class sponsor : public QDialog {
    Q_OBJECT
  public:
    explicit sponsor(WindowServices services, QWidget* owner = nullptr);

    // Design size of the client area: 6375 x 3150 twips.
    static constexpr int kDesignWidth = 425;
    static constexpr int kDesignHeight = 210;

    BackingCanvas& canvas() { return m_canvas; }

    void Form_Resize();
    void Form_KeyPress(qint16 KeyAscii);
    void Command1_Click();
    void Command8_Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load();

    WindowServices m_services;
    BackingCanvas m_canvas;
    PictureBox* Picture1 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace kelvarin
