#include "leftovers/leftovercleaner.h"

#include "inventory/uninstallkey.h"
#include "leftovers/installfolderfinder.h"
#include "leftovers/installstate.h"
#include "leftovers/leftoverremover.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/namedfolderfinder.h"
#include "leftovers/programpaths.h"
#include "leftovers/registryfinder.h"
#include "libs/sharelog/sharelog.h"

namespace {

// The uninstall key of an entry, as the log names registry items.
LeftoverItem entryItem(const InstalledProgram &p)
{
    LeftoverItem item;
    item.Kind = LeftoverRegistry;
    item.Path = QString::fromLocal8Bit(pw::UninstallEntryPath(FieldText(p.SubKeyName).toStdString()).c_str());
    item.RegistryRoot = p.RegistryRoot;
    item.RegistryView = p.RegistryView;
    return item;
}

} // namespace

CLeftoverCleaner::CLeftoverCleaner() : CLeftoverCleaner(pw::CurrentPlatform()) {}

CLeftoverCleaner::CLeftoverCleaner(const pw::Platform &platform)
    : m_platform(platform), m_appEnum(platform.registry, platform.system)
{
}

CleanResult CLeftoverCleaner::CleanLeftovers(const InstalledProgram &removed)
{
    return Clean(removed, nullptr);
}

CleanResult CLeftoverCleaner::CleanLeftovers(const InstalledProgram &removed, const InstalledNow &installedNow)
{
    return Clean(removed, &installedNow);
}

CleanResult CLeftoverCleaner::ScanLeftovers(const InstalledProgram &removed)
{
    return Scan(removed, nullptr);
}

CleanResult CLeftoverCleaner::Clean(const InstalledProgram &removed, const InstalledNow *installedNow)
{
    Scan(removed, installedNow);
    if (!m_result.StillInstalled)
        RemoveLeftovers();
    return m_result;
}

CleanResult CLeftoverCleaner::Scan(const InstalledProgram &removed, const InstalledNow *installedNow)
{
    m_program = removed;
    m_leftovers.clear();
    m_twins.clear();
    m_result = CleanResult();

    // Which programs are installed now that the uninstaller has ended.
    InstalledNow now;
    if (installedNow) {
        now = *installedNow;
    } else {
        m_appEnum.EnumPrograms();
        now = {m_appEnum.GetPrograms(), m_appEnum.GetUpdates()};
    }
    m_result.StillInstalled = IsStillInstalled(removed, now.programs + now.updates, m_platform);
    if (m_result.StillInstalled) {
        m_policy = CKeepPolicy();
        LogInfo("Leftovers of %s not cleaned: the program is still installed", FieldText(removed.DisplayName).constData());
        return m_result;
    }
    // The program's orphaned twins (the same program registered in the other view or per user,
    // whose uninstaller the uninstall removed) go with it and are no other program.
    InstalledProgramList others;
    for (const InstalledProgram &p : now.programs) {
        if (IsSameEntry(p, removed))
            continue;
        if (IsOrphanedTwin(p, removed, m_platform)) {
            LogInfo("Uninstall entry %s is an orphan of %s: its uninstaller is gone",
                    DescribeLeftover(entryItem(p)).constData(), FieldText(removed.DisplayName).constData());
            m_twins.append(p);
        } else {
            others.append(p);
        }
    }
    m_policy = CKeepPolicy(m_platform.folders, others);

    CLeftoverReport report(&m_result);
    const QByteArray installBytes = LeftoverInstallPath(removed);
    const QString installPath = QString::fromLocal8Bit(installBytes);
    m_leftovers += CInstallFolderFinder(m_policy, report).Find(installPath);

    CNamedFolderFinder named(m_policy, report);
    const QString dataName = CInstallFolderFinder::DataFolderName(installPath);
    const QString roaming = dataName.isEmpty() ? QString() : named.SpecialFolder(pw::kCsidlAppData);
    if (!roaming.isEmpty()) {
        // Only near the top: a folder of that name deep in another program's tree is that
        // program's; and only in the install folder's vendor folder when that holds one.
        const QString vendor = CInstallFolderFinder::VendorFolderName(installPath, m_policy);
        m_leftovers += named.FindDataFolders(roaming, dataName, vendor).All();
        m_leftovers += named.FindDataFolders(roaming.left(3) + QStringLiteral("ProgramData"), dataName, vendor).All();
    }
    // The Start menu and the desktop by the display name, else by the Start menu group the
    // installer recorded.
    const QString displayName = QString::fromLocal8Bit(FieldText(removed.DisplayName));
    const QString iconGroup = QString::fromLocal8Bit(FieldText(removed.InnoSetupIconGroup));
    // On the desktop only shortcuts are the program's: what else bears its name is the user's.
    const struct {
        int csidl;
        bool shortcutsOnly;
        const char *label;
    } places[] = {{pw::kCsidlCommonPrograms, false, "Start menu"}, {pw::kCsidlCommonDesktop, true, "Desktop"}};
    for (const auto &place : places) {
        const auto find = [&](const QString &name) {
            return place.shortcutsOnly ? named.FindShortcutsIn(place.csidl, name, place.label)
                                       : named.FindIn(place.csidl, name, NameMatch::InsideFolder, place.label);
        };
        const NamedMatches byName = find(displayName);
        m_leftovers += byName.All();
        if (!byName.Files.isEmpty())
            continue;
        // The retry lists the folders of the first search again, after its own files (the
        // remover finds them gone).
        const NamedMatches byGroup = find(iconGroup);
        m_leftovers += byGroup.Files + byName.Folders + byGroup.Folders;
    }

    m_leftovers += CRegistryFinder(m_appEnum, m_policy, report).Find(removed, installBytes, m_twins);
    m_result.Found = m_leftovers;
    return m_result;
}

void CLeftoverCleaner::RemoveLeftovers()
{
    CRunJournal *journal = m_record.journal.get();
    int index = -1;
    if (journal) {
        journal::Program p;
        p.name = QString::fromLocal8Bit(FieldText(m_program.DisplayName));
        p.publisher = QString::fromLocal8Bit(FieldText(m_program.Publisher));
        p.version = QString::fromLocal8Bit(FieldText(m_program.DisplayVersion));
        p.prefix = m_record.prefix;
        p.mode = m_record.mode;
        p.entryRoot = m_program.RegistryRoot;
        p.entryView = m_program.RegistryView;
        p.entryKey = entryItem(m_program).Path;
        index = journal->AddProgram(p);
    }
    CLeftoverReport report(&m_result, journal, index);
    CLeftoverRemover remover(m_platform, m_policy, report, m_program, m_twins);
    remover.SetMode(m_record.mode, journal && m_record.mode == RemovalMode::Trash ? journal->RegBackupFile(index)
                                                                                   : QString());
    remover.Remove(m_leftovers);
    if (journal)
        journal->FinishProgram(index);
}
