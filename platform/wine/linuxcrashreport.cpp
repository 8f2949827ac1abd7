// The crash report of the Linux program: on a fatal signal, a short report with the signal and
// a backtrace is written to $XDG_STATE_HOME/purgewell/crash-<pid>.txt (by default under
// ~/.local/state), beside the log, and the signal then takes its normal course.
#include "platform/desktopservices.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pw {

namespace {

// Everything the handler needs is prepared beforehand: it may only make async-signal-safe calls.
char g_reportFolder[1100];
std::atomic<bool> g_installed{false};
char g_alternateStack[64 * 1024];

const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGABRT: return "SIGABRT (abort)";
    case SIGTRAP: return "SIGTRAP (trap)";
    case SIGSYS: return "SIGSYS (bad system call)";
    }
    return "unknown signal";
}

void put(int fd, const char *text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = write(fd, text, left);
        if (n <= 0)
            return;
        text += n;
        left -= size_t(n);
    }
}

// Decimal digits without printf, which is not safe in a signal handler.
void putNumber(int fd, unsigned long long value, int width = 0)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value && n < 24);
    while (n < width && n < 24)
        digits[n++] = '0';
    char text[25];
    for (int i = 0; i < n; ++i)
        text[i] = digits[n - 1 - i];
    text[n] = '\0';
    put(fd, text);
}

// UTC date and time from seconds since 1970 (civil-from-days).
void putTime(int fd, time_t now)
{
    long long days = now / 86400;
    long long seconds = now % 86400;
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2);
    putNumber(fd, (unsigned long long)year, 4);
    put(fd, "-");
    putNumber(fd, (unsigned long long)month, 2);
    put(fd, "-");
    putNumber(fd, (unsigned long long)day, 2);
    put(fd, " ");
    putNumber(fd, (unsigned long long)(seconds / 3600), 2);
    put(fd, ":");
    putNumber(fd, (unsigned long long)(seconds / 60 % 60), 2);
    put(fd, ":");
    putNumber(fd, (unsigned long long)(seconds % 60), 2);
    put(fd, " UTC");
}

// mkdir -p of the report folder.
void makeFolders()
{
    char path[sizeof g_reportFolder];
    std::memcpy(path, g_reportFolder, sizeof path);
    for (size_t i = 1; path[i]; ++i) {
        if (path[i] != '/')
            continue;
        path[i] = '\0';
        mkdir(path, 0700);
        path[i] = '/';
    }
    mkdir(path, 0700);
}

void onFatalSignal(int signal)
{
    makeFolders();
    char path[1200];
    const size_t folderLength = std::strlen(g_reportFolder);
    std::memcpy(path, g_reportFolder, folderLength);
    path[folderLength] = '\0';
    std::strcat(path, "/crash-");
    int fd = -1;
    {
        // The process id as text, by hand.
        char number[24];
        int n = 0;
        unsigned long pid = (unsigned long)getpid();
        do {
            number[n++] = char('0' + pid % 10);
            pid /= 10;
        } while (pid);
        size_t at = std::strlen(path);
        while (n > 0)
            path[at++] = number[--n];
        path[at] = '\0';
        std::strcat(path, ".txt");
        fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    }
    if (fd >= 0) {
        put(fd, "Vendrix Purgewell crashed at ");
        putTime(fd, time(nullptr));
        put(fd, ".\nSignal: ");
        putNumber(fd, (unsigned long long)signal);
        put(fd, " ");
        put(fd, signalName(signal));
        put(fd, "\nProcess: ");
        putNumber(fd, (unsigned long long)getpid());
        put(fd, "\nBacktrace:\n");
        void *frames[64];
        const int depth = backtrace(frames, 64);
        backtrace_symbols_fd(frames, depth, fd);
        close(fd);
    }
    // The handler was reset to the default: the signal now ends the process as usual.
    raise(signal);
}

} // namespace

void InstallCrashFilter()
{
    if (g_installed.exchange(true))
        return;
    const char *state = std::getenv("XDG_STATE_HOME");
    const char *home = std::getenv("HOME");
    if (state && state[0] == '/')
        std::snprintf(g_reportFolder, sizeof g_reportFolder, "%s/purgewell", state);
    else
        std::snprintf(g_reportFolder, sizeof g_reportFolder, "%s/.local/state/purgewell", home ? home : "/tmp");

    // Loads what backtrace needs now, not in the handler.
    void *warmUp[1];
    backtrace(warmUp, 1);

    stack_t stack = {};
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof g_alternateStack;
    sigaltstack(&stack, nullptr); // a stack overflow still gets its report

    struct sigaction action = {};
    action.sa_handler = onFatalSignal;
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace pw
