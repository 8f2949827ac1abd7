#pragma once
// The small modal progress dialog shown while the program list is re-read, centred on its
// parent. It closes on MSG_CLOSE_DLG, which the refresh worker sends when it is done.
#include "libs/vdxqt/notifycentor.h"

#include <QDialog>

class QLabel;
class QMovie;

class CRefreshDlg : public QDialog, public CBPMsgReceiver {
    Q_OBJECT
public:
    // Builds its content too; callers set Qt::Dialog | Qt::FramelessWindowHint and exec().
    explicit CRefreshDlg(QWidget *parent = nullptr);

    void BuildContent();
    int ReceiveMsg(const __MsgData &msg) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QMovie *m_movie = nullptr;
};
