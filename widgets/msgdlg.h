#pragma once
// The product's message box: one status icon, one text and one of three button
// arrangements. exec() returns 0 when the first button ("OK" or "YES") was pressed and 1
// for every other way of ending it (second button, Escape, title-bar close, MSG_CLOSE_DLG,
// closing the window) -- the opposite of QDialog::Accepted/Rejected, so a confirmation can
// only come from the first button.
#include "widgets/basedialog.h"

class CBPQtLabel;
class CBPQtPushBtn;
class QLabel;

class CMSGDlg : public CBaseDialog {
    Q_OBJECT
public:
    enum IconKind { IconSuccess = 0, IconWarning = 1, IconOk = 2, IconFailed = 3 };
    enum Buttons { ButtonsNone = 0, ButtonsOk = 1, ButtonsOkCancel = 2, ButtonsYesNo = 3 };

    // Fixed size width x height, centred on `parent` when one is given.
    CMSGDlg(int width, int height, QWidget *parent = nullptr);

    // Builds the content; call once, before exec(). Icon kinds outside 0..2 show the failure
    // icon; button values outside 1..3 give no buttons (only MSG_CLOSE_DLG ends the dialog).
    // The text is not wrapped: put "\n" into long texts.
    void SetContent(int iconKind, const QString &text, int buttons);

    static QString IconPath(int iconKind);

    int ReceiveMsg(const __MsgData &msg) override;

public slots:
    void OKClicked();
    void CancelClicked();
    void reject() override;

private:
    int m_width;
    int m_height;
    QLabel *m_iconLabel = nullptr;
    CBPQtLabel *m_textLabel = nullptr;
    CBPQtPushBtn *m_firstBtn = nullptr;
    CBPQtPushBtn *m_secondBtn = nullptr;
};
