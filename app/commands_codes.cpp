// SPDX-License-Identifier: MIT
// The commands codes, table and decode: a text's codes, the standard table, and what codes light.

#include "app/commands.h"
#include "segment_codes/code_description.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::app {

Answer codesCommand(const Options& o) {
    if (o.operands.isEmpty()) return usageError(QStringLiteral("codes needs a TEXT"));
    const QString text = o.operands.join(u' ');
    if (text.isEmpty()) return usageError(QStringLiteral("TEXT is empty: nothing to encode"));
    QList<codes::Unshowable> bad;
    const QList<codes::Digit> digits = codes::digitsOf(text, bad, o.kind);
    if (!bad.isEmpty()) {
        return failure(
            kBadInput,
            o.kind == codes::DisplayKind::Seven
                ? QStringLiteral("no digit can show %1 in \"%2\"").arg(codes::describe(bad), text)
                : QStringLiteral("no %1-segment digit can show %2 in \"%3\"")
                      .arg(codes::kindNumber(o.kind))
                      .arg(codes::describe(bad), text));
    }
    const codes::Table table = codes::textTable(text, digits, o.wiring, o.polarity);
    return success(codes::render(table, o.output, o.polarity));
}

Answer tableCommand(const Options& o) {
    if (!o.operands.isEmpty())
        return usageError(QStringLiteral("table takes no TEXT (\"%1\")").arg(o.operands.first()));
    const codes::Table table = codes::standardTable(o.wiring, o.polarity);
    return success(codes::render(table, o.output, o.polarity));
}

Answer decodeCommand(const Options& o) {
    if (o.operands.isEmpty()) return usageError(QStringLiteral("decode needs a CODE"));
    QString out, err;
    for (qsizetype k = 0; k < o.operands.size(); ++k) {
        QString error;
        const std::optional<codes::Code> code =
            codes::readCode(o.operands[k], &error, o.wiring.bits());
        if (!code) {
            err += QStringLiteral("kelvarin: CODE %1: %2\n").arg(k + 1).arg(error);
            continue;
        }
        if (!out.isEmpty()) out += o.eol();
        out += codes::describe(*code, o.wiring, o.polarity).join(o.eol()) + o.eol();
    }
    if (!err.isEmpty()) return {kBadInput, QByteArray(), err.toUtf8()};
    return success(out);
}

}  // namespace kelvarin::app
