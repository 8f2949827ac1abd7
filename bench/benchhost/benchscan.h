#pragma once
// The registry calls of one inventory scan (three uninstall roots, validation and reading of
// every entry), made directly inside the host: the baseline of the inventory benchmark. The
// benchmark's host answers kBenchScan with it.
#include "platform/registry.h"

#include <cstdint>

namespace pw {

// The benchmark host's own request: -> nanoseconds, calls.
constexpr uint32_t kBenchScan = 1000;

struct BenchScanResult {
    uint64_t nanoseconds = 0;
    uint32_t calls = 0;
};

BenchScanResult BenchUninstallScan(IRegistry &reg);

} // namespace pw
