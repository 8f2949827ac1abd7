// The inventory scan over the real registry of a machine on which real NSIS installers were
// installed: machine-wide in both views and per user.
#include "inventory/appenum.h"
#include "platform/default/defaultplatform.h"
#include "support/testmachine.h"

#include <QtTest>

#include <memory>

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

private:
    CTestMachine m_machine;
    Platform m_platform;
    InstalledProgramList m_programs;
};

QTEST_GUILESS_MAIN(TestWineAppEnum)
#include "tst_wineappenum.moc"
