#include "shell/datafolder.h"

#include "shell/configreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool holdsData(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder + QStringLiteral("/uiconfig")).isFile();
}

} // namespace

QString FindDataFolder(const QString &programDir, const QString &relativeDataDir)
{
    if (holdsData(programDir))
        return QDir::cleanPath(programDir);
    if (!relativeDataDir.isEmpty()) {
        const QString beside = QDir::cleanPath(programDir + QLatin1Char('/') + relativeDataDir);
        if (holdsData(beside))
            return beside;
    }
    return QDir::cleanPath(programDir);
}

QString EnterDataFolder(QString *error)
{
#ifdef PURGEWELL_DATA_FROM_BIN
    const QString relative = QStringLiteral(PURGEWELL_DATA_FROM_BIN);
#else
    const QString relative; // Windows: the program folder is the data folder
#endif
    const QString folder = FindDataFolder(QCoreApplication::applicationDirPath(), relative);
    SetProgramFolder(folder);
    if (!QDir::setCurrent(folder) && error)
        *error = QStringLiteral("Cannot enter the data folder \"%1\".").arg(QDir::toNativeSeparators(folder));
    return folder;
}
