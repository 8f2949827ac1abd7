// The Linux half of a Wine program, for real: programs installed by real NSIS installers into
// throwaway prefixes with Wine's menu builder running, HOME a temporary folder whose Desktop the
// prefixes' desktops lead to, as Wine sets them up. After the uninstall and the clean, the
// program's menu entries, menu, folder file, icons and records are gone; a second program whose
// name holds the first's keeps its own, the user's own launcher stays, and nothing another prefix
// wrote is touched.
#include "inventory/appenum.h"
#include "leftovers/leftovercleaner.h"
#include "libs/sharelog/sharelog.h"
#include "platform/wine/wineplatform.h"
#include "support/wineprefix.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {

// Every file below `folder`, relative to it, with its content, for before-and-after comparisons.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/.cache/")))
            continue;
        QFile f(path);
        files.insert(QDir(folder).relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return files;
}

QStringList menuFiles(const CTestWinePrefix &prefix)
{
    QString output;
    prefix.RunWine(QStringLiteral("reg"), {QStringLiteral("query"), QStringLiteral("HKCU\\Software\\Wine\\MenuFiles"),
                                          prefix.RegView()}, &output);
    QStringList values;
    for (const QString &line : output.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("REG_SZ")))
            values << line.trimmed();
    return values;
}

} // namespace

class TestMenuBuilderWine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_homePath = QDir(m_home.path()).canonicalPath();
        qputenv("HOME", QFile::encodeName(m_homePath));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_homePath + QStringLiteral("/.local/share")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_homePath + QStringLiteral("/.config")));
        QVERIFY(QDir().mkpath(m_homePath + QStringLiteral("/Desktop")));
        sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
    }

    void programsLinuxHalfGoesAndTheRestStays()
    {
        CTestWinePrefix prefix;
        QString error;
        QVERIFY2(create(prefix, &error), qPrintable(error));
        QVERIFY2(prefix.InstallSilently(QStringLiteral(NOTES_INSTALLER), &error), qPrintable(error));
        QVERIFY2(prefix.InstallSilently(QStringLiteral(SYNC_INSTALLER), &error), qPrintable(error));
        QVERIFY(prefix.WaitForServer());
        const QString data = m_homePath + QStringLiteral("/.local/share");
        const QString apps = data + QStringLiteral("/applications/wine/Programs");
        const QString notesEntry = apps + QStringLiteral("/Vexa Notes/Vexa Notes.desktop");
        const QString syncEntry = apps + QStringLiteral("/Vexa Notes Sync/Vexa Notes Sync.desktop");
        const QString notesMenu =
            m_homePath + QStringLiteral("/.config/menus/applications-merged/wine-Programs-Vexa Notes-Vexa Notes.menu");
        const QString syncMenu = m_homePath
                                 + QStringLiteral("/.config/menus/applications-merged/"
                                                  "wine-Programs-Vexa Notes Sync-Vexa Notes Sync.menu");
        const QString notesDirectory = data + QStringLiteral("/desktop-directories/wine-Programs-Vexa Notes.directory");
        const QString programsDirectory = data + QStringLiteral("/desktop-directories/wine-Programs.directory");
        const QString desktop = m_homePath + QStringLiteral("/Desktop");
        // The user's own launcher, which merely mentions the program.
        const QString usersOwn = desktop + QStringLiteral("/Vexa Notes ideas.desktop");
        QFile own(usersOwn);
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("[Desktop Entry]\nType=Application\nName=Vexa Notes ideas\nExec=xdg-open \"Vexa Notes ideas.txt\"\n");
        own.close();
        const QString notesIcon = iconOf(notesEntry);
        const QString syncIcon = iconOf(syncEntry);
        QVERIFY2(!notesIcon.isEmpty() && !syncIcon.isEmpty() && notesIcon != syncIcon, qPrintable(notesIcon));
        const QStringList notesOnDesktop = {desktop + QStringLiteral("/Vexa Notes.desktop"),
                                            desktop + QStringLiteral("/Vexa Notes (mine).desktop")};
        for (const QString &f : QStringList{notesEntry, syncEntry, notesMenu, syncMenu, notesDirectory, programsDirectory}
                                    + notesOnDesktop)
            QVERIFY2(QFileInfo::exists(f), qPrintable(f));
        QVERIFY(!iconFiles(notesIcon).isEmpty());
        QVERIFY(!iconFiles(syncIcon).isEmpty());

        CWinePlatform wine(prefix.HostOptions());
        Platform platform = wine.AsPlatform();
        const InstalledProgram notes = program(platform, "Vexa Notes");
        QVERIFY(notes.SubKeyName[0]);
        const IProcessRunner::Result run = platform.processes->Run(notes.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        const CleanResult r = CLeftoverCleaner(platform).CleanLeftovers(notes);
        QVERIFY(!r.StillInstalled);
        QVERIFY2(r.Failed.isEmpty(), qPrintable(r.Failed.isEmpty() ? QString() : r.Failed.first().Path));

        for (const QString &f : QStringList{notesEntry, notesMenu, notesDirectory} + notesOnDesktop + iconFiles(notesIcon))
            QVERIFY2(!QFileInfo::exists(f), qPrintable(f));
        QVERIFY(iconFiles(notesIcon).isEmpty());
        QVERIFY(!QFileInfo::exists(apps + QStringLiteral("/Vexa Notes")));
        for (const QString &f : {syncEntry, syncMenu, programsDirectory, usersOwn})
            QVERIFY2(QFileInfo::exists(f), qPrintable(f));
        // The shortcut on the user's own desktop into the program's folder went; the second
        // program's, whose name holds the first's, stays.
        QVERIFY(!QFileInfo::exists(desktop + QStringLiteral("/Vexa Notes (mine).lnk")));
        QVERIFY(QFileInfo::exists(desktop + QStringLiteral("/Vexa Notes Sync (mine).lnk")));
        QVERIFY(QFileInfo::exists(desktop + QStringLiteral("/Vexa Notes Sync (mine).desktop")));
        QVERIFY(!iconFiles(syncIcon).isEmpty());
        const QStringList records = menuFiles(prefix);
        QVERIFY2(!records.join(QLatin1Char('\n')).contains(QLatin1String("Vexa Notes.lnk")), qPrintable(records.join('\n')));
        QVERIFY2(records.join(QLatin1Char('\n')).contains(QLatin1String("Vexa Notes Sync.lnk")),
                 qPrintable(records.join('\n')));
        wine.host.Stop();
        prefix.StopServer();
    }

    void anotherPrefixsFilesAreNeverTouched()
    {
        // The same program in two prefixes; the other's menu builder wrote last, so the files of
        // the shared names start the other prefix. Uninstalling it from the first prefix removes
        // that prefix's records and nothing on disk.
        CTestWinePrefix first, other;
        QString error;
        QVERIFY2(create(first, &error), qPrintable(error));
        QVERIFY2(first.InstallSilently(QStringLiteral(NOTES_INSTALLER), &error), qPrintable(error));
        QVERIFY(first.WaitForServer());
        QVERIFY2(create(other, &error), qPrintable(error));
        QVERIFY2(other.InstallSilently(QStringLiteral(NOTES_INSTALLER), &error), qPrintable(error));
        QVERIFY(other.WaitForServer());
        const QMap<QString, QByteArray> before = filesBelow(m_homePath);
        const QStringList othersRecords = menuFiles(other);
        QVERIFY(!othersRecords.isEmpty());

        CWinePlatform wine(first.HostOptions());
        Platform platform = wine.AsPlatform();
        const InstalledProgram notes = program(platform, "Vexa Notes");
        QVERIFY(notes.SubKeyName[0]);
        const IProcessRunner::Result run = platform.processes->Run(notes.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        const CleanResult r = CLeftoverCleaner(platform).CleanLeftovers(notes);
        QVERIFY(!r.StillInstalled);
        wine.host.Stop();
        first.StopServer();

        const QMap<QString, QByteArray> after = filesBelow(m_homePath);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (it.key().startsWith(QLatin1String("Desktop/")) && it.key().endsWith(QLatin1String(".lnk")))
                continue; // the shortcuts themselves are the first prefix's (its desktop leads here)
            QVERIFY2(after.contains(it.key()) && after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
        QCOMPARE(menuFiles(other), othersRecords);
        QVERIFY2(!menuFiles(first).join(QLatin1Char('\n')).contains(QLatin1String("Vexa Notes.lnk")),
                 qPrintable(menuFiles(first).join('\n')));
    }

private:
    // A prefix whose user desktop leads to HOME's Desktop, as Wine links it for a user.
    bool create(CTestWinePrefix &prefix, QString *error)
    {
        prefix.SetMenuBuilder(true);
        if (!prefix.Create(error))
            return false;
        QDirIterator users(prefix.DriveC() + QStringLiteral("/users"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (users.hasNext()) {
            const QString user = users.next();
            if (user.endsWith(QLatin1String("/Public")))
                continue;
            const QString desktop = user + QStringLiteral("/Desktop");
            QDir(desktop).removeRecursively();
            if (!QFile::link(m_homePath + QStringLiteral("/Desktop"), desktop)) {
                *error = QStringLiteral("Could not link ") + desktop;
                return false;
            }
        }
        return true;
    }

    static InstalledProgram program(const Platform &platform, const QByteArray &name)
    {
        CAppEnum inventory(platform.registry, platform.system);
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.DisplayName) == name)
                return p;
        return InstalledProgram();
    }

    static QString iconOf(const QString &entry)
    {
        QSettings settings(entry, QSettings::IniFormat);
        return settings.value(QStringLiteral("Desktop Entry/Icon")).toString();
    }

    QStringList iconFiles(const QString &icon) const
    {
        QStringList files;
        QDirIterator it(m_homePath + QStringLiteral("/.local/share/icons"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).completeBaseName() == icon)
                files << path;
        }
        return files;
    }

    QTemporaryDir m_home;
    QString m_homePath;
    QTemporaryDir m_logDir;
};

QTEST_GUILESS_MAIN(TestMenuBuilderWine)
#include "tst_menubuilderwine.moc"
