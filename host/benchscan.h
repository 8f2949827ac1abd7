#pragma once
// The registry calls of one inventory scan (three uninstall roots, validation and reading of
// every entry), made directly inside the host: the baseline of the inventory benchmark.
#include "platform/registry.h"

#include <cstdint>

namespace pw {

struct BenchScanResult {
    uint64_t nanoseconds = 0;
    uint32_t calls = 0;
};

BenchScanResult BenchUninstallScan(IRegistry &reg);

} // namespace pw
