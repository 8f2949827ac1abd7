#pragma once
// What Wine's menu builder wrote on the Linux desktop for the removed program's shortcuts (Linux
// only; the platform's pw::IHostDesktop names the prefix and the user's folders):
//  - the menu entries and menus it recorded in the prefix's HKCU\Software\Wine\MenuFiles (value
//    name: the Linux file, a .desktop under applications/wine/ or a .menu under
//    menus/applications-merged/; data: the Windows shortcut it was made from) whose shortcut is
//    gone now, lies in or among what the finders before found, or lies in the install folder; the
//    files, then the values. A .desktop that now starts another prefix is that prefix's and kept;
//  - the entries it wrote beside the shortcuts on the user's desktop without recording them:
//    .desktop files whose Exec= starts this prefix and names a removed shortcut or a file in the
//    install folder, or whose Path= is that folder;
//  - the icons (icons/<theme>/<size>/apps/<name>.png) those entries name, when no other entry
//    still uses them;
//  - the .directory files of the menu folders that the removal leaves without entries;
//  - the file associations it wrote (HKCU\Software\Wine\FileOpenAssociations\<.ext>, its
//    x-wine-extension-* MIME package and wine-extension-*.desktop) whose handler is the program:
//    its open command names the install folder, or its class is gone and carries the program's
//    name.
// Nothing of another prefix: every file it lists names this prefix or is recorded in it.
#include "leftovers/finders/leftoverfinder.h"

#include <QString>
#include <QStringList>

namespace pw {
class IHostDesktop;
class IRegistry;
class ISpecialFolders;
} // namespace pw

class CMenuBuilderFinder : public ILeftoverFinder {
public:
    CMenuBuilderFinder(pw::IHostDesktop *desktop, pw::IRegistry *registry, pw::ISpecialFolders *folders)
        : m_desktop(desktop), m_registry(registry), m_folders(folders)
    {
    }

    LeftoverList Find(const LeftoverSearch &search) override;

    // The keys of the prefix's registry this finder lists values and keys of.
    static const char *MenuFilesKey();
    static const char *FileOpenAssociationsKey();

    // The arguments of a desktop entry's Exec= value, as the desktop-entry rules and Wine's own
    // escaping give them (the file's string escapes undone, then the quoting and backslashes).
    static QStringList ExecArguments(const QString &value);

private:
    pw::IHostDesktop *m_desktop;
    pw::IRegistry *m_registry;
    pw::ISpecialFolders *m_folders;
};
