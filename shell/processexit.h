#pragma once
// Ending the process at once (the main title bar's close button, the quit message), through the
// platform: no window is cleaned up and no further event is processed. With the fake platform
// the exit is only recorded.
void ExitProcessNow(int code);
