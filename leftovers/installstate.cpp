#include "leftovers/installstate.h"

#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "leftovers/folderlister.h"
#include "leftovers/programpaths.h"
#include "leftovers/windowspath.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

bool IsSameEntry(const InstalledProgram &entry, const InstalledProgram &program)
{
    const QByteArray own = FieldText(program.SubKeyName);
    if (own.isEmpty())
        return FieldText(entry.DisplayName) == FieldText(program.DisplayName)
               && FieldText(entry.UninstallString) == FieldText(program.UninstallString);
    return entry.RegistryRoot == program.RegistryRoot && entry.RegistryView == program.RegistryView
           && qstricmp(FieldText(entry.SubKeyName).constData(), own.constData()) == 0;
}

bool UninstallerIsGone(const InstalledProgram &entry, const pw::Platform &platform)
{
    const QString file = UninstallerFile(FieldText(entry.UninstallString));
    if (file.isEmpty() || !platform.folders)
        return false;
    const QString native = QString::fromStdString(platform.folders->ToNativePath(file.toStdString()));
    if (native.isEmpty())
        return false;
    // A drive that is not there (a removable disk, a network drive) says nothing about the file.
    const std::string driveRoot = winpath::Normalize(file).left(3).toStdString();
    const QString drive = QString::fromStdString(platform.folders->ToNativePath(driveRoot));
    if (drive.isEmpty() || !QFileInfo(drive).isDir())
        return false;
    bool there = false;
    PathType(native, &there); // a link is there even when its target is gone
    return !there;
}

bool IsOrphanedTwin(const InstalledProgram &entry, const InstalledProgram &program, const pw::Platform &platform)
{
    const QByteArray name = FieldText(program.DisplayName);
    return !name.isEmpty() && FieldText(entry.DisplayName) == name && !IsSameEntry(entry, program)
           && UninstallerIsGone(entry, platform);
}

bool IsStillInstalled(const InstalledProgram &program, const InstalledProgramList &entries,
                      const pw::Platform &platform)
{
    for (const InstalledProgram &entry : entries)
        if (IsSameEntry(entry, program) && !UninstallerIsGone(entry, platform))
            return true;
    return false;
}

bool IsStillInstalled(const InstalledProgram &program, const pw::Platform &platform)
{
    if (!platform.registry || !platform.system)
        return true;
    CAppEnum inventory(platform.registry, platform.system);
    inventory.EnumPrograms();
    return IsStillInstalled(program, inventory.GetPrograms() + inventory.GetUpdates(), platform);
}
