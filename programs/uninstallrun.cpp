#include "programs/uninstallrun.h"

#include "leftovers/uninstallworker.h"
#include "shell/msgids.h"
#include "platform/platform.h"
#include "programs/uninstallreport.h"

#include <QTimer>

bool IsProductEntry(const QString &displayName, const QString &productName)
{
    return !productName.isEmpty() && displayName.contains(productName, Qt::CaseSensitive);
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
    if (m_steps.isEmpty()) {
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
    m_job = job;
    StartUninstallWorker(job, pw::CurrentPlatform(), ReportOnTheBus());
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
    const bool removed = m_job->outcome == UninstallJob::Removed;
    if (removed) {
        ++m_removedCount;
        m_freedSize += m_job->program.Size;
    } else {
        ++m_notRemovedCount;
    }
    m_job.reset();
    emit stepDone(m_steps.at(m_current).index, removed);

    if (m_next < m_steps.size()) {
        m_pauseTimer->start();
        return;
    }
    m_running = false;
    m_steps.clear();
    m_current = -1;
    m_next = 0;
    emit finished();
}
