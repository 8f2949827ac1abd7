#pragma once
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"

namespace pw {

// Single instance per machine through a named mutex and the first instance's main window,
// ShellExecute for links, and blur through the composition functions looked up at run time.
class CWin32DesktopServices : public IDesktopServices {
public:
    CWin32DesktopServices(unsigned codePage, ISystemInfo *system);

    bool CheckSingleInstance() override;
    // The first instance is raised through its window by the later one; nothing to call here.
    void SetRaiseHandler(std::function<void()> raise) override { m_raise = std::move(raise); }
    bool OpenUrl(const std::string &url) override;
    bool EnableBlur(void *nativeWindow, bool enable) override;

private:
    unsigned m_codePage;
    ISystemInfo *m_system;
    std::function<void()> m_raise;
};

constexpr char kSingleInstanceMutexName[] = "VendrixSK_Mutex_610044_Norford";
constexpr wchar_t kMainWindowClassName[] = L"Vendrix_SKUI";

} // namespace pw
