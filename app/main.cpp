#include "app/msgids.h"
#include "inventory/appenum.h"
#include "inventory/programhelpers.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The window comes with the application shell; until then list what the registry holds.
    if (!pw::CurrentPlatform().registry) {
        QTextStream(stderr) << "Vendrix Purgewell: no platform backend is available on this system.\n";
        return 1;
    }
    CAppEnum inventory;
    inventory.EnumPrograms();
    QTextStream out(stdout);
    for (const InstalledProgram &p : inventory.GetPrograms())
        out << QString::fromLocal8Bit(p.DisplayName) << '\t' << FormatSize(p.Size) << '\n';
    return 0;
}
