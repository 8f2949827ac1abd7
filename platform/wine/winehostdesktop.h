#pragma once
// The user's Linux desktop around the prefix of a CWineHost (pw::IHostDesktop): the XDG folders
// as Qt reads them (XDG_DATA_HOME, XDG_CONFIG_HOME, user-dirs.dirs), and the refresh of the
// desktop's caches with the tools Debian's desktop-file-utils and shared-mime-info install.
#include "platform/hostdesktop.h"

namespace pw {

class CWineHost;

class CWineHostDesktop : public IHostDesktop {
public:
    explicit CWineHostDesktop(CWineHost &host) : m_host(host) {}

    std::string PrefixFolder() override;
    std::string DataHome() override;
    std::string ConfigHome() override;
    std::string DesktopFolder() override;
    void RefreshDatabases(bool applications, bool mime) override;

private:
    CWineHost &m_host;
};

} // namespace pw
