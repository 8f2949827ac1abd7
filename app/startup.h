#pragma once
// Start-up, from an existing application object to the end of the event loop.
#include <QFontMetrics>
#include <QString>

#include <functional>
#include <string>

class QApplication;

// Installs "./QSS/SK.qss" (empty when it cannot be read) and the "Segoe UI" application font.
void ApplyLookAndFeel(QApplication &app);

// Chooses the platform backend without starting it, makes the single-instance check (so a
// second launch never starts Wine), shows the splash, and only then starts the backend (on
// Linux the Wine host, which may take long when Wine starts cold), then the main window. When
// no backend can be used the reason is shown in the message box and the result is 1.
int RunApplication(QApplication &app);

// The steps of RunApplication, in the order it takes them.
struct StartupSteps {
    std::function<void()> install;                 // the backend, not started
    std::function<bool()> firstInstance;           // false: another instance runs
    std::function<void()> showSplash;              // on screen before anything slow
    std::function<bool(std::string *error)> start; // the backend, with a message on failure
    std::function<int()> run;                      // main window and event loop
};
// Runs `steps`: a second instance shows "Vendrix Purgewell has been running!" and returns 0
// without starting the backend; a backend that cannot start gives the failure box and 1.
int RunStartup(const StartupSteps &steps);

// The single-instance check, the main window and the event loop, on the current backend.
// A second instance shows "Vendrix Purgewell has been running!" and returns 0.
int RunOnPlatform(QApplication &app);

// The failure message box for an error that stops start-up; returns the exit code, 1.
int ShowStartupError(const QString &text);

// Breaks `text` at blanks into lines no wider than `maxWidth` pixels in `metrics` (the message
// box does not wrap). A single word wider than that stays whole.
QString WrapText(const QString &text, const QFontMetrics &metrics, int maxWidth);
