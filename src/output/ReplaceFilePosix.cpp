// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFileSteps.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace terravia::replace {
namespace {

// The new bytes go to a hidden file beside the target, named after the process so that two
// programs saving into one directory never share it.
constexpr int NameAttempts = 100;
constexpr int MostLinks = 40; // as the kernel follows them

// A descriptor closed when it goes out of scope, for the paths where its close cannot fail
// the save.
class Descriptor {
public:
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            Marked([this] { return ::close(fd_); });
    }
    int get() const { return fd_; }
    void reset(int fd) { fd_ = fd; }
    // Closes it now, with the result the caller must check.
    int close() {
        return Marked([fd = std::exchange(fd_, -1)] { return ::close(fd); });
    }

private:
    int fd_ = -1;
};

Failure Errno(int error) {
    return {static_cast<unsigned long>(error), {}};
}

Step Failed() {
    return Errno(errno);
}

QByteArray Join(const QByteArray& directory, const QByteArray& name) {
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

// The user's mask, read where the system tells it without a change: umask() can only be read
// by setting it, for every thread of the process at once.
mode_t NewFileMode() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (!line.startsWith("Umask:"))
                continue;
            bool octal = false;
            const uint mask = line.mid(6).trimmed().toUInt(&octal, 8);
            if (octal)
                return 0666 & ~mode_t(mask);
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

// Paths are absolute throughout, so that a trace of the save names every file it touches.
struct Save {
    QByteArray directory;
    QByteArray path;
    Descriptor directoryFd;
    bool exists = false;
    struct stat earlier {};
    QByteArray backup; // a second name of the earlier file while it is replaced
    Descriptor temporaryFd;
    QByteArray temporary;

    QByteArray sibling(const char* kind, int attempt) const {
        QByteArray name = directory + "/.terravia-" + kind + '-' + QByteArray::number(getpid());
        return attempt == 0 ? name : name + '-' + QByteArray::number(attempt);
    }
};

void SaveEnd::operator()(Save* save) const {
    delete save;
}

std::unique_ptr<Save, SaveEnd> NewSave() {
    return std::unique_ptr<Save, SaveEnd>(new Save);
}

QString SystemWords(unsigned long code) {
    return QString::fromLocal8Bit(std::strerror(static_cast<int>(code)));
}

// The file the name points to, found as the kernel finds it: the directory with every link
// in it resolved, and a link at the name followed from that directory, link after link, so
// that "../" in a link counts from where the link really is. A link that points nowhere
// gives the place of the file it names, which the save then creates. What is found there is
// only looked at (lstat), never opened.
Step Locate(Save& save, const QString& path) {
    QByteArray given = QFile::encodeName(path);
    if (!given.startsWith('/'))
        given = Join(QFile::encodeName(QDir::currentPath()), given);
    for (int links = 0;; ++links) {
        const qsizetype slash = given.lastIndexOf('/');
        const QByteArray name = given.mid(slash + 1);
        const QByteArray above = slash == 0 ? QByteArray("/") : given.left(slash);
        char* resolved = Marked([&] { return ::realpath(above.constData(), nullptr); });
        if (resolved == nullptr)
            return Failed();
        save.directory = resolved;
        std::free(resolved);
        if (name.isEmpty() || name == "." || name == "..")
            return Errno(EISDIR);
        save.path = Join(save.directory, name);
        struct stat status {};
        if (Marked([&] { return ::lstat(save.path.constData(), &status); }) != 0)
            return errno == ENOENT ? std::nullopt : Failed();
        if (!S_ISLNK(status.st_mode)) {
            save.exists = true;
            save.earlier = status;
            return std::nullopt;
        }
        if (links == MostLinks)
            return Errno(ELOOP);
        // A link's own size is the length of the path it holds.
        QByteArray link(static_cast<qsizetype>(status.st_size) + 1, '\0');
        const ssize_t length = Marked([&] {
            return ::readlink(save.path.constData(), link.data(),
                              static_cast<std::size_t>(link.size()));
        });
        if (length < 0)
            return Failed();
        if (length == link.size()) // the link grew since it was looked at: read it again
            continue;
        given = link.left(length);
        if (!given.startsWith('/'))
            given = Join(save.directory, given);
    }
}

// Checked before any file of ours is made: what is not an ordinary file, a file the user may
// not write, or a file that the sticky rule keeps the user from renaming over is not
// replaced, and nothing is left behind for it.
Step MayReplace(Save& save) {
    if (save.exists && S_ISDIR(save.earlier.st_mode))
        return Errno(EISDIR);
    if (save.exists && !S_ISREG(save.earlier.st_mode))
        return NotAnOrdinaryFile();
    save.directoryFd.reset(Marked(
        [&] { return ::open(save.directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (save.directoryFd.get() < 0)
        return Failed();
    if (!save.exists)
        return std::nullopt;
    if (Marked([&] { return ::access(save.path.constData(), W_OK); }) != 0)
        return Failed();
    struct stat directory {};
    if (Marked([&] { return ::fstat(save.directoryFd.get(), &directory); }) != 0)
        return Failed();
    const uid_t user = ::geteuid();
    if ((directory.st_mode & S_ISVTX) != 0 && user != 0 && save.earlier.st_uid != user &&
        directory.st_uid != user)
        return Errno(EPERM);
    return std::nullopt;
}

Step CreateTemporary(Save& save) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        save.temporary = save.sibling("new", attempt);
        save.temporaryFd.reset(Marked([&] {
            return ::open(save.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          0600);
        }));
        if (save.temporaryFd.get() >= 0)
            return std::nullopt;
        if (errno != EEXIST)
            break;
    }
    const Step failed = Failed();
    save.temporary.clear();
    return failed;
}

namespace {

Step WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written =
            Marked([&] { return ::write(fd, data, static_cast<std::size_t>(left)); });
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return Failed();
        if (written == 0)
            return Errno(EIO);
        data += written;
        left -= written;
    }
    return std::nullopt;
}

// A replaced file keeps its owner and group where the user has the right to give them (the
// owner needs that capability; the group, membership), and then who may read it; a new one
// gets what the user's umask allows. The owner comes first, as a change of owner clears the
// set-id bits. A file system that keeps no modes saves with its own.
Step GiveOwnerAndMode(int fd, const Save& save) {
    if (save.exists) {
        const uid_t owner = save.earlier.st_uid != ::geteuid() ? save.earlier.st_uid : uid_t(-1);
        const gid_t group = save.earlier.st_gid != ::getegid() ? save.earlier.st_gid : gid_t(-1);
        const bool ownerGiven =
            owner != uid_t(-1) && Marked([&] { return ::fchown(fd, owner, group); }) == 0;
        if (!ownerGiven && group != gid_t(-1) &&
            Marked([&] { return ::fchown(fd, uid_t(-1), group); }) != 0) {
            // Refused the owner (no capability, an id not mapped, a server that squashes
            // root) or the group, the file stays the user's own.
        }
    }
    const mode_t mode = save.exists ? save.earlier.st_mode & 07777 : NewFileMode();
    if (Marked([&] { return ::fchmod(fd, mode); }) == 0 || errno == EPERM || errno == EOPNOTSUPP ||
        errno == ENOSYS)
        return std::nullopt;
    return Failed();
}

} // namespace

Step Fill(Save& save, const QByteArray& bytes) {
    if (Step failed = WriteAll(save.temporaryFd.get(), bytes))
        return failed;
    if (Step failed = GiveOwnerAndMode(save.temporaryFd.get(), save))
        return failed;
    if (Marked([&] { return ::fdatasync(save.temporaryFd.get()); }) != 0)
        return Failed();
    // Some file systems (NFS) report a failed write only when the file is closed.
    return save.temporaryFd.close() == 0 || errno == EINTR ? std::nullopt : Failed();
}

namespace {

// A copy of the earlier file, at its mode, where the file system gives no second names.
Step CopyEarlier(Save& save) {
    Descriptor from;
    from.reset(Marked([&] { return ::open(save.path.constData(), O_RDONLY | O_CLOEXEC); }));
    if (from.get() < 0)
        return Failed();
    Descriptor to;
    for (int attempt = 0; attempt < NameAttempts && to.get() < 0; ++attempt) {
        save.backup = save.sibling("earlier", attempt);
        to.reset(Marked([&] {
            return ::open(save.backup.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        }));
        if (to.get() < 0 && errno != EEXIST)
            break;
    }
    if (to.get() < 0) {
        const Step failed = Failed();
        save.backup.clear();
        return failed;
    }
    QByteArray chunk(1 << 16, '\0');
    Step failed;
    for (;;) {
        const ssize_t length = Marked([&] {
            return ::read(from.get(), chunk.data(), static_cast<std::size_t>(chunk.size()));
        });
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0) {
            failed = length < 0 ? Failed() : std::nullopt;
            break;
        }
        if ((failed = WriteAll(to.get(), chunk.left(length))))
            break;
    }
    if (!failed && Marked([&] { return ::fchmod(to.get(), save.earlier.st_mode & 07777); }) != 0 &&
        errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        failed = Failed();
    if (!failed && Marked([&] { return ::fdatasync(to.get()); }) != 0)
        failed = Failed();
    if (!failed && to.close() != 0 && errno != EINTR)
        failed = Failed();
    if (failed) {
        Marked([&] { return ::unlink(save.backup.constData()); });
        save.backup.clear();
    }
    return failed;
}

} // namespace

// A second name for the file being replaced, so that it can come back if the new name does
// not reach the disk, or if the user was told the save failed. Where the file system has no
// hard links, a copy stands in: reports are small.
Step KeepEarlier(Save& save) {
    if (!save.exists)
        return std::nullopt;
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        save.backup = save.sibling("earlier", attempt);
        if (Marked([&] { return ::link(save.path.constData(), save.backup.constData()); }) == 0)
            return std::nullopt;
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS) {
            save.backup.clear();
            return CopyEarlier(save);
        }
        if (errno != EEXIST)
            break;
    }
    const Step failed = Failed();
    save.backup.clear();
    return failed;
}

// The name reaches the disk only with the directory; a file system that cannot sync a
// directory (EINVAL) keeps its names by other means. When the sync fails, the earlier file
// gets its name back, or the new file goes; if even that fails, the earlier file stays under
// its second name rather than be removed.
Step MoveInto(Save& save) {
    if (Marked([&] { return ::rename(save.temporary.constData(), save.path.constData()); }) != 0)
        return Failed();
    save.temporary.clear();
    if (Marked([&] { return ::fsync(save.directoryFd.get()); }) == 0 || errno == EINVAL)
        return std::nullopt;
    const Step failed = Failed();
    PutBack(save);
    return failed;
}

void PutBack(Save& save) {
    if (!save.backup.isEmpty())
        Marked([&] { return ::rename(save.backup.constData(), save.path.constData()); });
    else if (!save.exists)
        Marked([&] { return ::unlink(save.path.constData()); });
    save.backup.clear();
}

void DropBackup(Save& save) {
    if (!save.backup.isEmpty())
        Marked([&] { return ::unlink(save.backup.constData()); });
}

void Discard(Save& save) {
    if (!save.temporary.isEmpty())
        Marked([&] { return ::unlink(save.temporary.constData()); });
}

} // namespace terravia::replace
