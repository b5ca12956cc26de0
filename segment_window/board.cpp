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
        // The kind of digit is the one with as many segments as the wiring names bits.
        codes::DisplayKind kind = codes::DisplayKind::Seven;
        for (const codes::DisplayKind k :
             {codes::DisplayKind::Fourteen, codes::DisplayKind::Sixteen})
            if (text(kWiring).count(u',') + 1 == codes::segmentCount(k)) kind = k;
        if (const auto w = codes::Wiring::parse(text(kWiring), &error, kind)) {
            b.wiring = *w;
        } else {
            refuse(kWiring, error);
        }
    }
    if (const QVariant v = preferences->value(kFormat); v.isValid()) {
        if (const codes::FormatDescription* f = codes::formatNamed(text(kFormat))) {
            b.format = f;
        } else {
            refuse(kFormat, QStringLiteral("\"%1\" is no format").arg(text(kFormat)));
        }
    }
    if (const QVariant v = preferences->value(kName); v.isValid() && !text(kName).isEmpty()) {
        QString error;
        if (codes::validName(text(kName), *b.format, &error)) {
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
    preferences->setValue(kFormat, format->nameText());
    preferences->setValue(kName, name);
    preferences->setValue(kPerLine, perLine);
    preferences->setValue(kUpper, upper ? QStringLiteral("true") : QStringLiteral("false"));
}

codes::Declaration BoardSettings::declaration(codes::Polarity polarity) const {
    codes::DeclarationOptions options;
    options.name = name;
    options.perLine = perLine;
    options.upper = upper;
    options.bits = codes::entryBits(wiring.bits());
    return codes::Declaration(*format, options, polarity);
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
        .arg(wiring.text(), format->nameText());
}

}  // namespace kelvarin
