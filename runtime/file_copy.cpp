// SPDX-License-Identifier: MIT
// Copying a file through a temporary file.

#include "runtime/file_copy.h"

#include <QFile>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"
#include "runtime/file_access.h"

namespace kelvarin::rt {

bool copyFileAtomically(const QString& source, const QString& target,
                        const std::function<bool(qint64)>& progress) {
    checkFileName(source);
    checkFileName(target);
    const int in = source.isEmpty() ? -1
                                    : ::open(QFile::encodeName(source).constData(),
                                             O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (in < 0)
        raiseError(errno == EACCES || errno == EPERM ? err::PermissionDenied : err::FileNotFound);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{in};
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) raiseError(err::FileNotFound);
    AtomicFile out(target);
    out.reserve(st.st_size);
    constexpr qint64 kBlock = 1 << 20;
    auto buffer = std::make_unique<char[]>(kBlock);
    qint64 copied = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer.get(), kBlock);
        if (n < 0) {
            if (errno == EINTR) continue;
            raiseError(err::PathFileAccessError);  // the temporary file goes with out
        }
        if (n == 0) break;
        out.write(buffer.get(), n);
        copied += n;
        if (progress && !progress(copied)) return false;
    }
    // The source's permission bits, never setuid, setgid or sticky; its modification time.
    out.setMode(st.st_mode & 0777);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.handle(), times);
    out.commit();
    return true;
}

}  // namespace kelvarin::rt
