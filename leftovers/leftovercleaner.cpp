#include "leftovers/leftovercleaner.h"

#include "inventory/uninstallkey.h"
#include "leftovers/finders/leftoverfinder.h"
#include "leftovers/installstate.h"
#include "leftovers/leftoverremover.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/programpaths.h"
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
    const LeftoverSearch search{removed, QString::fromLocal8Bit(LeftoverInstallPath(removed)), m_twins, others,
                                m_policy, report, m_leftovers};
    for (const std::unique_ptr<ILeftoverFinder> &finder : LeftoverFinders(m_platform, m_appEnum))
        m_leftovers += finder->Find(search);
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
    // The desktop's caches learn of removed menu entries and MIME packages.
    bool entries = false;
    bool mime = false;
    for (const LeftoverItem &item : m_result.Removed) {
        entries = entries || (item.Kind == LeftoverDesktopFile && item.Path.endsWith(QLatin1String(".desktop")));
        mime = mime || (item.Kind == LeftoverDesktopFile && item.Path.endsWith(QLatin1String(".xml")));
    }
    if (m_platform.hostDesktop && (entries || mime))
        m_platform.hostDesktop->RefreshDatabases(entries, mime);
}
