#pragma once
// A clickable text link. It draws its text in the palette's WindowText colour (a light blue
// unless the owner sets one), underlined while the mouse is over it, and emits linkClicked
// with its text when clicked with the left button, or when Space or Enter is pressed while it
// has the focus (Tab reaches it; a click does not focus it).
#include <QLabel>

class CBPQtHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CBPQtHyperLink(QWidget *parent = nullptr);
    explicit CBPQtHyperLink(const QString &text, QWidget *parent = nullptr);

signals:
    void linkClicked(QString &text);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setUnderlined(bool on);
    bool m_pressed = false;
};
