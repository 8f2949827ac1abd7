#pragma once
// One installed program as its uninstall entry describes it. Fixed-size and copied by value:
// every text field is a NUL-terminated narrow string in the local 8-bit encoding.
#include <QByteArray>
#include <QList>
#include <QMetaType>

#include <cstdint>
#include <cstring>

struct InstalledProgram {
    char DisplayIcon[260];
    char InnoSetupIconGroup[260];
    char DisplayName[260];
    char UninstallString[260]; // the quiet command when the entry has one
    char InstallLocation[260];
    char Publisher[260];
    char DisplayVersion[260];
    uint64_t Size; // bytes; 0 when the registry gives no usable estimate

    // Where the entry was read, so that the program's own entry can be told apart from
    // another program's and deleted in the view it was found in.
    uint32_t RegistryRoot;  // pw::RegRoot value
    uint32_t RegistryView;  // KEY_WOW64_32KEY, KEY_WOW64_64KEY, or 0 for the per-user key
    char SubKeyName[260];

    // A Windows Installer product: its product code ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}",
    // upper case), taken from the entry's key name or from its MsiExec command; empty for other
    // programs.
    char ProductCode[39];
    // UninstallString holds the entry's own QuietUninstallString.
    uint8_t QuietUninstall;

    InstalledProgram() { std::memset(this, 0, sizeof *this); }
};

using InstalledProgramList = QList<InstalledProgram>;

// The text of one of the 260-byte fields, up to its terminator and never past the field, even in
// a record whose field was filled to the brim.
template <size_t N>
QByteArray FieldText(const char (&field)[N])
{
    return QByteArray(field, int(strnlen(field, N)));
}

Q_DECLARE_METATYPE(InstalledProgram)
