// The Restore window, offscreen, on the small fake machine: the runs of a journal folder listed,
// a restore through the window's button off the user-interface thread bringing a program's
// leftovers back and asking the page to read the list again, and damaged or hostile journals
// listed with the reason, never crashing the window.
#include "leftovers/leftovercleaner.h"
#include "pagefixture.h"
#include "programs/restoredlg.h"
#include "shell/stylefile.h"
#include "shell/translations.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace test;
using fixture::MsgRecorder;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TestRestoreDlg : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void restoreThroughTheWindow();
    void damagedJournalsAreListed();

private:
    QTemporaryDir m_logDir;
};

void TestRestoreDlg::initTestCase()
{
    QVERIFY(m_logDir.isValid());
    sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
    const QString language = QString::fromLocal8Bit(qgetenv("PURGEWELL_RESTORE_SHOT_LANG"));
    if (!language.isEmpty())
        QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(language), QStringLiteral("./translations")));
}

void TestRestoreDlg::restoreThroughTheWindow()
{
    Machine m;
    TemporaryHome home;
    QTemporaryDir journals;
    m.entry("Tool", "Tool", "\"C:\\Apps\\Tool\\uninst.exe\"", {{"InstallLocation", "C:\\Apps\\Tool"}});
    const InstalledProgram tool = m.record("Tool");
    m.file("C:\\Apps\\Tool\\readme.txt", "read me");
    m.file("C:\\Apps\\Tool\\Data\\notes.txt", "notes");
    {
        // The uninstaller left its entry behind, without its command.
        pw::RegKey key = 0;
        m.fake.registry.OpenKey(pw::RootKey(pw::RegRoot::LocalMachine), kUninstall + "Tool",
                                pw::kKeyAllAccess | pw::kKeyWow64_64Key, &key);
        m.fake.registry.DeleteValue(key, "UninstallString");
        m.fake.registry.CloseKey(key);
    }
    {
        CLeftoverCleaner cleaner;
        cleaner.SetRemoval({std::make_shared<CRunJournal>(journals.path()), RemovalMode::Trash, QString()});
        cleaner.CleanLeftovers(tool);
    }
    QVERIFY(!m.exists("C:\\Apps\\Tool\\readme.txt"));
    QVERIFY(!m.hasEntry("Tool"));

    CRestoreDlg dialog;
    dialog.SetSource(journals.path(), pw::CurrentPlatform(), QString());
    dialog.BuildContent();
    QCOMPARE(dialog.runList()->topLevelItemCount(), 1);
    QVERIFY(!dialog.emptyLabel()->isVisibleTo(&dialog));
    QPushButton *restore = dialog.restoreButton(0);
    QVERIFY(restore);

    MsgRecorder recorder{MSG_REFRESH_PAGE};
    QSignalSpy finished(&dialog, &CRestoreDlg::restoreFinished);
    restore->click();
    QVERIFY(finished.wait(30000));
    QVERIFY(!dialog.IsRestoring());
    QCOMPARE(readAll(m.native("C:\\Apps\\Tool\\readme.txt")), QByteArray("read me"));
    QCOMPARE(readAll(m.native("C:\\Apps\\Tool\\Data\\notes.txt")), QByteArray("notes"));
    QVERIFY(m.hasEntry("Tool"));
    QVERIFY(dialog.resultView()->isVisibleTo(&dialog));
    const QString shown = dialog.resultView()->toPlainText();
    QVERIFY2(shown.contains(CRestoreDlg::tr("%1: back").arg("C:\\Apps\\Tool\\readme.txt")), qPrintable(shown));
    QVERIFY2(!shown.contains(CRestoreDlg::tr("%1: not restored (%2)").section(':', 1, 1)), qPrintable(shown));
    // The page reads its list again: the program is listed.
    QCOMPARE(recorder.count(MSG_REFRESH_PAGE), 1);

    // For docs/ (scripts/screenshots.sh): the window as it stands, in the product's style, in
    // the language PURGEWELL_RESTORE_SHOT_LANG names, run from the program's folder.
    const QString shot = QString::fromLocal8Bit(qgetenv("PURGEWELL_RESTORE_SHOT"));
    if (!shot.isEmpty()) {
        qApp->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/SK.qss")));
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(500);
        QVERIFY(dialog.grab().save(shot));
    }
}

void TestRestoreDlg::damagedJournalsAreListed()
{
    QTemporaryDir journals;
    writeFile(journals.filePath("20260101-000000-000.json"), "{\"format\":1,\"programs\":[");
    writeFile(journals.filePath("20260102-000000-000.json"), QByteArray(4096, '['));
    // Readable, but its program is damaged and names a backup outside its folder.
    writeFile(journals.filePath("20260103-000000-000.json"),
              "{\"format\":1,\"started\":\"2026-01-03T00:00:00.000Z\",\"programs\":[{\"name\":\"Evil\","
              "\"regBackup\":\"../../x.reg\",\"items\":[{\"kind\":\"file\",\"path\":\"C:\\\\x\","
              "\"native\":\"/etc/passwd\",\"state\":\"trashed\",\"trash\":\"/etc/passwd\"}]}]}");
    writeFile(journals.filePath("notes.txt"), "not a journal");

    CRestoreDlg dialog;
    dialog.SetSource(journals.path(), pw::CurrentPlatform(), QString());
    dialog.BuildContent();
    QCOMPARE(dialog.runList()->topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row)
        QVERIFY2(!dialog.restoreButton(row), qPrintable(QString::number(row)));
}

QTEST_MAIN(TestRestoreDlg)
#include "tst_restoredlg.moc"
