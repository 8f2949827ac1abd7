// A Linux program for tst_linuxdesktop:
//   first DIR     takes the single instance in DIR, prints "first", then runs until killed
//   second DIR    exit code 0 when the single-instance check in DIR refuses it, else 1
//   crash KIND    installs the crash report, then crashes (segv or abort)
#include "platform/wine/linuxdesktopservices.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    if (std::strcmp(argv[1], "crash") == 0) {
        pw::InstallCrashFilter();
        if (std::strcmp(argv[2], "abort") == 0)
            std::abort();
        volatile int *nowhere = nullptr;
        *nowhere = 1;
        return 0;
    }
    QCoreApplication app(argc, argv);
    pw::CLinuxDesktopServices desktop(QString::fromLocal8Bit(argv[2]));
    const bool first = desktop.CheckSingleInstance();
    if (std::strcmp(argv[1], "second") == 0)
        return first ? 1 : 0;
    if (!first)
        return 3;
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
