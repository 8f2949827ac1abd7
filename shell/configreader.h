#pragma once
// Settings come from two INI files in the program folder: "userconfig" overrides
// "uiconfig". Nothing is ever written and nothing has a built-in default.
#include <QString>
#include <QVariant>

// The folder of the running executable.
QString ProgramFolder();

// Reads group/key from "userconfig", then from "uiconfig". `fileName` is kept for the callers
// that name the installed file; the lookup order does not depend on it. Returns whether a
// valid value was found. `folder` defaults to the program folder.
bool ReadConfigValue(const QString &group, const QString &key, QVariant &value,
                     const QString &fileName = QStringLiteral("uiconfig"), const QString &folder = QString());
