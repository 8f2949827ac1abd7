#include "libs/vdxqt/bpqtgroupbox.h"

CBPQtGroupBox::CBPQtGroupBox(QWidget *parent) : QGroupBox(parent)
{
    setFlat(true);
}

void CBPQtGroupBox::paintEvent(QPaintEvent *)
{
}
