// SPDX-License-Identifier: MIT
#pragma once

// The board on the bench, as the main window writes for it: how its port bits are wired to the
// segments, and the format, array name, entries a line and letter case of what it writes. The
// defaults (the standard wiring, the classic format) are the window's own behaviour; they are
// kept between runs in the preferences.

#include <QDate>
#include <QString>
#include <QStringList>

#include "segment_codes/formats.h"
#include "segment_codes/segments.h"
#include "services/preferences.h"

namespace kelvarin {

struct BoardSettings {
    codes::Wiring wiring;
    codes::Format format = codes::Format::Classic;
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

    // What the window writes for a code: the array element Text1 shows ("0x3f," in the classic
    // format), and what the declaration collects (the element, a space after it for bare bytes).
    QString element(quint8 code) const;
    QString collected(quint8 code) const;
    // What starts a line of collected codes (".db " for sdas, "DB " for a51, else nothing).
    QString linePrefix() const;
    // The codes a line of the declaration holds.
    int codesPerLine() const { return perLine > 0 ? perLine : 10; }
    // The declaration's header, each line ending in CR LF: in the classic format the window's
    // own "unsigned char code seg-cc[]{ // 创建于: 26年12月07日 design:______".
    QString declarationHeader(codes::Polarity polarity, QDate today) const;
    // A standard table in the format, CR LF line ends.
    QString standardTable(codes::Polarity polarity) const;
    // The output options of the format for a table.
    codes::Output output() const;
    // "接线 e,dp,c,d,g,f,a,b  格式 sdcc" for a caption.
    QString summary() const;
};

}  // namespace kelvarin
