#include "programs/uninstallrstdlg.h"

#include "shell/msgids.h"
#include "shell/uipublic.h"
#include "shell/widgethelpers.h"
#include "inventory/programhelpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// The room of the restart notice: the dialog's text width and two lines.
constexpr int kRestartWidth = 600;
constexpr int kRestartLines = 2;

bool Fits(const QString &text, const QFontMetrics &metrics, int width, int maxLines)
{
    const QRect used = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
    return used.width() <= width && used.height() <= maxLines * metrics.lineSpacing();
}

} // namespace

CUninstallRstDlg::CUninstallRstDlg(QWidget *parent) : CBaseDialog(parent)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setFixedSize(640, 427);
    if (parent) {
        const QRect over = parent->geometry();
        move(over.x() + over.width() / 2 - width() / 2, over.y() + over.height() / 2 - height() / 2);
    }
}

void CUninstallRstDlg::SetResult(int count, int page, int notUninstalled)
{
    m_count = count;
    m_pageId = page;
    m_notUninstalledCount = notUninstalled;
}

void CUninstallRstDlg::CreateLayout()
{
    if (m_result)
        return; // built once

    auto *outer = new QVBoxLayout;
    outer->setContentsMargins(20, 33, 20, 0);
    outer->setSpacing(20);
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *width = new QLabel(this);
    width->setFixedSize(600, 30);
    column->addWidget(width, 0, Qt::AlignHCenter);
    // Only a run that removed something is reported as a success.
    const bool removedAny = m_count > 0;
    m_image = new QLabel(this);
    if (removedAny)
        m_image->setPixmap(QPixmap(QStringLiteral("./Resources/Success.png")));
    else
        m_image->hide();
    column->addWidget(m_image, 0, Qt::AlignHCenter);
    column->addSpacing(14);
    m_title = new QLabel(removedAny ? tr("Uninstall Completed!") : tr("Nothing Was Uninstalled"), this);
    SetWidgetFont(m_title, 24);
    SetWidgetTextColor(m_title, QColor(214, 214, 215));
    column->addWidget(m_title, 0, Qt::AlignHCenter);
    column->addSpacing(12);

    const uint64_t freed = CUIPublic::GetInstance()->GetPendingUninstallSize();
    // The sentence is built from pieces so that only the numbers stand out; each piece is
    // translated on its own.
    const QString dim = QStringLiteral("<font style = 'font-size:16px;color:rgba(255,255,255,153)'>%1</font>");
    const QString dimAfter = QStringLiteral("<font style = 'font-size:16px; color:rgba(255,255,255,153)'>%1</font>");
    const QString bright = QStringLiteral("<font style = 'font-size:16px; font-weight:600;color:rgb(40,191,96)'>%1</font>");
    QString text;
    if (!removedAny)
        text = dim.arg(tr("No program was uninstalled."));
    else if (freed == 0)
        text = dim.arg(tr("Successfully uninstall ")) + bright.arg(m_count) + dim.arg(tr(" program(s)."));
    else
        text = dim.arg(tr("Successfully uninstall ")) + bright.arg(m_count) + dimAfter.arg(tr(" program(s) and free up "))
               + bright.arg(FormatSize(freed));
    m_result = new QLabel(text, this);
    m_result->setTextFormat(Qt::RichText);
    SetWidgetFont(m_result, 16);
    SetWidgetTextColor(m_result, QColor(96, 96, 96));
    column->addWidget(m_result, 0, Qt::AlignHCenter);

    m_notUninstalled = new QLabel(this);
    SetWidgetFont(m_notUninstalled, 16);
    SetWidgetTextColor(m_notUninstalled, QColor(255, 176, 64));
    if (m_notUninstalledCount > 0)
        m_notUninstalled->setText(tr("%1 program(s) were not uninstalled.").arg(m_notUninstalledCount));
    else
        m_notUninstalled->hide();
    column->addSpacing(8);
    column->addWidget(m_notUninstalled, 0, Qt::AlignHCenter);

    m_restart = new QLabel(this);
    SetWidgetFont(m_restart, 16);
    SetWidgetTextColor(m_restart, QColor(255, 176, 64));
    m_restart->setWordWrap(true);
    m_restart->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_restart->setFixedWidth(kRestartWidth);
    if (!m_restartNames.isEmpty()) {
        const QString text = RestartText(m_restartNames, m_restart->font(), kRestartWidth, kRestartLines);
        m_restart->setText(text);
        const QString whole = tr("Restart the computer to finish removing %1.").arg(m_restartNames.join(QStringLiteral(", ")));
        if (text != whole)
            m_restart->setToolTip(whole);
    } else {
        m_restart->hide();
    }
    column->addSpacing(8);
    column->addWidget(m_restart, 0, Qt::AlignHCenter);

    m_trash = new QLabel(tr("Removed items are in the trash. You can restore them from the menu."), this);
    SetWidgetFont(m_trash, 14);
    SetWidgetTextColor(m_trash, QColor(255, 255, 255, 153));
    m_trash->setWordWrap(true);
    m_trash->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_trash->setFixedWidth(kRestartWidth);
    if (!m_trashed)
        m_trash->hide();
    column->addSpacing(8);
    column->addWidget(m_trash, 0, Qt::AlignHCenter);

    outer->addLayout(column);
    outer->addStretch();
    contentLayout->addLayout(outer);
}

QString CUninstallRstDlg::RestartText(const QStringList &names, const QFont &font, int width, int maxLines)
{
    const QFontMetrics metrics(font);
    const QString ellipsis(QChar(0x2026));
    const QString separator = QStringLiteral(", ");
    const auto sentence = [](const QString &list) { return tr("Restart the computer to finish removing %1.").arg(list); };
    // As many names as fit, the rest as "…".
    for (int count = names.size(); count > 0; --count) {
        QString list = QStringList(names.mid(0, count)).join(separator);
        if (count < names.size())
            list += separator + ellipsis;
        const QString text = sentence(list);
        if (Fits(text, metrics, width, maxLines))
            return text;
    }
    // Not even the first name fits: shorten it to what the sentence leaves of the room.
    QString first = names.value(0);
    if (names.size() > 1)
        first += separator + ellipsis;
    const int rest = metrics.horizontalAdvance(sentence(QString()));
    int room = qMax(metrics.averageCharWidth() * 4, width * maxLines - rest - width / 4);
    while (true) {
        const QString text = sentence(metrics.elidedText(first, Qt::ElideMiddle, room));
        if (Fits(text, metrics, width, maxLines) || room <= metrics.averageCharWidth() * 4)
            return text;
        room -= metrics.averageCharWidth() * 4;
    }
}

int CUninstallRstDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG)
        close();
    return 0;
}

void CUninstallRstDlg::done(int result)
{
    CBaseDialog::done(result);
    // Title bar, Escape, the window manager: every way out leaves through done().
    if (!m_refreshSent) {
        m_refreshSent = true;
        const int page = m_pageId != 0 ? 1 : 0;
        CBPNotifyCentor::instance()->Send(MSG_REFRESH_PAGE, 0, &page, sizeof page);
    }
}
