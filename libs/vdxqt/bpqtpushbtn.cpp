#include "libs/vdxqt/bpqtpushbtn.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kAccent(61, 123, 255);
const QColor kAccentHover(88, 143, 255);
const QColor kAccentPressed(45, 100, 214);
const QColor kSecondary(60, 64, 84);
const QColor kSecondaryHover(72, 77, 101);
const QColor kSecondaryPressed(52, 56, 74);
const QColor kSecondaryBorder(88, 94, 122);
} // namespace

CBPQtPushBtn::CBPQtPushBtn(QWidget *parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

CBPQtPushBtn::CBPQtPushBtn(const QString &text, QWidget *parent) : CBPQtPushBtn(parent)
{
    setText(text);
}

void CBPQtPushBtn::setAsDefaultBtn(bool isDefault)
{
    setAutoDefault(isDefault);
    setDefault(isDefault);
    update();
}

QSize CBPQtPushBtn::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return QSize(qMax(80, textWidth + 32), 32);
}

QSize CBPQtPushBtn::minimumSizeHint() const
{
    return sizeHint();
}

void CBPQtPushBtn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const bool primary = isDefault();
    const bool enabled = isEnabled();
    const bool pressed = isDown();
    const bool hover = enabled && underMouse();

    QColor fill = primary ? (pressed ? kAccentPressed : hover ? kAccentHover : kAccent)
                          : (pressed ? kSecondaryPressed : hover ? kSecondaryHover : kSecondary);
    if (!enabled)
        fill = QColor(55, 59, 78);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(primary || !enabled ? Qt::NoPen : QPen(kSecondaryBorder, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 4, 4);

    QColor textColour = testAttribute(Qt::WA_SetPalette) ? palette().color(QPalette::WindowText)
                                                        : QColor(255, 255, 255);
    if (!enabled)
        textColour = QColor(255, 255, 255, 90);
    painter.setPen(textColour);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
