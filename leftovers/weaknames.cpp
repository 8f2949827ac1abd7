#include "leftovers/weaknames.h"

const QStringList &GenericFolderNames()
{
    static const QStringList names{
        // System and shared folders
        QStringLiteral("Program Files"), QStringLiteral("Program Files (x86)"),
        QStringLiteral("Common Files"), QStringLiteral("ProgramData"), QStringLiteral("Windows"),
        QStringLiteral("System32"), QStringLiteral("SysWOW64"), QStringLiteral("Users"),
        QStringLiteral("Public"), QStringLiteral("Default"), QStringLiteral("AppData"),
        QStringLiteral("Roaming"), QStringLiteral("Local"), QStringLiteral("LocalLow"),
        QStringLiteral("Application Data"), QStringLiteral("Local Settings"),
        QStringLiteral("Documents"), QStringLiteral("My Documents"), QStringLiteral("Documents and Settings"),
        QStringLiteral("Desktop"), QStringLiteral("Start Menu"), QStringLiteral("Programs"),
        QStringLiteral("Startup"), QStringLiteral("Downloads"), QStringLiteral("Temp"),
        QStringLiteral("Cache"), QStringLiteral("Caches"), QStringLiteral("Logs"),
        QStringLiteral("Config"), QStringLiteral("Settings"), QStringLiteral("Data"),
        QStringLiteral("Shared"), QStringLiteral("Common"), QStringLiteral("Plugins"),
        QStringLiteral("Resources"), QStringLiteral("Fonts"), QStringLiteral("Drivers"),
        QStringLiteral("Package Cache"), QStringLiteral("Installer"),
        // Vendors and words that name no single program
        QStringLiteral("Microsoft"), QStringLiteral("Microsoft Corporation"), QStringLiteral("Google"),
        QStringLiteral("Mozilla"), QStringLiteral("Adobe"), QStringLiteral("Apple"), QStringLiteral("Intel"),
        QStringLiteral("NVIDIA"), QStringLiteral("NVIDIA Corporation"), QStringLiteral("Oracle"),
        QStringLiteral("Wine"), QStringLiteral("Tools"), QStringLiteral("Utilities"),
        QStringLiteral("Games"), QStringLiteral("Apps"), QStringLiteral("Application"),
        QStringLiteral("Applications"), QStringLiteral("Program"), QStringLiteral("Software"),
        QStringLiteral("Setup"), QStringLiteral("Install"), QStringLiteral("Uninstall"),
        QStringLiteral("Uninstaller"), QStringLiteral("Update"), QStringLiteral("Updater"),
        QStringLiteral("Updates"), QStringLiteral("Runtime"), QStringLiteral("Redistributable"),
        QStringLiteral("Help"), QStringLiteral("Readme"), QStringLiteral("Documentation"),
        QStringLiteral("License"), QStringLiteral("Uninst"), QStringLiteral("Unins000"),
    };
    return names;
}

bool IsWeakName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.size() < kShortestProgramName)
        return true;
    return GenericFolderNames().contains(trimmed, Qt::CaseInsensitive);
}
