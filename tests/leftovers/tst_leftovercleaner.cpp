// The leftover scan and removal on a fixture machine: what is found in which order, what is
// deleted, and, for every safety rule, the data it protects surviving.
#include "libs/sharelog/sharelog.h"
#include "leftovers/machine.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/programpaths.h"
#include "leftovers/weaknames.h"

#include <QtTest>

using namespace test;

namespace {

QStringList paths(const LeftoverList &items)
{
    QStringList out;
    for (const LeftoverItem &i : items)
        out << (i.ValueName.isEmpty() ? i.Path : i.Path + QLatin1Char('|') + i.ValueName);
    return out;
}

QString in(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('\\') + name;
}

} // namespace

class TestLeftoverCleaner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void installPathFromRecord_data();
    void installPathFromRecord();
    void findsSixPlacesInOrderAndRemovesThem();
    void iconPathFindsItsMuiCacheValues();
    void installPathWithoutBackslashSearchesNoAppData();
    void appDataMatchesInsideTheNamedFolder();
    void startMenuRetriesWithIconGroup();
    void desktopShortcutsOnly();
    void desktopFolderWithADocumentStays();
    void userDesktopShortcutsByTarget();
    void readOnlyFiles();

    void protectedInstallPathAddsNothing_data();
    void protectedInstallPathAddsNothing();
    void emptiedFoldersGoUpToProtectedPlaces();
    void emptiedDataFoldersGo_data();
    void emptiedDataFoldersGo();
    void dataFoldersOfTheVendor_data();
    void dataFoldersOfTheVendor();
    void orphanedTwins_data();
    void orphanedTwins();
    void twinWhoseUninstallerCameBackStays();
    void matchingIsBelowTheSearchedFolder_data();
    void matchingIsBelowTheSearchedFolder();
    void weakNamesDriveNoSearch_data();
    void weakNamesDriveNoSearch();
    void weakNameList_data();
    void weakNameList();
    void otherProgramsFolders_data();
    void otherProgramsFolders();
    void otherProgramsNamesAndEntries();
    void stillInstalledProgramIsNotCleaned_data();
    void stillInstalledProgramIsNotCleaned();
    void linksAreRemovedNeverFollowed();
    void otherDriveLettersReachNoProtectedPlace();

private:
    QByteArray log() const;
    QTemporaryDir m_logDir;
};

void TestLeftoverCleaner::initTestCase()
{
    QVERIFY(m_logDir.isValid());
}

void TestLeftoverCleaner::init()
{
    const QString path = m_logDir.filePath(QStringLiteral("purgewell.log"));
    QFile::remove(path);
    sharelog::SetLogFilePath(path);
}

QByteArray TestLeftoverCleaner::log() const
{
    QFile f(m_logDir.filePath(QStringLiteral("purgewell.log")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestLeftoverCleaner::installPathFromRecord_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QByteArray>("icon");
    QTest::addColumn<QByteArray>("uninstall");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("trailing backslash") << QByteArray("C:\\Apps\\Tool\\") << QByteArray() << QByteArray("u.exe")
                                        << QByteArray("C:\\Apps\\Tool");
    QTest::newRow("quoted location") << QByteArray("\"C:\\Apps\\Tool\"") << QByteArray() << QByteArray("u.exe")
                                     << QByteArray("C:\\Apps\\Tool");
    QTest::newRow("quoted icon with index") << QByteArray() << QByteArray("\"C:\\Apps\\Tool\\tool.exe\",0")
                                            << QByteArray("u.exe") << QByteArray("C:\\Apps\\Tool\\tool.exe");
    QTest::newRow("icon with negative index") << QByteArray() << QByteArray("C:\\Apps\\Tool\\tool.exe,-101")
                                              << QByteArray("u.exe") << QByteArray("C:\\Apps\\Tool\\tool.exe");
    // The comma belongs to the folder name: cutting there would name another folder.
    QTest::newRow("comma in a folder name") << QByteArray() << QByteArray("C:\\Program Files\\Foo, Inc\\tool.exe,0")
                                            << QByteArray("u.exe") << QByteArray("C:\\Program Files\\Foo, Inc\\tool.exe");
    QTest::newRow("only the uninstaller") << QByteArray() << QByteArray() << QByteArray("C:\\Apps\\Tool\\uninstall.exe")
                                          << QByteArray("uninstall");
}

void TestLeftoverCleaner::installPathFromRecord()
{
    QFETCH(QByteArray, location);
    QFETCH(QByteArray, icon);
    QFETCH(QByteArray, uninstall);
    QFETCH(QByteArray, path);
    InstalledProgram p;
    qstrncpy(p.InstallLocation, location.constData(), 260);
    qstrncpy(p.DisplayIcon, icon.constData(), 260);
    qstrncpy(p.UninstallString, uninstall.constData(), 260);
    QCOMPARE(LeftoverInstallPath(p), path);
}

void TestLeftoverCleaner::findsSixPlacesInOrderAndRemovesThem()
{
    Machine m;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"",
            {{"InstallLocation", "C:\\Apps\\Tool"}, {"Publisher", "Vexa"}});
    const InstalledProgram tool = m.record("Tool");
    QVERIFY(tool.SubKeyName[0]);
    const QString sm = in(kStartMenu, "Tool");
    for (const QString &f : {QString("C:\\Apps\\Tool\\bin\\tool.dll"), QString("C:\\Apps\\Tool\\readme.txt"),
                             in(m.roaming, "Tool\\cfg.ini"), in(m.roaming, "Tool\\Cache\\c.dat"),
                             in(kProgramData, "Tool\\db.dat"), in(kProgramData, "Tool\\Logs\\l.txt"),
                             in(sm, "Tool.lnk"), in(kDesktop, "Tool.lnk")})
        m.file(f);
    const QStringList others{"C:\\Apps\\Other\\o.exe", in(m.roaming, "Other\\o.ini"), in(kStartMenu, "Other\\o.lnk"),
                             in(kDesktop, "Other.lnk"), in(kProgramData, "Tools\\t.dat")};
    for (const QString &f : others)
        m.file(f);
    m.muiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName");
    m.muiCache("C:\\Apps\\Tool2\\t.exe.FriendlyAppName");
    // The uninstaller removed its files and its uninstall command, but left three values behind.
    {
        pw::RegKey key = 0;
        m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Tool",
                                pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
        m.fake.registry.DeleteValue(key, "UninstallString");
        m.fake.registry.CloseKey(key);
    }

    CLeftoverCleaner cleaner;
    const CleanResult r = cleaner.CleanLeftovers(tool);
    QVERIFY(!r.StillInstalled);
    const QString key = QString::fromStdString(kUninstall) + "Tool";
    QCOMPARE(paths(r.Found),
             QStringList({"C:\\Apps\\Tool\\bin", "C:\\Apps\\Tool\\readme.txt",
                          // roaming: files, then folders
                          in(m.roaming, "Tool\\cfg.ini"), in(m.roaming, "Tool\\Cache\\c.dat"),
                          in(m.roaming, "Tool\\Cache"),
                          // the all-users Start menu inside ProgramData is too deep for its data search
                          in(kProgramData, "Tool\\db.dat"), in(kProgramData, "Tool\\Logs\\l.txt"),
                          in(kProgramData, "Tool\\Logs"),
                          in(sm, "Tool.lnk"), in(kDesktop, "Tool.lnk"),
                          key + "|DisplayName", key + "|InstallLocation", key + "|Publisher", key,
                          "C:\\Apps\\Tool\\tool.exe.FriendlyAppName"}));
    QCOMPARE(r.Found[0].Kind, int(LeftoverFolder));
    QCOMPARE(r.Found[1].Kind, int(LeftoverFile));
    QCOMPARE(r.Found.last().Kind, int(LeftoverMuiCache));
    QCOMPARE(r.Removed.size(), r.Found.size());
    QVERIFY(r.Refused.isEmpty());
    QVERIFY(r.Failed.isEmpty());

    for (const QString &gone : {QString("C:\\Apps\\Tool\\bin"), QString("C:\\Apps\\Tool\\readme.txt"),
                                in(m.roaming, "Tool"), in(kProgramData, "Tool"), in(sm, "Tool.lnk"),
                                in(kDesktop, "Tool.lnk")})
        QVERIFY2(!m.exists(gone), qPrintable(gone));
    QVERIFY(!m.hasEntry("Tool"));
    QVERIFY(!m.hasMuiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName"));
    for (const QString &kept : others)
        QVERIFY2(m.exists(kept), qPrintable(kept));
    QVERIFY(m.hasMuiCache("C:\\Apps\\Tool2\\t.exe.FriendlyAppName"));

    const QByteArray lines = log();
    QVERIFY(lines.contains("Leftover file removed: C:\\Apps\\Tool\\readme.txt"));
    QVERIFY(lines.contains("Leftover folder removed: C:\\Apps\\Tool\\bin"));
    QVERIFY(lines.contains("Leftover file removed: C:\\Apps\\Tool\\bin\\tool.dll"));
    QVERIFY(lines.contains("Leftover folder removed (left empty): " + in(m.roaming, "Tool").toLocal8Bit()));
    QVERIFY(lines.contains("Leftover registry removed: HKEY_LOCAL_MACHINE (64-bit)\\" + key.toLocal8Bit() + "|Publisher"));
    QVERIFY(lines.contains("Leftover MuiCache removed: HKEY_CLASSES_ROOT\\"));
    QCOMPARE(m.fake.registry.OpenHandles(), 0);
}

void TestLeftoverCleaner::iconPathFindsItsMuiCacheValues()
{
    Machine m;
    m.entry("Tool", "Tool", "C:\\Apps\\Tool\\uninst.exe", {{"DisplayIcon", "\"C:\\Apps\\Tool\\tool.exe\",0"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    m.file("C:\\Apps\\Tool\\tool.exe");
    m.file(in(m.roaming, "tool.exe\\state.bin"));
    m.muiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName", true);
    m.muiCache("C:\\Apps\\Tool\\tool.exe.ApplicationCompany", true);
    m.muiCache("C:\\Apps\\Tool\\other.exe.FriendlyAppName", true);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    // The install path names a file: no folder is listed, the name is searched as a folder.
    QCOMPARE(paths(r.Found), QStringList({in(m.roaming, "tool.exe\\state.bin"),
                                          "C:\\Apps\\Tool\\tool.exe.FriendlyAppName",
                                          "C:\\Apps\\Tool\\tool.exe.ApplicationCompany"}));
    QVERIFY(m.exists("C:\\Apps\\Tool\\tool.exe"));
    // Found and deleted in the user's own classes, where the values are stored.
    QVERIFY(m.hasMuiCache("C:\\Apps\\Tool\\other.exe.FriendlyAppName", true));
    QVERIFY(!m.hasMuiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName", true));
    QVERIFY(log().contains("Leftover MuiCache removed: HKEY_CURRENT_USER\\Software\\Classes\\Local Settings\\"));
}

void TestLeftoverCleaner::installPathWithoutBackslashSearchesNoAppData()
{
    Machine m;
    m.entry("Tool", "Tool", "uninstall.exe");
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    m.file(in(m.roaming, "uninstall\\u.ini"));
    m.file(in(kStartMenu, "Tool\\Tool.lnk"));
    m.muiCache("C:\\Apps\\uninstall\\a.exe");

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QCOMPARE(paths(r.Found), QStringList({in(kStartMenu, "Tool\\Tool.lnk")}));
    QVERIFY(m.exists(in(m.roaming, "uninstall\\u.ini")));
    QVERIFY(m.hasMuiCache("C:\\Apps\\uninstall\\a.exe"));
    QVERIFY(!m.exists(in(kStartMenu, "Tool\\Tool.lnk")));
}

void TestLeftoverCleaner::appDataMatchesInsideTheNamedFolder()
{
    Machine m;
    m.entry("Tool", "Zeta Program", "C:\\Apps\\Tool\\uninst.exe", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    for (const char *f : {"Tool\\cfg.ini", "Tool\\Cache\\c.dat", "Vendor\\TOOL\\v.ini", "MyTool\\x.ini", "Toolbox\\y.ini",
                          "Tool.ini", ".hidden\\Tool\\h.ini", "Other\\Plugins\\Tool\\p.dll"})
        m.file(in(m.roaming, f));

    CLeftoverCleaner cleaner;
    const CleanResult r = cleaner.ScanLeftovers(tool);
    // Inside a folder named Tool directly in roaming or one vendor folder below it, in any case;
    // never the Tool folder itself, never a folder whose name merely ends in Tool, never a Tool
    // folder deep in another program's tree.
    QCOMPARE(paths(r.Found), QStringList({in(m.roaming, ".hidden\\Tool\\h.ini"), in(m.roaming, "Tool\\cfg.ini"),
                                          in(m.roaming, "Tool\\Cache\\c.dat"), in(m.roaming, "Vendor\\TOOL\\v.ini"),
                                          in(m.roaming, "Tool\\Cache")}));
    cleaner.RemoveLeftovers();
    QVERIFY(!m.exists(in(m.roaming, "Tool")));
    QVERIFY(!m.exists(in(m.roaming, "Vendor\\TOOL\\v.ini")));
    for (const char *f : {"MyTool\\x.ini", "Toolbox\\y.ini", "Tool.ini", "Other\\Plugins\\Tool\\p.dll"})
        QVERIFY(m.exists(in(m.roaming, f)));
}

void TestLeftoverCleaner::startMenuRetriesWithIconGroup()
{
    Machine m;
    m.entry("Tool", "Tool Deluxe 2", "C:\\Apps\\Tool\\unins000.exe", {{"Inno Setup: Icon Group", "Vendor\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    m.folder(in(kStartMenu, "Tool Deluxe 2\\Extras"));
    m.file(in(kStartMenu, "Vendor\\Tool\\Tool.lnk"));
    m.file(in(kStartMenu, "Vendor\\Tool\\Help\\Help.lnk"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    // The display name found a folder but no file, so the icon group's last part is tried too,
    // and the first search's folder is listed a second time.
    const QString extras = in(kStartMenu, "Tool Deluxe 2\\Extras");
    QCOMPARE(paths(r.Found), QStringList({extras, in(kStartMenu, "Vendor\\Tool\\Tool.lnk"),
                                          in(kStartMenu, "Vendor\\Tool\\Help\\Help.lnk"), extras,
                                          in(kStartMenu, "Vendor\\Tool\\Help")}));
    // The second attempt finds nothing left to delete and counts as removed.
    QCOMPARE(r.Removed.size(), 5);
    QVERIFY(r.Failed.isEmpty());
    QVERIFY(log().contains("Leftover folder already gone: " + extras.toLocal8Bit()));
    QVERIFY(!m.exists(extras));
    QVERIFY(!m.exists(in(kStartMenu, "Vendor\\Tool\\Help")));
    QVERIFY(m.exists(kStartMenu));
}

void TestLeftoverCleaner::desktopShortcutsOnly()
{
    // On the all-users desktop only shortcuts named after the program, and a folder of exactly
    // its name holding nothing but shortcuts, are its own. What else bears its name is the
    // user's and stays.
    Machine m;
    m.entry("Tool", "Tool", "C:\\Apps\\Tool\\uninst.exe");
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    const QStringList gone{"TOOL.lnk", "my tool launcher.lnk", "Tool Site.url", "Tool (DOS).pif", "Tool\\Start.lnk",
                           "Tool\\Manual.url"};
    const QStringList kept{"Tool notes.txt", "Tool Recordings\\take1.wav", "Tool Folder\\x.lnk", "Other.lnk",
                           "Other\\Tool.lnk", "Tool.lnk.txt"};
    for (const QString &f : gone + kept)
        m.file(in(kDesktop, f));
    // A folder of the program's name that also holds a document of the user's.
    m.file(in(kDesktop, "TOOL Pack\\a.lnk"));
    m.file(in(kDesktop, "Tool Stuff\\a.lnk"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QStringList found = paths(r.Found);
    found.sort(Qt::CaseInsensitive);
    QCOMPARE(found, QStringList({in(kDesktop, "my tool launcher.lnk"), in(kDesktop, "Tool"), in(kDesktop, "Tool (DOS).pif"),
                                 in(kDesktop, "Tool Site.url"), in(kDesktop, "TOOL.lnk"),
                                 in(kDesktop, "Tool\\Manual.url"), in(kDesktop, "Tool\\Start.lnk")}));
    // The folder goes after the shortcuts inside it.
    QVERIFY(paths(r.Found).indexOf(in(kDesktop, "Tool")) > paths(r.Found).indexOf(in(kDesktop, "Tool\\Start.lnk")));
    for (const QString &f : gone)
        QVERIFY2(!m.exists(in(kDesktop, f)), qPrintable(f));
    QVERIFY(!m.exists(in(kDesktop, "Tool")));
    for (const QString &f : kept + QStringList{"TOOL Pack\\a.lnk", "Tool Stuff\\a.lnk"})
        QVERIFY2(m.exists(in(kDesktop, f)), qPrintable(f));
    QVERIFY(log().contains("the user's own file on the desktop: not a shortcut"));
    QVERIFY(paths(r.Refused).contains(in(kDesktop, "Tool notes.txt")));
    QVERIFY(paths(r.Refused).contains(in(kDesktop, "Tool Recordings")));
}

void TestLeftoverCleaner::userDesktopShortcutsByTarget()
{
    // On the user's own desktop a shortcut is the program's when the target it names lies in the
    // program's folder, whatever the shortcut is called; one into another folder stays, even one
    // named after the program or into a folder whose name holds the program's.
    Machine m;
    const QString desktop = QStringLiteral("C:\\Users\\Ann\\Desktop");
    m.entry("Tool", "Tool", "C:\\Apps\\Tool\\uninst.exe", {{"InstallLocation", "C:\\Apps\\Tool"}});
    m.file(QStringLiteral("C:\\Apps\\Tool\\readme.txt"));
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    const struct {
        const char *name;
        const char *target; // nullptr: not a shell link the shell can read
        bool gone;
    } shortcuts[] = {
        {"Start here.lnk", "C:\\Apps\\Tool\\tool.exe", true},
        {"manual.lnk", "c:\\apps\\tool\\doc\\manual.pdf", true},
        {"Tool.lnk", "C:\\Apps\\Other\\other.exe", false},
        {"Tool 2.lnk", "C:\\Apps\\Tool 2\\tool.exe", false},
        {"Tool broken.lnk", nullptr, false},
        {"Tool notes.txt", "C:\\Apps\\Tool\\tool.exe", false},
    };
    for (const auto &s : shortcuts) {
        m.file(in(desktop, QLatin1String(s.name)));
        if (s.target)
            m.fake.folders.SetShortcut(in(desktop, QLatin1String(s.name)).toStdString(), s.target);
    }
    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QVERIFY(r.Failed.isEmpty());
    for (const auto &s : shortcuts)
        QVERIFY2(m.exists(in(desktop, QLatin1String(s.name))) != s.gone, s.name);
    // After the program's own leftovers.
    QStringList last = paths(r.Found).mid(paths(r.Found).size() - 2);
    last.sort(Qt::CaseInsensitive);
    QCOMPARE(last, QStringList({in(desktop, "manual.lnk"), in(desktop, "Start here.lnk")}));
}

void TestLeftoverCleaner::desktopFolderWithADocumentStays()
{
    Machine m;
    m.entry("Tool", "Tool", "C:\\Apps\\Tool\\uninst.exe");
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    m.file(in(kDesktop, "Tool\\Start.lnk"));
    m.file(in(kDesktop, "Tool\\My essay.docx"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QVERIFY(paths(r.Found).isEmpty());
    QVERIFY(m.exists(in(kDesktop, "Tool\\Start.lnk")));
    QVERIFY(m.exists(in(kDesktop, "Tool\\My essay.docx")));
    QVERIFY(log().contains("the user's own folder on the desktop: not only shortcuts of the program"));
}

void TestLeftoverCleaner::readOnlyFiles()
{
    Machine m;
    m.entry("Tool", "Zeta Program", "C:\\Apps\\Tool\\uninst.exe", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    const QString found = "C:\\Apps\\Tool\\setup.ini";
    const QString inside = "C:\\Apps\\Tool\\data\\locked.dat";
    m.file(found);
    m.file(inside);
    m.file("C:\\Apps\\Tool\\data\\free.dat");
    m.readOnly(found);
    m.readOnly(inside);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    // A read-only file the scan found is deleted; one inside a leftover folder stays, with its
    // folder, as Windows' own deletion leaves it.
    QVERIFY(!m.exists(found));
    QVERIFY(!m.exists("C:\\Apps\\Tool\\data\\free.dat"));
    QVERIFY(m.exists(inside));
    QCOMPARE(paths(r.Failed), QStringList({inside, "C:\\Apps\\Tool\\data"}));
    QVERIFY(log().contains("Leftover file not removed (read-only): " + inside.toLocal8Bit()));
}

void TestLeftoverCleaner::protectedInstallPathAddsNothing_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("survivor");
    QTest::newRow("drive root") << "C:\\" << "C:\\Data\\d.txt";
    QTest::newRow("drive without separator") << "C:" << "C:\\Data\\d.txt";
    QTest::newRow("Program Files") << "C:\\Program Files" << "C:\\Program Files\\Other\\o.exe";
    QTest::newRow("Program Files, other spelling") << "C:/Program Files/" << "C:\\Program Files\\Other\\o.exe";
    QTest::newRow("Program Files (x86)") << "C:\\Program Files (x86)" << "C:\\Program Files (x86)\\Other\\o.exe";
    QTest::newRow("Common Files") << "C:\\Program Files\\Common Files" << "C:\\Program Files\\Common Files\\S\\s.dll";
    QTest::newRow("Windows") << "C:\\Windows" << "C:\\Windows\\win.ini";
    QTest::newRow("inside Windows") << "C:\\Windows\\System32" << "C:\\Windows\\System32\\kernel32.dll";
    QTest::newRow("users") << "C:\\Users" << "C:\\Users\\Bob\\b.txt";
    QTest::newRow("user profile") << "C:\\Users\\Ann" << "C:\\Users\\Ann\\Documents\\d.txt";
    QTest::newRow("another user's profile") << "C:\\Users\\Bob" << "C:\\Users\\Bob\\b.txt";
    QTest::newRow("AppData") << "C:\\Users\\Ann\\AppData" << "C:\\Users\\Ann\\AppData\\LocalLow\\x.dat";
    QTest::newRow("roaming") << kRoaming << in(kRoaming, "Other\\o.ini");
    QTest::newRow("local") << "C:\\Users\\Ann\\AppData\\Local" << "C:\\Users\\Ann\\AppData\\Local\\Other\\o.ini";
    QTest::newRow("ProgramData") << kProgramData << in(kProgramData, "Other\\o.dat");
    QTest::newRow("Start menu") << "C:\\ProgramData\\Microsoft\\Windows\\Start Menu" << in(kStartMenu, "Other\\o.lnk");
    QTest::newRow("Start menu programs") << kStartMenu << in(kStartMenu, "Other\\o.lnk");
    QTest::newRow("desktop") << kDesktop << in(kDesktop, "o.lnk");
    QTest::newRow("user's desktop") << "C:\\Users\\Ann\\Desktop" << "C:\\Users\\Ann\\Desktop\\o.lnk";
    QTest::newRow("dot-dot climbing out") << "C:\\Apps\\Tool\\..\\.." << "C:\\Data\\d.txt";
}

void TestLeftoverCleaner::protectedInstallPathAddsNothing()
{
    QFETCH(QString, location);
    QFETCH(QString, survivor);
    Machine m;
    m.folder("C:\\Apps\\Tool");
    m.file(survivor);
    m.entry("Zeta", "Zeta Program", "C:\\Apps\\Tool\\uninst.exe", {{"InstallLocation", location.toLocal8Bit()}});
    const InstalledProgram zeta = m.record("Zeta");
    m.removeEntry("Zeta");

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(zeta);
    QVERIFY2(m.exists(survivor), qPrintable(survivor));
    QVERIFY(r.Found.isEmpty());
    QCOMPARE(r.Refused.size(), 1);
    QVERIFY(log().contains("Leftover folder kept (install folder: "));
}

void TestLeftoverCleaner::emptiedFoldersGoUpToProtectedPlaces()
{
    Machine m;
    const QString vendor = "C:\\Program Files\\Vendor";
    m.entry("Suite", "Tool Suite", "C:\\x\\u.exe", {{"InstallLocation", (vendor + "\\Tool Suite").toLocal8Bit()}});
    const InstalledProgram suite = m.record("Suite");
    m.removeEntry("Suite");
    // Each place holds only what is about to go: emptying upwards must stop at the place.
    m.file(in(vendor, "Tool Suite\\bin\\a.dll"));
    m.file(in(vendor, "Tool Suite\\res\\b.png"));
    m.file(in(m.roaming, "Tool Suite\\Cache\\c.dat"));
    m.file(in(kStartMenu, "Tool Suite\\Docs\\readme.lnk"));
    m.file(in(kDesktop, "Tool Suite\\a.lnk"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(suite);
    QVERIFY(r.Failed.isEmpty());
    // The program's folder held only folders: it goes, and so does the vendor folder it
    // leaves empty.
    QVERIFY(!m.exists(vendor));
    QVERIFY(!m.exists(in(m.roaming, "Tool Suite")));
    QVERIFY(!m.exists(in(kStartMenu, "Tool Suite")));
    QVERIFY(!m.exists(in(kDesktop, "Tool Suite")));
    for (const QString &place : {QString("C:\\Program Files"), m.roaming, kStartMenu, kDesktop})
        QVERIFY2(QDir(m.native(place)).exists() && QDir(m.native(place)).isEmpty(), qPrintable(place));
}

void TestLeftoverCleaner::emptiedDataFoldersGo_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("otherName"); // a program still installed, when not empty
    QTest::addColumn<QString>("otherLocation");
    QTest::addColumn<QString>("otherPublisher");
    QTest::addColumn<QStringList>("files"); // a path ending in a backslash is an empty folder
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("kept");
    const QString pf = "C:\\Program Files";
    QTest::newRow("roaming folder of files only")
        << "C:\\Apps\\Tool" << "" << "" << "" << QStringList{in(kRoaming, "Tool\\cfg.ini"), in(kRoaming, "Tool\\state.dat")}
        << QStringList{in(kRoaming, "Tool")} << QStringList{kRoaming};
    QTest::newRow("ProgramData folder of files only, its vendor folder emptied")
        << in(pf, "Vendor\\Tool") << "" << "" << "" << QStringList{in(kProgramData, "Vendor\\Tool\\db.dat")}
        << QStringList{in(kProgramData, "Vendor")} << QStringList{kProgramData};
    QTest::newRow("install folder and Start menu folder of files only")
        << "C:\\Apps\\Tool" << "" << "" << ""
        << QStringList{"C:\\Apps\\Tool\\readme.txt", in(kStartMenu, "Tool\\Tool.lnk"), "C:\\Apps\\notes.txt"}
        << QStringList{"C:\\Apps\\Tool", in(kStartMenu, "Tool")} << QStringList{"C:\\Apps\\notes.txt", kStartMenu};
    QTest::newRow("vendor folder holding another program's data")
        << in(pf, "Vendor\\Tool") << "" << "" << ""
        << QStringList{in(kRoaming, "Vendor\\Tool\\cfg.ini"), in(kRoaming, "Vendor\\Other\\o.ini")}
        << QStringList{in(kRoaming, "Vendor\\Tool")} << QStringList{in(kRoaming, "Vendor\\Other\\o.ini")};
    QTest::newRow("vendor folder holding an empty folder")
        << in(pf, "Vendor\\Tool") << "" << "" << ""
        << QStringList{in(kRoaming, "Vendor\\Tool\\cfg.ini"), in(kRoaming, "Vendor\\Empty\\")}
        << QStringList{in(kRoaming, "Vendor\\Tool")} << QStringList{in(kRoaming, "Vendor\\Empty")};
    QTest::newRow("vendor folder of a program still installed")
        << in(pf, "Vendor\\Tool") << "Zeta Program" << in(pf, "Vendor\\Zeta") << ""
        << QStringList{in(kRoaming, "Vendor\\Tool\\cfg.ini")} << QStringList{in(kRoaming, "Vendor\\Tool")}
        << QStringList{in(kRoaming, "Vendor")};
    QTest::newRow("vendor folder named by the publisher of a program still installed")
        << in(pf, "Vendor\\Tool") << "Zeta Program" << "C:\\Apps\\Zeta" << "Vendor"
        << QStringList{in(kProgramData, "Vendor\\Tool\\db.dat")} << QStringList{in(kProgramData, "Vendor\\Tool")}
        << QStringList{in(kProgramData, "Vendor")};
    QTest::newRow("data folder holding a file of a program still installed")
        << "C:\\Apps\\Tool" << "Tool Pro" << "C:\\Apps\\ToolPro" << ""
        << QStringList{in(kRoaming, "Tool\\cfg.ini"), in(kRoaming, "Tool\\Tool Pro.ini")}
        << QStringList{in(kRoaming, "Tool\\cfg.ini")} << QStringList{in(kRoaming, "Tool\\Tool Pro.ini")};
}

void TestLeftoverCleaner::emptiedDataFoldersGo()
{
    QFETCH(QString, location);
    QFETCH(QString, otherName);
    QFETCH(QString, otherLocation);
    QFETCH(QString, otherPublisher);
    QFETCH(QStringList, files);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, kept);
    Machine m;
    m.entry("Tool", "Tool", (location + "\\uninst.exe").toLocal8Bit(), {{"InstallLocation", location.toLocal8Bit()}});
    if (!otherName.isEmpty())
        m.entry("Other", otherName.toLocal8Bit(), "C:\\x\\o.exe",
                {{"InstallLocation", otherLocation.toLocal8Bit()}, {"Publisher", otherPublisher.toLocal8Bit()}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    for (const QString &f : files)
        f.endsWith('\\') ? m.folder(f) : m.file(f);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QVERIFY(r.Failed.isEmpty());
    for (const QString &f : gone)
        QVERIFY2(!m.exists(f), qPrintable(f));
    for (const QString &f : kept)
        QVERIFY2(m.exists(f), qPrintable(f));
}

void TestLeftoverCleaner::dataFoldersOfTheVendor_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("otherName"); // a program still installed, when not empty
    QTest::addColumn<QString>("otherLocation");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("found"); // the rest of `files` stays
    QTest::addColumn<QStringList>("refused");
    const QString pf = "C:\\Program Files";
    QTest::newRow("its vendor's folder alone")
        << in(pf, "Vexa\\Notes") << "" << ""
        << QStringList{in(kRoaming, "Vexa\\Notes\\a.ini"), in(kRoaming, "Acme\\Notes\\b.ini"), in(kRoaming, "Notes\\c.ini"),
                       in(kProgramData, "Vexa\\Notes\\d.dat"), in(kProgramData, "Acme\\Notes\\e.dat")}
        << QStringList{in(kRoaming, "Vexa\\Notes\\a.ini"), in(kProgramData, "Vexa\\Notes\\d.dat")}
        << QStringList{in(kRoaming, "Acme\\Notes"), in(kRoaming, "Notes"), in(kProgramData, "Acme\\Notes")};
    QTest::newRow("names in another case")
        << in(pf, "Vexa\\Notes") << "" << ""
        << QStringList{in(kRoaming, "VEXA\\notes\\a.ini"), in(kRoaming, "Acme\\Notes\\b.ini")}
        << QStringList{in(kRoaming, "VEXA\\notes\\a.ini")} << QStringList{in(kRoaming, "Acme\\Notes")};
    QTest::newRow("no folder of its vendor: any one folder above")
        << in(pf, "Vexa\\Notes") << "" << ""
        << QStringList{in(kRoaming, "Vexa Software\\Notes\\a.ini"), in(kRoaming, "Notes\\c.ini"),
                       in(kRoaming, "Deep\\Er\\Notes\\x.ini")}
        << QStringList{in(kRoaming, "Notes\\c.ini"), in(kRoaming, "Vexa Software\\Notes\\a.ini")} << QStringList{};
    QTest::newRow("each place on its own")
        << in(pf, "Vexa\\Notes") << "" << ""
        << QStringList{in(kRoaming, "Acme\\Notes\\b.ini"), in(kProgramData, "Vexa\\Notes\\d.dat"),
                       in(kProgramData, "Acme\\Notes\\e.dat")}
        << QStringList{in(kRoaming, "Acme\\Notes\\b.ini"), in(kProgramData, "Vexa\\Notes\\d.dat")}
        << QStringList{in(kProgramData, "Acme\\Notes")};
    QTest::newRow("install folder in no vendor folder")
        << in(pf, "Notes") << "" << "" << QStringList{in(kRoaming, "Notes\\c.ini"), in(kRoaming, "Vexa\\Notes\\a.ini")}
        << QStringList{in(kRoaming, "Notes\\c.ini"), in(kRoaming, "Vexa\\Notes\\a.ini")} << QStringList{};
    QTest::newRow("another program's name holds the searched one")
        << in(pf, "Vexa\\Notes") << "Notes Pro" << in(pf, "Vexa\\Notes Pro")
        << QStringList{in(kRoaming, "Vexa\\Notes\\a.ini"), in(kRoaming, "Vexa\\Notes\\Sub\\s.ini"),
                       in(kRoaming, "Vexa\\Notes Pro\\p.ini")}
        << QStringList{in(kRoaming, "Vexa\\Notes\\a.ini"), in(kRoaming, "Vexa\\Notes\\Sub\\s.ini"),
                       in(kRoaming, "Vexa\\Notes\\Sub")}
        << QStringList{};
}

void TestLeftoverCleaner::dataFoldersOfTheVendor()
{
    QFETCH(QString, location);
    QFETCH(QString, otherName);
    QFETCH(QString, otherLocation);
    QFETCH(QStringList, files);
    QFETCH(QStringList, found);
    QFETCH(QStringList, refused);
    Machine m;
    m.entry("Zeta", "Zeta Program", (location + "\\uninst.exe").toLocal8Bit(), {{"InstallLocation", location.toLocal8Bit()}});
    if (!otherName.isEmpty())
        m.entry("Other", otherName.toLocal8Bit(), "C:\\x\\o.exe", {{"InstallLocation", otherLocation.toLocal8Bit()}});
    const InstalledProgram zeta = m.record("Zeta");
    m.removeEntry("Zeta");
    for (const QString &f : files)
        m.file(f);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(zeta);
    QStringList foundPaths = paths(r.Found);
    foundPaths.sort(Qt::CaseInsensitive);
    found.sort(Qt::CaseInsensitive);
    QCOMPARE(foundPaths, found);
    QStringList refusedPaths = paths(r.Refused);
    refusedPaths.sort(Qt::CaseInsensitive);
    refused.sort(Qt::CaseInsensitive);
    QCOMPARE(refusedPaths, refused);
    QVERIFY(r.Failed.isEmpty());
    for (const QString &f : files)
        QVERIFY2(m.exists(f) != found.contains(f), qPrintable(f));
}

void TestLeftoverCleaner::orphanedTwins_data()
{
    // The program's second registration; every other program's entry keeps what it names.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("root");
    QTest::addColumn<uint>("view");
    QTest::addColumn<QByteArray>("uninstall");
    QTest::addColumn<bool>("orphan");
    const int lm = int(pw::RegRoot::LocalMachine), cu = int(pw::RegRoot::CurrentUser);
    const uint v32 = pw::CFakeRegistry::View32, v64 = pw::CFakeRegistry::View64;
    const QByteArray gone = "\"C:\\Apps\\Tool\\uninst.exe\"";
    QTest::newRow("other view, uninstaller gone") << QByteArray("Tool") << lm << v32 << gone << true;
    QTest::newRow("per user, uninstaller gone") << QByteArray("Tool") << cu << v64 << gone << true;
    QTest::newRow("other view, its own uninstaller there")
        << QByteArray("Tool") << lm << v32 << QByteArray("\"C:\\Apps\\Tool (x86)\\uninst.exe\"") << false;
    QTest::newRow("uninstaller not named by a path") << QByteArray("Tool") << lm << v32 << QByteArray("MsiExec.exe /X{1234}")
                                                     << false;
    QTest::newRow("uninstaller on a drive that is not there")
        << QByteArray("Tool") << lm << v32 << QByteArray("\"D:\\Tool\\uninst.exe\"") << false;
    QTest::newRow("another name, uninstaller gone") << QByteArray("Tool Helper") << lm << v32 << gone << false;
    QTest::newRow("name in another case, uninstaller gone") << QByteArray("TOOL") << cu << v64 << gone << false;
}

void TestLeftoverCleaner::orphanedTwins()
{
    QFETCH(QByteArray, name);
    QFETCH(int, root);
    QFETCH(uint, view);
    QFETCH(QByteArray, uninstall);
    QFETCH(bool, orphan);
    // The program was registered twice; its uninstaller removed its own files and one entry.
    Machine m;
    m.fake.folders.SetDrive('D', (QFileInfo(m.root).path() + "/drive_d").toStdString()); // not there
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"", {{"InstallLocation", "C:\\Apps\\Tool"}});
    m.entry("Tool", name, uninstall, {{"InstallLocation", "C:\\Apps\\Tool"}}, pw::RegRoot(root), pw::CFakeRegistry::View(view));
    m.file("C:\\Apps\\Tool (x86)\\uninst.exe");
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    const QStringList files{"C:\\Apps\\Tool\\readme.txt", in(kRoaming, "Tool\\cfg.ini"), in(kStartMenu, "Tool\\Tool.lnk"),
                            in(kDesktop, "Tool.lnk")};
    for (const QString &f : files)
        m.file(f);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QVERIFY(!r.StillInstalled);
    QVERIFY(r.Failed.isEmpty());
    // An orphan goes with the program and claims nothing; another entry keeps its key, its
    // folder and what bears its name.
    QCOMPARE(m.hasEntry("Tool", pw::RegRoot(root), pw::CFakeRegistry::View(view)), !orphan);
    if (orphan)
        QVERIFY(log().contains("is an orphan of Tool: its uninstaller is gone"));
    for (const QString &f : files)
        QVERIFY2(m.exists(f) != orphan, qPrintable(f));
    QVERIFY(m.exists("C:\\Apps\\Tool (x86)\\uninst.exe"));
    QCOMPARE(m.fake.registry.OpenHandles(), 0);
}

void TestLeftoverCleaner::twinWhoseUninstallerCameBackStays()
{
    Machine m;
    using V = pw::CFakeRegistry;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"");
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool32\\uninst.exe\"", {}, pw::RegRoot::LocalMachine, V::View32);
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");

    CLeftoverCleaner cleaner;
    const CleanResult scan = cleaner.ScanLeftovers(tool);
    const QString key = QString::fromStdString(kUninstall) + "Tool";
    QCOMPARE(paths(scan.Found), QStringList({key + "|DisplayName", key + "|UninstallString", key}));
    // Installed again between the scan and the removal: another installation now.
    m.file("C:\\Apps\\Tool32\\uninst.exe");
    cleaner.RemoveLeftovers();
    QVERIFY(m.hasEntry("Tool", pw::RegRoot::LocalMachine, V::View32));
    QCOMPARE(cleaner.LastResult().Refused.size(), 3);
    QVERIFY(log().contains("the uninstaller of this entry is on disk again"));
}

void TestLeftoverCleaner::matchingIsBelowTheSearchedFolder_data()
{
    QTest::addColumn<QString>("driveBelow");
    QTest::addColumn<QString>("user");
    QTest::newRow("user named like the program") << "drive_c" << "Steam";
    QTest::newRow("prefix path holds the name") << "Steam/drive_c" << "Ann";
}

void TestLeftoverCleaner::matchingIsBelowTheSearchedFolder()
{
    QFETCH(QString, driveBelow);
    QFETCH(QString, user);
    Machine m(driveBelow, user);
    m.entry("Steam", "Steam", "C:\\Games\\Steam\\uninstall.exe", {{"InstallLocation", "C:\\Games\\Steam"}});
    const InstalledProgram steam = m.record("Steam");
    m.removeEntry("Steam");
    const QStringList survivors{in(m.roaming, "Other\\o.ini"), in(kDesktop, "Other.lnk"),
                                in(kStartMenu, "Other\\o.lnk")};
    for (const QString &f : survivors)
        m.file(f);
    m.file(in(m.roaming, "Steam\\s.ini"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(steam);
    QCOMPARE(paths(r.Found), QStringList({in(m.roaming, "Steam\\s.ini")}));
    for (const QString &f : survivors)
        QVERIFY2(m.exists(f), qPrintable(f));
}

void TestLeftoverCleaner::weakNamesDriveNoSearch_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("iconGroup");
    QTest::addColumn<QStringList>("survivors");
    QTest::newRow("short folder name") << QByteArray("C:\\Apps\\Zeta\\bin") << QByteArray("Zeta Program") << QByteArray()
                                       << QStringList{in(kRoaming, "bin\\b.dat"), in(kProgramData, "bin\\p.dat")};
    QTest::newRow("generic folder name") << QByteArray("C:\\Apps\\Zeta\\Temp") << QByteArray("Zeta Program")
                                         << QByteArray() << QStringList{in(kRoaming, "Temp\\t.dat")};
    QTest::newRow("short display name") << QByteArray("C:\\Apps\\Zeta") << QByteArray("Zed") << QByteArray()
                                        << QStringList{in(kDesktop, "Zed Other.lnk"), in(kStartMenu, "Zed\\z.lnk")};
    QTest::newRow("generic display name") << QByteArray("C:\\Apps\\Zeta") << QByteArray("Microsoft") << QByteArray()
                                          << QStringList{in(kDesktop, "Microsoft Edge.lnk"),
                                                         in(kStartMenu, "Microsoft\\Edge.lnk")};
    QTest::newRow("generic icon group") << QByteArray("C:\\Apps\\Zeta") << QByteArray("Zeta Program")
                                        << QByteArray("Vendor\\Tools") << QStringList{in(kStartMenu, "Tools\\t.lnk")};
}

void TestLeftoverCleaner::weakNamesDriveNoSearch()
{
    QFETCH(QByteArray, location);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, iconGroup);
    QFETCH(QStringList, survivors);
    Machine m;
    m.entry("Zeta", name, "C:\\Apps\\Zeta\\uninst.exe",
            {{"InstallLocation", location}, {"Inno Setup: Icon Group", iconGroup}});
    const InstalledProgram zeta = m.record("Zeta");
    m.removeEntry("Zeta");
    for (const QString &f : survivors)
        m.file(f);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(zeta);
    QVERIFY(r.Found.isEmpty());
    for (const QString &f : survivors)
        QVERIFY2(m.exists(f), qPrintable(f));
    QVERIFY(log().contains("too weak to identify a program"));
}

void TestLeftoverCleaner::weakNameList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("weak");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("blank") << "   " << true;
    QTest::newRow("three letters") << "App" << true;
    QTest::newRow("three letters padded") << "  App  " << true;
    QTest::newRow("four letters") << "Tool" << false;
    QTest::newRow("Program Files") << "Program Files" << true;
    QTest::newRow("Common Files in other case") << "common files" << true;
    QTest::newRow("vendor") << "MICROSOFT" << true;
    QTest::newRow("Windows") << "Windows" << true;
    QTest::newRow("Desktop") << "Desktop" << true;
    QTest::newRow("Programs") << "Programs" << true;
    QTest::newRow("Temp") << "Temp" << true;
    QTest::newRow("a program of a generic vendor") << "Microsoft Office" << false;
}

void TestLeftoverCleaner::weakNameList()
{
    QFETCH(QString, name);
    QFETCH(bool, weak);
    QCOMPARE(IsWeakName(name), weak);
}

void TestLeftoverCleaner::otherProgramsFolders_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("otherLocation");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("survivors");
    const QString pf = "C:\\Program Files\\Vendor";
    QTest::newRow("sibling beside it") << in(pf, "Tool") << in(pf, "Sibling") << QStringList{in(pf, "Tool")}
                                       << QStringList{in(pf, "Sibling\\s.exe")};
    QTest::newRow("another program inside its folder")
        << "C:\\Apps\\Tool" << "C:\\Apps\\Tool\\Addon" << QStringList{"C:\\Apps\\Tool\\bin\\a.dll"}
        << QStringList{"C:\\Apps\\Tool\\Addon\\x.dll"};
    QTest::newRow("its folder inside another program's")
        << "C:\\Apps\\Suite\\plugins\\Tool" << "C:\\Apps\\Suite" << QStringList{}
        << QStringList{"C:\\Apps\\Suite\\plugins\\Tool\\bin\\a.dll", "C:\\Apps\\Suite\\suite.exe"};
    QTest::newRow("same folder registered twice") << "C:\\Apps\\Tool" << "C:\\Apps\\Tool" << QStringList{}
                                                  << QStringList{"C:\\Apps\\Tool\\bin\\a.dll"};
    QTest::newRow("another program inside its roaming folder")
        << "C:\\Apps\\Tool" << in(kRoaming, "Tool\\Plugins\\Helper") << QStringList{in(kRoaming, "Tool\\cfg.ini")}
        << QStringList{in(kRoaming, "Tool\\Plugins\\Helper\\h.dll")};
    QTest::newRow("a shared place as install folder says nothing")
        << "C:\\Apps\\Tool" << "C:\\Program Files" << QStringList{"C:\\Apps\\Tool\\bin\\a.dll"} << QStringList{};
}

void TestLeftoverCleaner::otherProgramsFolders()
{
    QFETCH(QString, location);
    QFETCH(QString, otherLocation);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, survivors);
    Machine m;
    m.entry("Tool", "Tool", "C:\\x\\u.exe", {{"InstallLocation", location.toLocal8Bit()}});
    m.entry("Other", "Zeta Program", "C:\\x\\o.exe", {{"InstallLocation", otherLocation.toLocal8Bit()}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    for (const QString &f : removed)
        m.file(f.endsWith("Tool") ? in(f, "bin\\a.dll") : f);
    for (const QString &f : survivors)
        m.file(f);

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    for (const QString &f : removed)
        QVERIFY2(!m.exists(f), qPrintable(f));
    for (const QString &f : survivors)
        QVERIFY2(m.exists(f), qPrintable(f));
    QVERIFY(r.Failed.isEmpty());
}

void TestLeftoverCleaner::otherProgramsNamesAndEntries()
{
    Machine m;
    using V = pw::CFakeRegistry;
    m.entry("Java", "Java", "C:\\x\\u.exe", {{"InstallLocation", "C:\\Apps\\Java"}});
    m.entry("{26A24AE4}", "Java 8 Update 301", "MsiExec.exe /X{26A24AE4}", {{"InstallLocation", "C:\\Apps\\Java8"}});
    // The same key name in the other view and per user: other registrations.
    m.entry("Java", "Java (32-bit)", "C:\\x\\u32.exe", {}, pw::RegRoot::LocalMachine, V::View32);
    m.entry("Java", "Java (per user)", "C:\\x\\uu.exe", {}, pw::RegRoot::CurrentUser, V::View64);
    const InstalledProgram java = m.record("Java");
    // The uninstaller left a value behind, nothing else of its entry.
    {
        pw::RegKey key = 0;
        m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Java",
                                pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
        m.fake.registry.DeleteValue(key, "UninstallString");
        m.fake.registry.DeleteValue(key, "DisplayName");
        m.fake.registry.CloseKey(key);
    }
    for (const char *f : {"Java.lnk", "Java 8 Update 301.lnk"})
        m.file(in(kDesktop, f));
    for (const char *f : {"Java\\Java.lnk", "Java\\Java 8 Update 301\\Check.lnk"})
        m.file(in(kStartMenu, f));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(java);
    const QString key = QString::fromStdString(kUninstall) + "Java";
    // Once: the Start menu inside ProgramData is too deep for the data search.
    QCOMPARE(paths(r.Found), QStringList({in(kStartMenu, "Java\\Java.lnk"), in(kDesktop, "Java.lnk"),
                                          key + "|InstallLocation", key}));
    QVERIFY(!m.exists(in(kDesktop, "Java.lnk")));
    QVERIFY(m.exists(in(kDesktop, "Java 8 Update 301.lnk")));
    QVERIFY(m.exists(in(kStartMenu, "Java\\Java 8 Update 301\\Check.lnk")));
    QVERIFY(!m.hasEntry("Java"));
    QVERIFY(m.hasEntry("{26A24AE4}"));
    QVERIFY(m.hasEntry("Java", pw::RegRoot::LocalMachine, V::View32));
    QVERIFY(m.hasEntry("Java", pw::RegRoot::CurrentUser));
    QVERIFY(log().contains("named after Java 8 Update 301, which is still installed"));
}

void TestLeftoverCleaner::stillInstalledProgramIsNotCleaned_data()
{
    QTest::addColumn<QByteArray>("uninstall");
    QTest::addColumn<bool>("uninstallerThere");
    QTest::addColumn<bool>("installed");
    QTest::newRow("cancelled: entry and uninstaller there") << QByteArray("\"C:\\Apps\\Tool\\uninst.exe\" /S") << true
                                                            << true;
    QTest::newRow("entry left, uninstaller gone") << QByteArray("\"C:\\Apps\\Tool\\uninst.exe\" /S") << false << false;
    QTest::newRow("unquoted command, uninstaller gone") << QByteArray("C:\\Apps\\Tool\\uninst.exe /S") << false << false;
    QTest::newRow("uninstaller not named by a path") << QByteArray("MsiExec.exe /X{1234}") << false << true;
}

void TestLeftoverCleaner::stillInstalledProgramIsNotCleaned()
{
    QFETCH(QByteArray, uninstall);
    QFETCH(bool, uninstallerThere);
    QFETCH(bool, installed);
    Machine m;
    m.entry("Tool", "Tool", uninstall, {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    const QStringList files{"C:\\Apps\\Tool\\tool.exe", in(m.roaming, "Tool\\cfg.ini"), in(kDesktop, "Tool.lnk")};
    for (const QString &f : files)
        m.file(f);
    if (uninstallerThere)
        m.file("C:\\Apps\\Tool\\uninst.exe");
    m.muiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName");

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QCOMPARE(r.StillInstalled, installed);
    QCOMPARE(m.hasEntry("Tool"), installed);
    QCOMPARE(m.hasMuiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName"), installed);
    for (const QString &f : files)
        QCOMPARE(m.exists(f), installed);
    if (installed) {
        QVERIFY(r.Found.isEmpty() && r.Removed.isEmpty());
        QVERIFY(log().contains("Leftovers of Tool not cleaned: the program is still installed"));
    }
}

void TestLeftoverCleaner::linksAreRemovedNeverFollowed()
{
#ifndef Q_OS_UNIX
    QSKIP("QFile::link makes shortcuts here, not links");
#endif
    Machine m;
    const QString shared = "C:\\Shared";
    m.file(in(shared, "Data\\keep.txt"));
    m.file(in(shared, "file.txt"));
    m.entry("Tool", "Zeta Program", "C:\\x\\u.exe", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    QVERIFY(m.link(in(shared, "Data"), "C:\\Apps\\Tool\\data"));             // a folder item that is a link
    QVERIFY(m.link(in(shared, "file.txt"), "C:\\Apps\\Tool\\settings.ini")); // a file item that is a link
    QVERIFY(m.link(in(shared, "Data"), "C:\\Apps\\Tool\\bin\\lib"));         // a link inside a leftover folder
    m.file("C:\\Apps\\Tool\\bin\\tool.dll");
    QVERIFY(m.link(in(shared, "Data"), in(m.roaming, "Tool\\Cache")));        // never searched through
    QVERIFY(m.link("C:\\Nowhere", in(m.roaming, "Tool\\gone")));              // dangling
    QVERIFY(m.link(in(shared, "Data"), "C:\\Apps\\Linked"));

    const CleanResult r = CLeftoverCleaner().CleanLeftovers(tool);
    QCOMPARE(paths(r.Found), QStringList({"C:\\Apps\\Tool\\bin", "C:\\Apps\\Tool\\data", "C:\\Apps\\Tool\\settings.ini",
                                          in(m.roaming, "Tool\\gone"), in(m.roaming, "Tool\\Cache")}));
    QVERIFY(r.Failed.isEmpty());
    for (const QString &link : {QString("C:\\Apps\\Tool\\data"), QString("C:\\Apps\\Tool\\settings.ini"),
                                QString("C:\\Apps\\Tool\\bin"), in(m.roaming, "Tool")})
        QVERIFY2(!m.exists(link), qPrintable(link));
    QVERIFY(m.exists(in(shared, "Data\\keep.txt")));
    QVERIFY(m.exists(in(shared, "file.txt")));
    QCOMPARE(QFile::permissions(m.native(in(shared, "file.txt"))) & QFileDevice::WriteOwner, QFileDevice::WriteOwner);

    // An install folder reached through a link is not listed: it could be anything.
    m.entry("Linked", "Zeta Linked", "C:\\x\\u.exe", {{"InstallLocation", "C:\\Apps\\Linked"}});
    const InstalledProgram linked = m.record("Linked");
    m.removeEntry("Linked");
    const CleanResult l = CLeftoverCleaner().CleanLeftovers(linked);
    QVERIFY(l.Found.isEmpty());
    QVERIFY(m.exists(in(shared, "Data\\keep.txt")));
    QVERIFY(log().contains("Leftover folder kept (install folder: "));
}

void TestLeftoverCleaner::otherDriveLettersReachNoProtectedPlace()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux drive letters");
#endif
    // Wine gives the whole file system a drive letter (Z:), and any letter may lead to the
    // folder of another: an install path there must not reach drive C, its shared places, or
    // the user's home folder.
    Machine m;
    const QString top = QFileInfo(m.root).path();
    m.fake.folders.SetDrive('Y', top.toStdString());
    m.fake.folders.SetDrive('Z', "/");
    const QString home = top + "/home/ann";
    QDir().mkpath(home + "/Documents");
    QFile(home + "/Documents/d.txt").open(QIODevice::WriteOnly);
    QFile(home + "/notes.txt").open(QIODevice::WriteOnly);
    m.file("C:\\Program Files\\Other\\o.exe");
    m.file("C:\\Data\\d.txt");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.toLocal8Bit());
    const QString zHome = "Z:" + QString(home).replace('/', '\\');
    for (const QString &location : {zHome, zHome + "\\Documents", QString("Y:\\drive_c"),
                                    QString("Y:\\drive_c\\Program Files")}) {
        m.entry("Zeta", "Zeta Program", "C:\\x\\u.exe", {{"InstallLocation", location.toLocal8Bit()}});
        const InstalledProgram zeta = m.record("Zeta");
        m.removeEntry("Zeta");
        const CleanResult r = CLeftoverCleaner().CleanLeftovers(zeta);
        QVERIFY2(r.Found.isEmpty() && r.Refused.size() == 1, qPrintable(location));
    }
    qputenv("HOME", savedHome);
    QVERIFY(QFile::exists(home + "/Documents/d.txt"));
    QVERIFY(QFile::exists(home + "/notes.txt"));
    QVERIFY(m.exists("C:\\Program Files\\Other\\o.exe"));
    QVERIFY(m.exists("C:\\Data\\d.txt"));
}

QTEST_GUILESS_MAIN(TestLeftoverCleaner)
#include "tst_leftovercleaner.moc"
