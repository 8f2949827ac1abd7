#include "leftovers/finders/startmenufinder.h"

#include "leftovers/finders/namedfolderfinder.h"
#include "platform/winerror.h"

LeftoverList CStartMenuFinder::SearchStartMenu(const LeftoverSearch &search)
{
    CNamedFolderFinder named(search.Policy, search.Report);
    return FindByNameOrGroup(search.Program, [&named](const QString &name) {
        return named.FindIn(pw::kCsidlCommonPrograms, name, NameMatch::InsideFolder, "Start menu");
    });
}
