// SPDX-License-Identifier: MIT
// A multi-line text box with CR LF line ends.

#include "gui/crlf_text_box.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace kelvarin::gui {

CrLfTextBox::CrLfTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
}

void CrLfTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        if (!isReadOnly()) insertPlainText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QString CrLfTextBox::text() const {
    QString s = toPlainText();
    s.replace(u'\n', QStringLiteral("\r\n"));
    return s;
}

void CrLfTextBox::setText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(s);
}

void CrLfTextBox::setStoredText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document()->setPlainText(s);
}

void CrLfTextBox::appendText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(s);
}

}  // namespace kelvarin::gui
