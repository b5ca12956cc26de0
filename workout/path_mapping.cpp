// SPDX-License-Identifier: MIT
// The mapping of path texts to paths of the file system, and back.

#include "workout/internal/path_mapping.h"

#include "runtime/errors.h"
#include "runtime/file_access.h"

namespace kelvarin {

using platform::Drive;

namespace {

bool under(QStringView path, QStringView folder) {
    return path == folder ||
           (path.startsWith(folder) && path.size() > folder.size() && path[folder.size()] == u'/');
}

}  // namespace

QString toLinuxPath(const QString& text, const QList<Drive>& drives) {
    rt::checkFileName(text);
    auto separator = [](QChar c) { return c == u'\\' || c == u'/'; };
    // A share of another machine (\\server\share) has no place in the drive table.
    if (text.size() >= 2 && separator(text[0]) && separator(text[1]) &&
        (text[0] == u'\\' || text[1] == u'\\'))
        raiseError(err::PathNotFound);
    const bool lettered =
        text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 128;
    if (!lettered) return QString(text).replace(u'\\', u'/');
    const Drive* d = platform::driveOf(drives, text[0]);
    if (d == nullptr) raiseError(err::PathNotFound);
    // The elements after the drive, "." and ".." resolved inside it: ".." at the drive's root
    // stays there, as it does at the root of a file system.
    QStringList elements;
    const QStringView rest = QStringView(text).mid(2);
    qsizetype start = 0;
    for (qsizetype k = 0; k <= rest.size(); ++k) {
        if (k < rest.size() && !separator(rest[k])) continue;
        const QStringView element = rest.mid(start, k - start);
        start = k + 1;
        if (element.isEmpty() || element == u".") continue;
        if (element == u"..") {
            if (!elements.isEmpty()) elements.removeLast();
            continue;
        }
        elements << element.toString();
    }
    QString path = d->mountPoint == u"/" ? QString() : d->mountPoint;
    for (const QString& element : std::as_const(elements))
        path += u'/' + element;
    // A folder named with its separator at the end, or the drive alone, keeps one.
    if (elements.isEmpty() || separator(text.back())) path += u'/';
    return path;
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
