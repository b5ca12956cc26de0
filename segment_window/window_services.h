#pragma once

// What the windows ask of the desktop beyond their own controls: message boxes, the random
// generator, today's date and ending the program. The program uses the real ones; tests hand in
// their own to answer message boxes, fix the random sequence and the date.

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

#include "platform/random_generator.h"

class QWidget;

namespace kelvarin {

class MessageBoxes {
  public:
    enum class Icon { Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget* parent, const QString& prompt, Buttons buttons, Icon icon,
                        const QString& title) = 0;
};

// Message boxes shown with QMessageBox.
class DesktopMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget* parent, const QString& prompt, Buttons buttons, Icon icon,
                const QString& title) override;
};

// The clipboard, plain text: clear, set, and read back what it holds now.
class ClipboardAccess {
  public:
    virtual ~ClipboardAccess() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// The desktop's clipboard.
class DesktopClipboard final : public ClipboardAccess {
  public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};

struct WindowServices {
    MessageBoxes* messageBoxes = nullptr;
    ClipboardAccess* clipboard = nullptr;
    platform::RandomGenerator* random = nullptr;
    std::function<QDate()> today;
    std::function<void()> endProgram;
    // Opens a web page in the user's browser; what it reports is not shown to the user.
    std::function<void(const QUrl&)> openUrl;
};

// The services of the running program: desktop message boxes and clipboard, the clock-seeded
// runtime generator, the local date, ending the application's event loop, and the desktop's URL
// handler.
WindowServices programServices();

}  // namespace kelvarin
