#include "shell/translations.h"

#include "libs/sharelog/sharelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

QString g_language;
QPointer<QTranslator> g_own;
QPointer<QTranslator> g_qt;

// The catalogue names to try for `uiLanguages`, best first; see ChooseLanguage. A name "en"
// ends the list.
QStringList Candidates(const QStringList &uiLanguages)
{
    QStringList names;
    for (QString tag : uiLanguages) {
        // "de_AT.UTF-8@euro", "zh-Hans-CN": language, then script and country in any order.
        tag = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QStringList parts = tag.split(QLatin1Char('_'), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        const QString language = parts.first().toLower();
        if (language.size() < 2 || language.size() > 3) // "C", "POSIX", "*"
            continue;
        QString script;
        QString country;
        for (const QString &part : parts.mid(1)) {
            if (part.size() == 4)
                script = part.left(1).toUpper() + part.mid(1).toLower();
            else if (part.size() == 2 || part.size() == 3)
                country = part.toUpper();
        }
        if (language == QLatin1String("en")) {
            names << QStringLiteral("en");
            break;
        }
        if (language == QLatin1String("zh")) {
            // Chinese is written in two scripts; where the tag does not name one, the country
            // does. Only the Simplified catalogue exists.
            if (script.isEmpty()) {
                const bool traditional = country == QLatin1String("TW") || country == QLatin1String("HK")
                    || country == QLatin1String("MO");
                script = traditional ? QStringLiteral("Hant") : QStringLiteral("Hans");
            }
            if (!country.isEmpty())
                names << language + QLatin1Char('_') + country;
            names << language + QLatin1Char('_') + script;
            if (script == QLatin1String("Hans"))
                names << QStringLiteral("zh_CN");
            continue;
        }
        if (!country.isEmpty())
            names << language + QLatin1Char('_') + country;
        names << language;
        // Portuguese of Portugal, Angola, ...: the Brazilian catalogue reads well to them.
        if (language == QLatin1String("pt"))
            names << QStringLiteral("pt_BR");
    }
    names.removeDuplicates();
    return names;
}

// The first of `names` that `folder` holds as "<stem>_<name>.qm"; empty when "en" comes first
// or none is there.
QString FirstCatalogue(const QStringList &names, const QString &folder, const QString &stem)
{
    for (const QString &name : names) {
        if (name == QLatin1String("en"))
            return QString();
        if (QFileInfo::exists(QDir(folder).filePath(stem + QLatin1Char('_') + name + QStringLiteral(".qm"))))
            return name;
    }
    return QString();
}

// Removes and frees what an earlier call installed.
void Uninstall(QCoreApplication &app, QPointer<QTranslator> &translator)
{
    if (translator) {
        app.removeTranslator(translator);
        delete translator;
    }
}

// Loads "<folder>/<stem>_<name>.qm" and installs it; null when it cannot be loaded.
QTranslator *Install(QCoreApplication &app, const QString &folder, const QString &stem, const QString &name)
{
    auto *translator = new QTranslator(&app);
    if (name.isEmpty() || !translator->load(stem + QLatin1Char('_') + name, folder)) {
        delete translator;
        return nullptr;
    }
    app.installTranslator(translator);
    return translator;
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QString &folder)
{
    return FirstCatalogue(Candidates(uiLanguages), folder, QStringLiteral("purgewell"));
}

bool InstallTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    Uninstall(app, g_qt);
    Uninstall(app, g_own);
    g_language.clear();

    const QStringList uiLanguages = locale.uiLanguages();
    const QString ownFolder = QDir(folder).absolutePath();
    const QString language = ChooseLanguage(uiLanguages, ownFolder);
    g_own = Install(app, ownFolder, QStringLiteral("purgewell"), language);

    // Qt's own texts (the search box's context menu, ...) in the program's language; with the
    // program in English because it has no catalogue for the user, in the user's language as
    // far as Qt has one.
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    const QStringList qtNames = Candidates(g_own ? QStringList{language} : uiLanguages);
    g_qt = Install(app, qtFolder, QStringLiteral("qtbase"), FirstCatalogue(qtNames, qtFolder, QStringLiteral("qtbase")));

    const QString languages = uiLanguages.join(QLatin1Char(','));
    if (!g_own) {
        LogInfo("Language %s: no catalogue, English", qPrintable(languages));
        return false;
    }
    g_language = language;
    LogInfo("Language %s: %s", qPrintable(languages), qPrintable(QDir::toNativeSeparators(g_own->filePath())));
    return true;
}

QString InstalledLanguage()
{
    return g_language;
}

QString LocalizedResource(const QString &name)
{
    if (!g_language.isEmpty()) {
        const QString localized = QStringLiteral("./Resources/%1/%2").arg(g_language, name);
        if (QFileInfo::exists(localized))
            return localized;
    }
    return QStringLiteral("./Resources/") + name;
}
