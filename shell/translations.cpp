#include "shell/translations.h"

#include "libs/sharelog/sharelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    // QTranslator::load(locale, ...) tries every UI language of the locale in order, each from
    // its full name down to the bare language ("de_DE" then "de").
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;

    auto *own = new QTranslator(&app);
    const QString languages = locale.uiLanguages().join(QLatin1Char(','));
    if (own->load(locale, QStringLiteral("purgewell"), QStringLiteral("_"), QDir(folder).absolutePath())) {
        app.installTranslator(own);
        LogInfo("Language %s: %s", qPrintable(languages), qPrintable(QDir::toNativeSeparators(own->filePath())));
        return true;
    }
    LogInfo("Language %s: no catalogue, English", qPrintable(languages));
    delete own;
    return false;
}
