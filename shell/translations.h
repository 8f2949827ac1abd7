#pragma once
// The program's translations: "translations/purgewell_<language>.qm" in the data folder, and
// Qt's own "qtbase_<language>.qm" where the system has it (Debian: qttranslations5-l10n).
#include <QLocale>
#include <QString>

class QCoreApplication;

// Loads and installs the catalogues for `locale` from `folder` (default: "translations" in the
// current directory, the data folder) and Qt's translations folder. English, the language of
// the sources, needs none. Returns whether the program's own catalogue was installed.
bool InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale(),
                         const QString &folder = QStringLiteral("translations"));
