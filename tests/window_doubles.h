#pragma once

// Test doubles for the windows' services: message boxes answered from a script, a random
// generator with a fixed sequence, a fixed date and a recorded program end.

#include <QList>

#include "segment_window/window_services.h"

namespace kelvarin::testing {

struct ShownMessage {
    QString prompt;
    MessageBoxes::Buttons buttons;
    MessageBoxes::Icon icon;
    QString title;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    QList<ShownMessage> shown;
    QList<Answer> answers;  // taken in order; Yes/No boxes without a scripted answer get No

    Answer show(QWidget*, const QString& prompt, Buttons buttons, Icon icon,
                const QString& title) override {
        shown << ShownMessage{prompt, buttons, icon, title};
        if (buttons == Buttons::Ok) return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
};

class SequenceRandom : public platform::RandomGenerator {
  public:
    QList<float> values{0.5f};
    qsizetype position = 0;
    int seeded = 0;

    float next() override { return values[position++ % values.size()]; }
    void seedFromClock() override { ++seeded; }
};

// A clipboard that another program holds: nothing set on it arrives.
class HeldClipboard : public ClipboardAccess {
  public:
    void clear() override {}
    void setText(const QString&) override {}
    QString text() const override { return QStringLiteral("held by another program"); }
};

struct Harness {
    ScriptedMessageBoxes boxes;
    DesktopClipboard desktopClipboard;
    ClipboardAccess* clipboard = &desktopClipboard;
    SequenceRandom random;
    QDate date{2026, 12, 7};
    int ended = 0;

    WindowServices services() {
        WindowServices s;
        s.messageBoxes = &boxes;
        s.clipboard = clipboard;
        s.random = &random;
        s.today = [this] { return date; };
        s.endProgram = [this] { ++ended; };
        return s;
    }
};

}  // namespace kelvarin::testing
