#pragma once
// The connection to purgewell-host.exe running under Wine in one prefix. The host is started on
// first use and restarted after it died; any thread may call. Restart() moves it to another
// prefix (or another Wine) at run time. Replies are read by whichever
// waiting caller gets there first and handed to their owners, so a request whose answer takes
// long (waiting for an uninstaller) does not hold up the others.
#include "platform/hostprotocol/hostprotocol.h"
#include "platform/winerror.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace pw {

// The loader that runs 64-bit Windows programs for `wine` (the system's "wine" on PATH, or a
// manager's build): where Wine's 32-bit half is installed, plain "wine" is the 32-bit loader,
// which cannot start a 64-bit program (nor anything in a prefix made without that half). So the
// system's Wine (when "wine" is on PATH) gives "wine64" on PATH, else Debian's
// /usr/lib/wine/wine64; a build gives the wine64 beside its wine. Otherwise `wine` itself (a
// build whose wine serves both, or no Wine at all).
std::string Wine64Loader(const std::string &wine);

// The loader that runs 32-bit Windows programs for `wine`, and so the programs of a 32-bit
// prefix: a build's own wine; for the system's Wine the "wine" beside its 64-bit loader (Debian's
// /usr/lib/wine/wine, from the package wine32), else the "wine" on PATH when that is a program
// and not a script, or plain "wine" where Wine has no split loaders. Empty when the system's
// Wine has its 64-bit loader only (Debian without wine32: its "wine" script would fall back to
// wine64, which cannot serve a 32-bit prefix).
std::string Wine32Loader(const std::string &wine);

// What a Wine prefix is made for: 64-bit Windows (which runs 32-bit programs as well), or 32-bit
// Windows only (WINEARCH=win32), where no 64-bit program runs.
enum class WineArch { Win64, Win32 };

// The architecture a prefix's system.reg declares, read as Wine reads it: the "#arch=win32" or
// "#arch=win64" line among the options before the first key. Wine takes a registry file that
// has no such line, one it cannot read (no "WINE REGISTRY Version 2" header) or one naming an
// architecture it does not know for a 32-bit prefix, and so does this.
WineArch WineArchFromSystemReg(const std::string &text);
// The architecture of the prefix folder `prefix`, from its system.reg; a prefix without a
// readable system.reg (a new one) is made 64-bit.
WineArch PrefixArch(const std::string &prefix);

class CWineHost {
public:
    struct Options {
        std::string prefix;   // absolute path of the Wine prefix
        std::string hostExe;   // purgewell-host.exe, for 64-bit prefixes
        std::string hostExe32; // purgewell-host32.exe, for 32-bit prefixes
        // The wine binary: "wine" on PATH, or the path of a manager's build. The wineserver
        // beside a build's wine (where the build ships one) serves it.
        std::string wine = "wine";
        // A prefix whose own Wine is missing: nothing is ever started in it (no host, no
        // wineboot); requests fail with a message that says why. Only the user's consent
        // lifts it, by a Restart() with the flag cleared.
        bool readOnly = false;
    };
    // WINEPREFIX (default ~/.wine), and the hosts beside this executable or in the build tree.
    static Options DefaultOptions();

    explicit CWineHost(Options options);
    ~CWineHost();
    CWineHost(const CWineHost &) = delete;
    CWineHost &operator=(const CWineHost &) = delete;

    // Starts the host unless it runs: the one the prefix's architecture needs (PrefixArch), with
    // the loader that runs it, purgewell-host.exe with Wine64Loader in a 64-bit prefix and
    // purgewell-host32.exe with Wine32Loader in a 32-bit one. On failure gives a message the user
    // can be shown, for a 32-bit prefix that cannot be served here one that names the cause.
    bool Start(std::string *error);
    // Ends the running host, if any (handles from it become invalid).
    void Stop();
    // Ends the running host and takes `options` for every later start; then starts the host
    // there unless the new prefix is read-only. False with a message when it could not be
    // started (a read-only prefix always gives false and starts nothing).
    bool Restart(Options options, std::string *error);

    // Sends a request and waits for the reply body (after the request id). `generation` is the
    // host that a key handle in the arguments belongs to, 0 when there is none: such a request
    // fails with kErrorInvalidHandle once that host is gone. Without a generation, a request that
    // finds the host dead is sent again to a new one if `retry` is set. Returns kErrorSuccess or
    // kErrorBackendUnavailable (or kErrorInvalidHandle); *served is the host that answered.
    WinError Call(uint32_t op, const hostproto::Writer &args, std::string *reply, uint32_t generation = 0,
                  bool retry = true, uint32_t *served = nullptr);
    // A request whose reply is an error and one text (a path, a name): the text is given only
    // with kErrorSuccess, and a reply that does not read is kErrorBackendUnavailable.
    WinError CallForText(uint32_t op, const hostproto::Writer &args, std::string *text);
    // Sends a request that gets no reply, to the host of `generation`.
    WinError Post(uint32_t op, const hostproto::Writer &args, uint32_t generation);

    // Counts requests that may have changed the prefix (registry writes, programs run), so that
    // what was read before can be told stale.
    uint64_t ChangeCount() const;
    void NoteChange();

    Options GetOptions() const;
    // Why the host could not be started or was lost, for the user.
    std::string LastError() const;

    // For tests: the running host's process id (0 when none), and a way to kill it.
    int HostProcessId() const;
    void KillHostForTest();

private:
    struct Connection;
    struct Launch;
    std::shared_ptr<Connection> StartLocked(std::unique_lock<std::mutex> &lock);
    bool PrepareLocked(Launch *launch, std::string *error);
    bool Await(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Connection> &conn, uint32_t id,
               std::string *reply);
    void MarkDeadLocked(const std::shared_ptr<Connection> &conn);

    Options m_options; // guarded by m_mutex
    mutable std::mutex m_mutex;
    std::condition_variable m_replied;
    std::shared_ptr<Connection> m_conn;
    uint32_t m_generation = 0;
    uint32_t m_nextId = 1;
    std::string m_lastError;
    std::atomic<uint64_t> m_changes{0};
};

} // namespace pw
