#pragma once
// The application-wide service object: what the whole user interface shares (the main
// window as dialog parent, the inventory, the program list read at start-up, the size
// chosen for removal, the Windows-version flag) and the page setter and help-link opener.
// The GUI thread creates it before any worker starts; there is no lock.
#include "inventory/installedprogram.h"

#include <QVector>

#include <cstdint>
#include <functional>
#include <string>

namespace pw {
struct WinePrefixInfo;
}

// Linux: how the programs page finds the machine's Wine prefixes and moves the backend to one
// of them, set by start-up. Unset on Windows and in tests: the page then shows no chooser.
struct WinePrefixHooks {
    std::function<QVector<pw::WinePrefixInfo>()> find;
    std::function<bool(const pw::WinePrefixInfo &prefix, bool useSystemWine, std::string *error)> switchTo;
};

class CAppEnum;
class QWidget;

class CUIPublic {
public:
    static CUIPublic *GetInstance();
    virtual ~CUIPublic();

    QWidget *GetMainWindow() const { return m_mainWindow; }
    void SetMainWindow(QWidget *window) { m_mainWindow = window; }

    CAppEnum *GetAppEnum() const { return m_appEnum; }
    void SetAppEnum(CAppEnum *appEnum) { m_appEnum = appEnum; }

    // Copies in and out: the start-up worker writes, the programs page reads.
    InstalledProgramList GetPrograms() const { return m_programs; }
    void SetPrograms(const InstalledProgramList &programs) { m_programs = programs; }

    uint64_t GetPendingUninstallSize() const { return m_pendingUninstallSize; }
    void SetPendingUninstallSize(uint64_t bytes) { m_pendingUninstallSize = bytes; }

    // Windows 10 or later: decides whether the main window shows its blur overlay. The main
    // window computes it (CheckWindowsVersion, from kernel32's version; always false off
    // Windows) when it is made.
    bool IsWin10OrLater() const { return m_win10OrLater; }
    void SetWin10OrLater(bool on) { m_win10OrLater = on; }
    void CheckWindowsVersion();

    // Records `page` and sends MSG_SWITCH_PAGE with it; the two other ints are ignored.
    void SetPage(int page, int b = 0, int c = 0);

    void SetWinePrefixHooks(WinePrefixHooks hooks) { m_prefixHooks = std::move(hooks); }
    const WinePrefixHooks &GetWinePrefixHooks() const { return m_prefixHooks; }
    int GetPage() const { return m_page; }

    // Opens the link of group "URL", key "ID_LINK_HELP" in the browser (OpenLink).
    void OpenHelpLink();

private:
    CUIPublic() = default;

    QWidget *m_mainWindow = nullptr;
    CAppEnum *m_appEnum = nullptr;
    InstalledProgramList m_programs;
    uint64_t m_pendingUninstallSize = 0;
    bool m_win10OrLater = false;
    int m_page = 0;
    WinePrefixHooks m_prefixHooks;
};
