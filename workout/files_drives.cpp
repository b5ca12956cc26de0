// SPDX-License-Identifier: MIT
// Files and drives: file digests, media files found by extension, folder names, multi-file
// selections, file sizes, the drive list and kinds, volume serial numbers; and the mapping of
// the library's path texts to the file system, which every file operation goes through.

#include <QFileInfo>

#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/variant_rules.h"
#include "workout/internal/file_digest.h"
#include "workout/internal/path_mapping.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// The cryptography service's code for an algorithm it does not have, as an error number.
constexpr int kBadAlgorithm = static_cast<int>(0x80090008u);

QList<platform::Drive> drivesOf(const platform::Services& services) {
    return services.drives != nullptr ? services.drives->drives() : QList<platform::Drive>();
}

}  // namespace

QString workOut::filePath(const QString& text) const {
    return toLinuxPath(text, drivesOf(m_services));
}

QString workOut::pathText(const QString& path) const {
    return toPathText(path, drivesOf(m_services));
}

QString workOut::HashFile(const QString& Filename, qint32 Algorithm) {
    const QString path = filePath(Filename);
    if (!QFileInfo(path).isFile()) raiseError(err::FileNotFound);
    using platform::DigestAlgorithm;
    DigestAlgorithm algorithm;
    switch (Algorithm) {
        case 0x8002:
            algorithm = DigestAlgorithm::Md4;
            break;
        case 0x8003:
            algorithm = DigestAlgorithm::Md5;
            break;
        case 0x8004:
            algorithm = DigestAlgorithm::Sha1;
            break;
        case 0x800C:
            algorithm = DigestAlgorithm::Sha256;
            break;
        case 0x800D:
            algorithm = DigestAlgorithm::Sha384;
            break;
        case 0x800E:
            algorithm = DigestAlgorithm::Sha512;
            break;
        default:
            raiseError(kBadAlgorithm);
    }
    return QString::fromLatin1(fileDigest(path, algorithm, m_services.digests).toHex().toUpper());
}

QString workOut::iFDir(QString& pStr, const QString& Mepath) {
    pStr = rt::trimSpaces(pStr);
    const QStringList names = {pStr, Mepath + pStr, Mepath + pStr + QStringLiteral(".mp3"),
                               Mepath + pStr + QStringLiteral(".wav"),
                               Mepath + pStr + QStringLiteral(".wma")};
    for (const QString& name : names) {
        if (QFileInfo(filePath(name)).isFile()) return name;  // a folder is no file
    }
    return QString();
}

QString workOut::GetMainDir(const QString& pStr) {
    rt::ResumeNext rn(lcFiles(), __func__);
    QString result;
    rn([&] {
        const QString backslash = QStringLiteral("\\");
        // The last "\" and the one before it; the name between them.
        const qint64 a = static_cast<qint64>(RightInStr(1.0f, pStr, backslash));
        const qint64 b = static_cast<qint64>(
            RightInStr(static_cast<float>(pStr.size() - a + 2), pStr, backslash));
        result = rt::mid(pStr, b + 1, a - b - 1);
    });
    return result;
}

qint32 workOut::GetCommondialogFilename(const QString& CommonName, QStringList& pGetX) {
    auto store = [&pGetX](qint32 index, const QString& name) {
        // A name the array has no place for is skipped, but counted.
        if (index >= 0 && index < pGetX.size()) pGetX[index] = name;
    };
    const QChar zero(u'\0');
    if (!CommonName.contains(zero)) {
        store(1, CommonName);
        return 1;
    }
    const QString text = CommonName + zero;
    const qsizetype first = text.indexOf(zero);
    QString folder = text.left(first);
    if (!folder.endsWith(u'\\')) folder += u'\\';
    qint32 count = 0;
    for (qsizetype p = first + 1;;) {
        const qsizetype next = text.indexOf(zero, p);
        if (next < 0) break;
        ++count;
        store(count, folder + text.mid(p, next - p));
        p = next + 1;
    }
    return count == 0 ? 1 : count;
}

QString workOut::GetFileLenKBMB(qint32 ReadLen) {
    // The kibibyte count grouped in thousands: '4,882 KB' for 5,000,000 bytes.
    const qint32 kib = ReadLen / 1024;
    const qint32 thousands = kib / 1000, rest = kib % 1000;
    const QString digits = rest < 0 ? QStringLiteral("-%1").arg(-rest, 3, 10, QLatin1Char('0'))
                                    : QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
    return QString::number(thousands) + u',' + digits + QStringLiteral(" KB");
}

QString workOut::ftnShowDriveList() {
    rt::ResumeNext rn(lcFiles(), __func__);
    QString letters;
    rn([&] {
        for (const platform::Drive& d : platform::require(m_services.drives).drives())
            letters += d.letter;
    });
    return letters;
}

QString workOut::GetDriveTypeIn(const QString& Disk) {
    rt::ResumeNext rn(lcFiles(), __func__);
    qint32 kind = 0;
    rn([&] {
        kind = platform::drive::NoRoot;
        if (Disk.isEmpty()) return;
        const QList<platform::Drive> drives = platform::require(m_services.drives).drives();
        if (const platform::Drive* d = platform::driveOf(drives, Disk[0])) kind = d->kind;
    });
    switch (kind) {
        case 1:
            return QStringLiteral("Unknown Drive");
        case 2:
            return QStringLiteral("Removable Drive");
        case 3:
            return QStringLiteral("Fixed Drive");
        case 4:
            return QStringLiteral("Network Drive");
        case 5:
            return QStringLiteral("CD-Rom");
        case 6:
            return QStringLiteral("Ram Disk");
        default:
            return QString();
    }
}

QString workOut::GetAnyTypeDrives(const QVariant& ReadTypeAs_Unknow_Removable_Fixed_Network_Cd_Ram,
                                  bool WithOutAB) {
    rt::ResumeNext rn(lcFiles(), __func__);
    QString kept;
    rn([&] {
        const QString wanted =
            rt::textOf(ReadTypeAs_Unknow_Removable_Fixed_Network_Cd_Ram).left(2).toLower();
        for (const QChar letter : ftnShowDriveList()) {
            if (GetDriveTypeIn(QString(letter)).left(2).toLower() == wanted) kept += letter;
        }
    });
    if (WithOutAB) {
        qsizetype cut = kept.indexOf(u'B');
        if (cut < 0) cut = kept.indexOf(u'A');
        if (cut >= 0) kept.remove(0, cut + 1);
    }
    return kept;
}

qint32 workOut::GetSerialVolume(QString& strDrive) {
    if (strDrive.size() == 1) strDrive += QStringLiteral(":\\");
    // A drive's root: a letter, ":" and "\".
    if (strDrive.size() != 3 || strDrive[1] != u':' || strDrive[2] != u'\\') return 0;
    platform::DriveTable& table = platform::require(m_services.drives);
    const QList<platform::Drive> drives = table.drives();
    const platform::Drive* d = platform::driveOf(drives, strDrive[0]);
    return d == nullptr ? 0 : table.serialNumber(*d);
}

}  // namespace kelvarin
