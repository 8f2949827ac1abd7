#pragma once
// What the finders and the remover tell about each item: kept (and why), removed or already
// gone, or failed (and why). Every event goes into the clean's result and to the log, with the
// item's kind and path.
#include "inventory/leftoveritem.h"
#include "platform/registry.h"

#include <QByteArray>
#include <QString>

struct CleanResult;

class CLeftoverReport {
public:
    explicit CLeftoverReport(CleanResult *result) : m_result(result) {}

    void Refused(const LeftoverItem &item, const QString &reason);
    void Removed(const LeftoverItem &item, bool wasThere);
    void Failed(const LeftoverItem &item, const QString &why);

private:
    CleanResult *m_result;
};

// A file or folder item at `windowsPath`.
LeftoverItem FileLeftover(int kind, const QString &windowsPath);

// "file", "folder", "registry" or "MuiCache".
const char *LeftoverKindName(int kind);
// An item as the log shows it: its path, or its registry root, key and value.
QByteArray DescribeLeftover(const LeftoverItem &item);
// Where a MuiCache item was found: the user's classes, or HKEY_CLASSES_ROOT.
pw::RegRoot MuiCacheRoot(const LeftoverItem &item);
