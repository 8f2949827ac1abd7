// Finding the Wine prefixes of a home folder laid out the way each manager lays it out, with
// the manager's own file formats, and with files that are damaged or hostile.
#include "platform/wine/keyvalues.h"
#include "platform/wine/wineprefixes.h"
#include "prefixtree.h"

#include <QtTest>

#include <functional>

using namespace pw;

namespace {

using prefixtree::makePrefix;
using prefixtree::write;

// An executable wine inside a Wine build folder.
void makeWine(const QString &path)
{
    write(path, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

struct Expected {
    QString label;
    QString path;     // below home
    QString wineName;
    QString wine;     // below home; "" for the system's or an unknown one
    bool wineFound;
};

struct Case {
    const char *name;
    std::function<void(const QString &home)> build;
    QVector<Expected> expected;
};

const QByteArray kLibraryFolders = R"("libraryfolders"
{
	"0"
	{
		"path"		"@HOME@/.local/share/Steam"
		"label"		""
		"contentid"		"4242"
		"apps"
		{
			"228980"		"0"
		}
	}
	"1"
	{
		"path"		"@HOME@/SteamLibrary"
		"apps"
		{
			"292030"		"51000000"
		}
	}
}
)";

QByteArray manifest(const char *appid, const char *name)
{
    return QByteArray("\"AppState\"\n{\n\t\"appid\"\t\t\"") + appid + "\"\n\t\"Universe\"\t\t\"1\"\n\t\"name\"\t\t\"" + name
           + "\"\n\t\"StateFlags\"\t\t\"4\"\n\t\"installdir\"\t\t\"x\"\n}\n";
}

QVector<Case> cases()
{
    QVector<Case> c;
    c.append({"nothing at all", [](const QString &) {}, {}});
    c.append({"default prefix",
              [](const QString &h) { makePrefix(h + "/.wine"); },
              {{"Wine: default", "/.wine", "system", "", true}}});
    c.append({"a folder without system.reg is no prefix",
              [](const QString &h) {
                  QDir().mkpath(h + "/.wine/drive_c");
                  QDir().mkpath(h + "/.local/share/wineprefixes/half/drive_c");
              },
              {}});
    c.append({"xdg wineprefixes",
              [](const QString &h) {
                  makePrefix(h + "/.local/share/wineprefixes/office");
                  makePrefix(h + "/.local/share/wineprefixes/games");
              },
              {{"Wine: games", "/.local/share/wineprefixes/games", "system", "", true},
               {"Wine: office", "/.local/share/wineprefixes/office", "system", "", true}}});
    c.append({"bottles native, flatpak and custom path with runners",
              [](const QString &h) {
                  const QString native = h + "/.local/share/bottles";
                  makePrefix(native + "/bottles/Office");
                  write(native + "/bottles/Office/bottle.yml",
                        "Arch: win64\nName: Office 2010\nPath: Office\nRunner: soda-7.0-9\nCustom_Path: false\n"
                        "Environment: Application\n");
                  makeWine(native + "/runners/soda-7.0-9/bin/wine");
                  makeWine(native + "/runners/soda-7.0-9/bin/wineserver");
                  makePrefix(native + "/bottles/Old");
                  write(native + "/bottles/Old/bottle.yml", "Name: Old Games\nRunner: caffe-7.10\n");
                  makePrefix(native + "/bottles/Sys");
                  write(native + "/bottles/Sys/bottle.yml", "Name: Plain\nRunner: sys-wine-8.0\n");
                  write(native + "/data.yml", ("custom_bottles_path: " + h + "/Bottles\nnotes: true\n").toUtf8());
                  makePrefix(h + "/Bottles/Custom");
                  write(h + "/Bottles/Custom/bottle.yml", "Name: Far away\nRunner: soda-7.0-9\n");
                  const QString flat = h + "/.var/app/com.usebottles.bottles/data/bottles";
                  makePrefix(flat + "/bottles/Photo");
                  write(flat + "/bottles/Photo/bottle.yml", "Name: Photo\nRunner: kron4ek-9.0\n");
                  makeWine(flat + "/runners/kron4ek-9.0/bin/wine");
              },
              {{"Bottles: Far away", "/Bottles/Custom", "soda-7.0-9", "/.local/share/bottles/runners/soda-7.0-9/bin/wine", true},
               {"Bottles: Office 2010", "/.local/share/bottles/bottles/Office", "soda-7.0-9",
                "/.local/share/bottles/runners/soda-7.0-9/bin/wine", true},
               {"Bottles: Old Games", "/.local/share/bottles/bottles/Old", "caffe-7.10",
                "/.local/share/bottles/runners/caffe-7.10/bin/wine", false},
               {"Bottles: Photo", "/.var/app/com.usebottles.bottles/data/bottles/bottles/Photo", "kron4ek-9.0",
                "/.var/app/com.usebottles.bottles/data/bottles/runners/kron4ek-9.0/bin/wine", true},
               {"Bottles: Plain", "/.local/share/bottles/bottles/Sys", "system", "", true}}});
    c.append({"broken bottles",
              [](const QString &h) {
                  const QString b = h + "/.local/share/bottles/bottles";
                  makePrefix(b + "/NoConfig");
                  makePrefix(b + "/Garbage");
                  write(b + "/Garbage/bottle.yml", "Name: [unclosed\n  - : : {\n");
                  makePrefix(b + "/Escape");
                  write(b + "/Escape/bottle.yml", "Name: Escape\nRunner: ../../../../usr\n");
                  makePrefix(b + "/Deep");
                  write(b + "/Deep/bottle.yml", QByteArray(100000, '[') + QByteArray(100000, ']'));
                  makePrefix(b + "/List");
                  write(b + "/List/bottle.yml", "- Name\n- Runner\n");
                  makePrefix(b + "/Huge");
                  write(b + "/Huge/bottle.yml", "Name: Huge\nNotes: " + QByteArray(2 * 1024 * 1024, 'x') + "\n");
                  write(h + "/.local/share/bottles/data.yml", "custom_bottles_path: [1, 2\n");
              },
              {{"Bottles: Escape", "/.local/share/bottles/bottles/Escape", "../../../../usr", "", false}}});
    c.append({"lutris games, runner versions and ~/Games",
              [](const QString &h) {
                  makePrefix(h + "/Games/the-witcher-3");
                  write(h + "/.config/lutris/games/the-witcher-3-1700000000.yml",
                        ("game:\n  exe: " + h + "/Games/the-witcher-3/drive_c/w3.exe\n  prefix: " + h
                         + "/Games/the-witcher-3\n  arch: win64\nwine:\n  version: lutris-GE-Proton8-26-x86_64\n"
                           "system:\n  disable_runtime: false\n")
                            .toUtf8());
                  makeWine(h + "/.local/share/lutris/runners/wine/lutris-GE-Proton8-26-x86_64/bin/wine");
                  makePrefix(h + "/Lutris/epic");
                  write(h + "/.local/share/lutris/games/epic-games-store-1690000000.yml",
                        "name: Epic Games Store\ngame:\n  prefix: ~/Lutris/epic\nwine:\n  version: wine-ge-7\n");
                  makePrefix(h + "/Lutris/sys");
                  write(h + "/.config/lutris/games/plain-1.yml",
                        ("game:\n  prefix: \"" + h + "/Lutris/sys\"\nwine:\n  version: system\n").toUtf8());
                  makePrefix(h + "/Games/loose");
                  write(h + "/.config/lutris/runners/wine.yml", "wine:\n  version: lutris-GE-Proton8-26-x86_64\n");
              },
              {{"Lutris: Epic Games Store", "/Lutris/epic", "wine-ge-7",
                "/.local/share/lutris/runners/wine/wine-ge-7/bin/wine", false},
               {"Lutris: loose", "/Games/loose", "lutris-GE-Proton8-26-x86_64",
                "/.local/share/lutris/runners/wine/lutris-GE-Proton8-26-x86_64/bin/wine", true},
               {"Lutris: plain", "/Lutris/sys", "system", "", true},
               {"Lutris: the witcher 3", "/Games/the-witcher-3", "lutris-GE-Proton8-26-x86_64",
                "/.local/share/lutris/runners/wine/lutris-GE-Proton8-26-x86_64/bin/wine", true}}});
    c.append({"broken lutris files",
              [](const QString &h) {
                  makePrefix(h + "/P");
                  write(h + "/.config/lutris/games/a-1.yml", "game: [prefix\n");
                  write(h + "/.config/lutris/games/b-1.yml", "game: just text\n");
                  write(h + "/.config/lutris/games/c-1.yml", "game:\n  prefix: relative/P\n");
                  write(h + "/.config/lutris/games/d-1.yml", "game:\n  prefix:\n    - " + h.toUtf8() + "/P\n");
                  write(h + "/.config/lutris/games/e-1.yml", "x: &a [*a, *a]\ngame: *a\n");
              },
              {}});
    c.append({"steam libraries, manifests and proton builds",
              [](const QString &h) {
                  const QString steam = h + "/.local/share/Steam";
                  QDir().mkpath(h + "/.steam");
                  QFile::link(steam, h + "/.steam/steam"); // the same root by a second name
                  write(steam + "/steamapps/libraryfolders.vdf", QByteArray(kLibraryFolders).replace("@HOME@", h.toUtf8()));
                  write(steam + "/steamapps/appmanifest_228980.acf", manifest("228980", "Steamworks Common Redistributables"));
                  makePrefix(steam + "/steamapps/compatdata/228980/pfx");
                  write(steam + "/steamapps/compatdata/228980/version", "8.0-104\n");
                  makeWine(steam + "/steamapps/common/Proton 8.0/files/bin/wine");
                  write(steam + "/steamapps/common/Proton 8.0/version", "1696854200 proton-8.0-4\n");
                  const QString lib = h + "/SteamLibrary";
                  write(lib + "/steamapps/appmanifest_292030.acf", manifest("292030", "The Witcher 3: Wild Hunt"));
                  makePrefix(lib + "/steamapps/compatdata/292030/pfx");
                  write(lib + "/steamapps/compatdata/292030/version", "GE-Proton8-25\n");
                  makeWine(steam + "/compatibilitytools.d/GE-Proton8-25/files/bin/wine");
                  makePrefix(lib + "/steamapps/compatdata/3000000000/pfx"); // a non-Steam game
                  write(lib + "/steamapps/compatdata/3000000000/version", "7.0-6\n");
                  makePrefix(lib + "/steamapps/compatdata/0/nopfx");
              },
              {{"Steam: app 3000000000", "/SteamLibrary/steamapps/compatdata/3000000000/pfx", "Proton 7.0-6", "", false},
               {"Steam: Steamworks Common Redistributables", "/.local/share/Steam/steamapps/compatdata/228980/pfx",
                "Proton 8.0", "/.local/share/Steam/steamapps/common/Proton 8.0/files/bin/wine", true},
               {"Steam: The Witcher 3: Wild Hunt", "/SteamLibrary/steamapps/compatdata/292030/pfx", "GE-Proton8-25",
                "/.local/share/Steam/compatibilitytools.d/GE-Proton8-25/files/bin/wine", true}}});
    c.append({"old libraryfolders format and flatpak steam",
              [](const QString &h) {
                  const QString steam = h + "/.var/app/com.valvesoftware.Steam/.local/share/Steam";
                  write(steam + "/steamapps/libraryfolders.vdf",
                        ("\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n\t\"ContentStatsID\"\t\t\"-1\"\n"
                         "\t\"1\"\t\t\"" + h + "/Old Library\"\n}\n").toUtf8());
                  makePrefix(h + "/Old Library/steamapps/compatdata/70/pfx");
                  write(h + "/Old Library/steamapps/appmanifest_70.acf", manifest("70", "Half-Life"));
              },
              {{"Steam: Half-Life", "/Old Library/steamapps/compatdata/70/pfx", "Proton", "", false}}});
    c.append({"broken steam files",
              [](const QString &h) {
                  const QString steam = h + "/.local/share/Steam";
                  write(steam + "/steamapps/libraryfolders.vdf", "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\" \"/x");
                  makePrefix(steam + "/steamapps/compatdata/10/pfx");
                  write(steam + "/steamapps/appmanifest_10.acf", QByteArray(200, '{'));
                  write(steam + "/config/libraryfolders.vdf",
                        "\"libraryfolders\" { \"0\" { \"path\" \"relative/lib\" } \"1\" \"\" }");
              },
              {{"Steam: app 10", "/.local/share/Steam/steamapps/compatdata/10/pfx", "Proton", "", false}}});
    c.append({"playonlinux and heroic",
              [](const QString &h) {
                  const QString pol = h + "/.PlayOnLinux";
                  makePrefix(pol + "/wineprefix/Notepad");
                  write(pol + "/wineprefix/Notepad/playonlinux.cfg", "ARCH=x86\nVERSION=4.0.3\n");
                  makeWine(pol + "/wine/linux-x86/4.0.3/bin/wine");
                  makePrefix(pol + "/wineprefix/Paint");
                  write(pol + "/wineprefix/Paint/playonlinux.cfg", "ARCH=amd64\n");
                  const QString heroic = h + "/Games/Heroic/Prefixes";
                  makePrefix(heroic + "/Fortnite");
                  makePrefix(heroic + "/default/Control/pfx");
                  write(h + "/.config/heroic/GamesConfig/Control.json",
                        ("{\"Control\": {\"winePrefix\": \"" + heroic + "/default/Control\", \"wineVersion\": "
                         "{\"bin\": \"" + h + "/.config/heroic/tools/proton/GE-Proton9-2/proton\", \"name\": "
                         "\"Proton - GE-Proton9-2\", \"type\": \"proton\"}}}").toUtf8());
                  makeWine(h + "/.config/heroic/tools/proton/GE-Proton9-2/files/bin/wine");
              },
              {{"Heroic: Control", "/Games/Heroic/Prefixes/default/Control/pfx", "Proton - GE-Proton9-2",
                "/.config/heroic/tools/proton/GE-Proton9-2/files/bin/wine", true},
               {"Heroic: Fortnite", "/Games/Heroic/Prefixes/Fortnite", "system", "", true},
               {"PlayOnLinux: Notepad", "/.PlayOnLinux/wineprefix/Notepad", "4.0.3", "/.PlayOnLinux/wine/linux-x86/4.0.3/bin/wine", true},
               {"PlayOnLinux: Paint", "/.PlayOnLinux/wineprefix/Paint", "system", "", true}}});
    c.append({"symbolic link loops and one prefix reached twice",
              [](const QString &h) {
                  makePrefix(h + "/.wine");
                  const QString x = h + "/.local/share/wineprefixes";
                  QDir().mkpath(x);
                  QFile::link(h + "/.wine", x + "/again");    // ~/.wine once more
                  QFile::link(x + "/loop1", x + "/loop2"); // a loop
                  QFile::link(x + "/loop2", x + "/loop1");
                  QFile::link(x, x + "/self");               // a folder that holds itself
                  makePrefix(h + "/.local/share/bottles/bottles/B");
                  write(h + "/.local/share/bottles/bottles/B/bottle.yml", "Name: B\nRunner: sys-wine-9.0\n");
                  QFile::link(h + "/.local/share/bottles/bottles/B", x + "/b-again");
              },
              {{"Wine: default", "/.wine", "system", "", true},
               {"Bottles: B", "/.local/share/bottles/bottles/B", "system", "", true}}});
    return c;
}

} // namespace

class TestWinePrefixes : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("WINEPREFIX");
        qunsetenv("XDG_DATA_HOME");
    }
    void cleanupTestCase()
    {
        qunsetenv("WINEPREFIX");
    }

    void layouts_data()
    {
        QTest::addColumn<int>("index");
        const QVector<Case> all = cases();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << i;
    }

    void layouts()
    {
        QFETCH(int, index);
        const Case c = cases()[index];
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString home = QFileInfo(dir.path()).canonicalFilePath();
        c.build(home);
        const bool haveSystemWine = !QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty();

        const QVector<WinePrefixInfo> found = FindWinePrefixes(home);

        QStringList got, want;
        for (const WinePrefixInfo &p : found)
            got << QStringLiteral("%1 | %2 | %3 | %4 | %5")
                       .arg(p.label, p.path.mid(home.size()), p.wineName, p.wine.startsWith(home) ? p.wine.mid(home.size()) : p.wine)
                       .arg(p.wineFound);
        for (const Expected &e : c.expected)
            want << QStringLiteral("%1 | %2 | %3 | %4 | %5")
                        .arg(e.label, e.path, e.wineName, e.wine)
                        .arg(e.wine.isEmpty() && e.wineFound ? haveSystemWine : e.wineFound);
        QCOMPARE(got, want);
        for (const WinePrefixInfo &p : found)
            QCOMPARE(p.ReadOnly(), !p.wineFound && !p.UsesSystemWine());
    }

    void order()
    {
        QTemporaryDir dir;
        const QString home = QFileInfo(dir.path()).canonicalFilePath();
        makePrefix(home + "/.wine");
        makePrefix(home + "/.local/share/wineprefixes/aaa");
        makePrefix(home + "/elsewhere/zzz");
        makePrefix(home + "/.local/share/bottles/bottles/A");
        write(home + "/.local/share/bottles/bottles/A/bottle.yml", "Name: A\nRunner: sys-wine-9.0\n");

        // Without WINEPREFIX: ~/.wine first, then by label.
        QVector<WinePrefixInfo> found = FindWinePrefixes(home);
        QStringList labels;
        for (const WinePrefixInfo &p : found)
            labels << p.label;
        QCOMPARE(labels, (QStringList{"Wine: default", "Bottles: A", "Wine: aaa"}));
        QCOMPARE(InitialPrefixIndex(found), 0);

        // WINEPREFIX comes first, even where it is not under any manager.
        qputenv("WINEPREFIX", (home + "/elsewhere/zzz/").toUtf8());
        found = FindWinePrefixes(home);
        labels.clear();
        for (const WinePrefixInfo &p : found)
            labels << p.label;
        QCOMPARE(labels, (QStringList{"Wine: ~/elsewhere/zzz", "Wine: default", "Bottles: A", "Wine: aaa"}));
        QVERIFY(found[0].fromWinePrefixVariable);
        QCOMPARE(InitialPrefixIndex(found), 0);

        // WINEPREFIX naming a bottle: the bottle, with its runner, first; listed once.
        qputenv("WINEPREFIX", (home + "/.local/share/bottles/bottles/A").toUtf8());
        found = FindWinePrefixes(home);
        QCOMPARE(found.size(), 3);
        QCOMPARE(found[0].label, QStringLiteral("Bottles: A"));
        QVERIFY(found[0].fromWinePrefixVariable);
        QCOMPARE(found[1].label, QStringLiteral("Wine: default"));

        // Without WINEPREFIX and ~/.wine: the first found.
        qunsetenv("WINEPREFIX");
        QVERIFY(QDir(home + "/.wine").removeRecursively());
        found = FindWinePrefixes(home);
        QCOMPARE(found.size(), 2);
        QCOMPARE(InitialPrefixIndex(found), 0);
        QCOMPARE(found[0].label, QStringLiteral("Bottles: A"));
        QCOMPARE(InitialPrefixIndex({}), -1);
    }

    void keyValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("dump"); // key=value and key{...}
        QTest::newRow("nested") << QByteArray("\"a\" { \"b\" \"1\" \"c\" { \"d\" \"x y\" } }") << true << "a{b=1,c{d=x y}}";
        QTest::newRow("comments, conditions, bare words")
            << QByteArray("// head\nroot\n{\n  key value [$WIN32]\n  \"p\" \"C:\\\\x\\\\y\" // tail\n}\n") << true
            << "root{key=value,p=C:\\x\\y}";
        QTest::newRow("escapes") << QByteArray("\"k\" \"say \\\"hi\\\"\\n\"") << true << "k=say \"hi\"\n";
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF\"n\" \"G\xC3\xBCnter\"") << true
                                                    << QString::fromUtf8("n=G\xC3\xBCnter");
        QTest::newRow("empty") << QByteArray("") << true << "";
        QTest::newRow("unclosed block") << QByteArray("\"a\" { \"b\" \"1\"") << false << "";
        QTest::newRow("unclosed string") << QByteArray("\"a\" \"b") << false << "";
        QTest::newRow("key without value") << QByteArray("\"a\" { \"b\" }") << false << "";
        QTest::newRow("stray close") << QByteArray("\"a\" \"b\" }") << false << "";
        QTest::newRow("too deep") << QByteArray("a ").repeated(1) + QByteArray("{ a ").repeated(40) + QByteArray("} ").repeated(40)
                                  << false << "";
        QTest::newRow("very deep does not overflow the stack")
            << QByteArray("a ") + QByteArray("{ a ").repeated(200000) << false << "";
        QTest::newRow("NUL inside") << QByteArray("\"a\" \"b\0c\"", 9) << false << "";
    }

    void keyValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(QString, dump);
        QVector<KeyValue> out;
        QString error;
        QCOMPARE(CKeyValuesReader::Parse(text, &out, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        std::function<QString(const QVector<KeyValue> &)> show = [&](const QVector<KeyValue> &list) {
            QStringList parts;
            for (const KeyValue &kv : list)
                parts << (kv.isBlock ? kv.key + "{" + show(kv.children) + "}" : kv.key + "=" + kv.value);
            return parts.join(QLatin1Char(','));
        };
        QCOMPARE(show(out), dump);
    }

    void keyValuesTooLarge()
    {
        QVector<KeyValue> out;
        const QByteArray big = "\"a\" \"" + QByteArray(CKeyValuesReader::kMaxBytes, 'x') + "\"";
        QVERIFY(!CKeyValuesReader::Parse(big, &out));
        QVERIFY(out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWinePrefixes)
#include "tst_wineprefixes.moc"
