#include "leftovers/leftoverreport.h"

#include "inventory/appenum.h"
#include "leftovers/leftovercleaner.h"
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

void CLeftoverReport::Refused(const LeftoverItem &item, const QString &reason)
{
    m_result->Refused.append(item);
    LogInfo("Leftover %s kept (%s): %s", LeftoverKindName(item.Kind), reason.toLocal8Bit().constData(),
            DescribeLeftover(item).constData());
}

void CLeftoverReport::Removed(const LeftoverItem &item, bool wasThere)
{
    m_result->Removed.append(item);
    if (wasThere)
        LogInfo("Leftover %s removed: %s", LeftoverKindName(item.Kind), DescribeLeftover(item).constData());
    else
        LogInfo("Leftover %s already gone: %s", LeftoverKindName(item.Kind), DescribeLeftover(item).constData());
}

void CLeftoverReport::Failed(const LeftoverItem &item, const QString &why)
{
    m_result->Failed.append(item);
    LogInfo("Leftover %s not removed (%s): %s", LeftoverKindName(item.Kind), why.toLocal8Bit().constData(),
            DescribeLeftover(item).constData());
}
