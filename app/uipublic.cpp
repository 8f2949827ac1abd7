#include "app/uipublic.h"

#include "app/configreader.h"
#include "app/msgids.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/platform.h"
#include "widgets/aeroglasshelper.h"

#include <QDesktopServices>
#include <QUrl>

CUIPublic *CUIPublic::GetInstance()
{
    static CUIPublic instance;
    return &instance;
}

CUIPublic::~CUIPublic() = default;

void CUIPublic::CheckWindowsVersion()
{
    m_win10OrLater = false;
    m_win10OrLater = CAeroGlassHelper::IsWindows10OrLater();
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
    // The desktop services take text in the local 8-bit encoding, which keeps more than
    // Latin-1 would (UTF-8 on Linux).
    const std::string link = value.toString().toLocal8Bit().toStdString();
    if (pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop) {
        desktop->OpenUrl(link);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromLocal8Bit(link.c_str()), QUrl::TolerantMode));
}
