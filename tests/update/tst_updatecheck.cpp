// The outcome of an update check, computed off the GUI thread: which text, which flags, and
// what "Upgrade.ini" in the program folder ends up holding.
#include "libs/updatekit/autoupdate.h"
#include "readonlyfolder.h"
#include "tests/libs/localhttpserver.h"
#include "update/updatecheck.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kInfoPath = QStringLiteral("/update/purgewell.ini");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
private slots:
    void runningVersionIsOneTwo();
    void outcomes_data();
    void outcomes();
    void unwritableProgramFolderNeverShowsAStaleDescription_data();
    void unwritableProgramFolderNeverShowsAStaleDescription();
    void noUpdaterGivesAnEmptyResult();
};

void TestUpdateCheck::runningVersionIsOneTwo()
{
    QCOMPARE(kRunningVersionMS, 65538u);
    QCOMPARE(kRunningVersionLS, 0u);
}

void TestUpdateCheck::outcomes_data()
{
    QTest::addColumn<QByteArray>("served"); // empty: nothing listens
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("times"); // how many requests the file answers before 404
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("failed");
    QTest::addColumn<int>("newVersion");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("description");

    const QByteArray newer = "[VERSION]\nLatest=1.3.0.0\nDescription=<b>Faster</b> scans, fewer leftovers\n";
    QTest::newRow("newer with description")
        << newer << 200 << -1 << NewVersionText() << 0 << 1 << true << QStringLiteral("<b>Faster</b> scans, fewer leftovers");
    QTest::newRow("newer without description")
        << QByteArray("[VERSION]\nLatest=1.2.0.7\n") << 200 << -1 << NewVersionText() << 0 << 1 << true << QString();
    QTest::newRow("newer but Upgrade.ini unavailable")
        << newer << 200 << 1 << NewVersionText() << 0 << 1 << false << QString();
    QTest::newRow("running version is the latest")
        << QByteArray("[VERSION]\nLatest=1.2.0.0\nDescription=x\n") << 200 << -1 << UpToDateText() << 0 << 0 << false << QString();
    QTest::newRow("404") << newer << 404 << -1 << FetchFailedText() << 1 << 0 << false << QString();
    QTest::newRow("refused connection") << QByteArray() << 200 << -1 << FetchFailedText() << 1 << 0 << false << QString();
    QTest::newRow("malformed information")
        << QByteArray("[VERSION]\nLatest=next\n") << 200 << -1 << FetchFailedText() << 1 << 0 << false << QString();
}

void TestUpdateCheck::outcomes()
{
    QFETCH(QByteArray, served);
    QFETCH(int, status);
    QFETCH(int, times);
    QFETCH(QString, text);
    QFETCH(int, failed);
    QFETCH(int, newVersion);
    QFETCH(bool, available);
    QFETCH(QString, description);

    CLocalHttpServer server;
    server.setFile(kInfoPath, served, status, times);
    const QString url = served.isEmpty()
        ? QStringLiteral("http://127.0.0.1:%1%2").arg(CLocalHttpServer::closedPort()).arg(kInfoPath)
        : server.url(kInfoPath);
    QTemporaryDir folder;
    const UpdateCheckResult r = RunUpdateCheck(GetAutoUpdateInstance(), url, folder.path());
    QCOMPARE(r.text, text);
    QCOMPARE(r.failed, failed);
    QCOMPARE(r.newVersion, newVersion);
    QCOMPARE(r.upgrade.available, available);
    QCOMPARE(r.upgrade.description, description);
    // The file stays in the program folder exactly when it was downloaded.
    QCOMPARE(QFileInfo::exists(folder.filePath(QStringLiteral("Upgrade.ini"))), available);
    if (available)
        QCOMPARE(readFile(folder.filePath(QStringLiteral("Upgrade.ini"))), served);
}

void TestUpdateCheck::unwritableProgramFolderNeverShowsAStaleDescription_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("read-only program folder") << true;
    QTest::newRow("Upgrade.ini is not a file") << false;
}

void TestUpdateCheck::unwritableProgramFolderNeverShowsAStaleDescription()
{
    QFETCH(bool, readOnlyFolder);
    CLocalHttpServer server;
    server.setFile(kInfoPath, "[VERSION]\nLatest=1.4.0.0\nDescription=New\n");
    QTemporaryDir folder;
    const QString upgrade = folder.filePath(QStringLiteral("Upgrade.ini"));
    const QByteArray stale = "[VERSION]\nLatest=1.3.0.0\nDescription=Stale from an earlier run\n";

    UpdateCheckResult r;
    if (readOnlyFolder) {
        writeFile(upgrade, stale);
        QFile::setPermissions(upgrade, QFile::ReadOwner);
        CReadOnlyFolder guard(folder.path());
        if (!guard.isReadOnly())
            QSKIP("this system lets the test write into a read-only folder");
        r = RunUpdateCheck(GetAutoUpdateInstance(), server.url(kInfoPath), folder.path());
    } else {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Upgrade.ini")));
        r = RunUpdateCheck(GetAutoUpdateInstance(), server.url(kInfoPath), folder.path());
    }
    QCOMPARE(r.newVersion, 1);
    QCOMPARE(r.failed, 0);
    QVERIFY(!r.upgrade.available);
    QVERIFY(r.upgrade.description.isEmpty());
    if (readOnlyFolder)
        QCOMPARE(readFile(upgrade), stale);
}

void TestUpdateCheck::noUpdaterGivesAnEmptyResult()
{
    const UpdateCheckResult r = RunUpdateCheck(nullptr, QStringLiteral("http://127.0.0.1:1/x"), QDir::tempPath());
    QVERIFY(r.text.isEmpty());
    QCOMPARE(r.failed, 0);
    QCOMPARE(r.newVersion, 0);
    QVERIFY(!r.upgrade.available);
}

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
