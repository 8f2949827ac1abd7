#include "app/menustyle.h"

int CMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == QStyle::PM_MenuPanelWidth)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
