#pragma once
// The Linux desktop around a prefix, for tests: folders the test chooses, and a count of the
// refreshes asked for.
#include "platform/hostdesktop.h"

namespace pw {

class CFakeHostDesktop : public IHostDesktop {
public:
    std::string PrefixFolder() override { return prefix; }
    std::string DataHome() override { return dataHome; }
    std::string ConfigHome() override { return configHome; }
    std::string DesktopFolder() override { return desktop; }
    void RefreshDatabases(bool applications, bool mime) override
    {
        applicationRefreshes += applications ? 1 : 0;
        mimeRefreshes += mime ? 1 : 0;
    }

    std::string prefix;
    std::string dataHome;
    std::string configHome;
    std::string desktop;
    int applicationRefreshes = 0;
    int mimeRefreshes = 0;
};

} // namespace pw
