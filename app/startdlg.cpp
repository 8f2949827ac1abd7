#include "app/startdlg.h"

#include "shell/msgids.h"
#include "libs/sharelog/sharelog.h"
#include "shell/translations.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CStartDlg::CStartDlg(QWidget *parent) : QDialog(parent)
{
    setFixedSize(600, 368);
    setWindowIcon(QIcon(QStringLiteral("./Resources/logo.png")));
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
}

void CStartDlg::BuildContent()
{
    if (layout())
        return;
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(this);
    picture->setFixedSize(600, 368);
    const QPixmap image(LocalizedResource(QStringLiteral("loading.png"))); // its lines in the user's language
    if (!image.isNull())
        picture->setPixmap(image.scaled(600, 368));
    else
        picture->setStyleSheet(QStringLiteral("background-color: rgb(26,29,44);"));
    box->addWidget(picture);
}

int CStartDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG) {
        LogInfo("CStartDlg received MSG_CLOSE_DLG!");
        close();
    }
    return 0;
}
