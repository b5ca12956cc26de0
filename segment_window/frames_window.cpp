// SPDX-License-Identifier: MIT
// The frames window and the scan program window.

#include "segment_window/frames_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "gui/window_placement.h"
#include "segment_codes/text_codes.h"
#include "segment_window/dialog_parts.h"
#include "segment_window/digit_view.h"
#include "segment_window/driver_window.h"

namespace kelvarin {

using dialog_parts::enterInABox;
using dialog_parts::fitToScreen;
using dialog_parts::problemLine;

namespace {

constexpr int kDefaultDigits = 4;
constexpr int kDefaultDelay = 500;

}  // namespace

void FramesWindow::keyPressEvent(QKeyEvent* event) {
    if (!enterInABox(event, *this)) QDialog::keyPressEvent(event);
}

FramesWindow::FramesWindow(BoardSettings board, codes::Polarity polarity,
                           QList<codes::DrawnFrame> frames, const QString& name,
                           platform::Preferences* preferences, platform::Clipboard* clipboard,
                           QWidget* owner)
    : QDialog(owner),
      m_board(std::move(board)),
      m_polarity(polarity),
      m_preferences(preferences),
      m_clipboard(clipboard),
      m_frames(std::move(frames)) {
    setObjectName(QStringLiteral("FramesWindow"));
    setWindowTitle(tr("多位数码管与帧"));
    // Frames of one width, of the board's kind: anything else starts afresh.
    QString why;
    if (m_frames.isEmpty() || !codes::framesOfDrawn(m_frames, m_board.wiring, m_polarity, &why))
        m_frames = {codes::DrawnFrame{QList<quint32>(kDefaultDigits, 0), kDefaultDelay, {}}};
    QVBoxLayout* outer = nullptr;
    QVBoxLayout* layout = dialog_parts::scrolledBody(*this, outer);

    auto* top = new QGridLayout;
    m_digitCount = new QSpinBox(this);
    m_digitCount->setObjectName(QStringLiteral("digits"));
    m_digitCount->setRange(1, codes::kMostDigits);
    m_digitCount->setValue(static_cast<int>(m_frames.front().patterns.size()));
    auto* digitsLabel = new QLabel(tr("位数(&D)："), this);
    digitsLabel->setBuddy(m_digitCount);
    top->addWidget(digitsLabel, 0, 0);
    top->addWidget(m_digitCount, 0, 1);
    m_name = addLine(QStringLiteral("name"), tr("名称(&N)："), top, 0, 2);
    m_name->setText(name.isEmpty() ? QStringLiteral("frames") : name);
    layout->addLayout(top);

    // The display: the selected frame, its digits clicked, or a text typed into it.
    auto* display = new QGroupBox(tr("当前帧"), this);
    auto* displayLayout = new QVBoxLayout(display);
    m_row = new QHBoxLayout;
    m_row->addStretch();
    displayLayout->addLayout(m_row);
    auto* frameForm = new QGridLayout;
    m_text = addLine(QStringLiteral("frameText"), tr("文字(&T)："), frameForm, 0);
    m_text->setPlaceholderText(tr("例如 12.34，靠右显示"));
    m_delay = addLine(QStringLiteral("delay"), tr("延时/毫秒(&L)："), frameForm, 1);
    displayLayout->addLayout(frameForm);
    layout->addWidget(display);

    // The frames.
    auto* framesBox = new QGroupBox(tr("帧"), this);
    auto* framesLayout = new QHBoxLayout(framesBox);
    m_list = new QListWidget(framesBox);
    m_list->setObjectName(QStringLiteral("frameList"));
    framesLayout->addWidget(m_list, 1);
    auto* actions = new QVBoxLayout;
    auto button = [&](const QString& object, const QString& text, auto slot) {
        auto* b = new QPushButton(text, framesBox);
        b->setObjectName(object);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        actions->addWidget(b);
        return b;
    };
    button(QStringLiteral("addFrame"), tr("添加(&A)"), [this] { addFrame(); });
    button(QStringLiteral("duplicateFrame"), tr("复制帧(&U)"), [this] { duplicateFrame(); });
    button(QStringLiteral("deleteFrame"), tr("删除(&E)"), [this] { deleteFrame(); });
    button(QStringLiteral("frameUp"), tr("上移"), [this] { moveFrame(-1); });
    button(QStringLiteral("frameDown"), tr("下移"), [this] { moveFrame(1); });
    m_play = button(QStringLiteral("play"), tr("播放(&P)"), [this] { play(!playing()); });
    actions->addStretch();
    framesLayout->addLayout(actions);
    layout->addWidget(framesBox);

    auto* scrollRow = new QGridLayout;
    m_scroll = addLine(QStringLiteral("scrollText"), tr("滚动文字(&S)："), scrollRow, 0);
    m_scroll->setPlaceholderText(tr("按回车生成滚动的帧，接在最后"));
    layout->addLayout(scrollRow);
    m_problem = problemLine(this);
    layout->addWidget(m_problem);

    auto* tableLabel = new QLabel(tr("帧表(&B)："), this);
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("framesTable"));
    m_output->setReadOnly(true);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tableLabel->setBuddy(m_output);
    layout->addWidget(tableLabel);
    layout->addWidget(m_output, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    m_copy = buttons->addButton(tr("复制帧表(&C)"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("copyFrames"));
    m_driver = buttons->addButton(tr("生成扫描程序(&G)…"), QDialogButtonBox::ActionRole);
    m_driver->setObjectName(QStringLiteral("driver"));
    for (QPushButton* b : {m_copy, m_driver})
        b->setAutoDefault(false);
    outer->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (m_clipboard == nullptr || m_table.isEmpty()) return;
        m_clipboard->clear();
        m_clipboard->setText(m_table);
    });
    connect(m_driver, &QPushButton::clicked, this, [this] { openDriver(); });

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { stepPlayback(); });
    connect(m_digitCount, &QSpinBox::valueChanged, this, [this](int n) { setDigits(n); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_updating && row >= 0) selectFrame(row);
    });
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& t) { setFrameText(t); });
    connect(m_delay, &QLineEdit::textEdited, this, [this](const QString& t) { setDelayText(t); });
    connect(m_scroll, &QLineEdit::returnPressed, this, [this] { scrollText(m_scroll->text()); });
    connect(m_name, &QLineEdit::textChanged, this, [this] { refresh(); });
    // The frames cannot be taken while their table cannot be made (a bad name).
    connect(this, &FramesWindow::accepted, this, [this] { play(false); });
    connect(this, &FramesWindow::rejected, this, [this] { play(false); });
    m_ok = buttons->button(QDialogButtonBox::Ok);

    setDigits(static_cast<int>(m_frames.front().patterns.size()));
    selectFrame(0);
    fitToScreen(*this, owner);
    new gui::KeptPlacement(*this, preferences, QStringLiteral("windows/frames/geometry"),
                           [owner] { return owner != nullptr ? owner->frameGeometry() : QRect(); });
}

QLineEdit* FramesWindow::addLine(const QString& name, const QString& label, QGridLayout* grid,
                                 int row, int column) {
    auto* line = new QLineEdit(this);
    line->setObjectName(name);
    auto* l = new QLabel(label, this);
    l->setBuddy(line);
    grid->addWidget(l, row, column);
    grid->addWidget(line, row, column + 1);
    return line;
}

QString FramesWindow::name() const {
    return m_name->text().trimmed();
}

QString FramesWindow::problem() const {
    return m_problem->text();
}

bool FramesWindow::playing() const {
    return m_timer->isActive();
}

void FramesWindow::showProblem(const QString& problem) {
    m_problem->setText(problem);
}

void FramesWindow::setDigits(int digits) {
    digits = std::clamp(digits, 1, codes::kMostDigits);
    if (m_digitCount->value() != digits) m_digitCount->setValue(digits);
    // Every frame keeps its digits at the right, as a meter shows a number: the left ones go
    // or blank ones come.
    for (codes::DrawnFrame& f : m_frames) {
        while (f.patterns.size() > digits)
            f.patterns.removeFirst();
        while (f.patterns.size() < digits)
            f.patterns.prepend(0);
    }
    while (m_views.size() > digits)
        delete m_views.takeLast();
    while (m_views.size() < digits) {
        auto* view = new DigitView(this);
        view->setKind(m_board.wiring.kind());
        view->setEditable(true);
        view->setObjectName(QStringLiteral("digit%1").arg(m_views.size()));
        view->setFixedSize(48, 80);
        const int digit = static_cast<int>(m_views.size());
        connect(view, &DigitView::segmentClicked, this,
                [this, digit](int segment) { toggleSegment(digit, segment); });
        m_row->insertWidget(m_row->count() - 1, view);
        m_views << view;
    }
    showFrame();
    refresh();
}

void FramesWindow::selectFrame(int index) {
    if (index < 0 || index >= m_frames.size()) return;
    m_current = index;
    showFrame();
    refreshList();
}

void FramesWindow::showFrame() {
    const codes::DrawnFrame& f = m_frames[m_current];
    for (qsizetype k = 0; k < m_views.size(); ++k)
        m_views[k]->setPattern(f.patterns.value(k));
    if (!playing()) {
        m_text->setText(f.label);
        m_delay->setText(QString::number(f.delayMs));
    }
}

void FramesWindow::addFrame() {
    const qsizetype digits = m_frames[m_current].patterns.size();
    if (m_frames.size() >= codes::kMostFrames) {
        showProblem(tr("最多 %1 帧").arg(codes::kMostFrames));
        return;
    }
    m_frames.insert(m_current + 1,
                    codes::DrawnFrame{QList<quint32>(digits, 0), m_frames[m_current].delayMs, {}});
    selectFrame(m_current + 1);
    refresh();
}

void FramesWindow::duplicateFrame() {
    if (m_frames.size() >= codes::kMostFrames) {
        showProblem(tr("最多 %1 帧").arg(codes::kMostFrames));
        return;
    }
    m_frames.insert(m_current + 1, m_frames[m_current]);
    selectFrame(m_current + 1);
    refresh();
}

void FramesWindow::deleteFrame() {
    // The last frame stays: a display always shows one.
    if (m_frames.size() == 1) {
        m_frames[0].patterns.fill(0);
        m_frames[0].label.clear();
    } else {
        m_frames.removeAt(m_current);
        m_current = std::min<int>(m_current, static_cast<int>(m_frames.size()) - 1);
    }
    selectFrame(m_current);
    refresh();
}

void FramesWindow::moveFrame(int by) {
    const int to = m_current + by;
    if (to < 0 || to >= m_frames.size()) return;
    m_frames.move(m_current, to);
    selectFrame(to);
    refresh();
}

void FramesWindow::setDelayText(const QString& text) {
    bool ok = false;
    const int ms = text.trimmed().toInt(&ok);
    if (!ok || ms < 1 || ms > codes::kMostDelayMs) {
        // The frame keeps its delay until the box holds one.
        showProblem(
            tr("延时“%1”无效：请输入 1 到 %2 之间的毫秒数").arg(text).arg(codes::kMostDelayMs));
        return;
    }
    m_frames[m_current].delayMs = ms;
    refresh();
}

void FramesWindow::setFrameText(const QString& text) {
    const qsizetype digits = m_frames[m_current].patterns.size();
    QList<codes::Unshowable> bad;
    const QList<codes::Digit> shown = codes::digitsOf(text, bad, m_board.wiring.kind());
    if (!bad.isEmpty()) {
        showProblem(dialog_parts::unshowable(bad));
        return;
    }
    if (shown.size() > digits) {
        showProblem(tr("“%1”要 %2 位，显示只有 %3 位").arg(text).arg(shown.size()).arg(digits));
        return;
    }
    codes::DrawnFrame& f = m_frames[m_current];
    f.patterns = QList<quint32>(digits - shown.size(), 0);
    for (const codes::Digit& d : shown)
        f.patterns << d.pattern;
    f.label = text;
    showFrame();
    refresh();
}

void FramesWindow::scrollText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        showProblem(tr("请先输入要滚动的文字"));
        return;
    }
    const int digits = static_cast<int>(m_frames[m_current].patterns.size());
    QString why;
    const std::optional<QList<codes::Frame>> made = codes::framesOf(
        {text}, digits, true, {m_frames[m_current].delayMs}, m_board.wiring, m_polarity, &why);
    if (!made || m_frames.size() + made->size() > codes::kMostFrames) {
        QList<codes::Unshowable> bad;
        codes::digitsOf(text, bad, m_board.wiring.kind());
        showProblem(!bad.isEmpty()
                        ? tr("数码管无法显示“%1”中的某些字符").arg(text)
                        : tr("滚动“%1”的帧太多：最多 %2 帧").arg(text).arg(codes::kMostFrames));
        return;
    }
    // After the frames there are: a blank frame alone is replaced.
    const bool blankOnly = m_frames.size() == 1 && m_frames[0].label.isEmpty() &&
                           std::all_of(m_frames[0].patterns.cbegin(), m_frames[0].patterns.cend(),
                                       [](quint32 p) { return p == 0; });
    if (blankOnly) m_frames.clear();
    const int first = static_cast<int>(m_frames.size());
    m_frames += codes::drawnOf(*made, m_board.wiring, m_polarity);
    selectFrame(first);
    refresh();
}

void FramesWindow::toggleSegment(int digit, int segment) {
    codes::DrawnFrame& f = m_frames[m_current];
    if (digit < 0 || digit >= f.patterns.size()) return;
    f.patterns[digit] ^= 1u << segment;
    f.patterns[digit] &= codes::allSegments(m_board.wiring.kind());
    // Drawn by hand: no longer the text it was made from.
    f.label.clear();
    showFrame();
    refresh();
}

void FramesWindow::play(bool on) {
    if (on == playing()) return;
    m_play->setText(on ? tr("停止(&P)") : tr("播放(&P)"));
    if (!on) {
        m_timer->stop();
        showFrame();
        return;
    }
    m_timer->start(m_frames[m_current].delayMs);
}

void FramesWindow::stepPlayback() {
    // At each frame's own delay, round and round.
    m_current = (m_current + 1) % static_cast<int>(m_frames.size());
    m_updating = true;
    m_list->setCurrentRow(m_current);
    m_updating = false;
    showFrame();
    m_timer->start(m_frames[m_current].delayMs);
}

void FramesWindow::refreshList() {
    m_updating = true;
    while (m_list->count() > m_frames.size())
        delete m_list->takeItem(m_list->count() - 1);
    while (m_list->count() < m_frames.size())
        m_list->addItem(QString());
    for (qsizetype k = 0; k < m_frames.size(); ++k) {
        const codes::DrawnFrame& f = m_frames[k];
        m_list->item(static_cast<int>(k))
            ->setText(tr("%1. %2 毫秒  %3")
                          .arg(k + 1)
                          .arg(f.delayMs)
                          .arg(f.label.isEmpty() ? tr("（手绘）") : u'“' + f.label + u'”'));
    }
    m_list->setCurrentRow(m_current);
    m_updating = false;
}

void FramesWindow::refresh() {
    refreshList();
    QString why;
    const std::optional<QList<codes::Frame>> made =
        codes::framesOfDrawn(m_frames, m_board.wiring, m_polarity, &why);
    codes::Output output = m_board.output();
    output.name = name();
    const bool named = output.name.isEmpty() || codes::validName(output.name, *output.format);
    m_table =
        made && named ? codes::renderFrames(*made, output, m_board.wiring, m_polarity) : QString();
    m_output->setPlainText(m_table);
    if (!named)
        showProblem(tr("名称“%1”不能用于 %2 格式：须以字母或下划线开头，只含字母、数字和下划线，"
                       "且不是关键字")
                        .arg(output.name, m_board.format->nameText()));
    else
        showProblem(QString());
    m_copy->setEnabled(!m_table.isEmpty());
    m_driver->setEnabled(!m_table.isEmpty());
    if (m_ok != nullptr) m_ok->setEnabled(!m_table.isEmpty());
}

void FramesWindow::openDriver() {
    QString why;
    const std::optional<QList<codes::Frame>> made =
        codes::framesOfDrawn(m_frames, m_board.wiring, m_polarity, &why);
    if (!made) return;
    DriverWindow window(m_board, m_polarity, *made, name(), m_preferences, m_clipboard, this);
    window.exec();
}

}  // namespace kelvarin
