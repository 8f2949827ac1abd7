#include "leftovers/finders/leftoverfinder.h"

#include "leftovers/finders/datafolderfinder.h"
#include "leftovers/finders/desktopfinder.h"
#include "leftovers/finders/installfolderfinder.h"
#include "leftovers/finders/menubuilderfinder.h"
#include "leftovers/finders/registryfinder.h"
#include "leftovers/finders/startmenufinder.h"
#include "leftovers/finders/userdesktopfinder.h"
#include "platform/platform.h"

LeftoverFinderList LeftoverFinders(const pw::Platform &platform, CAppEnum &appEnum)
{
    LeftoverFinderList finders;
    finders.push_back(std::make_unique<CInstallFolderFinder>());
    finders.push_back(std::make_unique<CDataFolderFinder>());
    finders.push_back(std::make_unique<CStartMenuFinder>());
    finders.push_back(std::make_unique<CDesktopFinder>());
    finders.push_back(std::make_unique<CRegistryFinder>(appEnum));
    finders.push_back(std::make_unique<CUserDesktopFinder>());
    if (platform.hostDesktop)
        finders.push_back(std::make_unique<CMenuBuilderFinder>(platform.hostDesktop, platform.registry, platform.folders));
    return finders;
}
