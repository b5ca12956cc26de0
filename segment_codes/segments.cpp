// SPDX-License-Identifier: MIT
// Segment names, the wiring list and its errors, and codes under wiring and polarity.

#include "segment_codes/segments.h"

#include <QStringList>

namespace kelvarin::codes {

namespace {

const std::array<const char*, kSegments> kNames = {"a", "b", "c", "d", "e", "f", "g", "dp"};

}  // namespace

QString segmentName(int segment) {
    return segment >= 0 && segment < kSegments ? QString::fromLatin1(kNames[segment]) : QString();
}

int segmentNamed(QStringView name) {
    for (int s = 0; s < kSegments; ++s) {
        if (name.compare(QLatin1StringView(kNames[s]), Qt::CaseInsensitive) == 0) return s;
    }
    return -1;
}

Wiring::Wiring() {
    for (int k = 0; k < kSegments; ++k)
        m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(k);
}

Wiring Wiring::reversed() {
    Wiring w;
    for (int k = 0; k < kSegments; ++k)
        w.m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(kSegments - 1 - k);
    return w;
}

std::optional<Wiring> Wiring::parse(QStringView list, QString* error) {
    QStringList problems;
    const QList<QStringView> names = list.split(u',');
    if (names.size() != kSegments) {
        problems << QStringLiteral("it names %1 bits, not 8").arg(names.size());
    }
    std::array<int, kSegments> placeOf;
    placeOf.fill(0);
    Wiring wiring;
    for (qsizetype k = 0; k < names.size(); ++k) {
        const QStringView name = names[k].trimmed();
        const int segment = segmentNamed(name);
        const int place = static_cast<int>(k) + 1;
        if (segment < 0) {
            problems << (name.isEmpty()
                             ? QStringLiteral("place %1 is empty").arg(place)
                             : QStringLiteral("'%1' at place %2 is no segment (the names are a, b, "
                                              "c, d, e, f, g and dp)")
                                   .arg(name.toString())
                                   .arg(place));
            continue;
        }
        int& first = placeOf[static_cast<size_t>(segment)];
        if (first != 0) {
            problems << QStringLiteral("'%1' is named twice, at places %2 and %3")
                            .arg(segmentName(segment))
                            .arg(first)
                            .arg(place);
            continue;
        }
        first = place;
        if (k < kSegments)
            wiring.m_segmentOfBit[static_cast<size_t>(k)] = static_cast<quint8>(segment);
    }
    for (int s = 0; s < kSegments; ++s) {
        if (placeOf[static_cast<size_t>(s)] == 0)
            problems << QStringLiteral("'%1' is missing").arg(segmentName(s));
    }
    if (problems.isEmpty()) return wiring;
    if (error != nullptr) {
        *error = QStringLiteral(
                     "bad wiring \"%1\": %2; give the eight names a, b, c, d, e, f, g, "
                     "dp in the order of the bits from bit 0 up")
                     .arg(list.toString(), problems.join(QStringLiteral("; ")));
    }
    return std::nullopt;
}

QString Wiring::text() const {
    QStringList names;
    for (const quint8 s : m_segmentOfBit)
        names << segmentName(s);
    return names.join(u',');
}

bool Wiring::isStandard() const {
    return *this == Wiring();
}

quint8 Wiring::byteOf(quint8 pattern) const {
    quint8 byte = 0;
    for (int k = 0; k < kSegments; ++k) {
        if (pattern & (1u << m_segmentOfBit[static_cast<size_t>(k)]))
            byte |= static_cast<quint8>(1u << k);
    }
    return byte;
}

quint8 Wiring::patternOf(quint8 byte) const {
    quint8 pattern = 0;
    for (int k = 0; k < kSegments; ++k) {
        if (byte & (1u << k))
            pattern |= static_cast<quint8>(1u << m_segmentOfBit[static_cast<size_t>(k)]);
    }
    return pattern;
}

quint8 codeOf(quint8 pattern, const Wiring& wiring, Polarity polarity) {
    const quint8 byte = wiring.byteOf(pattern);
    return polarity == Polarity::CommonAnode ? static_cast<quint8>(~byte) : byte;
}

quint8 patternOf(quint8 code, const Wiring& wiring, Polarity polarity) {
    return wiring.patternOf(polarity == Polarity::CommonAnode ? static_cast<quint8>(~code) : code);
}

}  // namespace kelvarin::codes
