#pragma once
// The page container's tab widget: one page visible at a time, no tab bar, and no keyboard
// page switching (Ctrl+Tab and the like are left to the parent).
#include "libs/vdxqt/bpqttabwidget.h"

#include <QMap>

class QLayout;

class CRightTab : public CBPQtTabWidget {
    Q_OBJECT
public:
    // Creates the program list page, id 0.
    explicit CRightTab(QWidget *parent = nullptr);

    // Hosts `page` in a new tab widget entered under `pageId`.
    QWidget *AddPage(int pageId, QLayout *page);
    const QMap<int, QWidget *> &Pages() const { return m_pages; }
    // The id whose host is the current widget, or 3 (no page).
    int CurrentPageId() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QMap<int, QWidget *> m_pages;
};
