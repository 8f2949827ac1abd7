#pragma once
// Building home folders with Wine prefixes in them, for the prefix tests.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace prefixtree {

// Writes `data` to `path`, making its folders.
inline bool write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// A prefix as Wine leaves it: drive_c/ and system.reg, 64-bit or (`arch` "win32") 32-bit.
inline void makePrefix(const QString &path, const char *arch = "win64")
{
    QDir().mkpath(path + QStringLiteral("/drive_c/windows"));
    write(path + QStringLiteral("/system.reg"),
          QByteArray("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=") + arch
              + "\n\n[Software] 1700000000\n");
}

} // namespace prefixtree
