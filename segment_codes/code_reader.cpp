// SPDX-License-Identifier: MIT
// Reading a code in any of the forms firmware tables write.

#include "segment_codes/code_reader.h"

namespace kelvarin::codes {

namespace {

// The digits in the base, at most as many as a 32-bit value needs; -1 for anything else.
qint64 digitsIn(QStringView digits, int base) {
    if (digits.isEmpty() || digits.size() > 32) return -1;
    qint64 value = 0;
    for (const QChar c : digits) {
        int d = -1;
        if (c >= u'0' && c <= u'9') d = c.unicode() - u'0';
        if (c >= u'a' && c <= u'f') d = c.unicode() - u'a' + 10;
        if (c >= u'A' && c <= u'F') d = c.unicode() - u'A' + 10;
        if (d < 0 || d >= base) return -1;
        value = value * base + d;
        if (value > 0xFFFFFFFFLL) return -1;
    }
    return value;
}

bool startsWithDigit(QStringView text) {
    return !text.isEmpty() && text[0] >= u'0' && text[0] <= u'9';
}

}  // namespace

std::optional<Code> readCode(QStringView text, QString* error, int bits) {
    auto fail = [&](const QString& why) -> std::optional<Code> {
        if (error != nullptr)
            *error = QStringLiteral("cannot read \"%1\" as a code: %2").arg(text.toString(), why);
        return std::nullopt;
    };
    QStringView t = text.trimmed();
    if (t.endsWith(u',')) t = t.chopped(1).trimmed();
    if (t.isEmpty()) return fail(QStringLiteral("it is empty"));
    qint64 value = -1;
    const QChar last = t.back();
    if (t.size() > 2 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X')) {
        value = digitsIn(t.mid(2), 16);
    } else if (t.size() > 2 && t[0] == u'0' && (t[1] == u'b' || t[1] == u'B') &&
               digitsIn(t.mid(2), 2) >= 0) {
        value = digitsIn(t.mid(2), 2);
    } else if (t.size() > 1 && (t[0] == u'B' || t[0] == u'b') && startsWithDigit(t.mid(1)) &&
               digitsIn(t.mid(1), 2) >= 0) {
        value = digitsIn(t.mid(1), 2);  // the B01101101 of Arduino's binary constants
    } else if (t.size() > 1 && (last == u'h' || last == u'H')) {
        value = digitsIn(t.chopped(1), 16);
    } else if (t.size() > 1 && (last == u'b' || last == u'B') && digitsIn(t.chopped(1), 2) >= 0) {
        value = digitsIn(t.chopped(1), 2);
    } else {
        value = digitsIn(t, 10);
    }
    if (value < 0)
        return fail(QStringLiteral("write it as 0x6d, 6dh, 01101101b, 0b01101101 or 109"));
    const qint64 widest = (qint64{1} << bits) - 1;
    if (value > widest) return fail(QStringLiteral("%1 is above %2").arg(value).arg(widest));
    return static_cast<Code>(value);
}

}  // namespace kelvarin::codes
