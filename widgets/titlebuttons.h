#pragma once
// Parts shared by both title bars.
#include <QPixmap>
#include <QString>

// The product logo at 16 x 16; empty when the image is missing.
inline QPixmap TitleLogo()
{
    const QPixmap logo(QStringLiteral("./Resources/titlebar_logo.png"));
    return logo.isNull() ? logo : logo.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The four-state border-image style sheet of a title-bar button.
inline QString TitleButtonSheet(const QString &stem)
{
    return QStringLiteral("QPushButton{border-image: url(./Resources/%1_normal.png);}"
                          "QPushButton:hover{border-image: url(./Resources/%1_hover.png);}"
                          "QPushButton:pressed{border-image: url(./Resources/%1_press.png);}"
                          "QPushButton:disabled{border-image: url(./Resources/%1_disable.png);}")
        .arg(stem);
}
