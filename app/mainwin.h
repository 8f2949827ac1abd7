#pragma once
// The main window. Its constructor reads the installed programs on a worker thread while
// the splash is shown, and returns only once the pages are built and the splash has closed:
// the window is never shown before the list has been read. A worker that cannot start, or a
// scan that fails, still ends the splash: the window then opens with an empty list and the
// log says why.
//
// Closing it (the title bar's close button, Alt+F4, the window manager) while an uninstall run
// is busy, an uninstaller running or leftovers being removed, asks first; yes ends the process
// at once as the close button always does. When idle the close button ends the process without
// a question and any other close closes the window.
#include "inventory/installedprogram.h"
#include "widgets/winfrm.h"

#include <functional>
#include <memory>

class CAppEnum;
class CBlurDlg;
class QTimer;
class CRightContent;
class QHBoxLayout;

class CMainWin : public CWinFrm {
    Q_OBJECT
public:
    explicit CMainWin(QWidget *parent = nullptr);
    ~CMainWin() override;

    int ReceiveMsg(const __MsgData &msg) override;

    CRightContent *RightContent() const { return m_rightContent; }
    CBlurDlg *BlurDialog() const { return m_blur; }
    CAppEnum *AppEnum() const { return m_appEnum.get(); }
    InstalledProgramList Programs() const { return m_programs; }

    // The window size when the settings give none.
    static QSize DefaultSize() { return QSize(1000, 640); }
    // How long the process stays after MSG_QUIT_APP, so the product's own uninstaller can start.
    static constexpr int kQuitDelayMs = 1000;
    QTimer *QuitTimer() const { return m_quitTimer; }

    // Whether an uninstall run of this window is busy (from its start until its result).
    bool IsUninstallRunning() const;

    // How the start-up worker is started: runs `work` on a new detached thread and tells
    // whether it could. Replaceable for tests: a seam kept on purpose, as no fake can make a
    // thread fail to start, nor hold a real one until the splash is up.
    using ThreadStarter = std::function<bool(std::function<void()> work)>;
    static void SetThreadStarter(ThreadStarter starter);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    static void StartupWorker(CMainWin *window);
    void ListReady();
    // True when the window may close: nothing is running, or the user says to close anyway.
    bool MayClose();

    QHBoxLayout *m_mainLayout = nullptr;
    CRightContent *m_rightContent = nullptr;
    CBlurDlg *m_blur = nullptr;
    QTimer *m_quitTimer = nullptr;
    std::unique_ptr<CAppEnum> m_appEnum;
    InstalledProgramList m_programs;
    bool m_listReady = false;
};
