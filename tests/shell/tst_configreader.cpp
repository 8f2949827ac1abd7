// Settings: "userconfig" overrides "uiconfig" key by key, nothing has a default.
#include "shell/configreader.h"

#include <QDir>
#include <QtTest>

class TestConfigReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lookUp_data();
    void lookUp();
    void programFolderIsTheExecutablesFolder();

private:
    QTemporaryDir m_dir;
};

void TestConfigReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    auto write = [&](const char *name, const QByteArray &text) {
        QFile f(m_dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("uiconfig", "[Main]\nWinSize=@Size(960 640)\n[URL]\nID_LINK_HELP=https://installed/help\n"
                      "ID_LINK_SUPPORT=https://installed/support\n");
    write("userconfig", "[URL]\nID_LINK_HELP=https://user/help\n");
}

void TestConfigReader::lookUp_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("override wins") << "URL" << "ID_LINK_HELP" << true << QVariant("https://user/help");
    QTest::newRow("only installed") << "URL" << "ID_LINK_SUPPORT" << true << QVariant("https://installed/support");
    QTest::newRow("size") << "Main" << "WinSize" << true << QVariant(QSize(960, 640));
    QTest::newRow("nowhere") << "URL" << "ID_LINK_SE" << false << QVariant();
    QTest::newRow("empty group") << "" << "ID_LINK_HELP" << false << QVariant();
    QTest::newRow("empty key") << "URL" << "" << false << QVariant();
}

void TestConfigReader::lookUp()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QVariant, expected);
    QVariant value;
    QCOMPARE(ReadConfigValue(group, key, value, QStringLiteral("uiconfig"), m_dir.path()), found);
    if (expected.type() == QVariant::Size)
        QCOMPARE(value.toSize(), expected.toSize());
    else
        QCOMPARE(value.toString(), expected.toString());
    QCOMPARE(value.isValid(), found);
}

void TestConfigReader::programFolderIsTheExecutablesFolder()
{
    // The settings of the folder the program was started from are not the program's: with
    // m_dir as the working folder and no files beside the test binary, nothing is found, and
    // nothing is created there.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVariant value;
    const bool found = ReadConfigValue(QStringLiteral("Main"), QStringLiteral("WinSize"), value);
    QDir::setCurrent(before);
    QVERIFY(!found);
    QVERIFY(!QFileInfo::exists(ProgramFolder() + QStringLiteral("/uiconfig")));
    QVERIFY(ProgramFolder() != m_dir.path());
}

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
