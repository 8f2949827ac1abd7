// How much the leftover scan costs over walking the same tree as cheaply as the system allows.
// Generates an application-data tree of 100,000 files in 10,000 folders, then times, in the
// same run and on the same warm tree:
//  - the baseline: opendir/readdir with the entry type from readdir, no stat;
//  - the leftover scan of a program whose folder name occurs in the tree;
//  - for reference, a walk that lists each folder twice with QDir (files, then folders).
// Prints the medians and the ratio scan / baseline (aim: at most 1.5).
//
// Usage: bench_leftoverscan [rounds]
#include "libs/sharelog/sharelog.h"
#include "platform/fake/fakeplatform.h"
#include "leftovers/leftovercleaner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kTopFolders = 100;
constexpr int kSubFolders = 99;    // per top folder: 100 + 100 * 99 = 10,000 folders
constexpr int kFilesPerFolder = 10; // 10,000 * 10 = 100,000 files

const char kRoaming[] = "C:\\Users\\Ann\\AppData\\Roaming";

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

// Vendor folders with program folders inside; the first program folder of each vendor is
// named "Tool", the name the scan looks for.
bool generate(const QString &roaming)
{
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = roaming + QStringLiteral("/Vendor %1").arg(t, 3, 10, QLatin1Char('0'));
        for (int s = 0; s < kSubFolders; ++s) {
            const QString sub = top + QLatin1Char('/') + (s == 0 ? QStringLiteral("Tool") : QStringLiteral("Program %1").arg(s));
            if (!QDir().mkpath(sub))
                return false;
            for (int f = 0; f < kFilesPerFolder; ++f)
                if (!touch(sub + QStringLiteral("/file %1.dat").arg(f)))
                    return false;
        }
        for (int f = 0; f < kFilesPerFolder; ++f)
            if (!touch(top + QStringLiteral("/setting %1.ini").arg(f)))
                return false;
    }
    return true;
}

// The baseline: every entry's name and type from readdir, nothing else.
void walk(const std::string &folder, long *entries)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> subfolders;
    while (const dirent *d = ::readdir(dir)) {
        const char *n = d->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        ++*entries;
        if (d->d_type == DT_DIR)
            subfolders.push_back(folder + '/' + n);
    }
    ::closedir(dir);
    for (const std::string &s : subfolders)
        walk(s, entries);
}

// Two QDir listings per folder, files then folders.
void twoListings(const QString &folder, long *entries)
{
    QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden);
    *entries += files.size();
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    *entries += folders.size();
    for (const QString &name : folders)
        twoListings(folder + QLatin1Char('/') + name, entries);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    sharelog::SetLogFilePath(tmp.filePath(QStringLiteral("bench.log")));
    const QString drive = QDir(tmp.path()).canonicalPath() + QStringLiteral("/drive_c");
    pw::CFakePlatform platform;
    platform.folders.SetDrive('C', drive.toStdString());
    platform.folders.SetFolder(pw::kCsidlAppData, kRoaming);
    platform.folders.SetFolder(pw::kCsidlCommonPrograms, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
    platform.folders.SetFolder(pw::kCsidlCommonDesktop, "C:\\Users\\Public\\Desktop");
    const QString roaming = drive + QStringLiteral("/Users/Ann/AppData/Roaming");
    QDir().mkpath(drive + QStringLiteral("/ProgramData/Microsoft/Windows/Start Menu/Programs"));
    QDir().mkpath(drive + QStringLiteral("/Users/Public/Desktop"));

    std::printf("generating %d files in %d folders...\n", kTopFolders * (kSubFolders + 1) * kFilesPerFolder,
                kTopFolders * (kSubFolders + 1));
    std::fflush(stdout);
    if (!generate(roaming)) {
        std::fprintf(stderr, "could not generate the tree in %s\n", qPrintable(roaming));
        return 1;
    }

    InstalledProgram tool;
    qstrcpy(tool.DisplayName, "Zeta Tool Program");
    qstrcpy(tool.InstallLocation, "C:\\Apps\\Vendor\\Tool");
    qstrcpy(tool.UninstallString, "C:\\Apps\\Vendor\\Tool\\uninst.exe");

    long baselineEntries = 0, qtEntries = 0;
    int found = 0;
    CLeftoverCleaner cleaner;
    auto baseline = [&] { baselineEntries = 0; walk(QFile::encodeName(roaming).toStdString(), &baselineEntries); };
    auto scan = [&] { found = cleaner.ScanLeftovers(tool).Found.size(); };
    auto reference = [&] { qtEntries = 0; twoListings(roaming, &qtEntries); };

    // Warm the caches once, then alternate so that both see the same machine state.
    baseline();
    scan();
    reference();
    std::vector<double> b, s, q;
    for (int i = 0; i < rounds; ++i) {
        b.push_back(timeIt(baseline));
        s.push_back(timeIt(scan));
        q.push_back(timeIt(reference));
    }
    const double mb = median(b), ms = median(s), mq = median(q);
    std::printf("entries walked: %ld (readdir), %ld (QDir); leftovers found: %d\n", baselineEntries, qtEntries, found);
    std::printf("baseline readdir walk:      %8.1f ms\n", mb);
    std::printf("leftover scan:              %8.1f ms\n", ms);
    std::printf("two QDir listings a folder: %8.1f ms (reference)\n", mq);
    std::printf("ratio scan / baseline: %.2f (aim: at most 1.50)\n", ms / mb);
    return 0;
}
