#pragma once
// The details of one program (name, version, install time, install path), shown at the
// cursor (or at a row, when asked from the keyboard) and hidden as soon as its window loses
// activation or a key is pressed; a key gives the activation back to the window that had it.
#include "widgets/basedialog.h"

#include <QPointer>

class QLabel;

class CDetailToolTip : public CBaseDialog {
    Q_OBJECT
public:
    explicit CDetailToolTip(QWidget *parent = nullptr);

    void SetDetails(const QString &name, const QString &version, const QString &installTime,
                    const QString &installPath);
    // Moves the top-left corner to `globalPos` and shows the tooltip.
    void ShowAt(const QPoint &globalPos);

    QLabel *nameValue() const { return m_values[0]; }
    QLabel *versionValue() const { return m_values[1]; }
    QLabel *installTimeValue() const { return m_values[2]; }
    QLabel *installPathValue() const { return m_values[3]; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_values[4] = {};
    QPointer<QWidget> m_returnTo; // the window active when it was shown
};
