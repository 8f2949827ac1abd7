#include "libs/updatekit/autoupdate.h"

#include "libs/sharelog/sharelog.h"
#include "libs/updatekit/httpfetch.h"
#include "libs/updatekit/versioninfo.h"

#include <QCoreApplication>

#include <mutex>

namespace {

class CAutoUpdate : public IAutoUpdate {
public:
    int FetchVersionInfo(const char *url, int flags) override
    {
        Q_UNUSED(flags)
        {
            // A failed fetch must not leave an older answer behind.
            std::lock_guard<std::mutex> lock(m_mutex);
            m_known = false;
        }
        QByteArray body;
        QString error;
        if (!url || !updatekit::HttpGet(QString::fromUtf8(url), &body, &error)) {
            LogInfo("Update check: fetching %s failed: %s", url ? url : "(null)", error.toUtf8().constData());
            return -1;
        }
        QString text;
        updatekit::FourPartVersion latest{};
        if (!updatekit::ReadIniValue(body, QStringLiteral("VERSION"), QStringLiteral("Latest"), &text)
            || !updatekit::ParseVersion(text, &latest)) {
            LogInfo("Update check: %s holds no [VERSION] Latest=a.b.c.d", url);
            return -2;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_latest = latest;
        m_known = true;
        return 0;
    }

    int IsLatestVersion(unsigned int versionMS, unsigned int versionLS) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_known)
            return 1;
        return updatekit::VersionFromWords(versionMS, versionLS) >= m_latest ? 1 : 0;
    }

private:
    std::mutex m_mutex;
    bool m_known = false;
    updatekit::FourPartVersion m_latest{};
};

} // namespace

IAutoUpdate *GetAutoUpdateInstance()
{
    if (!QCoreApplication::instance())
        return nullptr;
    static CAutoUpdate updater;
    return &updater;
}
