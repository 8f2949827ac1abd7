#pragma once
// Windows paths as the registry and the special folders give them ("C:\\Program Files\\App").
// Comparisons ignore case, as Windows does.
#include <QString>
#include <QStringList>

namespace winpath {

// An absolute drive path in one spelling: '/' becomes '\\', repeated separators collapse, the
// trailing separator goes (a drive root keeps it: "C:\\"), and the trailing dots and spaces
// Windows ignores are dropped from each name. Empty for anything else: a relative or UNC path,
// or a path with a "." or ".." component, which could name a place other than it seems to.
QString Normalize(const QString &path);

// The names below the drive, already normalized: "C:\\A\\B" gives {"A", "B"}.
QStringList Components(const QString &normalized);

// True when `path` is `folder` or lies inside it (both normalized).
bool IsSameOrInside(const QString &path, const QString &folder);

// The parent of a normalized path; empty for a drive root.
QString Parent(const QString &normalized);

// `path` without trailing separators ('\\' or '/'); a drive root ("C:\\") keeps its own.
QString StripTrailingSeparators(QString path);

// The part after the last backslash (the whole text when there is none).
QString LastName(const QString &path);

} // namespace winpath
