// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

#if defined(Q_OS_WIN)
#include <windows.h>
// <windows.h> names its ReplaceFileW ReplaceFile, as ours is named.
#undef ReplaceFile
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace terravia {
namespace {

// The new bytes go to a hidden file beside the target, named after the process so that two
// programs saving into one directory never share it.
constexpr int NameAttempts = 100;

// The system calls of a save, one set for each system; the order of the save that uses them
// is written once, in ReplaceFile() below.
#if defined(Q_OS_WIN)

using Error = DWORD;

// The system's own words, as Windows gives them to every program.
QString Reason(Error error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length > 0 ? QString::fromWCharArray(text, length).trimmed()
                                : QStringLiteral("Error %1").arg(error);
    LocalFree(text);
    return reason;
}

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

struct Target {
    QString directory;
    QString path;
    bool exists = false;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    std::wstring backup; // the earlier file's name while it is replaced

    std::wstring sibling(const char* kind, int attempt) const {
        const QString separator = directory.endsWith(u'/') ? QString() : QStringLiteral("/");
        QString name = directory + separator + QStringLiteral(".terravia-") +
                       QLatin1StringView(kind) + u'-' + QString::number(GetCurrentProcessId());
        return Native(attempt == 0 ? name : name + u'-' + QString::number(attempt));
    }
};

struct Temporary {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring name;
};

std::optional<Error> Failed() {
    return GetLastError();
}

// A link at the path is followed to the file it names, however many links that takes. Every
// existing file is asked for its final path, as Wine shows a Unix link as the file it names.
std::optional<Error> Locate(const QString& path, Target& target) {
    target.path = QFileInfo(path).absoluteFilePath();
    target.attributes = GetFileAttributesW(Native(target.path).c_str());
    target.exists = target.attributes != INVALID_FILE_ATTRIBUTES;
    if (!target.exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return Failed();
    if (target.exists && (target.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        HANDLE file = CreateFileW(Native(target.path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return Failed();
        wchar_t final[MAX_PATH * 4];
        const DWORD length =
            GetFinalPathNameByHandleW(file, final, DWORD(std::size(final)), FILE_NAME_NORMALIZED);
        CloseHandle(file);
        if (length == 0 || length >= std::size(final))
            return Failed();
        target.path = QDir::fromNativeSeparators(QString::fromWCharArray(final, length));
        // A link's own attributes are not its file's.
        target.attributes = GetFileAttributesW(final);
        if (target.attributes == INVALID_FILE_ATTRIBUTES)
            return Failed();
    }
    target.directory = QFileInfo(target.path).path();
    return std::nullopt;
}

// A read-only file is not replaced behind the user's back, and a folder is no file.
std::optional<Error> MayReplace(const Target& target) {
    const DWORD refused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
    if (target.exists && (target.attributes & refused) != 0)
        return Error(ERROR_ACCESS_DENIED);
    return std::nullopt;
}

std::optional<Error> CreateTemporary(const Target& target, Temporary& temporary) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        temporary.name = target.sibling("new", attempt);
        temporary.handle = CreateFileW(temporary.name.c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (temporary.handle != INVALID_HANDLE_VALUE)
            return std::nullopt;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return Failed();
}

std::optional<Error> Fill(Temporary& temporary, const QByteArray& bytes, const Target&) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 1 << 20));
        if (!WriteFile(temporary.handle, data, chunk, &written, nullptr))
            return Failed();
        if (written == 0)
            return Error(ERROR_WRITE_FAULT);
        data += written;
        left -= written;
    }
    if (!FlushFileBuffers(temporary.handle))
        return Failed();
    const BOOL closed = CloseHandle(std::exchange(temporary.handle, INVALID_HANDLE_VALUE));
    return closed ? std::nullopt : Failed();
}

void Discard(Temporary& temporary) {
    if (temporary.handle != INVALID_HANDLE_VALUE)
        CloseHandle(std::exchange(temporary.handle, INVALID_HANDLE_VALUE));
    DeleteFileW(temporary.name.c_str());
}

// ReplaceFileW makes the backup itself: only a free name is chosen here.
std::optional<Error> KeepEarlier(Target& target) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        target.backup = target.sibling("earlier", attempt);
        if (GetFileAttributesW(target.backup.c_str()) == INVALID_FILE_ATTRIBUTES)
            return std::nullopt;
    }
    return Error(ERROR_FILE_EXISTS);
}

// ReplaceFileW keeps the earlier file's security settings and attributes. Where it fails
// half way (1177), the earlier file already has the backup's name: it is put back, and if
// even that fails it stays under that name rather than being removed.
std::optional<Error> MoveInto(Target& target, const Temporary& temporary) {
    const std::wstring path = Native(target.path);
    if (!target.exists)
        return MoveFileExW(temporary.name.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)
                   ? std::nullopt
                   : Failed();
    if (ReplaceFileW(path.c_str(), temporary.name.c_str(), target.backup.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return std::nullopt;
    const Error error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
        !MoveFileExW(target.backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
        target.backup.clear();
    return error;
}

// Names reach the disk with the moves themselves (MOVEFILE_WRITE_THROUGH).
std::optional<Error> SyncDirectory(const Target&) {
    return std::nullopt;
}

void Restore(const Target&) {}

void DropBackup(const Target& target) {
    if (!target.backup.empty())
        DeleteFileW(target.backup.c_str());
}

#else

using Error = int;

QString Reason(Error error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A descriptor closed when it goes out of scope, for the paths where its close cannot fail
// the save.
class Descriptor {
public:
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    void reset(int fd) { fd_ = fd; }
    // Closes it now, with the result the caller must check.
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_ = -1;
};

// Paths are absolute throughout, so that a trace of the save names every file it touches.
struct Target {
    QByteArray directory;
    QByteArray path;
    Descriptor directoryFd;
    bool exists = false;
    struct stat earlier {};
    QByteArray backup; // a second name of the earlier file while it is replaced

    QByteArray sibling(const char* kind, int attempt) const {
        QByteArray name = directory + "/.terravia-" + kind + '-' + QByteArray::number(getpid());
        return attempt == 0 ? name : name + '-' + QByteArray::number(attempt);
    }
};

struct Temporary {
    Descriptor fd;
    QByteArray name;
};

std::optional<Error> Failed() {
    return errno;
}

QByteArray Join(const QByteArray& directory, const QByteArray& name) {
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

// The file the name points to, found as the kernel finds it: the directory with every link
// in it resolved, and a link at the name followed from that directory, link after link, so
// that "../" in a link counts from where the link really is. A link that points nowhere
// gives the place of the file it names, which the save then creates.
std::optional<Error> Locate(const QString& path, Target& target) {
    QByteArray given = QFile::encodeName(path);
    if (!given.startsWith('/'))
        given = Join(QFile::encodeName(QDir::currentPath()), given);
    for (int links = 0;; ++links) {
        const qsizetype slash = given.lastIndexOf('/');
        const QByteArray name = given.mid(slash + 1);
        char resolved[PATH_MAX];
        if (::realpath(slash == 0 ? "/" : given.left(slash).constData(), resolved) == nullptr)
            return Failed();
        if (name.isEmpty() || name == "." || name == "..")
            return Error(EISDIR);
        target.directory = resolved;
        target.path = Join(target.directory, name);
        struct stat status {};
        if (::lstat(target.path.constData(), &status) != 0)
            return errno == ENOENT ? std::nullopt : Failed();
        if (!S_ISLNK(status.st_mode)) {
            target.exists = true;
            target.earlier = status;
            return std::nullopt;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.path.constData(), link, sizeof link);
        if (length < 0)
            return Failed();
        if (links == 40 || length == sizeof link)
            return Error(ELOOP);
        given = QByteArray(link, length);
        if (!given.startsWith('/'))
            given = Join(target.directory, given);
    }
}

// Checked before any file of ours is made: a directory, a file the user may not write, or a
// file that the sticky rule keeps the user from renaming over is not replaced, and nothing is
// left behind for it.
std::optional<Error> MayReplace(Target& target) {
    target.directoryFd.reset(
        ::open(target.directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (target.directoryFd.get() < 0)
        return Failed();
    if (!target.exists)
        return std::nullopt;
    if (S_ISDIR(target.earlier.st_mode))
        return Error(EISDIR);
    if (::access(target.path.constData(), W_OK) != 0)
        return Failed();
    struct stat directory {};
    if (::fstat(target.directoryFd.get(), &directory) != 0)
        return Failed();
    const uid_t user = ::geteuid();
    if ((directory.st_mode & S_ISVTX) != 0 && user != 0 && target.earlier.st_uid != user &&
        directory.st_uid != user)
        return Error(EPERM);
    return std::nullopt;
}

// The temporary file is the user's alone until it is complete.
std::optional<Error> CreateTemporary(const Target& target, Temporary& temporary) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        temporary.name = target.sibling("new", attempt);
        temporary.fd.reset(
            ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (temporary.fd.get() >= 0 || errno != EEXIST)
            break;
    }
    return temporary.fd.get() >= 0 ? std::nullopt : Failed();
}

std::optional<Error> WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return Failed();
        if (written == 0)
            return Error(EIO);
        data += written;
        left -= written;
    }
    return std::nullopt;
}

mode_t NewFileMode() {
    // umask() can only be read by setting it; no other thread of the program creates files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A replaced file keeps who may read it, its group where the user may give it, and a new one
// gets what the user's umask allows. A file system that keeps no modes saves with its own.
std::optional<Error> GiveMode(int fd, const Target& target) {
    if (target.exists && target.earlier.st_gid != ::getegid() &&
        ::fchown(fd, static_cast<uid_t>(-1), target.earlier.st_gid) != 0) {
        // The group stays the user's own where the user may not give the earlier one.
    }
    const mode_t mode = target.exists ? target.earlier.st_mode & 07777 : NewFileMode();
    if (::fchmod(fd, mode) == 0 || errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS)
        return std::nullopt;
    return Failed();
}

std::optional<Error> Fill(Temporary& temporary, const QByteArray& bytes, const Target& target) {
    if (const std::optional<Error> error = WriteAll(temporary.fd.get(), bytes))
        return error;
    if (const std::optional<Error> error = GiveMode(temporary.fd.get(), target))
        return error;
#if defined(Q_OS_LINUX)
    if (::fdatasync(temporary.fd.get()) != 0)
#else
    if (::fsync(temporary.fd.get()) != 0)
#endif
        return Failed();
    // Some file systems (NFS) report a failed write only when the file is closed.
    return temporary.fd.close() == 0 || errno == EINTR ? std::nullopt : Failed();
}

void Discard(Temporary& temporary) {
    ::unlink(temporary.name.constData());
}

// A second name for the file being replaced, so that it can come back if the new name does
// not reach the disk. Where the file system has no hard links the save goes on without it.
std::optional<Error> KeepEarlier(Target& target) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        target.backup = target.sibling("earlier", attempt);
        if (::link(target.path.constData(), target.backup.constData()) == 0)
            return std::nullopt;
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == ENOSYS) {
            target.backup.clear();
            return std::nullopt;
        }
        if (errno != EEXIST)
            break;
    }
    const Error error = errno;
    target.backup.clear();
    return error;
}

std::optional<Error> MoveInto(const Target& target, const Temporary& temporary) {
    return ::rename(temporary.name.constData(), target.path.constData()) == 0 ? std::nullopt
                                                                              : Failed();
}

// The name reaches the disk only with the directory. A file system that cannot sync a
// directory keeps its names by other means.
std::optional<Error> SyncDirectory(const Target& target) {
    return ::fsync(target.directoryFd.get()) == 0 || errno == EINVAL ? std::nullopt : Failed();
}

// After a failed directory sync: the earlier file under its name again, or no new file.
void Restore(const Target& target) {
    if (!target.backup.isEmpty())
        ::rename(target.backup.constData(), target.path.constData());
    else if (!target.exists)
        ::unlink(target.path.constData());
}

void DropBackup(const Target& target) {
    if (!target.backup.isEmpty())
        ::unlink(target.backup.constData());
}

#endif

} // namespace

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes) {
    Target target;
    Temporary temporary;
    std::optional<Error> error = Locate(path, target);
    if (!error)
        error = MayReplace(target);
    if (!error)
        error = CreateTemporary(target, temporary);
    if (error)
        return Reason(*error);

    error = Fill(temporary, bytes, target);
    if (!error && target.exists)
        error = KeepEarlier(target);
    if (!error && (error = MoveInto(target, temporary)))
        DropBackup(target);
    if (error) {
        Discard(temporary);
        return Reason(*error);
    }
    if ((error = SyncDirectory(target))) {
        Restore(target);
        return Reason(*error);
    }
    DropBackup(target);
    return std::nullopt;
}

} // namespace terravia
