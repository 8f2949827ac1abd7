#include "widgets/blurdlg.h"

#include "widgets/windowdlgtitle.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>

CBlurDlg::CBlurDlg(QWidget *parent) : CBaseDialog(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    if (parent)
        resize(parent->size());
    titleBar->HideContents();
}

void CBlurDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QColor(76, 79, 80));
    painter.setBrush(QColor(37, 43, 65));
    painter.drawRoundedRect(QRectF(0, 0, width(), height()), 8, 8);
}

void CBlurDlg::showEvent(QShowEvent *)
{
    if (!CAeroGlassHelper::IsWindows10OrLater())
        return;
    auto *effect = new QGraphicsOpacityEffect(this);
    effect->setOpacity(0.7);
    setGraphicsEffect(effect);
    m_glass.EnableBlur(reinterpret_cast<void *>(winId()), nullptr);
}
