// Windows Installer products uninstalled for real: packages built with wixl, installed with
// msiexec /qn, then removed by the uninstall worker with auto-remove on the test machine's
// backend. Their entries store "MsiExec.exe /I{...}" and no InstallLocation, as Windows Installer
// writes them; the programs wrote files of their own into their folders while they were used.
// Another product of the same vendor, in the same vendor folder, stays whole.
#include "inventory/appenum.h"
#include "leftovers/folderlister.h"
#include "leftovers/uninstallworker.h"
#include "libs/sharelog/sharelog.h"
#include "support/testmachine.h"

#include <QtTest>

using namespace pw;

namespace {

const QByteArray kLedger = LEDGER_CODE;
const QByteArray kSync = SYNC_CODE;
const QByteArray kScanner = SCANNER_CODE;
const QString kSyncFolder = QStringLiteral("C:\\Program Files\\Vexa\\Ledger Sync");

// A build machine's path as a Windows path: Wine's drive Z: is the root of the Linux file system.
QString windowsPath(QString path)
{
    if (path.startsWith(QLatin1Char('/')))
        path.prepend(QStringLiteral("Z:"));
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// Windows Installer's key of a product: the code's hexadecimal digits, each group reversed, the
// last two groups pair by pair.
QByteArray packed(const QByteArray &code)
{
    const QByteArray hex = QByteArray(code).replace("-", "").mid(1, 32);
    QByteArray out;
    for (const auto &group : {qMakePair(0, 8), qMakePair(8, 4), qMakePair(12, 4)})
        for (int i = group.first + group.second - 1; i >= group.first; --i)
            out += hex.at(i);
    for (int i = 16; i < 32; i += 2)
        out += QByteArray() + hex.at(i + 1) + hex.at(i);
    return out;
}

} // namespace

class TestWindowsInstallerWine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        for (const char *package : {LEDGER_PACKAGE, SYNC_PACKAGE, SCANNER_PACKAGE}) {
            QString output;
            const int code = m_machine.Run(QStringLiteral("msiexec"),
                                           {QStringLiteral("/i"), windowsPath(QString::fromLocal8Bit(package)),
                                            QStringLiteral("/qn")},
                                           &output);
            QVERIFY2(code == 0, qPrintable(QStringLiteral("msiexec /i %1: %2 %3").arg(package).arg(code).arg(output)));
        }
        m_platform = m_machine.Backend();
    }

    // What the inventory and Windows Installer tell about the installed products.
    void productsAreKnown_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<uint32_t>("view");
        QTest::addColumn<QString>("folder");
        QTest::newRow("64-bit") << kLedger << kKeyWow64_64Key << QStringLiteral("C:\\Program Files\\Vexa\\Ledger");
        QTest::newRow("32-bit") << kScanner << kKeyWow64_32Key
                                << QStringLiteral("C:\\Program Files (x86)\\Vexa\\Scanner");
    }
    void productsAreKnown()
    {
        QFETCH(QByteArray, code);
        QFETCH(uint32_t, view);
        QFETCH(QString, folder);
        const InstalledProgram p = find(code);
        QCOMPARE(QByteArray(p.SubKeyName), code);
        QCOMPARE(p.RegistryView, view);
        QCOMPARE(QByteArray(p.UninstallString), "MsiExec.exe /I" + code);
        QCOMPARE(QByteArray(p.InstallLocation), QByteArray());
        QCOMPARE(UninstallCommandFor(p), "MsiExec.exe /X" + code);

        std::string answer;
        QCOMPARE(m_platform.installer->ProductFolder(code.toStdString(), &answer), kErrorSuccess);
        QCOMPARE(QString::fromStdString(answer).toLower(), folder.toLower());
        QCOMPARE(m_platform.installer->ProductFolder("{00000000-0000-0000-0000-000000000000}", &answer),
                 kErrorUnknownProduct);
        QVERIFY(answer.empty());
    }

    void uninstallRemovesTheProductAndWhatItWrote_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("vendorFolder");
        QTest::addColumn<bool>("vendorFolderGone");
        // Ledger Sync stays in the first vendor folder. Nothing else is in the second, but it is
        // named like the vendor of a program still installed (Ledger Sync), so it stays, empty.
        QTest::newRow("64-bit") << kLedger << QStringLiteral("C:\\Program Files\\Vexa\\Ledger")
                                << QStringLiteral("C:\\Program Files\\Vexa") << false;
        QTest::newRow("32-bit") << kScanner << QStringLiteral("C:\\Program Files (x86)\\Vexa\\Scanner")
                                << QStringLiteral("C:\\Program Files (x86)\\Vexa") << false;
    }
    void uninstallRemovesTheProductAndWhatItWrote()
    {
        QFETCH(QByteArray, code);
        QFETCH(QString, folder);
        QFETCH(QString, vendorFolder);
        QFETCH(bool, vendorFolderGone);

        const QStringList installed{folder + QStringLiteral("\\app.exe"), folder + QStringLiteral("\\readme.txt"),
                                    folder + QStringLiteral("\\data\\defaults.ini")};
        // What the program writes while it is used, as a program would: a log, its settings,
        // a file beside Windows Installer's own.
        const QStringList written{folder + QStringLiteral("\\logs\\run.log"), folder + QStringLiteral("\\settings.ini"),
                                  folder + QStringLiteral("\\data\\user.ini")};
        for (const QString &f : installed)
            QVERIFY2(exists(f), qPrintable(f));
        for (const QString &f : written)
            QVERIFY2(write(f), qPrintable(f));
        QVERIFY(registered(code));

        auto job = std::make_shared<UninstallJob>();
        job->program = find(code);
        job->autoRemove = true;
        QList<UninstallEvent> events;
        UninstallWorker(job, m_platform, [&](UninstallEvent e) { events.append(e); });
        QCOMPARE(events, (QList<UninstallEvent>{UninstallEvent::DeepCleanStarted, UninstallEvent::Done}));
        QCOMPARE(job->outcome.load(), int(UninstallJob::Removed));

        // The entry and Windows Installer's record of the product are gone ...
        QCOMPARE(find(code).SubKeyName[0], '\0');
        QVERIFY(!registered(code));
        std::string answer;
        QCOMPARE(m_platform.installer->ProductFolder(code.toStdString(), &answer), kErrorUnknownProduct);
        // ... and so is every file: those it installed and those it wrote, and its folder.
        for (const QString &f : installed + written)
            QVERIFY2(!exists(f), qPrintable(f));
        QVERIFY(!exists(folder));
        QCOMPARE(!exists(vendorFolder), vendorFolderGone);

        // The other product of the vendor is whole and still installed.
        for (const QString &f : {QStringLiteral("\\app.exe"), QStringLiteral("\\readme.txt"),
                                 QStringLiteral("\\data\\defaults.ini")})
            QVERIFY2(exists(kSyncFolder + f), qPrintable(f));
        QCOMPARE(QByteArray(find(kSync).SubKeyName), kSync);
        QVERIFY(registered(kSync));
        QCOMPARE(m_platform.installer->ProductFolder(kSync.toStdString(), &answer), kErrorSuccess);
    }

private:
    InstalledProgram find(const QByteArray &code)
    {
        CAppEnum inventory(m_platform.registry, m_platform.system);
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.ProductCode) == code)
                return p;
        return InstalledProgram();
    }
    // Whether Windows Installer has the product on its books.
    bool registered(const QByteArray &code)
    {
        RegKey key = 0;
        const std::string path = "Software\\Classes\\Installer\\Products\\" + packed(code).toStdString();
        const WinError e = m_platform.registry->OpenKey(RootKey(RegRoot::LocalMachine), path,
                                                       kKeyRead | kKeyWow64_64Key, &key);
        if (e == kErrorSuccess)
            m_platform.registry->CloseKey(key);
        return e == kErrorSuccess;
    }
    QString native(const QString &windowsPath)
    {
        return QString::fromStdString(m_platform.folders->ToNativePath(windowsPath.toStdString()));
    }
    bool exists(const QString &windowsPath)
    {
        const QString n = native(windowsPath);
        bool found = false;
        PathType(n, &found);
        return !n.isEmpty() && found;
    }
    bool write(const QString &windowsPath)
    {
        const QString n = native(windowsPath);
        QDir().mkpath(QFileInfo(n).absolutePath());
        QFile f(n);
        return f.open(QIODevice::WriteOnly) && f.write("used\r\n") > 0;
    }

    QTemporaryDir m_logDir;
    CTestMachine m_machine;
    Platform m_platform;
};

QTEST_GUILESS_MAIN(TestWindowsInstallerWine)
#include "tst_windowsinstallerwine.moc"
