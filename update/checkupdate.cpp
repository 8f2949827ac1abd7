#include "update/checkupdate.h"

#include "shell/configreader.h"
#include "shell/msgids.h"
#include "shell/widgethelpers.h"
#include "libs/updatekit/autoupdate.h"
#include "libs/updatekit/updateaddresses.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "widgets/windowdlgtitle.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

struct CheckUpdate::Shared {
    QString url;
    QString folder;
    UpdateCheckResult result; // written by the worker before `done`
    std::atomic<bool> done{false};
};

CheckUpdate::CheckUpdate(QWidget *parent) : CBaseDialog(parent), m_programFolder(ProgramFolder())
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    RegisterMsg(MSG_UPDATE_CHECK_DONE);
    setFixedSize(542, 361);
}

CheckUpdate::~CheckUpdate() = default;

void CheckUpdate::StartCheck()
{
    if (m_started)
        return;
    m_started = true;

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 20, 0, 20);
    layout->setSpacing(50);
    auto *widthLabel = new QLabel(this);
    widthLabel->setFixedWidth(540);
    layout->addWidget(widthLabel);
    m_textLabel = new CBPQtLabel(tr("Getting update information, please wait..."), this);
    m_textLabel->setObjectName(QStringLiteral("waitText"));
    SetWidgetFont(m_textLabel, 14);
    SetWidgetTextColor(m_textLabel, QColor(214, 214, 215));
    layout->addWidget(m_textLabel, 0, Qt::AlignHCenter);
    m_movieLabel = new CBPQtLabel(this);
    m_movieLabel->setObjectName(QStringLiteral("waitAnimation"));
    m_movie = new QMovie(QStringLiteral("./Resources/check_update.gif"), QByteArray(), this);
    m_movieLabel->setMovie(m_movie);
    m_movie->start();
    layout->addWidget(m_movieLabel, 0, Qt::AlignHCenter);
    contentLayout->addLayout(layout);

    titleBar->SetCloseEnabled(false);
    m_checking = true;

    m_shared = std::make_shared<Shared>();
    m_shared->url = updatekit::UpdateInfoUrl();
    m_shared->folder = m_programFolder;
    std::thread([shared = m_shared] {
        shared->result = RunUpdateCheck(GetAutoUpdateInstance(), shared->url, shared->folder);
        shared->done = true;
        CBPNotifyCentor::instance()->Send(MSG_UPDATE_CHECK_DONE, 0, nullptr, 0);
    }).detach();
}

int CheckUpdate::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_UPDATE_CHECK_DONE) {
        // Another check's message, or one that arrives before ours is done, is not ours.
        if (!m_checking || !m_shared->done)
            return 0;
        m_result = m_shared->result;
        m_checking = false;
        m_movie->stop();
        close();
    } else if (msg.id == MSG_CLOSE_DLG && !m_checking) {
        QDialog::done(QDialog::Rejected);
    }
    return 0;
}

void CheckUpdate::reject()
{
    // Escape and closing the window end the dialog only once the worker has finished.
    if (!m_checking)
        QDialog::reject();
}
