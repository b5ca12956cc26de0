// SPDX-License-Identifier: MIT
// The pins of a scan driver's request, read and checked; a request's frequencies and select pins.

#include "segment_codes/driver_pins.h"

#include <QRegularExpression>
#include <QSet>

namespace kelvarin::codes {

namespace driver_pins {

namespace {

std::optional<Pin> pin8051(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^[Pp]([0-3])\\.([0-7])$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    return Pin{m.captured(1).toInt(), m.captured(2).toInt(), text.trimmed().toUpper()};
}

// The Uno's pins: D0 to D7 on port D, D8 to D13 on port B, A0 to A5 (14 to 19) on port C.
std::optional<Pin> pinArduino(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:[Dd]?(\\d{1,2})|[Aa]([0-5]))$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const int n = m.captured(2).isEmpty() ? m.captured(1).toInt() : 14 + m.captured(2).toInt();
    if (n > 19) return std::nullopt;
    Pin p;
    p.port = n < 8 ? 3 : n < 14 ? 1 : 2;
    p.bit = n < 8 ? n : n < 14 ? n - 8 : n - 14;
    p.name = QStringLiteral("%1 (P%2%3)")
                 .arg(n < 14 ? QStringLiteral("D%1").arg(n) : QStringLiteral("A%1").arg(n - 14))
                 .arg(QLatin1Char(kAvrPorts[p.port]))
                 .arg(p.bit);
    return p;
}

}  // namespace

bool isAvr(const QString& target) {
    return target == u"arduino";
}

std::optional<Pins> pinsOf(const DriverRequest& r, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<Pins> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    const bool avr = isAvr(r.target);
    auto pin = [&](const QString& t) { return avr ? pinArduino(t) : pin8051(t); };
    const QString pinForm = avr ? QStringLiteral("an Arduino Uno pin: 0 to 13, or A0 to A5")
                                : QStringLiteral("an 8051 pin: P0.0 to P3.7");
    Pins pins;
    static const QRegularExpression port(QStringLiteral("^[Pp]([0-9]+)$"));
    const QRegularExpressionMatch whole = port.match(r.segments.trimmed());
    if (r.segments.trimmed().isEmpty())
        return fail(QStringLiteral("driver needs --segments (a port, or a pin a code bit)"));
    if (whole.hasMatch()) {
        const int n = whole.captured(1).toInt();
        if (avr || n > 3)
            return fail(QStringLiteral("the %1 has no port %2 for --segments%3")
                            .arg(avr ? QStringLiteral("ATmega328P") : QStringLiteral("8051"),
                                 r.segments.trimmed(),
                                 avr ? QStringLiteral(" (give a pin a code bit)")
                                     : QStringLiteral(" (its ports are P0 to P3)")));
        if (r.wiring.bits() > 8)
            return fail(QStringLiteral("a port has 8 bits, a %1-segment code %2: give a pin a bit")
                            .arg(kindNumber(r.wiring.kind()))
                            .arg(r.wiring.bits()));
        pins.segmentPort = n;
        for (int b = 0; b < 8; ++b)
            pins.segments << Pin{n, b, QStringLiteral("P%1.%2").arg(n).arg(b)};
    } else {
        for (const QString& t : r.segments.split(u',')) {
            const std::optional<Pin> p = pin(t);
            if (!p)
                return fail(QStringLiteral("--segments: \"%1\" is no pin (give %2)")
                                .arg(t.trimmed(), pinForm));
            pins.segments << *p;
        }
        if (pins.segments.size() != r.wiring.bits())
            return fail(QStringLiteral("--segments names %1 pins for a code of %2 bits")
                            .arg(pins.segments.size())
                            .arg(r.wiring.bits()));
    }
    if (r.digits.trimmed().isEmpty())
        return fail(QStringLiteral("driver needs --digits (a select pin a digit, from the left)"));
    for (const QString& t : r.digits.split(u',')) {
        const std::optional<Pin> p = pin(t);
        if (!p)
            return fail(
                QStringLiteral("--digits: \"%1\" is no pin (give %2)").arg(t.trimmed(), pinForm));
        pins.selects << *p;
    }
    if (pins.selects.size() > kMostDigits)
        return fail(QStringLiteral("%1 select pins: at most %2 digits")
                        .arg(pins.selects.size())
                        .arg(kMostDigits));
    QList<Pin> all = pins.segments + pins.selects;
    for (qsizetype i = 0; i < all.size(); ++i)
        for (qsizetype j = i + 1; j < all.size(); ++j)
            if (all[i] == all[j])
                return fail(QStringLiteral("the pin %1 is named twice").arg(all[i].name));
    return pins;
}

}  // namespace driver_pins

using driver_pins::Pins;
using driver_pins::pinsOf;

std::optional<double> frequencyOf(QStringView text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]+)?)\\s*(hz|khz|mhz)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text.toString());
    if (!m.hasMatch()) return std::nullopt;
    const QString unit = m.captured(2).toLower();
    const double scale = unit == u"mhz" ? 1e6 : unit == u"khz" ? 1e3 : 1;
    const double f = m.captured(1).toDouble() * scale;
    if (f <= 0 || f > 1e9) return std::nullopt;
    return f;
}

std::optional<int> selectPinCount(const DriverRequest& request, QString* error) {
    if (request.target != u"sdcc" && request.target != u"c51" && request.target != u"arduino") {
        if (error != nullptr)
            *error = request.target.isEmpty()
                         ? QStringLiteral("driver needs --target: sdcc, c51 or arduino")
                         : QStringLiteral(
                               "unknown target \"%1\" (the targets are sdcc, c51 and "
                               "arduino)")
                               .arg(request.target);
        return std::nullopt;
    }
    const std::optional<Pins> pins = pinsOf(request, error);
    if (!pins) return std::nullopt;
    return static_cast<int>(pins->selects.size());
}

}  // namespace kelvarin::codes
