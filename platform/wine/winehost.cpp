#include "platform/wine/winehost.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace pw {

using namespace hostproto;

namespace {

// A first start may have to bring an old prefix up to date, which takes a while.
constexpr int kHelloTimeoutMs = 120000;
constexpr int kCreatePrefixTimeoutMs = 300000;
constexpr size_t kTailBytes = 4096;

// The last few kilobytes Wine wrote to the host's standard error, for error messages.
struct ErrorTail {
    std::mutex mutex;
    std::condition_variable finished;
    std::string text;
    bool closed = false;

    void Add(const char *data, size_t n)
    {
        std::lock_guard<std::mutex> lock(mutex);
        text.append(data, n);
        if (text.size() > kTailBytes)
            text.erase(0, text.size() - kTailBytes);
    }
    void Close()
    {
        std::lock_guard<std::mutex> lock(mutex);
        closed = true;
        finished.notify_all();
    }
    // What was written, once the writer has gone (or after a second, as helper processes that
    // Wine started may hold the pipe).
    std::string Get()
    {
        std::unique_lock<std::mutex> lock(mutex);
        finished.wait_for(lock, std::chrono::seconds(1), [this] { return closed; });
        return text;
    }
    std::string Peek()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return text;
    }
};

// Reads a pipe until every writer has closed it. Wine's helper processes may keep it open long
// after the host has gone, so the thread is not joined.
void drain(int fd, std::shared_ptr<ErrorTail> tail)
{
    std::thread([fd, tail] {
        char buffer[1024];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n > 0)
                tail->Add(buffer, size_t(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
        close(fd);
        tail->Close();
    }).detach();
}

// Wine's own messages, trimmed to what helps a user.
std::string wineMessage(const std::string &raw)
{
    std::string out;
    size_t start = 0;
    while (start < raw.size()) {
        size_t end = raw.find('\n', start);
        if (end == std::string::npos)
            end = raw.size();
        std::string line = raw.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty() || line.find("wine32 is missing") != std::string::npos
            || line.find("multiarch needs") != std::string::npos || line.find("dpkg --add-architecture") != std::string::npos
            || line.find("apt-get install wine32") != std::string::npos)
            continue;
        if (!out.empty())
            out += ' ';
        out += line;
    }
    return out;
}

bool writeAll(int fd, const std::string &data)
{
    // A dead host must give an error here, not a SIGPIPE that ends the program.
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const char *p = data.data();
    size_t left = data.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= size_t(n);
    }
    if (!ok && errno == EPIPE) {
        const timespec none = {0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &none) == SIGPIPE) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return ok;
}

bool readAll(int fd, char *p, size_t left)
{
    while (left > 0) {
        const ssize_t n = read(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= size_t(n);
    }
    return true;
}

bool readFrame(int fd, std::string *body)
{
    uint32_t length = 0;
    if (!readAll(fd, reinterpret_cast<char *>(&length), 4) || length < 4 || length > kMaxFrame)
        return false;
    body->resize(length);
    return readAll(fd, &(*body)[0], length);
}

// Waits until fd is readable or the deadline passes.
bool waitReadable(int fd, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p = {fd, POLLIN, 0};
        const int r = poll(&p, 1, int(left.count()));
        if (r > 0)
            return true;
        if (r < 0 && errno != EINTR)
            return false;
    }
}

// The wineserver that belongs to `wine` when it is a build of its own (a manager's runner):
// beside it, or empty for the system's.
std::string wineserverBeside(const std::string &wine)
{
    const size_t slash = wine.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    const std::string server = wine.substr(0, slash + 1) + "wineserver";
    return access(server.c_str(), X_OK) == 0 ? server : std::string();
}

std::vector<std::string> wineEnvironment(const std::string &prefix, const std::string &wine = std::string())
{
    std::vector<std::string> env;
    bool haveDebug = false;
    const std::string server = wineserverBeside(wine);
    for (char **e = environ; e && *e; ++e) {
        // The prefix's own architecture decides which loader runs in it; a WINEARCH left in the
        // environment for another prefix would only make Wine refuse this one, and a new prefix
        // is made 64-bit.
        if (!std::strncmp(*e, "WINEPREFIX=", 11) || !std::strncmp(*e, "WINEARCH=", 9))
            continue;
        if (!server.empty() && (!std::strncmp(*e, "WINESERVER=", 11) || !std::strncmp(*e, "WINELOADER=", 11)))
            continue;
        if (!std::strncmp(*e, "WINEDEBUG=", 10))
            haveDebug = true;
        env.emplace_back(*e);
    }
    env.push_back("WINEPREFIX=" + prefix);
    if (!server.empty()) {
        env.push_back("WINESERVER=" + server);
        env.push_back("WINELOADER=" + wine);
    }
    if (!haveDebug)
        env.emplace_back("WINEDEBUG=-all");
    return env;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> out;
    for (std::string &s : strings)
        out.push_back(&s[0]);
    out.push_back(nullptr);
    return out;
}

// Starts `wine args...` with the given standard input and output (-1: /dev/null) and standard
// error into `errFd`. Returns the process id, or -1 with errno set.
pid_t spawnWine(const std::string &wine, std::vector<std::string> args, std::vector<std::string> env, int in, int out,
                int err, const std::string &directory)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in >= 0)
        posix_spawn_file_actions_adddup2(&actions, in, 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    args.insert(args.begin(), wine);
    std::vector<char *> argv = pointers(args);
    std::vector<char *> envp = pointers(env);
    pid_t pid = -1;
    const int r = posix_spawnp(&pid, wine.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (r != 0) {
        errno = r;
        return -1;
    }
    return pid;
}

bool isDirectory(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

std::string wineMissing(const std::string &wine)
{
    if (wine.find('/') != std::string::npos)
        return "Wine was not found: \"" + wine + "\" does not exist or cannot be run.";
    return "Wine was not found: the command \"" + wine
           + "\" could not be started. Install Wine (the Debian packages wine and wine64) to manage the "
             "Windows programs of a Wine prefix.";
}

bool isExecutable(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// `name` on PATH, or empty.
std::string onPath(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (!folder.empty() && isExecutable(folder + "/" + name))
            return folder + "/" + name;
    }
    return std::string();
}

// The file `name` in the folder of `path`.
std::string besideFile(const std::string &path, const std::string &name)
{
    const size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + name;
}

std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QString fromLocal(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

// A 32-bit prefix whose 32-bit host was not installed or built.
std::string noHost32Message(const std::string &prefix, const std::string &hostExe32)
{
    return utf8(QCoreApplication::translate("pw::CWineHost",
                                            "purgewell-host32.exe was not found (looked for \"%2\"): the Wine prefix "
                                            "\"%1\" is a 32-bit prefix (WINEARCH=win32), which only that host can serve. "
                                            "Build the program again with scripts/setup.sh, or install its package again.")
                    .arg(fromLocal(prefix), fromLocal(hostExe32)));
}

// A 32-bit prefix whose Wine has no 32-bit half: the system's without the package wine32, or a
// build made for 64-bit programs only.
std::string no32BitWineMessage(const std::string &prefix, const std::string &wine)
{
    if (wine.find('/') == std::string::npos)
        return utf8(QCoreApplication::translate(
                        "pw::CWineHost",
                        "The Wine prefix \"%1\" is a 32-bit prefix (WINEARCH=win32), and Wine's 32-bit half, which runs "
                        "its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture "
                        "i386 && apt-get update && apt-get install wine32:i386), then start Vendrix Purgewell again.")
                        .arg(fromLocal(prefix)));
    return utf8(QCoreApplication::translate("pw::CWineHost",
                                            "The Wine prefix \"%1\" is a 32-bit prefix (WINEARCH=win32), and the Wine it "
                                            "runs with (\"%2\") cannot run 32-bit programs: its 32-bit half (wine32) is "
                                            "missing. Give the prefix a Wine with 32-bit support in its manager, then start "
                                            "Vendrix Purgewell again.")
                    .arg(fromLocal(prefix), fromLocal(wine)));
}

// A 32-bit prefix whose 32-bit loader is there but cannot run: the system runs no 32-bit x86
// programs (a kernel without its 32-bit emulation, or another processor).
std::string cannotRun32BitMessage(const std::string &prefix, const std::string &loader)
{
    return utf8(QCoreApplication::translate(
                    "pw::CWineHost",
                    "The Wine prefix \"%1\" is a 32-bit prefix (WINEARCH=win32), and Wine's 32-bit loader (\"%2\") cannot "
                    "run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel's "
                    "32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this "
                    "prefix on a system that runs 32-bit programs.")
                    .arg(fromLocal(prefix), fromLocal(loader)));
}

// Why a 32-bit prefix's host did not start, told from what Wine wrote: a 32-bit loader the
// system cannot execute, or a loader with no 32-bit half (a 64-bit one refuses a 32-bit prefix;
// Debian's "wine" script falls back to wine64 and says wine32 is missing). Empty otherwise.
std::string why32BitHostFailed(const std::string &raw, const std::string &prefix, const std::string &wine,
                               const std::string &loader)
{
    if (raw.find("Exec format error") != std::string::npos)
        return cannotRun32BitMessage(prefix, loader);
    if (raw.find("32-bit installation") != std::string::npos || raw.find("wine32 is missing") != std::string::npos)
        return no32BitWineMessage(prefix, wine);
    return std::string();
}

} // namespace

std::string Wine64Loader(const std::string &wine)
{
    const size_t slash = wine.rfind('/');
    if (slash == std::string::npos) {
        // The system's Wine is the one whose "wine" is on PATH; without it there is none.
        if (wine != "wine" || onPath("wine").empty())
            return wine;
        const std::string onThePath = onPath("wine64");
        if (!onThePath.empty())
            return onThePath;
        for (const char *debian : {"/usr/lib/wine/wine64", "/usr/lib64/wine/wine64"})
            if (isExecutable(debian))
                return debian;
        return wine;
    }
    const std::string beside = wine.substr(0, slash + 1) + "wine64";
    return isExecutable(beside) ? beside : wine;
}

std::string Wine32Loader(const std::string &wine)
{
    // A build's wine is its 32-bit loader where the loaders are split, else its only one.
    if (wine.find('/') != std::string::npos || wine != "wine" || onPath("wine").empty())
        return wine;
    const std::string loader64 = Wine64Loader(wine);
    if (loader64.find('/') == std::string::npos)
        return wine; // no split loaders: "wine" serves both
    // The 32-bit loader lies beside the real 64-bit one (symbolic links resolved, as on PATH).
    std::string folder = loader64;
    if (char *real = realpath(loader64.c_str(), nullptr)) {
        folder = real;
        std::free(real);
    }
    folder.erase(folder.rfind('/') + 1);
    const std::string beside = folder + "wine";
    if (isExecutable(beside))
        return beside;
    // Elsewhere a "wine" on PATH that is a program of its own is a loader too. Debian's is a
    // script that falls back to wine64 when the 32-bit loader is missing: then there is none.
    const std::string onThePath = onPath("wine");
    char start[2] = {};
    std::ifstream(onThePath, std::ios::binary).read(start, 2);
    return start[0] == '#' && start[1] == '!' ? std::string() : onThePath;
}

WineArch WineArchFromSystemReg(const std::string &text)
{
    bool header = true;
    size_t start = 0;
    while (start < text.size() || header) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (header) {
            if (line != "WINE REGISTRY Version 2")
                return WineArch::Win32;
            header = false;
            continue;
        }
        const size_t p = line.find_first_not_of(" \t\f\v");
        if (p == std::string::npos)
            continue;
        if (line[p] == '[')
            break; // the first key: the file's own options come before it
        if (line.compare(p, 6, "#arch=") == 0)
            return line.compare(p + 6, std::string::npos, "win64") == 0 ? WineArch::Win64 : WineArch::Win32;
    }
    return WineArch::Win32;
}

WineArch PrefixArch(const std::string &prefix)
{
    std::ifstream file(prefix + "/system.reg", std::ios::binary);
    if (!file)
        return WineArch::Win64;
    // The options are the first few lines; a prefix's system.reg is megabytes long.
    std::string head(64 * 1024, '\0');
    file.read(&head[0], std::streamsize(head.size()));
    head.resize(size_t(file.gcount()));
    return WineArchFromSystemReg(head);
}

// What one start runs: the host the prefix's architecture needs, and the loader for it.
struct CWineHost::Launch {
    WineArch arch = WineArch::Win64;
    std::string loader;
    std::string hostExe;
};

struct CWineHost::Connection {
    uint32_t generation = 0;
    pid_t pid = -1;
    int toHost = -1;
    int fromHost = -1;
    std::mutex writeMutex;
    std::shared_ptr<ErrorTail> tail;
    // Guarded by the host's mutex.
    bool dead = false;
    bool readerActive = false;
    std::set<uint32_t> waiting;
    std::map<uint32_t, std::string> replies;

    ~Connection()
    {
        if (toHost >= 0)
            close(toHost);
        if (fromHost >= 0)
            close(fromHost);
        if (pid <= 0)
            return;
        // The host ends by itself when its input closes.
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid, nullptr, WNOHANG) != 0)
                return;
            usleep(10000);
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    bool Send(uint32_t id, uint32_t op, const Writer &args)
    {
        Writer body;
        body.U32(id);
        body.U32(op);
        body.Append(args);
        std::lock_guard<std::mutex> lock(writeMutex);
        return writeAll(toHost, body.Frame());
    }
};

CWineHost::Options CWineHost::DefaultOptions()
{
    Options options;
    const char *prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix) {
        options.prefix = prefix;
    } else {
        const char *home = std::getenv("HOME");
        options.prefix = std::string(home ? home : "") + "/.wine";
    }
    while (options.prefix.size() > 1 && options.prefix.back() == '/')
        options.prefix.pop_back();
    // Both hosts are found the same way: beside this executable, then where `cmake --install`
    // puts them relative to it, then in the build tree. purgewell-host32.exe always lies beside
    // purgewell-host.exe.
    const auto find = [](const std::string &name) {
        std::string found;
        char self[4096];
        const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n > 0) {
            std::string dir(self, size_t(n));
            dir.erase(dir.rfind('/'));
            found = dir + "/" + name;
#ifdef PURGEWELL_HOST_FROM_BIN
            const std::string installed = besideFile(dir + "/" PURGEWELL_HOST_FROM_BIN, name);
            if (!exists(found) && exists(installed))
                found = installed;
#endif
        }
#ifdef PURGEWELL_HOST_BUILD_PATH
        if (found.empty() || !exists(found))
            found = besideFile(PURGEWELL_HOST_BUILD_PATH, name);
#endif
        return found;
    };
    options.hostExe = find("purgewell-host.exe");
    options.hostExe32 = find("purgewell-host32.exe");
    return options;
}

CWineHost::CWineHost(Options options) : m_options(std::move(options)) {}

CWineHost::~CWineHost()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_conn.reset();
}

bool CWineHost::PrepareLocked(Launch *launch, std::string *error)
{
    const std::string &prefix = m_options.prefix;
    if (prefix.empty() || prefix[0] != '/') {
        *error = "WINEPREFIX must be an absolute path; it is \"" + prefix + "\".";
        return false;
    }
    if (exists(prefix) && !isDirectory(prefix)) {
        *error = "The Wine prefix \"" + prefix
                 + "\" is not a folder. Point WINEPREFIX at a Wine prefix folder, or unset it to use ~/.wine.";
        return false;
    }
    // A prefix that does not exist yet is made 64-bit below.
    launch->arch = exists(prefix) ? PrefixArch(prefix) : WineArch::Win64;
    if (launch->arch == WineArch::Win32) {
        if (m_options.hostExe32.empty() || !exists(m_options.hostExe32)) {
            *error = noHost32Message(prefix, m_options.hostExe32);
            return false;
        }
        launch->hostExe = m_options.hostExe32;
        launch->loader = Wine32Loader(m_options.wine);
        if (launch->loader.empty()) {
            *error = no32BitWineMessage(prefix, m_options.wine);
            return false;
        }
        return true;
    }
    if (m_options.hostExe.empty() || !exists(m_options.hostExe)) {
        *error = "purgewell-host.exe was not found (looked for \"" + m_options.hostExe
                 + "\"). Build the program again with scripts/setup.sh.";
        return false;
    }
    launch->hostExe = m_options.hostExe;
    launch->loader = Wine64Loader(m_options.wine);
    if (exists(prefix))
        return true;

    // A new prefix, made the way Wine makes it on first use, but without asking to install
    // Mono or Gecko.
    std::vector<std::string> env = wineEnvironment(prefix, m_options.wine);
    std::string overrides = "WINEDLLOVERRIDES=mscoree,mshtml=";
    for (auto it = env.begin(); it != env.end(); ++it) {
        if (it->compare(0, 17, "WINEDLLOVERRIDES=") == 0) {
            overrides += ";" + it->substr(17);
            env.erase(it);
            break;
        }
    }
    env.push_back(overrides);
    int errPipe[2];
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        *error = std::string("Could not create a pipe: ") + std::strerror(errno);
        return false;
    }
    const pid_t pid = spawnWine(launch->loader, {"wineboot", "--init"}, env, -1, -1, errPipe[1], std::string());
    const int spawnErrno = errno;
    close(errPipe[1]);
    if (pid < 0) {
        close(errPipe[0]);
        *error = spawnErrno == ENOENT ? wineMissing(m_options.wine)
                                      : "Could not start " + m_options.wine + ": " + std::strerror(spawnErrno);
        return false;
    }
    auto tail = std::make_shared<ErrorTail>();
    drain(errPipe[0], tail);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCreatePrefixTimeoutMs);
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        usleep(50000);
    if (done == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        *error = "Wine did not finish creating the prefix \"" + prefix + "\" within "
                 + std::to_string(kCreatePrefixTimeoutMs / 1000) + " seconds.";
        return false;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !isDirectory(prefix)) {
        const std::string said = wineMessage(tail->Get());
        *error = "Wine could not create the prefix \"" + prefix + "\"" + (said.empty() ? "." : ": " + said);
        return false;
    }
    return true;
}

std::string ReadOnlyMessage(const std::string &prefix, const std::string &wine)
{
    return "The Wine prefix \"" + prefix + "\" is read-only here: the Wine it was made with (\"" + wine
           + "\") is not on this machine, and another Wine could update the prefix and break it for its manager. "
             "Install that Wine, or agree to use the system's Wine in it.";
}

std::shared_ptr<CWineHost::Connection> CWineHost::StartLocked(std::unique_lock<std::mutex> &)
{
    if (m_options.readOnly) {
        m_lastError = ReadOnlyMessage(m_options.prefix, m_options.wine);
        return nullptr;
    }
    std::string error;
    Launch launch;
    if (!PrepareLocked(&launch, &error)) {
        m_lastError = error;
        return nullptr;
    }
    const bool prefix32 = launch.arch == WineArch::Win32;
    int toHost[2], fromHost[2], errPipe[2];
    if (pipe2(toHost, O_CLOEXEC) != 0 || pipe2(fromHost, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) {
        m_lastError = std::string("Could not create a pipe: ") + std::strerror(errno);
        return nullptr;
    }
    const std::string driveC = m_options.prefix + "/drive_c";
    const pid_t pid = spawnWine(launch.loader, {launch.hostExe}, wineEnvironment(m_options.prefix, m_options.wine),
                                toHost[0], fromHost[1], errPipe[1], isDirectory(driveC) ? driveC : std::string());
    const int spawnErrno = errno;
    close(toHost[0]);
    close(fromHost[1]);
    close(errPipe[1]);
    auto conn = std::make_shared<Connection>();
    conn->toHost = toHost[1];
    conn->fromHost = fromHost[0];
    conn->tail = std::make_shared<ErrorTail>();
    if (pid < 0) {
        close(errPipe[0]);
        if (prefix32 && spawnErrno == ENOEXEC)
            m_lastError = cannotRun32BitMessage(m_options.prefix, launch.loader);
        else
            m_lastError = spawnErrno == ENOENT ? wineMissing(m_options.wine)
                                               : "Could not start " + m_options.wine + ": " + std::strerror(spawnErrno);
        return nullptr;
    }
    drain(errPipe[0], conn->tail);
    conn->pid = pid;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHelloTimeoutMs);
    std::string hello;
    const bool answered = waitReadable(conn->fromHost, deadline) && readFrame(conn->fromHost, &hello);
    Reader reader(hello);
    const uint32_t id = reader.U32();
    const uint32_t version = reader.U32();
    if (!answered || !reader.Ok() || id != kHelloId || version != kVersion) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        conn->pid = -1;
        const std::string raw = conn->tail->Get();
        if (prefix32 && !answered) {
            m_lastError = why32BitHostFailed(raw, m_options.prefix, m_options.wine, launch.loader);
            if (!m_lastError.empty())
                return nullptr;
        }
        std::string said = wineMessage(raw);
        if (!answered && said.empty() && std::chrono::steady_clock::now() >= deadline)
            said = "it gave no answer within " + std::to_string(kHelloTimeoutMs / 1000) + " seconds";
        else if (answered && said.empty())
            said = "it speaks another protocol version (an old build?)";
        m_lastError = std::string("Wine could not start ") + (prefix32 ? "purgewell-host32.exe" : "purgewell-host.exe")
                      + " in the prefix \"" + m_options.prefix + "\"" + (said.empty() ? "." : ": " + said);
        return nullptr;
    }
    conn->generation = ++m_generation;
    m_conn = conn;
    return conn;
}

bool CWineHost::Start(std::string *error)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if ((m_conn && !m_conn->dead) || StartLocked(lock))
        return true;
    if (error)
        *error = m_lastError;
    return false;
}

void CWineHost::Stop()
{
    std::shared_ptr<Connection> old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        old = std::move(m_conn);
        if (old) {
            old->dead = true;
            ++m_changes;
        }
        m_replied.notify_all();
    }
    if (!old)
        return;
    // Closing its input ends the host; a request still waiting on it then finds it dead. The
    // connection itself goes with its last user.
    std::lock_guard<std::mutex> write(old->writeMutex);
    if (old->toHost >= 0) {
        close(old->toHost);
        old->toHost = -1;
    }
}

bool CWineHost::Restart(Options options, std::string *error)
{
    Stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        while (options.prefix.size() > 1 && options.prefix.back() == '/')
            options.prefix.pop_back();
        m_options = std::move(options);
        m_lastError.clear();
    }
    return Start(error);
}

CWineHost::Options CWineHost::GetOptions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_options;
}

void CWineHost::MarkDeadLocked(const std::shared_ptr<Connection> &conn)
{
    if (!conn->dead) {
        conn->dead = true;
        ++m_changes; // what was read through its handles is gone with it
        if (conn->pid > 0)
            kill(conn->pid, SIGKILL); // it may be alive but out of step
        const std::string said = wineMessage(conn->tail->Peek());
        m_lastError = "purgewell-host.exe ended unexpectedly in the prefix \"" + m_options.prefix + "\""
                      + (said.empty() ? "." : ": " + said);
    }
    if (m_conn == conn)
        m_conn.reset();
    m_replied.notify_all();
}

bool CWineHost::Await(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Connection> &conn, uint32_t id,
                      std::string *reply)
{
    for (;;) {
        auto it = conn->replies.find(id);
        if (it != conn->replies.end()) {
            *reply = std::move(it->second);
            conn->replies.erase(it);
            return true;
        }
        if (conn->dead)
            return false;
        if (conn->readerActive) {
            m_replied.wait(lock);
            continue;
        }
        // Read for everybody until our own answer has come.
        conn->readerActive = true;
        lock.unlock();
        std::string body;
        const bool ok = readFrame(conn->fromHost, &body);
        lock.lock();
        conn->readerActive = false;
        if (!ok) {
            MarkDeadLocked(conn);
            continue;
        }
        Reader reader(body);
        const uint32_t from = reader.U32();
        if (conn->waiting.count(from))
            conn->replies[from] = body.substr(4);
        m_replied.notify_all();
    }
}

WinError CWineHost::CallForText(uint32_t op, const Writer &args, std::string *text)
{
    std::string reply;
    const WinError sent = Call(op, args, &reply);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    std::string found = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result == kErrorSuccess)
        *text = std::move(found);
    return result;
}

WinError CWineHost::Call(uint32_t op, const Writer &args, std::string *reply, uint32_t generation, bool retry,
                         uint32_t *served)
{
    for (int attempt = 0;; ++attempt) {
        std::unique_lock<std::mutex> lock(m_mutex);
        std::shared_ptr<Connection> conn = m_conn;
        if (generation != 0) {
            if (!conn || conn->dead || conn->generation != generation)
                return kErrorInvalidHandle;
        } else if (!conn || conn->dead) {
            conn = StartLocked(lock);
            if (!conn)
                return kErrorBackendUnavailable;
        }
        const uint32_t id = m_nextId++;
        if (m_nextId == kHelloId)
            ++m_nextId;
        conn->waiting.insert(id);
        lock.unlock();
        const bool sent = conn->Send(id, op, args);
        lock.lock();
        if (!sent)
            MarkDeadLocked(conn);
        const bool answered = Await(lock, conn, id, reply);
        conn->waiting.erase(id);
        if (answered) {
            if (served)
                *served = conn->generation;
            return kErrorSuccess;
        }
        if (generation != 0 || !retry || attempt > 0)
            return kErrorBackendUnavailable;
    }
}

WinError CWineHost::Post(uint32_t op, const Writer &args, uint32_t generation)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::shared_ptr<Connection> conn = m_conn;
    if (!conn || conn->dead || conn->generation != generation)
        return kErrorInvalidHandle;
    lock.unlock();
    if (conn->Send(0, op | kNoReply, args))
        return kErrorSuccess;
    lock.lock();
    MarkDeadLocked(conn);
    return kErrorBackendUnavailable;
}

uint64_t CWineHost::ChangeCount() const
{
    return m_changes.load();
}

void CWineHost::NoteChange()
{
    ++m_changes;
}

std::string CWineHost::LastError() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastError;
}

int CWineHost::HostProcessId() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_conn && !m_conn->dead ? int(m_conn->pid) : 0;
}

void CWineHost::KillHostForTest()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_conn || m_conn->pid <= 0)
        return;
    kill(m_conn->pid, SIGKILL);
    waitpid(m_conn->pid, nullptr, 0);
    m_conn->pid = -1; // reaped; the connection finds out on its next request
}

} // namespace pw
