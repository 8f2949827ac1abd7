#pragma once
// Restore: puts one program's leftovers of one run back, as its journal (removaljournal.h)
// names them. No widgets; runs on any thread, one restore at a time per journal.
//
// Only what this product removed comes back, and only to where it was:
//  - a file or folder the journal records as moved to the trash is moved back from the trash
//    (trash::PutBack) to the native path it was removed from, and only when that path is still
//    the one the current platform gives its Windows path; never over anything that exists there
//    now;
//  - the registry keys and values of the program's .reg backup are written back through the
//    platform's registry (CreateKey/SetValue in the 64-bit view, the backup naming the real
//    path of a 32-bit key), and only those under the places a removal can have taken them from
//    (the Uninstall key of either view under HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER, the
//    MuiCache key) that the journal records as removed; a value that exists now is left as it is.
// Anything else a damaged or edited journal or backup names is refused and reported. On Linux a
// program whose prefix is not the open one is refused with the prefix to choose, one whose prefix
// is gone is refused as such. The journal records what came back and what did not.
#include "leftovers/removaljournal.h"
#include "platform/platform.h"

#include <QString>
#include <QVector>

enum class RestoreOutcome {
    Restored,        // back in place
    AlreadyRestored, // an earlier restore put it back
    NotInTrash,      // no longer in the trash (emptied, or put back by hand)
    Taken,           // something exists at its place now: left as it is
    Refused,         // the journal or the backup names what a removal cannot have taken
    Failed,          // the move or the registry write failed
    NotRestorable,   // deleted for good, kept, failed or never touched: nothing to bring back
};

struct RestoredItem {
    journal::Item item;
    RestoreOutcome outcome = RestoreOutcome::Failed;
    QString detail; // why, for what did not come back
};

struct RestoreResult {
    // Why nothing was restored (a damaged journal, another prefix, a run still being written);
    // empty when the program's items were tried.
    QString problem;
    // The prefix the program belongs to, when `problem` is that it is not the open one.
    QString otherPrefix;
    QVector<RestoredItem> items;
    int restored = 0;
    int notRestored = 0;
    // The program's own uninstall entry came back: the program list shows it again.
    bool entryBack = false;
};

// Restores program `program` of the journal `journalFile` on `platform`. `openPrefix`: the Wine
// prefix `platform` works in (Linux; empty on Windows).
RestoreResult RestoreProgram(const QString &journalFile, int program, const pw::Platform &platform,
                             const QString &openPrefix);

// A name for an outcome, as the journal's restore note records it.
QString RestoreOutcomeName(RestoreOutcome outcome);
