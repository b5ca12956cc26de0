// SPDX-License-Identifier: MIT
#pragma once

// File access as the runtime does it, safe against hostile file-system states: names with NUL
// are refused, readers open without blocking and take only regular files of a bounded size, and
// writers never write through a symbolic link that the kernel's protected_symlinks rule would
// refuse to follow, replace files atomically, keep a replaced file's owner, group and mode where
// they may, and rewrite a file with several hard links in place so that its links stay one file.
// Failures raise the runtime's file error numbers (runtime/errors.h).

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace kelvarin::rt {

// The largest file a reader takes, in bytes: every text it decodes to fits the longest text.
inline constexpr qint64 kLargestTextFile = qint64(1) << 28;

// Raises 52 (bad file name) for a name that holds a NUL character, which the system would cut.
void checkFileName(const QString& path);

// True when the name is taken by any entry, a symbolic link included whether or not it leads
// anywhere (lstat, not stat).
bool nameExists(const QString& path);

// True when path is a symbolic link that the kernel's protected_symlinks rule refuses to follow
// for this process: a link in a sticky world-writable folder whose owner is neither this
// process's user nor the folder's owner.
bool refusedLink(const QString& path);

// Reads a whole regular file, opened without blocking. Raises 52 for a name with NUL, 53 when
// no regular file of that name exists (a named pipe, device or socket is none), 76 when a folder
// on the way is missing or is no folder, 70 when reading is not permitted, 75 for a folder or
// another failure, 14 for a file larger than kLargestTextFile and 7 when memory runs out.
QByteArray readFile(const QString& path);

// How a writer creates a file that does not exist yet.
struct NewFileMode {
    mode_t mode = 0666;  // the permission bits asked for
    bool exact = false;  // false: less the umask, as open() does; true: exactly these bits
};

// Replaces the file with the bytes. A file with one link is replaced by a temporary file of the
// same folder that takes its name only when every byte is written and flushed, with the old
// file's owner, group and mode where this process may set them; a file with several hard links
// is rewritten in place once room for the new content is reserved. A link this process may
// follow is written through; one that protected_symlinks refuses raises 70 and changes nothing.
// Raises 52 for a name with NUL, 76 when the folder is missing or a folder on the way is no
// folder, 70 when writing is not permitted, 75 for a folder, a special file or another failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes, NewFileMode mode = {});

// Creates the folder and every missing folder on the way (0700). Raises 52 for a name with NUL,
// 76 when something on the way is no folder, 70 when creating is not permitted, 75 otherwise.
void createFolders(const QString& path);

// A file written under a temporary name in the target's folder that takes the target's name on
// commit: what writeFileAtomically and the copy share. The target is the final file the name
// leads to (links followed, as the writers above check them).
class AtomicFile {
  public:
    // Opens the temporary file for path; raises as writeFileAtomically does. With inPlace the
    // target itself is opened (a file with several hard links), to be rewritten.
    explicit AtomicFile(const QString& path, NewFileMode mode = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Reserves room for size bytes where the file system can; raises 75 when there is none.
    void reserve(qint64 size);
    // Writes all the bytes; raises 75 on failure (the temporary file is removed, the target
    // left alone).
    void write(const char* data, qint64 size);
    // Sets the permission bits the committed file takes (instead of the old file's or the new
    // file's).
    void setMode(mode_t mode);
    int handle() const { return m_fd; }
    // Flushes and gives the file its name; raises 75 on failure.
    void commit();

  private:
    void fail();

    QByteArray m_target;     // the final file's name
    QByteArray m_temporary;  // the temporary file's name; empty when writing in place
    int m_fd = -1;
    bool m_inPlace = false;
    bool m_modeSet = false;
    mode_t m_mode = 0;
    bool m_committed = false;
};

}  // namespace kelvarin::rt
