// Every catalogue: it loads for its language's locale and the program then shows what it says,
// no text of the sources is left without a translation, the translations keep the sources'
// place markers and line breaks, the user's locale picks the right catalogue, and the images
// with text are drawn in every language.
#include "inventory/programhelpers.h"
#include "shell/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

const QString kQmFolder = QStringLiteral(PURGEWELL_QM_FOLDER);

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool finished = true;
};

// The messages of a catalogue (.ts).
QVector<Message> ReadCatalogue(const QString &file, QString *error)
{
    QVector<Message> messages;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = file + QStringLiteral(": ") + in.errorString();
        return messages;
    }
    QXmlStreamReader xml(&in);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append(Message{context, {}, {}, {}, true});
        } else if (name == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment") && !messages.isEmpty()) {
            messages.last().comment = xml.readElementText();
        } else if (name == QLatin1String("translation") && !messages.isEmpty()) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.last().finished = type.isEmpty() && !messages.last().translation.isEmpty();
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1: line %2: %3").arg(file).arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

QString Describe(const Message &message)
{
    QString source = message.source;
    source.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("%1 \"%2\"").arg(message.context, source);
}

// "purgewell_pt_BR.ts" -> "pt_BR".
QString LanguageOf(const QString &catalogue)
{
    return QFileInfo(catalogue).completeBaseName().section(QLatin1Char('_'), 1);
}

QStringList Catalogues()
{
    return QStringLiteral(PURGEWELL_TS_FILES).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

void AddLanguageRows()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("language");
    for (const QString &file : Catalogues())
        QTest::newRow(qPrintable(LanguageOf(file))) << file << LanguageOf(file);
}

QString Translate(const Message &message)
{
    return QCoreApplication::translate(message.context.toUtf8().constData(), message.source.toUtf8().constData(),
                                       message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
}

// The sorted place markers (%1, %2, ...) of a text.
QStringList Markers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextTranslated_data() { AddLanguageRows(); }
    void everyTextTranslated();
    void markersAndLineBreaksKept_data() { AddLanguageRows(); }
    void markersAndLineBreaksKept();
    void loadsForItsLocale_data() { AddLanguageRows(); }
    void loadsForItsLocale();
    void knownTexts_data();
    void knownTexts();
    void sizesKeepTheirNumbers();
    void englishNeedsNone();
    void chooseLanguage_data();
    void chooseLanguage();
    void imagesPerLanguage_data();
    void imagesPerLanguage();

private:
    QTemporaryDir m_updated; // the catalogues as lupdate brings them up to date with the sources
    QString m_lupdateError;
};

void TestTranslations::initTestCase()
{
    // lupdate brings copies of the catalogues up to date with the sources as they are now, all in
    // one run; a text added since a catalogue was last translated comes in unfinished.
    QVERIFY(m_updated.isValid());
    QStringList arguments = QStringLiteral(PURGEWELL_LUPDATE_ARGUMENTS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    arguments << QStringLiteral("-ts");
    for (const QString &catalogue : Catalogues()) {
        const QString copy = m_updated.filePath(QFileInfo(catalogue).fileName());
        QVERIFY(QFile::copy(catalogue, copy));
        arguments << copy;
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(PURGEWELL_LUPDATE), arguments);
    if (!lupdate.waitForFinished(300000))
        m_lupdateError = lupdate.errorString();
    else if (lupdate.exitStatus() != QProcess::NormalExit || lupdate.exitCode() != 0)
        m_lupdateError = QString::fromLocal8Bit(lupdate.readAll());
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, language);
    QVERIFY2(m_lupdateError.isEmpty(), qPrintable(QStringLiteral("lupdate failed: ") + m_lupdateError));
    QString error;
    const QVector<Message> messages = ReadCatalogue(m_updated.filePath(QFileInfo(catalogue).fileName()), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    QStringList untranslated;
    for (const Message &message : messages) {
        if (!message.finished)
            untranslated << Describe(message);
    }
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(QStringLiteral("Not translated into %1 (%2; run the target purgewell_update_translations, "
                                       "then translate): %3")
                            .arg(language, QFileInfo(catalogue).fileName(), untranslated.join(QStringLiteral(", ")))));
}

void TestTranslations::markersAndLineBreaksKept()
{
    // "%1" stands for a number or a name, and the line breaks are where the fixed-width labels
    // need them: a translation has the same.
    QFETCH(QString, catalogue);
    QFETCH(QString, language);
    QString error;
    const QVector<Message> messages = ReadCatalogue(catalogue, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList wrong;
    for (const Message &message : messages) {
        if (!message.finished)
            continue; // everyTextTranslated names them
        if (Markers(message.translation) != Markers(message.source))
            wrong << Describe(message) + QStringLiteral(" (place markers)");
        if (message.translation.count(QLatin1Char('\n')) != message.source.count(QLatin1Char('\n')))
            wrong << Describe(message) + QStringLiteral(" (line breaks)");
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("In %1: %2").arg(language, wrong.join(QStringLiteral(", ")))));
}

void TestTranslations::loadsForItsLocale()
{
    // Installed for its locale, the catalogue is what every text of the program reads as.
    QFETCH(QString, catalogue);
    QFETCH(QString, language);
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(language), kQmFolder));
    QCOMPARE(InstalledLanguage(), language);
    QString error;
    const QVector<Message> messages = ReadCatalogue(catalogue, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList wrong;
    for (const Message &message : messages) {
        if (message.finished && Translate(message) != message.translation)
            wrong << Describe(message) + QStringLiteral(" reads \"") + Translate(message) + QLatin1Char('"');
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("In %1: %2").arg(language, wrong.join(QStringLiteral(", ")))));
}

void TestTranslations::knownTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::newRow("de page title") << "de" << "CEnumProgramPage" << "Applications" << "Programme";
    QTest::newRow("de confirmation") << "de" << "CReadyUninstallDlg" << "Do you want to uninstall the selected %1 program(s)?"
                                     << "Möchten Sie die ausgewählten %1 Programm(e) deinstallieren?";
    QTest::newRow("de residual files") << "de" << "CReadyUninstallDlg" << "Automatically remove residual files"
                                       << "Reste automatisch entfernen";
    QTest::newRow("de title bar close") << "de" << "CWindowTitle" << "Close" << "Schließen";
    QTest::newRow("de second start") << "de" << "QObject" << "Vendrix Purgewell has been running!"
                                     << "Vendrix Purgewell läuft bereits!";
    // The uninstall button in each language.
    const QList<QPair<QString, QString>> uninstall = {
        {"de", "Deinstallieren"}, {"fr", "Désinstaller"}, {"es", "Desinstalar"},
        {"it", "Disinstalla"},    {"pt_BR", "Desinstalar"}, {"pl", "Odinstaluj"},
        {"ru", "Удалить"},        {"zh_CN", "卸载"},         {"ja", "アンインストール"}};
    for (const auto &row : uninstall)
        QTest::addRow("%s uninstall button", qPrintable(row.first)) << row.first << "CEnumProgramPage" << "Uninstall"
                                                                    << row.second;
    QTest::newRow("ja confirmation") << "ja" << "CReadyUninstallDlg" << "Do you want to uninstall the selected %1 program(s)?"
                                     << "選択した %1 個のプログラムをアンインストールしますか？";
    QTest::newRow("pt_BR splash") << "pt_BR" << "CStartDlg" << "Reading installed programs..."
                                  << "Lendo os programas instalados…";
}

void TestTranslations::knownTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(language), kQmFolder));
    QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), source.toUtf8().constData()), translation);
}

void TestTranslations::sizesKeepTheirNumbers()
{
    // The unit is translated, the number keeps its C-locale form.
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany), kQmFolder));
    QCOMPARE(FormatSize(1536), QStringLiteral("1.50 KB"));
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::French, QLocale::France), kQmFolder));
    QCOMPARE(FormatSize(1536), QStringLiteral("1.50 Ko"));
    QCOMPARE(FormatSize(3 * 1048576ull), QStringLiteral("3.00 Mo"));
}

void TestTranslations::englishNeedsNone()
{
    // English is what the sources say: there is no catalogue for it, and choosing it takes away
    // the one installed before.
    QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany), kQmFolder));
    QVERIFY(!InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates),
                                 kQmFolder));
    QCOMPARE(InstalledLanguage(), QString());
    QCOMPARE(QCoreApplication::translate("CEnumProgramPage", "Uninstall"), QStringLiteral("Uninstall"));
    QCOMPARE(FormatSize(1536), QStringLiteral("1.50 KB"));
    QTranslator translator;
    QVERIFY(!translator.load(QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("purgewell"),
                             QStringLiteral("_"), kQmFolder));
}

void TestTranslations::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringList{"de-DE"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("locale name with codeset") << QStringList{"de_CH.UTF-8"} << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Latin American Spanish") << QStringList{"es-419"} << "es";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Portuguese alone") << QStringList{"pt"} << "pt_BR";
    QTest::newRow("Polish") << QStringList{"pl-PL"} << "pl";
    QTest::newRow("Russian") << QStringList{"ru-RU"} << "ru";
    QTest::newRow("Chinese, China") << QStringList{"zh-CN"} << "zh_CN";
    QTest::newRow("Simplified Chinese by script") << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("Chinese, Singapore") << QStringList{"zh-SG"} << "zh_CN";
    QTest::newRow("Chinese alone") << QStringList{"zh"} << "zh_CN";
    QTest::newRow("Chinese, Taiwan: Traditional") << QStringList{"zh-TW"} << "";
    QTest::newRow("Traditional Chinese by script") << QStringList{"zh-Hant-HK"} << "";
    QTest::newRow("Japanese") << QStringList{"ja-JP"} << "ja";
    QTest::newRow("English") << QStringList{"en-US"} << "";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("Dutch, then German") << QStringList{"nl-NL", "de-DE"} << "de";
    QTest::newRow("Dutch only") << QStringList{"nl-NL"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TestTranslations::chooseLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(ChooseLanguage(uiLanguages, kQmFolder), language);
}

void TestTranslations::imagesPerLanguage_data()
{
    AddLanguageRows();
    QTest::newRow("English") << QString() << QString();
}

void TestTranslations::imagesPerLanguage()
{
    // The images that carry text are drawn in every language, and the program picks those of
    // its language; the product name and the picture around the lines stay as they are.
    QFETCH(QString, language);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(PURGEWELL_PROGRAM_FOLDER)));
    auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
    QCOMPARE(InstallTranslations(*QCoreApplication::instance(), language.isEmpty() ? QLocale::c() : QLocale(language),
                                 kQmFolder),
             !language.isEmpty());
    const QString folder = language.isEmpty() ? QStringLiteral("./Resources/") : QStringLiteral("./Resources/%1/").arg(language);
    const char *missing = "not drawn (is a font for the language installed? scripts/setup.sh installs them)";

    QCOMPARE(LocalizedResource(QStringLiteral("loading.png")), folder + QStringLiteral("loading.png"));
    const QImage splash(folder + QStringLiteral("loading.png"));
    QVERIFY2(!splash.isNull(), missing);
    QCOMPARE(splash.size(), QSize(600, 368));
    const QImage english(QStringLiteral("./Resources/loading.png"));
    QCOMPARE(splash.copy(0, 0, 600, 206), english.copy(0, 0, 600, 206)); // emblem and name
    if (!language.isEmpty())
        QVERIFY2(splash.copy(0, 206, 600, 26) != english.copy(0, 206, 600, 26), "the line under the name is English");

    for (const char *state : {"sortby.png", "sortby_hover.png", "sortby_press.png"}) {
        const QString name = QString::fromLatin1(state);
        QCOMPARE(LocalizedResource(name), folder + name);
        const QImage sort(folder + name);
        QVERIFY2(!sort.isNull(), missing);
        QCOMPARE(sort.height(), 20);
        QVERIFY(sort.width() >= 74);
        if (language.isEmpty())
            QCOMPARE(sort.size(), QSize(74, 20));
    }
    // An image drawn in one form only is the same in every language.
    QCOMPARE(LocalizedResource(QStringLiteral("refresh_normal.png")), QStringLiteral("./Resources/refresh_normal.png"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
