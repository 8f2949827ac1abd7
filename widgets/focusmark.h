#pragma once
// The keyboard focus mark: a rounded outline in a light accent colour around the control that
// has the focus, shown while the user works the program with the keyboard and never after a
// mouse click.
//
// "With the keyboard" means: the focus came by Tab or Shift+Tab, or a key was pressed since the
// last mouse press (a dialog opened by a key shows the mark on its first control; one opened by
// a click does not). A mouse press or a focus given by the mouse hides the mark.
//
// One mark serves every window of the process. It is a small transparent widget laid over the
// focused control (a child of the control's parent, raised above it, letting every mouse event
// through), so no control needs a style rule of its own for it, and controls that paint
// themselves are marked too. Where the parent leaves no room around the control (a title-bar
// button flush with the bar's edges) the outline moves inside the control's edge.
//
// A control that marks its focus itself (the program list marks its current row) sets the
// property kOwnMarkProperty to true; it is then only flagged (HasKeyboardFocus) and repainted.
// A widget whose focus proxy is the focused control is marked instead of the control (the
// search box around its line edit).
#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

class CFocusMark : public QObject {
    Q_OBJECT
public:
    // The property a control sets when it draws its own focus mark.
    static constexpr const char *kOwnMarkProperty = "ownFocusMark";

    // Watches the application's events from now on; calling it again does nothing. Needs a
    // QApplication.
    static void Install();
    // The installed mark, or null.
    static CFocusMark *Instance();

    // Whether `widget` has the focus and the keyboard mark is on: for controls that draw their
    // own mark.
    static bool HasKeyboardFocus(const QWidget *widget);
    // The outline's colour and width, for controls that draw their own mark.
    static QColor Colour() { return QColor(143, 184, 255); }
    static constexpr int kWidth = 2;
    static constexpr int kRadius = 4;

    // The control the outline is drawn around now, or null when no outline is shown.
    QWidget *MarkedWidget() const;
    // The outline widget itself (for tests), or null.
    QWidget *MarkWidget() const;
    // Whether the mark is on (the user works with the keyboard).
    bool KeyboardMode() const { return m_keyboard; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CFocusMark();
    void SetKeyboardMode(bool on);
    // Puts the mark on the current focus widget, or takes it away.
    void Refresh();
    void Place();

    bool m_keyboard = false;
    bool m_refreshing = false;
    QPointer<QWidget> m_focus;  // the widget flagged with the keyboard focus
    QPointer<QWidget> m_target; // the widget the outline surrounds
    QPointer<QWidget> m_mark;
};
