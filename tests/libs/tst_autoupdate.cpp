// The updater decides what the user is told about new versions, so every way the service can
// fail must come back as a negative fetch, and versions must compare as numbers.
#include "libs/updatekit/autoupdate.h"
#include "libs/updatekit/httpfetch.h"
#include "libs/updatekit/versioninfo.h"
#include "localhttpserver.h"

#include <QTemporaryDir>
#include <QtTest>

#include <thread>

namespace {

constexpr unsigned kRunningMS = 0x00010002; // 1.2
constexpr unsigned kRunningLS = 0;          // .0.0

QByteArray infoFile(const QByteArray &latest, const QByteArray &description = "Fixes.")
{
    return "[VERSION]\r\nLatest=" + latest + "\r\nDescription=" + description + "\r\n";
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestAutoUpdate : public QObject {
    Q_OBJECT
private slots:
    void fetchAndCompare_data();
    void fetchAndCompare();
    void failuresAreNegative_data();
    void failuresAreNegative();
    void failedFetchForgetsEarlierAnswer();
    void fetchWorksOnANativeWorkerThread();
    void iniValuesAreReadRaw_data();
    void iniValuesAreReadRaw();
    void downloadReplacesFileOnlyOnSuccess();
};

void TestAutoUpdate::fetchAndCompare_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("isLatest");
    QTest::newRow("newer minor") << infoFile("1.3.0.0") << 0;
    QTest::newRow("newer revision") << infoFile("1.2.0.1") << 0;
    QTest::newRow("same version") << infoFile("1.2.0.0") << 1;
    QTest::newRow("older version") << infoFile("1.1.9.9") << 1;
    QTest::newRow("numeric not textual") << infoFile("1.10.0.0") << 0; // "1.10" sorts before "1.2" as text
    QTest::newRow("major wins over minor") << infoFile("0.99.0.0") << 1;
    QTest::newRow("largest parts") << infoFile("65535.65535.65535.65535") << 0;
    QTest::newRow("lower-case names, spaces, other sections")
        << QByteArray("[Other]\nLatest=9.9.9.9\n[version]\n latest = 2.0.0.0 \n") << 0;
}

void TestAutoUpdate::fetchAndCompare()
{
    QFETCH(QByteArray, body);
    QFETCH(int, isLatest);
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/update/info.ini"), body);
    IAutoUpdate *updater = GetAutoUpdateInstance();
    QVERIFY(updater);
    QVERIFY(updater->FetchVersionInfo(server.url(QStringLiteral("/update/info.ini")).toUtf8().constData(), 0) >= 0);
    QCOMPARE(updater->IsLatestVersion(kRunningMS, kRunningLS) != 0, isLatest != 0);
}

void TestAutoUpdate::failuresAreNegative_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("body"); // served at /info.ini
    QTest::addColumn<int>("status");
    const QString served = QStringLiteral("served");
    QTest::newRow("404") << served << QByteArray("[VERSION]\nLatest=9.0.0.0\n") << 404;
    QTest::newRow("500") << served << infoFile("9.0.0.0") << 500;
    QTest::newRow("refused connection")
        << QStringLiteral("http://127.0.0.1:%1/info.ini").arg(CLocalHttpServer::closedPort()) << QByteArray() << 200;
    QTest::newRow("not http") << QStringLiteral("ftp://127.0.0.1/info.ini") << QByteArray() << 200;
    QTest::newRow("not an address") << QStringLiteral("::no such thing::") << QByteArray() << 200;
    QTest::newRow("empty body") << served << QByteArray() << 200;
    QTest::newRow("html page") << served << QByteArray("<html><body>Moved</body></html>") << 200;
    QTest::newRow("no VERSION section") << served << QByteArray("[UPDATE]\nLatest=9.0.0.0\n") << 200;
    QTest::newRow("no Latest key") << served << QByteArray("[VERSION]\nDescription=x\n") << 200;
    QTest::newRow("three parts") << served << infoFile("1.3.0") << 200;
    QTest::newRow("five parts") << served << infoFile("1.3.0.0.0") << 200;
    QTest::newRow("letters") << served << infoFile("1.3.0.b") << 200;
    QTest::newRow("negative part") << served << infoFile("1.-3.0.0") << 200;
    QTest::newRow("part above 65535") << served << infoFile("1.65536.0.0") << 200;
    QTest::newRow("empty part") << served << infoFile("1..0.0") << 200;
    QTest::newRow("oversized body") << served << (infoFile("9.0.0.0") + QByteArray(updatekit::kMaxBodySize, ';')) << 200;
}

void TestAutoUpdate::failuresAreNegative()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/info.ini"), body, status);
    if (url == QLatin1String("served"))
        url = server.url(QStringLiteral("/info.ini"));
    QVERIFY(GetAutoUpdateInstance()->FetchVersionInfo(url.toUtf8().constData(), 0) < 0);
    QVERIFY(GetAutoUpdateInstance()->FetchVersionInfo(nullptr, 0) < 0);
}

void TestAutoUpdate::failedFetchForgetsEarlierAnswer()
{
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/info.ini"), infoFile("2.0.0.0"));
    const QByteArray url = server.url(QStringLiteral("/info.ini")).toUtf8();
    IAutoUpdate *updater = GetAutoUpdateInstance();
    QVERIFY(updater->FetchVersionInfo(url.constData(), 0) >= 0);
    QCOMPARE(updater->IsLatestVersion(kRunningMS, kRunningLS), 0);
    server.removeFile(QStringLiteral("/info.ini"));
    QVERIFY(updater->FetchVersionInfo(url.constData(), 0) < 0);
    QVERIFY(updater->IsLatestVersion(kRunningMS, kRunningLS) != 0);
}

void TestAutoUpdate::fetchWorksOnANativeWorkerThread()
{
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/info.ini"), infoFile("1.2.1.0"));
    const QByteArray url = server.url(QStringLiteral("/info.ini")).toUtf8();
    int fetched = -100, latest = -100;
    std::thread worker([&] {
        IAutoUpdate *updater = GetAutoUpdateInstance();
        fetched = updater->FetchVersionInfo(url.constData(), 0);
        latest = updater->IsLatestVersion(kRunningMS, kRunningLS);
    });
    worker.join();
    QVERIFY(fetched >= 0);
    QCOMPARE(latest, 0);
}

void TestAutoUpdate::iniValuesAreReadRaw_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    QTest::newRow("commas and backslashes kept")
        << QByteArray("[VERSION]\nDescription=Faster, safer\\smaller\n") << true << QStringLiteral("Faster, safer\\smaller");
    QTest::newRow("markup and quotes")
        << QByteArray("[VERSION]\r\nDescription=\"<b>New</b> <a href='x'>scan</a>\"\r\n") << true
        << QStringLiteral("<b>New</b> <a href='x'>scan</a>");
    QTest::newRow("utf-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[VERSION]\nDescription=Gr\xC3\xB6\xC3\x9F" "er\n") << true
        << QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "er");
    QTest::newRow("empty value") << QByteArray("[VERSION]\nDescription=\n") << true << QString();
    QTest::newRow("key of another section")
        << QByteArray("[OTHER]\nDescription=no\n[VERSION]\nLatest=1.0.0.0\n") << false << QString();
    QTest::newRow("commented out") << QByteArray("[VERSION]\n;Description=no\n") << false << QString();
}

void TestAutoUpdate::iniValuesAreReadRaw()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, found);
    QFETCH(QString, value);
    QString got = QStringLiteral("unchanged");
    QCOMPARE(updatekit::ReadIniValue(content, QStringLiteral("VERSION"), QStringLiteral("Description"), &got), found);
    if (found)
        QCOMPARE(got, value);
}

void TestAutoUpdate::downloadReplacesFileOnlyOnSuccess()
{
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/info.ini"), infoFile("1.3.0.0", "new"));
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Upgrade.ini"));

    QCOMPARE(DownloadToFile(server.url(QStringLiteral("/info.ini")).toUtf8().constData(), target), 0);
    QCOMPARE(readFile(target), infoFile("1.3.0.0", "new"));

    // A failed download keeps the earlier file as it was, untorn.
    server.setFile(QStringLiteral("/info.ini"), "gone", 404);
    QVERIFY(DownloadToFile(server.url(QStringLiteral("/info.ini")).toUtf8().constData(), target) < 0);
    QCOMPARE(readFile(target), infoFile("1.3.0.0", "new"));

    // A destination that cannot be written is a failure, not a success.
    server.setFile(QStringLiteral("/info.ini"), infoFile("1.4.0.0"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked.ini")));
    QVERIFY(DownloadToFile(server.url(QStringLiteral("/info.ini")).toUtf8().constData(),
                           dir.filePath(QStringLiteral("blocked.ini"))) < 0);
    QVERIFY(DownloadToFile(server.url(QStringLiteral("/info.ini")).toUtf8().constData(),
                           dir.filePath(QStringLiteral("missing/Upgrade.ini"))) < 0);
}

QTEST_GUILESS_MAIN(TestAutoUpdate)
#include "tst_autoupdate.moc"
