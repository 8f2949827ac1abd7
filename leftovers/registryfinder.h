#pragma once
// The registry part of the leftovers: the values and then the key of the removed program's own
// uninstall entry (in the root and view it was read from), the same for each of its orphaned
// twins (IsOrphanedTwin: its entries in the other view or per user, whose uninstaller is gone),
// then the MuiCache values that name its install folder or a file inside it. A MuiCache search is skipped when the install path is
// a shared place (it would name every program there); a MuiCache value inside the folder of a
// program still installed is that program's and is kept.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"

#include <QByteArray>
#include <QString>

class CAppEnum;
class CKeepPolicy;
class CLeftoverReport;

class CRegistryFinder {
public:
    CRegistryFinder(CAppEnum &appEnum, const CKeepPolicy &policy, CLeftoverReport &report)
        : m_appEnum(appEnum), m_policy(policy), m_report(report)
    {
    }

    LeftoverList Find(const InstalledProgram &removed, const QByteArray &installPath,
                      const InstalledProgramList &twins = {}) const;

    // The path a MuiCache value names: the value name without the suffix Windows adds to it.
    static QString MuiCachePath(const QString &valueName);

private:
    CAppEnum &m_appEnum;
    const CKeepPolicy &m_policy;
    CLeftoverReport &m_report;
};
