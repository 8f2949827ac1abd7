// Starting the Wine host in a prefix found on the machine, with the Wine its manager runs it
// with: a prefix whose Wine is missing is read-only and nothing is started in it until the user
// agrees; switching moves the host to the other prefix and its Wine (and wineserver). The
// prefix's architecture, read from its system.reg, chooses the host (64- or 32-bit) and the
// loader that runs it; a 32-bit prefix that cannot be served here says why.
#include "platform/wine/winehost.h"
#include "platform/wine/wineprefixes.h"
#include "prefixtree.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {

using prefixtree::makePrefix;
using prefixtree::write;

// A stand-in for a runner's wine: notes each start (prefix, wineserver, arguments) in `log` and
// ends at once, which the host reports as a failed start.
void makeRecordingWine(const QString &path, const QString &log)
{
    write(path, QStringLiteral("#!/bin/sh\necho \"$WINEPREFIX|$WINESERVER|$*\" >> '%1'\nexit 3\n").arg(log).toUtf8());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A stand-in loader: notes "<its own path>|<arguments>" in `log`, writes `says` to its standard
// error and ends at once, which the host reports as a failed start.
void makeLoggingLoader(const QString &path, const QString &log, const QByteArray &says = QByteArray())
{
    QByteArray script = "#!/bin/sh\necho \"$0|$*\" >> '" + QFile::encodeName(log) + "'\n";
    if (!says.isEmpty())
        script += "echo \"" + says + "\" >&2\n";
    write(path, script + "exit 1\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Sets PATH for the lifetime of the object.
class PathGuard {
public:
    explicit PathGuard(const QStringList &folders) : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folders.join(QLatin1Char(':'))) + ':' + m_saved);
    }
    ~PathGuard() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

QStringList readLog(const QString &log)
{
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestWinePrefixHost : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_home;
    QString m_log;
    CWineHost::Options m_base;

    WinePrefixInfo find(const QString &label)
    {
        for (const WinePrefixInfo &p : FindWinePrefixes(m_home))
            if (p.label == label)
                return p;
        return WinePrefixInfo();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_home = m_dir.path() + QStringLiteral("/home");
        m_log = m_dir.path() + QStringLiteral("/started.log");
        QFile::remove(m_log);
        const QString bottles = m_home + QStringLiteral("/.local/share/bottles");
        // One bottle whose runner is installed (with its own wineserver), one whose runner was
        // removed.
        makePrefix(bottles + QStringLiteral("/bottles/Games"));
        write(bottles + QStringLiteral("/bottles/Games/bottle.yml"), "Name: Games\nRunner: soda-7.0-9\n");
        makeRecordingWine(bottles + QStringLiteral("/runners/soda-7.0-9/bin/wine"), m_log);
        makeRecordingWine(bottles + QStringLiteral("/runners/soda-7.0-9/bin/wineserver"), m_log);
        QDir(bottles + QStringLiteral("/runners/caffe-7.10")).removeRecursively();
        makePrefix(bottles + QStringLiteral("/bottles/Old"));
        write(bottles + QStringLiteral("/bottles/Old/bottle.yml"), "Name: Old\nRunner: caffe-7.10\n");
        write(m_dir.path() + QStringLiteral("/purgewell-host.exe"), "MZ");
        m_base.hostExe = QFile::encodeName(m_dir.path() + QStringLiteral("/purgewell-host.exe")).toStdString();
    }

    // The prefix whose runner is gone is listed read-only; its host neither starts nor runs
    // wineboot, and says why, on a start and on a request alike.
    void missingWineIsReadOnlyAndNeverStarted()
    {
        const WinePrefixInfo old = find(QStringLiteral("Bottles: Old"));
        QVERIFY(!old.path.isEmpty());
        QVERIFY(!old.wineFound);
        QVERIFY(old.ReadOnly());
        QVERIFY(old.wine.endsWith(QStringLiteral("/runners/caffe-7.10/bin/wine")));
        QVERIFY(!QFileInfo::exists(old.wine));

        const CWineHost::Options options = HostOptionsFor(old, m_base);
        QVERIFY(options.readOnly);
        // Even a Wine put where the manager's was expected is not run without consent.
        makeRecordingWine(old.wine, m_log);
        CWineHost host(options);
        std::string error;
        QVERIFY(!host.Start(&error));
        QVERIFY2(QString::fromStdString(error).contains(QStringLiteral("read-only")), error.c_str());
        QVERIFY2(QString::fromStdString(error).contains(QFile::encodeName(old.path).constData()), error.c_str());
        QCOMPARE(host.LastError(), error);
        QVERIFY(!host.Restart(options, &error));
        QVERIFY(readLog(m_log).isEmpty());
        QVERIFY(!QFileInfo::exists(old.path + QStringLiteral("/user.reg")));
    }

    // A Wine path that does not exist (read-only flag lifted) is a clear error, not a hang.
    void missingWinePathIsAClearError()
    {
        CWineHost::Options options = HostOptionsFor(find(QStringLiteral("Bottles: Old")), m_base);
        options.readOnly = false;
        options.wine = QFile::encodeName(m_dir.path() + QStringLiteral("/nowhere/bin/wine")).toStdString();
        CWineHost host(options);
        std::string error;
        QVERIFY(!host.Start(&error));
        QVERIFY2(QString::fromStdString(error).contains(QStringLiteral("does not exist")), error.c_str());
    }

    // Switching at run time: from the read-only prefix to the one whose runner is there, the
    // host is started with that runner's wine and the wineserver beside it, in that prefix.
    void restartMovesToAnotherPrefixAndItsWine()
    {
        const WinePrefixInfo old = find(QStringLiteral("Bottles: Old"));
        const WinePrefixInfo games = find(QStringLiteral("Bottles: Games"));
        QVERIFY(games.wineFound);
        QVERIFY(!games.ReadOnly());
        CWineHost host(HostOptionsFor(old, m_base));
        std::string error;
        QVERIFY(!host.Start(&error));
        QVERIFY(readLog(m_log).isEmpty());

        host.Restart(HostOptionsFor(games, m_base), &error); // the stand-in wine ends at once
        QCOMPARE(host.GetOptions().prefix, QFile::encodeName(games.path).toStdString());
        const QStringList started = readLog(m_log);
        QVERIFY2(!started.isEmpty(), error.c_str());
        const QStringList fields = started.first().split(QLatin1Char('|'));
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields.at(0), games.path);
        QCOMPARE(fields.at(1), QFileInfo(games.wine).path() + QStringLiteral("/wineserver"));
        QVERIFY(fields.at(2).endsWith(QStringLiteral("purgewell-host.exe")));

        // And back to the read-only one: the old host is stopped, nothing new is started.
        const int before = readLog(m_log).size();
        QVERIFY(!host.Restart(HostOptionsFor(old, m_base), &error));
        QVERIFY(QString::fromStdString(error).contains(QStringLiteral("read-only")));
        QCOMPARE(readLog(m_log).size(), before);
    }

    // The architecture, read from system.reg's text as Wine's server reads it: the "#arch=" option
    // among the lines before the first key decides; a file without it, one that is no registry
    // file, or one naming an unknown architecture is taken for a 32-bit prefix, as Wine takes it.
    void archFromSystemReg_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("is32");
        const QByteArray head = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
        const QByteArray key = "\n[Software\\\\Classes] 1700000000\n#time=1d9a\n@=\"x\"\n";
        QTest::newRow("win64") << head + "#arch=win64\n" + key << false;
        QTest::newRow("win32") << head + "#arch=win32\n" + key << true;
        QTest::newRow("win64, Windows line ends, indented")
            << QByteArray("WINE REGISTRY Version 2\r\n\r\n  #arch=win64\r\n[Software] 1\r\n") << false;
        QTest::newRow("missing line (a prefix of an old Wine)") << head + key << true;
        QTest::newRow("missing line, only the header") << QByteArray("WINE REGISTRY Version 2\n") << true;
        QTest::newRow("after the first key it is that key's") << head + key + "#arch=win64\n" << true;
        QTest::newRow("damaged: unknown architecture") << head + "#arch=win128\n" + key << true;
        QTest::newRow("damaged: no registry header") << QByteArray("\x89PNG\r\n\x1a\n#arch=win64\n") << true;
        QTest::newRow("damaged: empty") << QByteArray() << true;
    }
    void archFromSystemReg()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, is32);
        QCOMPARE(WineArchFromSystemReg(text.toStdString()) == WineArch::Win32, is32);
    }

    // A prefix folder: its system.reg decides; without one (a prefix still to be made) it is 64-bit.
    void prefixArch()
    {
        QTemporaryDir dir;
        const QString prefix = dir.path() + QStringLiteral("/prefix");
        QCOMPARE(PrefixArch(QFile::encodeName(prefix).toStdString()), WineArch::Win64);
        makePrefix(prefix, "win32");
        QCOMPARE(PrefixArch(QFile::encodeName(prefix).toStdString()), WineArch::Win32);
        makePrefix(prefix, "win64");
        QCOMPARE(PrefixArch(QFile::encodeName(prefix).toStdString()), WineArch::Win64);
    }

    // Which host starts, with which loader: the system's Wine (wine and wine64 on PATH), a
    // manager's build with wine64 beside its wine, and a build whose wine serves both.
    void loaderAndHostChoice_data()
    {
        QTest::addColumn<QString>("wine");
        QTest::addColumn<QByteArray>("arch");
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QString>("host");
        QTest::newRow("system Wine, 64-bit prefix") << "system" << QByteArray("win64") << "/bin/wine64"
                                                    << "purgewell-host.exe";
        QTest::newRow("system Wine, 32-bit prefix") << "system" << QByteArray("win32") << "/bin/wine"
                                                    << "purgewell-host32.exe";
        QTest::newRow("build with wine64, 64-bit prefix") << "split build" << QByteArray("win64")
                                                          << "/runner/bin/wine64" << "purgewell-host.exe";
        QTest::newRow("build with wine64, 32-bit prefix") << "split build" << QByteArray("win32")
                                                          << "/runner/bin/wine" << "purgewell-host32.exe";
        QTest::newRow("build without wine64, 64-bit prefix") << "build" << QByteArray("win64") << "/runner/bin/wine"
                                                             << "purgewell-host.exe";
        QTest::newRow("build without wine64, 32-bit prefix") << "build" << QByteArray("win32") << "/runner/bin/wine"
                                                             << "purgewell-host32.exe";
    }
    void loaderAndHostChoice()
    {
        QFETCH(QString, wine);
        QFETCH(QByteArray, arch);
        QFETCH(QString, loader);
        QFETCH(QString, host);
        QTemporaryDir dir;
        const QString log = dir.path() + QStringLiteral("/started.log");
        CWineHost::Options options = hostsIn(dir.path());
        options.prefix = QFile::encodeName(dir.path() + QStringLiteral("/prefix")).toStdString();
        makePrefix(dir.path() + QStringLiteral("/prefix"), arch.constData());
        std::unique_ptr<PathGuard> path;
        if (wine == QLatin1String("system")) {
            makeLoggingLoader(dir.path() + QStringLiteral("/bin/wine"), log);
            makeLoggingLoader(dir.path() + QStringLiteral("/bin/wine64"), log);
            path = std::make_unique<PathGuard>(QStringList{dir.path() + QStringLiteral("/bin")});
            options.wine = "wine";
        } else {
            makeLoggingLoader(dir.path() + QStringLiteral("/runner/bin/wine"), log);
            if (wine == QLatin1String("split build"))
                makeLoggingLoader(dir.path() + QStringLiteral("/runner/bin/wine64"), log);
            options.wine = QFile::encodeName(dir.path() + QStringLiteral("/runner/bin/wine")).toStdString();
        }
        CWineHost wineHost(options);
        std::string error;
        QVERIFY(!wineHost.Start(&error)); // the stand-in ends at once
        const QStringList started = readLog(log);
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.first(), dir.path() + loader + QLatin1Char('|') + dir.path() + QLatin1Char('/') + host);
    }

    // The system's Wine whose 64-bit loader has no 32-bit one beside it: a "wine" on PATH that is
    // a program is the 32-bit loader; Debian's "wine", a script that would fall back to wine64,
    // means Wine's 32-bit half is missing.
    void wine32LoaderApartFromWine64_data()
    {
        QTest::addColumn<bool>("script");
        QTest::newRow("wine on PATH is a program") << false;
        QTest::newRow("wine on PATH is a script") << true;
    }
    void wine32LoaderApartFromWine64()
    {
        QFETCH(bool, script);
        QTemporaryDir dir;
        const QString wine = dir.path() + QStringLiteral("/bin/wine");
        if (script)
            makeLoggingLoader(wine, dir.path() + QStringLiteral("/log"));
        else
            QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/bin")) && QFile::copy(QStringLiteral("/bin/true"), wine));
        makeLoggingLoader(dir.path() + QStringLiteral("/lib/wine64"), dir.path() + QStringLiteral("/log"));
        PathGuard path({dir.path() + QStringLiteral("/bin"), dir.path() + QStringLiteral("/lib")});
        QCOMPARE(QString::fromStdString(Wine64Loader("wine")), dir.path() + QStringLiteral("/lib/wine64"));
        QCOMPARE(QString::fromStdString(Wine32Loader("wine")), script ? QString() : wine);
    }

    // A 32-bit prefix that cannot be served here: the message names the cause and the way out,
    // instead of Wine's "Bad EXE format".
    void unservable32BitPrefix_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<bool>("started");
        QTest::newRow("no 32-bit host") << "no host"
                                        << QStringList{"32-bit prefix", "purgewell-host32.exe was not found"} << false;
        QTest::newRow("system Wine without its 32-bit half")
            << "no wine32" << QStringList{"32-bit prefix", "32-bit half", "apt-get install wine32:i386"} << false;
        QTest::newRow("a 32-bit loader the system cannot execute")
            << "not executable" << QStringList{"32-bit prefix", "Exec format error", "ia32_emulation"} << false;
        QTest::newRow("a wine script whose 32-bit loader cannot execute")
            << "script cannot exec" << QStringList{"32-bit prefix", "Exec format error", "ia32_emulation"} << true;
        QTest::newRow("a 64-bit-only loader refuses the prefix")
            << "64-bit only" << QStringList{"32-bit prefix", "cannot run 32-bit programs", "wine32"} << true;
    }
    void unservable32BitPrefix()
    {
        QFETCH(QString, problem);
        QFETCH(QStringList, says);
        QFETCH(bool, started);
        QTemporaryDir dir;
        const QString log = dir.path() + QStringLiteral("/started.log");
        CWineHost::Options options = hostsIn(dir.path());
        options.prefix = QFile::encodeName(dir.path() + QStringLiteral("/prefix")).toStdString();
        makePrefix(dir.path() + QStringLiteral("/prefix"), "win32");
        const QString runner = dir.path() + QStringLiteral("/runner/bin/");
        options.wine = QFile::encodeName(runner + QStringLiteral("wine")).toStdString();
        makeLoggingLoader(runner + QStringLiteral("wine64"), log);
        std::unique_ptr<PathGuard> path;
        if (problem == QLatin1String("no host")) {
            makeLoggingLoader(runner + QStringLiteral("wine"), log);
            QVERIFY(QFile::remove(QString::fromStdString(options.hostExe32)));
        } else if (problem == QLatin1String("no wine32")) {
            // wine on PATH, and the 64-bit loader with no 32-bit one beside it.
            makeLoggingLoader(dir.path() + QStringLiteral("/bin/wine"), log);
            makeLoggingLoader(dir.path() + QStringLiteral("/lib/wine64"), log);
            path = std::make_unique<PathGuard>(
                QStringList{dir.path() + QStringLiteral("/bin"), dir.path() + QStringLiteral("/lib")});
            options.wine = "wine";
        } else if (problem == QLatin1String("not executable")) {
            // An i386 ELF header and nothing more: no system executes it.
            write(runner + QStringLiteral("wine"), QByteArray("\x7f" "ELF\x01\x01\x01", 7) + QByteArray(9, '\0'));
            QFile::setPermissions(runner + QStringLiteral("wine"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        } else if (problem == QLatin1String("script cannot exec")) {
            makeLoggingLoader(runner + QStringLiteral("wine"), log,
                              "/usr/bin/wine: 40: exec: /usr/lib/wine/wine: Exec format error");
        } else {
            makeLoggingLoader(runner + QStringLiteral("wine"), log,
                              "wine: '$WINEPREFIX' is a 32-bit installation, it cannot support 64-bit applications.");
        }
        CWineHost host(options);
        std::string error;
        QVERIFY(!host.Start(&error));
        const QString message = QString::fromStdString(error);
        for (const QString &part : says)
            QVERIFY2(message.contains(part), qPrintable(message));
        QVERIFY2(message.contains(dir.path() + QStringLiteral("/prefix")), qPrintable(message));
        QCOMPARE(host.LastError(), error);
        QCOMPARE(!readLog(log).isEmpty(), started);
    }

private:
    // Both hosts, as files, in `folder`.
    static CWineHost::Options hostsIn(const QString &folder)
    {
        CWineHost::Options options;
        write(folder + QStringLiteral("/purgewell-host.exe"), "MZ");
        write(folder + QStringLiteral("/purgewell-host32.exe"), "MZ");
        options.hostExe = QFile::encodeName(folder + QStringLiteral("/purgewell-host.exe")).toStdString();
        options.hostExe32 = QFile::encodeName(folder + QStringLiteral("/purgewell-host32.exe")).toStdString();
        return options;
    }
};

QTEST_GUILESS_MAIN(TestWinePrefixHost)
#include "tst_wineprefixhost.moc"
