// SPDX-License-Identifier: MIT
// The text-to-codes window.

#include "segment_window/text_codes_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <utility>

#include "gui/window_placement.h"
#include "segment_codes/text_codes.h"
#include "segment_window/dialog_parts.h"
#include "segment_window/digit_view.h"

namespace kelvarin {

namespace {

// At most this many digits are drawn; a longer text scrolls through the first of them.
constexpr qsizetype kMostDrawn = 512;

}  // namespace

TextCodesWindow::TextCodesWindow(BoardSettings board, codes::Polarity polarity,
                                 platform::Preferences* preferences, platform::Clipboard* clipboard,
                                 std::function<void(const QList<codes::Code>&)> addCodes,
                                 QWidget* owner)
    : QDialog(owner),
      m_board(std::move(board)),
      m_polarity(polarity),
      m_clipboard(clipboard),
      m_addCodes(std::move(addCodes)) {
    setObjectName(QStringLiteral("TextCodesWindow"));
    setWindowTitle(tr("文字转段码"));
    // The text, the digits and the table scroll when the screen is smaller than the window;
    // the buttons stay on it.
    QVBoxLayout* outer = nullptr;
    QVBoxLayout* layout = dialog_parts::scrolledBody(*this, outer);
    auto* textLabel = new QLabel(tr("文字(&T)："), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setPlaceholderText(tr("例如 HELLO 12.5"));
    textLabel->setBuddy(m_text);
    layout->addWidget(textLabel);
    layout->addWidget(m_text);
    m_problem = dialog_parts::problemLine(this);
    layout->addWidget(m_problem);

    m_row = new QScrollArea(this);
    m_row->setObjectName(QStringLiteral("digits"));
    m_row->setWidgetResizable(true);
    m_row->setFocusPolicy(Qt::NoFocus);
    m_row->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* strip = new QWidget(m_row);
    m_rowLayout = new QHBoxLayout(strip);
    m_rowLayout->addStretch();
    m_row->setWidget(strip);
    m_row->setMinimumHeight(110);
    layout->addWidget(m_row);

    auto* tableLabel = new QLabel(tr("段码表(&B)："), this);
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("table"));
    m_output->setReadOnly(true);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tableLabel->setBuddy(m_output);
    layout->addWidget(tableLabel);
    layout->addWidget(m_output);

    auto* buttons = new QDialogButtonBox(this);
    m_copy = buttons->addButton(tr("复制段码表(&C)"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("copy"));
    m_add = buttons->addButton(tr("添加到声明(&A)"), QDialogButtonBox::ActionRole);
    m_add->setObjectName(QStringLiteral("add"));
    QPushButton* close = buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    for (QPushButton* b : {m_copy, m_add, close})
        b->setAutoDefault(false);
    outer->addWidget(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (m_clipboard == nullptr || m_table.isEmpty()) return;
        m_clipboard->clear();
        m_clipboard->setText(m_table);
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_addCodes && !m_codes.isEmpty()) m_addCodes(m_codes);
    });
    connect(m_text, &QLineEdit::textChanged, this, [this] { refresh(); });

    setTabOrder(m_text, m_output);
    setTabOrder(m_output, m_copy);
    setTabOrder(m_copy, m_add);
    setTabOrder(m_add, close);
    dialog_parts::fitToScreen(*this, owner, QSize(560, 420));
    // The text of the last time comes back.
    if (preferences != nullptr) m_text->setText(preferences->value(textKey()).toString());
    connect(this, &QDialog::finished, this, [this, preferences] {
        if (preferences != nullptr) preferences->setValue(textKey(), m_text->text());
    });
    refresh();
    new gui::KeptPlacement(*this, preferences, QStringLiteral("windows/text/geometry"),
                           [owner] { return owner != nullptr ? owner->frameGeometry() : QRect(); });
}

void TextCodesWindow::setText(const QString& text) {
    m_text->setText(text);
}

void TextCodesWindow::refresh() {
    const QString text = m_text->text();
    QList<codes::Unshowable> bad;
    const codes::DisplayKind kind = m_board.wiring.kind();
    const QList<codes::Digit> digits = codes::digitsOf(text, bad, kind);
    // The row of digits, as many as the text needs.
    while (m_digits.size() > std::min(digits.size(), kMostDrawn)) {
        delete m_digits.takeLast();
    }
    while (m_digits.size() < std::min(digits.size(), kMostDrawn)) {
        auto* d = new DigitView(m_row->widget());
        d->setKind(kind);
        d->setCaption(QStringLiteral(" "));
        d->setFixedSize(d->sizeHint());
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, d);
        m_digits << d;
    }
    for (qsizetype k = 0; k < m_digits.size(); ++k) {
        const codes::Digit& digit = digits[k];
        bool unshowable = false;
        for (const codes::Unshowable& u : bad)
            unshowable = unshowable || (digit.label() == u.character && digit.pattern == 0);
        m_digits[k]->setPattern(digit.pattern);
        m_digits[k]->setCrossed(unshowable);
        m_digits[k]->setCaption(digit.label());
    }
    m_codes.clear();
    if (!bad.isEmpty()) {
        // Marked in the text, and no table offered.
        m_text->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid red; }"));
        const QString why = dialog_parts::unshowable(bad);
        m_text->setToolTip(why);
        m_problem->setText(why);
        m_table.clear();
        m_output->setPlainText(tr("（文字中有数码管无法显示的字符，不生成段码表）"));
    } else {
        m_text->setStyleSheet(QString());
        m_text->setToolTip(QString());
        m_problem->clear();
        if (digits.isEmpty()) {
            m_table.clear();
            m_output->clear();
        } else {
            const codes::Table table = codes::textTable(text, digits, m_board.wiring, m_polarity);
            m_table = codes::render(table, m_board.output(), m_polarity);
            for (const codes::TableLine& line : table.lines)
                for (const codes::TableEntry& e : line.entries)
                    m_codes << e.code;
            m_output->setPlainText(m_table);
        }
    }
    m_copy->setEnabled(!m_table.isEmpty());
    m_add->setEnabled(!m_codes.isEmpty());
}

}  // namespace kelvarin
