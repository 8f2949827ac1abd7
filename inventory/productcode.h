#pragma once
// Windows Installer product codes in uninstall entries. Windows Installer registers a product
// under its product code ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}") with WindowsInstaller = 1,
// and gives it the command "MsiExec.exe /I{product code}", which opens the product's
// maintenance (change or repair) rather than removing it.
#include <QByteArray>

// Whether `text` is a product code: 38 characters, braces around 8-4-4-4-12 hexadecimal digits.
bool IsProductCode(const QByteArray &text);

// The product code of a Windows Installer command, upper case: MsiExec with or without ".exe",
// with or without a path (quoted or not), in any case, with a switch /I, /X, -I or -X followed
// by the code, directly or after spaces ("MsiExec.exe /I{...}", "msiexec -x {...}").
// Empty for any other command, and for a switch that names a package file.
QByteArray ProductCodeFromCommand(const QByteArray &command);
