#include "app/processexit.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void(int)> g_handler;
}

void ExitProcessNow(int code)
{
    if (g_handler) {
        g_handler(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

std::function<void(int)> SetExitProcessHandler(std::function<void(int)> handler)
{
    std::function<void(int)> previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}
