#pragma once
// Paths a program's uninstall entry names, as the leftover scan reads them.
#include "inventory/installedprogram.h"

#include <QByteArray>
#include <QString>

// A path value as programs write it: surrounding quotes and a trailing icon index (",0",
// ",-101") removed. Unlike the icon helper it keeps commas that belong to the path
// ("C:\\Program Files\\Foo, Inc\\App").
QByteArray PathFromValue(const QByteArray &value);

// The install path the leftover scan starts from: InstallLocation, else DisplayIcon, else the
// file title of the uninstall command; one trailing backslash removed.
QByteArray LeftoverInstallPath(const InstalledProgram &program);

// The install folder of a program for telling its files from others': InstallLocation, else
// the folder of its icon file, else the folder of its uninstaller. Empty when the entry names
// no absolute folder.
QString ProgramFolder(const InstalledProgram &program);

// The program file an uninstall command starts, when the command names it by an absolute
// path ("\"C:\\App\\uninst.exe\" /S", "C:\\App\\unins000.exe /SILENT"); empty otherwise
// ("MsiExec.exe /X{...}").
QString UninstallerFile(const QByteArray &command);
