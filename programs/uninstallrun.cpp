#include "programs/uninstallrun.h"

#include "leftovers/programpaths.h"
#include "leftovers/uninstallworker.h"
#include "shell/msgids.h"
#include "platform/platform.h"
#include "programs/uninstallreport.h"
#include "shell/configreader.h"
#include "libs/sharelog/sharelog.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

bool IsProductEntry(const InstalledProgram &entry, const QString &productName, const QString &productFolder,
                    const pw::Platform &platform)
{
    const QString name = QString::fromLocal8Bit(entry.DisplayName);
    if (productName.isEmpty() || !name.startsWith(productName, Qt::CaseSensitive)
        || (name.size() > productName.size() && name.at(productName.size()) != QLatin1Char(' ')))
        return false;
    const QString uninstaller = UninstallerFile(QByteArray(entry.UninstallString));
    if (uninstaller.isEmpty() || !platform.folders || productFolder.isEmpty())
        return false;
    const QString native = QString::fromStdString(platform.folders->ToNativePath(uninstaller.toStdString()));
    if (native.isEmpty())
        return false;
    const QString folder = QDir::cleanPath(QFileInfo(native).absolutePath());
    const QString own = QDir::cleanPath(QFileInfo(productFolder).absoluteFilePath());
#ifdef _WIN32
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return folder.compare(own, cs) == 0 || folder.startsWith(own + QLatin1Char('/'), cs);
}

RemovalMode LeftoverRemovalSetting(const QString &folder)
{
    QVariant value;
    if (!ReadConfigValue(QStringLiteral("Main"), QStringLiteral("LeftoverRemoval"), value, QStringLiteral("uiconfig"),
                         folder))
        return RemovalMode::Trash;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0)
        return RemovalMode::Delete;
    if (!text.isEmpty() && text.compare(QLatin1String("trash"), Qt::CaseInsensitive) != 0)
        LogInfo("LeftoverRemoval=%s is neither \"trash\" nor \"delete\": leftovers go to the trash",
                text.toLocal8Bit().constData());
    return RemovalMode::Trash;
}

CUninstallRun::CUninstallRun(QObject *parent) : QObject(parent), m_pauseTimer(new QTimer(this))
{
    // The pause runs on a timer so the window keeps painting.
    m_pauseTimer->setSingleShot(true);
    m_pauseTimer->setInterval(kStepPauseMs);
    connect(m_pauseTimer, &QTimer::timeout, this, &CUninstallRun::StartNextStep);

    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_UNINSTALL_ONE_DONE);
    RegisterMsg(MSG_DEEP_CLEAN_STARTED);
}

CUninstallRun::~CUninstallRun() = default;

void CUninstallRun::Start(const QVector<Step> &steps, bool autoRemove)
{
    if (m_running)
        return;
    m_steps = steps;
    m_next = 0;
    m_current = -1;
    m_autoRemove = autoRemove;
    m_removedCount = 0;
    m_notRemovedCount = 0;
    m_freedSize = 0;
    m_restartNames.clear();
    m_trashedCount = 0;
    m_journal = std::make_shared<CRunJournal>(m_journalFolder);
    m_journalFile = m_journal->File();
    if (m_steps.isEmpty()) {
        m_journal.reset();
        emit finished();
        return;
    }
    m_running = true;
    StartNextStep();
}

void CUninstallRun::StartNextStep()
{
    if (m_next >= m_steps.size())
        return;
    m_current = m_next++;
    const Step &step = m_steps.at(m_current);
    emit stepStarted(step.index);
    auto job = std::make_shared<UninstallJob>();
    job->program = step.program;
    job->isThisProduct = step.isProduct;
    job->autoRemove = m_autoRemove;
    StartJob(std::move(job));
}

void CUninstallRun::StartJob(std::shared_ptr<UninstallJob> job)
{
    job->removalMode = m_removalMode;
    job->journal = m_journal;
    job->prefix = m_prefix;
    m_job = job;
    StartUninstallWorker(std::move(job), pw::CurrentPlatform(), ReportOnTheBus());
}

int CUninstallRun::ReceiveMsg(const __MsgData &msg)
{
    if (!m_job)
        return 0;
    if (msg.id == MSG_UNINSTALL_ONE_DONE)
        StepDone();
    else if (msg.id == MSG_DEEP_CLEAN_STARTED)
        emit deepCleanStarted(m_steps.at(m_current).index);
    return 0;
}

void CUninstallRun::StepDone()
{
    // No job while the question below is open: no message of this run is taken for another.
    const std::shared_ptr<UninstallJob> job = std::move(m_job);
    const InstalledProgram &program = job->program;
    const QString name = QString::fromLocal8Bit(FieldText(program.DisplayName));
    if (job->RestartRequired() && !m_restartNames.contains(name))
        m_restartNames.append(name);

    if (job->outcome == UninstallJob::UninstallerMissing && !job->cleanOnly) {
        const bool remove = m_deadEntryQuestion && m_deadEntryQuestion(program);
        LogInfo("The entry of %s, whose uninstaller is missing, is %s", FieldText(program.DisplayName).constData(),
                remove ? "removed with its leftovers" : "kept");
        if (remove) {
            auto clean = std::make_shared<UninstallJob>();
            clean->program = program;
            clean->cleanOnly = true;
            StartJob(std::move(clean));
            return;
        }
    }

    m_trashedCount += job->trashedCount;
    const bool removed = job->outcome == UninstallJob::Removed;
    if (removed) {
        ++m_removedCount;
        m_freedSize += program.Size;
    } else {
        ++m_notRemovedCount;
    }
    emit stepDone(m_steps.at(m_current).index, removed);

    if (m_next < m_steps.size()) {
        m_pauseTimer->start();
        return;
    }
    m_running = false;
    m_steps.clear();
    m_current = -1;
    m_next = 0;
    // The run is over: its journal is complete and can be restored from.
    m_journal.reset();
    emit finished();
}
