// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ConclusionsFile.h"
#include "output/ReplaceFile.h"

#include "core/Conclusions.h"
#include "support/ScriptedPrompts.h"
#include "support/TestForm.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <unistd.h>

using namespace terravia;
using namespace terravia::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Caption = QStringLiteral("Conclusions file");
const QByteArray ThreeLines = "first\r\nsecond\r\nthird\r\n";

void AddThreeLines(Wizard& wizard) {
    for (const char* line : {"first", "second", "third"})
        AppendConclusion(wizard, QLatin1StringView(line));
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList Entries(const QString& directory) {
    return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                     QDir::Name);
}

// A bare wizard with three conclusions, answering through the script.
struct Run {
    ScriptedPrompts script;
    Session session;
    Wizard wizard{session, script, {}};

    Run() {
        ResetSession(session);
        AddThreeLines(wizard);
    }
};

} // namespace

class ConclusionsFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileName_data();
    void fileName();
    void existingLongerFileIsReplaced();
    void replacedFileKeepsItsLinkAndMode();
    void failedWrite_data();
    void failedWrite();
    void closedBeforeAnyPathAsksAgain();
    void closedAfterEarlierSaveWritesThere();

private:
    QTemporaryDir dir_;
};

void ConclusionsFileTest::fileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
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

void ConclusionsFileTest::fileName() {
    QFETCH(QString, name);
    QFETCH(QString, file);
    QTemporaryDir dir;
    Run run;
    run.script.add(Save(Caption, dir.path() + QDir::separator() + name));

    WriteConclusionsFile(run.wizard);

    VERIFY_SCRIPT(run.script);
    QCOMPARE(Entries(dir.path()), QStringList{file});
    QCOMPARE(Read(dir.filePath(file)), ThreeLines);
}

void ConclusionsFileTest::existingLongerFileIsReplaced() {
    const QString path = dir_.filePath(QStringLiteral("replaced.txt"));
    Write(path, QByteArray(1000, 'x'));
    Run run;
    run.script.add(Save(Caption, path));

    WriteConclusionsFile(run.wizard);

    VERIFY_SCRIPT(run.script);
    QCOMPARE(Read(path), ThreeLines);
}

void ConclusionsFileTest::replacedFileKeepsItsLinkAndMode() {
    QTemporaryDir dir;
    const QString target = dir.filePath(u"target.txt"_s);
    const QString link = dir.filePath(u"link.txt"_s);
    Write(target, "earlier");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(target, mode));
    QVERIFY(QFile::link(target, link));

    QCOMPARE(ReplaceFile(link, ThreeLines), std::nullopt);

    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(Read(target), ThreeLines);
    // Qt adds the current user's own bits (0x0700) to the owner's, group's and others'.
    QCOMPARE(QFile::permissions(target) & ~QFileDevice::Permissions(0x0700), mode);
    QCOMPARE(Entries(dir.path()), (QStringList{u"link.txt"_s, u"target.txt"_s}));
}

void ConclusionsFileTest::failedWrite_data() {
    // Each row names a place that cannot take the file; `kept` is a file there that must
    // come through untouched; `retry` answers the offer of another location.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("retry");
    QTest::newRow("missing directory") << u"missing/report"_s << QString() << true;
    QTest::newRow("read-only directory") << u"locked/report"_s << u"locked/report.txt"_s << true;
    QTest::newRow("through a regular file") << u"plain/report"_s << u"plain"_s << true;
    QTest::newRow("name too long") << QString(300, u'n') << QString() << true;
    QTest::newRow("existing directory") << u"folder"_s << u"folder.txt/inside"_s << true;
    QTest::newRow("declined") << u"plain/report"_s << u"plain"_s << false;
}

void ConclusionsFileTest::failedWrite() {
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QFETCH(bool, retry);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(u"folder.txt"_s);
    QDir(dir.path()).mkpath(u"locked"_s);
    Write(dir.filePath(u"plain"_s), "plain file");
    Write(dir.filePath(u"folder.txt/inside"_s), "inside");
    Write(dir.filePath(u"locked/report.txt"_s), "locked file");
    const QString locked = dir.filePath(u"locked"_s);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto unlock = qScopeGuard([&locked] {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    });
    if (qstrcmp(QTest::currentDataTag(), "read-only directory") == 0 && geteuid() == 0)
        QSKIP("running as root, which writes to a read-only directory anyway");
    QStringList entries = Entries(dir.path());
    const QByteArray keptBytes = Read(dir.filePath(kept));
    const QString path = dir.filePath(name) + u".txt"_s;
    // The reason is the system's own: take it from a first, equally failing attempt.
    const std::optional<QString> reason = ReplaceFile(path, ThreeLines);
    QVERIFY(reason.has_value() && !reason->isEmpty());

    Run run;
    const QString question = u"Do you want to choose another location for the conclusions file?"_s;
    run.script.add({Save(Caption, dir.filePath(name)),
                    Message(u"Conclusions file not saved"_s,
                            u"The conclusions could not be saved to "_s + path + u": "_s + *reason),
                    retry ? Yes(question) : No(question)});
    if (retry) {
        run.script.add(Save(Caption, dir.filePath(u"second"_s)));
        entries.append(u"second.txt"_s);
    }
    WriteConclusionsFile(run.wizard);

    VERIFY_SCRIPT(run.script);
    QCOMPARE(Read(dir.filePath(kept)), keptBytes);
    QCOMPARE(Entries(dir.path()), entries);
    if (retry)
        QCOMPARE(Read(dir.filePath(u"second.txt"_s)), ThreeLines);
    QCOMPARE(run.session.ConclusionCount, 3);
    QCOMPARE(run.session.Conclusions[3], u"third"_s);
}

void ConclusionsFileTest::closedBeforeAnyPathAsksAgain() {
    Run run;
    const QString path = dir_.filePath(QStringLiteral("asked-again"));
    run.script.add(
        {CloseSave(Caption),
         Message(Caption, QStringLiteral("A file name and location are needed to save the "
                                         "conclusions")),
         Save(Caption, path)});

    WriteConclusionsFile(run.wizard);

    VERIFY_SCRIPT(run.script);
    QCOMPARE(Read(path + QStringLiteral(".txt")), ThreeLines);
}

void ConclusionsFileTest::closedAfterEarlierSaveWritesThere() {
    ScriptedPrompts script;
    TestForm form(&script);
    AddThreeLines(form.wizard());
    const QString path = dir_.filePath(QStringLiteral("earlier"));
    script.add({Save(Caption, path), CloseSave(Caption)});

    WriteConclusionsFile(form.wizard());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), path);
    AppendConclusion(form.wizard(), QStringLiteral("fourth"));
    WriteConclusionsFile(form.wizard());

    VERIFY_SCRIPT(script);
    QCOMPARE(Read(path + QStringLiteral(".txt")), ThreeLines + "fourth\r\n");
}

TERRAVIA_TEST_MAIN(ConclusionsFileTest)
#include "ConclusionsFileTest.moc"
