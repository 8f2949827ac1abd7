// How much the trip through the host costs the inventory scan: CAppEnum::EnumPrograms over
// 1,000 uninstall entries in a throwaway Wine prefix, against a bare loop of the same registry
// calls made inside the host (the same entries, the same run). Prints both medians and their
// ratio. Usage: bench_appenum [entries] [runs]
#include "bench/benchhost/benchscan.h"
#include "platform/hostprotocol/hostprotocol.h"
#include "inventory/appenum.h"
#include "inventory/uninstallkey.h"
#include "platform/wine/wineplatform.h"
#include "support/wineprefix.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace pw;

namespace {


void setText(IRegistry &reg, RegKey key, const char *name, const std::string &text)
{
    reg.SetValue(key, name, kRegSz, reinterpret_cast<const uint8_t *>(text.c_str()), uint32_t(text.size() + 1));
}

// Entries like real installers write them.
bool writeEntries(IRegistry &reg, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::string name = "Bench Program " + std::to_string(i);
        const std::string folder = "C:\\Program Files\\Bench Vendor\\" + name;
        RegKey key = 0;
        if (reg.CreateKey(RootKey(RegRoot::LocalMachine), std::string(kUninstallKeyPath) + "\\{BENCH-" + std::to_string(i) + "}",
                          kKeyAllAccess | kKeyWow64_64Key, &key) != kErrorSuccess)
            return false;
        setText(reg, key, "DisplayName", name);
        setText(reg, key, "Publisher", "Bench Vendor");
        setText(reg, key, "DisplayVersion", "1.2." + std::to_string(i));
        setText(reg, key, "InstallLocation", folder);
        setText(reg, key, "DisplayIcon", folder + "\\app.exe,0");
        setText(reg, key, "UninstallString", "\"" + folder + "\\uninstall.exe\"");
        setText(reg, key, "URLInfoAbout", "https://example.org/" + std::to_string(i));
        const uint32_t size = 1000 + uint32_t(i);
        reg.SetValue(key, "EstimatedSize", kRegDword, reinterpret_cast<const uint8_t *>(&size), 4);
        reg.CloseKey(key);
    }
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int entries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    CTestWinePrefix prefix;
    QString error;
    if (!prefix.Create(&error)) {
        out << "Could not create a Wine prefix: " << error << '\n';
        return 1;
    }
    CWineHost::Options options = prefix.HostOptions();
    options.hostExe = PURGEWELL_BENCH_HOST_EXE; // the host with the baseline's request
    CWinePlatform platform(options);
    if (!writeEntries(platform.registry, entries)) {
        out << "Could not write the entries: " << QString::fromStdString(platform.host.LastError()) << '\n';
        return 1;
    }

    CAppEnum inventory(&platform.registry, &platform.system);
    std::vector<double> scans, loops;
    uint32_t calls = 0;
    int listed = 0;
    for (int run = 0; run <= runs; ++run) { // run 0 warms up both
        QElapsedTimer timer;
        timer.start();
        inventory.EnumPrograms();
        const double scan = double(timer.nsecsElapsed()) / 1e6;
        listed = inventory.GetPrograms().size();

        std::string reply;
        if (platform.host.Call(kBenchScan, hostproto::Writer(), &reply) != kErrorSuccess) {
            out << "The host did not answer: " << QString::fromStdString(platform.host.LastError()) << '\n';
            return 1;
        }
        hostproto::Reader r(reply);
        const double loop = double(r.U64()) / 1e6;
        calls = r.U32();
        if (run > 0) {
            scans.push_back(scan);
            loops.push_back(loop);
        }
    }
    const double scan = median(scans), loop = median(loops);
    out << "uninstall entries:                 " << entries << " (" << listed << " listed)\n";
    out << "CAppEnum::EnumPrograms via host:   " << QString::number(scan, 'f', 1) << " ms (median of " << runs
        << ")\n";
    out << "same registry calls inside host:   " << QString::number(loop, 'f', 1) << " ms (" << calls
        << " calls)\n";
    out << "ratio:                             " << QString::number(scan / loop, 'f', 2) << '\n';
    return listed == entries ? 0 : 1;
}
