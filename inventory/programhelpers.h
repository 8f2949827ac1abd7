#pragma once
// Turning uninstall values into what the pages show: size texts, icon files, file titles and
// install times. Narrow strings are in the local 8-bit encoding, as the records hold them.
#include <QByteArray>
#include <QString>

#include <cstdint>

// "-" for 0, else "%1 KB" / "%1 MB" / "%1 GB" with two decimals, 1024-based, strict thresholds.
QString FormatSize(uint64_t bytes);

// The file path of a DisplayIcon value: the icon index after a comma and quotes are dropped.
QByteArray GetIconFilePath(QByteArray displayIcon);

// The name after the last backslash without its last four characters; empty when that name
// has four characters or fewer.
QByteArray GetFileTitle(QByteArray path);

// Creation time of a file or folder as "yyyy-MM-dd hh:mm:ss" (local time), empty when the
// path does not exist. Windows paths are mapped to native paths first.
QString GetCreationTime(const QByteArray &path);

// The native path of the icon file a DisplayIcon value names; empty when there is none.
QString ProgramIconFile(const QByteArray &displayIcon);

// The native path for a Windows path from the registry (identity for a native path).
QString NativePath(const QString &windowsPath);
