#include "shell/uipublic.h"

#include "shell/configreader.h"
#include "shell/linkopener.h"
#include "shell/msgids.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/platform.h"

#include <QtGlobal>

CUIPublic *CUIPublic::GetInstance()
{
    static CUIPublic instance;
    return &instance;
}

CUIPublic::~CUIPublic() = default;

void CUIPublic::CheckWindowsVersion()
{
    m_win10OrLater = false;
#ifdef Q_OS_WIN
    // Off Windows there is no desktop composition to blur with, whatever Wine's kernel32 says.
    if (pw::ISystemInfo *system = pw::CurrentPlatform().system)
        m_win10OrLater = pw::IsWindows10Version(system->Kernel32Version());
#endif
}

void CUIPublic::SetPage(int page, int, int)
{
    m_page = page;
    int payload[4] = {page, 0, 0, 0};
    CBPNotifyCentor::instance()->Send(MSG_SWITCH_PAGE, 0, payload, sizeof payload);
}

void CUIPublic::OpenHelpLink()
{
    QVariant value;
    ReadConfigValue(QStringLiteral("URL"), QStringLiteral("ID_LINK_HELP"), value, QStringLiteral("uiconfig"));
    OpenLink(value.toString());
}
