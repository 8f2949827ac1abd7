#pragma once
// The data folder: where "uiconfig", "./Resources/", "./QSS/" and "./translations/" are found.
// In the build folder and in the Windows package it is the program's own folder; once installed
// (bin/purgewell with share/purgewell/) it is the installed data folder. The program makes it its
// current directory at start, so that every relative resource path, the style sheet's url()s
// included, resolves there whatever folder the program was started from.
#include <QString>

// The data folder for a program in `programDir`: `programDir` itself when it holds "uiconfig"
// (the build folder, the Windows package); else the installed data folder relative to it
// (`relativeDataDir`, e.g. "../share/purgewell") when that holds "uiconfig"; else `programDir`,
// where the missing files then show as they always did.
QString FindDataFolder(const QString &programDir, const QString &relativeDataDir);

// Chooses the data folder for the running program, makes it the current directory and the
// folder ProgramFolder() names. Returns the chosen folder; `error` gets why it could not be
// entered (the program then goes on from where it is).
QString EnterDataFolder(QString *error = nullptr);
