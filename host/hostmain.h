#pragma once
// The life of a host process: takes its pipes from the standard handles, points those at NUL
// and serves until the client goes. Shared by
// purgewell-host.exe and the programs built on it.
#include "host/hostserver.h"

namespace pw {

int RunHost(CHostServer::ExtraRequests extra = {});

} // namespace pw
