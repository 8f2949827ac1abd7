// purgewell-benchhost.exe: purgewell-host.exe with one request more, kBenchScan, which makes the
// inventory scan's registry calls inside the host and says how long they took. Built for
// bench_appenum only; never shipped.
#include "bench/benchhost/benchscan.h"
#include "host/hostmain.h"

int main()
{
    return pw::RunHost([](uint32_t op, pw::hostproto::Reader &, pw::hostproto::Writer &reply,
                          pw::CWin32Platform &platform) {
        if (op != pw::kBenchScan)
            return false;
        const pw::BenchScanResult result = pw::BenchUninstallScan(platform.registry);
        reply.U64(result.nanoseconds);
        reply.U32(result.calls);
        return true;
    });
}
