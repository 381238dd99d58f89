// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ConclusionsFile.h"
#include "output/ReplaceFile.h"

#include "core/Conclusions.h"
#include "core/Errand.h"
#include "support/Columns.h"
#include "support/Runs.h"
#include "support/ScriptedPrompts.h"
#include "support/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#if defined(Q_OS_WIN)
#include <windows.h>
// What Windows says where Linux gives the errno.
#define SYSTEM_ERROR(posix, windows) int(windows)
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#define SYSTEM_ERROR(posix, windows) posix
#endif

using namespace terravia;
using namespace terravia::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray ThreeLines = "first\r\nsecond\r\nthird\r\n";

void AddThreeLines(Conversation& wizard) {
    for (const char* line : {"first", "second", "third"})
        AppendConclusion(wizard, QLatin1StringView(line));
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The system's words for the error, in the user's language.
QString Reason(int error) {
#if defined(Q_OS_WIN)
    wchar_t text[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(error), 0, text, 512, nullptr);
    return QString::fromWCharArray(text, int(length)).trimmed();
#else
    return QString::fromLocal8Bit(std::strerror(error));
#endif
}

QStringList Entries(const QString& directory) {
    return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                     QDir::Name);
}

// A bare wizard with three conclusions, answering through the script.
struct Run {
    ScriptedPrompts script;
    Session session;
    Conversation wizard{session, script, script};

    Run() {
        ResetSession(session);
        AddThreeLines(wizard);
    }
};

} // namespace

class ConclusionsFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileName_data() {
        Columns<QString, QString>({"name", "file"});
        const auto row = [](const char* tag, const char* name, const char* file) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(file);
        };
        row("plain", "report", "report.txt");
        row("lower-case extension", "report.txt", "report.txt");
        row("upper-case extension", "report.TXT", "report.TXT.txt");
        row("other extension", "data.csv", "data.csv.txt");
        row("empty name", "", ".txt");
        row("shorter than four", "txt", "txt.txt");
        row("only the extension", ".txt", ".txt");
    }

    void fileName() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QTemporaryDir dir;
        Run run;
        run.script.add(Save(Caption, dir.path() + QDir::separator() + name));

        WriteConclusionsFile(run.wizard);

        VERIFY_SCRIPT(run.script);
        QCOMPARE(Entries(dir.path()), QStringList{file});
        QCOMPARE(ReadAll(dir.filePath(file)), ThreeLines);
    }

    void existingLongerFileIsReplaced() {
        const QString path = dir_.filePath(u"replaced.txt"_s);
        Write(path, QByteArray(1000, 'x'));
        Run run;
        run.script.add(Save(Caption, path));

        WriteConclusionsFile(run.wizard);

        VERIFY_SCRIPT(run.script);
        QCOMPARE(ReadAll(path), ThreeLines);
    }

    void replacedFileKeepsItsLinkAndMode() {
#if defined(Q_OS_WIN)
        QSKIP("QFile::link makes a shortcut on Windows, and files have no mode bits");
#endif
        QTemporaryDir dir;
        const QString target = dir.filePath(u"target.txt"_s);
        const QString link = dir.filePath(u"link.txt"_s);
        Write(target, "earlier");
        const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(target, mode));
        QVERIFY(QFile::link(target, link));

        QCOMPARE(ReplaceWholeFile(link, ThreeLines), std::nullopt);

        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(ReadAll(target), ThreeLines);
        // Qt adds the current user's own bits (0x0700) to the owner's, group's and others'.
        QCOMPARE(QFile::permissions(target) & ~QFileDevice::Permissions(0x0700), mode);
        QCOMPARE(Entries(dir.path()), (QStringList{u"link.txt"_s, u"target.txt"_s}));
    }

    // A link to "../up.txt" inside a directory reached through a link counts ".." from where the
    // directory really is; a chain of links ends at its last file. Every link stays a link.
    void linksFollowedAsTheKernelFollowsThem() {
#if defined(Q_OS_WIN)
        QSKIP("QFile::link makes a shortcut on Windows");
#endif
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"a/b"_s));
        QVERIFY(QFile::link(u"a/b"_s, dir.filePath(u"d"_s)));
        QVERIFY(QFile::link(u"../up.txt"_s, dir.filePath(u"a/b/up.txt"_s)));
        Write(dir.filePath(u"a/target.txt"_s), "earlier");
        QVERIFY(QFile::link(u"hop.txt"_s, dir.filePath(u"chain.txt"_s)));
        QVERIFY(QFile::link(u"a/target.txt"_s, dir.filePath(u"hop.txt"_s)));

        QCOMPARE(ReplaceWholeFile(dir.filePath(u"d/up.txt"_s), ThreeLines), std::nullopt);
        QCOMPARE(ReplaceWholeFile(dir.filePath(u"chain.txt"_s), "chained"), std::nullopt);

        QCOMPARE(ReadAll(dir.filePath(u"a/up.txt"_s)), ThreeLines);
        QCOMPARE(ReadAll(dir.filePath(u"a/target.txt"_s)), QByteArray("chained"));
        for (const QString& link : {u"d"_s, u"a/b/up.txt"_s, u"chain.txt"_s, u"hop.txt"_s})
            QVERIFY2(QFileInfo(dir.filePath(link)).isSymLink(), qPrintable(link));
        QCOMPARE(Entries(dir.path()), (QStringList{u"a"_s, u"chain.txt"_s, u"d"_s, u"hop.txt"_s}));
        QCOMPARE(Entries(dir.filePath(u"a"_s)),
                 (QStringList{u"b"_s, u"target.txt"_s, u"up.txt"_s}));
    }

    // In a sticky directory a user may not rename over another user's file, even one the user
    // may write: refused with the system's reason before the backup link is made.
    void stickyDirectoryRefusedBeforeAnyFileOfOurs() {
#if defined(Q_OS_WIN)
        QSKIP("Windows has no sticky directories");
#else
        if (geteuid() != 0)
            QSKIP("needs root, to save as another user");
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        const QString theirs = dir.filePath(u"theirs.txt"_s);
        Write(theirs, "another user's report");
        QVERIFY(::chmod(QFile::encodeName(theirs).constData(), 0666) == 0);

        const pid_t child = fork();
        if (child == 0) {
            const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
            _exit(dropped && ReplaceWholeFile(theirs, ThreeLines) == Reason(EPERM) ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(ReadAll(theirs), QByteArray("another user's report"));
        QCOMPARE(Entries(dir.path()), QStringList{u"theirs.txt"_s});
#endif
    }

    void failedWrite_data() {
        // Each row names a place that cannot take the file; `kept` is a file there that must
        // come through untouched; `retry` answers the offer of another location.
        Columns<QString, QString, bool, int>({"name", "kept", "retry", "error"});
        // Windows does not enforce a read-only folder: there the file in it is read-only.
        QTest::newRow("missing directory") << u"missing/report"_s << QString() << true
                                           << SYSTEM_ERROR(ENOENT, ERROR_PATH_NOT_FOUND);
        QTest::newRow("read-only directory") << u"locked/report"_s << u"locked/report.txt"_s << true
                                             << SYSTEM_ERROR(EACCES, ERROR_ACCESS_DENIED);
        QTest::newRow("through a regular file") << u"plain/report"_s << u"plain"_s << true
                                                << SYSTEM_ERROR(ENOTDIR, ERROR_PATH_NOT_FOUND);
        QTest::newRow("name too long") << QString(300, u'n') << QString() << true
                                       << SYSTEM_ERROR(ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE);
        QTest::newRow("existing directory") << u"folder"_s << u"folder.txt/inside"_s << true
                                            << SYSTEM_ERROR(EISDIR, ERROR_ACCESS_DENIED);
        QTest::newRow("declined") << u"plain/report"_s << u"plain"_s << false
                                  << SYSTEM_ERROR(ENOTDIR, ERROR_PATH_NOT_FOUND);
    }

    void failedWrite() {
        QFETCH(QString, name);
        QFETCH(QString, kept);
        QFETCH(bool, retry);
        QFETCH(int, error);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(u"folder.txt"_s);
        QDir(dir.path()).mkpath(u"locked"_s);
        Write(dir.filePath(u"plain"_s), "plain file");
        Write(dir.filePath(u"folder.txt/inside"_s), "inside");
        Write(dir.filePath(u"locked/report.txt"_s), "locked file");
#if defined(Q_OS_WIN)
        const QString locked = dir.filePath(u"locked/report.txt"_s);
#else
        const QString locked = dir.filePath(u"locked"_s);
#endif
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const auto unlock = qScopeGuard([&locked] {
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        });
#if defined(Q_OS_UNIX)
        if (qstrcmp(QTest::currentDataTag(), "read-only directory") == 0 && geteuid() == 0)
            QSKIP("running as root, which writes to a read-only directory anyway");
#else
        if (qstrcmp(QTest::currentDataTag(), "name too long") == 0)
            QSKIP("Windows versions and Wine each name an over-long name in their own words");
#endif
        QStringList entries = Entries(dir.path());
        const QByteArray keptBytes = ReadAll(dir.filePath(kept));
        const QString path = dir.filePath(name) + u".txt"_s;

        Run run;
        const QString question =
            u"Do you want to choose another location for the conclusions file?"_s;
        run.script.add(
            {Save(Caption, dir.filePath(name)),
             Message(u"Conclusions file not saved"_s,
                     u"The conclusions could not be saved to "_s + path + u": "_s + Reason(error)),
             retry ? Yes(question) : No(question)});
        if (retry) {
            run.script.add(Save(Caption, dir.filePath(u"second"_s)));
            entries.append(u"second.txt"_s);
        }
        WriteConclusionsFile(run.wizard);

        VERIFY_SCRIPT(run.script);
        QCOMPARE(ReadAll(dir.filePath(kept)), keptBytes);
        QCOMPARE(Entries(dir.path()), entries);
        if (retry)
            QCOMPARE(ReadAll(dir.filePath(u"second.txt"_s)), ThreeLines);
        QCOMPARE(run.session.ConclusionCount, 3);
        QCOMPARE(run.session.Conclusions[3], u"third"_s);
    }

    void closedBeforeAnyPathAsksAgain() {
        Run run;
        const QString path = dir_.filePath(u"asked-again"_s);
        run.script.add(
            {CloseSave(Caption),
             Message(Caption, u"A file name and location are needed to save the conclusions"_s),
             Save(Caption, path)});

        WriteConclusionsFile(run.wizard);

        VERIFY_SCRIPT(run.script);
        QCOMPARE(ReadAll(path + u".txt"_s), ThreeLines);
    }

    void closedAfterEarlierSaveWritesThere() {
        Run run;
        const QString path = dir_.filePath(u"earlier"_s);
        run.script.add({Save(Caption, path), CloseSave(Caption)});

        WriteConclusionsFile(run.wizard);
        QCOMPARE(run.script.conclusionsPath(), path);
        AppendConclusion(run.wizard, u"fourth"_s);
        WriteConclusionsFile(run.wizard);

        VERIFY_SCRIPT(run.script);
        QCOMPARE(ReadAll(path + u".txt"_s), ThreeLines + "fourth\r\n");
    }

    // Given up on while a call of it was under way, a save begins no further step, or undoes
    // its move: the earlier file stays as it was, and nothing of the save is left beside it.
    void aSaveGivenUpLeavesTheEarlierFile() {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"given-up.txt"_s);
        Write(path, "earlier\n");
        QSemaphore entered, release;
        std::optional<QString> failure;
        const std::shared_ptr<Errand> errand = StartErrand([&] {
            {
                const CallMark mark;
                entered.release();
                release.acquire();
            }
            failure = ReplaceWholeFile(path, ThreeLines);
        });
        entered.acquire();
        QVERIFY(errand->abandon());
        release.release();

        QVERIFY(errand->await(std::chrono::minutes(2)));
        QVERIFY(failure.has_value());
        QCOMPARE(ReadAll(path), QByteArray("earlier\n"));
        QCOMPARE(Entries(dir.path()), QStringList{u"given-up.txt"_s});
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ConclusionsFileTest)
#include "ConclusionsFileTest.moc"
