// Mapping between Windows paths and the native paths of a prefix's drives, on a prefix folder
// laid out by the test (no Wine needed): names resolve ignoring case, as Wine resolves them,
// and no path leads above a drive's root.
#include "platform/wine/winefolders.h"

#include <QtTest>

using namespace pw;

class TestWineFolders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString prefix = m_dir.path() + QStringLiteral("/prefix");
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/drive_c/Program Files/Vendor App")));
        QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/data/Files")));
        QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
        QVERIFY(QFile::link(m_dir.path() + QStringLiteral("/data"), prefix + QStringLiteral("/dosdevices/d:")));
        QVERIFY(QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:")));
        CWineHost::Options options;
        options.prefix = prefix.toStdString();
        m_host = std::make_unique<CWineHost>(options);
        m_folders = std::make_unique<CWineFolders>(*m_host);
        m_driveC = QFileInfo(prefix + QStringLiteral("/drive_c")).canonicalFilePath();
    }

    void toNative_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("native"); // below the temporary folder; "" for none
        QTest::newRow("exact") << "C:\\Program Files\\Vendor App" << "/prefix/drive_c/Program Files/Vendor App";
        QTest::newRow("other case") << "c:\\PROGRAM FILES\\vendor app" << "/prefix/drive_c/Program Files/Vendor App";
        QTest::newRow("forward slashes") << "C:/program files/Vendor App" << "/prefix/drive_c/Program Files/Vendor App";
        QTest::newRow("trailing separator") << "C:\\Program Files\\" << "/prefix/drive_c/Program Files/";
        QTest::newRow("missing tail kept as given") << "C:\\program files\\New\\Sub" << "/prefix/drive_c/Program Files/New/Sub";
        QTest::newRow("drive root") << "C:\\" << "/prefix/drive_c/";
        QTest::newRow("dot dot stays on the drive") << "C:\\..\\..\\Program Files" << "/prefix/drive_c/Program Files";
        QTest::newRow("dot dot inside") << "C:\\Program Files\\..\\Windows" << "/prefix/drive_c/Windows";
        QTest::newRow("another drive") << "d:\\files\\x.txt" << "/data/Files/x.txt";
        QTest::newRow("unknown drive") << "Q:\\anything" << "";
        QTest::newRow("relative to a drive's folder") << "C:Program Files" << "";
        QTest::newRow("relative") << "Program Files\\App" << "";
        QTest::newRow("network share") << "\\\\server\\share\\x" << "";
        QTest::newRow("empty") << "" << "";
    }
    void toNative()
    {
        QFETCH(QString, windows);
        QFETCH(QString, native);
        const QString got = QString::fromStdString(m_folders->ToNativePath(windows.toStdString()));
        QCOMPARE(got, native.isEmpty() ? QString() : QFileInfo(m_dir.path()).canonicalFilePath() + native);
    }

    void rootDrive()
    {
        QCOMPARE(QString::fromStdString(m_folders->ToNativePath("Z:\\etc")), QStringLiteral("/etc"));
        QCOMPARE(QString::fromStdString(m_folders->ToNativePath("Z:\\")), QStringLiteral("/"));
    }

    void toWindows_data()
    {
        QTest::addColumn<QString>("native");
        QTest::addColumn<QString>("windows");
        QTest::newRow("inside C:, not Z:") << m_driveC + "/Program Files/Vendor App" << "C:\\Program Files\\Vendor App";
        QTest::newRow("drive root") << m_driveC << "C:\\";
        QTest::newRow("trailing separator") << m_driveC + "/Program Files/" << "C:\\Program Files\\";
        QTest::newRow("not yet there") << m_driveC + "/New/File.txt" << "C:\\New\\File.txt";
        QTest::newRow("outside every drive but /") << "/etc/hosts" << "Z:\\etc\\hosts";
        QTest::newRow("relative") << "drive_c/x" << "";
    }
    void toWindows()
    {
        QFETCH(QString, native);
        QFETCH(QString, windows);
        QCOMPARE(QString::fromStdString(m_folders->ToWindowsPath(native.toStdString())), windows);
    }

private:
    QTemporaryDir m_dir;
    QString m_driveC;
    std::unique_ptr<CWineHost> m_host;
    std::unique_ptr<CWineFolders> m_folders;
};

QTEST_GUILESS_MAIN(TestWineFolders)
#include "tst_winefolders.moc"
