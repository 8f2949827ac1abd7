// The leftover scan and removal on a real machine: a program installed by a real NSIS
// installer leaves files in all six places after its careless uninstaller ran; a sibling from
// the same vendor, whose name contains the removed one's, stays installed and untouched. A
// program registered in both registry views leaves its second entry behind, which goes with it;
// a program of the same name installed a second time, into the other view, stays.
#include "inventory/appenum.h"
#include "libs/sharelog/sharelog.h"
#include "leftovers/folderlister.h"
#include "leftovers/leftovercleaner.h"
#include "support/testmachine.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {

const char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

QString folderOf(ISpecialFolders &folders, int csidl)
{
    std::string path;
    return folders.SpecialFolder(csidl, &path) == kErrorSuccess ? QString::fromLocal8Bit(path.c_str()) : QString();
}

} // namespace

class TestLeftoverWine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        QVERIFY2(m_machine.InstallSilently(QStringLiteral(NOTES_INSTALLER), &error), qPrintable(error));
        QVERIFY2(m_machine.InstallSilently(QStringLiteral(SYNC_INSTALLER), &error), qPrintable(error));
        for (const char *installer : {DRAW_INSTALLER, PAIR64_INSTALLER, PAINT_INSTALLER, PAINT2_INSTALLER})
            QVERIFY2(m_machine.InstallSilently(QString::fromLocal8Bit(installer), &error), qPrintable(error));
        m_platform = m_machine.Backend();
        // A 64-bit installer takes "Program Files" for the 32-bit programs' folder too: the
        // second installation is given a folder of its own (NSIS reads /D= unquoted, at the end
        // of the command line).
        const std::string pair32 = m_platform.folders->ToWindowsPath(PAIR32_INSTALLER);
        const IProcessRunner::Result installed = m_platform.processes->Run(
            "\"" + (pair32.empty() ? std::string(PAIR32_INSTALLER) : pair32)
                + "\" /S /D=C:\\Program Files (x86)\\Vexa\\Vexa Pair",
            0, true);
        QCOMPARE(installed.startError, kErrorSuccess);
        QCOMPARE(installed.exitCode, 0u);
        m_previous = CurrentPlatform();
        SetCurrentPlatform(m_platform);
    }
    void cleanupTestCase() { SetCurrentPlatform(m_previous); }

    void uninstallThenCleanRemovesOnlyTheLeftovers()
    {
        CAppEnum inventory;
        inventory.EnumPrograms();
        InstalledProgram notes, sync;
        for (const InstalledProgram &p : inventory.GetPrograms()) {
            if (QByteArray(p.DisplayName) == "Vexa Notes")
                notes = p;
            else if (QByteArray(p.DisplayName) == "Vexa Notes Sync")
                sync = p;
        }
        QVERIFY(notes.SubKeyName[0] && sync.SubKeyName[0]);

        const QString roaming = folderOf(*m_platform.folders, kCsidlAppData);
        const QString startMenu = folderOf(*m_platform.folders, kCsidlCommonPrograms);
        const QString desktop = folderOf(*m_platform.folders, kCsidlCommonDesktop);
        QVERIFY(!roaming.isEmpty() && !startMenu.isEmpty() && !desktop.isEmpty());
        const QString programData = roaming.left(3) + QStringLiteral("ProgramData");
        auto placesOf = [&](const QString &name, const QString &installFolder) {
            return QStringList{installFolder + QStringLiteral("\\readme.txt"),
                               installFolder + QStringLiteral("\\plugins\\spell.dat"),
                               roaming + QStringLiteral("\\Vexa\\") + name + QStringLiteral("\\settings.ini"),
                               roaming + QStringLiteral("\\Vexa\\") + name + QStringLiteral("\\Cache\\thumbs.db"),
                               programData + QStringLiteral("\\Vexa\\") + name + QStringLiteral("\\db\\library.db"),
                               startMenu + QLatin1Char('\\') + name + QLatin1Char('\\') + name + QStringLiteral(".lnk"),
                               desktop + QLatin1Char('\\') + name + QStringLiteral(".lnk")};
        };
        const QString notesFolder = QString::fromLocal8Bit(notes.InstallLocation);
        const QString syncFolder = QString::fromLocal8Bit(sync.InstallLocation);
        const QStringList notesFiles = placesOf(QStringLiteral("Vexa Notes"), notesFolder);
        const QStringList syncFiles = placesOf(QStringLiteral("Vexa Notes Sync"), syncFolder);
        for (const QString &f : notesFiles + syncFiles)
            QVERIFY2(exists(f), qPrintable(f));
        const QByteArray notesMui = (notesFolder + QStringLiteral("\\app.exe.FriendlyAppName")).toLocal8Bit();
        const QByteArray syncMui = (syncFolder + QStringLiteral("\\app.exe.FriendlyAppName")).toLocal8Bit();
        QVERIFY(hasMuiCache(notesMui));
        QVERIFY(hasMuiCache(syncMui));

        // The program's own uninstaller, waited for as the uninstall run does.
        const IProcessRunner::Result run = m_platform.processes->Run(notes.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        QVERIFY(!exists(notesFolder + QStringLiteral("\\app.exe")));
        QVERIFY(hasEntry(QByteArray(notes.SubKeyName)));

        CLeftoverCleaner cleaner;
        const CleanResult r = cleaner.CleanLeftovers(notes);
        QVERIFY(!r.StillInstalled);
        QVERIFY2(r.Failed.isEmpty(), qPrintable(r.Failed.isEmpty() ? QString() : r.Failed.first().Path));
        int registryItems = 0, muiItems = 0;
        for (const LeftoverItem &item : r.Found) {
            registryItems += item.Kind == LeftoverRegistry;
            muiItems += item.Kind == LeftoverMuiCache;
        }
        QVERIFY(registryItems >= 2); // values, then the key
        QCOMPARE(muiItems, 1);

        for (const QString &f : notesFiles)
            QVERIFY2(!exists(f), qPrintable(f));
        QVERIFY(!exists(roaming + QStringLiteral("\\Vexa\\Vexa Notes")));
        QVERIFY(!exists(programData + QStringLiteral("\\Vexa\\Vexa Notes")));
        QVERIFY(!hasEntry(QByteArray(notes.SubKeyName)));
        QVERIFY(!hasMuiCache(notesMui));

        // The sibling: its desktop shortcut carries the removed program's name but is kept as
        // the sibling's; every file, its entry and its MuiCache name are still there, and it is
        // still listed.
        QStringList refused;
        for (const LeftoverItem &item : r.Refused)
            refused << item.Path;
        QCOMPARE(refused, QStringList{desktop + QStringLiteral("\\Vexa Notes Sync.lnk")});
        for (const QString &f : syncFiles)
            QVERIFY2(exists(f), qPrintable(f));
        QVERIFY(exists(syncFolder + QStringLiteral("\\app.exe")));
        QVERIFY(hasMuiCache(syncMui));
        QVERIFY(hasEntry(QByteArray(sync.SubKeyName)));
        inventory.EnumPrograms();
        bool listed = false;
        for (const InstalledProgram &p : inventory.GetPrograms())
            listed = listed || QByteArray(p.DisplayName) == "Vexa Notes Sync";
        QVERIFY(listed);
    }

    // "Vexa Draw" writes its entry into both views; its uninstaller removes its own files and
    // the uninstall command of the 64-bit entry only. The 32-bit entry, naming the uninstaller
    // that is gone, is the program's orphan: it goes with the rest, and does not make the
    // program's folders look like those of a program still installed. Its data folders hold
    // files only and go too once emptied; a folder of that name in another vendor's folder stays.
    void orphanedTwinGoesWithTheProgram()
    {
        const InstalledProgram draw = program("Vexa Draw", kKeyWow64_64Key);
        const InstalledProgram twin = program("Vexa Draw", kKeyWow64_32Key);
        QVERIFY(draw.SubKeyName[0] && twin.SubKeyName[0]);
        const QString roaming = folderOf(*m_platform.folders, kCsidlAppData);
        const QString programData = roaming.left(3) + QStringLiteral("ProgramData");
        const QString folder = QString::fromLocal8Bit(draw.InstallLocation);
        const QString startMenu = folderOf(*m_platform.folders, kCsidlCommonPrograms);
        const QString desktop = folderOf(*m_platform.folders, kCsidlCommonDesktop);
        const QStringList files{folder + QStringLiteral("\\readme.txt"), folder + QStringLiteral("\\plugins\\spell.dat"),
                                roaming + QStringLiteral("\\Vexa\\Vexa Draw\\settings.ini"),
                                programData + QStringLiteral("\\Vexa\\Vexa Draw\\library.db"),
                                startMenu + QStringLiteral("\\Vexa Draw\\Vexa Draw.lnk"),
                                desktop + QStringLiteral("\\Vexa Draw.lnk")};
        for (const QString &f : files)
            QVERIFY2(exists(f), qPrintable(f));
        // Another vendor's program of the same name keeps its settings here.
        const QString foreign = roaming + QStringLiteral("\\Acme\\Vexa Draw\\foreign.ini");
        QVERIFY(QDir().mkpath(QFileInfo(native(foreign)).path()));
        QVERIFY(QFile(native(foreign)).open(QIODevice::WriteOnly));

        const IProcessRunner::Result run = m_platform.processes->Run(draw.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        QVERIFY(!exists(folder + QStringLiteral("\\uninstall.exe")));

        const CleanResult r = CLeftoverCleaner().CleanLeftovers(draw);
        QVERIFY(!r.StillInstalled);
        QVERIFY2(r.Failed.isEmpty(), qPrintable(r.Failed.isEmpty() ? QString() : r.Failed.first().Path));
        for (const QString &f : files)
            QVERIFY2(!exists(f), qPrintable(f));
        for (const QString &f : {folder, roaming + QStringLiteral("\\Vexa\\Vexa Draw"),
                                 programData + QStringLiteral("\\Vexa\\Vexa Draw"), startMenu + QStringLiteral("\\Vexa Draw")})
            QVERIFY2(!exists(f), qPrintable(f));
        QVERIFY(!hasEntry(QByteArray(draw.SubKeyName)));
        QVERIFY(!hasEntry(QByteArray(twin.SubKeyName), kKeyWow64_32Key));
        QVERIFY(exists(foreign));
        QStringList refused;
        for (const LeftoverItem &item : r.Refused)
            refused << item.Path;
        QCOMPARE(refused, QStringList{roaming + QStringLiteral("\\Acme\\Vexa Draw")});
        // Nothing of the other programs: Vexa Notes Sync is whole.
        QVERIFY(exists(roaming + QStringLiteral("\\Vexa\\Vexa Notes Sync\\settings.ini")));
        QVERIFY(program("Vexa Draw", kKeyWow64_32Key).SubKeyName[0] == 0);
    }

    // "Vexa Pair" is installed twice, once into each view, each with its own uninstaller: after
    // the 64-bit one is uninstalled, the 32-bit one is another installation and stays whole.
    void installedTwinStays()
    {
        const InstalledProgram pair = program("Vexa Pair", kKeyWow64_64Key);
        const InstalledProgram other = program("Vexa Pair", kKeyWow64_32Key);
        QVERIFY(pair.SubKeyName[0] && other.SubKeyName[0]);
        const QString otherFolder = QString::fromLocal8Bit(other.InstallLocation);
        QCOMPARE(otherFolder, QStringLiteral("C:\\Program Files (x86)\\Vexa\\Vexa Pair"));
        const IProcessRunner::Result run = m_platform.processes->Run(pair.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        QVERIFY(!hasEntry(QByteArray(pair.SubKeyName)));

        const CleanResult r = CLeftoverCleaner().CleanLeftovers(pair);
        QVERIFY(!r.StillInstalled);
        QVERIFY(r.Failed.isEmpty());
        for (const LeftoverItem &item : r.Found)
            QVERIFY2(item.Kind != LeftoverRegistry, qPrintable(item.Path));
        QVERIFY(hasEntry(QByteArray(other.SubKeyName), kKeyWow64_32Key));
        for (const char *name : {"\\readme.txt", "\\settings.ini", "\\uninstall.exe"})
            QVERIFY2(exists(otherFolder + QLatin1String(name)), name);
        QVERIFY(program("Vexa Pair", kKeyWow64_32Key).SubKeyName[0]);
    }

    // The user cancelled the uninstaller (here: it never ran): nothing of the program goes.
    void stillInstalledProgramKeepsEverything()
    {
        CAppEnum inventory;
        inventory.EnumPrograms();
        InstalledProgram sync;
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.DisplayName) == "Vexa Notes Sync")
                sync = p;
        QVERIFY(sync.SubKeyName[0]);
        const CleanResult r = CLeftoverCleaner().CleanLeftovers(sync);
        QVERIFY(r.StillInstalled);
        QVERIFY(r.Found.isEmpty() && r.Removed.isEmpty());
        QVERIFY(exists(QString::fromLocal8Bit(sync.InstallLocation) + QStringLiteral("\\app.exe")));
        QVERIFY(hasEntry(QByteArray(sync.SubKeyName)));
    }

    // "Vexa Paint" and "Vexa Paint 2" each put a shortcut on the user's own desktop, named
    // "<name> (mine)". After Vexa Paint is uninstalled, its shortcut goes, found by the target
    // the shell reads from it; Vexa Paint 2's, whose name and folder hold the removed name,
    // stays.
    void userDesktopShortcutIntoTheFolderGoes()
    {
        const InstalledProgram paint = program("Vexa Paint", kKeyWow64_64Key);
        QVERIFY(paint.SubKeyName[0]);
        const QString desktop = folderOf(*m_platform.folders, 0x10);
        QVERIFY(!desktop.isEmpty());
        const QString mine = desktop + QStringLiteral("\\Vexa Paint (mine).lnk");
        const QString other = desktop + QStringLiteral("\\Vexa Paint 2 (mine).lnk");
        QVERIFY2(exists(mine), qPrintable(mine));
        QVERIFY2(exists(other), qPrintable(other));
        std::string target;
        QCOMPARE(m_platform.folders->ShortcutTarget(other.toStdString(), &target), kErrorSuccess);
        QVERIFY2(QString::fromStdString(target).endsWith(QLatin1String("\\Vexa Paint 2\\app.exe"), Qt::CaseInsensitive),
                 target.c_str());

        const IProcessRunner::Result run = m_platform.processes->Run(paint.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        const CleanResult r = CLeftoverCleaner().CleanLeftovers(paint);
        QVERIFY(!r.StillInstalled);
        QVERIFY2(r.Failed.isEmpty(), qPrintable(r.Failed.isEmpty() ? QString() : r.Failed.first().Path));
        QVERIFY(!exists(mine));
        QVERIFY(exists(other));
        QVERIFY(exists(QString::fromLocal8Bit(program("Vexa Paint 2", kKeyWow64_64Key).InstallLocation)
                       + QStringLiteral("\\app.exe")));
    }

private:
    // The listed program of that name read from that view; an empty record when there is none.
    InstalledProgram program(const char *name, uint32_t view)
    {
        CAppEnum inventory;
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.DisplayName) == name && p.RegistryRoot == uint32_t(RegRoot::LocalMachine)
                && p.RegistryView == view)
                return p;
        return InstalledProgram();
    }
    QString native(const QString &windowsPath)
    {
        return QString::fromStdString(m_platform.folders->ToNativePath(windowsPath.toStdString()));
    }
    bool exists(const QString &windowsPath)
    {
        // Without following links: on Windows QFileInfo takes every path ending in ".lnk" for a
        // link, there or not.
        const QString native = QString::fromStdString(m_platform.folders->ToNativePath(windowsPath.toStdString()));
        bool found = false;
        PathType(native, &found);
        return !native.isEmpty() && found;
    }
    bool hasEntry(const QByteArray &subKey, uint32_t view = kKeyWow64_64Key)
    {
        RegKey key = 0;
        const WinError e = m_platform.registry->OpenKey(RootKey(RegRoot::LocalMachine),
                                                       std::string(kUninstall) + subKey.toStdString(),
                                                       kKeyRead | view, &key);
        if (e == kErrorSuccess)
            m_platform.registry->CloseKey(key);
        return e == kErrorSuccess;
    }
    bool hasMuiCache(const QByteArray &valueName)
    {
        RegKey key = 0;
        if (m_platform.registry->OpenKey(RootKey(RegRoot::CurrentUser), MuiCacheKey(RegRoot::CurrentUser), kKeyRead,
                                        &key) != kErrorSuccess)
            return false;
        uint32_t type = 0, size = 0;
        const WinError e = m_platform.registry->QueryValue(key, valueName.constData(), &type, nullptr, &size);
        m_platform.registry->CloseKey(key);
        return e == kErrorSuccess;
    }

    QTemporaryDir m_logDir;
    CTestMachine m_machine;
    Platform m_platform;
    Platform m_previous;
};

QTEST_GUILESS_MAIN(TestLeftoverWine)
#include "tst_leftoverwine.moc"
