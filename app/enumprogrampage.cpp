#include "app/enumprogrampage.h"

#include "app/msgids.h"
#include "app/uipublic.h"
#include "inventory/programhelpers.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

namespace {
QString readSheet(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

CEnumProgramPage::CEnumProgramPage(QWidget *parent) : QVBoxLayout(parent), CRightContentBase(PAGE_PROGRAMS)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_LIST_READY);
    setContentsMargins(24, 0, 24, 0);
    setSpacing(0);

    auto *top = new QWidget;
    top->setObjectName(QStringLiteral("TopPart"));
    top->setStyleSheet(QStringLiteral("#TopPart{background-color: rgb(38,43,65)}"));
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 15, 0, 5);
    topLayout->setSpacing(5);
    auto *title = new QLabel(tr("Applications"));
    title->setStyleSheet(QStringLiteral("font-size:16px; color:rgb(255,255,255);font-weight:500"));
    topLayout->addWidget(title, 0, Qt::AlignLeft | Qt::AlignVCenter);
    m_countLabel = new QLabel;
    m_countLabel->setStyleSheet(QStringLiteral("font-size:14px; color:rgba(255,255,255,153)"));
    topLayout->addWidget(m_countLabel, 0, Qt::AlignLeft | Qt::AlignVCenter);
    topLayout->addStretch(1);
    addWidget(top);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("ProgramTreeWidget"));
    m_tree->setColumnCount(4);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setIndentation(0);
    m_tree->setFocusPolicy(Qt::NoFocus);
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setIconSize(QSize(32, 32));
    m_tree->setColumnWidth(0, 400);
    m_tree->setColumnWidth(1, 220);
    m_tree->setColumnWidth(2, 120);
    m_tree->verticalScrollBar()->setStyleSheet(readSheet(QStringLiteral("./QSS/vscrollbar.qss")));
    m_tree->horizontalScrollBar()->setStyleSheet(readSheet(QStringLiteral("./QSS/hscrollbar.qss")));
    addWidget(m_tree, 1);
    addSpacing(63); // the window's bottom band

    CreateTree();
}

void CEnumProgramPage::CreateTree()
{
    m_tree->clear();
    const InstalledProgramList programs = CUIPublic::GetInstance()->GetPrograms();
    const QIcon fallback(QStringLiteral("./Resources/Installer.png"));
    for (const InstalledProgram &program : programs) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setText(0, QString::fromLocal8Bit(program.DisplayName));
        item->setText(1, QString::fromLocal8Bit(program.Publisher));
        item->setText(2, FormatSize(program.Size));
        item->setText(3, program.DisplayVersion[0] ? QString::fromLocal8Bit(program.DisplayVersion)
                                                   : QStringLiteral("-"));
        const QString iconFile = ProgramIconFile(QByteArray(program.DisplayIcon));
        const QIcon icon(iconFile);
        item->setIcon(0, !iconFile.isEmpty() && !icon.pixmap(32, 32).isNull() ? icon : fallback);
        item->setSizeHint(0, QSize(400, 48));
        item->setForeground(0, QColor(255, 255, 255));
        item->setForeground(2, QColor(255, 255, 255));
    }
    m_countLabel->setText(tr("(%1)").arg(programs.size()));
}

int CEnumProgramPage::ReceiveMsg(const __MsgData &msg)
{
    int page = -1;
    if (msg.data && msg.len >= int(sizeof(int)))
        page = *static_cast<const int *>(msg.data);
    if (msg.id == MSG_LIST_READY && page == PAGE_PROGRAMS)
        CreateTree();
    return 0;
}
