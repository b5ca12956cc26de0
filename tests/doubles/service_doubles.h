// SPDX-License-Identifier: MIT
#pragma once

// Test doubles for the services: message boxes and dialogs answered from a script, a random
// generator with a fixed sequence, a fixed clock, a pointer held still, folders, drives and
// windows chosen by the test, a held clipboard, a recorded browser and a recorded program end;
// and QuietServices, the one place a test takes a whole set of them from.

#include <QHash>
#include <QList>
#include <QUrl>

#include "services/services.h"

namespace kelvarin::testing {

using platform::MessageBoxes;

struct ShownMessage {
    QString prompt;
    MessageBoxes::Buttons buttons;
    MessageBoxes::Icon icon;
    QString title;
    MessageBoxes::Text text;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    QList<ShownMessage> shown;
    QList<Answer> answers;  // taken in order; Yes/No boxes without a scripted answer get No,
                            // Yes/No/Cancel ones Cancel

    Answer show(QObject*, const QString& prompt, Buttons buttons, Icon icon, const QString& title,
                Text text) override {
        shown << ShownMessage{prompt, buttons, icon, title, text};
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.isEmpty()) return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
        return answers.takeFirst();
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

class FixedClock : public platform::Clock {
  public:
    QDateTime moment{QDate(2026, 12, 7), QTime(10, 0)};
    QDateTime now() const override { return moment; }
};

// A clipboard that another program holds: nothing set on it arrives.
class HeldClipboard : public platform::Clipboard {
  public:
    void clear() override {}
    void setText(const QString&) override {}
    QString text() const override { return QStringLiteral("held by another program"); }
};

// A pointer held still at a chosen pixel of a screen of chosen density.
class FixedPointer : public platform::Pointer {
  public:
    QPoint at;
    double twipsX = 15.0, twipsY = 15.0;
    QPoint position() const override { return at; }
    double twipsPerPixelX() const override { return twipsX; }
    double twipsPerPixelY() const override { return twipsY; }
};

// Drives chosen by the test: letter, mount point, kind and serial number.
class FixedDrives : public platform::DriveTable {
  public:
    QList<platform::Drive> table;
    QHash<QChar, qint32> serials;
    void add(QChar letter, const QString& mountPoint, qint32 kind, qint32 serial = 0) {
        platform::Drive d;
        d.letter = letter;
        d.mountPoint = mountPoint;
        d.kind = kind;
        table << d;
        serials.insert(letter, serial);
    }
    QList<platform::Drive> drives() const override { return table; }
    qint32 serialNumber(const platform::Drive& d) const override { return serials.value(d.letter); }
};

// Top-level windows chosen by the test; closing one is recorded.
class FixedWindows : public platform::WindowList {
  public:
    QList<platform::TopWindow> list;
    QList<qint32> closed;
    QList<platform::TopWindow> windows() const override { return list; }
    bool close(qint32 handle) override {
        closed << handle;
        return true;
    }
};

// Dialogs answered from a script: the folder chosen, whether to replace, and when to cancel.
class ScriptedDialogs : public platform::Dialogs {
  public:
    QString folder;  // "" cancels
    bool replace = false;
    qint64 cancelAfter = -1;  // cancel once this many bytes are copied
    QList<qint32> owners;
    QStringList asked, failed;
    qint64 total = -1, lastProgress = 0;
    bool finished = false;

    QString chooseFolder(qint32 owner, const QString&) override {
        owners << owner;
        return folder;
    }
    bool confirmReplace(const QString& target, const QString&) override {
        asked << target;
        return replace;
    }
    void copyStarted(qint64 totalBytes, int) override { total = totalBytes; }
    bool copyProgress(qint64 bytes, const QString&) override {
        lastProgress = bytes;
        return cancelAfter < 0 || bytes < cancelAfter;
    }
    void copyFailed(const QString& file, const QString&) override { failed << file; }
    void copyFinished() override { finished = true; }
};

// The user's folders as the test chooses them.
class FixedFolders : public platform::UserFolders {
  public:
    QString state, data, desktopFolder;
    QString stateHome() const override { return state; }
    QString dataHome() const override { return data; }
    QString desktop() const override { return desktopFolder; }
};

class RecordedBrowser : public platform::UrlOpener {
  public:
    QList<QUrl> opened;
    void open(const QUrl& url) override { opened << url; }
};

class RecordedProgramEnd : public platform::ProgramControl {
  public:
    int ended = 0;
    void end() override { ++ended; }
};

// Preferences kept in memory; a problem may be set as a store that could not be read gives it.
class MemoryPreferences : public platform::Preferences {
  public:
    QHash<QString, QVariant> values;
    QString readProblem;
    QVariant value(const QString& key) const override { return values.value(key); }
    void setValue(const QString& key, const QVariant& value) override { values.insert(key, value); }
    QString problem() const override { return readProblem; }
};

// A clipboard that keeps what is set on it, as the desktop's would.
class MemoryClipboard : public platform::Clipboard {
  public:
    QString held;
    int cleared = 0;
    void clear() override {
        held.clear();
        ++cleared;
    }
    void setText(const QString& text) override { held = text; }
    QString text() const override { return held; }
};

// A whole set of quiet services: nothing reaches the machine, the display or the user. Message
// boxes answer No, the random sequence and the clock are fixed, the pointer sits at the origin,
// there are no drives, windows or folders until a test adds them, the clipboard keeps what it
// is given, and the dialogs cancel. Tests change the members they need before taking services().
struct QuietServices {
    QuietServices() = default;
    QuietServices(const QuietServices&) = delete;
    QuietServices& operator=(const QuietServices&) = delete;

    ScriptedMessageBoxes boxes;
    SequenceRandom random;
    FixedClock clock;
    MemoryClipboard memoryClipboard;
    platform::Clipboard* clipboard = &memoryClipboard;  // the one handed out
    RecordedBrowser browser;
    RecordedProgramEnd program;
    FixedPointer pointer;
    FixedFolders folders;
    FixedDrives drives;
    FixedWindows windows;
    ScriptedDialogs dialogs;
    MemoryPreferences preferences;

    // Every service above; a registry is the one a test hands in (none by default).
    platform::Services services(platform::RegistryStore* registry = nullptr) {
        platform::Services s;
        s.random = &random;
        s.clock = &clock;
        s.messageBoxes = &boxes;
        s.clipboard = clipboard;
        s.urlOpener = &browser;
        s.program = &program;
        s.pointer = &pointer;
        s.folders = &folders;
        s.registry = registry;
        s.drives = &drives;
        s.windows = &windows;
        s.dialogs = &dialogs;
        s.preferences = &preferences;
        return s;
    }
};

}  // namespace kelvarin::testing
