#include "platform/platform.h"

namespace pw {

namespace {
Platform g_platform;
}

Platform &CurrentPlatform() { return g_platform; }

void SetCurrentPlatform(const Platform &platform) { g_platform = platform; }

} // namespace pw
