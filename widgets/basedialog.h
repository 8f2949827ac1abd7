#pragma once
// The base of the product's dialogs: a CWinDlgFrm attached to the message bus, with the
// product icon.
//
// The conventions a concrete dialog follows: its constructor registers MSG_CLOSE_DLG
// (RegisterMsg), gives the dialog a fixed size (setFixedSize), and its ReceiveMsg closes the
// dialog when that message arrives; its window flags are set to
// Qt::Dialog | Qt::FramelessWindowHint before it is shown. The close button of any dialog's
// title bar sends MSG_CLOSE_DLG, so it closes every open dialog.
#include "widgets/windlgfrm.h"

class CBaseDialog : public CWinDlgFrm {
    Q_OBJECT
public:
    explicit CBaseDialog(QWidget *parent = nullptr);

    int ReceiveMsg(const __MsgData &msg) override;

protected:
    // A dialog that is activated while hidden shows itself again, unless it was closed or
    // hidden by the program: an activation that arrives late must not bring back a dialog
    // that has already been closed.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_closed = false;
};
