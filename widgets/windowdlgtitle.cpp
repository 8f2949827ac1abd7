#include "widgets/windowdlgtitle.h"

#include "shell/msgids.h"
#include "shell/uipublic.h"
#include "widgets/titlebuttons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>

CWindowDlgTitle::CWindowDlgTitle(QWidget *parent) : CBPQtGroupBox(parent)
{
    setFixedHeight(32);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(5);
    layout->setContentsMargins(10, 0, 0, 0);

    m_logo = new QLabel(this);
    m_logo->setPixmap(TitleLogo());
    layout->addWidget(m_logo);

    m_title = new QLabel(tr("Vendrix Purgewell Pro"), this);
    m_title->setStyleSheet(QStringLiteral("font-family:Segoe UI;font-size:14px;color:rgb(216,216,216);"));
    layout->addWidget(m_title);

    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));

    m_closeBtn = new QPushButton(this);
    m_closeBtn->setObjectName(QStringLiteral("closeButton"));
    m_closeBtn->setFixedSize(40, 32);
    m_closeBtn->setStyleSheet(TitleButtonSheet(QStringLiteral("close")));
    // A Tab stop (the first of the dialog), never a dialog's default button: Enter presses
    // it only while it has the focus (keyPressEvent).
    m_closeBtn->setFocusPolicy(Qt::TabFocus);
    m_closeBtn->setAutoDefault(false);
    m_closeBtn->setAccessibleName(tr("Close"));
    m_closeBtn->setToolTip(tr("Close"));
    layout->addWidget(m_closeBtn, 0, Qt::AlignRight);
    connect(m_closeBtn, &QPushButton::clicked, this, &CWindowDlgTitle::OnBtnClicked);
}

void CWindowDlgTitle::SetWindow(QWidget *window)
{
    m_window = window;
}

void CWindowDlgTitle::HideContents()
{
    m_logo->hide();
    m_title->hide();
    m_closeBtn->hide();
}

void CWindowDlgTitle::SetCloseEnabled(bool enabled)
{
    m_closeBtn->setEnabled(enabled);
}

void CWindowDlgTitle::OnBtnClicked()
{
    if (!m_window)
        return;
    if (sender() == m_closeBtn)
        CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

void CWindowDlgTitle::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_closeBtn->hasFocus() && m_closeBtn->isEnabled()
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        m_closeBtn->click();
        return;
    }
    CBPQtGroupBox::keyPressEvent(event);
}

void CWindowDlgTitle::on_title_clicked()
{
    if (QWidget *main = CUIPublic::GetInstance()->GetMainWindow())
        main->hide();
}

void CWindowDlgTitle::mousePressEvent(QMouseEvent *event)
{
    if (m_window && (m_window->windowState() == Qt::WindowMaximized
                     || m_window->windowState() == Qt::WindowFullScreen))
        return;
    m_pressOffset = event->pos();
    m_pressed = true;
}

void CWindowDlgTitle::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
}

void CWindowDlgTitle::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton || !m_pressed || !m_window)
        return;
    m_window->move(m_window->pos() + (event->pos() - m_pressOffset));
}
