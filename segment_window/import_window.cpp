// SPDX-License-Identifier: MIT
// The import window.

#include "segment_window/import_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "gui/window_placement.h"
#include "segment_window/dialog_parts.h"
#include "segment_window/digit_view.h"

namespace kelvarin {

namespace {

// At most this many entries of a table are drawn.
constexpr qsizetype kMostDrawn = 128;
// A source is a few hundred kilobytes at most; more is not read.
constexpr qint64 kMostSourceBytes = qint64{4} * 1024 * 1024;

QString polarityName(codes::Polarity p) {
    return p == codes::Polarity::CommonAnode
               ? QCoreApplication::translate("kelvarin::ImportWindow", "共阳")
               : QCoreApplication::translate("kelvarin::ImportWindow", "共阴");
}

}  // namespace

ImportWindow::ImportWindow(BoardSettings board, codes::Polarity polarity,
                           platform::Preferences* preferences, QWidget* owner)
    : QDialog(owner), m_board(std::move(board)), m_polarity(polarity) {
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(tr("导入段码表"));
    QVBoxLayout* outer = nullptr;
    QVBoxLayout* layout = dialog_parts::scrolledBody(*this, outer);
    auto* sourceRow = new QHBoxLayout;
    auto* sourceLabel = new QLabel(tr("C 或汇编源文本(&S)："), this);
    auto* open = new QPushButton(tr("打开文件(&O)…"), this);
    open->setObjectName(QStringLiteral("openSource"));
    open->setAutoDefault(false);
    sourceRow->addWidget(sourceLabel);
    sourceRow->addStretch();
    sourceRow->addWidget(open);
    layout->addLayout(sourceRow);
    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(QStringLiteral("source"));
    m_source->setPlaceholderText(
        tr("在此粘贴含段码表的源文本，例如 unsigned char code tab[]={0x3f,0x06};"));
    m_source->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_source->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    sourceLabel->setBuddy(m_source);
    layout->addWidget(m_source, 1);

    auto* form = new QGridLayout;
    m_tableChoice = new QComboBox(this);
    m_tableChoice->setObjectName(QStringLiteral("table"));
    auto* tableLabel = new QLabel(tr("段码表(&B)："), this);
    tableLabel->setBuddy(m_tableChoice);
    form->addWidget(tableLabel, 0, 0);
    form->addWidget(m_tableChoice, 0, 1);
    m_shown = new QLineEdit(QStringLiteral("0123456789"), this);
    m_shown->setObjectName(QStringLiteral("shows"));
    auto* shownLabel = new QLabel(tr("各项显示的字符(&C)："), this);
    shownLabel->setBuddy(m_shown);
    form->addWidget(shownLabel, 1, 0);
    form->addWidget(m_shown, 1, 1);
    layout->addLayout(form);

    auto* digits = new QScrollArea(this);
    digits->setObjectName(QStringLiteral("digits"));
    digits->setWidgetResizable(true);
    digits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    digits->setMinimumHeight(110);
    auto* strip = new QWidget(digits);
    m_row = new QHBoxLayout(strip);
    m_row->addStretch();
    digits->setWidget(strip);
    layout->addWidget(digits);
    m_certainty = new QLabel(this);
    m_certainty->setObjectName(QStringLiteral("certainty"));
    m_certainty->setWordWrap(true);
    m_certainty->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_certainty);
    m_problem = dialog_parts::problemLine(this);
    layout->addWidget(m_problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_take = buttons->addButton(tr("采用此接线(&T)"), QDialogButtonBox::AcceptRole);
    m_take->setObjectName(QStringLiteral("take"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    outer->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open, &QPushButton::clicked, this, [this] { chooseFile(); });
    // The text is read a moment after typing stops.
    m_reading = new QTimer(this);
    m_reading->setSingleShot(true);
    m_reading->setInterval(150);
    connect(m_reading, &QTimer::timeout, this, [this] { read(); });
    connect(m_source, &QPlainTextEdit::textChanged, m_reading, qOverload<>(&QTimer::start));
    connect(m_tableChoice, &QComboBox::currentIndexChanged, this,
            [this](int index) { selectTable(index); });
    connect(m_shown, &QLineEdit::textChanged, this, [this] { infer(); });
    read();
    // Opened to paste into.
    m_source->setFocus();
    setTabOrder(m_source, open);
    dialog_parts::fitToScreen(*this, owner, QSize(640, 560));
    new gui::KeptPlacement(*this, preferences, QStringLiteral("windows/import/geometry"),
                           [owner] { return owner != nullptr ? owner->frameGeometry() : QRect(); });
}

void ImportWindow::setText(const QString& text) {
    m_source->setPlainText(text);
    m_reading->stop();
    read();
}

QString ImportWindow::problem() const {
    return m_problem->text();
}

void ImportWindow::chooseFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, tr("打开源文件"), QString(),
        tr("源文件 (*.c *.h *.asm *.a51 *.s *.inc *.ino);;所有文件 (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (file.isEmpty()) return;
    QFile in(file);
    if (!QFileInfo(file).isFile() || QFileInfo(file).size() > kMostSourceBytes ||
        !in.open(QIODevice::ReadOnly)) {
        m_problem->setText(tr("无法读取“%1”（不是文件、太大或无权读取）").arg(file));
        return;
    }
    setText(QString::fromUtf8(in.read(kMostSourceBytes)));
}

void ImportWindow::read() {
    const QString text = m_source->toPlainText();
    QString why;
    const std::optional<QList<codes::FoundTable>> found =
        text.trimmed().isEmpty() ? std::nullopt
                                 : codes::readTables(text, m_board.wiring.kind(), &why);
    m_tables = found.value_or(QList<codes::FoundTable>());
    m_tableChoice->blockSignals(true);
    m_tableChoice->clear();
    for (const codes::FoundTable& t : m_tables)
        m_tableChoice->addItem(tr("%1（%2 项，第 %3 行）")
                                   .arg(t.name.isEmpty() ? tr("无名") : t.name)
                                   .arg(t.entries.size())
                                   .arg(t.line));
    m_tableChoice->blockSignals(false);
    // Said in the window's language: where the core could not read an entry (its reason names
    // the line and column), or that there is no table.
    static const QRegularExpression place(QStringLiteral("^line (\\d+), column (\\d+):"));
    const QRegularExpressionMatch at = place.match(why);
    if (text.trimmed().isEmpty() || found)
        m_problem->clear();
    else if (at.hasMatch())
        m_problem->setText(
            tr("第 %1 行第 %2 列的项无法识别为段码").arg(at.captured(1), at.captured(2)));
    else
        m_problem->setText(tr("文本中找不到段码表（C 的 = { 0x3f, … }; 或汇编的 DB 行）"));
    selectTable(m_tables.isEmpty() ? -1 : 0);
}

void ImportWindow::selectTable(int index) {
    m_table = index >= 0 && index < m_tables.size() ? index : -1;
    if (m_table >= 0 && m_tableChoice->currentIndex() != m_table)
        m_tableChoice->setCurrentIndex(m_table);
    infer();
}

void ImportWindow::setShown(const QString& characters) {
    m_shown->setText(characters);
}

void ImportWindow::infer() {
    m_inferred = false;
    m_inference = {};
    if (m_table >= 0) {
        const codes::FoundTable& t = m_tables[m_table];
        QList<codes::Unshowable> bad;
        const QList<codes::Digit> digits =
            codes::digitsOf(m_shown->text(), bad, m_board.wiring.kind());
        if (!bad.isEmpty() || digits.isEmpty()) {
            m_certainty->setText(tr("请说明各项显示的字符（数码管能显示的），以推算接线"));
        } else if (digits.size() > t.entries.size()) {
            m_certainty->setText(
                tr("表只有 %1 项，少于所说的 %2 个字符").arg(t.entries.size()).arg(digits.size()));
        } else {
            QList<codes::Code> codes;
            for (qsizetype k = 0; k < digits.size(); ++k)
                codes << t.entries[k].code;
            m_inference = codes::inferWiring(codes, digits, m_board.wiring.kind());
            m_inferred = !m_inference.wirings.isEmpty();
            m_certainty->setText(certainty());
        }
    } else {
        m_certainty->clear();
    }
    m_take->setEnabled(canTake());
    draw();
}

bool ImportWindow::canTake() const {
    return m_inferred && !m_inference.wirings.isEmpty();
}

QString ImportWindow::certainty() const {
    if (!canTake()) return QString();
    const codes::Inference& i = m_inference;
    const QString wiring = i.wirings.front().text();
    if (!i.exact)
        return tr("没有完全符合的接线。最接近的是 %1（%2），符合 %3/%4 位；第 %5 项不符。")
            .arg(wiring, polarityName(i.polarity))
            .arg(i.agreeing)
            .arg(i.bitsInAll)
            .arg([&] {
                QStringList n;
                for (const int k : i.misfits)
                    n << QString::number(k + 1);
                return n.join(tr("、"));
            }());
    QString said = i.fitting == 1
                       ? tr("确定：接线 %1（%2），唯一符合。").arg(wiring, polarityName(i.polarity))
                       : tr("接线 %1（%2）；共有 %3 种接线都符合，给出更多字符可以区分。")
                             .arg(wiring, polarityName(i.polarity))
                             .arg(i.fitting);
    if (i.undetermined != 0) {
        QStringList bits;
        for (int k = 0; k < 32; ++k)
            if ((i.undetermined >> k) & 1) bits << QString::number(k);
        said += tr("位 %1 无法由这些项确定。").arg(bits.join(tr("、")));
    }
    return said;
}

void ImportWindow::draw() {
    const int count =
        m_table >= 0 ? static_cast<int>(std::min(m_tables[m_table].entries.size(), kMostDrawn)) : 0;
    while (m_views.size() > count)
        delete m_views.takeLast();
    while (m_views.size() < count) {
        auto* d = new DigitView(m_row->parentWidget());
        d->setKind(m_board.wiring.kind());
        d->setCaption(QStringLiteral(" "));
        d->setFixedSize(d->sizeHint());
        m_row->insertWidget(m_row->count() - 1, d);
        m_views << d;
    }
    // Each entry as the wiring worked out reads it (the board's until there is one).
    const codes::Wiring wiring = canTake() ? m_inference.wirings.front() : m_board.wiring;
    const codes::Polarity p = canTake() ? m_inference.polarity : m_polarity;
    for (int k = 0; k < count; ++k) {
        const codes::FoundEntry& e = m_tables[m_table].entries[k];
        m_views[k]->setPattern(codes::patternOf(e.code, wiring, p));
        m_views[k]->setCaption(QString::number(k + 1));
        m_views[k]->setToolTip(tr("第 %1 行：%2").arg(e.line).arg(e.code, 0, 16));
    }
}

BoardSettings ImportWindow::board() const {
    BoardSettings b = m_board;
    if (canTake()) b.wiring = m_inference.wirings.front();
    return b;
}

codes::Polarity ImportWindow::polarity() const {
    return canTake() ? m_inference.polarity : m_polarity;
}

}  // namespace kelvarin
