#include "update/updatecheck.h"

#include "libs/sharelog/sharelog.h"
#include "libs/updatekit/autoupdate.h"
#include "libs/updatekit/httpfetch.h"
#include "libs/updatekit/versioninfo.h"

#include <QCoreApplication>
#include <QFile>

QString FetchFailedText()
{
    return QCoreApplication::translate("CheckUpdate", "Failed to check for updates. Please check your network connection.");
}

QString UpToDateText()
{
    return QCoreApplication::translate("CheckUpdate", "You already have the latest version, no update \nis available.");
}

QString NewVersionText()
{
    return QCoreApplication::translate("CheckUpdate",
                                       "A new version of Vendrix Purgewell is available. Would you like to update now?");
}

UpgradeInfo DownloadUpgradeInfo(const QString &url, const QString &programFolder)
{
    UpgradeInfo info;
    const QString path = programFolder + QStringLiteral("/Upgrade.ini");
    const int rc = DownloadToFile(url.toUtf8().constData(), path);
    if (rc < 0) {
        LogInfo("Update check: Upgrade.ini not %s (%d)", rc == -2 ? "written to the program folder" : "downloaded", rc);
        return info;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    info.available = true;
    updatekit::ReadIniValue(file.readAll(), QStringLiteral("VERSION"), QStringLiteral("Description"), &info.description);
    return info;
}

UpdateCheckResult RunUpdateCheck(IAutoUpdate *updater, const QString &infoUrl, const QString &programFolder)
{
    UpdateCheckResult result;
    if (!updater)
        return result;
    if (updater->FetchVersionInfo(infoUrl.toUtf8().constData(), 0) < 0) {
        result.text = FetchFailedText();
        result.failed = 1;
        return result;
    }
    if (updater->IsLatestVersion(kRunningVersionMS, kRunningVersionLS) != 0) {
        result.text = UpToDateText();
        return result;
    }
    result.text = NewVersionText();
    result.newVersion = 1;
    result.upgrade = DownloadUpgradeInfo(infoUrl, programFolder);
    return result;
}
