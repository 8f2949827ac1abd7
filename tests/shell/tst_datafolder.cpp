// Where the program finds its data: beside itself (build folder, Windows package) or in the
// installed share/purgewell relative to bin/, whatever the current directory was.
#include "shell/configreader.h"
#include "shell/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void enterMakesItCurrent();
};

void TestDataFolder::find_data()
{
    // Folders below the temporary root that hold a "uiconfig"; the program's folder; the answer.
    QTest::addColumn<QStringList>("withData");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build folder") << QStringList{"build/bin"} << "build/bin" << "build/bin";
    QTest::newRow("installed") << QStringList{"usr/share/purgewell"} << "usr/bin" << "usr/share/purgewell";
    QTest::newRow("beside wins over installed") << QStringList{"usr/bin", "usr/share/purgewell"} << "usr/bin" << "usr/bin";
    QTest::newRow("nothing anywhere") << QStringList{} << "usr/bin" << "usr/bin";
    QTest::newRow("share folder without settings") << QStringList{} << "opt/bin" << "opt/bin";
}

void TestDataFolder::find()
{
    QFETCH(QStringList, withData);
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath(program);
    QDir(root.path()).mkpath(QStringLiteral("opt/share/purgewell/Resources")); // no uiconfig there
    for (const QString &folder : withData) {
        QVERIFY(QDir(root.path()).mkpath(folder));
        QFile file(root.filePath(folder + QStringLiteral("/uiconfig")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(FindDataFolder(root.filePath(program), QStringLiteral("../share/purgewell")), root.filePath(expected));
}

void TestDataFolder::enterMakesItCurrent()
{
    // The test program's own folder holds a "uiconfig" (written by the build): it is the data
    // folder, it becomes current, and the settings are read from it.
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QString error;
    const QString folder = EnterDataFolder(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(folder, QCoreApplication::applicationDirPath());
    QCOMPARE(QDir::currentPath(), folder);
    QCOMPARE(ProgramFolder(), folder);
    QVariant size;
    QVERIFY(ReadConfigValue(QStringLiteral("Main"), QStringLiteral("WinSize"), size));
    SetProgramFolder(QString());
}

QTEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
