#include "widgets/searchedit.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

CSearchEdit::CSearchEdit() : m_box(QStringLiteral("./Resources/searchbox.png"))
{
    setFixedSize(200, 32);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->setSpacing(0);

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral("./Resources/icon_search.png")).pixmap(16, 16, QIcon::Normal, QIcon::On));
    layout->addWidget(icon);

    m_edit = new QLineEdit(this);
    m_edit->setFrame(false);
    m_edit->setStyleSheet(QStringLiteral("background-color:rgb(60,64,84);color:rgb(255,255,255);font-size: 14px;"));
    layout->addWidget(m_edit);
    // The box takes the focus for its line edit, so Tab reaches the search.
    setFocusProxy(m_edit);
    m_edit->setAccessibleName(tr("Search"));
    m_edit->setToolTip(tr("Search programs by name"));
    icon->setAccessibleName(tr("Search"));
}

void CSearchEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.drawPixmap(0, 0, m_box);
}
