// SPDX-License-Identifier: MIT
#include "segment_window/seg8.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cmath>

#include "about_window/sponsor.h"
#include "build_info/app_info.h"
#include "gui/common_controls.h"
#include "gui/control_font.h"
#include "gui/key_preview.h"
#include "gui/twips.h"
#include "gui/window_placement.h"
#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "segment_window/seg8_trace.h"
#include "workout/wkout.h"
#include "workout/workout.h"

namespace kelvarin {

Q_LOGGING_CATEGORY(lcSeg8, "kelvarin.window.seg8", QtInfoMsg)

namespace {

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
    if (kind() != codes::DisplayKind::Seven) showKind();
    Form_Load();
}

// The command buttons: name, caption, place in twips, handler.
const std::vector<SEG8::ButtonSpec>& SEG8::buttonSpecs() {
    static const std::vector<ButtonSpec> specs = {
        {"Command8", QT_TRANSLATE_NOOP("kelvarin::SEG8", "赞助/关于"), 8040, 360, 1215, 375,
         &SEG8::Command8, &SEG8::Command8_Click},
        {"Command1", QT_TRANSLATE_NOOP("kelvarin::SEG8", "共阴数码管常用段码"), 6960, 840, 2295,
         375, &SEG8::Command1, &SEG8::Command1_Click},
        {"Command2", QT_TRANSLATE_NOOP("kelvarin::SEG8", "共阳数码管常用段码"), 6960, 1200, 2295,
         375, &SEG8::Command2, &SEG8::Command2_Click},
        {"Command6", QT_TRANSLATE_NOOP("kelvarin::SEG8", "随机换色"), 3240, 1920, 1095, 375,
         &SEG8::Command6, &SEG8::Command6_Click},
        {"Command7", QT_TRANSLATE_NOOP("kelvarin::SEG8", "还原窗口"), 4320, 1920, 1095, 375,
         &SEG8::Command7, &SEG8::Command7_Click},
        {"Command5", QT_TRANSLATE_NOOP("kelvarin::SEG8", "复制到剪贴板"), 5640, 1920, 1575, 375,
         &SEG8::Command5, &SEG8::Command5_Click},
        {"Command4", QT_TRANSLATE_NOOP("kelvarin::SEG8", "清空"), 7200, 1920, 735, 375,
         &SEG8::Command4, &SEG8::Command4_Click},
        {"Command3", QT_TRANSLATE_NOOP("kelvarin::SEG8", "添加到文本框"), 7920, 1920, 1575, 375,
         &SEG8::Command3, &SEG8::Command3_Click}};
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
    gui::initCommonControls();
}

void SEG8::buildControls() {
    setObjectName(QStringLiteral("SEG8"));
    updateCaption();
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvarin.png")));
    m_background = new gui::WindowBackground(*this, [this] { Form_Resize(); });
    // Opens centred on the screen.
    new gui::CentredPlacement(*this, nullptr);
    resize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kDesignHeight);

    for (int k = 0; k < 8; ++k) {
        auto* box = new gui::PictureBox(this);
        box->setObjectName(QStringLiteral("Picture1(%1)").arg(k));
        const SegmentBox& g = kSegmentBoxes[static_cast<size_t>(k)];
        box->setGeometry(gui::twips(g.left, g.top, g.width, g.height));
        box->setClickable(true);
        connect(box, &gui::PictureBox::clicked, this,
                [this, k] { Picture1_Click(static_cast<qint16>(k)); });
        Picture1[static_cast<size_t>(k)] = box;
    }

    Frame1 = new QGroupBox(tr("选择数码管"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(gui::twips(3360, 360, 3135, 1215));
    Frame1->setFont(gui::controlFont(10.5));
    Frame1->setAutoFillBackground(true);
    Option1 = new QRadioButton(tr("共阴数码管-[SEG-8,CC]"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(gui::twips(240, 360, 2655, 330));
    Option1->setFont(gui::controlFont(10.5));
    Option1->setChecked(true);
    Option2 = new QRadioButton(tr("共阳数码管-[SEG-8,CA]"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(gui::twips(240, 720, 2655, 255));
    Option2->setFont(gui::controlFont(10.5));
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });

    for (const ButtonSpec& b : buttonSpecs()) {
        QPushButton* button = gui::addButton(this, b.name, tr(b.caption),
                                             gui::twips(b.left, b.top, b.width, b.height));
        this->*b.field = button;
        connect(button, &QPushButton::clicked, this, [this, click = b.click] { (this->*click)(); });
    }
    for (const TextBoxSpec& t : textBoxSpecs()) {
        QWidget* box = t.multiLine
                           ? static_cast<QWidget*>(this->*t.multiLine = new gui::CrLfTextBox(this))
                           : static_cast<QWidget*>(this->*t.singleLine = new QLineEdit(this));
        box->setObjectName(QLatin1String(t.name));
        box->setGeometry(gui::twips(t.left, t.top, t.width, t.height));
        box->setFont(gui::controlFont(t.points));
    }
    // The declaration scrolls down and wraps its lines; the tables are stored texts, never shown.
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text5->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text5->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A project open marks its changes in the caption.
    connect(Text5, &QPlainTextEdit::textChanged, this, [this] { projectChanged(); });
    showStandardTables();
    Text2->setVisible(false);
    Text3->setVisible(false);

    Check1 = new QCheckBox(tr("自动复制到剪贴板"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(gui::twips(720, 4800, 2295, 375));
    Check1->setFont(gui::controlFont(10.5));
    Check1->setAutoFillBackground(true);

    m_boardSummary = new QLabel(this);
    m_boardSummary->setObjectName(QStringLiteral("boardSummary"));
    m_boardSummary->setGeometry(gui::twips(720, 5235, 8775, 330));
    m_boardSummary->setFont(gui::controlFont(9));
    m_boardSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    updateCaption();

    Picture2 = new gui::PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(gui::twips(5640, 4680, 3855, 495));
    Picture2->setFont(gui::controlFont(10.5));

    // Keyboard order, tab index 0 to 25.
    const QList<QWidget*> order = {
        Frame1,      Option1,     Option2,     Picture1[0], Picture1[1], Picture1[2], Picture1[3],
        Picture1[4], Picture1[5], Picture1[6], Picture1[7], Text1,       Check1,      Text2,
        Command1,    Command2,    Text3,       Text4,       Command3,    Text5,       Command4,
        Command5,    Command6,    Command7,    Command8,    Picture2};
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);

    // The window sees every key press before the control that has the focus.
    new gui::KeyPreview(*this, [this](qint16 code) { Form_KeyPress(code); });
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
    if (!m_ended && !settleProject()) {
        event->ignore();
        return;
    }
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
    if (KeyAscii == 27 && settleProject()) endProgram();
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

void SEG8::updateCaption() {
    QString caption = QStringLiteral("Kelvarin      design bY:Quarvel  mailto:") + authorEmail();
    // The board's wiring and format are shown while they are not the standard ones: in the
    // window, below its controls, where they cut nothing of the caption.
    if (m_boardSummary != nullptr) {
        m_boardSummary->setText(m_board.isDefault() ? QString() : m_board.summary());
        m_boardSummary->setVisible(!m_board.isDefault());
    }
    // A project open is named first, marked while it has unsaved changes.
    if (m_project.open) caption = projectTitle() + QStringLiteral(" - ") + caption;
    setWindowTitle(caption);
}

}  // namespace kelvarin
