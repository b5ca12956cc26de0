// SPDX-License-Identifier: MIT
#pragma once

// A project: one commented TOML file (read with toml++) that holds a display's kind, wiring and
// polarity, the output format and its options, and named tables, from which `kelvarin build`
// writes one header or assembler file. For example:
//
//   schema = 1                  # the project format's version
//   name = "clock"              # named, with version, in the file built
//   version = "1.2"
//
//   [display]
//   kind = 7                    # 7, 14 or 16 segments
//   wiring = "max7219"          # a preset, or the segments from bit 0 up: "a,b,c,d,e,f,g,dp"
//   polarity = "cathode"        # or "anode"; by default the preset's, else cathode
//
//   [output]
//   format = "sdcc"             # classic, c51, sdcc, c, arduino, sdas, a51 or hex
//   upper = false               # upper-case hexadecimal digits
//   comments = true             # each entry's character or index in a comment
//   per_line = 8                # entries a row
//   crlf = false                # CR LF line ends
//
//   [[table]]                   # a text's codes
//   name = "digits"
//   text = "0123456789"
//
//   [[table]]                   # the kind's standard table
//   name = "font"
//   standard = true
//
//   [[table]]                   # entries one by one: a character, or segments drawn by hand
//   name = "icons"
//   entries = [ { name = "degree", char = "°" }, { name = "top", segments = "a b f g" } ]
//
//   [[animation]]               # frames of a multi-digit display (frames.h)
//   name = "hello"
//   digits = 4
//   texts = ["HELLO"]           # a frame a text, or with scroll = true one text scrolled
//   scroll = true
//   delay = 250                 # milliseconds, or delays = [100, 200, ...] one a frame
//
//   [[animation]]               # frames drawn by hand: each digit's segments, frame by frame
//   name = "spin"
//   digits = 2
//   segments = [["a", ""], ["", "a"]]
//   delays = [100, 100]
//   labels = ["left", "right"]  # what each frame shows, for its comment (may be left out)
//
//   [window]                    # the main window's declaration in progress, as it shows it
//   array = "seg_cc"            # its array's name (empty: the window's own by polarity)
//   declaration = "..."         # the declaration's text
//   count = 12                  # the codes in it
//   animation = "hello"         # the animation its frames window edits
//
// Every key is checked: an unknown key, a value of the wrong type or out of range, a newer
// schema, is an error naming the file, the line and the key.

#include <QList>
#include <QString>

#include <optional>

#include "segment_codes/formats.h"
#include "segment_codes/frames.h"
#include "segment_codes/segments.h"

namespace kelvarin::codes {

inline constexpr int kProjectSchema = 1;

// The main window's part of a project: its declaration in progress. A build does not write it.
struct ProjectWindow {
    QString array;
    QString declaration;
    int count = 0;
    QString animation;  // the animation of the frames window, or empty

    bool operator==(const ProjectWindow&) const = default;
};

struct Project {
    QString file;  // the file's name as given, for messages and the line the build writes
    QString name;
    QString version;
    DisplayKind kind = DisplayKind::Seven;
    Wiring wiring;
    QString wiringText;  // as the project writes it (a preset's name or a list)
    Polarity polarity = Polarity::CommonCathode;
    int presetDigits = 0;  // the preset's digits, for which its layout holds
    DigitLayout layout;    // the preset's digit positions and colon
    Output output;
    // Each table with its array's name, worked out when the project is read.
    QList<Table> tables;
    QStringList tableNames;
    // Each animation's frames, with its name.
    QList<QList<Frame>> animations;
    QStringList animationNames;
    std::optional<ProjectWindow> window;
};

// What the main window writes into a project: the display, the output options it sets, and its
// declaration.
struct ProjectDraft {
    DisplayKind kind = DisplayKind::Seven;
    Wiring wiring;
    Polarity polarity = Polarity::CommonCathode;
    const FormatDescription* format = &defaultFormat();
    int perLine = 0;  // 0: the format's own (the key left out)
    bool upper = false;
    bool crlf = false;  // the built file's line ends: CR LF, as the window's declaration has
    ProjectWindow window;
    // The frames window's animation (named window.animation): written as drawn frames, in place
    // of the animation of that name; none, and the animation the project's window named before
    // goes.
    QList<DrawnFrame> frames;

    bool operator==(const ProjectDraft&) const = default;
};

// The project text with the draft written into original (a project's text, or empty for a new
// project): [display] kind, wiring and polarity, [output] format, upper, per_line and crlf, and
// [window] set from the draft; every other key, table and animation kept as it was (the text
// is written anew, so comments are not kept). A wiring the original names by a preset stays
// named so while the preset still gives it. Nothing, with an error as readProject gives it, when
// original is not a project that reads.
std::optional<QString> writeProject(const ProjectDraft& draft, const QString& original,
                                    const QString& file, QString* error);

// The project of a TOML text, or nothing with an error ("clock.toml:7: [display] kind: 15 is
// no display kind (7, 14 or 16)").
std::optional<Project> readProject(const QString& text, const QString& file, QString* error);

// The file a build writes: a line naming the project, its version and the program's, then
// every table in the project's format, then every animation (a format's prologue once, a closing
// that ends the file only after the last). The same project gives the same bytes.
QString buildProject(const Project& project, const QString& programVersion);

}  // namespace kelvarin::codes
