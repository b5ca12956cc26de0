// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// What a program's windows ask of the desktop beyond their own controls: message boxes, the
/// clipboard, opening a web page, and ending the program. (The library itself uses none of
/// them; they travel in platform::Services with the others.)

#include <QString>
#include <QUrl>

#include "kelvarin_export.h"

class QObject;

namespace kelvarin::platform {

/// Modal message boxes.
class KELVARIN_EXPORT MessageBoxes {
  public:
    /// The icon beside the prompt.
    enum class Icon { Information, Warning };
    /// The buttons offered.
    enum class Buttons { Ok, YesNo, YesNoCancel };
    /// The button pressed (Cancel also when a Yes/No/Cancel box is closed without one).
    enum class Answer { Ok, Yes, No, Cancel };
    /// A prompt of running text, or one that holds a table whose columns must line up.
    enum class Text { Prose, Table };

    virtual ~MessageBoxes() = default;
    /// Shows a modal message box and waits for the user.
    /// @param owner the window it belongs to, or nullptr
    /// @param prompt the message
    /// @param buttons the buttons offered
    /// @param icon the icon
    /// @param title the box's title
    /// @param text how the prompt is laid out
    /// @return the button pressed
    virtual Answer show(QObject* owner, const QString& prompt, Buttons buttons, Icon icon,
                        const QString& title, Text text) = 0;
};

/// The clipboard, plain text.
class KELVARIN_EXPORT Clipboard {
  public:
    virtual ~Clipboard() = default;
    /// Empties the clipboard.
    virtual void clear() = 0;
    /// Puts a text on the clipboard.
    /// @param text the text
    virtual void setText(const QString& text) = 0;
    /// The text the clipboard holds now.
    /// @return the text; empty when it holds none
    virtual QString text() const = 0;
};

/// Opens web pages.
class KELVARIN_EXPORT UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    /// Opens a web page in the user's browser; what the browser reports is not shown.
    /// @param url the page
    virtual void open(const QUrl& url) = 0;
};

/// The program's end.
class KELVARIN_EXPORT ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    /// Ends the program: its event loop returns and the program exits.
    virtual void end() = 0;
};

}  // namespace kelvarin::platform
