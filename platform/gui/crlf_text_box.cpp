// A multi-line text box with CR LF line ends.

#include "platform/gui/crlf_text_box.h"

#include <QTextCursor>

namespace kelvarin {

CrLfTextBox::CrLfTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
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

void CrLfTextBox::appendText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(s);
}

}  // namespace kelvarin
