#pragma once
// The program's shortcuts on the common desktop, by its display name, else by the Start menu
// group its installer recorded. Only shortcuts (and a folder of nothing but shortcuts) are the
// program's: what else bears its name there is the user's.
#include "leftovers/finders/leftoverfinder.h"

class CDesktopFinder : public ILeftoverFinder {
public:
    LeftoverList Find(const LeftoverSearch &search) override { return SearchDesktop(search); }
    static LeftoverList SearchDesktop(const LeftoverSearch &search);
};
