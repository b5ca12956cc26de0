// SPDX-License-Identifier: MIT
// The main window's segments and the code they make: the segment click, the code of the
// segments in binary and as an array element, and the digit type.
//
// With the default board (the standard wiring, the window's own style) the code is worked out
// step by step as the window always has: the bit text from bit 7 down, inverted with XorTwice
// for common anode, read with jzToDec, written with FormatHexByte. Every other board asks the
// segment-code core.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "segment_window/digit_view.h"
#include "segment_window/seg8.h"
#include "segment_window/seg8_trace.h"
#include "workout/wkout.h"
#include "workout/workout.h"

namespace kelvarin {

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
    if (!m_board.isDefault()) {
        rn([&] { showBoardCode(); });
    } else {
        // The bit text, dp's bit first and segment a's last.
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
    }
    unmark(Text1);
    unmark(Text4);
    if (Check1->isChecked()) copyToClipboard(Text1->text());
}

void SEG8::showBoardCode() {
    const codes::Code code = codes::codeOf(litSegments(), m_board.wiring, polarity());
    // In the kind's width: 8, 15 or 17 binary digits.
    Text4->setText(QStringLiteral("%1b").arg(code, m_board.wiring.bits(), 2, QLatin1Char('0')));
    Text1->setText(declaration().element(code));
}

quint32 SEG8::litSegments() const {
    return kind() == codes::DisplayKind::Seven ? pattern() : m_widePattern;
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

codes::Polarity SEG8::polarity() const {
    return Option1->isChecked() ? codes::Polarity::CommonCathode : codes::Polarity::CommonAnode;
}

quint8 SEG8::pattern() const {
    quint8 p = 0;
    for (int k = 0; k < 8; ++k)
        p |= static_cast<quint8>(SegState[static_cast<size_t>(k)] << k);
    return p;
}

void SEG8::setPattern(quint32 wanted) {
    if (kind() != codes::DisplayKind::Seven) {
        m_widePattern = wanted & codes::allSegments(kind());
        m_wideDigit->setPattern(m_widePattern);
        UpdateSegmentCode();
        return;
    }
    // Each segment that changes is painted as a click paints it; the code follows once.
    for (int k = 0; k < 8; ++k) {
        const auto lit = static_cast<quint8>((wanted >> k) & 1);
        if (SegState[static_cast<size_t>(k)] != lit) toggleSegment(k);
    }
    UpdateSegmentCode();
}

}  // namespace kelvarin
