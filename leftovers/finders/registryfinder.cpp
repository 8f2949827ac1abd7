#include "leftovers/finders/registryfinder.h"

#include "inventory/appenum.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "libs/sharelog/sharelog.h"

#include <cstring>

QString CRegistryFinder::MuiCachePath(const QString &valueName)
{
    QString path = valueName;
    if (path.startsWith(QLatin1Char('@')))
        path.remove(0, 1);
    for (const char *suffix : {".FriendlyAppName", ".ApplicationCompany"})
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            path.chop(int(std::strlen(suffix)));
    return path;
}

LeftoverList CRegistryFinder::SearchRegistry(const LeftoverSearch &search) const
{
    LeftoverList out;
    const QByteArray installPath = search.InstallPath.toLocal8Bit();
    if (installPath.isEmpty())
        return out;
    const QString reason = search.Policy.PlaceReason(search.InstallPath);
    if (!reason.isEmpty())
        LogInfo("MuiCache search skipped: the install path %s is a %s", installPath.constData(),
                reason.toLocal8Bit().constData());
    const LeftoverList found = m_appEnum.FindRegistryLeftovers(search.Program, reason.isEmpty() ? installPath : QByteArray());
    LeftoverList muiCache;
    for (const LeftoverItem &item : found) {
        if (item.Kind == LeftoverMuiCache) {
            const QString keep = search.Policy.MuiCacheReason(MuiCachePath(item.Path));
            if (keep.isEmpty())
                muiCache.append(item);
            else
                search.Report.Refused(item, keep);
            continue;
        }
        out.append(item);
    }
    // The twins' entries, without a MuiCache search of their own.
    for (const InstalledProgram &twin : search.Twins)
        out += m_appEnum.FindRegistryLeftovers(twin, QByteArray());
    return out + muiCache;
}
