// SPDX-License-Identifier: MIT
// The windows' text boxes as the library's TextBox.

#include "gui/control_text_box.h"

#include <QLineEdit>
#include <QTextCursor>

#include <algorithm>

#include "gui/crlf_text_box.h"
#include "runtime/errors.h"

namespace kelvarin::gui {

namespace {

// A multi-line box keeps "\n" where its text has CR LF: a position of the box counts one more
// character for every line end before it.
qsizetype toCrLf(const QString& plain, qsizetype position) {
    return position + plain.left(position).count(u'\n');
}

qsizetype fromCrLf(const QString& plain, qsizetype position) {
    qsizetype crlf = 0, k = 0;
    for (; k < plain.size(); ++k) {
        const qsizetype width = plain[k] == u'\n' ? 2 : 1;
        if (crlf + width > position) break;
        crlf += width;
    }
    return k;
}

qint32 toCount(qsizetype n) {
    return static_cast<qint32>(std::min<qsizetype>(n, 0x7FFFFFFF));
}

}  // namespace

QWidget& ControlTextBox::control() const {
    if (m_control.isNull()) raiseError(err::ObjectNotSet);
    if (!qobject_cast<QLineEdit*>(m_control) && !qobject_cast<CrLfTextBox*>(m_control))
        raiseError(err::NotSupported);
    return *m_control;
}

QString ControlTextBox::text() const {
    QWidget& c = control();
    if (auto* line = qobject_cast<QLineEdit*>(&c)) return line->text();
    return static_cast<CrLfTextBox&>(c).text();
}

void ControlTextBox::setText(const QString& text) {
    QWidget& c = control();
    if (auto* line = qobject_cast<QLineEdit*>(&c)) {
        line->setText(text);
    } else {
        static_cast<CrLfTextBox&>(c).setText(text);
    }
}

void ControlTextBox::selection(qsizetype& start, qsizetype& end) const {
    QWidget& c = control();
    if (auto* line = qobject_cast<QLineEdit*>(&c)) {
        start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        end = start + line->selectedText().size();
        return;
    }
    const QTextCursor cursor = static_cast<CrLfTextBox&>(c).textCursor();
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
}

void ControlTextBox::select(qsizetype anchor, qsizetype position) {
    QWidget& c = control();
    if (auto* line = qobject_cast<QLineEdit*>(&c)) {
        line->setSelection(static_cast<int>(anchor), static_cast<int>(position - anchor));
        if (position == anchor) line->setCursorPosition(static_cast<int>(position));
        return;
    }
    auto& box = static_cast<CrLfTextBox&>(c);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

qint32 ControlTextBox::selStart() const {
    qsizetype start = 0, end = 0;
    selection(start, end);
    if (auto* box = qobject_cast<CrLfTextBox*>(&control()))
        return toCount(toCrLf(box->toPlainText(), start));
    return toCount(start);
}

qint32 ControlTextBox::selLength() const {
    qsizetype start = 0, end = 0;
    selection(start, end);
    if (auto* box = qobject_cast<CrLfTextBox*>(&control())) {
        const QString plain = box->toPlainText();
        return toCount(toCrLf(plain, end) - toCrLf(plain, start));
    }
    return toCount(end - start);
}

void ControlTextBox::setSelStart(qint32 start) {
    if (start < 0) raiseError(err::InvalidPropertyValue);
    QWidget& c = control();
    qsizetype position = start;
    if (auto* box = qobject_cast<CrLfTextBox*>(&c)) {
        position = fromCrLf(box->toPlainText(), start);
    } else {
        position = std::min<qsizetype>(start, static_cast<QLineEdit&>(c).text().size());
    }
    select(position, position);
}

void ControlTextBox::setSelLength(qint32 length) {
    if (length < 0) raiseError(err::InvalidPropertyValue);
    qsizetype start = 0, end = 0;
    selection(start, end);
    QWidget& c = control();
    qsizetype last = 0;
    if (auto* box = qobject_cast<CrLfTextBox*>(&c)) {
        const QString plain = box->toPlainText();
        last = fromCrLf(plain, toCrLf(plain, start) + length);
    } else {
        last = std::min<qsizetype>(start + length, static_cast<QLineEdit&>(c).text().size());
    }
    select(start, last);
}

}  // namespace kelvarin::gui
