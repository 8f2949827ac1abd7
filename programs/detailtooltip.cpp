#include "programs/detailtooltip.h"

#include "shell/widgethelpers.h"
#include "widgets/windowdlgtitle.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

CDetailToolTip::CDetailToolTip(QWidget *parent) : CBaseDialog(parent)
{
    titleBar->HideContents();
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(393, 200);

    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(10, 10, 10, 10);
    rows->setSpacing(5);
    const QString captions[4] = {tr("Display name:"), tr("Version:"), tr("Install Time:"), tr("Install Path:")};
    for (int i = 0; i < 4; ++i) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(10);
        auto *caption = new QLabel(captions[i], this);
        SetWidgetFont(caption, 12);
        SetWidgetTextColor(caption, QColor(255, 255, 255, 255));
        row->addWidget(caption, 0, Qt::AlignLeft);
        m_values[i] = new QLabel(this);
        SetWidgetFont(m_values[i], 12);
        SetWidgetTextColor(m_values[i], QColor(255, 255, 255, 153));
        // Long paths must not widen the tooltip; the full text is in the label's tool tip.
        m_values[i]->setMaximumWidth(280);
        row->addWidget(m_values[i], 0, Qt::AlignLeft);
        row->addStretch();
        rows->addLayout(row);
    }
    // States the width, so the frame's content spans the tooltip.
    auto *width = new QWidget(this);
    width->setFixedSize(393, 0);
    rows->addWidget(width);
    contentLayout->addLayout(rows);

    installEventFilter(this);
}

void CDetailToolTip::SetDetails(const QString &name, const QString &version, const QString &installTime,
                                const QString &installPath)
{
    m_values[0]->setText(name);
    m_values[0]->setToolTip(name);
    m_values[1]->setText(version);
    m_values[2]->setText(installTime);
    m_values[3]->setText(installPath);
    m_values[3]->setToolTip(installPath);
}

void CDetailToolTip::ShowAt(const QPoint &globalPos)
{
    if (QApplication::activeWindow() != this)
        m_returnTo = QApplication::activeWindow();
    move(globalPos);
    show();
    raise();
    activateWindow();
}

void CDetailToolTip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(15, 17, 26));
    painter.setBrush(QColor(47, 51, 72));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void CDetailToolTip::keyPressEvent(QKeyEvent *event)
{
    // Any key puts the tooltip away (Escape and Enter are the ones people try) and gives the
    // keyboard back to the list it was opened from.
    event->accept();
    hide();
    if (m_returnTo && m_returnTo->isVisible())
        m_returnTo->activateWindow();
}

bool CDetailToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate) {
        hide();
        return true;
    }
    return CBaseDialog::eventFilter(watched, event);
}
