// SPDX-License-Identifier: MIT
// File-name functions: the name, extension, base name and folder of a path, the separator at a
// folder's end, and the names in the text a program was started with.

#include "runtime/directory_search.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

const QString kBackslash = QStringLiteral("\\");

// The text after the last occurrence of separator; the whole text when it has none.
QString afterLast(workOut& w, const QString& text, const QString& separator) {
    const qint64 p = static_cast<qint64>(w.RightInStr(1.0f, text, separator));
    return w.Right(text, static_cast<qint32>(text.size() - p));
}

}  // namespace

QString workOut::MainNameA(const QString& MaInStr, bool KeepExp) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    rn([&] {
        const QString name = afterLast(*this, MaInStr, kBackslash);
        result = KeepExp ? afterLast(*this, name, QStringLiteral(".")) : name;
    });
    return result;
}

QString workOut::MainNameB(const QString& MaInStr, bool KeepExp) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    rn([&] {
        const QString name = afterLast(*this, MaInStr, kBackslash);
        const QString extension = afterLast(*this, name, QStringLiteral("."));
        // A name without "." is all extension: the base name's length comes out as -1, empty.
        result = KeepExp ? extension
                         : Left(name, static_cast<qint32>(name.size() - extension.size() - 1));
    });
    return result;
}

QString workOut::MainNameC(const QString& MaInStr, bool /*KeepExp*/) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    rn([&] {
        const QString name = MainNameA(MaInStr, false);
        const QString folder = Left(MaInStr, static_cast<qint32>(MaInStr.size() - name.size()));
        result = AddPathChr92(folder, false);
    });
    return result;
}

QString workOut::GetMainExp(const QString& MaInStr, bool Point) {
    rt::ResumeNext rn(lcStrings(), __func__);
    QString result;
    // The last "." of the whole text: a folder's dot counts when the name has none.
    rn([&] { result = afterLast(*this, MaInStr, QStringLiteral(".")); });
    if (Point) result.prepend(u'.');
    return result;
}

QString workOut::AddPathChr92(const QString& sPath, bool Minutes) {
    const bool ends = sPath.endsWith(u'\\');
    if (Minutes) return ends ? sPath.left(sPath.size() - 1) : sPath;
    return ends ? sPath : sPath + u'\\';
}

qint32 workOut::GetSubCommandMain(const QString& StrSubMain, QStringList& ArrayFiles) {
    rt::ResumeNext rn(lcStrings(), __func__);
    auto store = [&ArrayFiles](qint32 index, const QString& name) {
        // A name the array has no place for is not written, but it still counts.
        if (index >= 0 && index < ArrayFiles.size()) ArrayFiles[index] = name;
    };
    QString unquoted = StrSubMain;
    unquoted.remove(u'"');
    bool found = false;
    rn([&] { found = rt::normalFileExists(filePath(StrSubMain)); });
    if (!found) rn([&] { found = rt::normalFileExists(filePath(unquoted)); });
    if (found || (!StrSubMain.contains(u' ') && !StrSubMain.contains(u'"'))) {
        store(0, found ? unquoted : StrSubMain);
        return 1;
    }

    const QString& text = StrSubMain;
    const qsizetype length = text.size();
    // Position of c at or after the 1-based position from, 0 when there is none. The scan only
    // moves forward, so each character's last answer is kept and searched again only once the
    // scan has passed it: the whole split is linear in the length of the text.
    struct Next {
        qsizetype from = 0, at = 0;  // searched from `from`, found at `at` (0: none after it)
    };
    Next nextQuote, nextSpace;
    auto find = [&text, length, &nextQuote, &nextSpace](QChar c, qsizetype from) -> qsizetype {
        if (from < 1 || from > length) return 0;
        Next& next = c == u'"' ? nextQuote : nextSpace;
        if (next.from == 0 || from < next.from || (next.at != 0 && next.at < from)) {
            next.from = from;
            next.at = text.indexOf(c, from - 1) + 1;
        }
        return next.at;
    };
    // The last name: the rest of the text from p, without its quotes when it is quoted.
    auto storeRest = [&](qsizetype p, qint32& n) {
        QString rest = p <= length ? text.mid(p - 1) : QString();
        if (rest.startsWith(u'"')) {
            rest.remove(0, 1);
            if (rest.endsWith(u'"')) rest.chop(1);
        }
        if (rest.isEmpty()) return;
        store(n, rest);
        ++n;
    };

    qint32 n = 0;
    qsizetype p = 1;
    // Every round moves p forward or ends the scan; the bound is only a guard.
    for (qsizetype round = 0; round <= length + 1; ++round) {
        const qsizetype q = find(u'"', p), s = find(u' ', p);
        if (q != 0 && s > q) {
            // A quoted name before the next space.
            const qsizetype closing = find(u'"', q + 1);
            if (closing == 0) {
                // Unclosed: the words after the opening quote are taken as unquoted names.
                p = q + 1;
                continue;
            }
            store(n, text.mid(q, closing - q - 1));
            ++n;
            p = closing + 2;
        } else if (s < q || s != 0) {
            // The text up to the first space after p; without one it is the last name.
            const qsizetype space = find(u' ', p + 1);
            if (space == 0) {
                storeRest(p, n);
                break;
            }
            store(n, text.mid(p - 1, space - p));
            ++n;
            p = space + 1;
        } else {
            // Neither a quote nor a space ahead: the rest is the last name.
            storeRest(p, n);
            break;
        }
    }
    return n;
}

}  // namespace kelvarin
