#pragma once
// Settings come from two INI files in the program folder: "userconfig" overrides
// "uiconfig". Nothing is ever written and nothing has a built-in default.
#include <QString>
#include <QVariant>

// The folder of the running executable, or the data folder the program chose at start
// (EnterDataFolder, shell/datafolder.h): where the settings files are.
QString ProgramFolder();
// Names the folder ProgramFolder() returns from now on; an empty one restores the default.
void SetProgramFolder(const QString &folder);

// Reads group/key from "userconfig", then from "uiconfig". `fileName` is kept for the callers
// that name the installed file; the lookup order does not depend on it. Returns whether a
// valid value was found. `folder` defaults to the program folder.
bool ReadConfigValue(const QString &group, const QString &key, QVariant &value,
                     const QString &fileName = QStringLiteral("uiconfig"), const QString &folder = QString());
