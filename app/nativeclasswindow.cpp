#include "app/nativeclasswindow.h"

#include <QMetaObject>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

const UINT kBringForward = WM_APP + 0x51;

LRESULT CALLBACK classWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *owner = reinterpret_cast<QPointer<QWidget> *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_WINDOWPOSCHANGING: {
        // Another process asked this window to show itself: stay hidden, raise the main one.
        auto *pos = reinterpret_cast<WINDOWPOS *>(lParam);
        if (pos->flags & SWP_SHOWWINDOW) {
            pos->flags &= ~SWP_SHOWWINDOW;
            PostMessageW(hwnd, kBringForward, 0, 0);
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageW(hwnd, kBringForward, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            PostMessageW(hwnd, kBringForward, 0, 0);
            return 0;
        }
        break;
    default:
        if (message == kBringForward && owner && *owner) {
            QWidget *window = *owner;
            CNativeClassWindow::BringForward(window);
            SetForegroundWindow(reinterpret_cast<HWND>(window->winId()));
            return 0;
        }
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

CNativeClassWindow::CNativeClassWindow(QWidget *mainWindow) : m_mainWindow(mainWindow)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = classWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return;
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd)
        return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_mainWindow));
    m_handle = hwnd;
}

CNativeClassWindow::~CNativeClassWindow()
{
    if (m_handle) {
        SetWindowLongPtrW(static_cast<HWND>(m_handle), GWLP_USERDATA, 0);
        DestroyWindow(static_cast<HWND>(m_handle));
    }
}

#else

CNativeClassWindow::CNativeClassWindow(QWidget *mainWindow) : m_mainWindow(mainWindow) {}

CNativeClassWindow::~CNativeClassWindow() = default;

#endif

void CNativeClassWindow::BringForward(QWidget *window)
{
    if (!window)
        return;
    if (window->windowState() & Qt::WindowMinimized)
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
