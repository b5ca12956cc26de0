// SPDX-License-Identifier: MIT
#pragma once

// What the windows ask of the desktop beyond their own controls: message boxes, the clipboard,
// opening a web page, and ending the program. The Qt implementations live in platform/gui.

#include <QString>
#include <QUrl>

class QObject;

namespace kelvarin::platform {

class MessageBoxes {
  public:
    enum class Icon { Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    // A prompt of running text, or one that holds a table whose columns must line up.
    enum class Text { Prose, Table };

    virtual ~MessageBoxes() = default;
    // Shows a modal message box over owner (a window, or nothing) and returns the button pressed.
    virtual Answer show(QObject* owner, const QString& prompt, Buttons buttons, Icon icon,
                        const QString& title, Text text) = 0;
};

// The clipboard, plain text: clear, set, and read back what it holds now.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// Opens a web page in the user's browser; what it reports is not shown to the user.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

// Ends the program: its event loop returns and the program exits.
class ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    virtual void end() = 0;
};

}  // namespace kelvarin::platform
