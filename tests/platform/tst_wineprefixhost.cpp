// Starting the Wine host in a prefix found on the machine, with the Wine its manager runs it
// with: a prefix whose Wine is missing is read-only and nothing is started in it until the user
// agrees; switching moves the host to the other prefix and its Wine (and wineserver).
#include "platform/wine/winehost.h"
#include "platform/wine/wineprefixes.h"
#include "prefixtree.h"

#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestWinePrefixHost)
#include "tst_wineprefixhost.moc"
