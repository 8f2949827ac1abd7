#include "app/msgids.h"
#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "platform/defaultplatform.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The window comes with the application shell; until then list what the registry holds.
    std::string error;
    if (!pw::SelectDefaultPlatform(&error)) {
        QTextStream(stderr) << "Vendrix Purgewell: " << QString::fromStdString(error) << '\n';
        return 1;
    }
    CAppEnum inventory;
    inventory.EnumPrograms();
    QTextStream out(stdout);
    for (const InstalledProgram &p : inventory.GetPrograms())
        out << QString::fromLocal8Bit(p.DisplayName) << '\t' << FormatSize(p.Size) << '\n';
    return 0;
}
