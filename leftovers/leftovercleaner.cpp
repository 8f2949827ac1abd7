#include "leftovers/leftovercleaner.h"

#include "leftovers/installfolderfinder.h"
#include "leftovers/installstate.h"
#include "leftovers/leftoverremover.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/namedfolderfinder.h"
#include "leftovers/programpaths.h"
#include "leftovers/registryfinder.h"
#include "libs/sharelog/sharelog.h"

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
    m_result = CleanResult();

    // Which programs are installed now that the uninstaller has ended.
    InstalledNow now;
    if (installedNow) {
        now = *installedNow;
    } else {
        m_appEnum.EnumPrograms();
        now = {m_appEnum.GetPrograms(), m_appEnum.GetUpdates()};
    }
    InstalledProgramList others;
    for (const InstalledProgram &p : now.programs)
        if (!IsSameEntry(p, removed))
            others.append(p);
    m_policy = CKeepPolicy(m_platform.folders, others);
    m_result.StillInstalled = IsStillInstalled(removed, now.programs + now.updates, m_platform);
    if (m_result.StillInstalled) {
        LogInfo("Leftovers of %s not cleaned: the program is still installed", FieldText(removed.DisplayName).constData());
        return m_result;
    }

    CLeftoverReport report(&m_result);
    const QByteArray installBytes = LeftoverInstallPath(removed);
    const QString installPath = QString::fromLocal8Bit(installBytes);
    m_leftovers += CInstallFolderFinder(m_policy, report).Find(installPath);

    CNamedFolderFinder named(m_policy, report);
    const QString dataName = CInstallFolderFinder::DataFolderName(installPath);
    const QString roaming = dataName.isEmpty() ? QString() : named.SpecialFolder(pw::kCsidlAppData);
    if (!roaming.isEmpty()) {
        // Only near the top: a folder of that name deep in another program's tree is that program's.
        m_leftovers += named.Find(roaming, dataName, NameMatch::FolderNearTop).All();
        m_leftovers += named.Find(roaming.left(3) + QStringLiteral("ProgramData"), dataName, NameMatch::FolderNearTop).All();
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

    m_leftovers += CRegistryFinder(m_appEnum, m_policy, report).Find(removed, installBytes);
    m_result.Found = m_leftovers;
    return m_result;
}

void CLeftoverCleaner::RemoveLeftovers()
{
    CLeftoverReport report(&m_result);
    CLeftoverRemover(m_platform, m_policy, report, m_program).Remove(m_leftovers);
}
