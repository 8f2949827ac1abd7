#include "platform/wine/wineprefixes.h"

#include "platform/wine/keyvalues.h"

#include <yaml-cpp/yaml.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace pw {

namespace {

// Manager files are a few kilobytes; anything far larger is not one of theirs.
constexpr qint64 kMaxConfigBytes = 1024 * 1024;
// The most entries looked at in one folder (a folder of prefixes, of game files, ...).
constexpr int kMaxFolderEntries = 10000;

QByteArray readSmallFile(const QString &path, bool *ok)
{
    *ok = false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxConfigBytes)
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray data = file.read(kMaxConfigBytes + 1);
    if (data.size() > kMaxConfigBytes)
        return QByteArray();
    *ok = true;
    return data;
}

// A YAML document as a tree, or a null node when the file is missing, too large or not YAML.
YAML::Node loadYaml(const QString &path)
{
    bool ok = false;
    const QByteArray text = readSmallFile(path, &ok);
    if (!ok)
        return YAML::Node();
    try {
        return YAML::Load(text.toStdString());
    } catch (...) {
        return YAML::Node();
    }
}

// The scalar at node[key1][key2]..., or an empty string where any step is missing or not of
// the expected kind.
QString yamlText(const YAML::Node &root, std::initializer_list<const char *> keys)
{
    try {
        YAML::Node node;
        node.reset(root);
        for (const char *key : keys) {
            if (!node.IsMap())
                return QString();
            const YAML::Node &readOnly = node; // the const lookup never adds the key
            const YAML::Node next = readOnly[key];
            if (!next.IsDefined())
                return QString();
            node.reset(next);
        }
        return node.IsScalar() ? QString::fromStdString(node.Scalar()) : QString();
    } catch (...) {
        return QString();
    }
}

QStringList subfolders(const QString &dir)
{
    QDir d(dir);
    if (!d.exists())
        return {};
    QStringList names = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    if (names.size() > kMaxFolderEntries)
        names = names.mid(0, kMaxFolderEntries);
    return names;
}

QStringList filesMatching(const QString &dir, const QString &pattern)
{
    QDir d(dir);
    if (!d.exists())
        return {};
    QStringList names = d.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
    if (names.size() > kMaxFolderEntries)
        names = names.mid(0, kMaxFolderEntries);
    return names;
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

QString canonical(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

// A name from a manager's file used as one path component: nothing that leads elsewhere.
bool safeComponent(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// The wine of a Wine build folder as the managers unpack them: bin/wine, or in a Proton build
// files/bin/wine (dist/bin/wine in older ones). The first that exists, else bin/wine.
QString wineInBuild(const QString &folder)
{
    for (const char *rel : {"/bin/wine", "/files/bin/wine", "/dist/bin/wine"}) {
        const QString candidate = folder + QLatin1String(rel);
        if (isExecutableFile(candidate))
            return candidate;
    }
    return folder + QStringLiteral("/bin/wine");
}

QString expandHome(QString path, const QString &home)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path.replace(0, 1, home);
    else if (path.startsWith(QLatin1String("$HOME/")))
        path.replace(0, 5, home);
    return path;
}

class Collector {
public:
    explicit Collector(const QString &home) : m_home(home) {}

    // The system's wine as a prefix's Wine.
    void AddSystem(const QString &path, const QString &label, PrefixManager manager)
    {
        Add(path, label, manager, QString(), QStringLiteral("system"));
    }

    // `wine` empty: the system's wine; otherwise that binary, which may be missing.
    void Add(const QString &path, const QString &label, PrefixManager manager, const QString &wine,
             const QString &wineName, bool knownMissing = false)
    {
        const QString real = canonical(path);
        if (real.isEmpty() || !IsWinePrefix(real))
            return;
        WinePrefixInfo info;
        info.path = real;
        info.label = label;
        info.manager = manager;
        info.wine = wine;
        info.wineName = wineName;
        info.wineFound = !knownMissing && (wine.isEmpty() ? !SystemWine().isEmpty() : isExecutableFile(wine));
        const auto it = m_index.constFind(real);
        if (it == m_index.constEnd()) {
            m_index.insert(real, m_list.size());
            m_list.append(info);
            return;
        }
        // Reached twice: what a manager says about it is worth more than a plain Wine folder.
        WinePrefixInfo &old = m_list[it.value()];
        if (old.manager == PrefixManager::Wine && manager != PrefixManager::Wine) {
            info.fromWinePrefixVariable = old.fromWinePrefixVariable;
            info.isDefaultPrefix = old.isDefaultPrefix;
            old = info;
        }
    }

    void Mark(const QString &path, bool winePrefixVariable)
    {
        const auto it = m_index.constFind(canonical(path));
        if (it == m_index.constEnd())
            return;
        if (winePrefixVariable)
            m_list[it.value()].fromWinePrefixVariable = true;
        else
            m_list[it.value()].isDefaultPrefix = true;
    }

    QVector<WinePrefixInfo> Result() const
    {
        QVector<WinePrefixInfo> out = m_list;
        std::stable_sort(out.begin(), out.end(), [](const WinePrefixInfo &a, const WinePrefixInfo &b) {
            const int ra = a.fromWinePrefixVariable ? 0 : a.isDefaultPrefix ? 1 : 2;
            const int rb = b.fromWinePrefixVariable ? 0 : b.isDefaultPrefix ? 1 : 2;
            if (ra != rb)
                return ra < rb;
            const int byLabel = a.label.compare(b.label, Qt::CaseInsensitive);
            if (byLabel != 0)
                return byLabel < 0;
            return a.path < b.path;
        });
        return out;
    }

    QString SystemWine()
    {
        if (!m_systemWineLooked) {
            m_systemWine = QStandardPaths::findExecutable(QStringLiteral("wine"));
            m_systemWineLooked = true;
        }
        return m_systemWine;
    }

    QString Shown(const QString &path) const
    {
        if (path.startsWith(m_home + QLatin1Char('/')))
            return QStringLiteral("~") + path.mid(m_home.size());
        return path;
    }

private:
    QString m_home;
    QVector<WinePrefixInfo> m_list;
    QHash<QString, int> m_index;
    QString m_systemWine;
    bool m_systemWineLooked = false;
};

// Folders that may be one folder reached by several names (a symbolic link such as
// ~/.steam/steam): each once, in the order given.
QStringList distinctFolders(const QStringList &folders)
{
    QStringList out, seen;
    for (const QString &f : folders) {
        const QString real = canonical(f);
        if (real.isEmpty() || !QFileInfo(real).isDir() || seen.contains(real))
            continue;
        seen << real;
        out << real;
    }
    return out;
}

// ---- Bottles ------------------------------------------------------------------------------

void findBottles(Collector &c, const QString &home, const QString &dataHome)
{
    const QStringList roots = distinctFolders({dataHome + QStringLiteral("/bottles"),
                                               home + QStringLiteral("/.local/share/bottles"),
                                               home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles")});
    for (const QString &root : roots) {
        QStringList bottleFolders{root + QStringLiteral("/bottles")};
        const QString custom = yamlText(loadYaml(root + QStringLiteral("/data.yml")), {"custom_bottles_path"});
        if (!custom.isEmpty() && QDir::isAbsolutePath(expandHome(custom, home)))
            bottleFolders << expandHome(custom, home);
        for (const QString &folder : distinctFolders(bottleFolders)) {
            for (const QString &name : subfolders(folder)) {
                const QString bottle = folder + QLatin1Char('/') + name;
                const YAML::Node config = loadYaml(bottle + QStringLiteral("/bottle.yml"));
                if (!config.IsMap())
                    continue; // not a bottle, or one whose settings cannot be read
                QString label = yamlText(config, {"Name"}).trimmed();
                if (label.isEmpty())
                    label = name;
                const QString runner = yamlText(config, {"Runner"}).trimmed();
                if (runner.isEmpty() || runner.startsWith(QLatin1String("sys-")))
                    c.AddSystem(bottle, QStringLiteral("Bottles: ") + label, PrefixManager::Bottles);
                else if (!safeComponent(runner))
                    c.Add(bottle, QStringLiteral("Bottles: ") + label, PrefixManager::Bottles, QString(), runner, true);
                else
                    c.Add(bottle, QStringLiteral("Bottles: ") + label, PrefixManager::Bottles,
                          wineInBuild(root + QStringLiteral("/runners/") + runner), runner);
            }
        }
    }
}

// ---- Lutris -------------------------------------------------------------------------------

struct LutrisWine {
    QString wine; // empty: the system's
    QString name;
    bool missing = false;
};

LutrisWine lutrisWine(const QString &version, const QString &customPath, const QStringList &runnerFolders)
{
    LutrisWine w;
    if (version.isEmpty() || version == QLatin1String("system")) {
        w.name = QStringLiteral("system");
        return w;
    }
    if (version == QLatin1String("custom")) {
        w.name = QStringLiteral("custom");
        w.wine = customPath;
        w.missing = customPath.isEmpty() || !QDir::isAbsolutePath(customPath);
        return w;
    }
    w.name = version;
    if (!safeComponent(version)) {
        w.missing = true;
        return w;
    }
    for (const QString &folder : runnerFolders) {
        const QString candidate = wineInBuild(folder + QLatin1Char('/') + version);
        if (isExecutableFile(candidate)) {
            w.wine = candidate;
            return w;
        }
    }
    w.wine = wineInBuild((runnerFolders.isEmpty() ? QString() : runnerFolders.first()) + QLatin1Char('/') + version);
    return w;
}

QString lutrisNameFromFile(const QString &fileName)
{
    QString slug = QFileInfo(fileName).completeBaseName();
    static const QRegularExpression stamp(QStringLiteral("-\\d+$"));
    slug.remove(stamp);
    return slug.replace(QLatin1Char('-'), QLatin1Char(' ')).trimmed();
}

void findLutris(Collector &c, const QString &home, const QString &dataHome)
{
    const QStringList runnerFolders = distinctFolders({dataHome + QStringLiteral("/lutris/runners/wine"),
                                                       home + QStringLiteral("/.local/share/lutris/runners/wine")});
    // The Wine a game without its own version runs with: the runner's setting, else the
    // newest build Lutris downloaded, else the system's.
    QString defaultVersion =
        yamlText(loadYaml(home + QStringLiteral("/.config/lutris/runners/wine.yml")), {"wine", "version"}).trimmed();
    if (defaultVersion.isEmpty()) {
        for (const QString &folder : runnerFolders) {
            QStringList builds = subfolders(folder);
            std::sort(builds.begin(), builds.end(), [](const QString &a, const QString &b) { return a > b; });
            for (const QString &b : builds) {
                if (isExecutableFile(wineInBuild(folder + QLatin1Char('/') + b))) {
                    defaultVersion = b;
                    break;
                }
            }
            if (!defaultVersion.isEmpty())
                break;
        }
    }
    const QStringList gameFolders = distinctFolders({home + QStringLiteral("/.config/lutris/games"),
                                                     dataHome + QStringLiteral("/lutris/games"),
                                                     home + QStringLiteral("/.local/share/lutris/games")});
    for (const QString &folder : gameFolders) {
        for (const QString &file : filesMatching(folder, QStringLiteral("*.yml"))) {
            const YAML::Node config = loadYaml(folder + QLatin1Char('/') + file);
            const QString prefix = expandHome(yamlText(config, {"game", "prefix"}).trimmed(), home);
            if (prefix.isEmpty() || !QDir::isAbsolutePath(prefix))
                continue;
            QString name = yamlText(config, {"name"}).trimmed();
            if (name.isEmpty())
                name = lutrisNameFromFile(file);
            QString version = yamlText(config, {"wine", "version"}).trimmed();
            if (version.isEmpty())
                version = defaultVersion;
            const LutrisWine w = lutrisWine(version, yamlText(config, {"wine", "custom_wine_path"}).trimmed(), runnerFolders);
            c.Add(prefix, QStringLiteral("Lutris: ") + name, PrefixManager::Lutris, w.wine, w.name, w.missing);
        }
    }
    // Lutris' default place for game prefixes; Heroic keeps its own folder there.
    const QString games = home + QStringLiteral("/Games");
    const LutrisWine w = lutrisWine(defaultVersion, QString(), runnerFolders);
    for (const QString &name : subfolders(games)) {
        if (name == QLatin1String("Heroic"))
            continue;
        c.Add(games + QLatin1Char('/') + name, QStringLiteral("Lutris: ") + name, PrefixManager::Lutris, w.wine, w.name,
              w.missing);
    }
}

// ---- Steam --------------------------------------------------------------------------------

struct ProtonBuild {
    QString folder;
    QString name;    // the folder's name: "Proton 8.0", "GE-Proton8-25"
    QString version; // its version file's name part: "proton-8.0-4"
    QString wine;
};

// "8.0" from "8.0-104" (a prefix's version file) or from "proton-8.0-4" (a build's).
QString protonSeries(QString v)
{
    v = v.trimmed().toLower();
    if (v.startsWith(QLatin1String("proton-")))
        v.remove(0, 7);
    const int dash = v.lastIndexOf(QLatin1Char('-'));
    if (dash > 0)
        v.truncate(dash);
    return v;
}

QString firstLine(const QString &path, bool *ok)
{
    const QByteArray data = readSmallFile(path, ok);
    const int nl = data.indexOf('\n');
    return QString::fromUtf8(nl >= 0 ? data.left(nl) : data).trimmed();
}

QStringList steamLibraries(const QString &root)
{
    QStringList libraries{root};
    for (const char *rel : {"/steamapps/libraryfolders.vdf", "/config/libraryfolders.vdf"}) {
        QVector<KeyValue> top;
        if (!CKeyValuesReader::ParseFile(root + QLatin1String(rel), &top))
            continue;
        for (const KeyValue &t : top) {
            if (!t.isBlock || t.key.compare(QLatin1String("libraryfolders"), Qt::CaseInsensitive) != 0)
                continue;
            for (const KeyValue &entry : t.children) {
                bool numeric = false;
                entry.key.toUInt(&numeric);
                if (!numeric)
                    continue;
                // Current files: "0" { "path" "..." ... }; old ones: "1" "/path".
                const QString path = entry.isBlock ? entry.Value(QStringLiteral("path")) : entry.value;
                if (QDir::isAbsolutePath(path))
                    libraries << path;
            }
        }
    }
    return libraries;
}

void findSteam(Collector &c, const QString &home, const QString &dataHome)
{
    const QStringList roots = distinctFolders(
        {home + QStringLiteral("/.steam/steam"), home + QStringLiteral("/.steam/root"),
         home + QStringLiteral("/.local/share/Steam"), dataHome + QStringLiteral("/Steam"),
         home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam"),
         home + QStringLiteral("/.var/app/com.valvesoftware.Steam/data/Steam"),
         home + QStringLiteral("/snap/steam/common/.local/share/Steam")});
    QStringList allLibraries;
    for (const QString &root : roots)
        allLibraries << steamLibraries(root);
    const QStringList libraries = distinctFolders(allLibraries);

    QVector<ProtonBuild> builds;
    auto addBuild = [&builds](const QString &folder) {
        ProtonBuild b;
        b.folder = folder;
        b.name = QFileInfo(folder).fileName();
        bool ok = false;
        const QString line = firstLine(folder + QStringLiteral("/version"), &ok);
        b.version = line.section(QLatin1Char(' '), 1, 1);
        for (const char *rel : {"/files/bin/wine", "/dist/bin/wine"}) {
            if (isExecutableFile(folder + QLatin1String(rel))) {
                b.wine = folder + QLatin1String(rel);
                break;
            }
        }
        if (!b.wine.isEmpty())
            builds.append(b);
    };
    for (const QString &root : roots) {
        for (const QString &name : subfolders(root + QStringLiteral("/compatibilitytools.d")))
            addBuild(root + QStringLiteral("/compatibilitytools.d/") + name);
    }
    for (const QString &library : libraries) {
        const QString common = library + QStringLiteral("/steamapps/common");
        for (const QString &name : subfolders(common)) {
            if (name.startsWith(QLatin1String("Proton")))
                addBuild(common + QLatin1Char('/') + name);
        }
    }

    auto gameName = [&libraries](const QString &appid) {
        for (const QString &library : libraries) {
            QVector<KeyValue> top;
            if (!CKeyValuesReader::ParseFile(library + QStringLiteral("/steamapps/appmanifest_") + appid
                                                 + QStringLiteral(".acf"),
                                             &top))
                continue;
            for (const KeyValue &t : top) {
                if (t.isBlock && t.key.compare(QLatin1String("AppState"), Qt::CaseInsensitive) == 0) {
                    const QString name = t.Value(QStringLiteral("name")).trimmed();
                    if (!name.isEmpty())
                        return name;
                }
            }
        }
        return QString();
    };

    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    for (const QString &library : libraries) {
        const QString compat = library + QStringLiteral("/steamapps/compatdata");
        for (const QString &appid : subfolders(compat)) {
            if (!digits.match(appid).hasMatch())
                continue;
            const QString data = compat + QLatin1Char('/') + appid;
            if (!IsWinePrefix(data + QStringLiteral("/pfx")))
                continue;
            QString name = gameName(appid);
            if (name.isEmpty())
                name = QStringLiteral("app ") + appid;
            bool ok = false;
            const QString version = firstLine(data + QStringLiteral("/version"), &ok);
            // The build that made the prefix: named by its own version file, the same series,
            // or a build folder whose name is the version (as custom builds are).
            const ProtonBuild *chosen = nullptr;
            for (const ProtonBuild &b : builds) {
                if (!version.isEmpty() && (b.name == version || b.version == version)) {
                    chosen = &b;
                    break;
                }
            }
            if (!chosen && !version.isEmpty()) {
                const QString series = protonSeries(version);
                for (const ProtonBuild &b : builds) {
                    if (protonSeries(b.version) == series
                        || b.name.compare(QStringLiteral("Proton ") + series, Qt::CaseInsensitive) == 0) {
                        chosen = &b;
                        break;
                    }
                }
            }
            const QString label = QStringLiteral("Steam: ") + name;
            if (chosen)
                c.Add(data + QStringLiteral("/pfx"), label, PrefixManager::Steam, chosen->wine, chosen->name);
            else
                c.Add(data + QStringLiteral("/pfx"), label, PrefixManager::Steam, QString(),
                      version.isEmpty() ? QStringLiteral("Proton") : QStringLiteral("Proton ") + version, true);
        }
    }
}

// ---- PlayOnLinux --------------------------------------------------------------------------

void findPlayOnLinux(Collector &c, const QString &home)
{
    const QString root = home + QStringLiteral("/.PlayOnLinux");
    for (const QString &name : subfolders(root + QStringLiteral("/wineprefix"))) {
        const QString prefix = root + QStringLiteral("/wineprefix/") + name;
        bool ok = false;
        const QByteArray cfg = readSmallFile(prefix + QStringLiteral("/playonlinux.cfg"), &ok);
        QString version, arch = QStringLiteral("x86");
        for (const QByteArray &line : cfg.split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (text.startsWith(QLatin1String("VERSION=")))
                version = text.mid(8).trimmed();
            else if (text.startsWith(QLatin1String("ARCH=")))
                arch = text.mid(5).trimmed();
        }
        const QString label = QStringLiteral("PlayOnLinux: ") + name;
        if (version.isEmpty() || version == QLatin1String("System"))
            c.AddSystem(prefix, label, PrefixManager::PlayOnLinux);
        else if (!safeComponent(version) || !safeComponent(arch))
            c.Add(prefix, label, PrefixManager::PlayOnLinux, QString(), version, true);
        else
            c.Add(prefix, label, PrefixManager::PlayOnLinux,
                  root + QStringLiteral("/wine/linux-") + arch + QLatin1Char('/') + version + QStringLiteral("/bin/wine"),
                  version);
    }
}

// ---- Heroic -------------------------------------------------------------------------------

struct HeroicWine {
    QString wine;
    QString name;
};

HeroicWine heroicWine(const QJsonObject &settings)
{
    const QJsonObject version = settings.value(QStringLiteral("wineVersion")).toObject();
    HeroicWine w;
    w.name = version.value(QStringLiteral("name")).toString();
    const QString bin = version.value(QStringLiteral("bin")).toString();
    const QString type = version.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("proton") && !bin.isEmpty())
        w.wine = wineInBuild(QFileInfo(bin).path()); // bin names the "proton" script of the build
    else
        w.wine = bin;
    return w;
}

QJsonObject readJsonObject(const QString &path)
{
    bool ok = false;
    const QByteArray data = readSmallFile(path, &ok);
    if (!ok)
        return QJsonObject();
    return QJsonDocument::fromJson(data).object();
}

void findHeroic(Collector &c, const QString &home)
{
    // Each game's settings name its prefix and Wine; the defaults name the rest's Wine.
    QHash<QString, HeroicWine> byPrefix;
    HeroicWine fallback;
    for (const QString &config : distinctFolders({home + QStringLiteral("/.config/heroic"),
                                                  home + QStringLiteral("/.var/app/com.heroicgameslauncher.hgl/config/heroic")})) {
        const QJsonObject global = readJsonObject(config + QStringLiteral("/config.json"));
        const HeroicWine d = heroicWine(global.value(QStringLiteral("defaultSettings")).toObject());
        if (fallback.wine.isEmpty() && !d.wine.isEmpty())
            fallback = d;
        const QString games = config + QStringLiteral("/GamesConfig");
        for (const QString &file : filesMatching(games, QStringLiteral("*.json"))) {
            const QJsonObject top = readJsonObject(games + QLatin1Char('/') + file);
            for (auto it = top.begin(); it != top.end(); ++it) {
                const QJsonObject settings = it.value().toObject();
                const QString prefix = canonical(settings.value(QStringLiteral("winePrefix")).toString());
                if (!prefix.isEmpty())
                    byPrefix.insert(prefix, heroicWine(settings));
            }
        }
    }
    const QString root = home + QStringLiteral("/Games/Heroic/Prefixes");
    for (const QString &folder : {root, root + QStringLiteral("/default")}) {
        for (const QString &name : subfolders(folder)) {
            if (folder == root && name == QLatin1String("default"))
                continue;
            const QString base = folder + QLatin1Char('/') + name;
            const QString prefix = IsWinePrefix(base) ? base : base + QStringLiteral("/pfx");
            HeroicWine w = byPrefix.value(canonical(base), byPrefix.value(canonical(prefix), fallback));
            const QString label = QStringLiteral("Heroic: ") + name;
            if (w.wine.isEmpty())
                c.AddSystem(prefix, label, PrefixManager::Heroic);
            else
                c.Add(prefix, label, PrefixManager::Heroic, w.wine, w.name.isEmpty() ? w.wine : w.name);
        }
    }
}

} // namespace

QString PrefixManagerName(PrefixManager manager)
{
    switch (manager) {
    case PrefixManager::Wine: return QStringLiteral("Wine");
    case PrefixManager::Bottles: return QStringLiteral("Bottles");
    case PrefixManager::Lutris: return QStringLiteral("Lutris");
    case PrefixManager::Steam: return QStringLiteral("Steam");
    case PrefixManager::PlayOnLinux: return QStringLiteral("PlayOnLinux");
    case PrefixManager::Heroic: return QStringLiteral("Heroic");
    }
    return QString();
}

bool IsWinePrefix(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path + QStringLiteral("/drive_c")).isDir()
           && QFileInfo(path + QStringLiteral("/system.reg")).isFile();
}

QVector<WinePrefixInfo> FindWinePrefixes(const QString &homeIn)
{
    QString home = QDir::cleanPath(homeIn);
    Collector c(home);
    const QString variable = QString::fromLocal8Bit(qgetenv("WINEPREFIX"));
    QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = home + QStringLiteral("/.local/share");
    const QString defaultPrefix = home + QStringLiteral("/.wine");

    if (QDir::isAbsolutePath(variable)) {
        const bool isDefault = canonical(variable) == canonical(defaultPrefix) && !canonical(defaultPrefix).isEmpty();
        c.AddSystem(variable, isDefault ? QStringLiteral("Wine: default") : QStringLiteral("Wine: ") + c.Shown(QDir::cleanPath(variable)),
                    PrefixManager::Wine);
    }
    c.AddSystem(defaultPrefix, QStringLiteral("Wine: default"), PrefixManager::Wine);
    const QString xdgPrefixes = dataHome + QStringLiteral("/wineprefixes");
    for (const QString &name : subfolders(xdgPrefixes))
        c.AddSystem(xdgPrefixes + QLatin1Char('/') + name, QStringLiteral("Wine: ") + name, PrefixManager::Wine);

    findBottles(c, home, dataHome);
    findLutris(c, home, dataHome);
    findSteam(c, home, dataHome);
    findPlayOnLinux(c, home);
    findHeroic(c, home);

    if (QDir::isAbsolutePath(variable))
        c.Mark(variable, true);
    c.Mark(defaultPrefix, false);
    return c.Result();
}

CWineHost::Options HostOptionsFor(const WinePrefixInfo &prefix, const CWineHost::Options &base)
{
    CWineHost::Options options = base;
    options.prefix = QFile::encodeName(prefix.path).toStdString();
    options.wine = prefix.wine.isEmpty() ? std::string("wine") : QFile::encodeName(prefix.wine).toStdString();
    options.readOnly = prefix.ReadOnly();
    return options;
}

int InitialPrefixIndex(const QVector<WinePrefixInfo> &prefixes)
{
    for (int i = 0; i < prefixes.size(); ++i) {
        if (prefixes[i].fromWinePrefixVariable)
            return i;
    }
    for (int i = 0; i < prefixes.size(); ++i) {
        if (prefixes[i].isDefaultPrefix)
            return i;
    }
    return prefixes.isEmpty() ? -1 : 0;
}

} // namespace pw
