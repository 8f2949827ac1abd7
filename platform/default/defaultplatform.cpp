#include "platform/default/defaultplatform.h"

#include "platform/platform.h"

#ifdef _WIN32
#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"
#else
#include "platform/wine/wineplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>
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
    return g_platform->host.Restart(options, error);
}

#endif

bool SelectDefaultPlatform(std::string *error)
{
    InstallDefaultPlatform();
    return StartDefaultPlatform(error);
}

} // namespace pw
