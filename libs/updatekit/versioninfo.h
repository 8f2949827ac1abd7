#pragma once
// Reading the update-information INI file. The reader follows the Windows profile rules rather
// than QSettings: a value is the raw text after '=' (commas and backslashes are kept), trimmed,
// with one pair of enclosing quotes removed.
#include <QByteArray>
#include <QString>

#include <array>

namespace updatekit {

using FourPartVersion = std::array<quint16, 4>;

// Finds `key` in `section` (both without regard to case). False when either is missing.
bool ReadIniValue(const QByteArray &content, const QString &section, const QString &key, QString *value);

// "a.b.c.d", each part a decimal number of 0..65535. False for anything else.
bool ParseVersion(const QString &text, FourPartVersion *version);

FourPartVersion VersionFromWords(unsigned int versionMS, unsigned int versionLS);

} // namespace updatekit
