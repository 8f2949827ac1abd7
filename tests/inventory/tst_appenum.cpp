// The inventory over the fake registry: which entries become programs or updates, in which
// order, and what lands in each fixed-size field whatever a program wrote into its entry.
#include "inventory/appenum.h"
#include "inventory/productcode.h"
#include "libs/sharelog/sharelog.h"
#include "platform/fake/fakeregistry.h"
#include "platform/fake/fakesysteminfo.h"

#include <QtTest>

using namespace pw;

namespace {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct Value {
    QByteArray name;
    uint32_t type;
    QByteArray data;
};
struct Entry {
    RegRoot root;
    CFakeRegistry::View view;
    QByteArray subKey;
    QList<Value> values;
};

Value sz(const char *name, const QByteArray &text) { return {name, kRegSz, text + QByteArray(1, '\0')}; }
Value dw(const char *name, uint32_t v) { return {name, kRegDword, QByteArray(reinterpret_cast<char *>(&v), 4)}; }
Value qw(const char *name, uint64_t v) { return {name, kRegQword, QByteArray(reinterpret_cast<char *>(&v), 8)}; }
Value raw(const char *name, uint32_t type, const QByteArray &bytes) { return {name, type, bytes}; }

// A plain listed entry with a name and an uninstall command, plus extra values.
Entry program(const QByteArray &key, QList<Value> extra = {}, RegRoot root = RegRoot::LocalMachine,
              CFakeRegistry::View view = CFakeRegistry::View64)
{
    QList<Value> values{sz("DisplayName", key), sz("UninstallString", "C:\\" + key + "\\uninst.exe")};
    values += extra;
    return {root, view, key, values};
}

void install(CFakeRegistry &reg, const QList<Entry> &entries)
{
    for (const Entry &e : entries) {
        const std::string path = kUninstall + "\\" + e.subKey.toStdString();
        reg.AddKey(e.root, e.view, path);
        for (const Value &v : e.values)
            reg.SetRaw(e.root, e.view, path, v.name.toStdString(), v.type, v.data.toStdString());
    }
}

QStringList names(const InstalledProgramList &list)
{
    QStringList out;
    for (const InstalledProgram &p : list)
        out << QString::fromLocal8Bit(p.DisplayName);
    return out;
}

bool terminated(const char *field) { return memchr(field, 0, 260) != nullptr; }

// The same scan read key by key from the registry itself (no snapshot), and whether it gave the
// very same records, every byte of them.
bool sameAsLiveScan(const QList<Entry> &entries, const CAppEnum &fromSnapshots)
{
    CFakeRegistry live;
    live.SetSnapshots(false);
    install(live, entries);
    CFakeSystemInfo sys;
    CAppEnum inventory(&live, &sys);
    inventory.EnumPrograms();
    const auto same = [](const InstalledProgramList &a, const InstalledProgramList &b) {
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i)
            if (std::memcmp(&a[i], &b[i], sizeof(InstalledProgram)) != 0)
                return false;
        return true;
    };
    return live.SnapshotsTaken() == 0 && same(inventory.GetPrograms(), fromSnapshots.GetPrograms())
           && same(inventory.GetUpdates(), fromSnapshots.GetUpdates());
}

QByteArray readLog(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Value)
Q_DECLARE_METATYPE(QList<Value>)
Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(QList<Entry>)

class TestAppEnum : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void classification_data();
    void classification();
    void fields_data();
    void fields();
    void productCodeFromCommand_data();
    void productCodeFromCommand();
    void windowsInstallerEntries_data();
    void windowsInstallerEntries();
    void thirtyTwoBitSystemReadsOneViewAndLogsOneLine();
    void sixtyFourBitSystemLogsEveryPass();
    void rescanReplacesTheLists();
    void missingRootsGiveEmptyLists();
    void registryLeftovers();
    void muiCacheSeparatorRule_data();
    void muiCacheSeparatorRule();

private:
    QTemporaryDir m_dir;
};

void TestAppEnum::initTestCase()
{
    sharelog::SetLogFilePath(m_dir.filePath(QStringLiteral("log.txt")));
}

void TestAppEnum::classification_data()
{
    using V = CFakeRegistry;
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("updates");

    QTest::newRow("system component hidden")
        << QList<Entry>{program("Sys", {dw("SystemComponent", 1)}), program("Shown", {dw("SystemComponent", 0)})}
        << QStringList{"Shown"} << QStringList{};
    QTest::newRow("unsupported or empty uninstall command")
        << QList<Entry>{{RegRoot::LocalMachine, V::View64, "U",
                         {sz("DisplayName", "U"), sz("UninstallString", "(Unsupported)"),
                          sz("QuietUninstallString", "q.exe /S")}},
                        {RegRoot::LocalMachine, V::View64, "E",
                         {sz("DisplayName", "E"), sz("UninstallString", ""), sz("QuietUninstallString", "q.exe")}},
                        {RegRoot::LocalMachine, V::View64, "Q",
                         {sz("DisplayName", "Q"), sz("QuietUninstallString", "q.exe")}}}
        << QStringList{} << QStringList{};
    QTest::newRow("no display name, or one that does not fit")
        << QList<Entry>{{RegRoot::LocalMachine, V::View64, "N", {sz("UninstallString", "u.exe")}},
                        {RegRoot::LocalMachine, V::View64, "L",
                         {sz("DisplayName", QByteArray(260, 'n')), sz("UninstallString", "u.exe")}},
                        {RegRoot::LocalMachine, V::View64, "D",
                         {dw("DisplayName", 0x41414141), sz("UninstallString", "u.exe")}},
                        {RegRoot::LocalMachine, V::View64, "M",
                         {sz("DisplayName", QByteArray(259, 'm')), sz("UninstallString", "u.exe")}}}
        << QStringList{QString(259, 'm')} << QStringList{};
    QTest::newRow("updates by parent, release type and minor upgrade")
        << QList<Entry>{program("Base"),
                        program("KB1", {sz("ParentKeyName", "Base")}),
                        program("KB2", {sz("ParentKeyName", "Gone"), sz("ReleaseType", "Hotfix")}),
                        program("KB3", {sz("ParentKeyName", "Gone"), sz("ReleaseType", "Security Update")}),
                        program("KB4", {sz("ParentKeyName", "Gone"), sz("ReleaseType", "Service Pack")}),
                        program("KB5", {sz("ParentKeyName", "Gone"), dw("IsMinorUpgrade", 1)}),
                        program("KB6", {sz("ParentKeyName", "Gone"), sz("ReleaseType", "hotfix")}),
                        program("KB7", {sz("ReleaseType", "Hotfix")})}
        << QStringList{"Base", "KB6", "KB7"} << QStringList{"KB1", "KB2", "KB3", "KB4", "KB5"};
    QTest::newRow("parent must be in the same root and view")
        << QList<Entry>{program("Base", {}, RegRoot::LocalMachine, V::View32),
                        program("Patch", {sz("ParentKeyName", "Base")}, RegRoot::LocalMachine, V::View64)}
        << QStringList{"Base", "Patch"} << QStringList{};
    QTest::newRow("passes in order, one program in two roots listed twice")
        << QList<Entry>{program("Both", {}, RegRoot::CurrentUser), program("B64", {}),
                        program("A32", {}, RegRoot::LocalMachine, V::View32), program("Both")}
        << QStringList{"A32", "B64", "Both", "Both"} << QStringList{};
}

void TestAppEnum::classification()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QStringList, programs);
    QFETCH(QStringList, updates);
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    install(reg, entries);
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    QCOMPARE(names(inventory.GetPrograms()), programs);
    QCOMPARE(names(inventory.GetUpdates()), updates);
    QCOMPARE(reg.OpenHandles(), 0);
    // Each of the three roots was read from one copy of its Uninstall tree, with no key opened
    // in the registry itself, and the result is the one of reading key by key.
    QCOMPARE(reg.SnapshotsTaken(), 3);
    QCOMPARE(reg.LiveOpens(), 0);
    QVERIFY(sameAsLiveScan(entries, inventory));
}

void TestAppEnum::fields_data()
{
    QTest::addColumn<QList<Value>>("extra");
    QTest::addColumn<QByteArray>("uninstall");
    QTest::addColumn<QByteArray>("publisher");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("icon");
    QTest::addColumn<quint64>("size");

    const QByteArray u = "C:\\App\\uninst.exe";
    QTest::newRow("plain") << QList<Value>{sz("Publisher", "Vendor"), sz("DisplayVersion", "1.0")} << u
                           << QByteArray("Vendor") << QByteArray("1.0") << QByteArray() << quint64(0);
    QTest::newRow("quiet command preferred")
        << QList<Value>{sz("QuietUninstallString", "C:\\App\\uninst.exe /S")} << QByteArray("C:\\App\\uninst.exe /S")
        << QByteArray() << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("size 1 KB") << QList<Value>{dw("EstimatedSize", 1)} << u << QByteArray() << QByteArray()
                               << QByteArray() << quint64(1024);
    QTest::newRow("size just below 3 GiB") << QList<Value>{dw("EstimatedSize", 3145727)} << u << QByteArray()
                                           << QByteArray() << QByteArray() << quint64(3221224448ull);
    QTest::newRow("size 3 GiB kept") << QList<Value>{dw("EstimatedSize", 3145728)} << u << QByteArray()
                                     << QByteArray() << QByteArray() << quint64(3221225472ull);
    QTest::newRow("size 100 GiB") << QList<Value>{dw("EstimatedSize", 104857600)} << u << QByteArray()
                                  << QByteArray() << QByteArray() << quint64(107374182400ull);
    QTest::newRow("size largest dword") << QList<Value>{dw("EstimatedSize", 0xFFFFFFFFu)} << u << QByteArray()
                                        << QByteArray() << QByteArray() << quint64(0xFFFFFFFFull * 1024);
    QTest::newRow("size largest dword as qword") << QList<Value>{qw("EstimatedSize", 0xFFFFFFFFull)} << u
                                                 << QByteArray() << QByteArray() << QByteArray()
                                                 << quint64(0xFFFFFFFFull * 1024);
    QTest::newRow("size qword beyond dword dropped") << QList<Value>{qw("EstimatedSize", 0x100000000ull)} << u
                                                     << QByteArray() << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("size huge qword dropped") << QList<Value>{qw("EstimatedSize", ~0ull)} << u << QByteArray()
                                             << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("size as qword") << QList<Value>{qw("EstimatedSize", 5)} << u << QByteArray()
                                   << QByteArray() << QByteArray() << quint64(5120);
    QTest::newRow("size as text ignored") << QList<Value>{sz("EstimatedSize", "100")} << u << QByteArray()
                                          << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("over-long optional value left empty")
        << QList<Value>{sz("Publisher", QByteArray(300, 'p')), sz("DisplayVersion", QByteArray(260, 'v'))} << u
        << QByteArray() << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("value exactly filling the field")
        << QList<Value>{sz("Publisher", QByteArray(259, 'p'))} << u << QByteArray(259, 'p') << QByteArray()
        << QByteArray() << quint64(0);
    QTest::newRow("unterminated text fits") << QList<Value>{raw("Publisher", kRegSz, "NoNul")} << u
                                            << QByteArray("NoNul") << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("unterminated text filling the field")
        << QList<Value>{raw("Publisher", kRegSz, QByteArray(260, 'x'))} << u << QByteArray() << QByteArray()
        << QByteArray() << quint64(0);
    QTest::newRow("wrong types give empty fields")
        << QList<Value>{dw("Publisher", 0x64636261), raw("DisplayVersion", kRegBinary, "\x01\x02\x03"),
                        raw("DisplayIcon", kRegMultiSz, QByteArray("C:\\a.ico\0second\0\0", 18))}
        << u << QByteArray() << QByteArray() << QByteArray("C:\\a.ico") << quint64(0);
    QTest::newRow("expand string kept unexpanded")
        << QList<Value>{raw("DisplayIcon", kRegExpandSz, QByteArray("%ProgramFiles%\\a.exe\0", 21))} << u
        << QByteArray() << QByteArray() << QByteArray("%ProgramFiles%\\a.exe") << quint64(0);
    QTest::newRow("over-long uninstall command is not cut into a valid one")
        << QList<Value>{sz("QuietUninstallString", "C:\\" + QByteArray(300, 'q'))} << u << QByteArray()
        << QByteArray() << QByteArray() << quint64(0);
    QTest::newRow("non-ASCII bytes kept as they are")
        << QList<Value>{sz("Publisher", "Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac")} << u
        << QByteArray("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac") << QByteArray() << QByteArray() << quint64(0);
}

void TestAppEnum::fields()
{
    QFETCH(QList<Value>, extra);
    QFETCH(QByteArray, uninstall);
    QFETCH(QByteArray, publisher);
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, icon);
    QFETCH(quint64, size);
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    QList<Value> values{sz("DisplayName", "App"), sz("UninstallString", "C:\\App\\uninst.exe")};
    install(reg, {{RegRoot::LocalMachine, CFakeRegistry::View64, "App", values + extra}});
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    const InstalledProgramList list = inventory.GetPrograms();
    QCOMPARE(list.size(), 1); // a name and a command: always listed, whatever else the entry holds
    const InstalledProgram &p = list.first();
    for (const char *f : {p.DisplayIcon, p.InnoSetupIconGroup, p.DisplayName, p.UninstallString, p.InstallLocation,
                          p.Publisher, p.DisplayVersion, p.SubKeyName})
        QVERIFY(terminated(f));
    QCOMPARE(QByteArray(p.UninstallString), uninstall);
    QCOMPARE(QByteArray(p.Publisher), publisher);
    QCOMPARE(QByteArray(p.DisplayVersion), version);
    QCOMPARE(QByteArray(p.DisplayIcon), icon);
    QCOMPARE(p.Size, size);
    QCOMPARE(p.RegistryRoot, uint32_t(RegRoot::LocalMachine));
    QCOMPARE(p.RegistryView, uint32_t(kKeyWow64_64Key));
    QCOMPARE(QByteArray(p.SubKeyName), QByteArray("App"));
    QVERIFY(sameAsLiveScan({{RegRoot::LocalMachine, CFakeRegistry::View64, "App", values + extra}}, inventory));
}

void TestAppEnum::productCodeFromCommand_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("code");
    const QByteArray g = "{6F1C2B3A-4D5E-4F60-8A7B-9C0D1E2F3A4B}";
    const QByteArray lower = g.toLower();
    QTest::newRow("as Windows Installer writes it") << "MsiExec.exe /I" + g << g;
    QTest::newRow("remove switch, lower case code") << "MsiExec.exe /X" + lower << g;
    QTest::newRow("without .exe, space before the code") << "msiexec /x " + g << g;
    QTest::newRow("minus switch and more options") << "MSIEXEC.EXE -x" + g + " /qn" << g;
    QTest::newRow("with its path") << "C:\\Windows\\System32\\MsiExec.exe /I" + g << g;
    QTest::newRow("with its path quoted") << "\"C:\\Windows\\system32\\msiexec.exe\" /i\"" + g + "\"" << g;
    QTest::newRow("options before the switch") << "msiexec.exe /qb /X " + g << g;
    QTest::newRow("a package file") << QByteArray("msiexec.exe /i C:\\Setup\\app.msi") << QByteArray();
    QTest::newRow("another program") << "C:\\App\\uninst.exe /X" + g << QByteArray();
    QTest::newRow("a program whose name ends like it") << "C:\\App\\mymsiexec.exe /X" + g << QByteArray();
    QTest::newRow("a folder of that name") << "C:\\msiexec\\setup.exe /X" + g << QByteArray();
    QTest::newRow("repair switch") << "MsiExec.exe /fa" + g << QByteArray();
    QTest::newRow("no switch") << "MsiExec.exe " + g << QByteArray();
    QTest::newRow("no code") << QByteArray("MsiExec.exe /X") << QByteArray();
    QTest::newRow("code cut short") << "MsiExec.exe /X" + g.left(37) << QByteArray();
    QTest::newRow("code with more after it") << "MsiExec.exe /X" + g + "x" << QByteArray();
    QTest::newRow("not hexadecimal") << QByteArray("MsiExec.exe /X{6F1C2B3A-4D5E-4F60-8A7B-9C0D1E2F3A4G}")
                                     << QByteArray();
    QTest::newRow("dashes misplaced") << QByteArray("MsiExec.exe /X{6F1C2B3A4-D5E-4F60-8A7B-9C0D1E2F3A4B}")
                                      << QByteArray();
    QTest::newRow("unclosed quote") << "\"MsiExec.exe /X" + g << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestAppEnum::productCodeFromCommand()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, code);
    QCOMPARE(ProductCodeFromCommand(command), code);
    QCOMPARE(IsProductCode(code), !code.isEmpty());
}

void TestAppEnum::windowsInstallerEntries_data()
{
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<QList<Value>>("values");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("uninstall");
    QTest::addColumn<bool>("quiet");

    const QByteArray g = "{6F1C2B3A-4D5E-4F60-8A7B-9C0D1E2F3A4B}";
    const QByteArray other = "{0A1B2C3D-4E5F-4061-8273-94A5B6C7D8E9}";
    const Value name = sz("DisplayName", "Ledger");
    QTest::newRow("registered by Windows Installer")
        << g << QList<Value>{name, sz("UninstallString", "MsiExec.exe /I" + g), dw("WindowsInstaller", 1)} << g
        << "MsiExec.exe /I" + g << false;
    QTest::newRow("key name in lower case, any command")
        << g.toLower() << QList<Value>{name, sz("UninstallString", "C:\\Cache\\setup.exe /uninstall"), dw("WindowsInstaller", 1)}
        << g << QByteArray("C:\\Cache\\setup.exe /uninstall") << false;
    QTest::newRow("key name wins over the command's code")
        << g << QList<Value>{name, sz("UninstallString", "MsiExec.exe /I" + other), dw("WindowsInstaller", 1)} << g
        << "MsiExec.exe /I" + other << false;
    QTest::newRow("code from the command alone")
        << QByteArray("Ledger") << QList<Value>{name, sz("UninstallString", "msiexec /x " + other)} << other
        << "msiexec /x " + other << false;
    QTest::newRow("own quiet command kept")
        << g << QList<Value>{name, sz("UninstallString", "MsiExec.exe /I" + g), sz("QuietUninstallString", "MsiExec.exe /X" + g + " /qn"),
                             dw("WindowsInstaller", 1)}
        << g << "MsiExec.exe /X" + g + " /qn" << true;
    QTest::newRow("code from the plain command behind a quiet one")
        << QByteArray("Ledger") << QList<Value>{name, sz("UninstallString", "MsiExec.exe /I" + g), sz("QuietUninstallString", "C:\\L\\q.exe /S")}
        << g << QByteArray("C:\\L\\q.exe /S") << true;
    QTest::newRow("GUID key of another installer")
        << g << QList<Value>{name, sz("UninstallString", "C:\\L\\uninst.exe")} << QByteArray()
        << QByteArray("C:\\L\\uninst.exe") << false;
    QTest::newRow("WindowsInstaller 0")
        << g << QList<Value>{name, sz("UninstallString", "C:\\L\\uninst.exe"), dw("WindowsInstaller", 0)} << QByteArray()
        << QByteArray("C:\\L\\uninst.exe") << false;
    QTest::newRow("WindowsInstaller on a key that is no product code")
        << g + "_is1" << QList<Value>{name, sz("UninstallString", "C:\\L\\unins000.exe"), dw("WindowsInstaller", 1)}
        << QByteArray() << QByteArray("C:\\L\\unins000.exe") << false;
}

void TestAppEnum::windowsInstallerEntries()
{
    QFETCH(QByteArray, subKey);
    QFETCH(QList<Value>, values);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, uninstall);
    QFETCH(bool, quiet);
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    install(reg, {{RegRoot::LocalMachine, CFakeRegistry::View64, subKey, values}});
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    const InstalledProgramList list = inventory.GetPrograms();
    QCOMPARE(list.size(), 1);
    const InstalledProgram &p = list.first();
    QVERIFY(memchr(p.ProductCode, 0, sizeof p.ProductCode));
    QCOMPARE(QByteArray(p.ProductCode), code);
    QCOMPARE(QByteArray(p.UninstallString), uninstall); // the record shows what the entry stores
    QCOMPARE(bool(p.QuietUninstall), quiet);
}

void TestAppEnum::thirtyTwoBitSystemReadsOneViewAndLogsOneLine()
{
    const QString log = m_dir.filePath(QStringLiteral("log32.txt"));
    sharelog::SetLogFilePath(log);
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    sys.architecture = kArchitectureIntel;
    install(reg, {program("Native64"), program("Wow32", {}, RegRoot::LocalMachine, CFakeRegistry::View32),
                  program("Mine", {}, RegRoot::CurrentUser)});
    CAppEnum inventory(&reg, &sys);
    QVERIFY(!inventory.Is64BitSystem());
    inventory.EnumPrograms();
    QCOMPARE(names(inventory.GetPrograms()), QStringList({"Wow32", "Mine"}));
    const QList<QByteArray> lines = readLog(log).split('\n');
    QCOMPARE(lines.size(), 2); // one line and the empty rest after its end
    QVERIFY(lines[0].startsWith("CAppEnum::EnumLocalUser end with "));
    QVERIFY(lines[0].endsWith('\r'));
}

void TestAppEnum::sixtyFourBitSystemLogsEveryPass()
{
    const QString log = m_dir.filePath(QStringLiteral("log64.txt"));
    sharelog::SetLogFilePath(log);
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    CAppEnum inventory(&reg, &sys);
    QVERIFY(inventory.Is64BitSystem());
    inventory.EnumPrograms();
    const QByteArray text = readLog(log);
    QStringList starts;
    for (const QByteArray &line : text.split('\n'))
        if (!line.isEmpty())
            starts << QString::fromLatin1(line.left(line.indexOf(" with ")));
    QCOMPARE(starts, QStringList({"CAppEnum::Enum64Bit begin", "CAppEnum::Enum64Bit end", "CAppEnum::Enum32Bit end",
                                  "CAppEnum::EnumLocalUser end"}));
}

void TestAppEnum::rescanReplacesTheLists()
{
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    install(reg, {program("One"), program("Two")});
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    const InstalledProgramList before = inventory.GetPrograms();
    reg.DeleteKeyEx(RootKey(RegRoot::LocalMachine), kUninstall + "\\One", kKeyWow64_64Key);
    inventory.EnumPrograms();
    QCOMPARE(names(inventory.GetPrograms()), QStringList({"Two"}));
    QCOMPARE(names(before), QStringList({"One", "Two"})); // a copy handed out earlier is untouched
}

void TestAppEnum::missingRootsGiveEmptyLists()
{
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    reg.FailOpen("Uninstall", kErrorAccessDenied);
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    QVERIFY(inventory.GetPrograms().isEmpty());
    CAppEnum noBackend(nullptr, nullptr);
    noBackend.EnumPrograms();
    QVERIFY(noBackend.GetPrograms().isEmpty());
    QVERIFY(noBackend.FindRegistryLeftovers(InstalledProgram(), "C:\\x").isEmpty());
}

void TestAppEnum::registryLeftovers()
{
    CFakeRegistry reg;
    CFakeSystemInfo sys;
    sys.architecture = kArchitectureAmd64;
    install(reg, {program("Tool", {dw("EstimatedSize", 12), sz("InstallLocation", "C:\\Apps\\Tool")}),
                  program("Tool Pro"), program("Tool", {}, RegRoot::LocalMachine, CFakeRegistry::View32),
                  program("Tool", {}, RegRoot::CurrentUser)});
    const std::string mui = "Local Settings\\Software\\Microsoft\\Windows\\Shell\\MuiCache";
    for (const char *value : {"C:\\Apps\\Tool\\tool.exe.FriendlyAppName", "C:\\Apps\\Tool2\\x.exe",
                              "C:\\Apps\\Toolbox.exe", "C:\\Other\\x.exe", "C:\\apps\\tool"})
        reg.SetString(RegRoot::ClassesRoot, CFakeRegistry::View64, mui, value, "T");
    CAppEnum inventory(&reg, &sys);
    inventory.EnumPrograms();
    InstalledProgram tool;
    for (const InstalledProgram &p : inventory.GetPrograms())
        if (p.RegistryView == kKeyWow64_64Key && QByteArray(p.DisplayName) == "Tool")
            tool = p;
    QCOMPARE(QByteArray(tool.SubKeyName), QByteArray("Tool"));

    // Only the record's own entry, in the view it was read from: not the entry of the same
    // name in the other view or per user, not "Tool Pro".
    const LeftoverList found = inventory.FindRegistryLeftovers(tool, "C:\\Apps\\Tool");
    QStringList texts;
    for (const LeftoverItem &i : found)
        texts << i.Text;
    const QString key = QString::fromStdString(kUninstall) + "\\Tool";
    const QString muiText = "HKEY_CLASSES_ROOT\\" + QString::fromStdString(mui) + "|";
    QCOMPARE(texts, QStringList({key + "|DisplayName:Tool", key + "|UninstallString:C:\\Tool\\uninst.exe",
                                 key + "|EstimatedSize:12", key + "|InstallLocation:C:\\Apps\\Tool", key,
                                 muiText + "C:\\Apps\\Tool\\tool.exe.FriendlyAppName", muiText + "C:\\apps\\tool"}));
    QCOMPARE(found[0].Kind, int(LeftoverRegistry));
    QCOMPARE(found[0].ValueName, QStringLiteral("DisplayName"));
    QCOMPARE(found[4].ValueName, QString());
    QCOMPARE(found[4].RegistryRoot, uint32_t(RegRoot::LocalMachine));
    QCOMPARE(found[4].RegistryView, uint32_t(kKeyWow64_64Key));
    QCOMPARE(found[5].Kind, int(LeftoverMuiCache));
    QCOMPARE(found[5].Path, QStringLiteral("C:\\Apps\\Tool\\tool.exe.FriendlyAppName"));

    // The per-user registration is found where it was read.
    InstalledProgram user = tool;
    user.RegistryRoot = uint32_t(RegRoot::CurrentUser);
    user.RegistryView = 0;
    const LeftoverList userFound = inventory.FindRegistryLeftovers(user, QByteArray());
    QCOMPARE(userFound.size(), 3);
    QCOMPARE(userFound.last().RegistryRoot, uint32_t(RegRoot::CurrentUser));

    // A record that does not say where it was read, or whose entry is gone, yields only the
    // MuiCache values.
    InstalledProgram unknown;
    std::strcpy(unknown.DisplayName, "Tool");
    QCOMPARE(inventory.FindRegistryLeftovers(unknown, "C:\\Apps\\Tool").size(), 2);
    reg.DeleteKeyEx(RootKey(RegRoot::LocalMachine), kUninstall + "\\Tool", kKeyWow64_64Key);
    const LeftoverList gone = inventory.FindRegistryLeftovers(tool, "C:\\Apps\\Tool");
    QCOMPARE(gone.size(), 2);
    QCOMPARE(gone[0].Kind, int(LeftoverMuiCache));
    QCOMPARE(inventory.FindRegistryLeftovers(tool, "").size(), 0);
    QCOMPARE(reg.OpenHandles(), 0);
}

void TestAppEnum::muiCacheSeparatorRule_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("names");
    QTest::newRow("file inside") << "C:\\Apps\\Tool\\x.exe" << "C:\\Apps\\Tool" << true;
    QTest::newRow("exactly the path") << "C:\\Apps\\Tool" << "C:\\Apps\\Tool" << true;
    QTest::newRow("case differs") << "c:\\apps\\tool\\x.exe" << "C:\\Apps\\Tool" << true;
    QTest::newRow("longer folder name") << "C:\\Apps\\Tool2\\x.exe" << "C:\\Apps\\Tool" << false;
    QTest::newRow("file beside") << "C:\\Apps\\Tool.exe" << "C:\\Apps\\Tool" << false;
    QTest::newRow("program file name") << "C:\\Apps\\Tool\\tool.exe.FriendlyAppName" << "C:\\Apps\\Tool\\tool.exe" << true;
    QTest::newRow("company of program file") << "C:\\A\\tool.exe.ApplicationCompany" << "C:\\A\\tool.exe" << true;
    QTest::newRow("other suffix") << "C:\\A\\tool.exe.bak" << "C:\\A\\tool.exe" << false;
    QTest::newRow("empty path") << "C:\\x" << "" << false;
}

void TestAppEnum::muiCacheSeparatorRule()
{
    QFETCH(QString, value);
    QFETCH(QString, path);
    QFETCH(bool, names);
    QCOMPARE(MuiCacheNamesPath(value, path), names);
}

QTEST_GUILESS_MAIN(TestAppEnum)
#include "tst_appenum.moc"
