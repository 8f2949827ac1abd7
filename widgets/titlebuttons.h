#pragma once
// The four-state border-image style sheet of a title-bar button.
#include <QString>

inline QString TitleButtonSheet(const QString &stem)
{
    return QStringLiteral("QPushButton{border-image: url(./Resources/%1_normal.png);}"
                          "QPushButton:hover{border-image: url(./Resources/%1_hover.png);}"
                          "QPushButton:pressed{border-image: url(./Resources/%1_press.png);}"
                          "QPushButton:disabled{border-image: url(./Resources/%1_disable.png);}")
        .arg(stem);
}
