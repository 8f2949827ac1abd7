// Nothing lost for good, on a real machine: a program installed by a real NSIS installer is
// uninstalled by its own uninstaller and its leftovers removed to the trash (HOME in a temporary
// folder); every file lies in the trash with its record, the .reg backup restores the registry
// items with regedit, the journal names every item, and Restore brings every file back byte for
// byte and every registry value back.
#include "inventory/appenum.h"
#include "leftovers/folderlister.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/leftoverrestore.h"
#include "leftovers/trash.h"
#include "libs/sharelog/sharelog.h"
#include "support/testmachine.h"

#include <QDirIterator>
#include <QtTest>

#include <map>
#include <memory>

using namespace pw;

namespace {

const QString kEntryKey = QStringLiteral("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");

// Every file below a native folder with its bytes.
std::map<QString, QByteArray> filesBelow(const QString &folder)
{
    std::map<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            out[path] = f.readAll();
    }
    return out;
}

} // namespace

class TestRestoreWine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", QDir(m_home.path()).canonicalPath().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        QVERIFY2(m_machine.InstallSilently(QStringLiteral(NOTES_INSTALLER), &error), qPrintable(error));
        m_platform = m_machine.Backend();
        m_previous = CurrentPlatform();
        SetCurrentPlatform(m_platform);
    }
    void cleanupTestCase()
    {
        SetCurrentPlatform(m_previous);
        qputenv("HOME", m_savedHome);
    }

    void removedToTheTrashAndRestored()
    {
        const InstalledProgram notes = program("Vexa Notes");
        QVERIFY(notes.SubKeyName[0]);
        const QString entry = kEntryKey + QString::fromLocal8Bit(notes.SubKeyName);
        const IProcessRunner::Result run = m_platform.processes->Run(notes.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);

        // What the uninstaller left, byte for byte.
        const std::map<QString, QByteArray> before = filesBelow(m_machine.DriveC());
        QString entryBefore, output;
        QCOMPARE(m_machine.Run(QStringLiteral("reg"), {QStringLiteral("query"), entry, QStringLiteral("/reg:64")},
                               &entryBefore),
                 0);
        QVERIFY2(entryBefore.contains(QStringLiteral("DisplayName")), qPrintable(entryBefore));

        QTemporaryDir journals;
        auto journal = std::make_shared<CRunJournal>(journals.path());
#ifdef Q_OS_WIN
        const QString prefix;
#else
        const QString prefix = m_machine.Prefix().Path();
#endif
        CleanResult r;
        {
            CLeftoverCleaner cleaner;
            cleaner.SetRemoval({journal, RemovalMode::Trash, prefix});
            r = cleaner.CleanLeftovers(notes);
        }
        QVERIFY(!r.StillInstalled);
        QVERIFY2(r.Failed.isEmpty(), qPrintable(r.Failed.isEmpty() ? QString() : r.Failed.first().Path));
        QVERIFY(!r.Trashed.isEmpty());
        QVERIFY(!program("Vexa Notes").SubKeyName[0]);

        // The journal names every item; every file and folder lies in the trash with its record.
        const journal::Run read = journal::Read(journal->File());
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
        const journal::Program &p = read.programs.value(0);
        QCOMPARE(p.prefix, prefix);
        for (const LeftoverItem &found : r.Found) {
            bool named = false;
            for (const journal::Item &item : p.items)
                named = named || item.path.compare(found.Path, Qt::CaseInsensitive) == 0;
            QVERIFY2(named, qPrintable(found.Path));
        }
        int trashed = 0;
        for (const journal::Item &item : p.items) {
            if (item.state != journal::State::Trashed)
                continue;
            ++trashed;
            QCOMPARE(trash::CheckItem(item.trashPath, item.native), QString());
#ifndef Q_OS_WIN
            const QString home = QDir(m_home.path()).canonicalPath() + QStringLiteral("/.local/share/Trash");
            QVERIFY2(item.trashPath.startsWith(home + QStringLiteral("/files/")), qPrintable(item.trashPath));
            QVERIFY(QFile::exists(home + QStringLiteral("/info/") + QFileInfo(item.trashPath).fileName()
                                  + QStringLiteral(".trashinfo")));
#endif
        }
        QVERIFY(trashed >= 3);

        // The backup restores with regedit...
        QVERIFY(!p.regBackup.isEmpty());
        const QString backup = journals.filePath(p.regBackup);
        const QString backupWindows =
            QString::fromStdString(m_platform.folders->ToWindowsPath(backup.toStdString()));
        QVERIFY(!backupWindows.isEmpty());
        QCOMPARE(m_machine.Run(QStringLiteral("regedit"), {QStringLiteral("/S"), backupWindows}), 0);
        QCOMPARE(m_machine.Run(QStringLiteral("reg"), {QStringLiteral("query"), entry, QStringLiteral("/reg:64")},
                               &output),
                 0);
        QCOMPARE(output, entryBefore);
        // ... and the entry is gone again for Restore to bring back.
        QCOMPARE(m_machine.Run(QStringLiteral("reg"),
                               {QStringLiteral("delete"), entry, QStringLiteral("/f"), QStringLiteral("/reg:64")}),
                 0);
        QVERIFY(!program("Vexa Notes").SubKeyName[0]);

        // Restore, as the Restore window runs it, once the run is over.
        const QString journalFile = journal->File();
        journal.reset();
        const RestoreResult restored = RestoreProgram(journalFile, 0, m_platform, prefix);
        QVERIFY2(restored.problem.isEmpty(), qPrintable(restored.problem));
        // Only the MuiCache value, which regedit brought back above, exists now and stays as it is.
        for (const RestoredItem &item : restored.items)
            if (item.outcome != RestoreOutcome::Restored && item.outcome != RestoreOutcome::NotRestorable)
                QVERIFY2(item.item.kind == LeftoverMuiCache && item.outcome == RestoreOutcome::Taken,
                         qPrintable(item.item.path + QStringLiteral(": ") + RestoreOutcomeName(item.outcome)));
        QVERIFY(restored.restored > 0);
        QVERIFY(restored.entryBack);
        const std::map<QString, QByteArray> after = filesBelow(m_machine.DriveC());
        // The test's own log grows meanwhile; on Windows it lies on the machine's drive C.
        const QString logDir = QDir(m_logDir.path()).absolutePath() + QLatin1Char('/');
        for (const auto &file : before) {
            if (file.first.startsWith(logDir, Qt::CaseInsensitive))
                continue;
            const auto back = after.find(file.first);
            QVERIFY2(back != after.end(), qPrintable(file.first));
            QVERIFY2(back->second == file.second, qPrintable(file.first));
        }
        QCOMPARE(m_machine.Run(QStringLiteral("reg"), {QStringLiteral("query"), entry, QStringLiteral("/reg:64")},
                               &output),
                 0);
        // Every value as it was (the uninstaller took the command: the entry is not listed).
        QCOMPARE(output, entryBefore);
    }

private:
    InstalledProgram program(const QByteArray &name)
    {
        CAppEnum inventory;
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.DisplayName) == name)
                return p;
        return InstalledProgram();
    }

    QTemporaryDir m_home;
    QByteArray m_savedHome;
    QTemporaryDir m_logDir;
    CTestMachine m_machine;
    Platform m_platform;
    Platform m_previous;
};

QTEST_GUILESS_MAIN(TestRestoreWine)
#include "tst_restorewine.moc"
