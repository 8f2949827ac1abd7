#include "inventory/programhelpers.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

QString FormatSize(uint64_t bytes)
{
    if (bytes == 0)
        return QStringLiteral("-");
    const double d = double(bytes);
    // The number keeps its point in every language; the unit is the translator's.
    if (d > 1073741824.0)
        return QCoreApplication::translate("FormatSize", "%1 GB").arg(QString::number(d / 1073741824.0, 'f', 2));
    if (d > 1048576.0)
        return QCoreApplication::translate("FormatSize", "%1 MB").arg(QString::number(d / 1048576.0, 'f', 2));
    return QCoreApplication::translate("FormatSize", "%1 KB").arg(QString::number(d / 1024.0, 'f', 2));
}

QByteArray GetIconFilePath(QByteArray displayIcon)
{
    const int comma = displayIcon.indexOf(',');
    if (comma >= 0)
        displayIcon.truncate(comma);
    for (int quote = displayIcon.indexOf('"'); quote >= 0; quote = displayIcon.indexOf('"')) {
        if (quote == 0)
            displayIcon.remove(0, 1);
        else
            displayIcon.truncate(quote);
    }
    return displayIcon;
}

QByteArray GetFileTitle(QByteArray path)
{
    const int slash = path.lastIndexOf('\\');
    const QByteArray name = slash >= 0 ? path.mid(slash + 1) : path;
    if (name.size() <= 4)
        return QByteArray();
    return name.left(name.size() - 4);
}

QString NativePath(const QString &windowsPath)
{
    pw::ISpecialFolders *folders = pw::CurrentPlatform().folders;
    const bool looksWindows = windowsPath.size() >= 2 && windowsPath.at(1) == QLatin1Char(':');
    if (!folders || !looksWindows)
        return windowsPath;
    return QString::fromStdString(folders->ToNativePath(windowsPath.toStdString()));
}

QString GetCreationTime(const QByteArray &path)
{
    const QString native = NativePath(QString::fromLocal8Bit(path));
    if (native.isEmpty())
        return QString();
    const QFileInfo info(native);
    if (!info.exists())
        return QString();
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.metadataChangeTime(); // file systems that keep no birth time
    return created.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString ProgramIconFile(const QByteArray &displayIcon)
{
    const QByteArray file = GetIconFilePath(displayIcon);
    if (file.isEmpty())
        return QString();
    return NativePath(QString::fromLocal8Bit(file));
}
