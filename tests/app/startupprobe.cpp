// The program's own start-up, run as a separate process by tst_startupprocess. It reports on
// stdout what a user would see and answers the message boxes itself:
//   "message: <text>"         a message box was shown (its first button is then pressed)
//   "shown: <n>: <names>"     the main window is up with n programs in its list
//   "raised"                  a later instance brought this one's minimised window forward
// With the argument "stay" the first instance minimises its window once shown and ends when it
// is raised; otherwise it ends as soon as it is shown.
#include "shell/msgids.h"
#include "app/startup.h"
#include "shell/uipublic.h"
#include "libs/vdxqt/notifycentor.h"
#include "widgets/msgdlg.h"

#include <QApplication>
#include <QLabel>
#include <QTextStream>
#include <QTimer>

namespace {

void say(const QString &line)
{
    QTextStream out(stdout);
    out << line << '\n';
    out.flush();
}

class ShownReporter : public CBPMsgReceiver {
public:
    explicit ShownReporter(bool stay) : m_stay(stay) { RegisterMsg(MSG_MAINWIN_SHOWN); }
    int ReceiveMsg(const __MsgData &) override
    {
        QTimer::singleShot(0, [this] { report(); });
        return 0;
    }

private:
    void report()
    {
        QStringList names;
        const InstalledProgramList programs = CUIPublic::GetInstance()->GetPrograms();
        for (const InstalledProgram &p : programs)
            names << QString::fromLocal8Bit(p.DisplayName);
        say(QStringLiteral("shown: %1: %2").arg(programs.size()).arg(names.join(QStringLiteral(", "))));
        QWidget *window = CUIPublic::GetInstance()->GetMainWindow();
        if (!m_stay || !window) {
            QCoreApplication::exit(0);
            return;
        }
        window->setWindowState(Qt::WindowMinimized);
        auto *poll = new QTimer(window);
        QObject::connect(poll, &QTimer::timeout, window, [window] {
            if (!(window->windowState() & Qt::WindowMinimized) && window->isVisible()) {
                say(QStringLiteral("raised"));
                QCoreApplication::exit(0);
            }
        });
        poll->start(20);
    }
    bool m_stay;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    const bool stay = app.arguments().contains(QStringLiteral("stay"));
    ShownReporter reporter(stay);

    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<CMSGDlg *>(QApplication::activeModalWidget())) {
            say(QStringLiteral("message: ") + box->findChild<QLabel *>(QStringLiteral("msgText"))->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
            box->OKClicked();
        }
    });
    answer.start(20);
    return RunApplication(app);
}
