#include "widgets/basedialog.h"

#include "widgets/focusmark.h"
#include "widgets/windowdlgtitle.h"

#include <QEvent>
#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

CBaseDialog::CBaseDialog(QWidget *parent) : CWinDlgFrm(parent, Qt::WindowFlags())
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    setWindowIcon(QIcon(QStringLiteral("./Resources/Logo.ico")));
    CFocusMark::Install();
}

int CBaseDialog::ReceiveMsg(const __MsgData &)
{
    return 0;
}

bool CBaseDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !isVisible() && !m_closed)
        show();
    return QWidget::event(event);
}

void CBaseDialog::showEvent(QShowEvent *event)
{
    m_closed = false;
    QDialog::showEvent(event);
}

void CBaseDialog::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_closed = true;
    QDialog::hideEvent(event);
}

void CBaseDialog::setVisible(bool visible)
{
    CWinDlgFrm::setVisible(visible);
    if (!visible || focusWidget())
        return;
    // QDialog has chosen the default button by now (the first push button when none was
    // made default). It takes the focus rather than the title bar's close button, which
    // comes first in the Tab order.
    for (QPushButton *button : ContentButtons()) {
        if (button->isDefault() && button->isVisibleTo(this) && button->isEnabled()
            && button->focusPolicy() != Qt::NoFocus) {
            button->setFocus(Qt::ActiveWindowFocusReason);
            break;
        }
    }
}

QList<QPushButton *> CBaseDialog::ContentButtons() const
{
    QList<QPushButton *> buttons = findChildren<QPushButton *>();
    if (titleBar)
        for (QPushButton *own : titleBar->findChildren<QPushButton *>())
            buttons.removeAll(own);
    return buttons;
}

bool CBaseDialog::CloseAsTitleBar()
{
    QPushButton *close = titleBar ? titleBar->closeButton() : nullptr;
    if (!close || !close->isVisibleTo(this) || !close->isEnabled())
        return false;
    QPointer<CBaseDialog> self(this);
    close->click(); // MSG_CLOSE_DLG, delivered at once on this thread
    if (self && isVisible())
        reject(); // the dialog does not listen to the message
    return true;
}

void CBaseDialog::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        CWinDlgFrm::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        CloseAsTitleBar();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        const QList<QPushButton *> buttons = ContentButtons();
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        if (focused && focused->isEnabled() && (buttons.contains(focused) || (titleBar && focused == titleBar->closeButton()))) {
            focused->click();
            return;
        }
        bool anyButton = false;
        for (QPushButton *button : buttons) {
            if (!button->isVisibleTo(this))
                continue;
            anyButton = true;
            if (button->isDefault()) {
                if (button->isEnabled())
                    button->click();
                return;
            }
        }
        if (!anyButton)
            CloseAsTitleBar();
        return;
    }
    default:
        CWinDlgFrm::keyPressEvent(event);
        return;
    }
}
