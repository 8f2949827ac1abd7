#pragma once
#include "platform/desktopservices.h"

#include <string>
#include <vector>

namespace pw {

class CFakeDesktopServices : public IDesktopServices {
public:
    bool firstInstance = true;
    std::vector<std::string> openedUrls;
    std::function<void()> raiseHandler;

    bool CheckSingleInstance() override { return firstInstance; }
    void SetRaiseHandler(std::function<void()> raise) override { raiseHandler = std::move(raise); }
    bool OpenUrl(const std::string &url) override
    {
        openedUrls.push_back(url);
        return true;
    }
    bool EnableBlur(void *, bool) override { return false; }
};

} // namespace pw
