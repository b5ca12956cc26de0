// SPDX-License-Identifier: MIT
// Segment names, the wiring list and its errors, and codes under wiring and polarity.

#include "segment_codes/segments.h"

#include <QStringList>

namespace kelvarin::codes {

QString segmentName(int segment) {
    return segment >= 0 && segment < kSegments ? segmentName(DisplayKind::Seven, segment)
                                               : QString();
}

int segmentNamed(QStringView name) {
    return segmentNamed(DisplayKind::Seven, name);
}

Wiring::Wiring() : Wiring(DisplayKind::Seven) {}

Wiring::Wiring(DisplayKind kind) : m_kind(kind) {
    for (int k = 0; k < bits(); ++k)
        m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(k);
}

Wiring Wiring::reversed(DisplayKind kind) {
    Wiring w(kind);
    for (int k = 0; k < w.bits(); ++k)
        w.m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(w.bits() - 1 - k);
    return w;
}

std::optional<Wiring> Wiring::fromSegments(DisplayKind kind, const QList<int>& order) {
    Wiring w(kind);
    if (order.size() != w.bits()) return std::nullopt;
    quint32 seen = 0;
    for (int k = 0; k < w.bits(); ++k) {
        const int s = order[k];
        if (s < 0 || s >= w.bits() || (seen & (1u << s))) return std::nullopt;
        seen |= 1u << s;
        w.m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(s);
    }
    return w;
}

std::optional<Wiring> Wiring::parse(QStringView list, QString* error, DisplayKind kind) {
    QStringList problems;
    const int count = segmentCount(kind);
    const QList<QStringView> names = list.split(u',');
    if (names.size() != count)
        problems << QStringLiteral("it names %1 bits, not %2").arg(names.size()).arg(count);
    std::array<int, 17> placeOf{};
    Wiring wiring(kind);
    const QStringList& all = segmentNames(kind);
    for (qsizetype k = 0; k < names.size(); ++k) {
        const QStringView name = names[k].trimmed();
        const int segment = segmentNamed(kind, name);
        const int place = static_cast<int>(k) + 1;
        if (segment < 0) {
            problems << (name.isEmpty()
                             ? QStringLiteral("place %1 is empty").arg(place)
                             : QStringLiteral("'%1' at place %2 is no segment (the names are %3 "
                                              "and %4)")
                                   .arg(name.toString())
                                   .arg(place)
                                   .arg(all.mid(0, count - 1).join(QStringLiteral(", ")),
                                        all.last()));
            continue;
        }
        int& first = placeOf[static_cast<size_t>(segment)];
        if (first != 0) {
            problems << QStringLiteral("'%1' is named twice, at places %2 and %3")
                            .arg(all[segment])
                            .arg(first)
                            .arg(place);
            continue;
        }
        first = place;
        if (k < count) wiring.m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(segment);
    }
    for (int s = 0; s < count; ++s) {
        if (placeOf[static_cast<size_t>(s)] == 0)
            problems << QStringLiteral("'%1' is missing").arg(all[s]);
    }
    if (problems.isEmpty()) return wiring;
    if (error != nullptr) {
        const QString names = kind == DisplayKind::Seven
                                  ? QStringLiteral("eight names a, b, c, d, e, f, g, dp")
                                  : QStringLiteral("%1 names %2").arg(count).arg(all.join(u' '));
        *error = QStringLiteral(
                     "bad wiring \"%1\": %2; give the %3 in the order of the bits from "
                     "bit 0 up")
                     .arg(list.toString(), problems.join(QStringLiteral("; ")), names);
    }
    return std::nullopt;
}

QString Wiring::text() const {
    QStringList names;
    for (int k = 0; k < bits(); ++k)
        names << segmentName(m_kind, m_segmentOfBit[static_cast<size_t>(k)]);
    return names.join(u',');
}

bool Wiring::isStandard() const {
    return *this == Wiring(m_kind);
}

int Wiring::bitOfSegment(int segment) const {
    for (int k = 0; k < bits(); ++k) {
        if (m_segmentOfBit[static_cast<size_t>(k)] == segment) return k;
    }
    return -1;
}

quint32 Wiring::bitsOf(quint32 pattern) const {
    quint32 code = 0;
    for (int k = 0; k < bits(); ++k) {
        if (pattern & (1u << m_segmentOfBit[static_cast<size_t>(k)])) code |= 1u << k;
    }
    return code;
}

quint32 Wiring::patternOfBits(quint32 code) const {
    quint32 pattern = 0;
    for (int k = 0; k < bits(); ++k) {
        if (code & (1u << k)) pattern |= 1u << m_segmentOfBit[static_cast<size_t>(k)];
    }
    return pattern;
}

Code codeOf(Code pattern, const Wiring& wiring, Polarity polarity) {
    const quint32 code = wiring.bitsOf(pattern);
    return polarity == Polarity::CommonAnode ? ~code & allSegments(wiring.kind()) : code;
}

Code patternOf(Code code, const Wiring& wiring, Polarity polarity) {
    return wiring.patternOfBits(
        polarity == Polarity::CommonAnode ? ~code & allSegments(wiring.kind()) : code);
}

}  // namespace kelvarin::codes
