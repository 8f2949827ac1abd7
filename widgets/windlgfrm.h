#pragma once
// The frame of every dialog: frameless, translucent-backed, painted as a rounded rectangle
// with a 32-pixel title bar and a separator line under it. Derived dialogs put their content
// into `contentLayout`.
//
// The frame's container is a plain child that no layout of the dialog manages: on first
// show it takes the size of its size hint, so content that must span the whole dialog has
// to state its width (for example a row holding a label of fixed width).
//
// The frame sets only Qt::FramelessWindowHint; the creator (or the dialog's constructor)
// sets Qt::Dialog | Qt::FramelessWindowHint before the dialog is shown.
#include "libs/vdxqt/notifycentor.h"

#include <QDialog>

class CWindowDlgTitle;
class QVBoxLayout;

class CWinDlgFrm : public QDialog, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CWinDlgFrm(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    int ReceiveMsg(const __MsgData &msg) override;

    CWindowDlgTitle *titleBar = nullptr;
    QVBoxLayout *contentLayout = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_container = nullptr;
    QVBoxLayout *m_outerLayout = nullptr;
};
