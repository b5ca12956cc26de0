// SPDX-License-Identifier: MIT
// The mapping of path texts to paths of the file system, and back.

#include "workout/path_mapping.h"

namespace kelvarin {

using platform::Drive;

namespace {

bool under(QStringView path, QStringView folder) {
    return path == folder ||
           (path.startsWith(folder) && path.size() > folder.size() && path[folder.size()] == u'/');
}

}  // namespace

QString toLinuxPath(const QString& text, const QList<Drive>& drives) {
    QString rest = text;
    QString base;
    const bool lettered =
        text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 128;
    if (lettered) {
        const Drive* d = driveOf(drives, text[0]);
        if (d == nullptr) return QString();
        base = d->mountPoint;
        rest = text.mid(2);
        if (!rest.startsWith(u'\\') && !rest.startsWith(u'/')) rest.prepend(u'/');
    }
    rest.replace(u'\\', u'/');
    if (!lettered) return rest;
    // "/" and "/x" joined without a doubled separator.
    return base == u"/" ? rest : base + rest;
}

QString toPathText(const QString& linuxPath, const QList<Drive>& drives) {
    const Drive* best = nullptr;
    for (const Drive& d : drives) {
        const bool holds =
            d.mountPoint == u"/" ? linuxPath.startsWith(u'/') : under(linuxPath, d.mountPoint);
        if (holds && (best == nullptr || d.mountPoint.size() > best->mountPoint.size())) best = &d;
    }
    if (best == nullptr) return linuxPath;
    QString rest = best->mountPoint == u"/" ? linuxPath : linuxPath.mid(best->mountPoint.size());
    if (rest.isEmpty()) rest = QStringLiteral("/");
    rest.replace(u'/', u'\\');
    return QString(best->letter) + u':' + rest;
}

}  // namespace kelvarin
