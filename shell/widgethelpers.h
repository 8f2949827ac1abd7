#pragma once
// Small helpers the dialogs and title bars use for fonts, text colours and state icons.
// A null widget makes each of them do nothing.
#include <QColor>
#include <QIcon>
#include <QStringList>

class QWidget;

// "Segoe UI" at `pixelSize` pixels, other attributes default.
void SetWidgetFont(QWidget *widget, int pixelSize);
// A palette whose WindowText is `colour`, other roles default.
void SetWidgetTextColor(QWidget *widget, const QColor &colour);
// Image i of `images` becomes the image of icon mode i (normal, disabled, active, selected),
// for both states, at its natural size.
QIcon MakeStateIcon(const QStringList &images);
// The icon's natural size, to be used as a button's icon size.
QSize StateIconSize(const QIcon &icon);
