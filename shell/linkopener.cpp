#include "shell/linkopener.h"

#include "libs/sharelog/sharelog.h"
#include "platform/platform.h"

void OpenLink(const QUrl &url)
{
    const std::string encoded = url.toString(QUrl::FullyEncoded).toStdString();
    if (pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop)
        desktop->OpenUrl(encoded);
    else
        LogInfo("No desktop to open %s in", encoded.c_str());
}

void OpenLink(const QString &link)
{
    OpenLink(QUrl(link, QUrl::TolerantMode));
}
