#pragma once
// The translucent overlay that covers the main window while a modal dialog blocks it
// (Windows 10 and later only): a rounded rectangle at 70 % opacity with the desktop's blur
// behind it. Elsewhere it stays an empty painted rectangle and is never shown by the main
// window.
#include "widgets/aeroglasshelper.h"
#include "widgets/basedialog.h"

class CBlurDlg : public CBaseDialog {
    Q_OBJECT
public:
    explicit CBlurDlg(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    CAeroGlassHelper m_glass;
};
