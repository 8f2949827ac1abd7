#include "update/updaterstdlg.h"

#include "shell/linkopener.h"
#include "shell/msgids.h"
#include "shell/widgethelpers.h"
#include "libs/updatekit/updateaddresses.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QColor kTextColour(214, 214, 215);

QString updateButtonSheet()
{
    return QStringLiteral(
        "QPushButton{border-image: url(./Resources/messagebox/btn_pril.png); color:white; font-size:14px;}"
        "QPushButton:hover{border-image: url(./Resources/messagebox/btn_pril_hover.png);}"
        "QPushButton:pressed{border-image: url(./Resources/messagebox/btn_pril_press.png);}"
        "QPushButton:disabled{border-image: url(./Resources/messagebox/btn_pril_disable.png);}");
}

QString cancelButtonSheet()
{
    return QStringLiteral(
        "QPushButton{border-image: url(./Resources/messagebox/btn_sec.png); color:rgb(214,214,215); font-size:14px;}"
        "QPushButton:hover{border-image: url(./Resources/messagebox/btn_sec_hover.png);}"
        "QPushButton:pressed{border-image: url(./Resources/messagebox/btn_sec_press.png);}"
        "QPushButton:disabled{border-image: url(./Resources/messagebox/btn_sec_disable.png);}");
}

QLabel *makeTextLabel(const QString &text, int pixelSize, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    SetWidgetFont(label, pixelSize);
    SetWidgetTextColor(label, kTextColour);
    return label;
}

} // namespace

CUpdateRstDlg::CUpdateRstDlg(int width, int height, QWidget *parent)
    : CBaseDialog(parent), m_width(width), m_height(height)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setFixedSize(width, height);
}

void CUpdateRstDlg::SetContent(const QString &text, int failed, int newVersion, const UpgradeInfo &upgrade)
{
    if (m_view != ViewNone)
        return;
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 50, 0, 0);
    auto *widthLabel = new QLabel(this);
    widthLabel->setFixedWidth(m_width);
    column->addWidget(widthLabel, 0, Qt::AlignHCenter);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(16, 0, 0, 0);
    column->addLayout(row);

    if (failed) {
        BuildResultView(row, text, false);
    } else if (newVersion) {
        if (upgrade.available)
            BuildDescriptionView(column, upgrade.description);
        else
            BuildShortView(column);
    } else {
        BuildResultView(row, text, true);
    }
    contentLayout->addLayout(column);
}

void CUpdateRstDlg::BuildResultView(QHBoxLayout *row, const QString &text, bool success)
{
    m_view = success ? ViewUpToDate : ViewFailed;
    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    if (success)
        m_iconLabel->setPixmap(QPixmap(QStringLiteral("./Resources/About.png")));
    else
        m_iconLabel->setPixmap(QIcon(QStringLiteral("./Resources/tip_failed.png")).pixmap(64, 64));
    row->addWidget(m_iconLabel, 0, Qt::AlignHCenter);
    row->addItem(new QSpacerItem(20, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 20, 0, 20);
    m_titleLabel = makeTextLabel(success ? tr("Congratulations!") : tr("Update Failed!"), 20, this, "titleLabel");
    texts->addWidget(m_titleLabel, 10, Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel = makeTextLabel(text, 14, this, "messageLabel");
    texts->addWidget(m_messageLabel, 10, Qt::AlignLeft | Qt::AlignTop);
    texts->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    row->addLayout(texts);
    row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

QHBoxLayout *CUpdateRstDlg::MakeButtonRow()
{
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_updateBtn = new QPushButton(tr("Update Now"), this);
    m_updateBtn->setObjectName(QStringLiteral("updateButton"));
    m_updateBtn->setStyleSheet(updateButtonSheet());
    m_updateBtn->setFixedSize(128, 32);
    m_updateBtn->setToolTip(tr("Open the download page of the new version"));
    buttons->addWidget(m_updateBtn, 0, Qt::AlignRight);
    m_cancelBtn = new QPushButton(tr("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("cancelButton"));
    m_cancelBtn->setStyleSheet(cancelButtonSheet());
    m_cancelBtn->setFixedSize(96, 32);
    buttons->addWidget(m_cancelBtn, 0, Qt::AlignLeft);
    connect(m_updateBtn, &QPushButton::clicked, this, &CUpdateRstDlg::UpdateClicked);
    connect(m_cancelBtn, &QPushButton::clicked, this, &CUpdateRstDlg::CancelClicked);
    return buttons;
}

void CUpdateRstDlg::BuildShortView(QVBoxLayout *column)
{
    m_view = ViewNewVersionShort;
    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setPixmap(QPixmap(QStringLiteral("./Resources/logo.png")));
    column->addWidget(m_iconLabel, 0, Qt::AlignHCenter);
    column->addItem(new QSpacerItem(0, 17, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_titleLabel = makeTextLabel(tr("Congratulations!"), 20, this, "titleLabel");
    column->addWidget(m_titleLabel, 10, Qt::AlignHCenter);
    column->addItem(new QSpacerItem(0, 12, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_messageLabel = makeTextLabel(tr("A new version has been released, do you want to update now?"), 14, this,
                                   "messageLabel");
    column->addWidget(m_messageLabel, 10, Qt::AlignHCenter);
    column->addItem(new QSpacerItem(0, 50, QSizePolicy::Minimum, QSizePolicy::Fixed));
    QHBoxLayout *buttons = MakeButtonRow();
    buttons->setContentsMargins(0, 0, 20, 0);
    column->addLayout(buttons);
}

void CUpdateRstDlg::BuildDescriptionView(QVBoxLayout *column, const QString &description)
{
    m_view = ViewNewVersionDescription;
    column->setContentsMargins(0, 16, 0, 0);
    auto *body = new QVBoxLayout;
    body->setSpacing(0);
    body->setContentsMargins(16, 0, 16, 24);

    auto *top = new QHBoxLayout;
    top->setSpacing(15);
    top->setContentsMargins(0, 0, 0, 0);
    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    const QPixmap icon(QStringLiteral("./Resources/About.png"));
    if (!icon.isNull())
        m_iconLabel->setPixmap(icon.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    top->addWidget(m_iconLabel, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->setContentsMargins(0, 0, 0, 0);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setText(QStringLiteral("<p style=\"font-family:%1;font-size:18px;color:#d6d6d7\">%2</p>")
                              .arg(QStringLiteral("Segoe UI"), tr("A new version of Vendrix Purgewell  is available!")));
    texts->addWidget(m_titleLabel);
    texts->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Fixed));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("descriptionBrowser"));
    m_browser->setStyleSheet(QStringLiteral(
        "QTextBrowser{font-family:\"Segoe UI\";font-size:14px; line-height:1.17;color:rgb(237,238,239);border:none}"));
    QPalette palette = m_browser->palette();
    palette.setColor(QPalette::Base, QColor(30, 34, 51));
    m_browser->setPalette(palette);
    // The description comes from the network: its links open in the browser, never inside
    // this widget (which would load local files named by the link).
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            OpenLink(url);
    });
    m_browser->setText(description);
    texts->addWidget(m_browser);
    top->addLayout(texts);
    body->addLayout(top);
    body->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Fixed));
    QHBoxLayout *buttons = MakeButtonRow();
    buttons->setContentsMargins(0, 0, 0, 0);
    body->addLayout(buttons);
    column->addLayout(body);
}

void CUpdateRstDlg::UpdateClicked()
{
    OpenLink(updatekit::DownloadPageUrl());
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

void CUpdateRstDlg::CancelClicked()
{
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

int CUpdateRstDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG)
        QDialog::done(QDialog::Rejected);
    return 0;
}
