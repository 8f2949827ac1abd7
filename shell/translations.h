#pragma once
// The program's translations: "translations/purgewell_<language>.qm" in the data folder, and
// Qt's own "qtbase_<language>.qm" where the system has it (Debian: qttranslations5-l10n). The
// images that carry text are drawn per language too, in "Resources/<language>/".
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language whose catalogue in `folder` serves a reader of `uiLanguages`, the languages in
// the order the user prefers them as QLocale::uiLanguages gives them ("pt-PT", "zh-Hans-CN",
// "de_AT.UTF-8"); empty for English. Each language is tried by its full name and then by the
// language alone ("de_AT", then "de"). Every Portuguese reader gets the Brazilian catalogue,
// every reader of Simplified Chinese (zh_CN, zh_SG, zh_Hans) the zh_CN one; Traditional Chinese
// (zh_TW, zh_HK, zh_MO) has none. English, the language of the sources, needs no catalogue and
// ends the search: who prefers English to German reads English.
QString ChooseLanguage(const QStringList &uiLanguages, const QString &folder);

// Loads and installs the catalogues for `locale` from `folder` (default: "translations" in the
// current directory, the data folder) and Qt's translations folder, in place of any installed
// by an earlier call. Returns whether the program's own catalogue was installed.
bool InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale(),
                         const QString &folder = QStringLiteral("translations"));

// The language of the catalogue InstallTranslations installed ("de", "pt_BR"); empty for
// English.
QString InstalledLanguage();

// The path of the image `name` of "./Resources/" (the data folder's) as drawn in the installed
// language: "./Resources/<language>/<name>" where that exists, else "./Resources/<name>".
QString LocalizedResource(const QString &name);
