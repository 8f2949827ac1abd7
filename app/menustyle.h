#pragma once
// The option menu's style: the application style without a menu frame.
#include <QProxyStyle>

class CMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    CMenuStyle() = default;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
