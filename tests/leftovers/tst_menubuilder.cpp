// What Wine's menu builder wrote on the Linux desktop for a program's shortcuts, on the fixture
// machine with a home folder of its own: the program's menu entries, menus, folder files, icons,
// file associations and their records go; another program's, another prefix's and the user's own
// stay.
#include "leftovers/finders/menubuilderfinder.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/leftoverrestore.h"
#include "leftovers/removaljournal.h"
#include "leftovers/machine.h"
#include "platform/fake/fakehostdesktop.h"

#include <QtTest>

using namespace test;

namespace {

const QString kNotesFolder = QStringLiteral("C:\\Program Files\\Vexa Notes");
const QString kSyncFolder = QStringLiteral("C:\\Program Files\\Vexa Notes Sync");
const std::string kMenuFiles = "Software\\Wine\\MenuFiles";
const std::string kAssociations = "Software\\Wine\\FileOpenAssociations";

// A desktop entry as the menu builder writes it (escaping as it does: backslashes doubled twice,
// spaces after two backslashes).
QByteArray wineEntry(const QString &prefix, const QString &unixLink, const QString &workDir, const QString &icon)
{
    QString link = unixLink;
    link.replace(QLatin1Char(' '), QLatin1String("\\\\ "));
    return QStringLiteral("[Desktop Entry]\nName=x\nExec=env WINEPREFIX=\"%1\" wine "
                          "C:\\\\\\\\windows\\\\\\\\command\\\\\\\\start.exe /Unix %2\nType=Application\n"
                          "StartupNotify=true\nPath=%3\nIcon=%4\n")
        .arg(prefix, link, workDir, icon)
        .toUtf8();
}

QString in(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('\\') + name;
}

void write(const QString &native, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(native).absolutePath());
    QFile f(native);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestMenuBuilder : public QObject {
    Q_OBJECT
private slots:
    void execArguments_data();
    void execArguments();
    void removesTheProgramsDesktopFilesOnly();
    void entryOfAnotherPrefixAtTheSamePathStays();
    void removerKeepsFilesOutsideTheMenuPlaces_data();
    void removerKeepsFilesOutsideTheMenuPlaces();
    void noDesktopServiceNoSearch();
    void trashedWithItsRecordAndRestored();
};

void TestMenuBuilder::execArguments_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("wine's own") << QStringLiteral("env WINEPREFIX=\"/home/a b/.wine\" wine C:\\\\\\\\windows\\\\\\\\command"
                                                  "\\\\\\\\start.exe /Unix /home/a\\\\ b/x\\\\ y.lnk")
                                << QStringList{QStringLiteral("env"), QStringLiteral("WINEPREFIX=/home/a b/.wine"),
                                               QStringLiteral("wine"), QStringLiteral("C:\\windows\\command\\start.exe"),
                                               QStringLiteral("/Unix"), QStringLiteral("/home/a b/x y.lnk")};
    QTest::newRow("quoted, string escapes") << QStringLiteral("\"/opt/my app/run\"\\s--flag %f")
                                            << QStringList{QStringLiteral("/opt/my app/run"), QStringLiteral("--flag"),
                                                           QStringLiteral("%f")};
    QTest::newRow("empty") << QString() << QStringList();
}

void TestMenuBuilder::execArguments()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    QCOMPARE(CMenuBuilderFinder::ExecArguments(exec), arguments);
}

void TestMenuBuilder::removesTheProgramsDesktopFilesOnly()
{
    Machine m;
    const QString home = QDir(m.tmp.path()).canonicalPath() + QStringLiteral("/home");
    const QString prefix = QFileInfo(m.root).absolutePath();
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
    pw::CFakeHostDesktop desktop;
    desktop.prefix = prefix.toStdString();
    desktop.dataHome = (home + QStringLiteral("/.local/share")).toStdString();
    desktop.configHome = (home + QStringLiteral("/.config")).toStdString();
    desktop.desktop = (home + QStringLiteral("/Desktop")).toStdString();
    const QString data = home + QStringLiteral("/.local/share");
    const QString apps = data + QStringLiteral("/applications/wine/Programs");
    const QString merged = home + QStringLiteral("/.config/menus/applications-merged");
    const QString dirs = data + QStringLiteral("/desktop-directories");
    const QString icons = data + QStringLiteral("/icons/hicolor");
    const QString userDesktop = home + QStringLiteral("/Desktop");
    const QString unixC = prefix + QStringLiteral("/dosdevices/c:");

    // Two programs, the second's name holding the first's; each with a Start menu shortcut.
    m.entry("Notes", "Vexa Notes", "\"C:\\Program Files\\Vexa Notes\\uninstall.exe\"",
            {{"InstallLocation", kNotesFolder.toUtf8()}});
    m.entry("Sync", "Vexa Notes Sync", "\"C:\\Program Files\\Vexa Notes Sync\\uninstall.exe\"",
            {{"InstallLocation", kSyncFolder.toUtf8()}});
    m.file(in(kSyncFolder, QStringLiteral("uninstall.exe")));
    m.file(in(kSyncFolder, QStringLiteral("sync.exe")));
    const QString notesLink = kStartMenu + QStringLiteral("\\Vexa Notes\\Vexa Notes.lnk");
    const QString syncLink = kStartMenu + QStringLiteral("\\Vexa Notes Sync\\Vexa Notes Sync.lnk");
    m.file(syncLink);
    const QString unixStartMenu = unixC + QStringLiteral("/ProgramData/Microsoft/Windows/Start Menu/Programs");
    const QString notesNative = m.native(kNotesFolder);
    const QString syncNative = m.native(kSyncFolder);

    const struct {
        QString entry, menu, link, unixLink, workDir, icon;
    } programs[] = {
        {apps + QStringLiteral("/Vexa Notes/Vexa Notes.desktop"),
         merged + QStringLiteral("/wine-Programs-Vexa Notes-Vexa Notes.menu"), notesLink,
         unixStartMenu + QStringLiteral("/Vexa Notes/Vexa Notes.lnk"), notesNative, QStringLiteral("1A2B_app.0")},
        {apps + QStringLiteral("/Vexa Notes Sync/Vexa Notes Sync.desktop"),
         merged + QStringLiteral("/wine-Programs-Vexa Notes Sync-Vexa Notes Sync.menu"), syncLink,
         unixStartMenu + QStringLiteral("/Vexa Notes Sync/Vexa Notes Sync.lnk"), syncNative, QStringLiteral("3C4D_sync.0")},
    };
    // Wine 8 records a native file in the long Windows form ("\\?\unix\home\..."), older Wine
    // as it is.
    const auto recordOf = [](const QString &native) {
        return QStringLiteral("\\\\?\\unix") + QString(native).replace(QLatin1Char('/'), QLatin1Char('\\'));
    };
    for (const auto &p : programs) {
        write(p.entry, wineEntry(prefix, p.unixLink, p.workDir, p.icon));
        write(p.menu, "<Menu/>");
        m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles,
                                  recordOf(p.entry).toStdString(), p.link.toStdString());
        m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles,
                                  p.menu.toStdString(), p.link.toStdString());
        for (const char *size : {"32x32", "48x48"})
            write(icons + QLatin1Char('/') + QLatin1String(size) + QStringLiteral("/apps/") + p.icon + QStringLiteral(".png"));
    }
    for (const char *name : {"wine-wine", "wine-Programs", "wine-Programs-Vexa Notes", "wine-Programs-Vexa Notes Sync"})
        write(dirs + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".directory"));
    // On the user's desktop: the program's entry beside its shortcut (not recorded), the user's
    // own launcher that mentions the name, and another prefix's entry into a folder of that name.
    const QString notesOnDesktop = userDesktop + QStringLiteral("/Vexa Notes.desktop");
    // (Wine 8 starts the shortcut by its Windows path.)
    write(notesOnDesktop, QStringLiteral("[Desktop Entry]\nName=Vexa Notes\nExec=env WINEPREFIX=\"%1\" wine "
                                         "C:\\\\\\\\users\\\\\\\\Ann\\\\\\\\Desktop\\\\\\\\Vexa\\\\ Notes.lnk\n"
                                         "Type=Application\nIcon=1A2B_app.0\n")
                              .arg(prefix)
                              .toUtf8());
    const QString usersOwn = userDesktop + QStringLiteral("/Vexa Notes ideas.desktop");
    write(usersOwn, "[Desktop Entry]\nName=Vexa Notes ideas\nExec=xdg-open \"/home/ann/Vexa Notes ideas.txt\"\nType=Application\n");
    const QString otherPrefix = userDesktop + QStringLiteral("/Vexa Notes (work).desktop");
    write(otherPrefix, wineEntry(m.tmp.path() + QStringLiteral("/work-prefix"),
                                 m.tmp.path() + QStringLiteral("/work-prefix/dosdevices/c:/users/Ann/Desktop/Vexa Notes.lnk"),
                                 m.tmp.path() + QStringLiteral("/work-prefix/drive_c/Program Files/Vexa Notes"),
                                 QStringLiteral("5E6F_app.0")));
    // File associations: .vxn was the removed program's (its class is gone), .vxs is the other's.
    const QString vxnEntry = data + QStringLiteral("/applications/wine-extension-vxn.desktop");
    const QString vxnPackage = data + QStringLiteral("/mime/packages/x-wine-extension-vxn.xml");
    const QString vxsEntry = data + QStringLiteral("/applications/wine-extension-vxs.desktop");
    write(vxnEntry, QStringLiteral("[Desktop Entry]\nExec=env WINEPREFIX=\"%1\" wine start /ProgIDOpen VexaNotes.Document %f\n")
                        .arg(prefix).toUtf8());
    write(vxnPackage, "<mime-info/>");
    write(vxsEntry, QStringLiteral("[Desktop Entry]\nExec=env WINEPREFIX=\"%1\" wine start /ProgIDOpen VexaSync.Document %f\n")
                        .arg(prefix).toUtf8());
    const auto association = [&](const std::string &ext, const std::string &progId, const std::string &app) {
        const std::string key = kAssociations + "\\" + ext;
        m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, key, "ProgID", progId);
        m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, key, "AppName", app);
        m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, key, "MimeType",
                                  "application/x-wine-extension-" + ext.substr(1));
    };
    association(".vxn", "VexaNotes.Document", "Vexa Notes");
    association(".vxs", "VexaSync.Document", "Vexa Notes Sync");
    m.fake.registry.SetString(pw::RegRoot::ClassesRoot, pw::CFakeRegistry::View64, "VexaSync.Document\\shell\\open\\command",
                              "", "\"C:\\Program Files\\Vexa Notes Sync\\sync.exe\" \"%1\"");

    // The uninstaller ran: the entry and the shortcuts are gone.
    const InstalledProgram notes = m.record("Notes");
    m.removeEntry("Notes");

    pw::Platform platform = pw::CurrentPlatform();
    platform.hostDesktop = &desktop;
    CLeftoverCleaner cleaner(platform);
    const CleanResult result = cleaner.CleanLeftovers(notes);
    QVERIFY(!result.StillInstalled);
    QVERIFY(result.Failed.isEmpty());

    const QStringList gone = {programs[0].entry,
                              programs[0].menu,
                              notesOnDesktop,
                              icons + QStringLiteral("/32x32/apps/1A2B_app.0.png"),
                              icons + QStringLiteral("/48x48/apps/1A2B_app.0.png"),
                              dirs + QStringLiteral("/wine-Programs-Vexa Notes.directory"),
                              apps + QStringLiteral("/Vexa Notes"),
                              vxnEntry,
                              vxnPackage};
    for (const QString &f : gone)
        QVERIFY2(!QFileInfo::exists(f), qPrintable(f));
    const QStringList kept = {programs[1].entry,
                              programs[1].menu,
                              icons + QStringLiteral("/32x32/apps/3C4D_sync.0.png"),
                              dirs + QStringLiteral("/wine-Programs-Vexa Notes Sync.directory"),
                              dirs + QStringLiteral("/wine-Programs.directory"),
                              dirs + QStringLiteral("/wine-wine.directory"),
                              usersOwn,
                              otherPrefix,
                              vxsEntry};
    for (const QString &f : kept)
        QVERIFY2(QFileInfo::exists(f), qPrintable(f));
    const auto hasValue = [&](const QString &name) {
        return m.fake.registry.HasValue(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, name.toStdString());
    };
    QVERIFY(!hasValue(recordOf(programs[0].entry)));
    QVERIFY(!hasValue(programs[0].menu));
    QVERIFY(hasValue(recordOf(programs[1].entry)));
    QVERIFY(hasValue(programs[1].menu));
    QVERIFY(!m.fake.registry.HasKey(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kAssociations + "\\.vxn"));
    QVERIFY(m.fake.registry.HasKey(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kAssociations + "\\.vxs"));
    QCOMPARE(desktop.applicationRefreshes, 1);
    QCOMPARE(desktop.mimeRefreshes, 1);
}

void TestMenuBuilder::entryOfAnotherPrefixAtTheSamePathStays()
{
    // Both prefixes made a shortcut of one name: the menu builder of the other wrote the file
    // last. This prefix's record goes; the file, which starts the other prefix, stays.
    Machine m;
    const QString home = QDir(m.tmp.path()).canonicalPath() + QStringLiteral("/home");
    const QString prefix = QFileInfo(m.root).absolutePath();
    pw::CFakeHostDesktop desktop;
    desktop.prefix = prefix.toStdString();
    desktop.dataHome = (home + QStringLiteral("/.local/share")).toStdString();
    desktop.configHome = (home + QStringLiteral("/.config")).toStdString();
    const QString entry = home + QStringLiteral("/.local/share/applications/wine/Programs/Vexa Notes/Vexa Notes.desktop");
    const QString other = m.tmp.path() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(other));
    write(entry, wineEntry(other, other + QStringLiteral("/dosdevices/c:/x.lnk"), other, QStringLiteral("1A2B_app.0")));
    m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, entry.toStdString(),
                              (kStartMenu + QStringLiteral("\\Vexa Notes\\Vexa Notes.lnk")).toStdString());
    m.entry("Notes", "Vexa Notes", "\"C:\\Program Files\\Vexa Notes\\uninstall.exe\"",
            {{"InstallLocation", kNotesFolder.toUtf8()}});
    const InstalledProgram notes = m.record("Notes");
    m.removeEntry("Notes");

    pw::Platform platform = pw::CurrentPlatform();
    platform.hostDesktop = &desktop;
    CLeftoverCleaner cleaner(platform);
    const CleanResult result = cleaner.CleanLeftovers(notes);
    QVERIFY(QFileInfo::exists(entry));
    QVERIFY(!m.fake.registry.HasValue(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, entry.toStdString()));
    QCOMPARE(result.Refused.size(), 1);
    QCOMPARE(result.Refused.first().Path, entry);
    QCOMPARE(desktop.applicationRefreshes, 0);
}

void TestMenuBuilder::removerKeepsFilesOutsideTheMenuPlaces_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("removed");
    QTest::newRow("menu entry") << QStringLiteral(".local/share/applications/wine/Programs/A/a.desktop") << true;
    QTest::newRow("menu") << QStringLiteral(".config/menus/applications-merged/wine-Programs-A-a.menu") << true;
    QTest::newRow("icon") << QStringLiteral(".local/share/icons/hicolor/48x48/apps/1A2B_a.0.png") << true;
    QTest::newRow("another menu entry") << QStringLiteral(".local/share/applications/org.example.App.desktop") << false;
    QTest::newRow("a document") << QStringLiteral("Documents/notes.txt") << false;
    QTest::newRow("a menu not wine's") << QStringLiteral(".config/menus/applications-merged/kde.menu") << false;
    QTest::newRow("a folder's .directory") << QStringLiteral(".local/share/desktop-directories/kde.directory") << false;
}

void TestMenuBuilder::removerKeepsFilesOutsideTheMenuPlaces()
{
    // The remover asks the keep policy again: an item of a desktop file outside the places the
    // menu builder writes (a scan gone wrong, a file changed since) stays.
    QFETCH(QString, relative);
    QFETCH(bool, removed);
    Machine m;
    const QString home = QDir(m.tmp.path()).canonicalPath() + QStringLiteral("/home");
    pw::CFakeHostDesktop desktop;
    desktop.prefix = QFileInfo(m.root).absolutePath().toStdString();
    desktop.dataHome = (home + QStringLiteral("/.local/share")).toStdString();
    desktop.configHome = (home + QStringLiteral("/.config")).toStdString();
    const QString file = home + QLatin1Char('/') + relative;
    write(file);
    // A record whose shortcut is gone names the file; the scan lists it where the finder would.
    m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, file.toStdString(),
                              "C:\\gone.lnk");
    m.entry("Notes", "Vexa Notes", "\"C:\\Program Files\\Vexa Notes\\uninstall.exe\"",
            {{"InstallLocation", kNotesFolder.toUtf8()}});
    const InstalledProgram notes = m.record("Notes");
    m.removeEntry("Notes");
    pw::Platform platform = pw::CurrentPlatform();
    platform.hostDesktop = &desktop;
    CLeftoverCleaner cleaner(platform);
    cleaner.CleanLeftovers(notes);
    QCOMPARE(!QFileInfo::exists(file), removed);
}

void TestMenuBuilder::noDesktopServiceNoSearch()
{
    // On Windows (no desktop around a prefix) the records are not even read.
    Machine m;
    m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, "/tmp/x.desktop",
                              "C:\\gone.lnk");
    m.entry("Notes", "Vexa Notes", "\"C:\\Program Files\\Vexa Notes\\uninstall.exe\"",
            {{"InstallLocation", kNotesFolder.toUtf8()}});
    const InstalledProgram notes = m.record("Notes");
    m.removeEntry("Notes");
    CLeftoverCleaner cleaner(pw::CurrentPlatform());
    const CleanResult result = cleaner.CleanLeftovers(notes);
    for (const LeftoverItem &item : result.Found)
        QVERIFY(item.Kind != LeftoverDesktopFile && item.Path != QLatin1String("Software\\Wine\\MenuFiles"));
}

void TestMenuBuilder::trashedWithItsRecordAndRestored()
{
    // With the trash, a menu entry and its MenuFiles record are removed like any other leftover:
    // the file into the trash, the record into the .reg backup, both into the journal, and both
    // come back through Restore.
    Machine m;
    TemporaryHome home;
    const QString prefix = QFileInfo(m.root).absolutePath();
    pw::CFakeHostDesktop desktop;
    desktop.prefix = prefix.toStdString();
    desktop.dataHome = (home.path() + QStringLiteral("/.local/share")).toStdString();
    desktop.configHome = (home.path() + QStringLiteral("/.config")).toStdString();
    const QString entry = home.path() + QStringLiteral("/.local/share/applications/wine/Programs/Vexa Notes/Vexa Notes.desktop");
    const QByteArray bytes = wineEntry(prefix, prefix + QStringLiteral("/dosdevices/c:/x/Vexa Notes.lnk"),
                                       m.native(kNotesFolder), QStringLiteral("1A2B_app.0"));
    write(entry, bytes);
    const std::string record = entry.toStdString();
    const std::string link = (kStartMenu + QStringLiteral("\\Vexa Notes\\Vexa Notes.lnk")).toStdString();
    m.fake.registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, record, link);
    m.entry("Notes", "Vexa Notes", "\"C:\\Program Files\\Vexa Notes\\uninstall.exe\"",
            {{"InstallLocation", kNotesFolder.toUtf8()}});
    const InstalledProgram notes = m.record("Notes");
    m.removeEntry("Notes");

    pw::Platform platform = pw::CurrentPlatform();
    platform.hostDesktop = &desktop;
    QTemporaryDir journalDir;
    auto journal = std::make_shared<CRunJournal>(journalDir.path());
    CLeftoverCleaner cleaner(platform);
    cleaner.SetRemoval({journal, RemovalMode::Trash, prefix});
    const CleanResult result = cleaner.CleanLeftovers(notes);
    QVERIFY(result.Failed.isEmpty());
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(!m.fake.registry.HasValue(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, record));
    const auto trashed = std::find_if(result.Trashed.begin(), result.Trashed.end(),
                                      [&](const LeftoverItem &i) { return i.Path == entry; });
    QVERIFY(trashed != result.Trashed.end());
    const journal::Program written = journal::Read(journal->File()).programs.value(0);
    const auto inJournal = std::find_if(written.items.begin(), written.items.end(),
                                        [&](const journal::Item &i) { return i.path == entry; });
    QVERIFY(inJournal != written.items.end());
    QCOMPARE(inJournal->kind, int(LeftoverDesktopFile));
    QCOMPARE(inJournal->state, journal::State::Trashed);
    const QString file = journal->File();
    journal.reset();
    cleaner.SetRemoval({});

    const RestoreResult r = RestoreProgram(file, 0, platform, prefix);
    QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
    for (const RestoredItem &item : r.items)
        QVERIFY2(item.outcome == RestoreOutcome::Restored || item.outcome == RestoreOutcome::NotRestorable,
                 qPrintable(item.item.path + QLatin1Char(' ') + item.detail));
    QFile back(entry);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), bytes);
    QVERIFY(m.fake.registry.HasValue(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, kMenuFiles, record));
}

QTEST_GUILESS_MAIN(TestMenuBuilder)
#include "tst_menubuilder.moc"
