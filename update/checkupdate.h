#pragma once
// The waiting dialog of the update check: an animation while a worker thread asks the
// updater. It cannot be dismissed while the worker runs (close button disabled, Escape and
// window close ignored, MSG_CLOSE_DLG ignored); only the worker's MSG_UPDATE_CHECK_DONE ends
// it, so the results are complete when exec() returns. The worker writes only into state it
// shares with the dialog, never into the dialog itself.
#include "update/updatecheck.h"
#include "widgets/basedialog.h"

#include <memory>

class CBPQtLabel;
class QMovie;

class CheckUpdate : public CBaseDialog {
    Q_OBJECT
public:
    explicit CheckUpdate(QWidget *parent = nullptr);
    ~CheckUpdate() override;

    // Builds the waiting view, disables the close button and starts the worker. Once only.
    void StartCheck();
    bool IsChecking() const { return m_checking; }

    // Valid after exec() has returned.
    QString ResultText() const { return m_result.text; }
    int IsFailed() const { return m_result.failed; }
    int HasNewVersion() const { return m_result.newVersion; }
    UpgradeInfo Upgrade() const { return m_result.upgrade; }

    // Where "Upgrade.ini" goes: the program folder unless set before StartCheck().
    void SetProgramFolder(const QString &folder) { m_programFolder = folder; }

    int ReceiveMsg(const __MsgData &msg) override;

public slots:
    void reject() override;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    UpdateCheckResult m_result;
    QString m_programFolder;
    bool m_started = false;
    bool m_checking = false;
    CBPQtLabel *m_textLabel = nullptr;
    CBPQtLabel *m_movieLabel = nullptr;
    QMovie *m_movie = nullptr;
};
