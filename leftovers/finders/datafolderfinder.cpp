#include "leftovers/finders/datafolderfinder.h"

#include "leftovers/finders/installfolderfinder.h"
#include "leftovers/finders/namedfolderfinder.h"
#include "platform/winerror.h"

LeftoverList CDataFolderFinder::Find(const LeftoverSearch &search)
{
    CNamedFolderFinder named(search.Policy, search.Report);
    const QString dataName = CInstallFolderFinder::DataFolderName(search.InstallPath);
    const QString roaming = dataName.isEmpty() ? QString() : named.SpecialFolder(pw::kCsidlAppData);
    if (roaming.isEmpty())
        return {};
    const QString vendor = CInstallFolderFinder::VendorFolderName(search.InstallPath, search.Policy);
    return named.FindDataFolders(roaming, dataName, vendor).All()
           + named.FindDataFolders(roaming.left(3) + QStringLiteral("ProgramData"), dataName, vendor).All();
}
