#include "shell/widgethelpers.h"

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

void SetWidgetFont(QWidget *widget, int pixelSize)
{
    if (!widget)
        return;
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

void SetWidgetTextColor(QWidget *widget, const QColor &colour)
{
    if (!widget)
        return;
    QPalette palette;
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QIcon MakeStateIcon(const QStringList &images)
{
    QIcon icon;
    const int modes = qMin(images.size(), 4);
    for (int i = 0; i < modes; ++i) {
        const QPixmap pixmap(images.at(i));
        const auto mode = static_cast<QIcon::Mode>(i);
        icon.addPixmap(pixmap, mode, QIcon::Off);
        icon.addPixmap(pixmap, mode, QIcon::On);
    }
    return icon;
}

QSize StateIconSize(const QIcon &icon)
{
    return icon.actualSize(QSize(65535, 65535), QIcon::Normal, QIcon::Off);
}
