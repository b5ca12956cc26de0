// SPDX-License-Identifier: MIT
// Copying a file through a temporary file.

#include "runtime/file_copy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"

namespace kelvarin::platform {

bool copyFileAtomically(const QString& source, const QString& target,
                        const std::function<bool(qint64)>& progress) {
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly)) {
        raiseError(QFileInfo::exists(source) && !QFileInfo(source).isDir() ? err::PermissionDenied
                                                                           : err::FileNotFound);
    }
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isDir()) raiseError(err::PathNotFound);
    if (QFileInfo(target).isDir()) raiseError(err::PathFileAccessError);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        raiseError(folder.isWritable() ? err::PathFileAccessError : err::PermissionDenied);
    auto fail = [&out](int number) {
        out.cancelWriting();
        out.commit();  // removes the temporary file
        raiseError(number);
    };
    constexpr qint64 kBlock = 1 << 20;
    auto buffer = std::make_unique<char[]>(kBlock);
    qint64 copied = 0;
    for (;;) {
        const qint64 n = in.read(buffer.get(), kBlock);
        if (n < 0) fail(err::PathFileAccessError);
        if (n == 0) break;
        if (out.write(buffer.get(), n) != n) fail(err::PathFileAccessError);
        copied += n;
        if (progress && !progress(copied)) {
            out.cancelWriting();
            out.commit();
            return false;
        }
    }
    if (!out.flush()) fail(err::PathFileAccessError);
    // The copy takes the source's permissions and modification time.
    struct stat st {};
    if (::fstat(in.handle(), &st) == 0) {
        ::fchmod(out.handle(), st.st_mode & 07777);
        const timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out.handle(), times);
    }
    if (::fsync(out.handle()) != 0) fail(err::PathFileAccessError);
    if (!out.commit()) raiseError(err::PathFileAccessError);
    return true;
}

}  // namespace kelvarin::platform
