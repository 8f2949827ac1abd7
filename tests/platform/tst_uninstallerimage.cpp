// Which processes of an uninstall run are the uninstaller's: by the program file each runs, in
// the spellings Windows and Wine give paths in.
#include "platform/uninstallerimage.h"

#include <QtTest>

using namespace pw::uninstallerimage;

Q_DECLARE_METATYPE(pw::uninstallerimage::Kind)

namespace {

Folders folders(const QString &installFolder)
{
    Folders f;
    f.installFolder = installFolder.toStdString();
    // GetTempPath's folder as given (8.3), its long form, and the Windows folder's Temp.
    f.tempFolders = {"C:\\users\\ANNMAR~1\\AppData\\Local\\Temp\\", "C:\\users\\Ann Marie\\AppData\\Local\\Temp",
                     "C:\\windows\\Temp"};
    f.windowsFolder = "C:\\windows";
    return f;
}

} // namespace

class TestUninstallerImage : public QObject {
    Q_OBJECT

private slots:
    void comparablePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("case, slashes, doubled and trailing separators")
            << "c:/Users//Ann/./Temp/" << "C:\\USERS\\ANN\\TEMP";
        QTest::newRow("dot-dot never above the drive") << "C:\\a\\..\\..\\b" << "C:\\B";
        QTest::newRow("long-path prefix") << "\\\\?\\C:\\Temp\\x.exe" << "C:\\TEMP\\X.EXE";
        QTest::newRow("UNC long-path prefix") << "\\\\?\\UNC\\srv\\share\\x.exe" << "\\\\SRV\\SHARE\\X.EXE";
        QTest::newRow("dot-dot never above a UNC share") << "\\\\srv\\share\\..\\x.exe" << "\\\\SRV\\SHARE\\X.EXE";
        QTest::newRow("letters beyond ASCII as they are") << "C:\\Müller\\ä.exe" << "C:\\MüLLER\\ä.EXE";
        QTest::newRow("empty") << "" << "";
    }
    void comparablePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(ComparablePath(path.toStdString())), expected);
    }

    void classifyImage_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("installFolder");
        QTest::addColumn<Kind>("expected");
        const QString notes = QStringLiteral("C:\\Program Files\\Vexa\\Notes");

        QTest::newRow("in the install folder") << "C:\\Program Files\\Vexa\\Notes\\uninst.exe" << notes
                                               << Kind::Uninstaller;
        QTest::newRow("below the install folder") << "C:\\Program Files\\Vexa\\Notes\\bin\\cleanup.exe" << notes
                                                  << Kind::Uninstaller;
        QTest::newRow("other case and slashes") << "c:/program files/VEXA/notes/Uninst.EXE" << notes
                                                << Kind::Uninstaller;
        QTest::newRow("folder with a trailing separator")
            << "C:\\Program Files\\Vexa\\Notes\\uninst.exe" << "C:\\Program Files\\Vexa\\Notes\\" << Kind::Uninstaller;
        QTest::newRow("a sibling whose name starts alike")
            << "C:\\Program Files\\Vexa\\Notes Sync\\sync.exe" << notes << Kind::Other;
        QTest::newRow("the vendor's folder above") << "C:\\Program Files\\Vexa\\updater.exe" << notes << Kind::Other;

        QTest::newRow("NSIS copy in Temp, long spelling")
            << "C:\\users\\Ann Marie\\AppData\\Local\\Temp\\~nsu.tmp\\Un_A.exe" << notes << Kind::Uninstaller;
        QTest::newRow("Inno Setup copy in Temp, 8.3 spelling")
            << "C:\\USERS\\annmar~1\\APPDATA\\LOCAL\\TEMP\\is-4N2QA.tmp\\unins000.tmp" << notes << Kind::Uninstaller;
        QTest::newRow("copy in the Windows folder's Temp") << "C:\\WINDOWS\\TEMP\\_iu14D2N.tmp" << notes
                                                           << Kind::Uninstaller;
        QTest::newRow("long-path prefix") << "\\\\?\\C:\\users\\Ann Marie\\AppData\\Local\\Temp\\x\\Au_.exe" << notes
                                          << Kind::Uninstaller;
        QTest::newRow("out of Temp through dot-dot")
            << "C:\\users\\Ann Marie\\AppData\\Local\\Temp\\..\\Programs\\Browser\\browser.exe" << notes << Kind::Other;
        QTest::newRow("a folder named like Temp")
            << "C:\\users\\Ann Marie\\AppData\\Local\\Temporary Files\\viewer.exe" << notes << Kind::Other;

        QTest::newRow("a browser") << "C:\\Program Files\\Norford Browser\\browser.exe" << notes << Kind::Other;
        QTest::newRow("a helper in ProgramData") << "C:\\ProgramData\\Vexa\\feedback.exe" << notes << Kind::Other;
        QTest::newRow("no install folder known") << "C:\\Program Files\\Vexa\\Notes\\uninst.exe" << QString()
                                                 << Kind::Other;
        QTest::newRow("install folder is a drive") << "C:\\Program Files\\Norford Browser\\browser.exe" << "C:\\"
                                                   << Kind::Other;
        QTest::newRow("install folder on a share") << "\\\\SERVER\\Apps\\Vexa\\u.exe" << "\\\\server\\apps\\Vexa"
                                                   << Kind::Uninstaller;
        QTest::newRow("install folder is a share") << "\\\\SERVER\\Apps\\Other\\o.exe" << "\\\\server\\apps"
                                                   << Kind::Other;

        QTest::newRow("console host") << "C:\\windows\\system32\\conhost.exe" << notes << Kind::SystemHelper;
        QTest::newRow("Wine's menu builder") << "c:\\WINDOWS\\System32\\WINEMENUBUILDER.EXE" << notes
                                             << Kind::SystemHelper;
        QTest::newRow("start in SysWOW64") << "C:\\windows\\syswow64\\start.exe" << notes << Kind::SystemHelper;
        QTest::newRow("Wine's services") << "C:\\windows\\system32\\services.exe" << notes << Kind::SystemHelper;
        QTest::newRow("the desktop") << "C:\\windows\\explorer.exe" << notes << Kind::SystemHelper;
        QTest::newRow("a helper's name elsewhere") << "C:\\ProgramData\\Vexa\\conhost.exe" << notes << Kind::Other;
        QTest::newRow("a helper's name deeper in the system folder")
            << "C:\\windows\\system32\\drivers\\conhost.exe" << notes << Kind::Other;
        QTest::newRow("the installer service may be an uninstaller")
            << "C:\\windows\\system32\\msiexec.exe" << notes << Kind::Other;
        QTest::newRow("no image") << QString() << notes << Kind::Other;
    }
    void classifyImage()
    {
        QFETCH(QString, image);
        QFETCH(QString, installFolder);
        QFETCH(Kind, expected);
        QCOMPARE(ClassifyImage(image.toStdString(), folders(installFolder)), expected);
    }

    void mustKeepWaiting_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QVector<int>>("kinds");
        QTest::addColumn<bool>("expected");
        const int u = int(Kind::Uninstaller), s = int(Kind::SystemHelper), o = int(Kind::Other);
        QTest::newRow("nothing, entry gone") << false << QVector<int>{} << false;
        QTest::newRow("nothing, entry there") << true << QVector<int>{} << false;
        QTest::newRow("an uninstaller, entry gone") << false << QVector<int>{o, u} << true;
        QTest::newRow("another program, entry gone") << false << QVector<int>{o} << false;
        QTest::newRow("another program, entry there") << true << QVector<int>{o} << true;
        QTest::newRow("system helpers, entry there") << true << QVector<int>{s, s} << false;
        QTest::newRow("a system helper and an uninstaller") << false << QVector<int>{s, u} << true;
    }
    void mustKeepWaiting()
    {
        QFETCH(bool, registered);
        QFETCH(QVector<int>, kinds);
        QFETCH(bool, expected);
        std::vector<Kind> running;
        for (int k : kinds)
            running.push_back(Kind(k));
        QCOMPARE(MustKeepWaiting(registered, running), expected);
    }
};

QTEST_GUILESS_MAIN(TestUninstallerImage)
#include "tst_uninstallerimage.moc"
