#include "leftovers/windowspath.h"

namespace winpath {

namespace {

bool isDriveLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

} // namespace

QString Normalize(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (p.size() < 2 || !isDriveLetter(p.at(0)) || p.at(1) != QLatin1Char(':'))
        return QString();
    if (p.size() > 2 && p.at(2) != QLatin1Char('\\'))
        return QString(); // "C:foo" is relative to the drive's current folder
    QString out = p.left(2).toUpper() + QLatin1Char('\\');
    const QStringList parts = p.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (QString name : parts) {
        if (name.count(QLatin1Char('.')) == name.size())
            return QString(); // ".", "..", "..."
        while (!name.isEmpty() && (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))))
            name.chop(1);
        if (name.isEmpty())
            return QString();
        if (!out.endsWith(QLatin1Char('\\')))
            out += QLatin1Char('\\');
        out += name;
    }
    return out;
}

QStringList Components(const QString &normalized)
{
    return normalized.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool IsSameOrInside(const QString &path, const QString &folder)
{
    if (path.isEmpty() || folder.isEmpty() || path.size() < folder.size())
        return false;
    if (!path.startsWith(folder, Qt::CaseInsensitive))
        return false;
    return path.size() == folder.size() || folder.endsWith(QLatin1Char('\\'))
           || path.at(folder.size()) == QLatin1Char('\\');
}

QString Parent(const QString &normalized)
{
    if (normalized.size() <= 3)
        return QString();
    const int slash = normalized.lastIndexOf(QLatin1Char('\\'));
    return slash <= 2 ? normalized.left(3) : normalized.left(slash);
}

QString LastName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

QString StripTrailingSeparators(QString path)
{
    while (path.size() > 3 && (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'))))
        path.chop(1);
    return path;
}

} // namespace winpath
