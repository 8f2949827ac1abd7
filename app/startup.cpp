#include "app/startup.h"

#include "app/mainwin.h"
#include "app/startdlg.h"
#include "shell/msgids.h"
#include "app/nativeclasswindow.h"
#include "shell/stylefile.h"
#include "shell/uipublic.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/default/defaultplatform.h"
#include "platform/platform.h"
#include "app/commonmenu.h"
#include "widgets/msgdlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPointer>

#include <memory>

void ApplyLookAndFeel(QApplication &app)
{
    app.setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/SK.qss")));
    // Where Segoe UI is missing (Wine has none), a sans-serif of the same build rather than
    // whatever the system substitutes, which under Wine is a serif.
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                               {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    QApplication::setFont(QFont(QStringLiteral("Segoe UI")));
}

QString WrapText(const QString &text, const QFontMetrics &metrics, int maxWidth)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + QLatin1Char(' ') + word) > maxWidth) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

int ShowStartupError(const QString &text)
{
    LogInfo("Start-up failed: %s", text.toLocal8Bit().constData());
    // The text's room in the box: its width less the indent, the icon and the gaps around them.
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(15);
    const QString wrapped = WrapText(text, QFontMetrics(font), 434 - 40 - 48 - 20 - 24);
    const int lines = wrapped.count(QLatin1Char('\n')) + 1;
    CMSGDlg box(434, qMax(240, 160 + 20 * lines));
    box.SetContent(CMSGDlg::IconFailed, wrapped, CMSGDlg::ButtonsOk);
    box.exec();
    return 1;
}

namespace {

int showAlreadyRunning()
{
    CMSGDlg box(434, 240);
    box.SetContent(CMSGDlg::IconWarning, QObject::tr("Vendrix Purgewell has been running!"), CMSGDlg::ButtonsOk);
    box.exec();
    return 0;
}

int runMainWindow(QApplication &app);

} // namespace

int RunStartup(const StartupSteps &steps)
{
    steps.install();
    if (!steps.firstInstance())
        return showAlreadyRunning();
    steps.showSplash();
    std::string error;
    if (!steps.start(&error))
        return ShowStartupError(QString::fromStdString(error));
    return steps.run();
}

int RunApplication(QApplication &app)
{
    ApplyLookAndFeel(app);
    // The early splash stays up, under the main window's own, until the main window closes
    // its splash (MSG_CLOSE_DLG closes every open dialog).
    std::unique_ptr<CStartDlg> splash;
    StartupSteps steps;
    steps.install = [] { pw::InstallDefaultPlatform(); };
    steps.firstInstance = [] {
        pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop;
        return !desktop || desktop->CheckSingleInstance();
    };
    steps.showSplash = [&splash] {
        splash = std::make_unique<CStartDlg>();
        splash->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        splash->BuildContent();
        splash->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    steps.start = [&splash](std::string *error) {
        const bool ok = pw::StartDefaultPlatform(error);
#ifndef _WIN32
        // The page's prefix chooser: every prefix of the machine, each run with its own Wine.
        WinePrefixHooks hooks;
        hooks.find = [] { return pw::FindWinePrefixes(QDir::homePath()); };
        hooks.switchTo = pw::SwitchDefaultPrefix;
        CUIPublic::GetInstance()->SetWinePrefixHooks(std::move(hooks));
#endif
        if (!ok && splash)
            splash->hide();
        return ok;
    };
    steps.run = [&app] { return runMainWindow(app); };
    return RunStartup(steps);
}

int RunOnPlatform(QApplication &app)
{
    pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop;
    if (desktop && !desktop->CheckSingleInstance())
        return showAlreadyRunning();
    return runMainWindow(app);
}

namespace {

int runMainWindow(QApplication &app)
{
    pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop;
    CCommonMenu::Install(); // the main title bar's menu button opens the option menu
    auto *window = new CMainWin;
    QPointer<CMainWin> guard(window);
    if (desktop)
        desktop->SetRaiseHandler([guard] { CNativeClassWindow::BringForward(guard); });
    window->winId();
    window->setWindowTitle(QStringLiteral("Vendrix Purgewell"));
    window->show();
    CUIPublic::GetInstance()->SetMainWindow(window);
    CNativeClassWindow classWindow(window);

    CBPNotifyCentor::instance()->Send(MSG_MAINWIN_SHOWN, 0, nullptr, 0);

    const int code = app.exec();
    if (desktop)
        desktop->SetRaiseHandler({});
    CUIPublic::GetInstance()->SetMainWindow(nullptr);
    delete window;
    return code;
}

} // namespace
