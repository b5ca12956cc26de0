// SPDX-License-Identifier: MIT
// The board's settings, kept in the preferences, and what the window writes for them.

#include "segment_window/board.h"

#include <QCoreApplication>

namespace kelvarin {

namespace {

const QString kWiring = QStringLiteral("board/wiring");
const QString kFormat = QStringLiteral("board/format");
const QString kName = QStringLiteral("board/name");
const QString kPerLine = QStringLiteral("board/perLine");
const QString kUpper = QStringLiteral("board/upper");

QString date(QDate today) {
    return QStringLiteral("%1年%2月%3日")
        .arg(today.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(today.month(), 2, 10, QLatin1Char('0'))
        .arg(today.day(), 2, 10, QLatin1Char('0'));
}

}  // namespace

bool BoardSettings::isDefault() const {
    return *this == BoardSettings();
}

bool BoardSettings::operator==(const BoardSettings& other) const {
    return wiring == other.wiring && format == other.format && name == other.name &&
           perLine == other.perLine && upper == other.upper;
}

BoardSettings BoardSettings::load(const platform::Preferences* preferences, QStringList& warnings) {
    BoardSettings b;
    if (preferences == nullptr) return b;
    if (!preferences->problem().isEmpty()) {
        warnings << QStringLiteral("%1; the defaults are used").arg(preferences->problem());
        return b;
    }
    // An INI file's unquoted "a,b,c" is a list to QSettings: read back as the text it was.
    auto text = [&](const QString& key) {
        const QVariant v = preferences->value(key);
        return v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString();
    };
    auto refuse = [&](const QString& key, const QString& why) {
        warnings << QStringLiteral("the setting %1 is not used: %2").arg(key, why);
    };
    if (const QVariant v = preferences->value(kWiring); v.isValid()) {
        QString error;
        if (const auto w = codes::Wiring::parse(text(kWiring), &error)) {
            b.wiring = *w;
        } else {
            refuse(kWiring, error);
        }
    }
    if (const QVariant v = preferences->value(kFormat); v.isValid()) {
        if (const auto f = codes::formatNamed(text(kFormat))) {
            b.format = *f;
        } else {
            refuse(kFormat, QStringLiteral("\"%1\" is no format").arg(text(kFormat)));
        }
    }
    if (const QVariant v = preferences->value(kName); v.isValid() && !text(kName).isEmpty()) {
        QString error;
        if (codes::validName(text(kName), b.format, &error)) {
            b.name = text(kName);
        } else {
            refuse(kName, error);
        }
    }
    if (const QVariant v = preferences->value(kPerLine); v.isValid()) {
        bool ok = false;
        const int n = text(kPerLine).toInt(&ok);
        if (ok && n >= 0 && n <= 256) {
            b.perLine = n;
        } else {
            refuse(kPerLine,
                   QStringLiteral("\"%1\" is no number from 0 to 256").arg(text(kPerLine)));
        }
    }
    if (const QVariant v = preferences->value(kUpper); v.isValid()) {
        const QString t = text(kUpper);
        if (t == u"true" || t == u"false") {
            b.upper = t == u"true";
        } else {
            refuse(kUpper, QStringLiteral("\"%1\" is neither true nor false").arg(t));
        }
    }
    return b;
}

void BoardSettings::save(platform::Preferences* preferences) const {
    if (preferences == nullptr) return;
    preferences->setValue(kWiring, wiring.text());
    preferences->setValue(kFormat, codes::formatName(format));
    preferences->setValue(kName, name);
    preferences->setValue(kPerLine, perLine);
    preferences->setValue(kUpper, upper ? QStringLiteral("true") : QStringLiteral("false"));
}

QString BoardSettings::element(quint8 code) const {
    const QString entry = codes::entryText(code, format, upper);
    return format == codes::Format::Hex ? entry : entry + u',';
}

QString BoardSettings::collected(quint8 code) const {
    return format == codes::Format::Hex ? element(code) + u' ' : element(code);
}

QString BoardSettings::linePrefix() const {
    switch (format) {
        case codes::Format::Sdas:
            return QStringLiteral("\t.db ");
        case codes::Format::A51:
            return QStringLiteral("\tDB\t");
        default:
            return QString();
    }
}

QString BoardSettings::declarationHeader(codes::Polarity polarity, QDate today) const {
    const QString crlf = QStringLiteral("\r\n");
    const QString created =
        QStringLiteral("创建于: ") + date(today) + QStringLiteral(" design:______");
    const QString array = name.isEmpty() ? codes::defaultName(polarity) : name;
    switch (format) {
        case codes::Format::Classic: {
            // The window's own header, hyphen and all, unless an array name was chosen.
            const QString type = polarity == codes::Polarity::CommonCathode ? QStringLiteral("cc")
                                                                            : QStringLiteral("ca");
            const QString declared = name.isEmpty() ? QStringLiteral("seg-") + type : name;
            return QStringLiteral("unsigned char code ") + declared + QStringLiteral("[]{ // ") +
                   created + crlf;
        }
        case codes::Format::C51:
            return QStringLiteral("unsigned char code %1[] = { // ").arg(array) + created + crlf;
        case codes::Format::Sdcc:
            return QStringLiteral("__code unsigned char %1[] = { // ").arg(array) + created + crlf;
        case codes::Format::C:
            return QStringLiteral("#include <stdint.h>") + crlf +
                   QStringLiteral("const uint8_t %1[] = { // ").arg(array) + created + crlf;
        case codes::Format::Arduino:
            return QStringLiteral("#include <avr/pgmspace.h>") + crlf +
                   QStringLiteral("#include <stdint.h>") + crlf +
                   QStringLiteral("const uint8_t %1[] PROGMEM = { // ").arg(array) + created + crlf;
        case codes::Format::Sdas:
            return QStringLiteral("; ") + created + crlf + QStringLiteral("\t.area CSEG (CODE)") +
                   crlf + array + QStringLiteral("::") + crlf;
        case codes::Format::A51:
            return QStringLiteral("; ") + created + crlf + QStringLiteral("\tCSEG") + crlf + array +
                   u':' + crlf;
        case codes::Format::Hex:
            break;
    }
    return QString();  // bare bytes have no header
}

codes::Output BoardSettings::output() const {
    codes::Output o;
    o.format = format;
    o.name = name;
    o.perLine = perLine;
    o.upper = upper;
    o.crlf = true;
    return o;
}

QString BoardSettings::standardTable(codes::Polarity polarity) const {
    return codes::render(codes::standardTable(wiring, polarity), output(), polarity);
}

QString BoardSettings::summary() const {
    return QCoreApplication::translate("BoardSettings", "接线 %1  格式 %2")
        .arg(wiring.text(), codes::formatName(format));
}

}  // namespace kelvarin
