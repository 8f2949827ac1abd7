#include "app/startup.h"
#include "platform/desktopservices.h"

#include <QApplication>

namespace {
// Installed during static initialisation, so a crash anywhere after, start-up included, is
// caught.
const bool g_crashFilterInstalled = (pw::InstallCrashFilter(), true);
} // namespace

int main(int argc, char *argv[])
{
    (void)g_crashFilterInstalled;
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    return RunApplication(app);
}
