// SPDX-License-Identifier: MIT
// The main window's declaration, row by row, in any format.

#include "segment_codes/declaration.h"

#include <QCoreApplication>

#include <utility>

#include "segment_codes/code_reader.h"

namespace kelvarin::codes {

Declaration::Declaration(const FormatDescription& format, DeclarationOptions options,
                         Polarity polarity, QString eol)
    : m_format(&format),
      m_options(std::move(options)),
      m_polarity(polarity),
      m_eol(std::move(eol)) {}

FormatContext Declaration::context() const {
    FormatContext c;
    c.name = m_options.name;
    c.polarity = m_polarity;
    c.eol = m_eol;
    c.bits = m_options.bits;
    c.upper = m_options.upper;
    return c;
}

QString Declaration::header(QDate today) const {
    // In the window's language (the command line, which installs no translation, keeps it).
    const QString created = QCoreApplication::translate("kelvarin::codes::Declaration",
                                                        "创建于: %1年%2月%3日 design:______")
                                .arg(today.year() % 100, 2, 10, QLatin1Char('0'))
                                .arg(today.month(), 2, 10, QLatin1Char('0'))
                                .arg(today.day(), 2, 10, QLatin1Char('0'));
    const FormatContext c = context();
    if (m_format->declarationHead != nullptr) return m_format->declarationHead(c, created);
    // Bare bytes have no comment, so no header at all.
    if (m_format->comments == CommentStyle::None) return QString();
    return m_format->prologue(c) + m_format->opening(c, created);
}

QString Declaration::element(Code code) const {
    return m_format->entry(code, m_options.bits, m_options.upper) +
           QString::fromLatin1(m_format->elementSuffix);
}

QString Declaration::pieceOf(const QString& element, qint32 countBefore) const {
    const bool rowFull = (static_cast<qint64>(countBefore) + 1) % perLine() == 0;
    return element + (rowFull ? m_eol : QString());
}

QString Declaration::piece(Code code, qint32 countBefore) const {
    if (m_format->collectsElements) return pieceOf(element(code), countBefore);
    const FormatContext c = context();
    const qint64 before = countBefore;
    const bool first = before % perLine() == 0;
    QString text = first ? m_format->rowPrefix(c, before / perLine())
                         : QString::fromLatin1(m_format->separator);
    text += m_format->entry(code, m_options.bits, m_options.upper);
    if ((before + 1) % perLine() == 0) text += m_format->rowEnd(false) + m_eol;
    return text;
}

QString Declaration::closing(qint32 count) const {
    if (m_format->collectsElements) return QString();
    const bool partRow = count % perLine() != 0;
    return (partRow ? m_eol : QString()) + m_format->closing(context());
}

std::optional<Code> Declaration::readElement(QStringView text, QString* error) const {
    // Bare bytes are hexadecimal digits alone ("7b"): read as such, not as decimal or binary.
    if (m_format->comments == CommentStyle::None) {
        const QStringView t = text.trimmed();
        bool hexDigits = !t.isEmpty();
        for (const QChar ch : t)
            hexDigits = hexDigits && ((ch >= u'0' && ch <= u'9') ||
                                      (ch.toLower() >= u'a' && ch.toLower() <= u'f'));
        const QString prefixed = QStringLiteral("0x") + t.toString();
        if (hexDigits && readCode(prefixed, nullptr, m_options.bits))
            return readCode(prefixed, nullptr, m_options.bits);
    }
    return readCode(text, error, m_options.bits);
}

void DeclarationHistory::record(State state) {
    if (m_states.size() >= kSteps) m_states.erase(m_states.begin());
    m_states.push_back(std::move(state));
}

DeclarationHistory::State DeclarationHistory::undo() {
    State last = std::move(m_states.back());
    m_states.pop_back();
    return last;
}

}  // namespace kelvarin::codes
