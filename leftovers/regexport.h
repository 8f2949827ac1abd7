#pragma once
// Registry backups as .reg files: the keys and values about to be deleted are read with every
// byte of their data, then written in the "Windows Registry Editor Version 5.00" format, which
// `reg import file.reg` on Windows and `wine regedit file.reg` under Wine restore in place.
//
// Names, paths and string data are in the local 8-bit encoding of pw::IRegistry; the text
// converts them to UTF-16. Non-string data (binary, numbers, any other type) is written byte
// for byte.
#include "platform/registry.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// One registry key as read, with its values and subkeys.
struct RegExportKey {
    std::string path; // full, e.g. "HKEY_LOCAL_MACHINE\\Software\\..."
    struct Value {
        std::string name; // empty for the key's default value
        uint32_t type;
        std::vector<uint8_t> data;
    };
    std::vector<Value> values;
};

// Reads the key at root/path in `view` (with every subkey, recursively, each as a key of its own
// after its parent) or one value of it, and appends what it read to *out. A key or value that
// does not exist is not an error: the call returns true and appends nothing (a subkey that
// vanishes while it is read is skipped the same way). Any other failure returns false; *out
// may then hold part of the tree.
//
// A key read through the 32-bit view (kKeyWow64_32Key) of HKEY_LOCAL_MACHINE\Software on a
// system that has one is given its real path, "Software\Wow6432Node\...", so that the file
// restores it in the same place.
bool ReadRegExportKey(pw::IRegistry &reg, pw::RegRoot root, uint32_t view, const std::string &path,
                      std::vector<RegExportKey> *out);
bool ReadRegExportValue(pw::IRegistry &reg, pw::RegRoot root, uint32_t view, const std::string &path,
                        const std::string &valueName, std::vector<RegExportKey> *out);

// The text of a .reg file ("Windows Registry Editor Version 5.00"), as UTF-16LE with BOM.
// A key whose path a .reg file cannot hold (see RegExportProblem) is left out.
QByteArray RegExportText(const std::vector<RegExportKey> &keys);

// Why `keys` cannot be written completely (a key path with a line break or NUL, which no .reg
// file can carry), or an empty string when they can. Check it before relying on the backup.
QString RegExportProblem(const std::vector<RegExportKey> &keys);

// "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT".
QString RegExportRootName(pw::RegRoot root);

// The path a key has in the file: the root's name, and the path in the registry's own layout.
std::string RegExportKeyPath(pw::IRegistry &reg, pw::RegRoot root, uint32_t view, const std::string &path);

// Reads a .reg text as RegExportText writes it (UTF-16LE with BOM, or UTF-8/8-bit without):
// keys in order, each with its values, the data as the registry holds it (strings back in the
// local 8-bit encoding with their NUL). False with *error naming the first line that is not
// understood (a key line, a quoted or hex value, a dword, a "-" deletion, which is refused);
// nothing is then returned. At most `maxKeys` keys and 1 MiB of data per value are read.
bool ParseRegExportText(const QByteArray &text, std::vector<RegExportKey> *out, QString *error,
                        size_t maxKeys = 100000);
// A key path of the file ("HKEY_LOCAL_MACHINE\\Software\\...") split into its root and the path
// below it; false for a root this product does not write.
bool SplitRegExportPath(const std::string &fullPath, pw::RegRoot *root, std::string *path);
