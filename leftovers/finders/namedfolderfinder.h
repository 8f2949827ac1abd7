#pragma once
// Files and folders named after the program below one folder (roaming application data,
// ProgramData, the Start menu, the desktop). The folder searched becomes a protected place for
// the rest of the clean; matches lie below it, never on its own path. Hidden entries are
// searched; links are listed as themselves and never entered.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"

#include <QString>

#include <functional>

class CKeepPolicy;
class CLeftoverReport;

// How a name matches.
enum class NameMatch {
    InsideFolder, // everything inside a folder of that whole name ("App" finds "...\App\x", not "...\MyApp\x")
    FolderNearTop, // as InsideFolder, but only a folder directly in the base or in one vendor folder
                   // below it ("...\App", "...\Vendor\App"), not one deep in another program's tree
    Contains,      // every file or folder whose path below the base contains the name
};

// What one search found: the files, then the folders, in the order the remover takes them.
struct NamedMatches {
    LeftoverList Files;
    LeftoverList Folders;
    LeftoverList All() const { return Files + Folders; }
};

class CNamedFolderFinder {
public:
    CNamedFolderFinder(CKeepPolicy &policy, CLeftoverReport &report) : m_policy(policy), m_report(report) {}

    // A search below the special folder `csidl` for the last name of `name`; `label` names the
    // search in the log ("Start menu"). Nothing when the folder is unknown or the name is empty
    // or too weak to identify a program.
    NamedMatches FindIn(int csidl, const QString &name, NameMatch how, const char *label);
    // The shortcuts named after the last name of `name` directly on the desktop-like folder
    // `csidl`: shortcut files (.lnk, .url, .pif) whose name contains it, and a folder of exactly
    // that name holding nothing but shortcuts (the folder after its shortcuts). Everything else
    // there that bears the name is the user's: it is kept, and the report says why.
    NamedMatches FindShortcutsIn(int csidl, const QString &name, const char *label);
    // Whether a file name is a shortcut's.
    static bool IsShortcutName(const QString &fileName);
    // A search below `base` (a Windows path) for `name` as it is.
    NamedMatches FindMatchingEntries(const QString &base, const QString &name, NameMatch how);
    // The content of the program's data folders below `base` (roaming application data,
    // ProgramData), named `name` like its install folder. When the install folder sits in a
    // vendor folder `vendor` ("...\\Vexa\\Notes") and `base` holds "vendor\\name", that folder
    // alone is the program's: a folder of the same name directly in `base` or in another vendor's
    // folder belongs to someone else and is reported kept. Otherwise a folder of that name
    // directly in `base` or in any one folder below it is the program's (NameMatch::FolderNearTop).
    NamedMatches FindDataFolders(const QString &base, const QString &name, const QString &vendor);

    // The Windows path of a special folder; empty when the machine does not name it.
    QString SpecialFolder(int csidl) const;

private:
    struct Pattern {
        QString Name;
        bool FolderName = false; // matches what lies inside a folder of that name
        bool NearTop = false;    // that folder only directly in the base or one folder below it
        QString Vendor;          // that folder only in this folder directly in the base
    };

    NamedMatches FindMatchingEntries(const QString &base, const QString &name, NameMatch how, const QString &vendor);
    void Walk(NamedMatches &out, const QString &native, const QString &windows, const QString &relative,
              bool inNamedFolder, const Pattern &pattern, const QString &searchedName);
    // Whether the folder `name` at `relativeDir` below the base is one whose content the
    // pattern finds; a folder of the name that is another vendor's is reported kept.
    bool IsNamedFolder(const Pattern &pattern, const QString &relativeDir, const QString &name,
                       const QString &windowsPath);
    static bool Matches(const Pattern &pattern, bool inNamedFolder, const QString &relativeDir, const QString &name);
    void Accept(LeftoverList &list, int kind, const QString &windowsPath, const QString &relative,
                const QString &searchedName);

    CKeepPolicy &m_policy;
    CLeftoverReport &m_report;
};

// The items of a shortcut place (the Start menu, the desktop) by the program's display name, else
// by the Start menu group its installer recorded: `find` searches the place for one name. The
// retry lists the folders of the first search again, after its own files (the remover finds
// them gone).
LeftoverList FindByNameOrGroup(const InstalledProgram &program, const std::function<NamedMatches(const QString &)> &find);
