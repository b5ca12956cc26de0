// SPDX-License-Identifier: MIT
#include "segment_window/seg8.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
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
#include "segment_window/standard_tables.h"
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
    setWindowTitle(QStringLiteral("Kelvarin      design bY:Quarvel  mailto:") + authorEmail());
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
        // A window manager puts a window back where it was as it leaves these states, with a
        // move that comes after this call returns. The design size is given once it has come
        // (resizeEvent), or after a moment at the latest: a size given now would keep the
        // maximised window's corner as the place.
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
    // The place as the window manager gave it back, the client area's corner kept.
    setGeometry(QRect(geometry().topLeft(), QSize(kDesignWidth, kDesignHeight)));
}

void SEG8::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_restoreSize && !(windowState() & kSizeFixedStates)) giveRestoredSize();
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
    if (Index >= 0 && Index < 8) {
        const auto k = static_cast<size_t>(Index);
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
    rn([&] { UpdateSegmentCode(); });
}

void SEG8::UpdateSegmentCode() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    QString bits;
    for (int i = 0; i <= 7; ++i)
        bits += QString::number(SegState[static_cast<size_t>(7 - i)]);
    if (!Option1->isChecked()) rn([&] { bits = sharedWorkOut().XorTwice(bits); });
    Text4->setText(bits + u'b');
    qint32 value = 0;
    bool wrong = false;
    rn([&] { value = sharedWorkOut().jzToDec(bits, 2, wrong); });
    Text1->setText(QStringLiteral("0x") +
                   FormatHexByte(QString::number(value, 16).toUpper(), true) + u',');
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
    rt::ResumeNext rn(lcSeg8(), __func__);
    rn([&] { CodeCount = rt::add(CodeCount, 1); });
    Text5->appendText(Text1->text());
    if (CodeCount % 10 == 0) Text5->appendText(kCrLf);
}

void SEG8::Command4_Click() {
    rt::ResumeNext rn(lcSeg8(), __func__);
    QDate today;
    rn([&] { today = platform::require(m_services.clock).now().date(); });
    const QString type = Option1->isChecked() ? QStringLiteral("cc") : QStringLiteral("ca");
    const QString date = QStringLiteral("%1年%2月%3日")
                             .arg(today.year() % 100, 2, 10, QLatin1Char('0'))
                             .arg(today.month(), 2, 10, QLatin1Char('0'))
                             .arg(today.day(), 2, 10, QLatin1Char('0'));
    Text5->setText(QStringLiteral("unsigned char code seg-") + type +
                   QStringLiteral("[]{ // 创建于: ") + date + QStringLiteral(" design:______") +
                   kCrLf);
    CodeCount = 0;
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
    offerStandardTable(Text2->text());
}

void SEG8::Command2_Click() {
    offerStandardTable(Text3->text());
}

}  // namespace kelvarin
