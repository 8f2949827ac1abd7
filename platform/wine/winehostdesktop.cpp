#include "platform/wine/winehostdesktop.h"

#include "platform/wine/winehost.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace pw {

namespace {

std::string native(const QString &path) { return path.isEmpty() ? std::string() : QDir::cleanPath(path).toStdString(); }

// Runs a refresh tool when it is installed; a missing tool or its failure changes nothing the
// removal did, so its result is not asked for.
void runTool(const char *tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (process.waitForStarted() && !process.waitForFinished(60000))
        process.kill();
}

} // namespace

std::string CWineHostDesktop::PrefixFolder() { return m_host.GetOptions().prefix; }

std::string CWineHostDesktop::DataHome()
{
    return native(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

std::string CWineHostDesktop::ConfigHome()
{
    return native(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

std::string CWineHostDesktop::DesktopFolder()
{
    return native(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

void CWineHostDesktop::RefreshDatabases(bool applications, bool mime)
{
    const QString data = QString::fromStdString(DataHome());
    if (data.isEmpty())
        return;
    if (applications && QFileInfo(data + QStringLiteral("/applications")).isDir())
        runTool("update-desktop-database", {data + QStringLiteral("/applications")});
    if (mime && QFileInfo(data + QStringLiteral("/mime/packages")).isDir())
        runTool("update-mime-database", {data + QStringLiteral("/mime")});
}

} // namespace pw
