// SPDX-License-Identifier: MIT
#pragma once

// What the harnesses share: the one utility object they run against, a scratch folder for the
// files they write, and readers of arguments (variants, start positions, arrays) from the input.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <memory>

#include "fuzz/fuzz_input.h"
#include "runtime/string_runtime.h"
#include "workout/workout.h"

namespace kelvarin::fuzz {

using E = std::initializer_list<int>;
inline const E kNone = {};

inline workOut& object() {
    static workOut w;
    return w;
}

// A folder of this process for the files a harness writes: in memory where the system has
// such a place, so that writing (and its flush to the disk) does not decide the pace.
inline QString scratch(const char* name) {
    static QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                        : QDir::tempPath()) +
                             QStringLiteral("/kelvarin-fuzz-XXXXXX"));
    return dir.filePath(QString::fromLatin1(name));
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

inline QVariant variant(Input& in) {
    switch (in.count(6)) {
        case 0:
            return QVariant();
        case 1:
            return QVariant(in.number<qint32>());
        case 2:
            return QVariant(in.number<double>());
        case 3:
            return QVariant(in.byte() & 1);
        case 4:
            return QVariant(static_cast<bool>(in.byte() & 1));
        default:
            return QVariant(in.text());
    }
}

// A start position: ordinary, fractional, or one of the awkward ones.
inline float start(Input& in) {
    static const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(),
                                1e30f,
                                -1e30f,
                                1e17f,
                                -1e17f,
                                16777217.0f,
                                0.5f,
                                -0.5f,
                                2.5f};
    const int kind = in.count(4);
    if (kind == 0) return odd[in.count(static_cast<int>(std::size(odd)))];
    if (kind == 1) return in.number<float>();
    return static_cast<float>(static_cast<int>(in.byte()) - 20) + (kind == 3 ? 0.5f : 0.0f);
}

inline QStringList array(Input& in) {
    return QStringList(in.count(8), QStringLiteral("o"));
}

// Results of SpaceChar and replaceFormat from 2^25 characters up to the longest text (2^28) only
// cost time: writing up to 512 MB under the sanitizers takes most of the second an input may
// take. Their speed at 2^25 is the benchmark's row ("SpaceChar to 2^25 characters",
// "replaceFormat to 2^25 characters", make bench text) and its linearity the rows at 10 and
// 20 Mi; here only those lengths are skipped, and the longest text is tried on either side.
constexpr qint64 kLongResult = qint64(1) << 25;
inline bool slowButFine(qint64 length) {
    return length >= kLongResult && length <= rt::kLongestText;
}

}  // namespace kelvarin::fuzz
