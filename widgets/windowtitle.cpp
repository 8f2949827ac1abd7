#include "widgets/windowtitle.h"

#include "shell/msgids.h"
#include "shell/processexit.h"
#include "shell/uipublic.h"
#include "widgets/titlebuttons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>

namespace {
std::function<void(CWindowTitle *)> &menuHandler()
{
    static std::function<void(CWindowTitle *)> handler;
    return handler;
}

bool isMaximizedOrFullScreen(const QWidget *window)
{
    return window->windowState() == Qt::WindowMaximized || window->windowState() == Qt::WindowFullScreen;
}
} // namespace

CWindowTitle::CWindowTitle(QWidget *parent) : CBPQtGroupBox(parent)
{
    setFixedHeight(32);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(10, 0, 8, 0);

    m_logo = new QLabel(this);
    m_logo->setPixmap(TitleLogo());
    layout->addWidget(m_logo);
    layout->addItem(new QSpacerItem(10, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));

    m_title = new QLabel(tr("Vendrix Purgewell Pro"), this);
    m_title->setStyleSheet(QStringLiteral("font-family:Segoe UI;font-size:14px;color:#a3a4aa;"));
    layout->addWidget(m_title);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));

    m_menuBtn = makeButton(QStringLiteral("menu"));
    m_minBtn = makeButton(QStringLiteral("minimize"));
    m_maxBtn = makeButton(QStringLiteral("maximize"));
    m_restoreBtn = makeButton(QStringLiteral("restore"));
    m_closeBtn = makeButton(QStringLiteral("close"));
    for (QPushButton *button : {m_menuBtn, m_minBtn, m_maxBtn, m_restoreBtn, m_closeBtn})
        layout->addWidget(button);

    m_restoreBtn->hide();
    setContentsMargins(0, 0, 0, 0);
}

QPushButton *CWindowTitle::makeButton(const QString &stem)
{
    auto *button = new QPushButton(this);
    button->setObjectName(stem + QStringLiteral("Button"));
    button->setFixedSize(40, 32);
    // Tab reaches the buttons, a click does not move the focus onto them. Space or Enter
    // presses the focused one (keyPressEvent).
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    // The buttons show only an image: their names are for screen readers and the tooltip.
    const QString name = stem == QLatin1String("menu")       ? tr("Menu")
                         : stem == QLatin1String("minimize") ? tr("Minimize")
                         : stem == QLatin1String("maximize") ? tr("Maximize")
                         : stem == QLatin1String("restore")  ? tr("Restore")
                                                             : tr("Close");
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setStyleSheet(TitleButtonSheet(stem));
    connect(button, &QPushButton::clicked, this, &CWindowTitle::OnBtnClicked);
    return button;
}

void CWindowTitle::SetWindow(QWidget *window)
{
    m_window = window;
}

void CWindowTitle::SetMenuHandler(std::function<void(CWindowTitle *)> handler)
{
    menuHandler() = std::move(handler);
}

void CWindowTitle::SetMaximized(bool maximize)
{
    if (!m_window)
        return;
    // The button that takes the other's place takes its keyboard focus too.
    QPushButton *leaving = maximize ? m_maxBtn : m_restoreBtn;
    QPushButton *coming = maximize ? m_restoreBtn : m_maxBtn;
    const bool hadFocus = leaving->hasFocus();
    if (maximize) {
        m_window->setWindowState(Qt::WindowMaximized);
        m_maxBtn->hide();
        m_restoreBtn->show();
        m_restoreBtn->setEnabled(true);
    } else {
        m_window->setWindowState(Qt::WindowNoState);
        m_maxBtn->show();
        m_maxBtn->setEnabled(true);
        m_restoreBtn->hide();
    }
    if (hadFocus)
        coming->setFocus(Qt::TabFocusReason);
}

void CWindowTitle::OnBtnClicked()
{
    if (!m_window)
        return;
    QObject *button = sender();
    if (button == m_minBtn) {
        m_window->setWindowState(Qt::WindowMinimized);
    } else if (button == m_maxBtn) {
        SetMaximized(true);
    } else if (button == m_restoreBtn) {
        SetMaximized(false);
    } else if (button == m_closeBtn) {
        if (m_closeGuard && !m_closeGuard())
            return;
        CBPNotifyCentor::instance()->Send(MSG_APP_CLOSING, 0, nullptr, 0);
        ExitProcessNow(0);
    } else if (button == m_menuBtn) {
        if (menuHandler())
            menuHandler()(this);
    }
}

void CWindowTitle::keyPressEvent(QKeyEvent *event)
{
    // A focused button ignores Enter unless it is a dialog's default; here Enter presses it,
    // as Space does.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button && button->parentWidget() == this && button->isEnabled()
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        button->click();
        return;
    }
    CBPQtGroupBox::keyPressEvent(event);
}

void CWindowTitle::on_title_clicked()
{
    if (QWidget *main = CUIPublic::GetInstance()->GetMainWindow())
        main->hide();
}

void CWindowTitle::mousePressEvent(QMouseEvent *event)
{
    if (m_window && isMaximizedOrFullScreen(m_window))
        return;
    m_pressOffset = event->pos();
    m_pressed = true;
}

void CWindowTitle::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
}

void CWindowTitle::mouseDoubleClickEvent(QMouseEvent *)
{
    if (!m_maximizeAllowed || !m_window)
        return;
    SetMaximized(!isMaximizedOrFullScreen(m_window));
}

void CWindowTitle::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton || !m_pressed || !m_window)
        return;
    m_window->move(m_window->pos() + (event->pos() - m_pressOffset));
}
