#include "widgets/msgdlg.h"

#include "shell/msgids.h"
#include "shell/widgethelpers.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "libs/vdxqt/bpqtpushbtn.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

CMSGDlg::CMSGDlg(int width, int height, QWidget *parent)
    : CBaseDialog(parent), m_width(width), m_height(height)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(width, height);
    if (parent) {
        const QRect g = parent->geometry();
        move(g.x() + g.width() / 2 - width / 2, g.y() + g.height() / 2 - height / 2);
    }
}

QString CMSGDlg::IconPath(int iconKind)
{
    switch (iconKind) {
    case IconSuccess:
        return QStringLiteral("./Resources/tip_suc.png");
    case IconWarning:
        return QStringLiteral("./Resources/tip_warnning.png");
    case IconOk:
        return QStringLiteral("./Resources/tip_ok.png");
    default:
        return QStringLiteral("./Resources/tip_failed.png");
    }
}

void CMSGDlg::SetContent(int iconKind, const QString &text, int buttons)
{
    if (m_textLabel)
        return; // built once

    auto *vertical = new QVBoxLayout;
    vertical->setContentsMargins(0, 30, 0, 0);

    // Keeps the frame's container as wide as the dialog.
    auto *widthLabel = new QLabel(this);
    widthLabel->setFixedWidth(m_width);
    vertical->addWidget(widthLabel);

    auto *messageRow = new QHBoxLayout;
    messageRow->setSpacing(10);
    messageRow->addItem(new QSpacerItem(40, 0, QSizePolicy::Fixed, QSizePolicy::Expanding));
    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("msgIcon"));
    m_iconLabel->setPixmap(QIcon(IconPath(iconKind)).pixmap(48, 48, QIcon::Normal, QIcon::On));
    messageRow->addWidget(m_iconLabel, 0, Qt::AlignHCenter);
    m_textLabel = new CBPQtLabel(text, this);
    m_textLabel->setObjectName(QStringLiteral("msgText"));
    SetWidgetFont(m_textLabel, 15);
    SetWidgetTextColor(m_textLabel, QColor(255, 255, 255));
    messageRow->addWidget(m_textLabel, 10, Qt::AlignLeft);
    vertical->addLayout(messageRow);

    auto makeButton = [this](const QString &caption, const char *name) {
        auto *button = new CBPQtPushBtn(caption, this);
        button->setObjectName(QLatin1String(name));
        SetWidgetFont(button, 12);
        return button;
    };

    QHBoxLayout *buttonRow = nullptr;
    if (buttons == ButtonsOk) {
        buttonRow = new QHBoxLayout;
        buttonRow->setSpacing(10);
        m_firstBtn = makeButton(tr("OK"), "msgFirstButton");
        connect(m_firstBtn, &QPushButton::clicked, this, &CMSGDlg::OKClicked);
        buttonRow->addWidget(m_firstBtn, 0, Qt::AlignHCenter);
        vertical->addItem(new QSpacerItem(0, 50, QSizePolicy::Expanding, QSizePolicy::Expanding));
    } else if (buttons == ButtonsOkCancel || buttons == ButtonsYesNo) {
        buttonRow = new QHBoxLayout;
        buttonRow->setSpacing(10);
        const bool yesNo = buttons == ButtonsYesNo;
        m_firstBtn = makeButton(yesNo ? tr("YES") : tr("OK"), "msgFirstButton");
        m_secondBtn = makeButton(yesNo ? tr("NO") : tr("Cancel"), "msgSecondButton");
        connect(m_firstBtn, &QPushButton::clicked, this, &CMSGDlg::OKClicked);
        connect(m_secondBtn, &QPushButton::clicked, this, &CMSGDlg::CancelClicked);
        buttonRow->addWidget(m_firstBtn, 10, Qt::AlignRight);
        buttonRow->addWidget(m_secondBtn, 3, Qt::AlignLeft);
        if (!yesNo) {
            SetWidgetTextColor(m_firstBtn, QColor(255, 255, 255));
            SetWidgetTextColor(m_secondBtn, QColor(255, 255, 255));
        }
        vertical->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Fixed));
    }
    if (m_firstBtn)
        m_firstBtn->setAsDefaultBtn();
    if (buttonRow)
        vertical->addLayout(buttonRow);
    contentLayout->addLayout(vertical);
}

int CMSGDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG) {
        done(1);
        close();
    }
    return 0;
}

void CMSGDlg::OKClicked()
{
    done(0);
    close();
}

void CMSGDlg::CancelClicked()
{
    done(1);
    close();
}

void CMSGDlg::reject()
{
    // Escape and closing the window refuse, like the second button.
    done(1);
}
