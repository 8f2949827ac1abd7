#include "leftovers/otherprograms.h"

#include "leftovers/programpaths.h"
#include "leftovers/weaknames.h"
#include "leftovers/windowspath.h"

COtherPrograms::COtherPrograms(const InstalledProgramList &programs, const CProtectedPlaces &places)
{
    for (const InstalledProgram &p : programs) {
        const QString displayName = QString::fromLocal8Bit(p.DisplayName);
        // Callers read an empty owner as "nobody's": a nameless program still owns its folder.
        const QString program = !displayName.isEmpty() ? displayName
            : QStringLiteral("the unnamed program of uninstall entry \"%1\"").arg(QString::fromLocal8Bit(p.SubKeyName));
        const QString folder = ProgramFolder(p);
        if (!folder.isEmpty() && !places.IsProtected(folder))
            m_folders.append({folder, program});
        const QString vendorFolder = folder.isEmpty() ? QString() : winpath::Parent(folder);
        const QString vendors[] = {QString::fromLocal8Bit(FieldText(p.Publisher)).trimmed(),
                                   vendorFolder.isEmpty() || places.IsProtected(vendorFolder)
                                       ? QString() : winpath::LastName(vendorFolder)};
        for (const QString &vendor : vendors)
            if (!vendor.isEmpty())
                m_vendors.append({vendor, program});
        const QString names[] = {displayName, winpath::LastName(QString::fromLocal8Bit(p.InnoSetupIconGroup)),
                                 folder.isEmpty() ? QString() : winpath::LastName(folder)};
        for (const QString &name : names)
            if (!IsWeakName(name))
                m_names.append({name.trimmed(), program});
    }
}

QString COtherPrograms::OwnerOfPath(const QString &windowsPath) const
{
    const QString path = winpath::Normalize(windowsPath);
    if (path.isEmpty())
        return QString();
    for (const Named &f : m_folders)
        if (winpath::IsSameOrInside(path, f.Text) || winpath::IsSameOrInside(f.Text, path))
            return f.Program;
    return QString();
}

QString COtherPrograms::OwnerOfName(const QString &relativePath, const QString &searchedName) const
{
    const QString searched = searchedName.trimmed();
    if (searched.isEmpty())
        return QString();
    for (const Named &n : m_names)
        if (n.Text.contains(searched, Qt::CaseInsensitive) && relativePath.contains(n.Text, Qt::CaseInsensitive))
            return n.Program;
    return QString();
}

QString COtherPrograms::OwnerOfVendorName(const QString &folderName) const
{
    const QString name = folderName.trimmed();
    if (name.isEmpty())
        return QString();
    for (const Named &v : m_vendors)
        if (v.Text.compare(name, Qt::CaseInsensitive) == 0)
            return v.Program;
    return QString();
}
