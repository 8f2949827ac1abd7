#pragma once
// On Windows, a second instance finds the first by the native window class "Vendrix_SKUI".
// Qt names its own window classes, so the main window gets a companion: a hidden top-level
// window of that class which, when another process restores, shows or activates it, brings
// the main window forward instead. Elsewhere this does nothing (a second instance reaches the
// first through the desktop services).
#include <QPointer>
#include <QWidget>

class CNativeClassWindow {
public:
    static constexpr const wchar_t *kClassName = L"Vendrix_SKUI";

    explicit CNativeClassWindow(QWidget *mainWindow);
    ~CNativeClassWindow();
    CNativeClassWindow(const CNativeClassWindow &) = delete;
    CNativeClassWindow &operator=(const CNativeClassWindow &) = delete;

    // True when the native window exists (Windows only).
    bool IsCreated() const { return m_handle != nullptr; }

    // Restores the main window if minimised, shows it and brings it to the front.
    static void BringForward(QWidget *window);

private:
    QPointer<QWidget> m_mainWindow;
    void *m_handle = nullptr;
};
