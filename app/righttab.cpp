#include "app/righttab.h"

#include "programs/enumprogrampage.h"
#include "shell/msgids.h"

#include <QIcon>
#include <QKeyEvent>
#include <QTabBar>

CRightTab::CRightTab(QWidget *parent) : CBPQtTabWidget(parent)
{
    tabBar()->hide();
    // With its tab bar hidden it is no stop of its own: Tab goes on into the page (a tab
    // widget hands its focus to the hidden bar, where Tab would stay).
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
    setDocumentMode(true);
    AddPage(PAGE_PROGRAMS, new CEnumProgramPage);
}

QWidget *CRightTab::AddPage(int pageId, QLayout *page)
{
    auto *host = new QWidget;
    host->setLayout(page);
    addTab(host, QIcon(), QString());
    m_pages.insert(pageId, host);
    return host;
}

int CRightTab::CurrentPageId() const
{
    QWidget *current = currentWidget();
    for (auto it = m_pages.constBegin(); it != m_pages.constEnd(); ++it)
        if (current && it.value() == current)
            return it.key();
    return PAGE_NONE;
}

void CRightTab::keyPressEvent(QKeyEvent *event)
{
    // Never QTabWidget's own handling: it would switch pages on Ctrl+Tab or Ctrl+PageDown.
    event->ignore();
}
