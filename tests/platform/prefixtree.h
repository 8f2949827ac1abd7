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

// A prefix as Wine leaves it: drive_c/ and system.reg.
inline void makePrefix(const QString &path)
{
    QDir().mkpath(path + QStringLiteral("/drive_c/windows"));
    write(path + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n");
}

} // namespace prefixtree
