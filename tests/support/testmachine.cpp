#include "support/testmachine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"

struct CTestMachine::Win32 {
    pw::CWin32Platform platform{pw::win32::kCodePageAnsi};
};

CTestMachine::CTestMachine() = default;
CTestMachine::~CTestMachine() = default;

bool CTestMachine::Create(QString *error)
{
    if (m_win32)
        return true;
    if (qEnvironmentVariableIsEmpty("PURGEWELL_THROWAWAY_MACHINE")) {
        *error = QStringLiteral("This test installs and removes programs for real: it runs only in a throwaway "
                                "Wine prefix (the Windows build's test runner), where PURGEWELL_THROWAWAY_MACHINE "
                                "is set.");
        return false;
    }
    m_win32 = std::make_unique<Win32>();
    return true;
}

pw::Platform CTestMachine::Backend() const
{
    return m_win32 ? m_win32->platform.AsPlatform() : pw::Platform();
}

QString CTestMachine::DriveC() const
{
    return QStringLiteral("C:");
}

int CTestMachine::Run(const QString &program, const QStringList &arguments, QString *output, int timeoutMs) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return -1;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(10000);
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString CTestMachine::WindowsHelperDir()
{
    return QStringLiteral(PURGEWELL_WINDOWS_TEST_DIR);
}

namespace {

QString why32BitProgramsDoNotRun()
{
#ifdef PURGEWELL_PROBE32
    const QString probe = QStringLiteral(PURGEWELL_PROBE32);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(probe, QStringList());
    if (!process.waitForStarted(60000))
        return QStringLiteral("This machine runs no 32-bit Windows programs: %1 could not be started (%2).")
            .arg(probe, process.errorString());
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(10000);
        return QStringLiteral("This machine runs no 32-bit Windows programs: %1 did not end.").arg(probe);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("This machine runs no 32-bit Windows programs: %1 ended with code %2. %3")
            .arg(probe)
            .arg(process.exitCode())
            .arg(QString::fromLocal8Bit(process.readAll()).trimmed());
    return QString();
#else
    return QStringLiteral("This build has no 32-bit probe program to tell whether 32-bit Windows programs run.");
#endif
}

} // namespace

#else

CTestMachine::CTestMachine() = default;
CTestMachine::~CTestMachine() = default;

bool CTestMachine::Create(QString *error)
{
    if (m_wine)
        return true;
    if (!m_prefix.Create(error))
        return false;
    m_wine = std::make_unique<pw::CWinePlatform>(m_prefix.HostOptions());
    return true;
}

pw::Platform CTestMachine::Backend() const
{
    return m_wine ? m_wine->AsPlatform() : pw::Platform();
}

QString CTestMachine::DriveC() const
{
    return m_prefix.DriveC();
}

int CTestMachine::Run(const QString &program, const QStringList &arguments, QString *output, int timeoutMs) const
{
    return m_prefix.RunWine(program, arguments, output, timeoutMs);
}

QString CTestMachine::WindowsHelperDir()
{
    return CTestWinePrefix::WindowsHelperDir();
}

namespace {

QString why32BitProgramsDoNotRun()
{
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
        return QStringLiteral("Wine is not installed.");
    const QString loader = QFile::decodeName(QByteArray::fromStdString(pw::Wine32Loader("wine")));
    if (loader.isEmpty())
        return QStringLiteral("Wine's 32-bit half (the package wine32) is not installed: there is no 32-bit loader "
                              "beside %1.")
            .arg(QFile::decodeName(QByteArray::fromStdString(pw::Wine64Loader("wine"))));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(loader, {QStringLiteral("--version")});
    if (!process.waitForStarted(30000))
        return QStringLiteral("Wine's 32-bit loader %1 cannot run on this machine (%2): its kernel runs no 32-bit "
                              "programs, so no 32-bit Windows program or WINEARCH=win32 prefix runs here.")
            .arg(loader, process.errorString());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(10000);
        return QStringLiteral("Wine's 32-bit loader %1 did not answer.").arg(loader);
    }
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("Wine's 32-bit loader %1 cannot run on this machine: it ended with code %2. %3")
            .arg(loader)
            .arg(process.exitCode())
            .arg(said);
    return QString();
}

} // namespace

#endif

bool CTestMachine::Runs32BitPrograms(QString *reason)
{
    static const QString why = why32BitProgramsDoNotRun();
    if (reason)
        *reason = why;
    return why.isEmpty();
}

QString CTestMachine::DrivePath(const QString &relative) const
{
    return DriveC() + QLatin1Char('/') + relative;
}

bool CTestMachine::InstallSilently(const QString &installer, QString *error) const
{
    QString output;
    const int code = Run(installer, {QStringLiteral("/S")}, &output);
    if (code != 0) {
        *error = QStringLiteral("Installing %1 failed (%2): %3").arg(installer).arg(code).arg(output);
        return false;
    }
    return true;
}
