#include "leftovers/programpaths.h"

#include "inventory/programhelpers.h"
#include "leftovers/windowspath.h"

#include <cstring>

namespace {


bool isIconIndex(const QByteArray &text)
{
    QByteArray t = text.trimmed();
    if (t.startsWith('-'))
        t.remove(0, 1);
    if (t.isEmpty())
        return false;
    for (char c : t)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

QByteArray PathFromValue(const QByteArray &value)
{
    QByteArray v = value.trimmed();
    if (v.startsWith('"')) {
        const int close = v.indexOf('"', 1);
        return close < 0 ? v.mid(1) : v.mid(1, close - 1);
    }
    const int comma = v.lastIndexOf(',');
    if (comma >= 0 && isIconIndex(v.mid(comma + 1)))
        v.truncate(comma);
    return v.trimmed();
}

QByteArray LeftoverInstallPath(const InstalledProgram &program)
{
    QByteArray path = PathFromValue(FieldText(program.InstallLocation));
    if (path.isEmpty())
        path = PathFromValue(FieldText(program.DisplayIcon));
    if (path.isEmpty())
        path = GetFileTitle(FieldText(program.UninstallString));
    if (path.endsWith('\\'))
        path.chop(1);
    return path;
}

QString ProgramFolder(const InstalledProgram &program)
{
    const QString location = winpath::Normalize(QString::fromLocal8Bit(PathFromValue(FieldText(program.InstallLocation))));
    if (!location.isEmpty())
        return location;
    const QString icon = winpath::Normalize(QString::fromLocal8Bit(PathFromValue(FieldText(program.DisplayIcon))));
    if (!icon.isEmpty())
        return winpath::Parent(icon);
    const QString uninstaller = winpath::Normalize(UninstallerFile(FieldText(program.UninstallString)));
    return uninstaller.isEmpty() ? QString() : winpath::Parent(uninstaller);
}

QString UninstallerFile(const QByteArray &command)
{
    const QString c = QString::fromLocal8Bit(command).trimmed();
    QString file;
    if (c.startsWith(QLatin1Char('"'))) {
        const int close = c.indexOf(QLatin1Char('"'), 1);
        file = close < 0 ? c.mid(1) : c.mid(1, close - 1);
    } else {
        // Unquoted paths may hold spaces; the program file ends at its ".exe".
        const int exe = c.indexOf(QLatin1String(".exe"), 0, Qt::CaseInsensitive);
        if (exe >= 0 && (exe + 4 == c.size() || c.at(exe + 4) == QLatin1Char(' ')))
            file = c.left(exe + 4);
        else
            file = c;
    }
    return winpath::Normalize(file).isEmpty() ? QString() : file;
}
