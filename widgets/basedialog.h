#pragma once
// The base of the product's dialogs: a CWinDlgFrm attached to the message bus, with the
// product icon.
//
// The conventions a concrete dialog follows: its constructor registers MSG_CLOSE_DLG
// (RegisterMsg), gives the dialog a fixed size (setFixedSize), and its ReceiveMsg closes the
// dialog when that message arrives; its window flags are set to
// Qt::Dialog | Qt::FramelessWindowHint before it is shown. The close button of any dialog's
// title bar sends MSG_CLOSE_DLG, so it closes every open dialog.
//
// The keyboard, the same in every dialog:
// - Tab and Shift+Tab go through the title bar's close button and then the content, in the
//   order the controls were made (top to bottom, left to right).
// - Escape takes the title bar's close path: it presses the close button when that is shown
//   and enabled, so a dialog ends exactly as it does by that button (MSG_CLOSE_DLG); while the
//   close button is disabled (the dialog must not be closed now) Escape does nothing. A dialog
//   that does not listen to MSG_CLOSE_DLG is rejected instead.
// - Enter presses the focused push button, else the dialog's default button; a dialog
//   without buttons of its own ends as by Escape.
// - A dialog opens with the focus on its default button when it has one.
#include "widgets/windlgfrm.h"

class QPushButton;

class CBaseDialog : public CWinDlgFrm {
    Q_OBJECT
public:
    explicit CBaseDialog(QWidget *parent = nullptr);

    int ReceiveMsg(const __MsgData &msg) override;
    void setVisible(bool visible) override;

protected:
    // A dialog that is activated while hidden shows itself again, unless it was closed or
    // hidden by the program: an activation that arrives late must not bring back a dialog
    // that has already been closed.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // Ends the dialog the way its title bar's close button does (see above); false when the
    // dialog cannot be closed now.
    bool CloseAsTitleBar();

private:
    // The dialog's own push buttons, the title bar's left out.
    QList<QPushButton *> ContentButtons() const;

    bool m_closed = false;
};
