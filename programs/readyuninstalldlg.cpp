#include "programs/readyuninstalldlg.h"

#include "shell/msgids.h"
#include "shell/stylefile.h"
#include "shell/widgethelpers.h"
#include "inventory/programhelpers.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "programs/programicon.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopWidget>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton *MakeButton(const QString &caption, const QString &stem, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFixedSize(96, 32);
    SetWidgetFont(button, 16);
    button->setStyleSheet(QStringLiteral("QPushButton{border-image:url(./Resources/messagebox/%1.png);color:white;}"
                                         "QPushButton:hover{border-image:url(./Resources/messagebox/%1_hover.png);}"
                                         "QPushButton:pressed{border-image:url(./Resources/messagebox/%1_press.png);}"
                                         "QPushButton:disabled{border-image:url(./Resources/messagebox/%1_disable.png);}")
                              .arg(stem));
    return button;
}

} // namespace

CReadyUninstallDlg::CReadyUninstallDlg(QWidget *parent) : CBaseDialog(parent)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setFixedSize(640, 427);
    const QRect over = parent ? parent->geometry() : QApplication::primaryScreen()->availableGeometry();
    move(over.x() + over.width() / 2 - width() / 2, over.y() + over.height() / 2 - height() / 2);
}

void CReadyUninstallDlg::SetPrograms(const InstalledProgramList &programs)
{
    m_programs = programs;
}

bool CReadyUninstallDlg::IsAutoRemoveChecked() const
{
    return m_autoRemove && m_autoRemove->isChecked();
}

void CReadyUninstallDlg::CreateLayout()
{
    if (m_question)
        return; // built once

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(16, 10, 16, 4);
    layout->setSpacing(0);

    m_question = new QLabel(tr("Do you want to uninstall the selected %1 program(s)?").arg(m_programs.size()), this);
    SetWidgetFont(m_question, 16);
    SetWidgetTextColor(m_question, QColor(255, 255, 255, 255));
    layout->addWidget(m_question, 0, Qt::AlignHCenter);
    layout->addSpacing(32);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("popTreeWidget"));
    m_tree->setColumnCount(3);
    m_tree->setColumnHidden(0, true);
    m_tree->setFocusPolicy(Qt::NoFocus);
    m_tree->header()->hide();
    m_tree->setFixedSize(608, 234);
    m_tree->setColumnWidth(1, 470);
    m_tree->setIndentation(0);
    m_tree->setUniformRowHeights(true);
    m_tree->verticalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/vscrollbar.qss")));
    m_tree->horizontalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/hscrollbar.qss")));
    for (int i = 0; i < m_programs.size(); ++i) {
        const InstalledProgram &program = m_programs.at(i);
        auto *item = new QTreeWidgetItem(m_tree);
        item->setData(1, Qt::UserRole, i);
        item->setText(2, FormatSize(program.Size));

        auto *cell = new QWidget;
        auto *row = new QHBoxLayout(cell);
        row->setContentsMargins(12, 0, 0, 0);
        row->setSpacing(0);
        row->setAlignment(Qt::AlignLeft);
        auto *icon = new QLabel(cell);
        icon->setFixedSize(24, 24);
        icon->setPixmap(CProgramIconCache::instance().Pixmap(QByteArray(program.DisplayIcon), 24));
        row->addWidget(icon);
        row->addSpacing(12);
        auto *texts = new QVBoxLayout;
        texts->setContentsMargins(0, 0, 0, 0);
        texts->setSpacing(0);
        auto *name = new CBPQtLabel(QString::fromLocal8Bit(program.DisplayName), cell);
        SetWidgetFont(name, 16);
        name->setStyleSheet(QStringLiteral("color:rgb(214,214,215);"));
        auto *publisher = new CBPQtLabel(QString::fromLocal8Bit(program.Publisher), cell);
        SetWidgetFont(publisher, 13);
        publisher->setStyleSheet(QStringLiteral("color:rgb(117,118,121);"));
        texts->addWidget(name);
        texts->addWidget(publisher);
        row->addLayout(texts);
        m_tree->setItemWidget(item, 1, cell);
    }
    layout->addWidget(m_tree, 0, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->setSpacing(10);
    m_autoRemove = new QCheckBox(tr("Automatically remove residual files"), this);
    m_autoRemove->setStyleSheet(QStringLiteral("QCheckBox{color:rgb(214,214,215)}"));
    m_autoRemove->setChecked(true);
    buttons->addWidget(m_autoRemove, 0, Qt::AlignLeft);
    buttons->addStretch();
    m_ok = MakeButton(tr("OK"), QStringLiteral("btn_pri"), this);
    m_cancel = MakeButton(tr("Cancel"), QStringLiteral("btn_sec"), this);
    connect(m_ok, &QPushButton::clicked, this, &CReadyUninstallDlg::OnOKClicked);
    connect(m_cancel, &QPushButton::clicked, this, &CReadyUninstallDlg::OnCancelClicked);
    buttons->addWidget(m_ok);
    buttons->addSpacing(4);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    contentLayout->addLayout(layout);
}

void CReadyUninstallDlg::OnOKClicked()
{
    m_confirmed = 1;
    accept();
}

void CReadyUninstallDlg::OnCancelClicked()
{
    m_confirmed = 0;
    reject();
}

int CReadyUninstallDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG) {
        m_programs.clear();
        m_confirmed = 0;
        reject();
    }
    return 0;
}
