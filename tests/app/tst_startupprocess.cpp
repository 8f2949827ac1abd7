// Start-up as separate processes on a real machine (a Wine prefix in the Linux build): the list
// read from its registry, a second instance that explains itself and brings the first forward
// (through the named mutex and the "Vendrix_SKUI" window in the Windows build), a missing style
// sheet, and, in the Linux build, a start-up that cannot reach Wine.
#include "support/testmachine.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kProbe = QStringLiteral(STARTUP_PROBE);
const QString kProgramFolder = QStringLiteral(PROGRAM_FOLDER);

// Collects a probe's stdout lines.
class Probe {
public:
    Probe(const QProcessEnvironment &environment, const QString &workingDir, const QStringList &arguments = {})
    {
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(workingDir);
        m_process.setProgram(kProbe);
        m_process.setArguments(arguments);
        m_process.start();
    }
    ~Probe()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // The first line starting with `prefix`, without the prefix; null when none came within
    // `timeoutMs`.
    QString waitFor(const QString &prefix, int timeoutMs = 120000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            m_buffer += QString::fromLocal8Bit(m_process.readAllStandardOutput());
            // A Windows program's standard output ends its lines with "\r\n".
            for (QString line : m_buffer.split(QLatin1Char('\n'))) {
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
                if (line.startsWith(prefix))
                    return line.size() == prefix.size() ? QStringLiteral("") : line.mid(prefix.size());
            }
            if (m_process.state() == QProcess::NotRunning && !m_process.bytesAvailable())
                break;
            m_process.waitForReadyRead(200);
        }
        return QString();
    }
    int exitCode(int timeoutMs = 60000)
    {
        if (!m_process.waitForFinished(timeoutMs) && m_process.state() != QProcess::NotRunning)
            return -1000;
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -2000;
    }
    QString output() const { return m_buffer; }

private:
    QProcess m_process;
    QString m_buffer;
};

} // namespace

class TestStartupProcess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondInstanceRaisesFirstAndLeaves();
    void startsWithoutStyleSheetOrImages();
#ifndef Q_OS_WIN
    void missingWineIsExplained();
#endif

private:
    QProcessEnvironment environment();

    CTestMachine m_machine;
    QTemporaryDir m_runtime;
};

void TestStartupProcess::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QString error;
    QVERIFY2(m_machine.Create(&error), qPrintable(error));
    QVERIFY2(m_machine.InstallSilently(QStringLiteral(SAMPLE_INSTALLER), &error), qPrintable(error));
#ifndef Q_OS_WIN
    QVERIFY(m_machine.Prefix().WaitForServer());
#endif
}

QProcessEnvironment TestStartupProcess::environment()
{
#ifdef Q_OS_WIN
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
#else
    QProcessEnvironment env = m_machine.Prefix().Environment();
#endif
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The instance lock and the log of these runs, apart from any real ones.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), m_runtime.path());
    return env;
}

void TestStartupProcess::secondInstanceRaisesFirstAndLeaves()
{
    Probe first(environment(), kProgramFolder, {QStringLiteral("stay")});
    const QString shown = first.waitFor(QStringLiteral("shown: "));
    QVERIFY2(!shown.isEmpty(), qPrintable(first.output()));
    QVERIFY2(shown.contains(QStringLiteral("Purgewell Sample")), qPrintable(shown));

    Probe second(environment(), kProgramFolder, {QStringLiteral("stay")});
    QCOMPARE(second.waitFor(QStringLiteral("message: ")), QStringLiteral("Vendrix Purgewell has been running!"));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(!second.output().contains(QStringLiteral("shown: ")), qPrintable(second.output()));

    QVERIFY2(!first.waitFor(QStringLiteral("raised"), 30000).isNull(), qPrintable(first.output()));
    QCOMPARE(first.exitCode(), 0);
}

void TestStartupProcess::startsWithoutStyleSheetOrImages()
{
    QTemporaryDir emptyFolder; // no QSS/, no Resources/
    Probe probe(environment(), emptyFolder.path());
    const QString shown = probe.waitFor(QStringLiteral("shown: "));
    QVERIFY2(shown.contains(QStringLiteral("Purgewell Sample")), qPrintable(probe.output()));
    QCOMPARE(probe.exitCode(), 0);
}

#ifndef Q_OS_WIN
void TestStartupProcess::missingWineIsExplained()
{
    QTemporaryDir noTools;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("PATH"), noTools.path()); // no wine to be found
    Probe probe(env, kProgramFolder);
    const QString message = probe.waitFor(QStringLiteral("message: "));
    QVERIFY2(!message.isEmpty(), qPrintable(probe.output()));
    QVERIFY2(message.contains(QStringLiteral("Wine"), Qt::CaseInsensitive), qPrintable(message));
    qInfo("The message: %s", qPrintable(message));
    QCOMPARE(probe.exitCode(), 1);
    QVERIFY(!probe.output().contains(QStringLiteral("shown: ")));
}
#endif

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "tst_startupprocess.moc"
