#pragma once
// Acts on a modal dialog from inside the event loop that runs it: polls until the
// application's active modal widget is a T, then runs the step and returns, so the dialog's
// own exec() can go on. A chain of dialogs is a chain of steps.
#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <functional>

template <class T>
void WhenModal(std::function<void(T *)> step, std::function<void()> giveUp)
{
    auto *timer = new QTimer;
    timer->setInterval(2);
    const QDeadlineTimer deadline(15000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, step, giveUp] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(dialog);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            giveUp();
        }
    });
    timer->start();
}
