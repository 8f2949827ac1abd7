#pragma once
// The result of an uninstall run: how many programs were removed and the space freed, and how
// many were not; a run that removed nothing says so, without the success image. Programs whose
// uninstaller asked for a restart are named in one more line, shortened to fit the dialog (the
// tooltip names them all). When leftovers went to the trash, one line says they can be restored
// from the menu. However it is closed, it asks the programs page to re-read the list,
// which also brings the page back from its disabled run state.
#include "widgets/basedialog.h"

#include <QStringList>

class QLabel;

class CUninstallRstDlg : public CBaseDialog {
    Q_OBJECT
public:
    explicit CUninstallRstDlg(QWidget *parent = nullptr);

    // `count` programs were removed, `notUninstalled` were not; `page` is the page to refresh.
    void SetResult(int count, int page, int notUninstalled = 0);
    // The programs whose removal a restart finishes; none by default.
    void SetRestartPrograms(const QStringList &names) { m_restartNames = names; }
    // Leftovers of the run went to the trash; false by default.
    void SetTrashed(bool trashed) { m_trashed = trashed; }
    void CreateLayout();

    int ReceiveMsg(const __MsgData &msg) override;
    void done(int result) override;

    QLabel *titleLabel() const { return m_title; }
    QLabel *imageLabel() const { return m_image; }
    QLabel *resultLabel() const { return m_result; }
    QLabel *notUninstalledLabel() const { return m_notUninstalled; }
    QLabel *restartLabel() const { return m_restart; }
    QLabel *trashLabel() const { return m_trash; }

    // The restart notice for `names` in at most `maxLines` lines of `width` pixels in `font`: as
    // many names as fit, then "…"; a single name too long for the room is shortened itself.
    static QString RestartText(const QStringList &names, const QFont &font, int width, int maxLines);

private:
    int m_count = 0;
    int m_pageId = 0;
    int m_notUninstalledCount = 0;
    bool m_refreshSent = false;
    QStringList m_restartNames;
    bool m_trashed = false;
    QLabel *m_title = nullptr;
    QLabel *m_image = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_notUninstalled = nullptr;
    QLabel *m_restart = nullptr;
    QLabel *m_trash = nullptr;
};
