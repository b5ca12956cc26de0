// SPDX-License-Identifier: MIT
// The desktop: a top-level window found by its title (and closed), the desktop folder, the
// folder dialog, and files copied as the shell copies them.

#include <QDir>
#include <QFileInfo>

#include "runtime/file_access.h"
#include "runtime/file_copy.h"
#include "runtime/resume_next.h"
#include "runtime/trace.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

QVariant workOut::iFExist2Exit(const QString& include, bool pSame, bool pClose) {
    if (include.isEmpty()) return QVariant();
    platform::WindowList& list = platform::require(m_services.windows);
    const QList<platform::TopWindow> windows = list.windows();
    for (const platform::TopWindow& w : windows) {
        if (w.title.isEmpty()) continue;
        const bool match = pSame ? w.title.compare(include, Qt::CaseInsensitive) == 0
                                 : w.title.contains(include, Qt::CaseInsensitive);
        if (!match) continue;
        // Looked up again by its whole title: the first window of that title.
        qint32 handle = w.handle;
        for (const platform::TopWindow& v : windows) {
            if (v.title.compare(w.title, Qt::CaseInsensitive) == 0) {
                handle = v.handle;
                break;
            }
        }
        m_foundWindow = handle;
        if (pClose && !list.close(handle))
            rt::traceFailure(lcDesktop(), __func__, 0, "the window was not closed", w.title);
        return QVariant(handle);
    }
    return QVariant();
}

QString workOut::GetDESKTOP() {
    rt::ResumeNext rn(lcDesktop(), __func__);
    QString folder;
    rn([&] {
        const QString desktop = platform::require(m_services.folders).desktop();
        if (!desktop.isEmpty()) folder = AddPathChr92(pathText(desktop), false);
    });
    return folder;
}

QString workOut::GetShowFolders(qint32 ObjectHwnd, const QString& Title) {
    rt::ResumeNext rn(lcDesktop(), __func__);
    QString chosen;
    // Without the dialogs (no desktop) it is as if the user cancelled.
    rn([&] {
        if (m_services.dialogs == nullptr) return;
        const QString folder = m_services.dialogs->chooseFolder(ObjectHwnd, Title);
        if (!folder.isEmpty()) chosen = pathText(folder);
    });
    const QString result = AddPathChr92(chosen, false);
    return result == u"\\" ? QString() : result;
}

qint32 workOut::windowsCopyFile(const QStringList& ReadFiles, const QString& CopyTo) {
    if (CopyTo == u"\\") return 2;
    if (CopyTo.isEmpty()) return 1;
    rt::ResumeNext rn(lcDesktop(), __func__);
    platform::Dialogs* dialogs = m_services.dialogs;
    // The files that exist, in array order.
    QStringList sources;
    qint64 total = 0;
    for (const QString& name : ReadFiles) {
        if (name.isEmpty()) continue;
        rn([&] {
            const QString path = filePath(name);  // a name on no drive is no file
            const QFileInfo info(path);
            if (!info.isFile()) return;
            sources << path;
            total += info.size();
        });
    }
    // A destination that maps to no folder (a drive not in the table, a share of another
    // machine) receives nothing; the failure is shown as the shell shows it.
    QString folder;
    if (!rn([&] { folder = filePath(CopyTo); })) {
        if (dialogs != nullptr) {
            const workOutError reason(rn.number());
            rn([&] { dialogs->copyFailed(CopyTo, QString::fromUtf8(reason.what())); });
            rn([&] { dialogs->copyFinished(); });
        }
        return 0;
    }
    rn([&] {
        if (!rt::nameExists(folder)) QDir().mkpath(folder);
    });
    if (dialogs != nullptr)
        rn([&] { dialogs->copyStarted(total, static_cast<int>(sources.size())); });
    qint64 done = 0;
    for (const QString& source : sources) {
        const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
        // Any entry of that name is one, a link that leads nowhere (or that the kernel refuses
        // to follow) included: the user is asked before it is replaced.
        if (rt::nameExists(target)) {
            const QString there = QFileInfo(target).canonicalFilePath();
            if (!there.isEmpty() && there == QFileInfo(source).canonicalFilePath())
                continue;  // already there
            // Replaced only when the user says so; without dialogs the file is kept.
            bool replace = false;
            if (dialogs != nullptr) rn([&] { replace = dialogs->confirmReplace(target, source); });
            if (!replace) continue;
        }
        bool cancelled = false;
        const bool copied = rn([&] {
            cancelled = !rt::copyFileAtomically(source, target, [&](qint64 bytes) {
                return dialogs == nullptr || dialogs->copyProgress(done + bytes, source);
            });
        });
        if (!copied && dialogs != nullptr) {
            const workOutError reason(rn.number());
            rn.clear();
            rn([&] { dialogs->copyFailed(source, QString::fromUtf8(reason.what())); });
        }
        if (cancelled) break;
        done += QFileInfo(source).size();
    }
    if (dialogs != nullptr) rn([&] { dialogs->copyFinished(); });
    return 0;
}

}  // namespace kelvarin
