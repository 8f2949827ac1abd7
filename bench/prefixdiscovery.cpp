// Prefix discovery over a home folder with 50 prefixes in every manager's layout, against a
// plain recursive listing of the same home (QDirIterator) in the same run.
//   bench_prefixdiscovery [runs]
#include "platform/wine/wineprefixes.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

// A prefix with the folders and a few files that Wine puts there.
void makePrefix(const QString &path)
{
    for (const char *rel : {"/drive_c/windows/system32", "/drive_c/windows/syswow64", "/drive_c/Program Files/Common Files",
                            "/drive_c/users/user/AppData/Roaming", "/dosdevices"})
        QDir().mkpath(path + QLatin1String(rel));
    for (int i = 0; i < 20; ++i)
        write(path + QStringLiteral("/drive_c/windows/system32/lib%1.dll").arg(i), "MZ");
    write(path + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n");
    write(path + QStringLiteral("/user.reg"), "WINE REGISTRY Version 2\n");
}

void makeWine(const QString &path)
{
    write(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

void buildHome(const QString &h)
{
    makePrefix(h + "/.wine");
    for (int i = 0; i < 4; ++i)
        makePrefix(h + QStringLiteral("/.local/share/wineprefixes/p%1").arg(i));
    const QString bottles = h + "/.local/share/bottles";
    makeWine(bottles + "/runners/soda-7.0-9/bin/wine");
    for (int i = 0; i < 8; ++i) {
        const QString b = bottles + QStringLiteral("/bottles/Bottle%1").arg(i);
        makePrefix(b);
        write(b + "/bottle.yml", QStringLiteral("Name: Bottle %1\nRunner: soda-7.0-9\nArch: win64\n").arg(i).toUtf8());
    }
    const QString flat = h + "/.var/app/com.usebottles.bottles/data/bottles";
    for (int i = 0; i < 4; ++i) {
        const QString b = flat + QStringLiteral("/bottles/Flat%1").arg(i);
        makePrefix(b);
        write(b + "/bottle.yml", QStringLiteral("Name: Flat %1\nRunner: sys-wine-9.0\n").arg(i).toUtf8());
    }
    makeWine(h + "/.local/share/lutris/runners/wine/lutris-7.2-2-x86_64/bin/wine");
    for (int i = 0; i < 8; ++i) {
        const QString prefix = h + QStringLiteral("/Games/game-%1").arg(i);
        makePrefix(prefix);
        write(h + QStringLiteral("/.config/lutris/games/game-%1-1700000000.yml").arg(i),
              QStringLiteral("game:\n  exe: %1/drive_c/game.exe\n  prefix: %1\nwine:\n  version: lutris-7.2-2-x86_64\n")
                  .arg(prefix)
                  .toUtf8());
    }
    for (int i = 0; i < 2; ++i)
        makePrefix(h + QStringLiteral("/Games/loose-%1").arg(i));
    const QString steam = h + "/.local/share/Steam";
    write(steam + "/steamapps/libraryfolders.vdf",
          QStringLiteral("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t}\n}\n")
              .arg(steam, h + "/SteamLibrary")
              .toUtf8());
    makeWine(steam + "/steamapps/common/Proton 8.0/files/bin/wine");
    write(steam + "/steamapps/common/Proton 8.0/version", "1696854200 proton-8.0-4\n");
    for (int i = 0; i < 12; ++i) {
        const QString lib = i % 2 ? steam : h + "/SteamLibrary";
        const QString id = QString::number(1000 + i);
        makePrefix(lib + "/steamapps/compatdata/" + id + "/pfx");
        write(lib + "/steamapps/compatdata/" + id + "/version", "8.0-104\n");
        write(lib + "/steamapps/appmanifest_" + id + ".acf",
              QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"%1\"\n\t\"name\"\t\t\"Game %1\"\n}\n").arg(id).toUtf8());
    }
    for (int i = 0; i < 6; ++i) {
        const QString p = h + QStringLiteral("/.PlayOnLinux/wineprefix/App%1").arg(i);
        makePrefix(p);
        write(p + "/playonlinux.cfg", "ARCH=x86\nVERSION=4.0\n");
    }
    for (int i = 0; i < 5; ++i)
        makePrefix(h + QStringLiteral("/Games/Heroic/Prefixes/default/Epic%1/pfx").arg(i));
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    qunsetenv("WINEPREFIX");
    qunsetenv("XDG_DATA_HOME");
    QTemporaryDir dir;
    const QString home = QFileInfo(dir.path()).canonicalFilePath();
    buildHome(home);

    int found = 0;
    qint64 listed = 0;
    std::vector<double> discovery, listing;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        found = pw::FindWinePrefixes(home).size();
        discovery.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        listed = 0;
        QDirIterator it(home, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++listed;
        }
        listing.push_back(t.nsecsElapsed() / 1e6);
    }
    const double d = median(discovery), l = median(listing);
    std::printf("prefixes found: %d (home of %lld entries), median of %d runs\n", found, static_cast<long long>(listed), runs);
    std::printf("FindWinePrefixes:          %8.2f ms  (aim <= 50 ms: %s)\n", d, d <= 50 ? "met" : "NOT met");
    std::printf("recursive QDirIterator:    %8.2f ms\n", l);
    std::printf("ratio discovery / listing: %8.2f\n", d / l);
    return found == 50 ? 0 : 1;
}
