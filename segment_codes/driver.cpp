// SPDX-License-Identifier: MIT
// Writing the scan driver for a target and the user's pins.

#include "segment_codes/driver.h"

#include "segment_codes/driver_pins.h"

#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace kelvarin::codes {

namespace {

// The machine cycles Timer 0 stands still in the interrupt while the reload is added to its
// count (from CLR TR0 to SETB TR0: reading, adding and writing TH0 and TL0), as SDCC compiles
// it, measured on the simulated 8051; Keil C51's code for the same lines is of the same length
// within a few cycles (a few parts in ten thousand of the rate).
constexpr int kStoppedCycles = 21;

QString hex(quint32 v, int digits) {
    return QStringLiteral("0x%1").arg(v, digits, 16, QLatin1Char('0'));
}

// "12 MHz", "11.0592 MHz", "400 Hz".
QString hertz(double f) {
    if (f >= 1e6) return QStringLiteral("%1 MHz").arg(f / 1e6, 0, 'g', 8);
    if (f >= 1e3 && std::fmod(f, 1e3) == 0) return QStringLiteral("%1 kHz").arg(f / 1e3, 0, 'g', 8);
    return QStringLiteral("%1 Hz").arg(f, 0, 'g', 6);
}

}  // namespace

using driver_pins::isAvr;
using driver_pins::kAvrPorts;
using driver_pins::Pin;
using driver_pins::Pins;
using driver_pins::pinsOf;

std::optional<QString> generateDriver(const DriverRequest& r, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<QString> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    if (!selectPinCount(r, error)) return std::nullopt;
    const Pins pins = *pinsOf(r, error);
    const bool avr = isAvr(r.target);
    const bool keil = r.target == u"c51";
    const int digits = static_cast<int>(pins.selects.size());
    if (r.frames.isEmpty()) return fail(QStringLiteral("nothing to show"));
    for (const Frame& f : r.frames)
        if (f.codes.size() != digits)
            return fail(QStringLiteral("a frame of %1 digits for %2 select pins")
                            .arg(f.codes.size())
                            .arg(digits));
    const std::optional<double> clock = frequencyOf(
        r.clock.isEmpty() ? (avr ? QStringLiteral("16MHz") : QStringLiteral("12MHz")) : r.clock);
    if (!clock)
        return fail(QStringLiteral("bad --clock \"%1\": give it as 12MHz, 11.0592MHz or 16000000")
                        .arg(r.clock));
    const std::optional<double> refresh = frequencyOf(r.refresh);
    if (!refresh)
        return fail(QStringLiteral("bad --refresh \"%1\": give it as 100Hz").arg(r.refresh));
    const double wanted = *refresh * digits;  // interrupts a second
    // The timer's counts between two interrupts: the 8051's timer counts machine cycles (the
    // clock / 12); the AVR's counts the clock through the smallest prescaler that fits.
    double timerClock = *clock / 12;
    int prescaler = 1;
    if (avr) {
        for (const int p : {1, 8, 64, 256, 1024}) {
            prescaler = p;
            if (*clock / p / wanted <= 65536) break;
        }
        timerClock = *clock / prescaler;
    }
    const long counts = std::lround(timerClock / wanted);
    const QString digitsSaid =
        digits == 1 ? QStringLiteral("one digit") : QStringLiteral("%1 digits").arg(digits);
    if (counts > 65536 || counts < 1)
        return fail(QStringLiteral("a %1 refresh of %2 needs an interrupt every %3 timer "
                                   "counts at %4, more than the timer's 65536: give a faster "
                                   "refresh")
                        .arg(hertz(*refresh), digitsSaid)
                        .arg(counts)
                        .arg(hertz(*clock)));
    // The interrupt itself takes about a hundred machine cycles.
    if (counts < (avr ? 400 : 150))
        return fail(QStringLiteral("a %1 refresh of %2 at %3 leaves %4 timer counts "
                                   "between interrupts, too few for the interrupt itself: give "
                                   "a slower refresh or a faster clock")
                        .arg(hertz(*refresh), digitsSaid)
                        .arg(hertz(*clock))
                        .arg(counts));
    const double real = timerClock / static_cast<double>(counts);
    QList<quint32> ticks;
    quint32 mostTicks = 0;
    for (const Frame& f : r.frames) {
        ticks << static_cast<quint32>(std::max(1L, std::lround(f.delayMs * real / 1000)));
        mostTicks = std::max(mostTicks, ticks.back());
    }
    const int bits = entryBits(r.wiring.bits());
    const QString codeType = avr ? QStringLiteral("uint%1_t").arg(bits) : c51Type(bits);
    const QString tickType =
        avr ? (mostTicks > 65535 ? QStringLiteral("uint32_t") : QStringLiteral("uint16_t"))
            : c51Type(mostTicks > 65535 ? 32 : 16);
    const QString rom = avr ? QString() : keil ? QStringLiteral(" code") : QString();
    const QString sdccRom = !avr && !keil ? QStringLiteral("__code ") : QString();
    const QString progmem = avr ? QStringLiteral(" PROGMEM") : QString();
    const QString on = r.selectActiveLow ? QStringLiteral("0") : QStringLiteral("1");
    const QString off = r.selectActiveLow ? QStringLiteral("1") : QStringLiteral("0");

    QString out;
    const QString kind = QStringLiteral("%1-segment").arg(kindNumber(r.wiring.kind()));
    out += QStringLiteral("/* A scan driver for a %1-digit %2 display, showing %3.\n")
               .arg(digits)
               .arg(kind, r.shows);
    if (!r.madeBy.isEmpty()) out += QStringLiteral(" * Made by: %1\n").arg(r.madeBy);
    out += QStringLiteral(" *\n * Segments: %1, code bit 0 up driving %2 (%3 codes).\n")
               .arg(
                   pins.segmentPort >= 0 ? QStringLiteral("port P%1").arg(pins.segmentPort)
                                         : QStringLiteral("pins ") +
                                               [&] {
                                                   QStringList n;
                                                   for (const Pin& p : pins.segments)
                                                       n << p.name;
                                                   return n.join(QStringLiteral(" "));
                                               }(),
                   r.wiring.text(),
                   r.polarity == Polarity::CommonAnode
                       ? QStringLiteral("common-anode codes: a 0 lights")
                       : QStringLiteral("common-cathode codes: a 1 lights"));
    QStringList selectNames;
    for (const Pin& p : pins.selects)
        selectNames << p.name;
    out += QStringLiteral(" * Digits from the left: %1, each selected by a %2 level.\n")
               .arg(selectNames.join(QStringLiteral(" ")),
                    r.selectActiveLow ? QStringLiteral("low") : QStringLiteral("high"));
    if (avr) {
        out += QStringLiteral(
                   " * Timer 1 (CTC) interrupts every %1 counts of %2 / %3: %4, %5 for the "
                   "whole display")
                   .arg(counts)
                   .arg(hertz(*clock))
                   .arg(prescaler)
                   .arg(hertz(real))
                   .arg(hertz(real / digits));
    } else {
        out += QStringLiteral(
                   " * Timer 0 (mode 1) interrupts every %1 machine cycles (%2 / 12): %3, %4 "
                   "for the whole display")
                   .arg(counts)
                   .arg(hertz(*clock))
                   .arg(hertz(real))
                   .arg(hertz(real / digits));
    }
    if (std::abs(real / digits - *refresh) > 1e-9 * *refresh)
        out += QStringLiteral(" (the counts round: %1 was asked for)").arg(hertz(*refresh));
    out += QStringLiteral(".\n");
    if (!avr)
        out += QStringLiteral(
            " * The reload is added to what the timer has counted since its overflow, so a late "
            "interrupt\n * does not slow the rate.\n");
    out += QStringLiteral(
        " * Every interrupt turns all digits off before the segments change, so no "
        "digit shows\n * another's segments (no ghosting).\n */\n");
    if (avr) {
        out += QStringLiteral(
            "#include <avr/interrupt.h>\n#include <avr/io.h>\n#include <avr/pgmspace.h>\n#include "
            "<stdint.h>\n");
    } else {
        out +=
            keil ? QStringLiteral("#include <reg51.h>\n") : QStringLiteral("#include <8051.h>\n");
    }
    out += QStringLiteral("\n#define DIGITS %1\n#define FRAMES %2\n\n")
               .arg(digits)
               .arg(r.frames.size());
    out += QStringLiteral("/* Each frame's code for each digit, from the left. */\n");
    out += QStringLiteral("static %1%2%3 frames[FRAMES][DIGITS]%4 = {\n")
               .arg(sdccRom, avr ? QStringLiteral("const ") : QString(), codeType + rom, progmem);
    for (const Frame& f : r.frames) {
        QStringList codes;
        for (const Code c : f.codes)
            codes << hex(c, bits / 4);
        out += QStringLiteral("    {%1},  /* \"%2\", %3 ms */\n")
                   .arg(codes.join(QStringLiteral(", ")),
                        QString(f.label).replace(QStringLiteral("*/"), QStringLiteral("* /")))
                   .arg(f.delayMs);
    }
    const bool animated = r.frames.size() > 1;
    out += QStringLiteral("};\n");
    if (animated)
        out += QStringLiteral("/* How many interrupts each frame stays: its delay at %1. */\n")
                   .arg(hertz(real));
    QStringList tickList;
    for (const quint32 t : ticks)
        tickList << QString::number(t);
    if (animated)
        out += QStringLiteral("static %1%2%3 frame_ticks[FRAMES]%4 = {%5};\n")
                   .arg(sdccRom, avr ? QStringLiteral("const ") : QString(), tickType + rom,
                        progmem, tickList.join(QStringLiteral(", ")));
    out += u'\n';

    // The pins.
    auto bitAddress = [](const Pin& p) { return 0x80 + 0x10 * p.port + p.bit; };
    auto declarePin = [&](const QString& name, const Pin& p, const QString& what) {
        if (keil)
            return QStringLiteral("sbit %1 = P%2^%3;  /* %4 */\n")
                .arg(name)
                .arg(p.port)
                .arg(p.bit)
                .arg(what);
        return QStringLiteral("__sbit __at(0x%1) %2;  /* %3: %4 */\n")
            .arg(bitAddress(p), 2, 16, QLatin1Char('0'))
            .arg(name, p.name, what);
    };
    auto setPin = [&](const QString& name, const Pin& p, const QString& level) {
        if (!avr) return QStringLiteral("%1 = %2;").arg(name, level);
        const QChar port = QLatin1Char(kAvrPorts[p.port]);
        return level == u"1" ? QStringLiteral("PORT%1 |= _BV(%2);").arg(port).arg(p.bit)
                             : QStringLiteral("PORT%1 &= (uint8_t)~_BV(%2);").arg(port).arg(p.bit);
    };
    if (!avr) {
        for (int d = 0; d < digits; ++d)
            out += declarePin(QStringLiteral("SELECT%1").arg(d), pins.selects[d],
                              QStringLiteral("selects digit %1 from the left").arg(d));
        if (pins.segmentPort < 0)
            for (qsizetype b = 0; b < pins.segments.size(); ++b)
                out +=
                    declarePin(QStringLiteral("SEGMENT%1").arg(b), pins.segments[b],
                               QStringLiteral("code bit %1, segment %2")
                                   .arg(b)
                                   .arg(segmentName(r.wiring.kind(),
                                                    r.wiring.segmentOfBit(static_cast<int>(b)))));
        out += QStringLiteral(
                   "\n/* Timer 0 counts up from the reload to its overflow. */\n#define RELOAD "
                   "(65536u - %1u)\n/* The machine cycles the timer stands still while the "
                   "reload is added. */\n#define STOPPED %2u\n\n")
                   .arg(counts)
                   .arg(kStoppedCycles);
    }
    out += QStringLiteral("static %1unsigned char digit;  /* the digit shown now */\n")
               .arg(avr    ? QString()
                    : keil ? QString()
                           : QStringLiteral("__data "));
    out += QStringLiteral("static %1unsigned char frame;  /* the frame shown now */\n")
               .arg(avr || keil ? QString() : QStringLiteral("__data "));
    if (animated)
        out += QStringLiteral("static %1%2 ticks;  /* interrupts since the frame began */\n")
                   .arg(avr || keil ? QString() : QStringLiteral("__data "),
                        avr ? tickType : c51Type(mostTicks > 65535 ? 32 : 16));
    out += u'\n';

    // All selects off.
    QString allOff;
    for (int d = 0; d < digits; ++d)
        allOff += QStringLiteral("    ") +
                  setPin(QStringLiteral("SELECT%1").arg(d), pins.selects[d], off) + u'\n';
    out += QStringLiteral("/* Every digit off. */\nstatic void all_off(void) {\n") + allOff +
           QStringLiteral("}\n\n");

    const QString read =
        avr ? (bits == 32   ? QStringLiteral("pgm_read_dword(&frames[frame][digit])")
               : bits == 16 ? QStringLiteral("pgm_read_word(&frames[frame][digit])")
                            : QStringLiteral("pgm_read_byte(&frames[frame][digit])"))
            : QStringLiteral("frames[frame][digit]");
    const QString readTicks =
        avr ? (mostTicks > 65535 ? QStringLiteral("pgm_read_dword(&frame_ticks[frame])")
                                 : QStringLiteral("pgm_read_word(&frame_ticks[frame])"))
            : QStringLiteral("frame_ticks[frame]");
    QString body;
    if (!avr)
        body += QStringLiteral(
            "    /* The next overflow comes RELOAD counts after this one, however late this "
            "began. */\n    TR0 = 0;\n    next = ((unsigned int)TH0 << 8 | TL0) + RELOAD + "
            "STOPPED;\n    TL0 = next & 0xff;\n    TH0 = next >> 8;\n    TR0 = 1;\n");
    body += QStringLiteral("    all_off();\n");
    if (pins.segmentPort >= 0) {
        body += QStringLiteral("    P%1 = %2;\n").arg(pins.segmentPort).arg(read);
    } else {
        body += QStringLiteral("    code = %1;\n").arg(read);
        for (qsizetype b = 0; b < pins.segments.size(); ++b) {
            const Pin& p = pins.segments[b];
            if (avr) {
                body += QStringLiteral("    if (code & (%1)1 << %2) %3 else %4\n")
                            .arg(codeType)
                            .arg(b)
                            .arg(setPin(QString(), p, QStringLiteral("1")),
                                 setPin(QString(), p, QStringLiteral("0")));
            } else {
                body += QStringLiteral("    SEGMENT%1 = (code >> %1) & 1;\n").arg(b);
            }
        }
    }
    body += QStringLiteral("    switch (digit) {\n");
    for (int d = 0; d < digits; ++d)
        body += QStringLiteral("    case %1: %2 break;\n")
                    .arg(d)
                    .arg(setPin(QStringLiteral("SELECT%1").arg(d), pins.selects[d], on));
    body += QStringLiteral("    }\n    if (++digit == DIGITS) digit = 0;\n");
    if (animated)
        body += QStringLiteral(
                    "    if (++ticks >= %1) {\n        ticks = 0;\n        if (++frame == FRAMES) "
                    "frame = 0;\n    }\n")
                    .arg(readTicks);
    QString local =
        pins.segmentPort >= 0 ? QString() : QStringLiteral("    %1 code;\n").arg(codeType);
    if (!avr) local.prepend(QStringLiteral("    unsigned int next;\n"));
    if (avr) {
        out += QStringLiteral(
                   "/* %1 times a second: all digits off, the next digit's segments, that digit "
                   "on. */\nISR(TIMER1_COMPA_vect) {\n")
                   .arg(real, 0, 'g', 6) +
               local + body + QStringLiteral("}\n\n");
        QString ddr;
        QList<Pin> all = pins.segments + pins.selects;
        for (const Pin& p : all)
            ddr += QStringLiteral("    DDR%1 |= _BV(%2);  /* %3 */\n")
                       .arg(QLatin1Char(kAvrPorts[p.port]))
                       .arg(p.bit)
                       .arg(p.name);
        const QMap<int, QString> cs = {{1, "_BV(CS10)"},
                                       {8, "_BV(CS11)"},
                                       {64, "_BV(CS11) | _BV(CS10)"},
                                       {256, "_BV(CS12)"},
                                       {1024, "_BV(CS12) | _BV(CS10)"}};
        out += QStringLiteral("void setup(void) {\n") + ddr +
               QStringLiteral(
                   "    all_off();\n    cli();\n    TCCR1A = 0;\n    TCCR1B = _BV(WGM12) | %1;  /* "
                   "CTC, the clock / %2 */\n    OCR1A = %3;\n    TIMSK1 = _BV(OCIE1A);\n    "
                   "sei();\n}\n\n")
                   .arg(cs.value(prescaler))
                   .arg(prescaler)
                   .arg(counts - 1);
        out += QStringLiteral(
            "void loop(void) {\n    /* The display runs on the interrupt. */\n}\n\n");
        out += QStringLiteral(
            "#ifndef ARDUINO\n/* Without the Arduino core: a main of its own. */\nint main(void) "
            "{\n    setup();\n    for (;;) loop();\n}\n#endif\n");
    } else {
        out += QStringLiteral(
                   "/* %1 times a second: all digits off, the next digit's segments, that digit "
                   "on. */\n")
                   .arg(real, 0, 'g', 6);
        out += keil ? QStringLiteral("void scan(void) interrupt 1 {\n")
                    : QStringLiteral("void scan(void) __interrupt(1) {\n");
        out += local + body + QStringLiteral("}\n\n");
        out += QStringLiteral(
            "void main(void) {\n    all_off();\n    TMOD = (TMOD & 0xf0) | 0x01;  /* timer 0, mode "
            "1: 16 bits */\n    TH0 = RELOAD >> 8;\n    TL0 = RELOAD & 0xff;\n    ET0 = 1;\n    EA "
            "= 1;\n    TR0 = 1;\n    for (;;) {\n        /* The display runs on the interrupt. "
            "*/\n    }\n}\n");
    }
    return out;
}

}  // namespace kelvarin::codes
