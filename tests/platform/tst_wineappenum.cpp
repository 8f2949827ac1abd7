// The inventory scan over the real registry of a machine on which real NSIS installers were
// installed: machine-wide in both views and per user.
#include "inventory/appenum.h"
#include "platform/default/defaultplatform.h"
#include "support/testmachine.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace pw;

namespace {

QList<InstalledProgram> named(const InstalledProgramList &programs, const QString &name)
{
    QList<InstalledProgram> found;
    for (const InstalledProgram &p : programs)
        if (QString::fromLocal8Bit(p.DisplayName) == name)
            found.append(p);
    return found;
}

#ifndef Q_OS_WIN
// Processes other than this one that run in the prefix at `prefix`: the programs Wine started
// there (WINEPREFIX in their environment) and its wineserver (which works in a folder named
// after the prefix's device and inode).
QStringList processesIn(const QString &prefix)
{
    struct stat info {};
    if (::stat(QFile::encodeName(prefix).constData(), &info) != 0)
        return {QStringLiteral("(the prefix cannot be looked at)")};
    const QByteArray serverDir = "/server-" + QByteArray::number(qulonglong(info.st_dev), 16) + "-"
                                 + QByteArray::number(qulonglong(info.st_ino), 16);
    const QByteArray variable = "WINEPREFIX=" + QFile::encodeName(prefix);
    QStringList found;
    const QString self = QString::number(::getpid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (pid == self || pid.toInt() <= 0)
            continue;
        const QString cwd = QFile::symLinkTarget(QStringLiteral("/proc/") + pid + QStringLiteral("/cwd"));
        QFile environ(QStringLiteral("/proc/") + pid + QStringLiteral("/environ"));
        const QList<QByteArray> variables =
            environ.open(QIODevice::ReadOnly) ? environ.readAll().split('\0') : QList<QByteArray>();
        if (QFile::encodeName(cwd).endsWith(serverDir) || variables.contains(variable))
            found << pid + QLatin1Char(' ') + QFile::symLinkTarget(QStringLiteral("/proc/") + pid + QStringLiteral("/exe"));
    }
    return found;
}
#endif

} // namespace

class TestWineAppEnum : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        for (const char *installer : {SAMPLE_INSTALLER, SAMPLE32_INSTALLER, SAMPLEUSER_INSTALLER})
            QVERIFY2(m_machine.InstallSilently(QString::fromLocal8Bit(installer), &error), qPrintable(error));
        m_platform = m_machine.Backend();
        CAppEnum inventory(m_platform.registry, m_platform.system);
        QVERIFY(inventory.Is64BitSystem());
        inventory.EnumPrograms();
        m_programs = inventory.GetPrograms();
    }

    void listsInstalledPrograms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("version");
        QTest::addColumn<quint64>("size");
        QTest::addColumn<QString>("location");
        QTest::addColumn<uint32_t>("root");
        QTest::addColumn<uint32_t>("view");
        QTest::newRow("machine-wide, 64-bit view")
            << "Purgewell Sample" << "Norford Test Software" << "2.5.1" << quint64(1234 * 1024)
            << "C:\\Program Files\\Norford Test Software\\Purgewell Sample" << uint32_t(RegRoot::LocalMachine)
            << kKeyWow64_64Key;
        QTest::newRow("machine-wide, 32-bit view")
            << "Purgewell Sample 32" << "Norford Legacy" << "1.0" << quint64(77 * 1024)
            << "\\Norford Legacy\\Purgewell Sample 32" << uint32_t(RegRoot::LocalMachine) << kKeyWow64_32Key;
        QTest::newRow("per user")
            << "Purgewell User Sample" << "Norford Test Software" << "3.0" << quint64(5 * 1024)
            << "\\AppData\\Local\\Programs\\Purgewell User Sample" << uint32_t(RegRoot::CurrentUser) << 0u;
    }
    void listsInstalledPrograms()
    {
        QFETCH(QString, name);
        QFETCH(QString, publisher);
        QFETCH(QString, version);
        QFETCH(quint64, size);
        QFETCH(QString, location);
        QFETCH(uint32_t, root);
        QFETCH(uint32_t, view);
        const QList<InstalledProgram> found = named(m_programs, name);
        QCOMPARE(found.size(), 1); // listed once, in the root and view it was written to
        const InstalledProgram &p = found.first();
        QCOMPARE(QString::fromLocal8Bit(p.Publisher), publisher);
        QCOMPARE(QString::fromLocal8Bit(p.DisplayVersion), version);
        QCOMPARE(quint64(p.Size), size);
        const QString installed = QString::fromLocal8Bit(p.InstallLocation);
        QVERIFY2(installed.startsWith(QLatin1String("C:\\")) && installed.endsWith(location), qPrintable(installed));
        QCOMPARE(QString::fromLocal8Bit(p.UninstallString),
                 QLatin1Char('"') + installed + QStringLiteral("\\uninstall.exe\" /S"));
        QCOMPARE(QString::fromLocal8Bit(p.DisplayIcon), installed + QStringLiteral("\\uninstall.exe,0"));
        QCOMPARE(p.RegistryRoot, root);
        QCOMPARE(p.RegistryView, view);
        QCOMPARE(QString::fromLocal8Bit(p.SubKeyName), name);
        // The entry points at files that are really there.
        const QString native = QString::fromStdString(m_platform.folders->ToNativePath(p.InstallLocation));
        QVERIFY2(QFileInfo::exists(native + QStringLiteral("/uninstall.exe")), qPrintable(native));
    }

    // Without arguments the inventory uses the backend chosen at start-up: this machine (in the
    // Linux build the prefix named by WINEPREFIX).
    void defaultPlatform()
    {
        std::string error;
        QVERIFY2(SelectDefaultPlatform(&error), error.c_str());
        CAppEnum inventory;
        inventory.EnumPrograms();
        QCOMPARE(named(inventory.GetPrograms(), QStringLiteral("Purgewell Sample")).size(), 1);
        QCOMPARE(named(inventory.GetPrograms(), QStringLiteral("Purgewell User Sample")).size(), 1);
    }

#ifndef Q_OS_WIN
    // A prefix whose own Wine is missing is read from its registry files: the same programs with
    // the same fields as through the host, and no Wine program, host or wineserver is started.
    void readOnlyPrefixFromItsFiles()
    {
        CTestWinePrefix &prefix = m_machine.Prefix();
        prefix.StopServer(); // every host ends; the wineserver writes the registry to its files
        QVERIFY(processesIn(prefix.Path()).isEmpty());
        WinePrefixInfo info;
        info.path = prefix.Path();
        info.label = QStringLiteral("Bottles: gone");
        info.manager = PrefixManager::Bottles;
        info.wine = QDir::temp().filePath(QStringLiteral("purgewell-no-such-runner/bin/wine"));
        info.wineName = QStringLiteral("no-such-runner");
        info.wineFound = false;
        QVERIFY(info.ReadOnly());
        std::string error;
        QVERIFY2(SwitchDefaultPrefix(info, false, &error), error.c_str());
        QVERIFY(DefaultPrefixIsReadOnly());

        CAppEnum inventory; // the current backend: the files
        QVERIFY(inventory.Is64BitSystem());
        inventory.EnumPrograms();
        const InstalledProgramList offline = inventory.GetPrograms();
        QCOMPARE(offline.size(), m_programs.size());
        for (int i = 0; i < offline.size(); ++i) {
            QCOMPARE(QByteArray(offline[i].DisplayName), QByteArray(m_programs[i].DisplayName));
            QVERIFY2(std::memcmp(&offline[i], &m_programs[i], sizeof(InstalledProgram)) == 0,
                     offline[i].DisplayName); // every field, byte for byte
        }
        // Details: the special folders and the files the entries name are found without the host.
        Platform &platform = CurrentPlatform();
        std::string appData;
        QCOMPARE(platform.folders->SpecialFolder(kCsidlAppData, &appData), kErrorSuccess);
        QVERIFY2(QFileInfo(QString::fromStdString(platform.folders->ToNativePath(appData))).isDir(), appData.c_str());
        for (const InstalledProgram &p : offline) {
            const QString native = QString::fromStdString(platform.folders->ToNativePath(p.InstallLocation));
            QVERIFY2(QFileInfo::exists(native + QStringLiteral("/uninstall.exe")), qPrintable(native));
        }
        // Nothing runs there, and nothing can be started there.
        QVERIFY(processesIn(prefix.Path()).isEmpty());
        const IProcessRunner::Result run = platform.processes->Run("C:\\windows\\notepad.exe", 0, true, nullptr);
        QVERIFY(run.startError != kErrorSuccess);
        QCOMPARE(processesIn(prefix.Path()), QStringList());
    }
#endif

private:
    CTestMachine m_machine;
    Platform m_platform;
    InstalledProgramList m_programs;
};

QTEST_GUILESS_MAIN(TestWineAppEnum)
#include "tst_wineappenum.moc"
