#pragma once
// The registry part of the leftovers: the values and then the key of the removed program's own
// uninstall entry (in the root and view it was read from), the same for each of its orphaned
// twins (IsOrphanedTwin: its entries in the other view or per user, whose uninstaller is gone),
// then the MuiCache values that name its install folder or a file inside it. A MuiCache search is skipped when the install path is
// a shared place (it would name every program there); a MuiCache value inside the folder of a
// program still installed is that program's and is kept.
// The search itself is CAppEnum::FindRegistryLeftovers, which knows the uninstall registry.
#include "leftovers/finders/leftoverfinder.h"

#include <QString>

class CRegistryFinder : public ILeftoverFinder {
public:
    explicit CRegistryFinder(CAppEnum &appEnum) : m_appEnum(appEnum) {}

    LeftoverList Find(const LeftoverSearch &search) override { return SearchRegistry(search); }
    LeftoverList SearchRegistry(const LeftoverSearch &search) const;

    // The path a MuiCache value names: the value name without the suffix Windows adds to it.
    static QString MuiCachePath(const QString &valueName);

private:
    CAppEnum &m_appEnum;
};
