#pragma once
// The start-up splash: a frameless 600 x 368 picture, modal while the installed programs
// are read. It closes on MSG_CLOSE_DLG, which the main window sends once its pages exist.
#include "libs/vdxqt/notifycentor.h"

#include <QDialog>

class CStartDlg : public QDialog, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CStartDlg(QWidget *parent = nullptr);

    void BuildContent();
    int ReceiveMsg(const __MsgData &msg) override;
};
