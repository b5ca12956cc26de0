// SPDX-License-Identifier: MIT
// Text files: decoding, line splitting, reading with the runtime's error numbers and atomic
// replacement.

#include "runtime/text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"

namespace kelvarin::platform {

namespace {

// The runtime's error number for a failed system call.
int errorNumberFor(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
            return err::PermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return err::PathNotFound;
        default:
            return err::PathFileAccessError;
    }
}

// Why a file in the folder of path cannot be written or read, by looking at the path: 76 for a
// missing folder or one that is no folder, 0 when the folder is there.
int folderProblem(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return errorNumberFor(errno) == err::PermissionDenied ? err::PermissionDenied
                                                              : err::PathNotFound;
    return S_ISDIR(st.st_mode) ? 0 : err::PathNotFound;
}

}  // namespace

TextFile decodeText(const QByteArray& bytes) {
    TextFile file;
    file.byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
    // Stateless: a sequence cut off at the end is an error too. An initial mark is skipped.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    file.text = utf8.decode(bytes);
    if (!utf8.hasError()) return file;
    file.byteOrderMark = false;
    file.encoding = TextEncoding::Gbk;
    QStringDecoder gbk("GBK", QStringConverter::Flag::Stateless);
    if (!gbk.isValid()) {
        file.text = QString::fromLatin1(bytes);
        return file;
    }
    // A lead byte cut off at the end would vanish: a NUL behind it turns it into U+FFFD, and
    // the NUL's own character goes again.
    file.text = gbk.decode(bytes + '\0');
    if (file.text.endsWith(QChar(u'\0'))) file.text.chop(1);
    return file;
}

QByteArray encodeText(QStringView text, TextEncoding encoding, bool byteOrderMark) {
    if (encoding == TextEncoding::Gbk) {
        QStringEncoder gbk("GBK");
        if (gbk.isValid()) return gbk.encode(text);
    }
    QByteArray bytes = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}

QByteArray readFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (path.isEmpty()) raiseError(err::FileNotFound);
    if (::stat(name.constData(), &st) != 0) {
        const int code = errno;
        if (code == ENOENT) {
            raiseError(folderProblem(path) == err::PathNotFound ? err::PathNotFound
                                                                : err::FileNotFound);
        }
        raiseError(code == ENOTDIR ? err::PathNotFound : errorNumberFor(code));
    }
    if (S_ISDIR(st.st_mode)) raiseError(err::PathFileAccessError);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        raiseError(file.error() == QFileDevice::PermissionsError ? err::PermissionDenied
                                                                 : err::PathFileAccessError);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) raiseError(err::PathFileAccessError);
    return bytes;
}

TextFile readTextFile(const QString& path) {
    return decodeText(readFile(path));
}

bool onlyCrLfLineEnds(QStringView text) {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    auto endsWell = [p, n](qsizetype k) {
        if (p[k] == u'\r') return k + 1 < n && p[k + 1] == u'\n';
        if (p[k] == u'\n') return k > 0 && p[k - 1] == u'\r';
        return true;
    };
    qsizetype k = 0;
#ifdef __SSE2__
    // Sixteen characters at a time: a bit for each CR or LF, and only those are looked at.
    const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n');
    auto ends = [&](qsizetype at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
        return _mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf));
    };
    for (; k + 16 <= n; k += 16) {
        unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(ends(k), ends(k + 8))));
        for (; mask != 0; mask &= mask - 1) {
            if (!endsWell(k + __builtin_ctz(mask))) return false;
        }
    }
#endif
    for (; k < n; ++k) {
        if (!endsWell(k)) return false;
    }
    return true;
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) raiseError(err::PathNotFound);
    if (const int problem = folderProblem(path)) raiseError(problem);
    if (QFileInfo(path).isDir()) raiseError(err::PathFileAccessError);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QString folder = QFileInfo(path).absolutePath();
        const bool permitted = ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
        raiseError(permitted ? err::PathFileAccessError : err::PermissionDenied);
    }
    // Every step is checked: the commit alone can report success after a failed flush.
    bool written = file.write(bytes) == bytes.size() && file.flush();
    written = written && ::fsync(file.handle()) == 0;
    if (!written) {
        file.cancelWriting();
        file.commit();  // removes the temporary file; the old file stays as it was
        raiseError(err::PathFileAccessError);
    }
    if (!file.commit()) raiseError(err::PathFileAccessError);
}

void createFolders(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(u'/', Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += u'/' + part;
        const QByteArray name = QFile::encodeName(current);
        struct stat st {};
        if (::stat(name.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) raiseError(err::PathNotFound);
            continue;
        }
        if (errno != ENOENT) raiseError(errorNumberFor(errno));
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
            raiseError(errorNumberFor(errno) == err::PermissionDenied ? err::PermissionDenied
                                                                      : err::PathFileAccessError);
        }
    }
}

}  // namespace kelvarin::platform
