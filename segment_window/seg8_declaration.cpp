// SPDX-License-Identifier: MIT
// The main window's declaration and standard tables: codes added to the declaration, a new
// header, the declaration copied, the standard tables offered, and undoing.
//
// The declaration model of the segment-code core gives every text added; in the window's own
// style a code is added as Text1 shows it, ten a line.

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextCursor>

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "segment_window/seg8.h"
#include "segment_window/seg8_trace.h"

namespace kelvarin {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

void SEG8::Command3_Click() {
    // A code the box cannot read is not collected.
    if (marked(Text1)) return;
    const codes::Declaration d = declaration();
    if (d.collectsElements()) {
        rt::ResumeNext rn(lcSeg8(), __func__);
        recordDeclaration();
        const QString piece = d.pieceOf(Text1->text(), CodeCount);
        rn([&] { CodeCount = rt::add(CodeCount, 1); });
        Text5->appendText(piece);
        return;
    }
    const std::optional<codes::Code> code = d.readElement(Text1->text());
    if (!code) {
        markUnreadable(Text1);
        return;
    }
    appendCodes({*code});
}

void SEG8::appendCodes(const QList<codes::Code>& codes) {
    if (codes.isEmpty()) return;
    rt::ResumeNext rn(lcSeg8(), "Command3_Click");
    recordDeclaration();
    const codes::Declaration d = declaration();
    QString text = Text5->text();
    // The codes go before what closes the declaration.
    const QString closing = d.closing(CodeCount);
    if (!closing.isEmpty() && text.endsWith(closing)) text.chop(closing.size());
    for (const codes::Code code : codes) {
        text += d.piece(code, CodeCount);
        rn([&] { CodeCount = rt::add(CodeCount, 1); });
    }
    text += d.closing(CodeCount);
    if (d.collectsElements() && text.startsWith(Text5->text())) {
        Text5->appendText(text.mid(Text5->text().size()));
    } else {
        Text5->setText(text);
        Text5->moveCursor(QTextCursor::End);
    }
}

void SEG8::recordDeclaration() {
    m_history.record({Text5->text(), CodeCount});
    if (m_undo != nullptr) m_undo->setEnabled(true);
}

void SEG8::undoAdd() {
    if (!m_history.canUndo()) return;
    const codes::DeclarationHistory::State before = m_history.undo();
    Text5->setText(before.text);
    Text5->moveCursor(QTextCursor::End);
    CodeCount = before.count;
    if (m_undo != nullptr) m_undo->setEnabled(m_history.canUndo());
}

void SEG8::Command4_Click() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    QDate today;
    rn([&] { today = platform::require(m_services.clock).now().date(); });
    const codes::Declaration d = declaration();
    const QString fresh = d.header(today) + d.closing(0);
    // What the new header replaces can be taken back (nothing at start, nor a fresh header).
    if (!Text5->text().isEmpty() && Text5->text() != fresh) recordDeclaration();
    Text5->setText(fresh);
    CodeCount = 0;
}

void SEG8::Command5_Click() {
    const QString text = Text5->text();
    copyToClipboard(text);
    // In the window's own style the line goes on where it was; a table's rows stay whole.
    if (declaration().collectsElements()) CodeCount = 0;
    rt::ResumeNext rn(lcSeg8(), __func__);
    bool copied = false;
    rn([&] { copied = platform::require(m_services.clipboard).text() == text; });
    using Boxes = platform::MessageBoxes;
    rn([&] {
        platform::require(m_services.messageBoxes)
            .show(this, copied ? tr("复制成功") : tr("复制失败"), Boxes::Buttons::Ok,
                  copied ? Boxes::Icon::Information : Boxes::Icon::Warning, tr("复制到剪贴板"),
                  Boxes::Text::Prose);
    });
}

void SEG8::offerStandardTable(const QString& table) {
    using Boxes = platform::MessageBoxes;
    rt::ResumeNext rn(lcSeg8(), __func__);
    Boxes::Answer answer = Boxes::Answer::No;
    rn([&] {
        answer = platform::require(m_services.messageBoxes)
                     .show(this, table + kCrLf + kCrLf + tr("选择[是]复制到剪贴板,选择[否]返回."),
                           Boxes::Buttons::YesNo, Boxes::Icon::Information,
                           tr("选择[是]复制到剪贴板"), Boxes::Text::Table);
    });
    if (answer == Boxes::Answer::Yes) copyToClipboard(table);
}

void SEG8::showStandardTables() {
    // The hidden boxes hold the board's two tables: with the default board, the stored ones.
    // Stored without laying their first lines out for a caret no one sees (at start-up the
    // first text in the window's font, and its fallback fonts looked up for it).
    Text2->setStoredText(m_board.standardTable(codes::Polarity::CommonCathode));
    Text3->setStoredText(m_board.standardTable(codes::Polarity::CommonAnode));
}

void SEG8::Command1_Click() {
    offerStandardTable(Text2->text());
}

void SEG8::Command2_Click() {
    offerStandardTable(Text3->text());
}

}  // namespace kelvarin
