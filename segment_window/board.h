// SPDX-License-Identifier: MIT
#pragma once

// The board on the bench, as the main window writes for it: how its port bits are wired to the
// segments, and the format, array name, entries a line and letter case of what it writes. The
// defaults (the standard wiring, the classic format) are the window's own behaviour; they are
// kept between runs in the preferences.

#include <QDate>
#include <QString>
#include <QStringList>

#include "segment_codes/declaration.h"
#include "segment_codes/formats.h"
#include "segment_codes/segments.h"
#include "services/preferences.h"

namespace kelvarin {

struct BoardSettings {
    codes::Wiring wiring;
    const codes::FormatDescription* format = &codes::defaultFormat();
    QString name;     // the array's name; empty: seg_cc or seg_ca by polarity
    int perLine = 0;  // entries a line; 0: ten for collected codes, the tables' own groups
    bool upper = false;

    bool isDefault() const;
    bool operator==(const BoardSettings& other) const;

    // The settings kept in the preferences. A value that is missing takes its default; one that
    // cannot be used (a store that cannot be read, a bad wiring, an unknown format, a bad name
    // or number) takes it too, with a warning that says what was wrong.
    static BoardSettings load(const platform::Preferences* preferences, QStringList& warnings);
    void save(platform::Preferences* preferences) const;

    // How the window's declaration grows for the board, in the polarity.
    codes::Declaration declaration(codes::Polarity polarity) const;
    // A standard table in the format, CR LF line ends.
    QString standardTable(codes::Polarity polarity) const;
    // The output options of the format for a table.
    codes::Output output() const;
    // "接线 e,dp,c,d,g,f,a,b  格式 sdcc" for a caption.
    QString summary() const;
};

}  // namespace kelvarin
