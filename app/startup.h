#pragma once
// Start-up, from an existing application object to the end of the event loop.
#include <QFontMetrics>
#include <QString>

class QApplication;

// Installs "./QSS/SK.qss" (empty when it cannot be read) and the "Segoe UI" application font.
void ApplyLookAndFeel(QApplication &app);

// Chooses the platform backend, then runs RunOnPlatform. When no backend can be used the
// reason is shown in the message box and the result is 1.
int RunApplication(QApplication &app);

// The single-instance check, the main window and the event loop, on the current backend.
// A second instance shows "Vendrix Purgewell has been running!" and returns 0.
int RunOnPlatform(QApplication &app);

// The failure message box for an error that stops start-up; returns the exit code, 1.
int ShowStartupError(const QString &text);

// Breaks `text` at blanks into lines no wider than `maxWidth` pixels in `metrics` (the message
// box does not wrap). A single word wider than that stays whole.
QString WrapText(const QString &text, const QFontMetrics &metrics, int maxWidth);
