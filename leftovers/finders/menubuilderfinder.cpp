#include "leftovers/finders/menubuilderfinder.h"

#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/windowspath.h"
#include "libs/sharelog/sharelog.h"
#include "platform/hostdesktop.h"
#include "platform/registry.h"
#include "platform/specialfolders.h"
#include "platform/winerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kCsidlDesktopDirectory = 0x10;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;

struct RegValue {
    QString name;
    QString data;
};

QString canonical(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

// A native path with its folder as the file system resolves it (Wine names files through the
// prefix's dosdevices links), its own name kept: the file itself may be gone.
QString resolvedFolder(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path));
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

// Whether `path` is `folder` or lies inside it (both native, clean).
bool nativeInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

// Whether a Windows path is `folder` or lies inside it, in any case and spelling of separators.
bool windowsInside(const QString &path, const QString &folder)
{
    const QString p = winpath::Normalize(path);
    const QString f = winpath::Normalize(folder);
    if (p.isEmpty() || f.isEmpty())
        return false;
    return p.compare(f, Qt::CaseInsensitive) == 0
           || p.startsWith(winpath::StripTrailingSeparators(f) + QLatin1Char('\\'), Qt::CaseInsensitive);
}

// Whether a command line names a file in `folder` (a Windows path): the folder followed by a
// separator, a closing quote or the end ("...\\Vexa Notes\\app.exe", not "...\\Vexa Notes Sync\\x").
bool CommandNamesFolder(const QString &command, const QString &folder)
{
    const QString f = winpath::StripTrailingSeparators(folder);
    if (f.isEmpty())
        return false;
    for (int at = command.indexOf(f, 0, Qt::CaseInsensitive); at >= 0;
         at = command.indexOf(f, at + 1, Qt::CaseInsensitive)) {
        const int end = at + f.size();
        if (end == command.size() || command[end] == QLatin1Char('\\') || command[end] == QLatin1Char('"'))
            return true;
    }
    return false;
}

QString readText(pw::IRegistry &reg, pw::RegKey key, const char *name)
{
    uint32_t type = 0;
    uint32_t size = 0;
    if (reg.QueryValue(key, name, &type, nullptr, &size) != pw::kErrorSuccess || (type != kRegSz && type != kRegExpandSz)
        || size == 0 || size > 1024 * 1024)
        return QString();
    std::vector<uint8_t> data(size + 1, 0);
    if (reg.QueryValue(key, name, &type, data.data(), &size) != pw::kErrorSuccess)
        return QString();
    return QString::fromLocal8Bit(reinterpret_cast<const char *>(data.data()));
}

QList<RegValue> readValues(pw::IRegistry &reg, const char *path)
{
    QList<RegValue> values;
    pw::RegKey key = 0;
    if (reg.OpenKey(pw::RootKey(pw::RegRoot::CurrentUser), path, pw::kKeyRead, &key) != pw::kErrorSuccess)
        return values;
    pw::RegKeyGuard guard(reg, key);
    uint32_t count = 0;
    reg.QueryValueCount(key, &count);
    std::vector<char> name(65536);
    for (uint32_t v = 0; v < count; ++v) {
        uint32_t length = uint32_t(name.size());
        uint32_t type = 0;
        if (reg.EnumValue(key, v, name.data(), &length, &type) != pw::kErrorSuccess || name[0] == '\0')
            continue;
        values.append({QString::fromLocal8Bit(name.data()), readText(reg, key, name.data())});
    }
    return values;
}

QStringList readSubKeys(pw::IRegistry &reg, const char *path)
{
    QStringList names;
    pw::RegKey key = 0;
    if (reg.OpenKey(pw::RootKey(pw::RegRoot::CurrentUser), path, pw::kKeyRead, &key) != pw::kErrorSuccess)
        return names;
    pw::RegKeyGuard guard(reg, key);
    char name[512];
    for (uint32_t i = 0;; ++i) {
        uint32_t length = sizeof name;
        const pw::WinError error = reg.EnumKey(key, i, name, &length);
        if (error == pw::kErrorNoMoreItems)
            break;
        if (error == pw::kErrorSuccess)
            names.append(QString::fromLocal8Bit(name));
    }
    return names;
}

// The keys of a desktop entry's [Desktop Entry] group (localised keys left out).
QHash<QString, QString> readDesktopEntry(const QString &native)
{
    QHash<QString, QString> keys;
    QFile file(native);
    if (file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return keys;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!key.contains(QLatin1Char('[')) && !keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed());
    }
    return keys;
}

LeftoverItem desktopFileItem(const QString &native)
{
    LeftoverItem item;
    item.Kind = LeftoverDesktopFile;
    item.Path = native;
    item.Text = native;
    return item;
}

LeftoverItem registryItem(const QString &keyPath, const QString &valueName, const QString &data)
{
    LeftoverItem item;
    item.Kind = LeftoverRegistry;
    item.Path = keyPath;
    item.ValueName = valueName;
    item.Text = valueName.isEmpty() ? keyPath : keyPath + QLatin1Char('|') + valueName + QLatin1Char(':') + data;
    item.RegistryRoot = uint32_t(pw::RegRoot::CurrentUser);
    return item;
}

QStringList desktopFilesBelow(const QString &folder, bool recursive)
{
    QStringList files;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return files;
    QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files.append(QDir::cleanPath(it.next()));
    return files;
}

// What one run of the finder knows.
class Search {
public:
    Search(const LeftoverSearch &search, pw::IHostDesktop &desktop, pw::IRegistry &registry,
           pw::ISpecialFolders *folders)
        : m_search(search), m_registry(registry), m_folders(folders)
    {
        m_prefix = canonical(QString::fromStdString(desktop.PrefixFolder()));
        m_data = canonical(QString::fromStdString(desktop.DataHome()));
        m_config = canonical(QString::fromStdString(desktop.ConfigHome()));
        m_apps = m_data + QStringLiteral("/applications");
        m_appsWine = m_apps + QStringLiteral("/wine");
        m_merged = m_config + QStringLiteral("/menus/applications-merged");
        m_directories = m_data + QStringLiteral("/desktop-directories");
        m_icons = m_data + QStringLiteral("/icons");
        m_mimePackages = m_data + QStringLiteral("/mime/packages");
        for (const QString &d : {QString::fromStdString(desktop.DesktopFolder()), windowsDesktopFolder()}) {
            const QString c = canonical(d);
            if (!c.isEmpty() && QFileInfo(c).isDir() && !m_desktops.contains(c))
                m_desktops.append(c);
        }
        if (!search.InstallPath.isEmpty())
            m_installNative = canonical(search.Policy.NativeOf(search.InstallPath));
        QVector<CKeepPolicy::DesktopFilePlace> places = {
            {m_appsWine, true, QString(), QStringLiteral(".desktop"), true},
            {m_merged, false, QStringLiteral("wine-"), QStringLiteral(".menu")},
            {m_directories, false, QStringLiteral("wine-"), QStringLiteral(".directory")},
            {m_icons, true, QString(), QStringLiteral(".png")},
            {m_icons, true, QString(), QStringLiteral(".xpm")},
            {m_icons, true, QString(), QStringLiteral(".svg")},
            {m_mimePackages, false, QStringLiteral("x-wine-extension-"), QStringLiteral(".xml")},
            {m_apps, false, QStringLiteral("wine-extension-"), QStringLiteral(".desktop")},
        };
        for (const QString &d : m_desktops)
            places.append({d, false, QString(), QStringLiteral(".desktop")});
        search.Policy.AllowDesktopFiles(places);
    }

    bool Usable() const
    {
        return !m_prefix.isEmpty() && m_data.startsWith(QLatin1Char('/')) && m_config.startsWith(QLatin1Char('/'));
    }

    LeftoverList Run()
    {
        LeftoverList files;
        LeftoverList values;
        FindRecorded(files, values);
        FindUnrecorded(files);
        LeftoverList out = files;
        out += FindIcons();
        out += FindDirectories();
        out += values;
        out += FindAssociations();
        return out;
    }

private:
    QString windowsDesktopFolder() const
    {
        std::string path;
        if (!m_folders || m_folders->SpecialFolder(kCsidlDesktopDirectory, &path) != pw::kErrorSuccess)
            return QString();
        return QString::fromStdString(m_folders->ToNativePath(path));
    }

    // The Windows path of a shortcut as the menu builder recorded or started it.
    QString windowsPathOf(const QString &path) const
    {
        if (!path.startsWith(QLatin1Char('/')))
            return path;
        return m_folders ? QString::fromStdString(m_folders->ToWindowsPath(resolvedFolder(path).toStdString())) : QString();
    }

    // Whether a shortcut is one the uninstall or this clean removes: gone now, among or inside
    // what the finders before found, or inside the install folder.
    bool IsRemovedShortcut(const QString &windows) const
    {
        if (windows.isEmpty() || winpath::Normalize(windows).isEmpty())
            return false;
        if (!m_search.InstallPath.isEmpty() && windowsInside(windows, m_search.InstallPath))
            return true;
        for (const LeftoverItem &item : m_search.Found)
            if ((item.Kind == LeftoverFile || item.Kind == LeftoverFolder) && windowsInside(windows, item.Path))
                return true;
        const QString native = m_search.Policy.NativeOf(windows);
        if (native.isEmpty())
            return false; // an unknown drive: nothing says it is gone
        const QFileInfo info(native);
        return !info.exists() && !info.isSymLink();
    }

    // Whether an argument names the install folder or a file in it (a Windows or native path).
    bool NamesInstallFolder(const QString &argument) const
    {
        if (argument.isEmpty())
            return false;
        if (argument.startsWith(QLatin1Char('/')))
            return nativeInside(resolvedFolder(argument), m_installNative);
        return !m_search.InstallPath.isEmpty() && windowsInside(argument, m_search.InstallPath);
    }

    // The prefix an entry's Exec= starts (WINEPREFIX=...), empty when it names none.
    static QString PrefixOf(const QStringList &arguments)
    {
        for (const QString &a : arguments)
            if (a.startsWith(QLatin1String("WINEPREFIX=")))
                return canonical(a.mid(11));
        return QString();
    }

    void AddEntry(LeftoverList &files, const QString &native, const QHash<QString, QString> &entry)
    {
        files.append(desktopFileItem(native));
        m_removedEntries.insert(native);
        const QString icon = entry.value(QStringLiteral("Icon"));
        if (!icon.isEmpty() && !icon.contains(QLatin1Char('/')))
            m_iconNames.insert(icon);
    }

    // The native file a MenuFiles value names: Wine records a native path, a Windows path, or a
    // native path in the long Windows form, \\?\unix\home\... (older: \\?\Z:\home\...).
    QString RecordedFile(const QString &name) const
    {
        QString path = name;
        if (path.startsWith(QLatin1String("\\\\?\\")))
            path.remove(0, 4);
        if (path.startsWith(QLatin1String("unix\\"), Qt::CaseInsensitive))
            path = path.mid(4).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (path.startsWith(QLatin1Char('/')))
            return resolvedFolder(path);
        if (!m_folders || winpath::Normalize(path).isEmpty())
            return QString();
        const QString native = QString::fromStdString(m_folders->ToNativePath(path.toStdString()));
        return native.isEmpty() ? QString() : resolvedFolder(native);
    }

    void FindRecorded(LeftoverList &files, LeftoverList &values)
    {
        const QString key = QString::fromLatin1(CMenuBuilderFinder::MenuFilesKey());
        const QList<RegValue> recorded = readValues(m_registry, CMenuBuilderFinder::MenuFilesKey());
        QList<RegValue> removed;
        for (const RegValue &v : recorded) {
            const QString native = RecordedFile(v.name);
            if (!native.isEmpty())
                m_recorded.insert(native);
            if (IsRemovedShortcut(windowsPathOf(v.data)))
                removed.append(v);
        }
        // The menu entries first: one that starts another prefix now (both made a shortcut of
        // that name, and the other's builder wrote last) is that prefix's, and so is the menu
        // made from the same shortcut.
        QSet<QString> othersLinks;
        for (int pass = 0; pass < 2; ++pass) {
            for (const RegValue &v : removed) {
                const QString native = RecordedFile(v.name);
                const bool entry = native.endsWith(QLatin1String(".desktop"));
                if (entry != (pass == 0))
                    continue;
                const QFileInfo info(native);
                if (native.isEmpty() || (!info.exists() && !info.isSymLink())) {
                    // Nothing left on disk: only the record goes.
                } else if (entry) {
                    const QHash<QString, QString> keys = readDesktopEntry(native);
                    const QString prefix = PrefixOf(CMenuBuilderFinder::ExecArguments(keys.value(QStringLiteral("Exec"))));
                    if (!prefix.isEmpty() && prefix != m_prefix) {
                        m_search.Report.Refused(desktopFileItem(native),
                                                QStringLiteral("menu entry of another Wine prefix: ") + prefix);
                        othersLinks.insert(v.data.toLower());
                    } else {
                        AddEntry(files, native, keys);
                    }
                } else if (othersLinks.contains(v.data.toLower())) {
                    m_search.Report.Refused(desktopFileItem(native),
                                            QStringLiteral("menu of a menu entry of another Wine prefix"));
                } else {
                    files.append(desktopFileItem(native));
                }
                values.append(registryItem(key, v.name, v.data));
            }
        }
    }

    void FindUnrecorded(LeftoverList &files)
    {
        for (const QString &desktop : m_desktops) {
            for (const QString &native : desktopFilesBelow(desktop, false)) {
                if (m_recorded.contains(native) || m_removedEntries.contains(native))
                    continue;
                const QHash<QString, QString> entry = readDesktopEntry(native);
                const QStringList arguments = CMenuBuilderFinder::ExecArguments(entry.value(QStringLiteral("Exec")));
                if (PrefixOf(arguments) != m_prefix)
                    continue; // the user's own, or another prefix's
                bool program = !m_installNative.isEmpty()
                               && canonical(entry.value(QStringLiteral("Path"))) == m_installNative;
                // Wine starts a shortcut by its Windows path ("wine C:\\...\\x.lnk", older Wine
                // "start.exe /Unix /path/x.lnk"), a shortcut of the user's own desktop by its target.
                for (const QString &a : arguments) {
                    program = program || NamesInstallFolder(a)
                              || (a.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive) && IsRemovedShortcut(windowsPathOf(a)));
                    if (program)
                        break;
                }
                if (program)
                    AddEntry(files, native, entry);
            }
        }
    }

    LeftoverList FindIcons()
    {
        LeftoverList out;
        if (m_iconNames.isEmpty() || !QFileInfo(m_icons).isDir())
            return out;
        // An icon another entry still names stays.
        QStringList entries = desktopFilesBelow(m_apps, true);
        for (const QString &d : m_desktops)
            entries += desktopFilesBelow(d, false);
        for (const QString &native : entries) {
            if (m_removedEntries.contains(native))
                continue;
            const QString icon = readDesktopEntry(native).value(QStringLiteral("Icon"));
            if (m_iconNames.remove(icon))
                LogInfo("Icon %s kept: %s still uses it", icon.toLocal8Bit().constData(), native.toLocal8Bit().constData());
        }
        QDirIterator it(m_icons, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        QStringList found;
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            const QString name = info.fileName();
            const int dot = name.lastIndexOf(QLatin1Char('.'));
            if (dot > 0 && m_iconNames.contains(name.left(dot)))
                found.append(QDir::cleanPath(info.filePath()));
        }
        found.sort();
        for (const QString &f : found)
            out.append(desktopFileItem(f));
        return out;
    }

    // The .directory files of the menu folders below applications/wine that hold no entry once
    // the removed ones are gone, the deepest first.
    LeftoverList FindDirectories()
    {
        QStringList folders;
        for (const QString &entry : m_removedEntries) {
            if (!entry.startsWith(m_appsWine + QLatin1Char('/')))
                continue;
            for (QString f = QFileInfo(entry).path(); nativeInside(f, m_appsWine); f = QFileInfo(f).path())
                if (!folders.contains(f))
                    folders.append(f);
        }
        std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) {
            return a.count(QLatin1Char('/')) != b.count(QLatin1Char('/')) ? a.count(QLatin1Char('/')) > b.count(QLatin1Char('/'))
                                                                        : a < b;
        });
        LeftoverList out;
        for (const QString &folder : folders) {
            bool empty = true;
            for (const QString &entry : desktopFilesBelow(folder, true))
                empty = empty && m_removedEntries.contains(entry);
            if (!empty)
                continue;
            // The menu builder names the folder "wine" wine-wine.directory and every folder below
            // it by its path from applications/ with '-' for '/': wine-Programs-Vexa.directory.
            const QString relative = folder.mid(m_apps.size() + 1);
            const QString name = relative == QLatin1String("wine") ? QStringLiteral("wine-wine")
                                                                  : QString(relative).replace(QLatin1Char('/'), QLatin1Char('-'));
            const QString file = m_directories + QLatin1Char('/') + name + QStringLiteral(".directory");
            if (QFileInfo::exists(file))
                out.append(desktopFileItem(file));
        }
        return out;
    }

    // Whether the program was the handler of a class: its open command names the install folder,
    // or the class is gone now and its name or the application's carries the program's name.
    bool IsProgramHandler(const QString &progId, const QString &appName) const
    {
        if (progId.isEmpty())
            return false;
        pw::RegKey key = 0;
        const std::string classPath = progId.toLocal8Bit().toStdString();
        if (m_registry.OpenKey(pw::RootKey(pw::RegRoot::ClassesRoot), classPath, pw::kKeyRead, &key) == pw::kErrorSuccess) {
            pw::RegKeyGuard guard(m_registry, key);
            pw::RegKey command = 0;
            if (m_registry.OpenKey(key, "shell\\open\\command", pw::kKeyRead, &command) != pw::kErrorSuccess)
                return false;
            pw::RegKeyGuard commandGuard(m_registry, command);
            return CommandNamesFolder(readText(m_registry, command, ""), m_search.InstallPath);
        }
        const QString display = QString::fromLocal8Bit(FieldText(m_search.Program.DisplayName));
        const QString folder = winpath::LastName(m_search.InstallPath);
        for (const QString &name : {display, folder}) {
            if (name.isEmpty() || CKeepPolicy::IsWeak(name))
                continue;
            if (progId.contains(name, Qt::CaseInsensitive) || appName.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }

    LeftoverList FindAssociations()
    {
        LeftoverList files;
        LeftoverList keys;
        const QString base = QString::fromLatin1(CMenuBuilderFinder::FileOpenAssociationsKey());
        for (const QString &extension : readSubKeys(m_registry, CMenuBuilderFinder::FileOpenAssociationsKey())) {
            if (!extension.startsWith(QLatin1Char('.')) || extension.contains(QLatin1Char('\\')))
                continue;
            const QString path = base + QLatin1Char('\\') + extension;
            pw::RegKey key = 0;
            if (m_registry.OpenKey(pw::RootKey(pw::RegRoot::CurrentUser), path.toLocal8Bit().toStdString(), pw::kKeyRead,
                                   &key) != pw::kErrorSuccess)
                continue;
            QString progId, appName, mimeType, desktopFile;
            {
                pw::RegKeyGuard guard(m_registry, key);
                progId = readText(m_registry, key, "ProgID");
                appName = readText(m_registry, key, "AppName");
                mimeType = readText(m_registry, key, "MimeType");
                desktopFile = readText(m_registry, key, "DesktopFile");
            }
            if (!IsProgramHandler(progId, appName))
                continue;
            const QString bare = extension.mid(1).toLower();
            if (desktopFile.isEmpty())
                desktopFile = m_apps + QStringLiteral("/wine-extension-") + bare + QStringLiteral(".desktop");
            desktopFile = QDir::cleanPath(desktopFile);
            bool ours = true;
            if (QFileInfo::exists(desktopFile)) {
                const QString prefix = PrefixOf(
                    CMenuBuilderFinder::ExecArguments(readDesktopEntry(desktopFile).value(QStringLiteral("Exec"))));
                ours = prefix.isEmpty() || prefix == m_prefix;
                if (ours)
                    files.append(desktopFileItem(desktopFile));
                else
                    m_search.Report.Refused(desktopFileItem(desktopFile),
                                            QStringLiteral("file association of another Wine prefix: ") + prefix);
            }
            const QString package = m_mimePackages + QStringLiteral("/x-wine-extension-") + bare + QStringLiteral(".xml");
            if (ours && mimeType.startsWith(QLatin1String("application/x-wine-extension-")) && QFileInfo::exists(package))
                files.append(desktopFileItem(package));
            keys.append(registryItem(path, QString(), QString()));
        }
        return files + keys;
    }

    const LeftoverSearch &m_search;
    pw::IRegistry &m_registry;
    pw::ISpecialFolders *m_folders;
    QString m_prefix, m_data, m_config, m_apps, m_appsWine, m_merged, m_directories, m_icons, m_mimePackages;
    QString m_installNative;
    QStringList m_desktops;
    QSet<QString> m_recorded;       // every file the prefix's MenuFiles names
    QSet<QString> m_removedEntries; // the .desktop files listed
    QSet<QString> m_iconNames;      // the icon names they use
};

} // namespace

const char *CMenuBuilderFinder::MenuFilesKey() { return "Software\\Wine\\MenuFiles"; }

const char *CMenuBuilderFinder::FileOpenAssociationsKey() { return "Software\\Wine\\FileOpenAssociations"; }

QStringList CMenuBuilderFinder::ExecArguments(const QString &value)
{
    // The string escapes of a desktop file's values first (\s \n \t \r \\), then the Exec rules:
    // double quotes group, and a backslash outside them takes the next character as it is (Wine
    // escapes spaces and backslashes so).
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (value[i] != QLatin1Char('\\') || next.isNull()) {
            text += value[i];
            continue;
        }
        switch (next.unicode()) {
        case 's': text += QLatin1Char(' '); break;
        case 'n': text += QLatin1Char('\n'); break;
        case 't': text += QLatin1Char('\t'); break;
        case 'r': text += QLatin1Char('\r'); break;
        case '\\': text += QLatin1Char('\\'); break;
        default: text += QLatin1Char('\\'); continue; // not a string escape: the Exec rules read it
        }
        ++i;
    }
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            current += text[++i];
            inArgument = true;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

LeftoverList CMenuBuilderFinder::Find(const LeftoverSearch &search)
{
    if (!m_desktop || !m_registry)
        return {};
    Search run(search, *m_desktop, *m_registry, m_folders);
    if (!run.Usable())
        return {};
    return run.Run();
}
