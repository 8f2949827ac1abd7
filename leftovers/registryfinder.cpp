#include "leftovers/registryfinder.h"

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

LeftoverList CRegistryFinder::Find(const InstalledProgram &removed, const QByteArray &installPath,
                                   const InstalledProgramList &twins) const
{
    LeftoverList out;
    if (installPath.isEmpty())
        return out;
    const QString reason = m_policy.PlaceReason(QString::fromLocal8Bit(installPath));
    if (!reason.isEmpty())
        LogInfo("MuiCache search skipped: the install path %s is a %s", installPath.constData(),
                reason.toLocal8Bit().constData());
    const LeftoverList found = m_appEnum.FindRegistryLeftovers(removed, reason.isEmpty() ? installPath : QByteArray());
    LeftoverList muiCache;
    for (const LeftoverItem &item : found) {
        if (item.Kind == LeftoverMuiCache) {
            const QString keep = m_policy.MuiCacheReason(MuiCachePath(item.Path));
            if (keep.isEmpty())
                muiCache.append(item);
            else
                m_report.Refused(item, keep);
            continue;
        }
        out.append(item);
    }
    // The twins' entries, without a MuiCache search of their own.
    for (const InstalledProgram &twin : twins)
        out += m_appEnum.FindRegistryLeftovers(twin, QByteArray());
    return out + muiCache;
}
