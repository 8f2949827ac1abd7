#include "support/testmachine.h"

#include <QDir>
#include <QProcess>

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

#endif

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
