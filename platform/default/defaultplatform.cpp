#include "platform/default/defaultplatform.h"

#include "platform/platform.h"

#ifdef _WIN32
#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"
#else
#include "platform/wine/wineplatform.h"
#include "platform/wineregfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <mutex>
#include <vector>
#endif

namespace pw {

#ifdef _WIN32

void InstallDefaultPlatform()
{
    // Never destroyed: worker threads may still use it while the process ends.
    static CWin32Platform *const platform = new CWin32Platform(win32::kCodePageAnsi);
    SetCurrentPlatform(platform->AsPlatform());
}

bool StartDefaultPlatform(std::string *error)
{
    if (error)
        error->clear();
    return true;
}

WinePrefixInfo CurrentDefaultPrefix()
{
    return WinePrefixInfo();
}

bool DefaultPrefixIsReadOnly()
{
    return false;
}

bool SwitchDefaultPrefix(const WinePrefixInfo &, bool, std::string *error)
{
    if (error)
        *error = "There are no Wine prefixes on Windows.";
    return false;
}

#else

namespace {

std::mutex g_mutex;
CWinePlatform *g_platform = nullptr; // never destroyed: worker threads may still use it
WinePrefixInfo g_prefix;
bool g_prefixLooked = false;

// What a read-only prefix is read through: its registry files, and the architecture they name.
class COfflineSystemInfo : public ISystemInfo {
public:
    explicit COfflineSystemInfo(bool is64Bit) : m_is64Bit(is64Bit) {}
    uint16_t NativeArchitecture() override { return m_is64Bit ? kArchitectureAmd64 : kArchitectureIntel; }
    uint32_t Kernel32Version() override { return 0; } // unknown: no program of the prefix runs
private:
    bool m_is64Bit;
};
struct OfflinePrefix {
    std::unique_ptr<CWineFileRegistry> registry;
    std::unique_ptr<COfflineSystemInfo> system;
};
// Every one read this run, kept: worker threads may still read one after a switch.
std::vector<std::unique_ptr<OfflinePrefix>> g_offline;

// Makes the current platform the one for the prefix `options` name: the host's, or for a
// read-only prefix its registry read from its files (nothing is started; the processes, the
// Windows Installer and the host's other services refuse as the host's client refuses in a
// read-only prefix). False when a read-only prefix's files could not be read either.
bool applyPrefixPlatform(const CWineHost::Options &options, std::string *error)
{
    Platform platform = g_platform->AsPlatform();
    bool ok = true;
    if (options.readOnly) {
        std::string why;
        auto offline = std::make_unique<OfflinePrefix>();
        offline->registry = CWineFileRegistry::Load(options.prefix, &why);
        if (offline->registry) {
            offline->system = std::make_unique<COfflineSystemInfo>(offline->registry->Is64BitPrefix());
            platform.registry = offline->registry.get();
            platform.system = offline->system.get();
            g_offline.push_back(std::move(offline));
        } else {
            ok = false;
            if (error)
                *error = why;
        }
    }
    SetCurrentPlatform(platform);
    return ok;
}

WinePrefixInfo plainPrefix(const CWineHost::Options &options)
{
    WinePrefixInfo info;
    info.path = QFile::decodeName(options.prefix.c_str());
    info.label = info.path;
    info.wine = options.wine == "wine" ? QString() : QFile::decodeName(options.wine.c_str());
    info.wineName = info.wine.isEmpty() ? QStringLiteral("system") : info.wine;
    info.wineFound = true;
    return info;
}

} // namespace

void InstallDefaultPlatform()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_platform) {
        g_platform = new CWinePlatform(CWineHost::DefaultOptions());
        g_prefix = plainPrefix(g_platform->host.GetOptions());
    }
    SetCurrentPlatform(g_platform->AsPlatform());
}

bool StartDefaultPlatform(std::string *error)
{
    InstallDefaultPlatform();
    std::unique_lock<std::mutex> lock(g_mutex);
    if (!g_prefixLooked) {
        g_prefixLooked = true;
        // The prefix WINEPREFIX or ~/.wine names may be a manager's: then it runs with that
        // manager's Wine, or not at all when that Wine is missing.
        const QString wanted = QFileInfo(g_prefix.path).canonicalFilePath();
        if (!wanted.isEmpty()) {
            for (const WinePrefixInfo &p : FindWinePrefixes(QDir::homePath())) {
                if (p.path == wanted) {
                    g_prefix = p;
                    CWineHost::Options options = HostOptionsFor(p, g_platform->host.GetOptions());
                    options.prefix = g_platform->host.GetOptions().prefix; // as the user named it
                    lock.unlock();
                    g_platform->host.Restart(options, nullptr);
                    lock.lock();
                    break;
                }
            }
        }
    }
    const CWineHost::Options options = g_platform->host.GetOptions();
    if (options.readOnly) {
        // Nothing is started in it: its programs are read from its registry files.
        std::string why;
        if (applyPrefixPlatform(options, &why)) {
            if (error)
                error->clear();
            return true;
        }
        g_platform->host.Start(error); // the message that says why the prefix is read-only
        if (error && !why.empty())
            *error += " (" + why + ")";
        return false;
    }
    lock.unlock();
    // Starting the host now turns a missing Wine or a broken prefix into a message at start-up
    // rather than an empty list later.
    if (!g_platform->host.Start(error))
        return false;
    if (error)
        error->clear();
    return true;
}

WinePrefixInfo CurrentDefaultPrefix()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_prefix;
}

bool DefaultPrefixIsReadOnly()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_platform && g_platform->host.GetOptions().readOnly;
}

bool SwitchDefaultPrefix(const WinePrefixInfo &prefix, bool useSystemWine, std::string *error)
{
    InstallDefaultPlatform();
    CWineHost::Options options;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_prefixLooked = true;
        g_prefix = prefix;
        options = HostOptionsFor(prefix, g_platform->host.GetOptions());
        if (useSystemWine && prefix.ReadOnly()) {
            options.wine = "wine";
            options.readOnly = false;
        }
    }
    const bool started = g_platform->host.Restart(options, error);
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!options.readOnly) {
        applyPrefixPlatform(options, nullptr);
        return started;
    }
    // Read-only: read from its files, nothing started.
    std::string why;
    if (applyPrefixPlatform(options, &why)) {
        if (error)
            error->clear();
        return true;
    }
    if (error && !why.empty())
        *error += " (" + why + ")";
    return false;
}

#endif

bool SelectDefaultPlatform(std::string *error)
{
    InstallDefaultPlatform();
    return StartDefaultPlatform(error);
}

} // namespace pw
