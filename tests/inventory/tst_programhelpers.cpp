// Size texts, icon paths, file titles and install times, as every list and dialog shows them.
#include "inventory/programhelpers.h"
#include "platform/fake/fakeplatform.h"

#include <QtTest>

class TestProgramHelpers : public QObject {
    Q_OBJECT
private slots:
    void formatSize_data();
    void formatSize();
    void iconFilePath_data();
    void iconFilePath();
    void fileTitle_data();
    void fileTitle();
    void creationTime();
    void iconFileIsMappedToTheDrive();
};

void TestProgramHelpers::formatSize_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint64(0) << "-";
    QTest::newRow("one byte") << quint64(1) << "0.00 KB";
    QTest::newRow("one and a half KB") << quint64(1536) << "1.50 KB";
    QTest::newRow("exactly 1 MiB stays KB") << quint64(1048576) << "1024.00 KB";
    QTest::newRow("just above 1 MiB") << quint64(1048577) << "1.00 MB";
    QTest::newRow("exactly 1 GiB stays MB") << quint64(1073741824) << "1024.00 MB";
    QTest::newRow("5 GiB") << quint64(5) * 1073741824 << "5.00 GB";
    QTest::newRow("rounds to nearest") << quint64(1024 * 1.005 + 1) << "1.01 KB";
    QTest::newRow("no TB step") << (quint64(1) << 50) << "1048576.00 GB";
    QTest::newRow("top bit set is huge, not negative") << (quint64(1) << 63) << "8589934592.00 GB";
    QTest::newRow("largest") << ~quint64(0) << "17179869184.00 GB";
}

void TestProgramHelpers::formatSize()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(FormatSize(bytes), text);
}

void TestProgramHelpers::iconFilePath_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain") << QByteArray("C:\\A\\b.ico") << QByteArray("C:\\A\\b.ico");
    QTest::newRow("quoted with index") << QByteArray("\"C:\\A\\b.exe\",-101") << QByteArray("C:\\A\\b.exe");
    QTest::newRow("unquoted with index") << QByteArray("C:\\A\\b.exe,0") << QByteArray("C:\\A\\b.exe");
    QTest::newRow("comma inside the path cuts there") << QByteArray("C:\\A,B\\b.exe") << QByteArray("C:\\A");
    QTest::newRow("quote in the middle ends the path") << QByteArray("C:\\A\\b.exe\" /x") << QByteArray("C:\\A\\b.exe");
    QTest::newRow("only quotes") << QByteArray("\"\"\"") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestProgramHelpers::iconFilePath()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, path);
    QCOMPARE(GetIconFilePath(value), path);
}

void TestProgramHelpers::fileTitle_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("title");
    QTest::newRow("uninstaller") << QByteArray("C:\\Dir\\unins000.exe") << QByteArray("unins000");
    QTest::newRow("five characters") << QByteArray("a.exe") << QByteArray("a");
    QTest::newRow("four characters") << QByteArray("x.ex") << QByteArray();
    QTest::newRow("trailing backslash") << QByteArray("C:\\Dir\\") << QByteArray();
    QTest::newRow("no dot, cut all the same") << QByteArray("C:\\uninstall") << QByteArray("unins");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestProgramHelpers::fileTitle()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, title);
    QCOMPARE(GetFileTitle(path), title);
}

void TestProgramHelpers::creationTime()
{
    QTemporaryDir drive;
    pw::CFakePlatform platform;
    platform.folders.SetDrive('C', drive.path().toStdString());
    QVERIFY(QDir(drive.path()).mkpath(QStringLiteral("Apps/Tool")));

    const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    QVERIFY(shape.match(GetCreationTime("C:\\Apps\\Tool")).hasMatch());
#ifndef Q_OS_WIN
    // A path that is already native (no drive letter) is used as it is. On Windows every native
    // path has a drive letter and is mapped like the others.
    QVERIFY(shape.match(GetCreationTime(drive.path().toLocal8Bit() + "/Apps")).hasMatch());
#endif
    QCOMPARE(GetCreationTime("C:\\Apps\\Missing"), QString());
    QCOMPARE(GetCreationTime("Q:\\Unknown\\Drive"), QString());
    QCOMPARE(GetCreationTime(""), QString());
}

void TestProgramHelpers::iconFileIsMappedToTheDrive()
{
    QTemporaryDir drive;
    pw::CFakePlatform platform;
    platform.folders.SetDrive('C', drive.path().toStdString());
    QCOMPARE(ProgramIconFile("\"C:\\Apps\\Tool\\tool.exe\",0"), drive.path() + QStringLiteral("/Apps/Tool/tool.exe"));
    QCOMPARE(ProgramIconFile(""), QString());
}

QTEST_GUILESS_MAIN(TestProgramHelpers)
#include "tst_programhelpers.moc"
