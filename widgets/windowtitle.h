#pragma once
// The main window's 32-pixel title bar: logo, product title, and the menu, minimise,
// maximise, restore and close buttons (Tab stops, in that order; Space or Enter presses the
// focused one). Dragging it moves the window (not while maximised or
// full screen); a double-click toggles maximised. The close button sends MSG_APP_CLOSING and
// ends the process at once with exit code 0, unless the window's close guard says no.
#include "libs/vdxqt/bpqtgroupbox.h"
#include "libs/vdxqt/notifycentor.h"

#include <QPoint>

#include <functional>

class QLabel;
class QPushButton;

class CWindowTitle : public CBPQtGroupBox, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CWindowTitle(QWidget *parent = nullptr);

    void SetWindow(QWidget *window);
    QWidget *GetWindow() const { return m_window; }
    // Maximises or restores the window and swaps the maximise and restore buttons.
    void SetMaximized(bool maximize);
    void SetMaximizeAllowed(bool allowed) { m_maximizeAllowed = allowed; }

    // What the menu button runs: the option menu, installed by whoever provides it. The
    // handler gets the title bar as the menu's owner. Without one the button does nothing.
    static void SetMenuHandler(std::function<void(CWindowTitle *)> handler);

    // Asked before the close button ends the process; false keeps everything running. The
    // window sets it (it may ask the user). Without one the button ends the process at once.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    QPushButton *menuButton() const { return m_menuBtn; }
    QPushButton *minimizeButton() const { return m_minBtn; }
    QPushButton *maximizeButton() const { return m_maxBtn; }
    QPushButton *restoreButton() const { return m_restoreBtn; }
    QPushButton *closeButton() const { return m_closeBtn; }

public slots:
    void OnBtnClicked();
    // Hides the main window; nothing in the product connects to it.
    void on_title_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPushButton *makeButton(const QString &stem);

    QWidget *m_window = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_menuBtn = nullptr;
    QPushButton *m_minBtn = nullptr;
    QPushButton *m_maxBtn = nullptr;
    QPushButton *m_restoreBtn = nullptr;
    QPushButton *m_closeBtn = nullptr;
    bool m_pressed = false;
    QPoint m_pressOffset;
    bool m_maximizeAllowed = true;
    std::function<bool()> m_closeGuard;
};
