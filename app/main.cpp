#include "app/startup.h"
#include "shell/datafolder.h"
#include "shell/translations.h"
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
    // Every resource path is relative to the data folder, which is where the program stands from
    // here on, wherever it was started from.
    QString error;
    EnterDataFolder(&error);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    InstallTranslations(app);
    QApplication::setDesktopFileName(QStringLiteral("example.vendrix.Purgewell"));
    return RunApplication(app);
}
