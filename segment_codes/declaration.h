// SPDX-License-Identifier: MIT
#pragma once

// How the main window's declaration grows, without the window: the header written for a board,
// the text one appended code adds at a given count, where rows break and what starts them, and
// the text that closes the declaration. In the window's own style (the classic format) the
// elements are collected as shown, ten a row, and nothing closes the declaration; in the other
// formats the declaration is a complete table at every step, which its toolchain accepts as it
// stands.

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

#include "segment_codes/format_description.h"

namespace kelvarin::codes {

struct DeclarationOptions {
    QString name;        // the array's name; empty: the format's default
    int perLine = 0;     // codes a row; 0: ten
    bool upper = false;  // upper-case hexadecimal digits
    int bits = 8;        // the width of the entries
};

class Declaration {
  public:
    Declaration(const FormatDescription& format, DeclarationOptions options, Polarity polarity,
                QString eol = QStringLiteral("\r\n"));

    // The first lines, with the date in the comment "创建于: 26年12月07日 design:______".
    QString header(QDate today) const;
    // One code as the window shows it on its own: "0x3f," ("3f" for bare bytes).
    QString element(Code code) const;
    // What appending the code adds when countBefore codes are in.
    QString piece(Code code, qint32 countBefore) const;
    // What appending an element as shown adds, in the window's own style: the element, and the
    // line end after every row's last.
    QString pieceOf(const QString& element, qint32 countBefore) const;
    // What follows the count's codes to make the declaration complete (nothing in the window's
    // own style).
    QString closing(qint32 count) const;
    // The code of an element as the window shows it (and as a user types it), or nothing with
    // an error that quotes the text.
    std::optional<Code> readElement(QStringView text, QString* error = nullptr) const;

    int perLine() const { return m_options.perLine > 0 ? m_options.perLine : 10; }
    bool collectsElements() const { return m_format->collectsElements; }
    const FormatDescription& format() const { return *m_format; }

  private:
    FormatContext context() const;

    const FormatDescription* m_format;
    DeclarationOptions m_options;
    Polarity m_polarity;
    QString m_eol;
};

// The texts and counts a declaration had, to go back to them one user action at a time.
class DeclarationHistory {
  public:
    struct State {
        QString text;
        qint32 count = 0;
    };
    // At most this many steps are kept; the oldest go first.
    static constexpr size_t kSteps = 200;

    void record(State state);
    bool canUndo() const { return !m_states.empty(); }
    // The state before the last recorded action (to be called only when canUndo()).
    State undo();
    void clear() { m_states.clear(); }

  private:
    std::vector<State> m_states;
};

}  // namespace kelvarin::codes
