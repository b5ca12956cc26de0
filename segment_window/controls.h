#pragma once

// Small pieces the two windows share: control geometry in twips, the control typeface, picture
// boxes with a backing image, and a text box that holds its text with CR LF line ends.

#include <QPlainTextEdit>
#include <QPushButton>

#include <QRect>
#include <QWidget>
#include <functional>

#include "segment_window/backing_canvas.h"

namespace kelvarin {

// A rectangle given in twips, in pixels.
QRect twips(int left, int top, int width, int height);

// The controls' typeface at the given size, falling back to an installed CJK typeface.
QFont controlFont(double points);

class workOut;

// The shared utility object the main window created; using it before then is error 91.
workOut& sharedWorkOut();

// A push button of the windows: named, placed, in the controls' typeface.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);

// Lets a window see every key press before the control that has the focus: the window and all
// its controls report the character code of each key (27 for Esc) to the handler. Esc goes no
// further than the handler.
class KeyPreview : public QObject {
  public:
    KeyPreview(QWidget& window, std::function<void(qint16)> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(qint16)> m_handler;
};

// A picture box: it keeps what is drawn on it in a backing image, can be cleared to its
// background colour, and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    BackingCanvas& canvas() { return m_canvas; }
    // The clear-drawing operation: the whole box back to its background colour.
    void clearDrawing();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    BackingCanvas m_canvas;
    bool m_pressed = false;
};

// A multi-line text box whose text is read and written with CR LF line ends, whatever the
// widget stores internally.
class CrLfTextBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit CrLfTextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // Appends at the end of the text without moving the user's view.
    void appendText(const QString& text);
};

}  // namespace kelvarin
