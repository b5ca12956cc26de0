// SPDX-License-Identifier: MIT
// Reading and writing files safely: names, links, special files, sizes, atomic replacement.

#include "runtime/file_access.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"

namespace kelvarin::rt {

namespace {

// The runtime's error number for a failed system call.
int errorNumberFor(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
        case EROFS:
            return err::PermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return err::PathNotFound;
        default:
            return err::PathFileAccessError;
    }
}

QByteArray folderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    if (slash == 0) return QByteArrayLiteral("/");
    return name.left(slash);
}

// Why a file in the folder of name cannot be written or read: 76 for a missing folder or one
// that is no folder, 70 when the way there is closed, 0 when the folder is there.
int folderProblem(const QByteArray& name) {
    struct stat st {};
    if (::stat(folderOf(name).constData(), &st) != 0)
        return errorNumberFor(errno) == err::PermissionDenied ? err::PermissionDenied
                                                              : err::PathNotFound;
    return S_ISDIR(st.st_mode) ? 0 : err::PathNotFound;
}

bool refusedLinkName(const QByteArray& name) {
    struct stat link {};
    if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return false;
    struct stat folder {};
    if (::stat(folderOf(name).constData(), &folder) != 0) return false;
    const bool sticky = (folder.st_mode & S_ISVTX) != 0;
    const bool worldWritable = (folder.st_mode & S_IWOTH) != 0;
    return sticky && worldWritable && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

// The file a name leads to, links followed (each checked against protected_symlinks); the last
// one may not exist. Raises 70 for a refused link, 75 for a loop.
QByteArray finalTarget(QByteArray name) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        if (refusedLinkName(name)) raiseError(err::PermissionDenied);
        QByteArray target(static_cast<qsizetype>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(name.constData(), target.data(), target.size());
        if (n <= 0 || n >= target.size()) raiseError(err::PathFileAccessError);
        target.truncate(n);
        name = target.startsWith('/') ? target : folderOf(name) + '/' + target;
    }
    raiseError(err::PathFileAccessError);  // a loop of links
}

}  // namespace

void checkFileName(const QString& path) {
    if (path.contains(QChar(u'\0'))) raiseError(err::BadFileName);
}

bool nameExists(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0'))) return false;
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool refusedLink(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0'))) return false;
    return refusedLinkName(QFile::encodeName(path));
}

QByteArray readFile(const QString& path) {
    checkFileName(path);
    if (path.isEmpty()) raiseError(err::FileNotFound);
    const QByteArray name = QFile::encodeName(path);
    // Without blocking: opening a named pipe with no writer would wait for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int code = errno;
        if (code == ENOENT)
            raiseError(folderProblem(name) == 0 ? err::FileNotFound : err::PathNotFound);
        if (code == ENXIO || code == ELOOP) raiseError(err::FileNotFound);  // a socket, a loop
        raiseError(errorNumberFor(code));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) raiseError(err::PathFileAccessError);
    if (S_ISDIR(st.st_mode)) raiseError(err::PathFileAccessError);
    if (!S_ISREG(st.st_mode)) raiseError(err::FileNotFound);
    if (st.st_size > kLargestTextFile) raiseError(err::OutOfStringSpace);
    try {
        // Read straight into the text's own buffer, as large as the file says it is; a file that
        // grows while it is read goes on through a small buffer, still held to the limit.
        QByteArray bytes(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        auto readInto = [fd](char* to, size_t size) {
            for (;;) {
                const ssize_t n = ::read(fd, to, size);
                if (n >= 0) return n;
                if (errno != EINTR) raiseError(err::PathFileAccessError);
            }
        };
        while (got < bytes.size()) {
            const ssize_t n = readInto(bytes.data() + got, static_cast<size_t>(bytes.size() - got));
            if (n == 0) break;
            got += n;
        }
        bytes.truncate(got);
        if (got == static_cast<qsizetype>(st.st_size)) {
            char buffer[65536];
            for (ssize_t n; (n = readInto(buffer, sizeof buffer)) > 0;) {
                if (bytes.size() + n > kLargestTextFile) raiseError(err::OutOfStringSpace);
                bytes.append(buffer, n);
            }
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        raiseError(err::OutOfMemory);
    }
}

void createFolders(const QString& path) {
    checkFileName(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QByteArray current;
    for (const QString& part : absolute.split(u'/', Qt::SkipEmptyParts)) {
        current += '/' + QFile::encodeName(part);
        struct stat st {};
        if (::stat(current.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) raiseError(err::PathNotFound);
            continue;
        }
        if (errno != ENOENT) raiseError(errorNumberFor(errno));
        if (::mkdir(current.constData(), 0700) != 0 && errno != EEXIST) {
            raiseError(errorNumberFor(errno) == err::PermissionDenied ? err::PermissionDenied
                                                                      : err::PathFileAccessError);
        }
    }
}

AtomicFile::AtomicFile(const QString& path, NewFileMode mode) {
    checkFileName(path);
    if (path.isEmpty()) raiseError(err::PathNotFound);
    const QByteArray name = QFile::encodeName(path);
    if (const int problem = folderProblem(name)) raiseError(problem);
    m_target = finalTarget(name);
    if (const int problem = folderProblem(m_target)) raiseError(problem);
    struct stat old {};
    const bool exists = ::lstat(m_target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) raiseError(err::PathFileAccessError);
    if (exists && !S_ISREG(old.st_mode)) raiseError(err::PathFileAccessError);
    if (exists && old.st_nlink > 1) {
        // Its links stay one file: the content is rewritten in place.
        m_inPlace = true;
        m_fd = ::open(m_target.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (m_fd < 0) raiseError(errorNumberFor(errno));
        return;
    }
    const QByteArray folder = folderOf(m_target);
    const QByteArray base = m_target.mid(m_target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary = folder + "/." + base + '.' +
                      QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      exists ? mode_t(0600) : mode.mode);
        if (m_fd < 0 && errno != EEXIST) {
            const int code = errno;
            m_temporary.clear();
            raiseError(errorNumberFor(code));
        }
    }
    if (m_fd < 0) {
        m_temporary.clear();
        raiseError(err::PathFileAccessError);
    }
    if (exists) {
        // The replaced file's owner and group where this process may give them (root may; a
        // user may keep a group of its own), then its mode, which a change of owner may clear.
        if (::fchown(m_fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(m_fd, static_cast<uid_t>(-1), old.st_gid);
        }
        setMode(old.st_mode & 07777);
    } else if (mode.exact) {
        setMode(mode.mode);
    }
}

AtomicFile::~AtomicFile() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_committed && !m_temporary.isEmpty()) ::unlink(m_temporary.constData());
}

void AtomicFile::fail() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty()) ::unlink(m_temporary.constData());
    m_temporary.clear();
    raiseError(err::PathFileAccessError);
}

void AtomicFile::reserve(qint64 size) {
    if (size <= 0) return;
    const int result = ::posix_fallocate(m_fd, 0, size);
    // A file system that cannot reserve room says so; the writes then find out.
    if (result != 0 && result != EOPNOTSUPP && result != EINVAL && result != ENOSYS) fail();
}

void AtomicFile::write(const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail();
        }
        data += n;
        size -= n;
    }
}

void AtomicFile::setMode(mode_t mode) {
    m_mode = mode;
    m_modeSet = true;
}

void AtomicFile::commit() {
    if (m_inPlace) {
        const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        if (end < 0 || ::ftruncate(m_fd, end) != 0) fail();
    }
    if (m_modeSet && ::fchmod(m_fd, m_mode) != 0 && !m_inPlace) fail();
    if (::fsync(m_fd) != 0) fail();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && !m_inPlace) fail();
    if (!m_inPlace && ::rename(m_temporary.constData(), m_target.constData()) != 0) fail();
    m_committed = true;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes, NewFileMode mode) {
    AtomicFile file(path, mode);
    file.reserve(bytes.size());
    file.write(bytes.constData(), bytes.size());
    file.commit();
}

}  // namespace kelvarin::rt
