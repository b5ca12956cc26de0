// SPDX-License-Identifier: MIT
// The wiring and output window.

#include "segment_window/wiring_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include "gui/window_placement.h"
#include "segment_codes/formats.h"
#include "segment_codes/presets.h"
#include "segment_window/digit_view.h"

namespace kelvarin {

namespace {

// Room for a window manager's frame and title bar around a window fitted to the screen.
const QSize kFrameRoom(16, 48);

// The rows of a list with their text and, after it, what the item's data says of it.
class DescribedItems final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString about = index.data(Qt::UserRole).toString();
        if (!about.isEmpty()) option->text += QStringLiteral(" — ") + about;
    }
};

}  // namespace

WiringWindow::WiringWindow(const BoardSettings& board, codes::Polarity polarity, quint32 pattern,
                           platform::Preferences* preferences, QWidget* owner)
    : QDialog(owner),
      m_kind(board.wiring.kind()),
      m_count(codes::segmentCount(m_kind)),
      m_pattern(pattern) {
    setObjectName(QStringLiteral("WiringWindow"));
    setWindowTitle(tr("接线与输出"));
    // Everything but OK and Cancel scrolls where the screen is smaller than the window.
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("wiringScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(content);
    outer->addWidget(scroll);

    // The digit with its segments named, beside the bits and the segments they drive.
    auto* wiringBox = new QGroupBox(tr("接线：每一位驱动的段"), this);
    auto* wiringLayout = new QHBoxLayout(wiringBox);
    m_digit = new DigitView(wiringBox);
    m_digit->setKind(m_kind);
    m_digit->setLabelled(true);
    m_digit->setPattern(codes::allSegments(m_kind));
    m_digit->setFixedSize(m_digit->sizeHint());
    wiringLayout->addWidget(m_digit);
    auto* bits = new QGridLayout;
    // Two columns of four bits; the 15 or 17 bits of the wider kinds in three columns.
    const int rows = m_count > 8 ? (m_count + 2) / 3 : 4;
    for (int k = 0; k < m_count; ++k) {
        auto* label = new QLabel(wiringBox);
        m_bitLabels[static_cast<size_t>(k)] = label;
        auto* choice = new QComboBox(wiringBox);
        choice->setObjectName(QStringLiteral("bit%1").arg(k));
        for (int s = 0; s < m_count; ++s)
            choice->addItem(codes::segmentName(m_kind, s), s);
        label->setBuddy(choice);
        bits->addWidget(label, k % rows, (k / rows) * 2);
        bits->addWidget(choice, k % rows, (k / rows) * 2 + 1);
        m_bits[static_cast<size_t>(k)] = choice;
        connect(choice, &QComboBox::activated, this, [this, k, choice](int index) {
            setSegmentOfBit(k, choice->itemData(index).toInt());
        });
    }
    auto* presets = new QHBoxLayout;
    auto* standard = new QPushButton(tr("标准顺序 (a…dp)"), wiringBox);
    standard->setObjectName(QStringLiteral("standardOrder"));
    auto* reversed = new QPushButton(tr("反向顺序 (dp…a)"), wiringBox);
    reversed->setObjectName(QStringLiteral("reversedOrder"));
    for (QPushButton* b : {standard, reversed})
        b->setAutoDefault(false);
    presets->addWidget(standard);
    presets->addWidget(reversed);
    connect(standard, &QPushButton::clicked, this, [this] { setWiring(codes::Wiring(m_kind)); });
    connect(reversed, &QPushButton::clicked, this,
            [this] { setWiring(codes::Wiring::reversed(m_kind)); });
    // The driver chips' and modules' wirings, above the choices bit by bit.
    m_preset = new QComboBox(wiringBox);
    m_preset->setObjectName(QStringLiteral("preset"));
    m_preset->addItem(tr("（自定义）"), QString());
    for (const codes::Preset& preset : codes::presets()) {
        if (preset.kind != m_kind) continue;
        m_preset->addItem(preset.nameText(), preset.nameText());
    }
    auto* presetLabel = new QLabel(tr("预设(&P)："), wiringBox);
    presetLabel->setBuddy(m_preset);
    m_port = new QComboBox(wiringBox);
    m_port->setObjectName(QStringLiteral("port"));
    for (int p = 0; p < 4; ++p)
        m_port->addItem(QStringLiteral("P%1").arg(p), p);
    m_preferences = preferences;
    const int keptPort = preferences != nullptr ? preferences->value(portKey()).toInt() : 0;
    m_port->setCurrentIndex(keptPort >= 0 && keptPort < 4 ? keptPort : 0);
    auto* portLabel = new QLabel(tr("端口(&O)："), wiringBox);
    portLabel->setBuddy(m_port);
    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(m_preset, 1);
    presetRow->addWidget(portLabel);
    presetRow->addWidget(m_port);
    connect(m_preset, &QComboBox::activated, this, [this](int index) { choosePreset(index); });
    connect(m_port, &QComboBox::currentIndexChanged, this, [this] { refreshLabels(); });
    auto* right = new QVBoxLayout;
    right->addLayout(presetRow);
    right->addLayout(bits);
    right->addLayout(presets);
    wiringLayout->addLayout(right);
    layout->addWidget(wiringBox);

    // The output.
    auto* outputBox = new QGroupBox(tr("输出"), this);
    auto* form = new QGridLayout(outputBox);
    m_cathode = new QRadioButton(tr("共阴"), outputBox);
    m_cathode->setObjectName(QStringLiteral("cathode"));
    m_anode = new QRadioButton(tr("共阳"), outputBox);
    m_anode->setObjectName(QStringLiteral("anode"));
    (polarity == codes::Polarity::CommonAnode ? m_anode : m_cathode)->setChecked(true);
    auto* polarityRow = new QHBoxLayout;
    polarityRow->addWidget(m_cathode);
    polarityRow->addWidget(m_anode);
    polarityRow->addStretch();
    form->addWidget(new QLabel(tr("数码管："), outputBox), 0, 0);
    form->addLayout(polarityRow, 0, 1);
    m_format = new QComboBox(outputBox);
    m_format->setObjectName(QStringLiteral("format"));
    // The list names each format with what it is; the box and the line below it show the
    // chosen one's.
    m_format->view()->setItemDelegate(new DescribedItems(m_format));
    for (const codes::FormatDescription* f : codes::formats()) {
        const QString about = formatDescription(*f);
        m_format->addItem(f->nameText(), about);
        m_format->setItemData(m_format->count() - 1, about, Qt::ToolTipRole);
    }
    m_format->setCurrentIndex(static_cast<int>(codes::formats().indexOf(board.format)));
    auto* formatLabel = new QLabel(tr("格式(&F)："), outputBox);
    formatLabel->setBuddy(m_format);
    form->addWidget(formatLabel, 1, 0);
    m_formatAbout = new QLabel(outputBox);
    m_formatAbout->setObjectName(QStringLiteral("formatDescription"));
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(m_format);
    formatRow->addWidget(m_formatAbout, 1);
    form->addLayout(formatRow, 1, 1);
    m_name = new QLineEdit(board.name, outputBox);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setPlaceholderText(codes::defaultName(polarity));
    auto* nameLabel = new QLabel(tr("数组名(&N)："), outputBox);
    nameLabel->setBuddy(m_name);
    form->addWidget(nameLabel, 2, 0);
    form->addWidget(m_name, 2, 1);
    m_perLine = new QSpinBox(outputBox);
    m_perLine->setObjectName(QStringLiteral("perLine"));
    m_perLine->setRange(0, 256);
    m_perLine->setSpecialValueText(tr("自动"));
    m_perLine->setValue(board.perLine);
    auto* perLineLabel = new QLabel(tr("每行个数(&L)："), outputBox);
    perLineLabel->setBuddy(m_perLine);
    form->addWidget(perLineLabel, 3, 0);
    form->addWidget(m_perLine, 3, 1);
    m_upper = new QCheckBox(tr("十六进制大写(&U)"), outputBox);
    m_upper->setObjectName(QStringLiteral("upper"));
    m_upper->setChecked(board.upper);
    form->addWidget(m_upper, 4, 1);
    layout->addWidget(outputBox);

    // The preview.
    auto* previewBox = new QGroupBox(tr("预览"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    m_code = new QLabel(previewBox);
    m_code->setObjectName(QStringLiteral("codePreview"));
    // The table's head with its lines whole: the wide codes' lines scroll across.
    m_preview = new QPlainTextEdit(previewBox);
    m_preview->setObjectName(QStringLiteral("tablePreview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_preview->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_preview->setFixedHeight(QFontMetrics(m_preview->font()).lineSpacing() * 3 +
                              m_preview->horizontalScrollBar()->sizeHint().height() +
                              2 * m_preview->frameWidth() +
                              static_cast<int>(2 * m_preview->document()->documentMargin()));
    previewLayout->addWidget(m_code);
    previewLayout->addWidget(m_preview);
    layout->addWidget(previewBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    // Keyboard order: the bits in order, the presets, then the output, OK and Cancel.
    QList<QWidget*> order{m_preset, m_port};
    order.append(QList<QWidget*>(m_bits.begin(), m_bits.begin() + m_count));
    order << standard << reversed << m_cathode << m_anode << m_format << m_name << m_perLine
          << m_upper << m_ok << buttons->button(QDialogButtonBox::Cancel);
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);

    for (QRadioButton* r : {m_cathode, m_anode})
        connect(r, &QRadioButton::toggled, this, [this] { refresh(); });
    connect(m_format, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(m_name, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(m_perLine, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(m_upper, &QCheckBox::toggled, this, [this] { refresh(); });

    connect(this, &QDialog::accepted, this, [this] {
        if (m_preferences != nullptr) m_preferences->setValue(portKey(), port());
    });
    refreshLabels();
    setWiring(board.wiring);

    // The window's own size, or the available screen's where that is smaller (room left for the
    // manager's frame): the rest scrolls, OK and Cancel stay on the screen.
    const QMargins margins = outer->contentsMargins();
    QSize want =
        content->sizeHint() +
        QSize(scroll->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right(),
              outer->spacing() + buttons->sizeHint().height() + margins.top() + margins.bottom());
    const QScreen* shownOn = owner != nullptr ? owner->screen() : screen();
    if (shownOn != nullptr) want = want.boundedTo(shownOn->availableGeometry().size() - kFrameRoom);
    resize(want);
    new gui::KeptPlacement(*this, preferences, QStringLiteral("windows/wiring/geometry"),
                           [owner] { return owner != nullptr ? owner->frameGeometry() : QRect(); });
}

void WiringWindow::setSegmentOfBit(int bit, int segment) {
    if (bit < 0 || bit >= m_count || segment < 0 || segment >= m_count) return;
    const int former = m_segmentOfBit[static_cast<size_t>(bit)];
    for (int k = 0; k < m_count; ++k) {
        if (k != bit && m_segmentOfBit[static_cast<size_t>(k)] == segment)
            m_segmentOfBit[static_cast<size_t>(k)] = former;
    }
    m_segmentOfBit[static_cast<size_t>(bit)] = segment;
    refresh();
}

void WiringWindow::setWiring(const codes::Wiring& wiring) {
    if (wiring.kind() != m_kind) return;
    for (int k = 0; k < m_count; ++k)
        m_segmentOfBit[static_cast<size_t>(k)] = wiring.segmentOfBit(k);
    refresh();
}

BoardSettings WiringWindow::board() const {
    BoardSettings b;
    QStringList names;
    for (int k = 0; k < m_count; ++k)
        names << codes::segmentName(m_kind, m_segmentOfBit[static_cast<size_t>(k)]);
    b.wiring = *codes::Wiring::parse(names.join(u','), nullptr, m_kind);
    b.format = codes::formats().value(m_format->currentIndex(), &codes::defaultFormat());
    b.name = m_name->text().trimmed();
    b.perLine = m_perLine->value();
    b.upper = m_upper->isChecked();
    return b;
}

int WiringWindow::port() const {
    return m_port->currentData().toInt();
}

QString WiringWindow::formatDescription(const codes::FormatDescription& format) {
    const QString name = format.nameText();
    if (name == u"classic") return tr("C51，本窗口标准表的样式");
    if (name == u"c51") return tr("C51，一个接一个，以空格分隔");
    if (name == u"sdcc") return tr("SDCC 8051 C（__code）");
    if (name == u"c") return tr("可移植 C（stdint.h，const uint8_t）");
    if (name == u"arduino") return tr("AVR，表在程序存储器中（PROGMEM，0b…）");
    if (name == u"sdas") return tr("SDCC 的 8051 汇编（.db）");
    if (name == u"a51") return tr("A51 汇编（DB 03FH）");
    if (name == u"hex") return tr("十六进制的裸字节");
    return format.descriptionText();
}

void WiringWindow::refreshLabels() {
    // The bits past 7 are on the ports after the chosen one (while there is one).
    for (int k = 0; k < m_count; ++k) {
        const int onPort = port() + k / 8;
        m_bitLabels[static_cast<size_t>(k)]->setText(
            onPort <= 3 ? tr("位 %1 (P%2.%3)").arg(k).arg(onPort).arg(k % 8) : tr("位 %1").arg(k));
    }
}

void WiringWindow::choosePreset(int index) {
    const codes::Preset* preset = codes::presetNamed(m_preset->itemData(index).toString());
    if (preset == nullptr) return;
    (preset->polarity == codes::Polarity::CommonAnode ? m_anode : m_cathode)->setChecked(true);
    setWiring(preset->wiringOf());
}

codes::Polarity WiringWindow::polarity() const {
    return m_anode->isChecked() ? codes::Polarity::CommonAnode : codes::Polarity::CommonCathode;
}

bool WiringWindow::nameValid() const {
    const QString name = m_name->text().trimmed();
    return name.isEmpty() || codes::validName(name, *board().format);
}

void WiringWindow::refresh() {
    if (m_setting) return;
    m_setting = true;
    for (int k = 0; k < m_count; ++k)
        m_bits[static_cast<size_t>(k)]->setCurrentIndex(m_segmentOfBit[static_cast<size_t>(k)]);
    m_setting = false;
    const BoardSettings b = board();
    const codes::Polarity p = polarity();
    m_name->setPlaceholderText(codes::defaultName(p));
    // A name the format cannot take is marked, and OK is not offered.
    m_formatAbout->setText(formatDescription(*b.format));
    const bool valid = b.name.isEmpty() || codes::validName(b.name, *b.format);
    m_name->setStyleSheet(valid ? QString()
                                : QStringLiteral("QLineEdit { border: 2px solid red; }"));
    m_name->setToolTip(valid ? QString()
                             : tr("数组名“%1”不能用于 %2 格式：须以字母或下划线开头，"
                                  "只含字母、数字和下划线，且不是关键字")
                                   .arg(b.name, b.format->nameText()));
    m_ok->setEnabled(valid);
    // The preset whose wiring and polarity these are (the one chosen, where several share
    // them), or 自定义.
    auto fits = [&](int k) {
        const codes::Preset* preset = codes::presetNamed(m_preset->itemData(k).toString());
        return preset != nullptr && preset->wiringOf() == b.wiring && preset->polarity == p;
    };
    int presetIndex = fits(m_preset->currentIndex()) ? m_preset->currentIndex() : 0;
    for (int k = 1; k < m_preset->count() && presetIndex == 0; ++k) {
        if (fits(k)) presetIndex = k;
    }
    m_preset->setCurrentIndex(presetIndex);
    const codes::Code code = codes::codeOf(m_pattern, b.wiring, p);
    m_code->setText(tr("当前段码：%1  (%2b)")
                        .arg(b.declaration(p).element(code))
                        .arg(code, b.wiring.bits(), 2, QLatin1Char('0')));
    // The table's beginning, down to its first line of entries.
    BoardSettings shown = b;
    if (!valid) shown.name.clear();
    const QStringList lines = shown.standardTable(p).split(QStringLiteral("\r\n"));
    const codes::Table table = codes::standardTable(b.wiring, p);
    const QString first =
        table.lines.isEmpty() || table.lines[0].entries.isEmpty()
            ? QString()
            : b.format->entry(table.lines[0].entries[0].code, table.bits, b.upper);
    QStringList head;
    for (const QString& line : lines) {
        head << line;
        if (!first.isEmpty() && line.contains(first)) break;
    }
    m_preview->setPlainText(head.join(u'\n'));
}

}  // namespace kelvarin
