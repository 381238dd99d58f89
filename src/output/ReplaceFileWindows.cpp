// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFileSteps.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <utility>

#include <windows.h>

namespace terravia::replace {
namespace {

// The new bytes go to a hidden file beside the target, named after the process so that two
// programs saving into one directory never share it.
constexpr int NameAttempts = 100;

using namespace Qt::Literals::StringLiterals;

Failure Code(DWORD error) {
    return {error, {}};
}

Step Failed() {
    return Code(GetLastError());
}

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// The names Windows keeps for devices, whatever follows them: "CON", "con.txt", "CON .txt".
bool IsDeviceName(const QString& name) {
    QString device = name.section(u'.', 0, 0).toUpper();
    while (device.endsWith(u' '))
        device.chop(1);
    for (const char* reserved : {"CON", "PRN", "AUX", "NUL"})
        if (device == QLatin1StringView(reserved))
            return true;
    if (device.size() != 4 || !(device.startsWith(u"COM"_s) || device.startsWith(u"LPT"_s)))
        return false;
    const QChar digit = device.at(3);
    return (digit >= u'0' && digit <= u'9') || digit == u'\u00b9' || digit == u'\u00b2' ||
           digit == u'\u00b3';
}

// The save dialog checks no name; these would send the report to a device or to a hidden
// stream of another file, where the user never finds it again, so they are refused here,
// on every version of Windows. Only the name the user typed is checked, not its directory.
Step MayName(const QString& path) {
    const QString name = path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    const bool forbidden = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 0x20 || QStringView(u"<>\"|?*").contains(c);
    });
    if (forbidden)
        return Failure{0, u"A file name on Windows may not hold < > \" | ? * or a control "
                          u"character."_s};
    if (name.contains(u':'))
        return Failure{0, u"A file name on Windows may not hold a colon, which would name a hidden "
                          u"stream of another file."_s};
    if (IsDeviceName(name))
        return Failure{0, u"Windows keeps the names CON, PRN, AUX, NUL, COM0 to COM9 and LPT0 to "
                          u"LPT9 for devices, with any extension."_s};
    return std::nullopt;
}

} // namespace

struct Save {
    QString directory;
    QString path;
    bool exists = false;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    bool onDisk = true;  // a file on a disk, as opposed to a device, a pipe or a console
    std::wstring backup; // the earlier file's name while it is replaced
    HANDLE temporaryHandle = INVALID_HANDLE_VALUE;
    std::wstring temporary;

    std::wstring sibling(const char* kind, int attempt) const {
        const QString separator = directory.endsWith(u'/') ? QString() : u"/"_s;
        QString name = directory + separator + u".terravia-"_s + QLatin1StringView(kind) + u'-' +
                       QString::number(GetCurrentProcessId());
        return Native(attempt == 0 ? name : name + u'-' + QString::number(attempt));
    }
};

void SaveEnd::operator()(Save* save) const {
    if (save->temporaryHandle != INVALID_HANDLE_VALUE)
        Marked([&] { return CloseHandle(save->temporaryHandle); });
    delete save;
}

std::unique_ptr<Save, SaveEnd> NewSave() {
    return std::unique_ptr<Save, SaveEnd>(new Save);
}

QString SystemWords(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason =
        length > 0 ? QString::fromWCharArray(text, length).trimmed() : u"Error %1"_s.arg(code);
    LocalFree(text);
    return reason;
}

namespace {

// The path the system reaches through the open file, links resolved; the buffer grows to the
// size the call asks for.
Step FinalPath(HANDLE file, std::wstring& path) {
    path.assign(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = Marked([&] {
            return GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()),
                                             FILE_NAME_NORMALIZED);
        });
        if (length == 0)
            return Failed();
        if (length < path.size()) {
            path.resize(length);
            return std::nullopt;
        }
        path.assign(length, L'\0'); // the size asked for holds the terminating null
    }
}

} // namespace

// A link at the path is followed to the file it names, however many links that takes. Every
// existing file is asked for its final path, as Wine shows a Unix link as the file it names.
Step Locate(Save& save, const QString& path) {
    if (Step refused = MayName(path))
        return refused;
    save.path = QFileInfo(path).absoluteFilePath();
    save.attributes = Marked([&] { return GetFileAttributesW(Native(save.path).c_str()); });
    save.exists = save.attributes != INVALID_FILE_ATTRIBUTES;
    if (!save.exists) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND)
            return Code(error);
    }
    if (save.exists && (save.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        HANDLE file = Marked([&] {
            return CreateFileW(Native(save.path).c_str(), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        });
        if (file == INVALID_HANDLE_VALUE)
            return Failed();
        std::wstring final;
        Step failed = FinalPath(file, final);
        if (!failed) {
            SetLastError(NO_ERROR);
            const DWORD type = Marked([&] { return GetFileType(file); });
            save.onDisk = type == FILE_TYPE_DISK;
            if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR)
                failed = Failed();
        }
        Marked([&] { return CloseHandle(file); });
        if (failed)
            return failed;
        save.path = QDir::fromNativeSeparators(QString::fromStdWString(final));
        // A link's own attributes are not its file's.
        save.attributes = Marked([&] { return GetFileAttributesW(final.c_str()); });
        if (save.attributes == INVALID_FILE_ATTRIBUTES)
            return Failed();
    }
    save.directory = QFileInfo(save.path).path();
    return std::nullopt;
}

// A folder is no file, a device is not an ordinary file, and a read-only file is not replaced
// behind the user's back. A reparse point is not refused as such: cloud placeholders are
// ordinary files.
Step MayReplace(Save& save) {
    if (!save.exists)
        return std::nullopt;
    if ((save.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Code(ERROR_ACCESS_DENIED);
    if (!save.onDisk)
        return NotAnOrdinaryFile();
    if ((save.attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return Code(ERROR_ACCESS_DENIED);
    return std::nullopt;
}

Step CreateTemporary(Save& save) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        save.temporary = save.sibling("new", attempt);
        save.temporaryHandle = Marked([&] {
            return CreateFileW(save.temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        });
        if (save.temporaryHandle != INVALID_HANDLE_VALUE)
            return std::nullopt;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            save.temporary.clear();
            return Code(error);
        }
    }
    save.temporary.clear();
    return Code(ERROR_FILE_EXISTS);
}

// The file is made for its owner under the folder's inherited settings, and ReplaceFileW
// gives it the earlier file's: there are no modes to give here.
Step Fill(Save& save, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 1 << 20));
        if (!Marked(
                [&] { return WriteFile(save.temporaryHandle, data, chunk, &written, nullptr); }))
            return Failed();
        if (written == 0)
            return Code(ERROR_WRITE_FAULT);
        data += written;
        left -= written;
    }
    if (!Marked([&] { return FlushFileBuffers(save.temporaryHandle); }))
        return Failed();
    const BOOL closed = Marked(
        [&] { return CloseHandle(std::exchange(save.temporaryHandle, INVALID_HANDLE_VALUE)); });
    return closed ? std::nullopt : Failed();
}

// ReplaceFileW makes the backup itself: only a free name is chosen here.
Step KeepEarlier(Save& save) {
    if (!save.exists)
        return std::nullopt;
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        save.backup = save.sibling("earlier", attempt);
        if (Marked([&] { return GetFileAttributesW(save.backup.c_str()); }) ==
            INVALID_FILE_ATTRIBUTES)
            return std::nullopt;
    }
    save.backup.clear();
    return Code(ERROR_FILE_EXISTS);
}

// The names reach the disk with the moves themselves (MOVEFILE_WRITE_THROUGH, ReplaceFileW).
// ReplaceFileW keeps the earlier file's security settings and attributes. Where it fails half
// way (1177), the earlier file already has the backup's name: it is put back, and if even that
// fails it stays under that name rather than being removed.
Step MoveInto(Save& save) {
    const std::wstring path = Native(save.path);
    if (!save.exists) {
        if (!Marked([&] {
                return MoveFileExW(save.temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
            }))
            return Failed();
        save.temporary.clear();
        return std::nullopt;
    }
    if (Marked([&] {
            return ReplaceFileW(path.c_str(), save.temporary.c_str(), save.backup.c_str(),
                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        })) {
        save.temporary.clear();
        return std::nullopt;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && !Marked([&] {
            return MoveFileExW(save.backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
        }))
        save.backup.clear();
    return Code(error);
}

// After ReplaceFileW the earlier file is the backup.
void PutBack(Save& save) {
    const std::wstring path = Native(save.path);
    if (save.exists)
        Marked([&] {
            return MoveFileExW(save.backup.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        });
    else
        Marked([&] { return DeleteFileW(path.c_str()); });
    save.backup.clear();
}

void DropBackup(Save& save) {
    if (!save.backup.empty())
        Marked([&] { return DeleteFileW(save.backup.c_str()); });
}

void Discard(Save& save) {
    if (save.temporaryHandle != INVALID_HANDLE_VALUE)
        Marked(
            [&] { return CloseHandle(std::exchange(save.temporaryHandle, INVALID_HANDLE_VALUE)); });
    if (!save.temporary.empty())
        Marked([&] { return DeleteFileW(save.temporary.c_str()); });
}

} // namespace terravia::replace
