// SPDX-License-Identifier: MIT
// File digests. MD5 and the SHA family go through OpenSSL's libcrypto, whose routines use the
// processor's SHA instructions; MD4, which its default provider no longer offers, through Qt.

#include "platform/file_hash.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/evp.h>

#include "platform/errors.h"

namespace kelvarin::platform {

namespace {

constexpr size_t kBlock = 32768;

const char* evpName(DigestAlgorithm algorithm) {
    switch (algorithm) {
        case DigestAlgorithm::Md5:
            return "MD5";
        case DigestAlgorithm::Sha1:
            return "SHA1";
        case DigestAlgorithm::Sha256:
            return "SHA256";
        case DigestAlgorithm::Sha384:
            return "SHA384";
        case DigestAlgorithm::Sha512:
            return "SHA512";
        default:
            return nullptr;
    }
}

struct FreeContext {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct FreeDigest {
    void operator()(EVP_MD* d) const { EVP_MD_free(d); }
};

class OpenFile {
  public:
    explicit OpenFile(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        m_fd = path.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
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

QByteArray fileDigest(const QString& path, DigestAlgorithm algorithm) {
    OpenFile file(path);
    auto buffer = std::make_unique<char[]>(kBlock);
    if (algorithm == DigestAlgorithm::Md4) {
        QCryptographicHash hash(QCryptographicHash::Md4);
        for (qsizetype n; (n = file.read(buffer.get())) > 0;)
            hash.addData(QByteArrayView(buffer.get(), n));
        return hash.result();
    }
    std::unique_ptr<EVP_MD, FreeDigest> md(EVP_MD_fetch(nullptr, evpName(algorithm), nullptr));
    std::unique_ptr<EVP_MD_CTX, FreeContext> context(EVP_MD_CTX_new());
    if (!md || !context || EVP_DigestInit_ex(context.get(), md.get(), nullptr) != 1)
        raiseError(err::InternalError);
    for (qsizetype n; (n = file.read(buffer.get())) > 0;) {
        if (EVP_DigestUpdate(context.get(), buffer.get(), static_cast<size_t>(n)) != 1)
            raiseError(err::InternalError);
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1) raiseError(err::InternalError);
    return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(length));
}

}  // namespace kelvarin::platform
