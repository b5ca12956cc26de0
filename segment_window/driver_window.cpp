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
#include <QRegularExpression>
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

QString DriverWindow::said(const QString& why) const {
    // The core says what is wrong in the command line's words; the window says it in its own,
    // with what the core quoted (a pin, a frequency, a count) kept.
    const bool avr = m_target->currentData().toString() == u"arduino";
    const QString pinForm =
        avr ? tr("Arduino Uno 的引脚：0 到 13 或 A0 到 A5") : tr("8051 的引脚：P0.0 到 P3.7");
    using Say = QString (*)(const QRegularExpressionMatch& m, const QString& pinForm);
    struct Said {
        const char* pattern;
        Say say;
    };
    static const Said rows[] = {
        {"^driver needs --segments",
         [](const auto&, const auto&) {
             return tr("请填写段引脚（一个端口，或每个码位一个引脚）");
         }},
        {"^the (\\S+) has no port (.*) for --segments",
         [](const auto& m, const auto&) {
             return m.captured(1) == u"8051"
                        ? tr("8051 没有端口“%1”（它的端口是 P0 到 P3）").arg(m.captured(2))
                        : tr("%1 不能用整个端口“%2”：请每个码位给一个引脚")
                              .arg(m.captured(1), m.captured(2));
         }},
        {"^a port has 8 bits, a (\\d+)-segment code (\\d+)",
         [](const auto& m, const auto&) {
             return tr("一个端口只有 8 位，%1 段数码管的码有 %2 位：请每个码位给一个引脚")
                 .arg(m.captured(1), m.captured(2));
         }},
        {"^--segments: \"(.*)\" is no pin",
         [](const auto& m, const auto& form) {
             return tr("段引脚中的“%1”不是引脚（%2）").arg(m.captured(1), form);
         }},
        {"^--segments names (\\d+) pins for a code of (\\d+) bits",
         [](const auto& m, const auto&) {
             return tr("段引脚有 %1 个，而码有 %2 位").arg(m.captured(1), m.captured(2));
         }},
        {"^driver needs --digits",
         [](const auto&, const auto&) { return tr("请填写位选引脚（每位一个，从左起）"); }},
        {"^--digits: \"(.*)\" is no pin",
         [](const auto& m, const auto& form) {
             return tr("位选引脚中的“%1”不是引脚（%2）").arg(m.captured(1), form);
         }},
        {"^(\\d+) select pins: at most (\\d+) digits",
         [](const auto& m, const auto&) {
             return tr("位选引脚有 %1 个：最多 %2 位").arg(m.captured(1), m.captured(2));
         }},
        {"^the pin (.+) is named twice",
         [](const auto& m, const auto&) { return tr("引脚 %1 用了两次").arg(m.captured(1)); }},
        {"^nothing to show", [](const auto&, const auto&) { return tr("没有要显示的帧"); }},
        {"^a frame of (\\d+) digits for (\\d+) select pins",
         [](const auto& m, const auto&) {
             return tr("帧有 %1 位，而位选引脚有 %2 个").arg(m.captured(1), m.captured(2));
         }},
        {"^bad --clock \"(.*)\"",
         [](const auto& m, const auto&) {
             return tr("无法识别时钟“%1”：请写成 12MHz、11.0592MHz 或 16000000").arg(m.captured(1));
         }},
        {"^bad --refresh \"(.*)\"",
         [](const auto& m, const auto&) {
             return tr("无法识别刷新“%1”：请写成 100Hz").arg(m.captured(1));
         }},
        {"needs an interrupt every (\\d+) timer counts",
         [](const auto& m, const auto&) {
             return tr("刷新太慢：每次中断要等 %1 个定时器计数，超过定时器的 65536；请加快刷新")
                 .arg(m.captured(1));
         }},
        {"leaves (\\d+) timer counts between interrupts",
         [](const auto& m, const auto&) {
             return tr("刷新太快：两次中断之间只有 %1 个定时器计数，不够中断本身用；"
                       "请减慢刷新或提高时钟")
                 .arg(m.captured(1));
         }},
    };
    // Compiled once: the window asks at every keystroke in its boxes.
    static const QList<std::pair<QRegularExpression, Say>> table = [] {
        QList<std::pair<QRegularExpression, Say>> compiled;
        for (const Said& row : rows)
            compiled.emplace_back(QRegularExpression(QString::fromLatin1(row.pattern)), row.say);
        return compiled;
    }();
    for (const auto& [pattern, say] : table) {
        if (const QRegularExpressionMatch m = pattern.match(why); m.hasMatch())
            return say(m, pinForm);
    }
    return tr("引脚或时钟的设置有误");
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
    m_problem->setText(program ? QString() : tr("无法生成扫描程序：%1").arg(said(why)));
    m_copy->setEnabled(!m_program.isEmpty());
    m_save->setEnabled(!m_program.isEmpty());
}

}  // namespace kelvarin
