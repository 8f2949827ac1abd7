// Removal that can be undone, on the small fake machine: leftovers go to the desktop's trash (in
// a temporary HOME), registry items to a .reg backup first, every item into the run's journal;
// items come back out of the trash, never over what is there now; the journal reader takes any
// text without harm.
#include "leftovers/leftovercleaner.h"
#include "leftovers/leftoverremover.h"
#include "leftovers/leftoverrestore.h"
#include "leftovers/removaljournal.h"
#include "leftovers/trash.h"
#include "libs/sharelog/sharelog.h"
#include "machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include <cstdio>

using namespace test;

namespace {

QString in(const QString &folder, const QString &rest)
{
    return folder + QLatin1Char('\\') + rest;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The .reg text as characters (UTF-16LE with BOM).
QString regText(const QString &path)
{
    const QByteArray data = readAll(path);
    if (data.size() < 2)
        return QString();
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData() + 2), (data.size() - 2) / 2);
}

const journal::Item *itemAt(const journal::Program &p, const QString &path)
{
    for (const journal::Item &item : p.items)
        if (item.path.compare(path, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

} // namespace

class TestRemovalJournal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void trashKeepsEverythingRestorable();
    void folderThatKeepsSomethingGoesEntryByEntry();
    void deleteModeLeavesTheTrashEmpty();
    void putBackNeverOverwrites();
    void restoreBringsEverythingBack();
    void restoreRefusesWhatNoRemovalTook_data();
    void restoreRefusesWhatNoRemovalTook();
    void restoreActsOnlyInTheProgramsPrefix();
    void removalKilledHalfWayCanBeRestored();
    void journalRoundTrip();
    void damagedJournals_data();
    void damagedJournals();

private:
    QTemporaryDir m_logDir;
};

namespace {

// Tool, installed in C:\Apps\Tool with a data folder, a MuiCache value and an entry its
// uninstaller left behind, removed to the trash with a journal in `journalFolder`.
QString RemoveTool(Machine &m, const QString &journalFolder, const QString &prefix = QString())
{
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"",
            {{"InstallLocation", "C:\\Apps\\Tool"}, {"Publisher", "Vexa"}, {"DisplayVersion", "2.0"}});
    const InstalledProgram tool = m.record("Tool");
    m.file("C:\\Apps\\Tool\\bin\\tool.dll", "dll bytes");
    m.file("C:\\Apps\\Tool\\readme.txt", "read me");
    m.file(in(m.roaming, "Tool\\cfg.ini"), "[a]\nb=1\n");
    m.muiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName");
    pw::RegKey key = 0;
    m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Tool",
                            pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
    m.fake.registry.DeleteValue(key, "UninstallString");
    m.fake.registry.CloseKey(key);
    auto journal = std::make_shared<CRunJournal>(journalFolder);
    CLeftoverCleaner cleaner;
    cleaner.SetRemoval({journal, RemovalMode::Trash, prefix});
    cleaner.CleanLeftovers(tool);
    return journal->File();
}

// Rewrites a journal file through `edit`.
void EditJournal(const QString &file, const std::function<void(journal::Run &)> &edit)
{
    journal::Run run = journal::Read(file);
    edit(run);
    QVERIFY(journal::Write(run));
}

} // namespace

void TestRemovalJournal::restoreBringsEverythingBack()
{
    Machine m;
    TemporaryHome home;
    QTemporaryDir journalDir;
    const QString file = RemoveTool(m, journalDir.path());
    QVERIFY(!m.hasEntry("Tool"));
    // Something new where the readme was: it stays.
    m.file("C:\\Apps\\Tool\\readme.txt", "the user's own");

    const RestoreResult r = RestoreProgram(file, 0, pw::CurrentPlatform(), QString());
    QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
    QVERIFY(r.entryBack);
    QCOMPARE(readAll(m.native("C:\\Apps\\Tool\\bin\\tool.dll")), QByteArray("dll bytes"));
    QCOMPARE(readAll(m.native(in(m.roaming, "Tool\\cfg.ini"))), QByteArray("[a]\nb=1\n"));
    QCOMPARE(readAll(m.native("C:\\Apps\\Tool\\readme.txt")), QByteArray("the user's own"));
    QVERIFY(m.hasEntry("Tool"));
    QVERIFY(m.fake.registry.HasValue(pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64, kUninstall + "Tool",
                                     "Publisher"));
    QVERIFY(m.hasMuiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName"));
    bool takenShown = false;
    for (const RestoredItem &item : r.items)
        if (item.item.path == "C:\\Apps\\Tool\\readme.txt")
            takenShown = item.outcome == RestoreOutcome::Taken;
    QVERIFY(takenShown);
    QCOMPARE(r.notRestored, 1);

    // The journal says so; a second restore finds everything back already.
    const journal::Program p = journal::Read(file).programs.value(0);
    QCOMPARE(itemAt(p, "C:\\Apps\\Tool\\bin")->restore, journal::Restore::Restored);
    QCOMPARE(itemAt(p, "C:\\Apps\\Tool\\readme.txt")->restore, journal::Restore::NotRestored);
    const RestoreResult again = RestoreProgram(file, 0, pw::CurrentPlatform(), QString());
    QCOMPARE(again.restored, 0);
    for (const RestoredItem &item : again.items)
        if (item.item.path == "C:\\Apps\\Tool\\bin")
            QCOMPARE(item.outcome, RestoreOutcome::AlreadyRestored);
}

void TestRemovalJournal::restoreRefusesWhatNoRemovalTook_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("a file's place changed") << "native";
    QTest::newRow("a registry item elsewhere") << "key";
    QTest::newRow("a key added to the backup") << "backup";
    QTest::newRow("an odd view flag") << "view";
}

void TestRemovalJournal::restoreRefusesWhatNoRemovalTook()
{
    QFETCH(QString, edit);
    Machine m;
    TemporaryHome home;
    QTemporaryDir journalDir;
    const QString file = RemoveTool(m, journalDir.path());
    const QString elsewhere = home.path() + "/elsewhere.dll";
    const std::string evil = "SOFTWARE\\Classes\\exefile\\shell\\open\\command";
    EditJournal(file, [&](journal::Run &run) {
        for (journal::Item &item : run.programs[0].items) {
            if (edit == "native" && item.path == "C:\\Apps\\Tool\\bin")
                item.native = elsewhere;
            if (edit == "key" && item.kind == LeftoverRegistry)
                item.path = QString::fromStdString(evil);
            if (edit == "view" && item.kind == LeftoverRegistry)
                item.view = 0x0300;
        }
    });
    if (edit == "backup") {
        const QString reg = journalDir.filePath(journal::Read(file).programs[0].regBackup);
        QByteArray data = readAll(reg);
        const QString extra = "\r\n[HKEY_LOCAL_MACHINE\\" + QString::fromStdString(evil) + "]\r\n@=\"evil.exe\"\r\n";
        for (const QChar c : extra) {
            data.append(char(c.unicode() & 0xff));
            data.append(char(c.unicode() >> 8));
        }
        QFile f(reg);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    const RestoreResult r = RestoreProgram(file, 0, pw::CurrentPlatform(), QString());
    QVERIFY(r.problem.isEmpty());
    bool refused = false;
    for (const RestoredItem &item : r.items)
        refused = refused || item.outcome == RestoreOutcome::Refused;
    QVERIFY(refused);
    QVERIFY(!QFile::exists(elsewhere));
    QVERIFY(!m.fake.registry.HasKey(pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64, evil));
    // The rest came back.
    QCOMPARE(readAll(m.native(in(m.roaming, "Tool\\cfg.ini"))), QByteArray("[a]\nb=1\n"));
}

void TestRemovalJournal::restoreActsOnlyInTheProgramsPrefix()
{
    Machine m;
    TemporaryHome home;
    QTemporaryDir journalDir;
    const QString prefix = QFileInfo(m.root).path();
    const QString file = RemoveTool(m, journalDir.path(), prefix);

    QTemporaryDir other;
    QDir(other.path()).mkpath("drive_c");
    RestoreResult r = RestoreProgram(file, 0, pw::CurrentPlatform(), other.path());
    QVERIFY(!r.problem.isEmpty());
    QCOMPARE(r.otherPrefix, QDir::cleanPath(prefix));
    QVERIFY(!m.exists("C:\\Apps\\Tool\\readme.txt"));

    EditJournal(file, [&](journal::Run &run) { run.programs[0].prefix = other.path() + "/gone"; });
    r = RestoreProgram(file, 0, pw::CurrentPlatform(), other.path() + "/gone");
    QVERIFY(r.problem.contains("no longer exists"));
    QVERIFY(r.otherPrefix.isEmpty());

    EditJournal(file, [&](journal::Run &run) { run.programs[0].prefix = prefix; });
    r = RestoreProgram(file, 0, pw::CurrentPlatform(), prefix);
    QVERIFY(r.problem.isEmpty());
    QCOMPARE(readAll(m.native("C:\\Apps\\Tool\\readme.txt")), QByteArray("read me"));
}

void TestRemovalJournal::initTestCase()
{
    QVERIFY(m_logDir.isValid());
    sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
}

void TestRemovalJournal::trashKeepsEverythingRestorable()
{
    Machine m;
    TemporaryHome home;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"",
            {{"InstallLocation", "C:\\Apps\\Tool"}, {"Publisher", "Vexa"}, {"DisplayVersion", "2.0"}});
    const InstalledProgram tool = m.record("Tool");
    const QList<QPair<QString, QByteArray>> files{{"C:\\Apps\\Tool\\bin\\tool.dll", "dll bytes"},
                                                  {"C:\\Apps\\Tool\\readme.txt", "read me"},
                                                  {in(m.roaming, "Tool\\cfg.ini"), "[a]\nb=1\n"}};
    for (const auto &f : files)
        m.file(f.first, f.second);
    m.muiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName");
    {
        // The uninstaller left its entry without its command.
        pw::RegKey key = 0;
        m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Tool",
                                pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
        m.fake.registry.DeleteValue(key, "UninstallString");
        m.fake.registry.CloseKey(key);
    }

    QTemporaryDir journalDir;
    auto journal = std::make_shared<CRunJournal>(journalDir.path());
    CLeftoverCleaner cleaner;
    cleaner.SetRemoval({journal, RemovalMode::Trash, QStringLiteral("/home/ann/.wine")});
    const CleanResult r = cleaner.CleanLeftovers(tool);
    QVERIFY(r.Failed.isEmpty());
    QVERIFY(!r.Trashed.isEmpty());
    QVERIFY(!m.hasEntry("Tool"));
    QVERIFY(!m.hasMuiCache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName"));
    for (const auto &f : files)
        QVERIFY2(!m.exists(f.first), qPrintable(f.first));

    // The journal on disk, private, names every item found.
    const journal::Run run = journal::Read(journal->File());
    QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem));
#ifdef Q_OS_UNIX
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFile::permissions(journal->File()) & others, QFileDevice::Permissions());
    QCOMPARE(QFile::permissions(journal->File()) & QFileDevice::ReadOwner, QFileDevice::ReadOwner);
#endif
    QCOMPARE(run.programs.size(), 1);
    const journal::Program &p = run.programs.first();
    QCOMPARE(p.name, QStringLiteral("Tool"));
    QCOMPARE(p.publisher, QStringLiteral("Vexa"));
    QCOMPARE(p.prefix, QStringLiteral("/home/ann/.wine"));
    QVERIFY(p.finished.isValid());
    for (const LeftoverItem &found : r.Found)
        QVERIFY2(itemAt(p, found.Path), qPrintable(found.Path));

    // Every file and folder lies in the home trash with its record.
    int trashed = 0;
    for (const journal::Item &item : p.items) {
        if (item.kind == LeftoverFile || item.kind == LeftoverFolder) {
            QCOMPARE(journal::StateName(item.state), QStringLiteral("trashed"));
#ifndef Q_OS_WIN
            QVERIFY2(item.trashPath.startsWith(home.trash() + "/files/"), qPrintable(item.trashPath));
            QVERIFY(QFile::exists(home.trash() + "/info/" + QFileInfo(item.trashPath).fileName() + ".trashinfo"));
#endif
            QCOMPARE(trash::CheckItem(item.trashPath, item.native), QString());
            ++trashed;
        } else {
            QCOMPARE(journal::StateName(item.state), QStringLiteral("deleted"));
        }
    }
    QVERIFY(trashed >= 2);

    // The registry items are in the backup, value data included.
    QVERIFY(!p.regBackup.isEmpty());
    const QString reg = regText(journalDir.filePath(p.regBackup));
    QVERIFY2(reg.contains("\\Uninstall\\Tool]"), qPrintable(reg));
    QVERIFY(reg.contains("\"Publisher\"=\"Vexa\""));
    QVERIFY(reg.contains("tool.exe.FriendlyAppName"));

    // Everything comes back byte for byte.
    for (const journal::Item &item : p.items) {
        if (item.state != journal::State::Trashed)
            continue;
        QString error;
        QCOMPARE(trash::PutBack(item.trashPath, item.native, &error), trash::PutBackResult::Done);
    }
    for (const auto &f : files)
        QCOMPARE(readAll(m.native(f.first)), f.second);
#ifndef Q_OS_WIN
    QVERIFY(QDir(home.trash() + "/info").entryList(QDir::Files).isEmpty());
#endif
}

void TestRemovalJournal::folderThatKeepsSomethingGoesEntryByEntry()
{
    Machine m;
    TemporaryHome home;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.removeEntry("Tool");
    m.file("C:\\Apps\\Tool\\Data\\a.txt", "a");
    m.file("C:\\Apps\\Tool\\Data\\Sub\\b.txt", "b");
    m.file("C:\\Apps\\Tool\\Data\\locked.txt", "locked");
    m.readOnly("C:\\Apps\\Tool\\Data\\locked.txt");

    QTemporaryDir journalDir;
    auto journal = std::make_shared<CRunJournal>(journalDir.path());
    CLeftoverCleaner cleaner;
    cleaner.SetRemoval({journal, RemovalMode::Trash, QString()});
    cleaner.CleanLeftovers(tool);

    // The read-only file stays with its folder; the rest went to the trash one by one.
    QVERIFY(m.exists("C:\\Apps\\Tool\\Data\\locked.txt"));
    QVERIFY(!m.exists("C:\\Apps\\Tool\\Data\\a.txt"));
    QVERIFY(!m.exists("C:\\Apps\\Tool\\Data\\Sub"));
    const journal::Program p = journal::Read(journal->File()).programs.value(0);
    const journal::Item *data = itemAt(p, "C:\\Apps\\Tool\\Data");
    QVERIFY(data);
    QCOMPARE(journal::StateName(data->state), QStringLiteral("partial"));
    for (const QString &entry : {QString("C:\\Apps\\Tool\\Data\\a.txt"), QString("C:\\Apps\\Tool\\Data\\Sub")}) {
        const journal::Item *item = itemAt(p, entry);
        QVERIFY2(item, qPrintable(entry));
        QCOMPARE(journal::StateName(item->state), QStringLiteral("trashed"));
        QVERIFY(QFile::exists(item->trashPath));
    }
    QVERIFY(QFile::exists(itemAt(p, "C:\\Apps\\Tool\\Data\\Sub")->trashPath + "/b.txt"));
}

void TestRemovalJournal::deleteModeLeavesTheTrashEmpty()
{
    Machine m;
    TemporaryHome home;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.file("C:\\Apps\\Tool\\readme.txt");
    m.file(in(m.roaming, "Tool\\cfg.ini"));
    {
        pw::RegKey key = 0;
        m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Tool",
                                pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
        m.fake.registry.DeleteValue(key, "UninstallString");
        m.fake.registry.CloseKey(key);
    }

    QTemporaryDir journalDir;
    auto journal = std::make_shared<CRunJournal>(journalDir.path());
    CLeftoverCleaner cleaner;
    cleaner.SetRemoval({journal, RemovalMode::Delete, QString()});
    const CleanResult r = cleaner.CleanLeftovers(tool);
    QVERIFY(!r.Removed.isEmpty());
    QVERIFY(r.Trashed.isEmpty());
    QVERIFY(!m.exists("C:\\Apps\\Tool\\readme.txt"));
    QVERIFY(!m.hasEntry("Tool"));
    QVERIFY(!QFileInfo::exists(home.trash()));

    // The journal is written all the same: nothing in it can come back.
    const journal::Program p = journal::Read(journal->File()).programs.value(0);
    QCOMPARE(p.mode, RemovalMode::Delete);
    QVERIFY(p.regBackup.isEmpty());
    QVERIFY(!p.items.isEmpty());
    for (const journal::Item &item : p.items)
        QCOMPARE(journal::StateName(item.state), QStringLiteral("deleted"));
}

void TestRemovalJournal::putBackNeverOverwrites()
{
    TemporaryHome home;
    const QString folder = home.path() + "/work";
    QDir().mkpath(folder);
    const QString original = folder + "/settings.ini";
    QFile f(original);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    const trash::MoveResult moved = trash::Move(original);
    QVERIFY2(moved.moved, qPrintable(moved.error));
#ifndef Q_OS_WIN
    QVERIFY2(moved.trashPath.startsWith(home.trash()), qPrintable(moved.trashPath));
#endif
    QCOMPARE(trash::Find(original), moved.trashPath);

    // Something new at the place: it stays, the trashed item too.
    QFile now(original);
    QVERIFY(now.open(QIODevice::WriteOnly));
    now.write("new");
    now.close();
    QString error;
    QCOMPARE(trash::PutBack(moved.trashPath, original, &error), trash::PutBackResult::Taken);
    QCOMPARE(readAll(original), QByteArray("new"));
    QVERIFY(QFile::exists(moved.trashPath));

    // Only an item of the trash, to the path its record names.
    QCOMPARE(trash::PutBack(original, folder + "/other.ini", &error), trash::PutBackResult::NotInTrash);
    QCOMPARE(trash::PutBack(moved.trashPath, folder + "/other.ini", &error), trash::PutBackResult::NotInTrash);
    QCOMPARE(trash::PutBack(home.trash() + "/files/../../../../work/settings.ini", folder + "/x.ini", &error),
             trash::PutBackResult::NotInTrash);
    QVERIFY(!QFile::exists(folder + "/other.ini"));

    QVERIFY(QFile::remove(original));
    QCOMPARE(trash::PutBack(moved.trashPath, original, &error), trash::PutBackResult::Done);
    QCOMPARE(readAll(original), QByteArray("old"));
    // A second time it is no longer there.
    QCOMPARE(trash::PutBack(moved.trashPath, original, &error), trash::PutBackResult::NotInTrash);
}

namespace {

// The removal that the test below kills: Tool's leftovers removed to the trash with a journal in
// the folder PW_REMOVAL_CHILD names; after the second item it prints its drive C and waits to be
// killed.
int RunRemovalChild()
{
    const QString journals = QString::fromLocal8Bit(qgetenv("PW_REMOVAL_CHILD"));
    auto *m = new Machine; // never destroyed: the process is killed
    m->tmp.setAutoRemove(false);
    SetLeftoverItemHook([m](int done) {
        if (done < 2)
            return;
        std::printf("%s\n", qPrintable(m->root));
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    });
    RemoveTool(*m, journals);
    return 1; // never reached
}

} // namespace

void TestRemovalJournal::removalKilledHalfWayCanBeRestored()
{
#ifndef Q_OS_UNIX
    QSKIP("kills the removal with SIGKILL");
#else
    TemporaryHome home;
    QTemporaryDir journals;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PW_REMOVAL_CHILD", journals.path());
    env.insert("HOME", home.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(60000));
    const QString childRoot = QString::fromLocal8Bit(child.readLine()).trimmed();
    child.kill(); // SIGKILL: no destructor, no last write
    QVERIFY(child.waitForFinished());
    QVERIFY(QFileInfo(childRoot).isDir());

    // The journal is whole: two items done and marked, the program not finished.
    const QStringList files = QDir(journals.path()).entryList({"*.json"});
    QCOMPARE(files.size(), 1);
    const QString file = journals.filePath(files.first());
    const journal::Run run = journal::Read(file);
    QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem));
    const journal::Program &p = run.programs.value(0);
    QVERIFY(!p.finished.isValid());
    QVector<journal::Item> inTrash;
    for (const journal::Item &item : p.items) {
        if (item.state == journal::State::Trashed) {
            QVERIFY(QFileInfo::exists(item.trashPath));
            inTrash.append(item);
        }
    }
    QCOMPARE(inTrash.size(), 2);

    // Restored on a machine whose drive C is the killed one's.
    pw::CFakePlatform fake;
    fake.folders.SetDrive('C', childRoot.toStdString());
    const RestoreResult r = RestoreProgram(file, 0, pw::CurrentPlatform(), QString());
    QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
    QCOMPARE(r.restored, 2);
    for (const journal::Item &item : inTrash)
        QVERIFY2(QFileInfo::exists(item.native), qPrintable(item.native));
    QDir(QFileInfo(childRoot).path()).removeRecursively();
#endif
}

void TestRemovalJournal::journalRoundTrip()
{
    QTemporaryDir dir;
    CRunJournal journal(dir.path());
    journal::Program program;
    program.name = QStringLiteral("Vexa Notes \u00e9\u4e2d");
    program.prefix = QStringLiteral("/home/ann/.wine");
    program.entryKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Notes");
    program.entryRoot = uint32_t(pw::RegRoot::LocalMachine);
    const int p = journal.AddProgram(program);
    journal::Item file;
    file.path = QStringLiteral("C:\\Apps\\Notes\\a.txt");
    file.native = QStringLiteral("/x/drive_c/Apps/Notes/a.txt");
    file.size = 12;
    const int i = journal.AddItem(p, file);
    // Recorded before it is touched.
    QCOMPARE(journal::Read(journal.File()).programs.value(0).items.value(0).state, journal::State::Pending);
    QVERIFY(journal::IsBeingWritten(journal.File()));
    journal.SetState(p, i, journal::State::Trashed, QString(), QStringLiteral("/t/files/a.txt"));
    journal::Item value;
    value.kind = LeftoverRegistry;
    value.path = program.entryKey;
    value.value = QStringLiteral("DisplayIcon");
    value.view = pw::kKeyWow64_32Key;
    journal.AddItem(p, value);
    journal.SetRegBackup(p, QFileInfo(journal.RegBackupFile(p)).fileName());
    journal.FinishProgram(p);

    const journal::Run read = journal::Read(journal.File());
    QVERIFY(read.problem.isEmpty());
    QCOMPARE(journal::ToJson(read), journal::ToJson(journal.Snapshot()));
    const journal::Program &rp = read.programs.first();
    QCOMPARE(rp.name, program.name);
    QCOMPARE(rp.items.size(), 2);
    QCOMPARE(rp.items[0].trashPath, QStringLiteral("/t/files/a.txt"));
    QCOMPARE(rp.items[0].size, qint64(12));
    QCOMPARE(rp.items[1].view, uint32_t(pw::kKeyWow64_32Key));
    QCOMPARE(journal::ReadAll(dir.path()).size(), 1);
}

void TestRemovalJournal::damagedJournals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("{\"format\":1,\"programs\":[");
    QTest::newRow("an array") << QByteArray("[1,2,3]");
    QTest::newRow("another format") << QByteArray("{\"format\":7,\"programs\":[]}");
    QTest::newRow("programs not a list") << QByteArray("{\"format\":1,\"programs\":{}}");
    QTest::newRow("program not an object") << QByteArray("{\"format\":1,\"programs\":[\"x\"]}");
    QTest::newRow("program without items") << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\"}]}");
    QTest::newRow("backup outside the folder")
        << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\",\"regBackup\":\"../../etc/x.reg\",\"items\":[]}]}");
    QTest::newRow("unknown kind")
        << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\",\"items\":[{\"kind\":\"disk\",\"path\":\"C:\\\\x\","
                      "\"state\":\"trashed\"}]}]}");
    QTest::newRow("root not a number")
        << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\",\"items\":[{\"kind\":\"registry\",\"path\":\"K\","
                      "\"root\":\"HKLM\",\"state\":\"deleted\"}]}]}");
    QTest::newRow("negative size")
        << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\",\"items\":[{\"kind\":\"file\",\"path\":\"C:\\\\x\","
                      "\"size\":-5,\"state\":\"trashed\"}]}]}");
    QTest::newRow("text with NUL")
        << QByteArray("{\"format\":1,\"programs\":[{\"name\":\"a\\u0000b\",\"items\":[]}]}");
    QTest::newRow("deep nesting") << QByteArray(5000, '[') + QByteArray(5000, ']');
}

void TestRemovalJournal::damagedJournals()
{
    QFETCH(QByteArray, text);
    const journal::Run run = journal::FromJson(text, QStringLiteral("x.json"));
    bool problem = !run.problem.isEmpty();
    for (const journal::Program &p : run.programs) {
        problem = problem || !p.problem.isEmpty();
        for (const journal::Item &item : p.items)
            problem = problem || !item.problem.isEmpty();
    }
    QVERIFY(problem);
    // What a damaged program names is never a backup outside the journal's folder.
    for (const journal::Program &p : run.programs)
        QVERIFY(!p.regBackup.contains('/'));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("PW_REMOVAL_CHILD"))
        return RunRemovalChild();
    TestRemovalJournal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_removaljournal.moc"
