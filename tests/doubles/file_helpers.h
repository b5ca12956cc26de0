// SPDX-License-Identifier: MIT
#pragma once

// Files for tests: raw bytes in and out, and a child process that runs a step under limits the
// test itself must not take on (another user, a file-size limit standing in for a full disk).

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvarin::testing {

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct ChildLimits {
    bool asOtherUser = false;   // drop root's rights: run as nobody
    qint64 fileSizeLimit = -1;  // bytes a file may grow to; writes beyond fail
};

// Runs step in a child process and returns its exit code (255 when it could not be set up).
inline int runInChild(const ChildLimits& limits, const std::function<int()>& step) {
    const pid_t pid = ::fork();
    if (pid < 0) return 255;
    if (pid == 0) {
        if (limits.asOtherUser && ::geteuid() == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(255);
        }
        if (limits.fileSizeLimit >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails instead
            const rlimit limit{static_cast<rlim_t>(limits.fileSizeLimit),
                               static_cast<rlim_t>(limits.fileSizeLimit)};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(255);
        }
        ::_exit(step());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

}  // namespace kelvarin::testing
