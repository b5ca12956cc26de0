// SPDX-License-Identifier: MIT
#include "segment_window/seg8.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cmath>

#include "about_window/sponsor.h"
#include "gui/app_info.h"
#include "gui/common_controls.h"
#include "gui/control_font.h"
#include "gui/key_preview.h"
#include "gui/twips.h"
#include "gui/window_placement.h"
#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "segment_codes/code_reader.h"
#include "segment_window/standard_tables.h"
#include "segment_window/text_codes_window.h"
#include "segment_window/wiring_window.h"
#include "workout/wkout.h"
#include "workout/workout.h"

namespace kelvarin {

Q_LOGGING_CATEGORY(lcSeg8, "kelvarin.window.seg8", QtInfoMsg)

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The states in which the window refuses size changes.
constexpr Qt::WindowStates kSizeFixedStates =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

struct SegmentBox {
    int left, top, width, height;
};

// Boxes of segments a, b, c, d, e, f, g and dp, in twips.
constexpr std::array<SegmentBox, 8> kSegmentBoxes = {{{1080, 480, 855, 255},
                                                      {2040, 720, 255, 735},
                                                      {2040, 1920, 255, 735},
                                                      {1080, 2640, 855, 255},
                                                      {720, 1920, 255, 735},
                                                      {720, 720, 255, 735},
                                                      {1080, 1560, 855, 255},
                                                      {2400, 2640, 255, 255}}};

// One channel of a random colour: r * 200 + 50, ties to even, so 50 to 250.
qint32 randomChannel(platform::RandomGenerator& random) {
    const float r = random.next();
    return static_cast<qint32>(rt::roundHalfEven(r * 200.0f + 50.0f));
}

}  // namespace

SEG8::SEG8(const platform::Services& services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    // How the board is wired and what is written for it, as kept from the last run.
    QStringList warnings;
    m_board = BoardSettings::load(m_services.preferences, warnings);
    for (const QString& w : warnings)
        qWarning("kelvarin: %s", qPrintable(w));
    Form_Initialize();
    buildControls();
    Form_Load();
}

// The command buttons: name, caption, place in twips, handler.
const std::vector<SEG8::ButtonSpec>& SEG8::buttonSpecs() {
    static const std::vector<ButtonSpec> specs = {
        {"Command8", u"赞助/关于", 8040, 360, 1215, 375, &SEG8::Command8, &SEG8::Command8_Click},
        {"Command1", u"共阴数码管常用段码", 6960, 840, 2295, 375, &SEG8::Command1,
         &SEG8::Command1_Click},
        {"Command2", u"共阳数码管常用段码", 6960, 1200, 2295, 375, &SEG8::Command2,
         &SEG8::Command2_Click},
        {"Command6", u"随机换色", 3240, 1920, 1095, 375, &SEG8::Command6, &SEG8::Command6_Click},
        {"Command7", u"还原窗口", 4320, 1920, 1095, 375, &SEG8::Command7, &SEG8::Command7_Click},
        {"Command5", u"复制到剪贴板", 5640, 1920, 1575, 375, &SEG8::Command5,
         &SEG8::Command5_Click},
        {"Command4", u"清空", 7200, 1920, 735, 375, &SEG8::Command4, &SEG8::Command4_Click},
        {"Command3", u"添加到文本框", 7920, 1920, 1575, 375, &SEG8::Command3,
         &SEG8::Command3_Click}};
    return specs;
}

// The text boxes: name, place in twips, font size, and the member that holds the box (a
// multi-line box with CR LF line ends, or a single line).
const std::vector<SEG8::TextBoxSpec>& SEG8::textBoxSpecs() {
    static const std::vector<TextBoxSpec> specs = {
        {"Text5", 3240, 2400, 6255, 2100, 9, &SEG8::Text5, nullptr},
        {"Text4", 720, 3480, 1935, 420, 10.5, nullptr, &SEG8::Text4},
        {"Text1", 720, 4080, 1935, 420, 10.5, nullptr, &SEG8::Text1},
        {"Text2", 600, 5280, 5895, 1980, 10.5, &SEG8::Text2, nullptr},
        {"Text3", 720, 5520, 5895, 1980, 10.5, &SEG8::Text3, nullptr}};
    return specs;
}

void SEG8::Form_Initialize() {
    platform::initCommonControls();
}

void SEG8::buildControls() {
    setObjectName(QStringLiteral("SEG8"));
    updateCaption();
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvarin.png")));
    m_background = new WindowBackground(*this, [this] { Form_Resize(); });
    // Opens centred on the screen.
    new CentredPlacement(*this, nullptr);
    resize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kDesignHeight);

    for (int k = 0; k < 8; ++k) {
        auto* box = new PictureBox(this);
        box->setObjectName(QStringLiteral("Picture1(%1)").arg(k));
        const SegmentBox& g = kSegmentBoxes[static_cast<size_t>(k)];
        box->setGeometry(twips(g.left, g.top, g.width, g.height));
        box->setClickable(true);
        connect(box, &PictureBox::clicked, this,
                [this, k] { Picture1_Click(static_cast<qint16>(k)); });
        Picture1[static_cast<size_t>(k)] = box;
    }

    Frame1 = new QGroupBox(QStringLiteral("选择数码管"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(3360, 360, 3135, 1215));
    Frame1->setFont(controlFont(10.5));
    Frame1->setAutoFillBackground(true);
    Option1 = new QRadioButton(QStringLiteral("共阴数码管-[SEG-8,CC]"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(twips(240, 360, 2655, 330));
    Option1->setFont(controlFont(10.5));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("共阳数码管-[SEG-8,CA]"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(twips(240, 720, 2655, 255));
    Option2->setFont(controlFont(10.5));
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });

    for (const ButtonSpec& b : buttonSpecs()) {
        QPushButton* button = addButton(this, b.name, QString::fromUtf16(b.caption),
                                        twips(b.left, b.top, b.width, b.height));
        this->*b.field = button;
        connect(button, &QPushButton::clicked, this, [this, click = b.click] { (this->*click)(); });
    }
    for (const TextBoxSpec& t : textBoxSpecs()) {
        QWidget* box = t.multiLine
                           ? static_cast<QWidget*>(this->*t.multiLine = new CrLfTextBox(this))
                           : static_cast<QWidget*>(this->*t.singleLine = new QLineEdit(this));
        box->setObjectName(QLatin1String(t.name));
        box->setGeometry(twips(t.left, t.top, t.width, t.height));
        box->setFont(controlFont(t.points));
    }
    // The declaration scrolls down and wraps its lines; the tables are stored texts, never shown.
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text5->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text5->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text2->setText(commonCathodeTable());
    Text2->setVisible(false);
    Text3->setText(commonAnodeTable());
    Text3->setVisible(false);

    Check1 = new QCheckBox(QStringLiteral("自动复制到剪贴板"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twips(720, 4800, 2295, 375));
    Check1->setFont(controlFont(10.5));
    Check1->setAutoFillBackground(true);

    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twips(5640, 4680, 3855, 495));
    Picture2->setFont(controlFont(10.5));

    // Keyboard order, tab index 0 to 25.
    const QList<QWidget*> order = {
        Frame1,      Option1,     Option2,     Picture1[0], Picture1[1], Picture1[2], Picture1[3],
        Picture1[4], Picture1[5], Picture1[6], Picture1[7], Text1,       Check1,      Text2,
        Command1,    Command2,    Text3,       Text4,       Command3,    Text5,       Command4,
        Command5,    Command6,    Command7,    Command8,    Picture2};
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);

    // The window sees every key press before the control that has the focus.
    new KeyPreview(*this, [this](qint16 code) { Form_KeyPress(code); });
    buildReadBack();
    buildMenu();
}

void SEG8::Form_Load() {
    // The shared utility object comes first: nothing may use it before this step.
    if (wkOut == nullptr) wkOut = new workOut(m_services);
    rt::ResumeNext rn(lcSeg8(), __func__);
    rn([&] { platform::require(m_services.random).seedFromClock(); });
    rn([&] { UpdateSegmentCode(); });
    rn([&] { Command4_Click(); });
    rn([&] {
        QVariant background(qint32(255)), foreground(qint32(16777215));
        sharedWorkOut().printShadow(
            Picture2->canvas(),
            QStringLiteral("Kelvarin  ver:") + versionHead() + versionRevision(),
            QVariant(qint16(300)), QVariant(qint16(100)), background, foreground);
    });
}

void SEG8::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void SEG8::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

void SEG8::Form_Resize() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    rn([&] {
        sharedWorkOut().DrawChange(canvas(), rt::rgb(130, 200, 180), rt::rgb(130, 130, 180), -3, 0,
                                   0, 0, 0, 0.2f, 1);
    });
    // A minimised or maximised window refuses size changes.
    if (windowState() & kSizeFixedStates) return;
    if (width() < kDesignWidth) resize(kDesignWidth, height());
    if (height() < kDesignHeight) resize(width(), kDesignHeight);
}

void SEG8::Form_KeyPress(qint16 KeyAscii) {
    if (KeyAscii == 27) endProgram();
}

void SEG8::endProgram() {
    // Once is enough: closing the window after Esc must not end the program a second time.
    if (m_ended) return;
    m_ended = true;
    if (m_services.program != nullptr) m_services.program->end();
}

void SEG8::Command6_Click() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    qint32 from = 0, to = 0, type = -1;
    rn([&] { from = randomColour(); });
    rn([&] { to = randomColour(); });
    rn([&] {
        // In double precision, so that r just below 1 cannot round up to a fifth type.
        const double r = platform::require(m_services.random).next();
        type = -static_cast<qint32>(std::floor(r * 4.0 + 1.0));
    });
    rn([&] { sharedWorkOut().DrawChange(canvas(), from, to, type, 0, 0, 0, 0, 0.2f, 1); });
}

void SEG8::Command8_Click() {
    // Loaded afresh on every opening; the main window takes no input while it is open.
    sponsor about(m_services, this);
    about.exec();
}

void SEG8::Command7_Click() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        // A window manager gives a window its size back as it leaves these states, after this
        // call returns. The design size and the place the window had before are given once it
        // has (resizeEvent), or after a moment at the latest: given now, the window manager's
        // own restoring would undo them.
        m_largeSize = size();
        m_restoreSize = true;
        setWindowState(windowState() & ~kSizeFixedStates);
        if (m_restoreSize) QTimer::singleShot(500, this, [this] { giveRestoredSize(); });
        return;
    }
    setWindowState(windowState() & ~kSizeFixedStates);
    resize(kDesignWidth, kDesignHeight);
    setWindowState(windowState() & ~kSizeFixedStates);
}

void SEG8::giveRestoredSize() {
    if (!m_restoreSize) return;
    m_restoreSize = false;
    resize(kDesignWidth, kDesignHeight);
    if (m_normalPlace) move(*m_normalPlace);
}

void SEG8::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Once the window manager has given back a size of its own.
    if (m_restoreSize && !(windowState() & kSizeFixedStates) && size() != m_largeSize)
        giveRestoredSize();
}

void SEG8::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The place of the window in its normal state, to go back to after maximising. A move
    // that comes with the maximised size (the window manager's, before the state is known)
    // is none.
    if (windowState() & kSizeFixedStates || m_restoreSize) return;
    const QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect();
    if (available.isValid() && frameGeometry().size() == available.size()) return;
    m_normalPlace = pos();
}

qint32 SEG8::randomColour() {
    platform::RandomGenerator& random = platform::require(m_services.random);
    const qint32 red = randomChannel(random);
    const qint32 green = randomChannel(random);
    const qint32 blue = randomChannel(random);
    return rt::rgb(red, green, blue);
}

void SEG8::Picture1_Click(qint16 Index) {
    rt::ResumeNext rn(lcSeg8(), __func__);
    if (Index >= 0 && Index < 8) toggleSegment(Index);
    rn([&] { UpdateSegmentCode(); });
}

void SEG8::toggleSegment(int index) {
    rt::ResumeNext rn(lcSeg8(), "Picture1_Click");
    const auto k = static_cast<size_t>(index);
    SegState[k] = static_cast<quint8>(1 - SegState[k]);
    if (SegState[k] == 1) {
        rn([&] {
            const qint32 a = randomColour();
            const qint32 b = randomColour();
            sharedWorkOut().DrawChange(Picture1[k]->canvas(), a, b, -4, 0, 0, 0, 0, 0.2f, 1);
        });
    } else {
        Picture1[k]->clearDrawing();
    }
}

void SEG8::UpdateSegmentCode() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    // The bit text, the port's bit 7 first: the state of the segment each bit drives (bit k
    // drives segment k on the standard wiring).
    QString bits;
    for (int i = 0; i <= 7; ++i)
        bits += QString::number(SegState[static_cast<size_t>(m_board.wiring.segmentOfBit(7 - i))]);
    if (!Option1->isChecked()) rn([&] { bits = sharedWorkOut().XorTwice(bits); });
    Text4->setText(bits + u'b');
    qint32 value = 0;
    bool wrong = false;
    rn([&] { value = sharedWorkOut().jzToDec(bits, 2, wrong); });
    if (m_board.isDefault()) {
        Text1->setText(QStringLiteral("0x") +
                       FormatHexByte(QString::number(value, 16).toUpper(), true) + u',');
    } else {
        Text1->setText(m_board.element(static_cast<quint8>(value & 0xFF)));
    }
    unmark(Text1);
    unmark(Text4);
    if (Check1->isChecked()) copyToClipboard(Text1->text());
}

QString SEG8::FormatHexByte(QString HexText, bool LowerCase) {
    bool digitsOnly = !HexText.isEmpty();
    for (const QChar c : HexText)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    if (digitsOnly) {
        // Formatted as a number of at least two digits.
        while (HexText.size() > 2 && HexText.startsWith(u'0'))
            HexText.remove(0, 1);
        if (HexText.size() < 2) HexText.prepend(u'0');
    }
    HexText = HexText.trimmed();
    if (HexText.size() == 1) HexText.prepend(u'0');
    return LowerCase ? HexText.toLower() : HexText.toUpper();
}

void SEG8::Option1_Click() {
    UpdateSegmentCode();
    Command4_Click();
}

void SEG8::Option2_Click() {
    UpdateSegmentCode();
    Command4_Click();
}

void SEG8::copyToClipboard(const QString& text) {
    rt::ResumeNext rn(lcSeg8(), __func__);
    rn([&] { platform::require(m_services.clipboard).clear(); });
    rn([&] { platform::require(m_services.clipboard).setText(text); });
}

void SEG8::Command3_Click() {
    // A code the box cannot read is not collected.
    if (marked(Text1)) return;
    appendCode(Text1->text() +
               (m_board.format == codes::Format::Hex ? QStringLiteral(" ") : QString()));
}

void SEG8::appendCode(const QString& code) {
    rt::ResumeNext rn(lcSeg8(), "Command3_Click");
    Added added{CodeCount, QString()};
    rn([&] { CodeCount = rt::add(CodeCount, 1); });
    // The first code of a line of an assembler's table comes after the line's directive.
    if (!m_board.linePrefix().isEmpty() && (CodeCount - 1) % m_board.codesPerLine() == 0)
        added.text += m_board.linePrefix();
    added.text += code;
    if (CodeCount % m_board.codesPerLine() == 0) added.text += kCrLf;
    Text5->appendText(added.text);
    m_added.push_back(added);
}

void SEG8::undoAdd() {
    if (m_added.empty()) return;
    const Added last = m_added.back();
    m_added.pop_back();
    // Only what the last addition wrote, where it still stands at the end of the declaration.
    QString text = Text5->text();
    if (!text.endsWith(last.text)) {
        m_added.clear();
        return;
    }
    text.chop(last.text.size());
    Text5->setText(text);
    Text5->moveCursor(QTextCursor::End);
    CodeCount = last.countBefore;
}

void SEG8::Command4_Click() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    QDate today;
    rn([&] { today = platform::require(m_services.clock).now().date(); });
    Text5->setText(m_board.declarationHeader(polarity(), today));
    CodeCount = 0;
    m_added.clear();
}

void SEG8::Command5_Click() {
    const QString declaration = Text5->text();
    copyToClipboard(declaration);
    CodeCount = 0;
    rt::ResumeNext rn(lcSeg8(), __func__);
    bool copied = false;
    rn([&] { copied = platform::require(m_services.clipboard).text() == declaration; });
    using Boxes = platform::MessageBoxes;
    rn([&] {
        platform::require(m_services.messageBoxes)
            .show(this, copied ? QStringLiteral("复制成功") : QStringLiteral("复制失败"),
                  Boxes::Buttons::Ok, copied ? Boxes::Icon::Information : Boxes::Icon::Warning,
                  QStringLiteral("复制到剪贴板"), Boxes::Text::Prose);
    });
}

void SEG8::offerStandardTable(const QString& table) {
    using Boxes = platform::MessageBoxes;
    rt::ResumeNext rn(lcSeg8(), __func__);
    Boxes::Answer answer = Boxes::Answer::No;
    rn([&] {
        answer =
            platform::require(m_services.messageBoxes)
                .show(this,
                      table + kCrLf + kCrLf + QStringLiteral("选择[是]复制到剪贴板,选择[否]返回."),
                      Boxes::Buttons::YesNo, Boxes::Icon::Information,
                      QStringLiteral("选择[是]复制到剪贴板"), Boxes::Text::Table);
    });
    if (answer == Boxes::Answer::Yes) copyToClipboard(table);
}

void SEG8::Command1_Click() {
    offerStandardTable(m_board.isDefault() ? Text2->text()
                                           : m_board.standardTable(codes::Polarity::CommonCathode));
}

void SEG8::Command2_Click() {
    offerStandardTable(m_board.isDefault() ? Text3->text()
                                           : m_board.standardTable(codes::Polarity::CommonAnode));
}

codes::Polarity SEG8::polarity() const {
    return Option1->isChecked() ? codes::Polarity::CommonCathode : codes::Polarity::CommonAnode;
}

quint8 SEG8::pattern() const {
    quint8 p = 0;
    for (int k = 0; k < 8; ++k)
        p |= static_cast<quint8>(SegState[static_cast<size_t>(k)] << k);
    return p;
}

void SEG8::updateCaption() {
    QString caption = QStringLiteral("Kelvarin      design bY:Quarvel  mailto:") + authorEmail();
    // The board's wiring and format are shown while they are not the standard ones.
    if (!m_board.isDefault()) caption += QStringLiteral("  [") + m_board.summary() + u']';
    setWindowTitle(caption);
}

// --- Codes typed back into the boxes ---

void SEG8::buildReadBack() {
    for (QLineEdit* box : {Text1, Text4}) {
        connect(box, &QLineEdit::returnPressed, this, [this, box] { readBack(box); });
        // Typing again takes the mark away until the next Enter.
        connect(box, &QLineEdit::textEdited, this, [this, box] { unmark(box); });
    }
}

void SEG8::readBack(QLineEdit* box) {
    QString error;
    const std::optional<quint8> code = codes::readCode(box->text(), &error);
    if (!code) {
        // The text stays as typed, marked, with the reason at hand; no message box.
        box->setProperty("unreadable", true);
        box->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
        box->setToolTip(tr("无法识别为段码：%1").arg(error));
        return;
    }
    setPattern(codes::patternOf(*code, m_board.wiring, polarity()));
}

void SEG8::unmark(QLineEdit* box) {
    if (!marked(box)) return;
    box->setProperty("unreadable", false);
    box->setStyleSheet(QString());
    box->setToolTip(QString());
}

bool SEG8::marked(const QLineEdit* box) const {
    return box->property("unreadable").toBool();
}

void SEG8::setPattern(quint8 wanted) {
    // Each segment that changes is painted as a click paints it; the code follows once.
    for (int k = 0; k < 8; ++k) {
        const auto lit = static_cast<quint8>((wanted >> k) & 1);
        if (SegState[static_cast<size_t>(k)] != lit) toggleSegment(k);
    }
    UpdateSegmentCode();
}

// --- The context menu ---

void SEG8::buildMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("contextMenu"));
    auto add = [this](const QString& name, const QString& text, const QKeySequence& keys,
                      void (SEG8::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);  // the shortcut works with the menu closed
        }
        connect(action, &QAction::triggered, this, slot);
        m_menu->addAction(action);
        return action;
    };
    add(QStringLiteral("openWiring"), tr("接线与输出…"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
        &SEG8::openWiringWindow);
    add(QStringLiteral("openTextCodes"), tr("文字转段码…"), QKeySequence(Qt::CTRL | Qt::Key_T),
        &SEG8::openTextCodesWindow);
    m_menu->addSeparator();
    add(QStringLiteral("lightAll"), tr("全部点亮"), QKeySequence(), &SEG8::lightAll);
    add(QStringLiteral("clearAll"), tr("全部熄灭"), QKeySequence(), &SEG8::clearAll);
    m_menu->addSeparator();
    // Ctrl+Z in a text box is the box's own undo: the boxes take it before the window does.
    add(QStringLiteral("undoAdd"), tr("撤销添加"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        &SEG8::undoAdd);
    // The keyboard's ways to the menu: the Menu key and Shift+F10.
    auto* keyboard = new QAction(this);
    keyboard->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keyboard->setShortcutContext(Qt::WindowShortcut);
    connect(keyboard, &QAction::triggered, this, [this] {
        QWidget* at = focusWidget() != nullptr ? focusWidget() : this;
        showMenu(at->mapToGlobal(at->rect().center()));
    });
    addAction(keyboard);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    for (PictureBox* box : Picture1)
        box->setToolTip(tr("单击点亮或熄灭这一段；右键（或 Shift+F10）打开菜单"));
}

void SEG8::contextMenuEvent(QContextMenuEvent* event) {
    showMenu(event->globalPos());
    event->accept();
}

void SEG8::showMenu(const QPoint& at) {
    m_menu->popup(at);
}

void SEG8::lightAll() {
    setPattern(0xFF);
}

void SEG8::clearAll() {
    setPattern(0x00);
}

// --- The two windows for real boards ---

void SEG8::openWiringWindow() {
    WiringWindow window(m_board, polarity(), pattern(), m_services.preferences, this);
    if (window.exec() != QDialog::Accepted) return;
    const codes::Polarity chosen = window.polarity();
    const BoardSettings board = window.board();
    const bool changed = !(board == m_board);
    m_board = board;
    m_board.save(m_services.preferences);
    updateCaption();
    if (chosen != polarity()) {
        // As the option buttons do: the code follows, a new declaration begins.
        (chosen == codes::Polarity::CommonCathode ? Option1 : Option2)->setChecked(true);
    } else if (changed) {
        UpdateSegmentCode();
        Command4_Click();
    }
}

void SEG8::openTextCodesWindow() {
    TextCodesWindow window(
        m_board, polarity(), m_services.preferences, m_services.clipboard,
        [this](const QList<quint8>& codes) {
            for (const quint8 code : codes)
                appendCode(m_board.collected(code));
        },
        this);
    window.exec();
}

}  // namespace kelvarin
