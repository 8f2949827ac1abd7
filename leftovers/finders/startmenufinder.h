#pragma once
// The program's entries in the common Start menu: everything inside a folder named like its
// display name, else like the Start menu group its installer recorded.
#include "leftovers/finders/leftoverfinder.h"

class CStartMenuFinder : public ILeftoverFinder {
public:
    LeftoverList Find(const LeftoverSearch &search) override { return SearchStartMenu(search); }
    static LeftoverList SearchStartMenu(const LeftoverSearch &search);
};
