// SPDX-License-Identifier: MIT
// Frames from texts, and written as a two-dimensional table with its constants.

#include "segment_codes/frames.h"

#include "segment_codes/text_codes.h"

#include <algorithm>

namespace kelvarin::codes {

namespace {

Digit blankDigit() {
    Digit d;
    d.character = u' ';
    return d;
}

QString labelOf(const QList<Digit>& digits) {
    QString label;
    for (const Digit& d : digits)
        label += d.label();
    return label;
}

Frame frameOf(const QList<Digit>& digits, const Wiring& wiring, Polarity polarity) {
    Frame f;
    for (const Digit& d : digits)
        f.codes << codeOf(d.pattern, wiring, polarity);
    f.label = labelOf(digits);
    return f;
}

}  // namespace

std::optional<QList<Frame>> framesOf(const QStringList& texts, int digits, bool scroll,
                                     const QList<int>& delays, const Wiring& wiring,
                                     Polarity polarity, QString* error, const DigitLayout& layout) {
    auto fail = [&](const QString& why) -> std::optional<QList<Frame>> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    if (digits < 1 || digits > kMostDigits)
        return fail(
            QStringLiteral("a display of %1 digits: give 1 to %2").arg(digits).arg(kMostDigits));
    if (texts.isEmpty()) return fail(QStringLiteral("no TEXT: give a text for each frame"));
    if (scroll && texts.size() != 1)
        return fail(QStringLiteral("--scroll scrolls one TEXT, not %1").arg(texts.size()));
    // The positions of a row: up to the last one a digit or the colon takes.
    int positions = digits;
    QList<int> taken;
    if (!layout.places.isEmpty() && layout.places.size() != digits)
        return fail(QStringLiteral("the digit order names %1 positions for %2 digits")
                        .arg(layout.places.size())
                        .arg(digits));
    for (int k = 0; k < digits; ++k) {
        const int place = layout.placeOf(k);
        if (place < 0 || place >= kMostDigits || taken.contains(place))
            return fail(QStringLiteral("the digit order puts digit %1 at position %2: give each "
                                       "digit its own position from 0 to %3")
                            .arg(k)
                            .arg(place)
                            .arg(kMostDigits - 1));
        taken << place;
        positions = std::max(positions, place + 1);
    }
    if (layout.hasColon()) positions = std::max(positions, layout.colonPlace + 1);
    const Code blank = codeOf(0, wiring, polarity);
    QList<Frame> frames;
    for (const QString& given : texts) {
        QList<Unshowable> bad;
        QString text = given;
        // A ':' lights the module's colon.
        const bool colon = layout.hasColon() && !scroll && text.contains(u':');
        if (colon) text.remove(u':');
        const QList<Digit> shown = digitsOf(text, bad, wiring.kind());
        if (!bad.isEmpty())
            return fail(QStringLiteral("no %1-segment digit can show %2 in \"%3\"")
                            .arg(kindNumber(wiring.kind()))
                            .arg(describe(bad), given));
        if (scroll) {
            // The text between a display's width of blanks on either side, seen through the
            // display one step at a time: from its first digit at the right to its last at the
            // left.
            QList<Digit> track(digits, blankDigit());
            track += shown;
            track += QList<Digit>(digits, blankDigit());
            const qsizetype steps = shown.size() + digits - 1;
            if (steps > kMostFrames)
                return fail(QStringLiteral("the text makes %1 frames, more than %2")
                                .arg(steps)
                                .arg(kMostFrames));
            for (qsizetype k = 1; k <= steps; ++k)
                frames << frameOf(track.mid(k, digits), wiring, polarity);
            continue;
        }
        if (shown.size() > digits)
            return fail(QStringLiteral("\"%1\" takes %2 digits, more than the display's %3 (give "
                                       "--scroll to scroll it)")
                            .arg(given)
                            .arg(shown.size())
                            .arg(digits));
        QList<Digit> cells(digits - shown.size(), blankDigit());
        cells += shown;
        frames << frameOf(cells, wiring, polarity);
        if (colon) frames.back().label = given;
        frames.back().colon = colon;
    }
    // Each frame's codes at their positions, and the colon.
    if (!layout.places.isEmpty() || layout.hasColon()) {
        for (Frame& f : frames) {
            QList<Code> row(positions, blank);
            for (int k = 0; k < digits; ++k)
                row[layout.placeOf(k)] = f.codes[k];
            if (f.colon) {
                const Code bit = Code{1} << layout.colonBit;
                Code& c = row[layout.colonPlace];
                c = polarity == Polarity::CommonAnode ? c & ~bit : c | bit;
            }
            f.codes = row;
        }
    }
    if (frames.size() > kMostFrames)
        return fail(QStringLiteral("%1 frames, more than %2").arg(frames.size()).arg(kMostFrames));
    if (delays.size() != 1 && delays.size() != frames.size())
        return fail(QStringLiteral("%1 delays for %2 frames: give one for all, or one a frame")
                        .arg(delays.size())
                        .arg(frames.size()));
    for (qsizetype k = 0; k < frames.size(); ++k)
        frames[k].delayMs = delays.size() == 1 ? delays.first() : delays[k];
    return frames;
}

std::optional<QList<Frame>> framesOfDrawn(const QList<DrawnFrame>& drawn, const Wiring& wiring,
                                          Polarity polarity, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<QList<Frame>> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    if (drawn.isEmpty()) return fail(QStringLiteral("no frame"));
    if (drawn.size() > kMostFrames)
        return fail(QStringLiteral("%1 frames, more than %2").arg(drawn.size()).arg(kMostFrames));
    const qsizetype digits = drawn.front().patterns.size();
    QList<Frame> frames;
    frames.reserve(drawn.size());
    for (qsizetype k = 0; k < drawn.size(); ++k) {
        const DrawnFrame& d = drawn[k];
        const qsizetype width = d.patterns.size();
        if (width < 1 || width > kMostDigits)
            return fail(QStringLiteral("frame %1 has %2 digits: give 1 to %3")
                            .arg(k + 1)
                            .arg(width)
                            .arg(kMostDigits));
        if (width != digits)
            return fail(QStringLiteral("frame %1 has %2 digits, the first %3: give every frame "
                                       "the same")
                            .arg(k + 1)
                            .arg(width)
                            .arg(digits));
        if (d.delayMs < 1 || d.delayMs > kMostDelayMs)
            return fail(QStringLiteral("frame %1's delay of %2 ms: give 1 to %3 ms")
                            .arg(k + 1)
                            .arg(d.delayMs)
                            .arg(kMostDelayMs));
        Frame f;
        for (const quint32 pattern : d.patterns) {
            if ((pattern & ~allSegments(wiring.kind())) != 0)
                return fail(QStringLiteral("frame %1 lights a segment no %2-segment digit has")
                                .arg(k + 1)
                                .arg(kindNumber(wiring.kind())));
            f.codes << codeOf(pattern, wiring, polarity);
        }
        f.delayMs = d.delayMs;
        // The label is only a comment on the frame's row: nothing in it may end the comment or
        // carry it on to the next line (a line break, a backslash at the end, a trigraph).
        for (const QChar c : d.label)
            f.label += c.category() == QChar::Other_Control || c == u'\u2028' || c == u'\u2029'
                           ? QChar(u' ')
                       : c == u'\\' ? QChar(u'/')
                                    : c;
        while (f.label.contains(QStringLiteral("??")))
            f.label.replace(QStringLiteral("??"), QStringLiteral("? ?"));
        frames << f;
    }
    return frames;
}

QList<DrawnFrame> drawnOf(const QList<Frame>& frames, const Wiring& wiring, Polarity polarity) {
    QList<DrawnFrame> drawn;
    for (const Frame& f : frames) {
        DrawnFrame d;
        for (const Code code : f.codes)
            d.patterns << patternOf(code, wiring, polarity);
        d.delayMs = f.delayMs;
        d.label = f.label;
        drawn << d;
    }
    return drawn;
}

QString renderFrames(const QList<Frame>& frames, const Output& output, const Wiring& wiring,
                     Polarity polarity) {
    const FormatDescription& f = *output.format;
    const QString eol = output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    FormatContext context;
    context.name = output.name;
    context.polarity = polarity;
    context.eol = eol;
    context.bits = entryBits(wiring.bits());
    context.upper = output.upper;
    const QString name = context.arrayName();
    const int digits = frames.isEmpty() ? 0 : static_cast<int>(frames.first().codes.size());
    bool sameDelay = true;
    for (const Frame& frame : frames)
        sameDelay = sameDelay && frame.delayMs == frames.first().delayMs;
    const bool c = f.comments == CommentStyle::C;
    const bool assembler = f.comments == CommentStyle::Assembler;
    const bool a51 = f.closingEndsFile;  // its constants written with EQU
    auto constant = [&](const QString& key, int value) {
        const QString n = name + u'_' + key;
        if (c) return QStringLiteral("#define %1 %2").arg(n).arg(value) + eol;
        if (a51) return QStringLiteral("%1\tEQU\t%2").arg(n).arg(value) + eol;
        if (assembler) return QStringLiteral("%1 = %2").arg(n).arg(value) + eol;
        return QString();
    };
    QString out = f.prologue(context);
    out += constant(QStringLiteral("FRAMES"), static_cast<int>(frames.size()));
    out += constant(QStringLiteral("DIGITS"), digits);
    if (sameDelay && !frames.isEmpty())
        out += constant(QStringLiteral("DELAY_MS"), frames.first().delayMs);
    QString opening =
        f.opening(context, QStringLiteral("%1 frames of %2 digits").arg(frames.size()).arg(digits));
    if (c)
        opening.replace(name + QStringLiteral("[]"),
                        QStringLiteral("%1[%2][%3]").arg(name).arg(frames.size()).arg(digits));
    out += opening;
    const QString separator = QString::fromLatin1(f.separator);
    for (qsizetype k = 0; k < frames.size(); ++k) {
        QString row = f.rowPrefix(context, k);
        if (c) row += u'{';
        for (qsizetype d = 0; d < frames[k].codes.size(); ++d) {
            if (d > 0) row += separator;
            row += f.entry(frames[k].codes[d], context.bits, output.upper);
        }
        if (c) row += u'}';
        row += f.rowEnd(k + 1 == frames.size());
        if (f.comments != CommentStyle::None)
            row += f.rowComment(
                row.size(),
                // A frame drawn by hand may show no text: its delay alone.
                frames[k].label.isEmpty()
                    ? QStringLiteral("%1 ms").arg(frames[k].delayMs)
                    : QStringLiteral("%1 ms \"%2\"").arg(frames[k].delayMs).arg(frames[k].label));
        out += row + eol;
    }
    const QString closing = f.closing(context);
    if (f.comments == CommentStyle::None || sameDelay) return out + closing;
    // The delays, in milliseconds, as a table of 16-bit entries in the same format.
    Table delays;
    delays.bits = 16;
    TableLine line;
    for (const Frame& frame : frames)
        line.entries << TableEntry{static_cast<Code>(frame.delayMs), Digit{}, -1};
    delays.lines << line;
    Output o = output;
    o.name = name + QStringLiteral("_delays");
    o.comments = false;
    return joinTexts(f, {out + closing, render(delays, o, polarity)}, eol);
}

}  // namespace kelvarin::codes
