#include "leftovers/leftoverreport.h"

#include "inventory/appenum.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/removaljournal.h"
#include "libs/sharelog/sharelog.h"

namespace {

QString rootName(uint32_t root, uint32_t view)
{
    QString name;
    switch (pw::RegRoot(root)) {
    case pw::RegRoot::LocalMachine: name = QStringLiteral("HKEY_LOCAL_MACHINE"); break;
    case pw::RegRoot::CurrentUser: name = QStringLiteral("HKEY_CURRENT_USER"); break;
    case pw::RegRoot::ClassesRoot: name = QStringLiteral("HKEY_CLASSES_ROOT"); break;
    default: name = QStringLiteral("(unknown root)"); break;
    }
    if (view == pw::kKeyWow64_32Key)
        name += QStringLiteral(" (32-bit)");
    else if (view == pw::kKeyWow64_64Key)
        name += QStringLiteral(" (64-bit)");
    return name;
}

} // namespace

LeftoverItem FileLeftover(int kind, const QString &windowsPath)
{
    LeftoverItem item;
    item.Text = windowsPath;
    item.Path = windowsPath;
    item.Kind = kind;
    return item;
}

const char *LeftoverKindName(int kind)
{
    switch (kind) {
    case LeftoverFile: return "file";
    case LeftoverFolder: return "folder";
    case LeftoverRegistry: return "registry";
    case LeftoverDesktopFile: return "desktop file";
    default: return "MuiCache";
    }
}

pw::RegRoot MuiCacheRoot(const LeftoverItem &item)
{
    return item.RegistryRoot == uint32_t(pw::RegRoot::CurrentUser) ? pw::RegRoot::CurrentUser
                                                                   : pw::RegRoot::ClassesRoot;
}

QByteArray DescribeLeftover(const LeftoverItem &item)
{
    if (item.Kind == LeftoverRegistry) {
        QString text = rootName(item.RegistryRoot, item.RegistryView) + QLatin1Char('\\') + item.Path;
        if (!item.ValueName.isEmpty())
            text += QLatin1Char('|') + item.ValueName;
        return text.toLocal8Bit();
    }
    if (item.Kind != LeftoverFile && item.Kind != LeftoverFolder && item.Kind != LeftoverDesktopFile) {
        const pw::RegRoot root = MuiCacheRoot(item);
        return (rootName(uint32_t(root), 0) + QLatin1Char('\\') + QString::fromStdString(MuiCacheKey(root))
                + QLatin1Char('|') + item.Path)
            .toLocal8Bit();
    }
    return item.Path.toLocal8Bit();
}

namespace {

journal::Item journalItem(const LeftoverItem &item)
{
    journal::Item out;
    out.kind = item.Kind;
    out.path = item.Path;
    if (item.Kind == LeftoverRegistry) {
        out.value = item.ValueName;
        out.root = item.RegistryRoot;
        out.view = item.RegistryView;
    } else if (item.Kind == LeftoverMuiCache) {
        out.root = uint32_t(MuiCacheRoot(item));
    }
    return out;
}

} // namespace

int CLeftoverReport::Begin(const LeftoverItem &item, const QString &native, qint64 size)
{
    if (!m_journal)
        return -1;
    journal::Item entry = journalItem(item);
    entry.native = native;
    entry.size = size;
    return m_journal->AddItem(m_program, entry);
}

int CLeftoverReport::Record(const LeftoverItem &item, int entry, int state, const QString &note,
                            const QString &trashPath)
{
    if (!m_journal)
        return -1;
    if (entry < 0) {
        journal::Item fresh = journalItem(item);
        fresh.state = journal::State(state);
        fresh.note = note;
        fresh.trashPath = trashPath;
        return m_journal->AddItem(m_program, fresh);
    }
    m_journal->SetState(m_program, entry, journal::State(state), note, trashPath);
    return entry;
}

void CLeftoverReport::Refused(const LeftoverItem &item, const QString &reason, int entry)
{
    m_result->Refused.append(item);
    LogInfo("Leftover %s kept (%s): %s", LeftoverKindName(item.Kind), reason.toLocal8Bit().constData(),
            DescribeLeftover(item).constData());
    Record(item, entry, int(journal::State::Kept), reason);
}

void CLeftoverReport::Removed(const LeftoverItem &item, bool wasThere, int entry, const QString &note)
{
    m_result->Removed.append(item);
    if (wasThere)
        LogInfo("Leftover %s removed: %s", LeftoverKindName(item.Kind), DescribeLeftover(item).constData());
    else
        LogInfo("Leftover %s already gone: %s", LeftoverKindName(item.Kind), DescribeLeftover(item).constData());
    if (wasThere && !note.isEmpty())
        LogInfo("Leftover %s deleted for good (%s): %s", LeftoverKindName(item.Kind), note.toLocal8Bit().constData(),
                DescribeLeftover(item).constData());
    Record(item, entry, int(wasThere ? journal::State::Deleted : journal::State::Gone), note);
}

void CLeftoverReport::Trashed(const LeftoverItem &item, const QString &trashPath, int entry)
{
    m_result->Removed.append(item);
    m_result->Trashed.append(item);
    LogInfo("Leftover %s removed: %s", LeftoverKindName(item.Kind), DescribeLeftover(item).constData());
    LogInfo("Leftover %s moved to the trash as %s", LeftoverKindName(item.Kind), trashPath.toLocal8Bit().constData());
    Record(item, entry, int(journal::State::Trashed), QString(), trashPath);
}

void CLeftoverReport::TrashedInside(const LeftoverItem &item, const QString &trashPath, int entry)
{
    m_result->Trashed.append(item);
    LogInfo("Leftover %s removed: %s", LeftoverKindName(item.Kind), item.Path.toLocal8Bit().constData());
    LogInfo("Leftover %s moved to the trash as %s", LeftoverKindName(item.Kind), trashPath.toLocal8Bit().constData());
    Record(item, entry, int(journal::State::Trashed), QString(), trashPath);
}

void CLeftoverReport::DeletedInside(const LeftoverItem &item, const QString &note, int entry)
{
    LogInfo("Leftover %s deleted for good (%s): %s", LeftoverKindName(item.Kind), note.toLocal8Bit().constData(),
            item.Path.toLocal8Bit().constData());
    Record(item, entry, int(journal::State::Deleted), note);
}

void CLeftoverReport::SetRegBackup(const QString &fileName)
{
    if (m_journal)
        m_journal->SetRegBackup(m_program, fileName);
}

void CLeftoverReport::Failed(const LeftoverItem &item, const QString &why, int entry)
{
    m_result->Failed.append(item);
    LogInfo("Leftover %s not removed (%s): %s", LeftoverKindName(item.Kind), why.toLocal8Bit().constData(),
            DescribeLeftover(item).constData());
    Record(item, entry, int(journal::State::Failed), why);
}

void CLeftoverReport::Partial(const LeftoverItem &item, const QString &why, int entry)
{
    m_result->Failed.append(item);
    LogInfo("Leftover %s not removed (%s): %s", LeftoverKindName(item.Kind), why.toLocal8Bit().constData(),
            DescribeLeftover(item).constData());
    Record(item, entry, int(journal::State::Partial), why);
}
