#include "about/aboutdlg.h"

#include "shell/linkopener.h"
#include "shell/msgids.h"
#include "shell/widgethelpers.h"
#include "libs/vdxqt/bpqthyperlink.h"
#include "shell/productversion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kWebSite[] = "www.vendrix.example";
const char kProductPage[] = "https://www.vendrix.example/uninstaller/free-uninstaller.html";

const QColor kSecondaryText(255, 255, 255, 153);

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent) : CBaseDialog(parent)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setFixedSize(640, 376);
}

QString CAboutDlg::ProductPageUrl()
{
    return QString::fromLatin1(kProductPage);
}

void CAboutDlg::BuildContent()
{
    if (m_productLabel)
        return;
    auto *outer = new QVBoxLayout;
    outer->setContentsMargins(20, 0, 0, 0);
    outer->setSpacing(5);

    auto *widthLabel = new QLabel(this);
    widthLabel->setFixedWidth(620);
    outer->addWidget(widthLabel);

    auto *row = new QHBoxLayout;
    row->setSpacing(5);
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logoLabel"));
    logo->setPixmap(QPixmap(QStringLiteral("./Resources/About.png")));
    row->addWidget(logo);
    row->addItem(new QSpacerItem(50, 0, QSizePolicy::Fixed, QSizePolicy::Preferred));

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 10, 0, 0);
    texts->setSpacing(5);
    m_productLabel = new QLabel(
        tr("Vendrix Purgewell Pro %1").arg(QStringLiteral("%1.%2").arg(kRunningVersionMajor).arg(kRunningVersionMinor)),
        this);
    m_productLabel->setObjectName(QStringLiteral("productLabel"));
    SetWidgetFont(m_productLabel, 22);
    QFont bold = m_productLabel->font();
    bold.setBold(true);
    m_productLabel->setFont(bold);
    SetWidgetTextColor(m_productLabel, QColor(255, 255, 255));
    texts->addWidget(m_productLabel, 0, Qt::AlignLeft | Qt::AlignTop);

    m_descriptionLabel = new QLabel(
        tr("Free, safe and powerful uninstaller to help you uninstall \nunwanted programs and delete all leftovers."), this);
    m_descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    m_descriptionLabel->setTextFormat(Qt::PlainText);
    SetWidgetFont(m_descriptionLabel, 14);
    SetWidgetTextColor(m_descriptionLabel, kSecondaryText);
    texts->addWidget(m_descriptionLabel, 0, Qt::AlignLeft | Qt::AlignTop);

    m_link = new CBPQtHyperLink(QString::fromLatin1(kWebSite), this);
    m_link->setObjectName(QStringLiteral("webLink"));
    SetWidgetTextColor(m_link, QColor(110, 170, 255));
    connect(m_link, &CBPQtHyperLink::linkClicked, this, &CAboutDlg::openUrl);
    texts->addWidget(m_link, 0, Qt::AlignLeft | Qt::AlignTop);

    row->addLayout(texts);
    row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Preferred));
    outer->addLayout(row);
    outer->addItem(new QSpacerItem(0, 100, QSizePolicy::Fixed, QSizePolicy::Fixed));

    m_copyrightLabel = new QLabel(tr("Copyright \u00A9 2026 Vendrix Software. All rights reserved."), this);
    m_copyrightLabel->setObjectName(QStringLiteral("copyrightLabel"));
    SetWidgetFont(m_copyrightLabel, 14);
    SetWidgetTextColor(m_copyrightLabel, kSecondaryText);
    outer->addWidget(m_copyrightLabel, 0, Qt::AlignHCenter | Qt::AlignBottom);

    contentLayout->addLayout(outer);
}

void CAboutDlg::openUrl(QString &text)
{
    Q_UNUSED(text)
    OpenLink(ProductPageUrl());
}

int CAboutDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG)
        close();
    return 0;
}
