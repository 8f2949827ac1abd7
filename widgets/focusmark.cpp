#include "widgets/focusmark.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

CFocusMark *g_instance = nullptr;

// Room the outline takes outside the control's edge: a 1-pixel gap and the line itself.
constexpr int kOutside = 1 + CFocusMark::kWidth;

// The outline widget: transparent, deaf to the mouse, painting one rounded ring.
class CFocusRing : public QWidget {
public:
    explicit CFocusRing(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }
    // The ring's centre line, in this widget's coordinates.
    void SetRing(const QRectF &ring)
    {
        m_ring = ring;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(CFocusMark::Colour(), CFocusMark::kWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(m_ring, CFocusMark::kRadius, CFocusMark::kRadius);
    }

private:
    QRectF m_ring;
};

bool IsKeyboardReason(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

void Repaint(QWidget *widget)
{
    if (!widget)
        return;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->viewport()->update();
    widget->update();
}

bool DrawsOwnMark(const QWidget *widget)
{
    return widget && widget->property(CFocusMark::kOwnMarkProperty).toBool();
}

} // namespace

CFocusMark::CFocusMark() : QObject(qApp) {}

void CFocusMark::Install()
{
    if (g_instance || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    g_instance = new CFocusMark;
    qApp->installEventFilter(g_instance);
    QObject::connect(g_instance, &QObject::destroyed, [] { g_instance = nullptr; });
}

CFocusMark *CFocusMark::Instance()
{
    return g_instance;
}

bool CFocusMark::HasKeyboardFocus(const QWidget *widget)
{
    return g_instance && widget && g_instance->m_keyboard && g_instance->m_focus == widget && widget->hasFocus();
}

QWidget *CFocusMark::MarkedWidget() const
{
    return m_mark && m_mark->isVisible() ? m_target.data() : nullptr;
}

QWidget *CFocusMark::MarkWidget() const
{
    return m_mark;
}

void CFocusMark::SetKeyboardMode(bool on)
{
    if (m_keyboard == on)
        return;
    m_keyboard = on;
    Refresh();
}

void CFocusMark::Refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    QWidget *focus = QApplication::focusWidget();
    const Qt::WindowType kind = focus ? focus->window()->windowType() : Qt::Widget;
    // Popups (menus, a combo box's list) show their current item themselves.
    if (focus && (kind == Qt::Popup || kind == Qt::ToolTip || !focus->isVisible()))
        focus = nullptr;
    if (!m_keyboard)
        focus = nullptr;

    if (focus != m_focus) {
        QWidget *previous = m_focus;
        m_focus = focus;
        if (DrawsOwnMark(previous))
            Repaint(previous);
    }

    // A box that hands its focus to an inner control is marked as a whole.
    QWidget *target = focus;
    while (target && !target->isWindow() && target->parentWidget() && target->parentWidget()->focusProxy() == target)
        target = target->parentWidget();

    if (target && DrawsOwnMark(target)) {
        Repaint(target);
        target = nullptr;
    }
    if (target && (target->isWindow() || !target->parentWidget()))
        target = nullptr;

    m_target = target;
    if (!target) {
        if (m_mark)
            m_mark->hide();
    } else {
        QWidget *parent = target->parentWidget();
        if (!m_mark)
            m_mark = new CFocusRing(parent);
        else if (m_mark->parentWidget() != parent)
            m_mark->setParent(parent);
        Place();
        m_mark->show();
        m_mark->raise();
    }
    m_refreshing = false;
}

void CFocusMark::Place()
{
    if (!m_mark || !m_target || !m_target->parentWidget())
        return;
    const QRect control = m_target->geometry();
    const QRect room = m_target->parentWidget()->rect();
    const QRect area = control.adjusted(-kOutside, -kOutside, kOutside, kOutside) & room;
    m_mark->setGeometry(area);
    // The ring's centre line lies 1 + half the line outside the control; where the parent ends
    // sooner it moves in so that the whole line stays visible.
    const qreal half = kWidth / 2.0;
    QRectF ring = QRectF(control).adjusted(-1 - half, -1 - half, 1 + half, 1 + half);
    const QRectF inner = QRectF(area).adjusted(half, half, -half, -half);
    ring = ring & inner;
    static_cast<CFocusRing *>(m_mark.data())->SetRing(ring.translated(-area.topLeft()));
}

bool CFocusMark::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        SetKeyboardMode(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        SetKeyboardMode(false);
        break;
    case QEvent::FocusIn:
        if (watched->isWidgetType()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            // A window that takes the focus itself (a dialog without a control that can have
            // it, as it opens) is no move between controls.
            if (IsKeyboardReason(reason) && !static_cast<QWidget *>(watched)->isWindow())
                m_keyboard = true;
            else if (reason == Qt::MouseFocusReason)
                m_keyboard = false;
            Refresh();
        }
        break;
    case QEvent::FocusOut:
        if (watched == m_focus)
            Refresh();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == m_target)
            Place();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        if (watched == m_target || watched == m_focus)
            Refresh();
        break;
    default:
        break;
    }
    return false;
}
