// SPDX-License-Identifier: MIT
// The ANSI code page (GBK): the code of a character, looked up once per character.

#include "runtime/ansi_code_page.h"

#include <QStringEncoder>

#include <array>
#include <atomic>

namespace kelvarin::rt {

qint16 ansiCode(QChar c) {
    if (c.unicode() < 0x80) return static_cast<qint16>(c.unicode());
    // One character at a time through a fresh, stateless encoder; the results are kept, since
    // a character's code never changes.
    static std::array<std::atomic<qint32>, 0x10000> known{};
    static constexpr qint32 unknown = 0;  // no two-byte or high single-byte code is 0
    std::atomic<qint32>& slot = known[c.unicode()];
    qint32 code = slot.load(std::memory_order_relaxed);
    if (code != unknown) return static_cast<qint16>(code);
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes =
        encoder.isValid() ? QByteArray(encoder.encode(QStringView(&c, 1))) : QByteArray();
    if (!encoder.isValid() || encoder.hasError() || bytes.isEmpty() || bytes.size() > 2) {
        code = u'?';
    } else if (bytes.size() == 1) {
        code = static_cast<quint8>(bytes[0]);
    } else {
        code = static_cast<qint16>(static_cast<quint16>((static_cast<quint8>(bytes[0]) << 8) |
                                                        static_cast<quint8>(bytes[1])));
    }
    slot.store(code, std::memory_order_relaxed);
    return static_cast<qint16>(code);
}

}  // namespace kelvarin::rt
