// SPDX-License-Identifier: MIT
// The main window's two standard tables: 57 codes each, built from the cathode codes.

#include "segment_window/standard_tables.h"

#include <QStringList>

#include <array>

namespace kelvarin {

namespace {

// Common-cathode codes, bit 0 = segment a ... bit 7 = dp.
// 0-9 and a-f; the same with the decimal point, then a blank; h j l n o p q r u v x y; the same
// with the decimal point.
constexpr std::array<unsigned, 16> kDigits = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07,
                                              0x7f, 0x6f, 0x77, 0x7c, 0x39, 0x5e, 0x79, 0x71};
constexpr std::array<unsigned, 12> kLetters = {0x74, 0x0e, 0x38, 0x54, 0x5c, 0x73,
                                               0x67, 0x50, 0x3e, 0x1c, 0x76, 0x6e};
constexpr unsigned kDecimalPoint = 0x80;

struct TableLine {
    QList<unsigned> codes;
    QString comment;  // everything after the entries, spacing included
};

QList<TableLine> lines() {
    TableLine digits{{}, QString(8, u' ') + "//0-f" + QString(11, u' ') + "[0-15]"};
    TableLine dotted{{}, QString(3, u' ') + "//0.-f.,' '" + QString(5, u' ') + "[16-32]"};
    TableLine letters{
        {}, QString(28, u' ') + "//h j l n o p q r u v x y" + QString(2, u' ') + "[33-44]"};
    TableLine dottedLetters{
        {}, QString(28, u' ') + "//h.j.l.n.o.p.q.r.u.v.x.y." + QString(1, u' ') + "[45-56]"};
    for (unsigned c : kDigits) {
        digits.codes << c;
        dotted.codes << (c | kDecimalPoint);
    }
    dotted.codes << 0x00;
    for (unsigned c : kLetters) {
        letters.codes << c;
        dottedLetters.codes << (c | kDecimalPoint);
    }
    return {digits, dotted, letters, dottedLetters};
}

QString buildTable(const QString& header, bool complement) {
    const QString crlf = QStringLiteral("\r\n");
    QString text = header + crlf;
    const QList<TableLine> body = lines();
    for (qsizetype n = 0; n < body.size(); ++n) {
        const TableLine& line = body[n];
        for (qsizetype k = 0; k < line.codes.size(); ++k) {
            const unsigned code = complement ? 0xffu - line.codes[k] : line.codes[k];
            const bool last = n == body.size() - 1 && k == line.codes.size() - 1;
            text += QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
            text += last ? QStringLiteral("};") : QStringLiteral(",");
        }
        text += line.comment + crlf;
    }
    return text;
}

}  // namespace

const QString& commonCathodeTable() {
    static const QString table =
        buildTable(QStringLiteral("unsigned char code seg_cc[]={  //共阴数码管常用段码"), false);
    return table;
}

const QString& commonAnodeTable() {
    static const QString table =
        buildTable(QStringLiteral("unsigned char code seg_ca[]={  //共阳数码管常用段码"), true);
    return table;
}

}  // namespace kelvarin
