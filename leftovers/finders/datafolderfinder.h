#pragma once
// The program's data folders: named like its install folder, in roaming application data and in
// ProgramData, near the top of each (a folder of that name deep in another program's tree is
// that program's), and only in the install folder's vendor folder when that holds one.
#include "leftovers/finders/leftoverfinder.h"

class CDataFolderFinder : public ILeftoverFinder {
public:
    LeftoverList Find(const LeftoverSearch &search) override;
};
