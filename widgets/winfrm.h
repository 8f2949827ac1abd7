#pragma once
// The frame of the main window: frameless, translucent-backed, painted dark with rounded
// corners, a page area between the 32-pixel title bar and a 63-pixel band at the bottom.
// The derived window puts its content into `contentLayout`.
#include "libs/vdxqt/bpqtmainwindow.h"
#include "libs/vdxqt/notifycentor.h"

class CWindowTitle;
class QVBoxLayout;

class CWinFrm : public CBPQtMainWindow, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CWinFrm(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    int ReceiveMsg(const __MsgData &msg) override;

    CWindowTitle *titleBar = nullptr;
    QVBoxLayout *contentLayout = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_container = nullptr;
    QVBoxLayout *m_outerLayout = nullptr;
};
