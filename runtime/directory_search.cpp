// SPDX-License-Identifier: MIT
// Directory search: regular files matched by name with "*" and "?" wildcards.

#include "runtime/directory_search.h"

#include <QDirIterator>
#include <QFileInfo>

namespace kelvarin::rt {

bool wildcardMatch(QStringView name, QStringView pattern) {
    // Greedy matching with one point to return to: the last "*" and where its run ended.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool normalFileExists(const QString& name) {
    if (name.isEmpty()) return false;
    const qsizetype slash = name.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : name.left(slash + 1);
    const QString pattern = name.mid(slash + 1);
    if (pattern.isEmpty()) return false;
    if (!pattern.contains(u'*') && !pattern.contains(u'?')) {
        const QFileInfo info(name);
        return info.isFile();
    }
    // No name filters: Qt splits those at spaces and ";", which here are part of the name.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (wildcardMatch(it.fileName(), pattern) && it.fileInfo().isFile()) return true;
    }
    return false;
}

}  // namespace kelvarin::rt
