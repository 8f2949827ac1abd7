#pragma once
// The one contract of every leftover finder. A finder looks at one source (the install folder,
// the data folders, the Start menu, the desktop, the registry, the files Wine's menu builder
// wrote) and answers with the items of the removed program it found there, in the order the
// remover is to take them. It asks the keep policy before it lists an item and tells the report
// about every item it keeps. The cleaner runs the finders of LeftoverFinders() one after another
// and knows them only through this interface.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"

#include <QString>

#include <memory>
#include <vector>

class CAppEnum;
class CKeepPolicy;
class CLeftoverReport;

namespace pw {
struct Platform;
}

// What a finder is given: the program, what is still installed, and the keep policy.
struct LeftoverSearch {
    const InstalledProgram &Program;       // as read before the uninstall (its entry is known)
    QString InstallPath;                   // its install folder, a Windows path; may be empty
    const InstalledProgramList &Twins;     // its orphaned twin entries, removed with it
    const InstalledProgramList &Installed; // the programs still installed besides it
    CKeepPolicy &Policy;                   // asked before any item is listed; finders may protect
                                           // the folders they search
    CLeftoverReport &Report;               // told about every item a finder keeps
    const LeftoverList &Found;             // what the finders before this one found
};

class ILeftoverFinder {
public:
    virtual ~ILeftoverFinder() = default;
    // What the source holds of the program, in removal order.
    virtual LeftoverList Find(const LeftoverSearch &search) = 0;
};

using LeftoverFinderList = std::vector<std::unique_ptr<ILeftoverFinder>>;

// Every finder, in the order they run: the install folder, the data folders, the Start menu, the
// desktop, the registry, the user's own desktop, then (where the platform gives the files of the
// desktop around a Wine prefix) what Wine's menu builder wrote for the program.
LeftoverFinderList LeftoverFinders(const pw::Platform &platform, CAppEnum &appEnum);
