#pragma once
// The desktop services of the Linux program around a Wine prefix: one instance per user (a lock
// file, and a local socket on which a later instance asks the first to come forward), links
// opened with the desktop's handler, and no window blur.
#include "platform/desktopservices.h"

#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace pw {

class CLinuxDesktopServices : public IDesktopServices {
public:
    // `folder` holds the lock and the socket; empty: the user's runtime folder.
    explicit CLinuxDesktopServices(const QString &folder = QString());
    ~CLinuxDesktopServices() override;

    // Call on the GUI thread: the raise requests arrive through its event loop.
    bool CheckSingleInstance() override;
    void SetRaiseHandler(std::function<void()> raise) override;
    bool OpenUrl(const std::string &url) override;
    bool EnableBlur(void *, bool) override { return false; }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::shared_ptr<std::function<void()>> m_raise;
};

} // namespace pw
