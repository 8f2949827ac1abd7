#pragma once
// The 32-pixel title bar of every framed dialog: logo, product title and a close button.
// Dragging it moves the dialog. Its close button sends MSG_CLOSE_DLG, which closes every
// open dialog, not only its own; it is the dialog's first Tab stop, and Space or Enter presses
// it while it has the focus.
#include "libs/vdxqt/bpqtgroupbox.h"
#include "libs/vdxqt/notifycentor.h"

#include <QPoint>

class QLabel;
class QPushButton;

class CWindowDlgTitle : public CBPQtGroupBox, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CWindowDlgTitle(QWidget *parent = nullptr);

    // The window this bar moves; set once by the owning frame.
    void SetWindow(QWidget *window);
    QWidget *GetWindow() const { return m_window; }
    // Leaves an empty 32-pixel band (tooltips, the blur overlay).
    void HideContents();
    void SetCloseEnabled(bool enabled);
    QPushButton *closeButton() const { return m_closeBtn; }

public slots:
    void OnBtnClicked();
    // Hides the main window; nothing in the product connects to it.
    void on_title_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QWidget *m_window = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_closeBtn = nullptr;
    bool m_pressed = false;
    QPoint m_pressOffset;
};
