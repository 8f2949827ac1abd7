#pragma once
// Ending the process at once (the main title bar's close button, the quit message). No
// window is cleaned up and no further event is processed. Tests replace the handler.
#include <functional>

void ExitProcessNow(int code);
// Installs `handler` in place of the real exit; an empty handler restores it. Returns the
// previous handler.
std::function<void(int)> SetExitProcessHandler(std::function<void(int)> handler);
