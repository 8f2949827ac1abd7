#include "libs/updatekit/updateaddresses.h"

#include "libs/updatekit/updateaddressoverride.h"

#include <mutex>

namespace updatekit {

namespace {

const char kUpdateInfoUrl[] = "https://update.vendrix.example/update/purgewell.ini";
const char kDownloadPageUrl[] = "https://www.vendrix.example/download/uninstaller-update.html";

std::mutex g_mutex;
bool g_overridden = false;
QString g_updateInfoUrl;
QString g_downloadPageUrl;

} // namespace

QString UpdateInfoUrl()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_overridden ? g_updateInfoUrl : QString::fromLatin1(kUpdateInfoUrl);
}

QString DownloadPageUrl()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_overridden ? g_downloadPageUrl : QString::fromLatin1(kDownloadPageUrl);
}

CUpdateAddressOverride::CUpdateAddressOverride(const QString &updateInfoUrl, const QString &downloadPageUrl)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_overridden = true;
    g_updateInfoUrl = updateInfoUrl;
    g_downloadPageUrl = downloadPageUrl;
}

CUpdateAddressOverride::~CUpdateAddressOverride()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_overridden = false;
    g_updateInfoUrl.clear();
    g_downloadPageUrl.clear();
}

} // namespace updatekit
