// SPDX-License-Identifier: MIT
// File digests through the digests service, or Qt's QCryptographicHash, fed from a file opened
// as a regular file only.

#include "workout/internal/file_digest.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"
#include "runtime/file_access.h"

namespace kelvarin {

namespace {

constexpr size_t kBlock = 32768;

QCryptographicHash::Algorithm qtAlgorithm(platform::DigestAlgorithm algorithm) {
    using platform::DigestAlgorithm;
    switch (algorithm) {
        case DigestAlgorithm::Md4:
            return QCryptographicHash::Md4;
        case DigestAlgorithm::Md5:
            return QCryptographicHash::Md5;
        case DigestAlgorithm::Sha1:
            return QCryptographicHash::Sha1;
        case DigestAlgorithm::Sha256:
            return QCryptographicHash::Sha256;
        case DigestAlgorithm::Sha384:
            return QCryptographicHash::Sha384;
        case DigestAlgorithm::Sha512:
            break;
    }
    return QCryptographicHash::Sha512;
}

// The library's own digests, where no service is handed in or it does not offer the algorithm.
class QtDigest final : public platform::RunningDigest {
  public:
    explicit QtDigest(platform::DigestAlgorithm algorithm) : m_hash(qtAlgorithm(algorithm)) {}
    bool add(QByteArrayView bytes) override {
        m_hash.addData(bytes);
        return true;
    }
    QByteArray result() override { return m_hash.result(); }

  private:
    QCryptographicHash m_hash;
};

class OpenFile {
  public:
    explicit OpenFile(const QString& path) {
        rt::checkFileName(path);
        const QByteArray name = QFile::encodeName(path);
        // Without blocking: a named pipe is no file, and opening it must not wait for a writer.
        m_fd = path.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0) raiseError(errno == EACCES ? err::PermissionDenied : err::FileNotFound);
        struct stat st {};
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(m_fd);
            raiseError(err::FileNotFound);
        }
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ~OpenFile() { ::close(m_fd); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // The next block; empty at the end. A failed read is error 75.
    qsizetype read(char* buffer) {
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, kBlock);
            if (n >= 0) return n;
            if (errno != EINTR) raiseError(err::PathFileAccessError);
        }
    }

  private:
    int m_fd = -1;
};

}  // namespace

QByteArray fileDigest(const QString& path, platform::DigestAlgorithm algorithm,
                      platform::Digests* digests) {
    OpenFile file(path);
    auto buffer = std::make_unique<char[]>(kBlock);
    std::unique_ptr<platform::RunningDigest> running =
        digests != nullptr ? digests->start(algorithm) : nullptr;
    if (!running) running = std::make_unique<QtDigest>(algorithm);
    for (qsizetype n; (n = file.read(buffer.get())) > 0;) {
        if (!running->add(QByteArrayView(buffer.get(), n))) raiseError(err::InternalError);
    }
    QByteArray digest = running->result();
    if (digest.isEmpty()) raiseError(err::InternalError);
    return digest;
}

}  // namespace kelvarin
