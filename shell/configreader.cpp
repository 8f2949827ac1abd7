#include "shell/configreader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {
QString &chosenProgramFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    const QString &chosen = chosenProgramFolder();
    return chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
}

void SetProgramFolder(const QString &folder)
{
    chosenProgramFolder() = folder;
}

namespace {

bool lookUp(const QString &folder, const QString &file, const QString &group, const QString &key, QVariant &value)
{
    if (file.isEmpty() || key.isEmpty() || group.isEmpty())
        return false;
    const QString path = folder + QLatin1Char('/') + file;
    if (!QFileInfo::exists(path)) {
        value = QVariant();
        return false;
    }
    QSettings settings(path, QSettings::IniFormat);
    value = settings.value(group + QLatin1Char('/') + key, QVariant());
    return value.isValid();
}

} // namespace

bool ReadConfigValue(const QString &group, const QString &key, QVariant &value, const QString &fileName,
                     const QString &folder)
{
    Q_UNUSED(fileName)
    const QString dir = folder.isEmpty() ? ProgramFolder() : folder;
    if (lookUp(dir, QStringLiteral("userconfig"), group, key, value))
        return true;
    return lookUp(dir, QStringLiteral("uiconfig"), group, key, value);
}
