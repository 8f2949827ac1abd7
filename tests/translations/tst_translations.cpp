// The German catalogue: it loads for a German locale, translates what the user reads (the size
// units of FormatSize among them), and no text of the sources is left without a translation.
#include "inventory/programhelpers.h"
#include "shell/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void germanLoads();
    void knownTexts_data();
    void knownTexts();
    void englishNeedsNone();
    void everyTextTranslated_data();
    void everyTextTranslated();
};

void TestTranslations::germanLoads()
{
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany),
                                QStringLiteral(PURGEWELL_QM_FOLDER)));
}

void TestTranslations::knownTexts_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("german");
    QTest::newRow("page title") << "CEnumProgramPage" << "Applications" << "Programme";
    QTest::newRow("uninstall button") << "CEnumProgramPage" << "Uninstall" << "Deinstallieren";
    QTest::newRow("confirmation") << "CReadyUninstallDlg" << "Do you want to uninstall the selected %1 program(s)?"
                                  << "Möchten Sie die ausgewählten %1 Programm(e) deinstallieren?";
    QTest::newRow("residual files") << "CReadyUninstallDlg" << "Automatically remove residual files"
                                    << "Reste automatisch entfernen";
    QTest::newRow("title bar close") << "CWindowTitle" << "Close" << "Schließen";
    QTest::newRow("second start") << "QObject" << "Vendrix Purgewell has been running!" << "Vendrix Purgewell läuft bereits!";
}

void TestTranslations::knownTexts()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, german);
    QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), source.toUtf8().constData()), german);
}

void TestTranslations::englishNeedsNone()
{
    // The catalogue for English does not exist; English is what the sources say.
    QTranslator translator;
    QVERIFY(!translator.load(QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("purgewell"),
                             QStringLiteral("_"), QStringLiteral(PURGEWELL_QM_FOLDER)));
    // With the German catalogue installed (germanLoads), sizes keep their numbers.
    QCOMPARE(FormatSize(1536), QStringLiteral("1.50 KB"));
    QCOMPARE(FormatSize(3 * 1048576ull), QStringLiteral("3.00 MB"));
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("catalogue");
    const QStringList files = QStringLiteral(PURGEWELL_TS_FILES).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString &file : files)
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void TestTranslations::everyTextTranslated()
{
    // lupdate brings a copy of the catalogue up to date with the sources as they are now; a
    // text added since the catalogue was last translated comes in unfinished.
    QFETCH(QString, catalogue);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString copy = tmp.filePath(QFileInfo(catalogue).fileName());
    QVERIFY(QFile::copy(catalogue, copy));
    QStringList arguments = QStringLiteral(PURGEWELL_LUPDATE_ARGUMENTS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(PURGEWELL_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QStringList unfinished;
    const QRegularExpression message(QStringLiteral("<source>(.*?)</source>\\s*<translation type=\"unfinished\">"),
                                     QRegularExpression::DotMatchesEverythingOption);
    for (auto it = message.globalMatch(text); it.hasNext();)
        unfinished << it.next().captured(1);
    QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("Not translated in %1 (run the target "
                                                             "purgewell_update_translations, then translate): %2")
                                                  .arg(QFileInfo(catalogue).fileName(), unfinished.join(QStringLiteral(" | ")))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
