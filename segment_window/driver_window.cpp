// SPDX-License-Identifier: MIT
// The scan program window.

#include "segment_window/driver_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "segment_codes/driver.h"
#include "segment_window/dialog_parts.h"
#include "segment_window/wiring_window.h"

namespace kelvarin {

using dialog_parts::enterInABox;
using dialog_parts::fitToScreen;
using dialog_parts::problemLine;

void DriverWindow::keyPressEvent(QKeyEvent* event) {
    if (!enterInABox(event, *this)) QDialog::keyPressEvent(event);
}

DriverWindow::DriverWindow(BoardSettings board, codes::Polarity polarity,
                           QList<codes::Frame> frames, QString shows,
                           platform::Preferences* preferences, platform::Clipboard* clipboard,
                           QWidget* owner)
    : QDialog(owner),
      m_board(std::move(board)),
      m_polarity(polarity),
      m_frames(std::move(frames)),
      m_shows(std::move(shows)),
      m_clipboard(clipboard) {
    setObjectName(QStringLiteral("DriverWindow"));
    setWindowTitle(tr("生成扫描程序"));
    QVBoxLayout* outer = nullptr;
    QVBoxLayout* layout = dialog_parts::scrolledBody(*this, outer);
    auto* form = new QGridLayout;
    m_target = new QComboBox(this);
    m_target->setObjectName(QStringLiteral("target"));
    m_target->addItem(tr("SDCC（8051）"), QStringLiteral("sdcc"));
    m_target->addItem(tr("Keil C51（8051）"), QStringLiteral("c51"));
    m_target->addItem(tr("Arduino（ATmega328P）"), QStringLiteral("arduino"));
    auto row = [&](const QString& text, QWidget* w) {
        auto* l = new QLabel(text, this);
        l->setBuddy(w);
        const int r = form->rowCount();
        form->addWidget(l, r, 0);
        form->addWidget(w, r, 1);
    };
    row(tr("目标(&T)："), m_target);
    // The board's port holds the segments (the wider codes go on to the next port); the select
    // pins are on the port after them.
    const int port = preferences != nullptr
                         ? std::clamp(preferences->value(WiringWindow::portKey()).toInt(), 0, 3)
                         : 0;
    const int bits = m_board.wiring.bits();
    QStringList segmentPins;
    if (bits <= 8) {
        segmentPins << QStringLiteral("P%1").arg(port);
    } else {
        for (int k = 0; k < bits && port + k / 8 <= 3; ++k)
            segmentPins << QStringLiteral("P%1.%2").arg(port + k / 8).arg(k % 8);
    }
    const int digits = m_frames.isEmpty() ? 1 : static_cast<int>(m_frames.front().codes.size());
    const int selectPort = port + (bits + 7) / 8;
    QStringList selectPins;
    for (int k = 0; k < digits && selectPort + k / 8 <= 3; ++k)
        selectPins << QStringLiteral("P%1.%2").arg(selectPort + k / 8).arg(k % 8);
    m_segments = new QLineEdit(segmentPins.join(u','), this);
    m_segments->setObjectName(QStringLiteral("segmentPins"));
    row(tr("段引脚(&S)："), m_segments);
    m_selects = new QLineEdit(selectPins.join(u','), this);
    m_selects->setObjectName(QStringLiteral("selectPins"));
    row(tr("位选引脚(&D)："), m_selects);
    m_activeLow = new QCheckBox(tr("位选低电平有效"), this);
    m_activeLow->setObjectName(QStringLiteral("activeLow"));
    m_activeLow->setChecked(true);
    form->addWidget(m_activeLow, form->rowCount(), 1);
    m_clock = new QLineEdit(this);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setPlaceholderText(tr("默认：8051 为 12MHz，AVR 为 16MHz"));
    row(tr("时钟(&C)："), m_clock);
    m_refresh = new QLineEdit(QStringLiteral("100Hz"), this);
    m_refresh->setObjectName(QStringLiteral("refresh"));
    row(tr("刷新(&R)："), m_refresh);
    layout->addLayout(form);
    m_problem = problemLine(this);
    layout->addWidget(m_problem);
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("program"));
    m_output->setReadOnly(true);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_output->setMinimumSize(560, 300);
    layout->addWidget(m_output, 1);
    auto* buttons = new QDialogButtonBox(this);
    m_copy = buttons->addButton(tr("复制程序(&O)"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("copyProgram"));
    m_save = buttons->addButton(tr("保存程序(&V)…"), QDialogButtonBox::ActionRole);
    m_save->setObjectName(QStringLiteral("saveProgram"));
    QPushButton* close = buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    for (QPushButton* b : {m_copy, m_save, close})
        b->setAutoDefault(false);
    outer->addWidget(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (m_clipboard == nullptr || m_program.isEmpty()) return;
        m_clipboard->clear();
        m_clipboard->setText(m_program);
    });
    connect(m_save, &QPushButton::clicked, this, [this] {
        const bool avr = m_target->currentData().toString() == u"arduino";
        const QString file = QFileDialog::getSaveFileName(
            this, tr("保存扫描程序"), avr ? QStringLiteral("scan.ino") : QStringLiteral("scan.c"),
            tr("程序 (*.c *.ino);;所有文件 (*)"), nullptr, QFileDialog::DontUseNativeDialog);
        if (file.isEmpty()) return;
        QSaveFile out(file);
        const QByteArray bytes = m_program.toUtf8();
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            m_problem->setText(tr("无法保存“%1”：%2").arg(file, out.errorString()));
    });
    connect(m_target, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    for (QLineEdit* line : {m_segments, m_selects, m_clock, m_refresh})
        connect(line, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(m_activeLow, &QCheckBox::toggled, this, [this] { refresh(); });
    refresh();
    fitToScreen(*this, owner);
}

QString DriverWindow::problem() const {
    return m_problem->text();
}

void DriverWindow::setPins(const QString& segments, const QString& selects) {
    m_segments->setText(segments);
    m_selects->setText(selects);
}

void DriverWindow::setTarget(const QString& target) {
    m_target->setCurrentIndex(m_target->findData(target));
}

void DriverWindow::refresh() {
    codes::DriverRequest r;
    r.target = m_target->currentData().toString();
    r.segments = m_segments->text().trimmed();
    r.digits = m_selects->text().trimmed();
    r.selectActiveLow = m_activeLow->isChecked();
    r.clock = m_clock->text().trimmed();
    r.refresh = m_refresh->text().trimmed();
    r.wiring = m_board.wiring;
    r.polarity = m_polarity;
    r.frames = m_frames;
    r.shows = m_shows;
    r.madeBy = QStringLiteral("Kelvarin");
    QString why;
    const std::optional<QString> program = codes::generateDriver(r, &why);
    m_program = program.value_or(QString());
    m_output->setPlainText(m_program);
    // The core says what is wrong in the command line's words: shown after the window's own.
    m_problem->setText(program ? QString() : tr("无法生成扫描程序（%1）").arg(why));
    m_copy->setEnabled(!m_program.isEmpty());
    m_save->setEnabled(!m_program.isEmpty());
}

}  // namespace kelvarin
