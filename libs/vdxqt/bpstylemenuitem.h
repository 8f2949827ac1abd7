#pragma once
// One entry of a styled menu, used as the default widget of a QWidgetAction: a label on the
// left, an optional second text on the right, and a highlight while the mouse is over it.
// It leaves mouse presses and releases to the menu, so the menu triggers the action and
// closes as it does for a plain action. The text uses the action's font when one is set.
#include <QWidget>

class QAction;

class CBPStyleMenuItem : public QWidget {
    Q_OBJECT
public:
    explicit CBPStyleMenuItem(const QString &text, const QString &secondText = QString(),
                              QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QString secondText() const { return m_secondText; }
    void setText(const QString &text);
    void setSecondText(const QString &text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QAction *ownAction() const;
    QFont textFont() const;

    QString m_text;
    QString m_secondText;
};
