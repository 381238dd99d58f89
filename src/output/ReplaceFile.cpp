// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFile.h"

#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#else
#include <QSaveFile>
#endif

namespace terravia {

#if defined(Q_OS_UNIX)
namespace {

// The new bytes go to a hidden file beside the target, named after the process so that two
// programs saving into one directory never share it.
constexpr int NameAttempts = 100;

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A descriptor closed when it goes out of scope, for the paths where its close cannot fail
// the save.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes it now, with the result the caller must check.
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

// Paths are absolute throughout, so that a trace of the save names every file it touches.
struct Place {
    QByteArray directory;
    QByteArray target;

    QByteArray sibling(const char* kind, int attempt) const {
        QByteArray name = directory + "/.terravia-" + kind + '-' + QByteArray::number(getpid());
        return attempt == 0 ? name : name + '-' + QByteArray::number(attempt);
    }
};

// Creates a new hidden file in the directory, or gives the errno of the last attempt.
int CreateSibling(const Place& place, const char* kind, QByteArray& name) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        name = place.sibling(kind, attempt);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

int SyncData(int fd) {
#if defined(Q_OS_LINUX)
    return ::fdatasync(fd);
#else
    return ::fsync(fd);
#endif
}

// Fills the temporary file and brings its bytes to the disk; errno tells why it could not.
bool FillTemporary(Descriptor& file, const QByteArray& bytes, const struct stat* existing) {
    if (!WriteAll(file.get(), bytes))
        return false;
    // A replaced file keeps who may read it.
    if (existing != nullptr && ::fchmod(file.get(), existing->st_mode & 07777) != 0)
        return false;
    if (SyncData(file.get()) != 0)
        return false;
    // Some file systems (NFS) report a failed write only when the file is closed.
    return file.close() == 0 || errno == EINTR;
}

// A second name for the file being replaced, so that it can come back if the new name does
// not reach the disk. Where the file system has no hard links the save goes on without it.
std::optional<int> KeepEarlier(const Place& place, QByteArray& backup) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        backup = place.sibling("earlier", attempt);
        if (::link(place.target.constData(), backup.constData()) == 0)
            return std::nullopt;
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS) {
            backup.clear();
            return std::nullopt;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

std::optional<QString> Replace(const Place& place, const QByteArray& bytes) {
    Descriptor directory(::open(place.directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0)
        return Reason(errno);
    struct stat existing {};
    const bool exists = ::stat(place.target.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return Reason(errno);
    if (exists && S_ISDIR(existing.st_mode))
        return Reason(EISDIR);
    // A file the user may not write is not replaced behind its back.
    if (exists && ::access(place.target.constData(), W_OK) != 0)
        return Reason(errno);

    QByteArray temporary;
    Descriptor file(CreateSibling(place, "new", temporary));
    if (file.get() < 0)
        return Reason(errno);
    const auto discard = [&](int error) {
        ::unlink(temporary.constData());
        return Reason(error);
    };
    if (!FillTemporary(file, bytes, exists ? &existing : nullptr))
        return discard(errno);

    QByteArray backup;
    if (exists) {
        if (const std::optional<int> error = KeepEarlier(place, backup))
            return discard(*error);
    }
    const auto dropBackup = [&] {
        if (!backup.isEmpty())
            ::unlink(backup.constData());
    };
    if (::rename(temporary.constData(), place.target.constData()) != 0) {
        const int error = errno;
        dropBackup();
        return discard(error);
    }
    // The name reaches the disk only with the directory. A file system that cannot sync a
    // directory keeps its names by other means.
    if (::fsync(directory.get()) != 0 && errno != EINVAL) {
        const int error = errno;
        if (!backup.isEmpty())
            ::rename(backup.constData(), place.target.constData());
        else if (!exists)
            ::unlink(place.target.constData());
        return Reason(error);
    }
    dropBackup();
    return std::nullopt;
}

} // namespace

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo given(path);
    const QFileInfo target(given.isSymLink() ? given.symLinkTarget() : given.absoluteFilePath());
    return Replace(
        {QFile::encodeName(target.absolutePath()), QFile::encodeName(target.absoluteFilePath())},
        bytes);
}

#else

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes) {
    // QSaveFile keeps small writes in a buffer and its commit() does not check the flush of
    // that buffer on every release: flush first, and check it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        file.cancelWriting();
        return file.errorString();
    }
    return std::nullopt;
}

#endif

} // namespace terravia
