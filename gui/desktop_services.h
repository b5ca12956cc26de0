// SPDX-License-Identifier: MIT
#pragma once

// The desktop's services for the running program: Qt message boxes, the desktop clipboard, the
// desktop's URL handler, the application's event loop, the pointer and the shell's dialogs.

#include "services/services.h"

namespace kelvarin::gui {

// Message boxes shown with QMessageBox, modal to the owner window, with the buttons the
// platform shows under a Chinese system: "是(Y)", "否(N)" and "确定", pressed with Y, N and
// Enter. A table is shown in a fixed-width font, its lines unbroken.
class DesktopMessageBoxes final : public platform::MessageBoxes {
  public:
    Answer show(QObject* owner, const QString& prompt, Buttons buttons, Icon icon,
                const QString& title, Text text) override;
};

// The desktop's clipboard.
class DesktopClipboard final : public platform::Clipboard {
  public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};

// Web pages open in the desktop's browser. Where no browser opens the page, a box shows its
// address, selectable, so that it can be copied (not modal: the window it came from goes on).
class DesktopUrlOpener final : public platform::UrlOpener {
  public:
    void open(const QUrl& url) override;
};

// The box that shows an address no browser opened; its name is "unopenedAddress".
void showUnopenedAddress(const QUrl& url);

// Ending the program ends the application's event loop.
class ApplicationControl final : public platform::ProgramControl {
  public:
    void end() override;
};

}  // namespace kelvarin::gui
