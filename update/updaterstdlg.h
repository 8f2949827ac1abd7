#pragma once
// The result of an update check: failed, up to date, or a new version (with its description
// when "Upgrade.ini" could be fetched, a short view otherwise). The update button opens the
// download page and, like cancel and the title bar's close button, ends the dialog through
// MSG_CLOSE_DLG.
#include "update/updatecheck.h"
#include "widgets/basedialog.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTextBrowser;
class QVBoxLayout;

class CUpdateRstDlg : public CBaseDialog {
    Q_OBJECT
public:
    enum View { ViewNone, ViewFailed, ViewUpToDate, ViewNewVersionShort, ViewNewVersionDescription };

    CUpdateRstDlg(int width, int height, QWidget *parent = nullptr);

    // Builds the view for the outcome; call once, before exec().
    void SetContent(const QString &text, int failed, int newVersion, const UpgradeInfo &upgrade = UpgradeInfo());
    View CurrentView() const { return m_view; }

    int ReceiveMsg(const __MsgData &msg) override;

public slots:
    void UpdateClicked();
    void CancelClicked();

private:
    void BuildResultView(QHBoxLayout *row, const QString &text, bool success);
    void BuildShortView(QVBoxLayout *column);
    void BuildDescriptionView(QVBoxLayout *column, const QString &description);
    QHBoxLayout *MakeButtonRow();

    int m_width;
    int m_height;
    View m_view = ViewNone;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QTextBrowser *m_browser = nullptr;
    QPushButton *m_updateBtn = nullptr;
    QPushButton *m_cancelBtn = nullptr;
};
