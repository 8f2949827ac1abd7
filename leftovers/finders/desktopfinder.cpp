#include "leftovers/finders/desktopfinder.h"

#include "leftovers/finders/namedfolderfinder.h"
#include "platform/winerror.h"

LeftoverList CDesktopFinder::SearchDesktop(const LeftoverSearch &search)
{
    CNamedFolderFinder named(search.Policy, search.Report);
    return FindByNameOrGroup(search.Program, [&named](const QString &name) {
        return named.FindShortcutsIn(pw::kCsidlCommonDesktop, name, "Desktop");
    });
}
