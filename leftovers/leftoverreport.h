#pragma once
// What the finders and the remover tell about each item: kept (and why), removed or already
// gone, or failed (and why). Every event goes into the clean's result and to the log, with the
// item's kind and path.
#include "inventory/leftoveritem.h"
#include "platform/registry.h"

#include <QByteArray>
#include <QString>

struct CleanResult;
class CRunJournal;

class CLeftoverReport {
public:
    // `journal`/`program`: where the items of the removal are recorded (none for the scan).
    explicit CLeftoverReport(CleanResult *result, CRunJournal *journal = nullptr, int program = -1)
        : m_result(result), m_journal(journal), m_program(program)
    {
    }

    // Records an item in the journal before it is moved or deleted; gives its index there (-1
    // without a journal). `native`: its native path (files and folders); `size`: its bytes.
    int Begin(const LeftoverItem &item, const QString &native = QString(), qint64 size = -1);

    // Each of these takes the journal index Begin gave (-1: the item gets a record of its own).
    void Refused(const LeftoverItem &item, const QString &reason, int entry = -1);
    // Deleted for good (`note`: how, when it was not meant to be), or already gone.
    void Removed(const LeftoverItem &item, bool wasThere, int entry = -1, const QString &note = QString());
    // Moved to the trash, to `trashPath`.
    void Trashed(const LeftoverItem &item, const QString &trashPath, int entry = -1);
    // An entry of a leftover folder moved to the trash on its own (the folder keeps something).
    void TrashedInside(const LeftoverItem &item, const QString &trashPath, int entry);
    // An entry of a leftover folder deleted on its own (`note`: why not moved to the trash).
    void DeletedInside(const LeftoverItem &item, const QString &note, int entry);
    // The program's registry items are backed up to `fileName` (beside the journal).
    void SetRegBackup(const QString &fileName);
    void Failed(const LeftoverItem &item, const QString &why, int entry = -1);
    // A folder whose entries went one by one and that keeps some of them.
    void Partial(const LeftoverItem &item, const QString &why, int entry);

private:
    int Record(const LeftoverItem &item, int entry, int state, const QString &note, const QString &trashPath = QString());

    CleanResult *m_result;
    CRunJournal *m_journal;
    int m_program;
};

// A file or folder item at `windowsPath`.
LeftoverItem FileLeftover(int kind, const QString &windowsPath);

// "file", "folder", "registry" or "MuiCache".
const char *LeftoverKindName(int kind);
// An item as the log shows it: its path, or its registry root, key and value.
QByteArray DescribeLeftover(const LeftoverItem &item);
// Where a MuiCache item was found: the user's classes, or HKEY_CLASSES_ROOT.
pw::RegRoot MuiCacheRoot(const LeftoverItem &item);
