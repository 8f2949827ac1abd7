#include "support/wineprefix.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

namespace {

const char kOverrides[] = "mscoree,mshtml=";
const char kNoMenuBuilder[] = ";winemenubuilder.exe=d";

} // namespace

CTestWinePrefix::CTestWinePrefix(pw::WineArch arch)
    : m_dir(QDir::tempPath() + QStringLiteral("/pwtest-XXXXXX")), m_arch(arch)
{
}

CTestWinePrefix::~CTestWinePrefix()
{
    if (!m_dir.isValid())
        return;
    if (QFileInfo::exists(Path()))
        StopServer();
}

void CTestWinePrefix::StopServer() const
{
    QProcess kill;
    kill.setProcessEnvironment(Environment());
    kill.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    kill.waitForFinished(30000);
    WaitForServer();
}

QString CTestWinePrefix::Path() const
{
    return m_dir.path() + QStringLiteral("/prefix");
}

QString CTestWinePrefix::DriveC() const
{
    return Path() + QStringLiteral("/drive_c");
}

QString CTestWinePrefix::DrivePath(const QString &relative) const
{
    return DriveC() + QLatin1Char('/') + relative;
}

QProcessEnvironment CTestWinePrefix::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), Path());
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    env.insert(QStringLiteral("WINEDLLOVERRIDES"),
               QString::fromLatin1(kOverrides) + (m_menuBuilder ? QString() : QString::fromLatin1(kNoMenuBuilder)));
    // Only a new prefix heeds it; the test decides, not the caller's shell.
    if (m_arch == pw::WineArch::Win32)
        env.insert(QStringLiteral("WINEARCH"), QStringLiteral("win32"));
    else
        env.remove(QStringLiteral("WINEARCH"));
    return env;
}

QString CTestWinePrefix::Loader() const
{
    return QFile::decodeName(QByteArray::fromStdString(m_arch == pw::WineArch::Win32 ? pw::Wine32Loader("wine")
                                                                                      : pw::Wine64Loader("wine")));
}

QString CTestWinePrefix::RegView() const
{
    return m_arch == pw::WineArch::Win32 ? QStringLiteral("/reg:32") : QStringLiteral("/reg:64");
}

int CTestWinePrefix::RunWine(const QString &program, const QStringList &arguments, QString *output,
                             int timeoutMs) const
{
    const QString loader = Loader();
    if (loader.isEmpty()) {
        if (output)
            *output = QStringLiteral("Wine's 32-bit half (wine32) is not installed.");
        return -1;
    }
    QProcess wine;
    wine.setProcessEnvironment(Environment());
    wine.setProcessChannelMode(QProcess::MergedChannels);
    wine.start(loader, QStringList{program} + arguments);
    if (!wine.waitForStarted(30000)) {
        if (output)
            *output = loader + QStringLiteral(": ") + wine.errorString();
        return -1;
    }
    if (!wine.waitForFinished(timeoutMs)) {
        wine.kill();
        wine.waitForFinished(10000);
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(wine.readAll());
    return wine.exitStatus() == QProcess::NormalExit ? wine.exitCode() : -1;
}

bool CTestWinePrefix::Create(QString *error)
{
    if (m_created)
        return true;
    if (!m_dir.isValid()) {
        *error = QStringLiteral("Could not create a temporary folder: ") + m_dir.errorString();
        return false;
    }
    QString output;
    const int booted = RunWine(QStringLiteral("wineboot"), {QStringLiteral("--init")}, &output);
    if (booted != 0 || !QFileInfo(DriveC()).isDir()) {
        *error = QStringLiteral("wineboot --init failed (%1): %2").arg(booted).arg(output);
        return false;
    }
    // No window may appear, with or without a display.
    const int set = RunWine(QStringLiteral("reg"),
                            {QStringLiteral("add"), QStringLiteral("HKCU\\Software\\Wine\\Drivers"), QStringLiteral("/v"),
                             QStringLiteral("Graphics"), QStringLiteral("/d"), QStringLiteral("null"),
                             QStringLiteral("/f"), RegView()},
                            &output);
    if (set != 0) {
        *error = QStringLiteral("Could not select the null graphics driver: ") + output;
        return false;
    }
    // The desktop that booting started keeps the driver it found; start afresh with the new one.
    StopServer();
    // Tests delete things from user folders: those must not lead into the real home folder.
    QDirIterator users(DriveC() + QStringLiteral("/users"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (users.hasNext()) {
        QDirIterator entries(users.next(), QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            const QFileInfo entry(entries.next());
            if (entry.isSymLink()) {
                QFile::remove(entry.filePath());
                QDir().mkpath(entry.filePath());
            }
        }
    }
    const QProcessEnvironment env = Environment();
    for (const char *name : {"WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES"})
        qputenv(name, env.value(QString::fromLatin1(name)).toLocal8Bit());
    m_created = true;
    return true;
}

bool CTestWinePrefix::InstallSilently(const QString &installer, QString *error) const
{
    QString output;
    const int code = RunWine(installer, {QStringLiteral("/S")}, &output);
    if (code != 0) {
        *error = QStringLiteral("Installing %1 failed (%2): %3").arg(installer).arg(code).arg(output);
        return false;
    }
    return true;
}

bool CTestWinePrefix::WaitForServer() const
{
    QProcess wait;
    wait.setProcessEnvironment(Environment());
    wait.start(QStringLiteral("wineserver"), {QStringLiteral("-w")});
    return wait.waitForFinished(120000) && wait.exitCode() == 0;
}

pw::CWineHost::Options CTestWinePrefix::HostOptions() const
{
    pw::CWineHost::Options options;
    options.prefix = Path().toStdString();
    options.hostExe = HostExe().toStdString();
    options.hostExe32 = HostExe32().toStdString();
    return options;
}

QString CTestWinePrefix::HostExe()
{
    return QStringLiteral(PURGEWELL_HOST_EXE);
}

QString CTestWinePrefix::HostExe32()
{
    return QStringLiteral(PURGEWELL_HOST32_EXE);
}

QString CTestWinePrefix::WindowsHelperDir()
{
    return QStringLiteral(PURGEWELL_WINDOWS_TEST_DIR);
}
