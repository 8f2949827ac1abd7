#pragma once
// The shortcuts on the user's own desktop (CSIDL_DESKTOPDIRECTORY; under Wine usually the real
// ~/Desktop) that start a file inside the removed program's install folder. The target is read
// from each shortcut through the shell (ISpecialFolders::ShortcutTarget), never guessed from the
// shortcut's name: one into another folder is not the program's, whatever it is called. Nothing
// when the install folder is a shared place, which names no one program.
#include "leftovers/finders/leftoverfinder.h"

namespace pw {
class ISpecialFolders;
}

class CUserDesktopFinder : public ILeftoverFinder {
public:
    LeftoverList Find(const LeftoverSearch &search) override { return SearchUserDesktop(search); }
    static LeftoverList SearchUserDesktop(const LeftoverSearch &search);
};
