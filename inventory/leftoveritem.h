#pragma once
// One thing a program left behind: a file, a folder, a registry key or value, a MuiCache value,
// or a file of the Linux desktop around a Wine prefix (a menu entry, icon or MIME package).
#include <QList>
#include <QString>

#include <cstdint>

enum LeftoverKind : int {
    LeftoverFile = 0,
    LeftoverFolder = 1,
    LeftoverRegistry = 2,
    LeftoverMuiCache = 3,
    LeftoverDesktopFile = 4, // Path is a native (Linux) path
};

struct LeftoverItem {
    QString Text;      // what the user is shown
    QString Path;      // file or folder path (Windows; native for a desktop file), registry key
                       // path, or MuiCache value name
    QString ValueName; // registry value to delete; empty for a whole key
    int Kind = LeftoverFile;

    // Registry items: where the key was found (pw::RegRoot value and view flag).
    uint32_t RegistryRoot = 0;
    uint32_t RegistryView = 0;
};

using LeftoverList = QList<LeftoverItem>;
