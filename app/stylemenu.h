#pragma once
// The option menu: a flat dark panel that only the mouse drives (keys do nothing; a click
// outside closes it).
#include <QMenu>

class CMenuStyle;

class CStyleMenu : public QMenu {
    Q_OBJECT
public:
    explicit CStyleMenu(QWidget *parent = nullptr);
    ~CStyleMenu() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    CMenuStyle *m_style;
};
