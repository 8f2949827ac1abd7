#include "app/mainwin.h"

#include "shell/configreader.h"
#include "shell/msgids.h"
#include "shell/processexit.h"
#include "app/rightcontent.h"
#include "app/startdlg.h"
#include "app/startup.h"
#include "programs/uninstallrun.h"
#include "shell/uipublic.h"
#include "inventory/appenum.h"
#include "libs/sharelog/sharelog.h"
#include "widgets/blurdlg.h"
#include "widgets/msgdlg.h"
#include "widgets/windowtitle.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <system_error>
#include <thread>

namespace {

bool startDetached(std::function<void()> work)
{
    try {
        std::thread(std::move(work)).detach();
        return true;
    } catch (const std::system_error &e) {
        LogInfo("The start-up scan could not be started: %s", e.what());
        return false;
    }
}

CMainWin::ThreadStarter &threadStarter()
{
    static CMainWin::ThreadStarter starter = startDetached;
    return starter;
}

} // namespace

void CMainWin::SetThreadStarter(ThreadStarter starter)
{
    threadStarter() = starter ? std::move(starter) : ThreadStarter(startDetached);
}

CMainWin::CMainWin(QWidget *parent) : CWinFrm(parent)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_ENUM_PROGRAMS_DONE);
    RegisterMsg(MSG_QUIT_APP);

    setWindowIcon(QIcon(QStringLiteral("./Resources/Logo.ico")));

    QVariant size;
    ReadConfigValue(QStringLiteral("Main"), QStringLiteral("WinSize"), size, QStringLiteral("uiconfig"));
    QSize fixed = size.toSize();
    if (!fixed.isValid() || fixed.isEmpty())
        fixed = DefaultSize();
    setFixedSize(fixed);

    m_mainLayout = new QHBoxLayout;
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);
    contentLayout->addLayout(m_mainLayout);
    m_quitTimer = new QTimer(this);
    m_quitTimer->setSingleShot(true);
    m_quitTimer->setInterval(kQuitDelayMs);
    connect(m_quitTimer, &QTimer::timeout, [] { ExitProcessNow(0); });
    m_blur = new CBlurDlg(this);
    m_blur->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_blur->hide();
    titleBar->SetCloseGuard([this] { return MayClose(); });

    CUIPublic *ui = CUIPublic::GetInstance();
    ui->CheckWindowsVersion();

    m_appEnum = std::make_unique<CAppEnum>();
    ui->SetAppEnum(m_appEnum.get());

    if (!threadStarter()([this] { StartupWorker(this); })) {
        // No worker: open with an empty list rather than wait for ever.
        ui->SetPrograms(InstalledProgramList());
        CBPNotifyCentor::instance()->Send(MSG_ENUM_PROGRAMS_DONE, 0, nullptr, 0);
    }

    if (!m_listReady) {
        CStartDlg splash;
        splash.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        splash.BuildContent();
        // The list may have become ready while the splash was being built.
        if (!m_listReady)
            splash.exec();
    }
}

CMainWin::~CMainWin()
{
    CUIPublic *ui = CUIPublic::GetInstance();
    if (ui->GetAppEnum() == m_appEnum.get())
        ui->SetAppEnum(nullptr);
    if (ui->GetMainWindow() == this)
        ui->SetMainWindow(nullptr);
}

void CMainWin::StartupWorker(CMainWin *window)
{
    InstalledProgramList programs;
    try {
        window->m_appEnum->EnumPrograms();
        programs = window->m_appEnum->GetPrograms();
    } catch (const std::exception &e) {
        LogInfo("The start-up scan failed: %s", e.what());
        programs.clear();
    } catch (...) {
        LogInfo("The start-up scan failed with an unknown error.");
        programs.clear();
    }
    window->m_programs = programs;
    CUIPublic::GetInstance()->SetPrograms(programs);
    CBPNotifyCentor::instance()->Send(MSG_ENUM_PROGRAMS_DONE, 0, nullptr, 0);
}

void CMainWin::ListReady()
{
    if (!m_rightContent) {
        m_rightContent = new CRightContent;
        m_mainLayout->addWidget(m_rightContent, 0);
    }
    m_listReady = true;
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

int CMainWin::ReceiveMsg(const __MsgData &msg)
{
    switch (msg.id) {
    case MSG_ENUM_PROGRAMS_DONE:
        ListReady();
        break;
    case MSG_QUIT_APP:
        // The program's own uninstaller has been started; leave it the second it needs.
        m_quitTimer->start();
        break;
    default:
        break;
    }
    return 0;
}

bool CMainWin::IsUninstallRunning() const
{
    // The run belongs to the programs page, a child of this window.
    const QList<CUninstallRun *> runs = findChildren<CUninstallRun *>();
    for (const CUninstallRun *run : runs)
        if (run->IsRunning())
            return true;
    return false;
}

bool CMainWin::MayClose()
{
    if (!IsUninstallRunning())
        return true;
    constexpr int kWidth = 434;
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(15);
    // The text's room in the box: its width less the indent, the icon and the gaps around them.
    const QString text = WrapText(tr("An uninstall is still running. If you close Vendrix Purgewell now, the "
                                     "programs still waiting are not uninstalled and leftovers may stay behind.\n"
                                     "Close Vendrix Purgewell anyway?"),
                                  QFontMetrics(font), kWidth - 40 - 48 - 20 - 24);
    const int lines = text.count(QLatin1Char('\n')) + 1;
    CMSGDlg box(kWidth, qMax(240, 160 + 20 * lines), this);
    box.SetContent(CMSGDlg::IconWarning, text, CMSGDlg::ButtonsYesNo);
    const bool close = box.exec() == 0;
    LogInfo("Closing while an uninstall runs: %s", close ? "closed" : "kept running");
    return close;
}

void CMainWin::closeEvent(QCloseEvent *event)
{
    if (!IsUninstallRunning()) {
        CWinFrm::closeEvent(event);
        return;
    }
    // The run's worker cannot be stopped half-way: the process ends at once, as the close
    // button ends it, or not at all.
    event->ignore();
    if (!MayClose())
        return;
    CBPNotifyCentor::instance()->Send(MSG_APP_CLOSING, 0, nullptr, 0);
    ExitProcessNow(0);
}

bool CMainWin::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (!isVisible())
            show();
        break;
    case QEvent::WindowBlocked:
        if (CUIPublic::GetInstance()->IsWin10OrLater() && m_blur) {
            m_blur->move(geometry().x(), geometry().y());
            m_blur->raise();
            m_blur->show();
        }
        break;
    case QEvent::WindowUnblocked:
        if (CUIPublic::GetInstance()->IsWin10OrLater() && m_blur)
            m_blur->hide();
        break;
    default:
        break;
    }
    return CWinFrm::event(event);
}

void CMainWin::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        CUIPublic::GetInstance()->OpenHelpLink();
    CWinFrm::keyReleaseEvent(event);
}
