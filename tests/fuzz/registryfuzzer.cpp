// Everything that reads the uninstall registry, fed with whatever a program may have written
// there: the inventory scan, the leftover query, the helpers on every field it fills, and the
// install-path derivation of the leftover scan. Nothing here touches the disk beyond a stat.
//
// Input format (integers little-endian; a string is a u16 length and that many bytes, cut
// short where the input ends):
//   u8 flags             bit 0: 64-bit system; bit 1 (when 32-bit): ARM64 instead of x86
//   then records until the input ends, each starting with a tag byte (taken modulo 6):
//   0, 1, 2  a value under the Uninstall key of HKLM 64-bit view, HKLM 32-bit view, HKCU:
//            string subkey, string value name, u32 type, string data
//   3        a MuiCache value: string value name, u32 type, string data
//   4        an empty key: u8 place (0..2 as above), string subkey
//   5        an extra leftover query: string display name, string install path
// tests/fuzz/makecorpus.py writes the seed corpus in this format.
#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "inventory/registryreader.h"
#include "libs/sharelog/sharelog.h"
#include "platform/fake/fakeplatform.h"

#include <QTextCodec>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// PURGEWELL_FUZZ_VERBOSE=1 prints what an input decodes to (for looking at a crash input).
const bool kVerbose = std::getenv("PURGEWELL_FUZZ_VERBOSE") != nullptr;

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kMuiCacheKey[] = "Local Settings\\Software\\Microsoft\\Windows\\Shell\\MuiCache";
constexpr size_t kField = 260;

// Stops the run with a message: libFuzzer keeps the input that got here.
[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "registry fuzzer: %s\n", what);
    std::abort();
}

class Reader {
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint32_t u32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(byte()) << (8 * i);
        return v;
    }
    std::string string()
    {
        size_t n = byte();
        n |= size_t(byte()) << 8;
        n = std::min(n, m_size - std::min(m_pos, m_size));
        std::string s(reinterpret_cast<const char *>(m_data + m_pos), n);
        m_pos += n;
        return s;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

struct Place {
    pw::RegRoot root;
    pw::CFakeRegistry::View view;
};
const Place kPlaces[] = {
    {pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64},
    {pw::RegRoot::LocalMachine, pw::CFakeRegistry::View32},
    {pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64},
};

QByteArray field(const char *f, const char *name)
{
    const void *end = std::memchr(f, 0, kField);
    if (!end)
        fail(name); // a record field without its terminator
    return QByteArray(f, int(static_cast<const char *>(end) - f));
}

// The helpers the pages and the leftover scan apply to record values.
void runHelpers(const QByteArray &value)
{
    const QByteArray icon = GetIconFilePath(value);
    if (icon.size() > value.size() || icon.contains('"') || icon.contains(','))
        fail("GetIconFilePath left a quote or comma, or grew");
    const QByteArray title = GetFileTitle(value);
    if (title.size() > value.size())
        fail("GetFileTitle grew");
    ProgramIconFile(value);
    GetCreationTime(value);
}

// The install path of a program as the leftover scan derives it.
QByteArray installPathOf(const InstalledProgram &p)
{
    QByteArray path = GetIconFilePath(field(p.InstallLocation, "InstallLocation"));
    if (path.isEmpty())
        path = GetIconFilePath(field(p.DisplayIcon, "DisplayIcon"));
    if (path.isEmpty())
        path = GetFileTitle(field(p.UninstallString, "UninstallString"));
    if (path.endsWith('\\'))
        path.chop(1);
    return path;
}

// Whether an uninstall entry whose key path reads as `path` (root and view of the item) carries
// a DisplayName that contains `name`: the only entries the query may hand out for deletion.
bool entryCarriesName(pw::IRegistry &reg, const LeftoverItem &item, const QString &name)
{
    const uint32_t view = item.RegistryView;
    pw::RegKey uninstall = 0;
    if (reg.OpenKey(item.RegistryRoot, kUninstallKey, pw::kKeyRead | view, &uninstall) != pw::kErrorSuccess)
        return false;
    pw::RegKeyGuard guard(reg, uninstall);
    for (uint32_t index = 0;; ++index) {
        char subKey[kField] = {};
        uint32_t length = sizeof subKey;
        if (reg.EnumKey(uninstall, index, subKey, &length) != pw::kErrorSuccess)
            return false;
        const std::string entryPath = std::string(kUninstallKey) + "\\" + subKey;
        if (QString::fromLocal8Bit(entryPath.c_str()) != item.Path)
            continue;
        pw::RegKey entry = 0;
        if (reg.OpenKey(item.RegistryRoot, entryPath, pw::kKeyQueryValue | view, &entry) != pw::kErrorSuccess)
            continue;
        pw::RegKeyGuard entryGuard(reg, entry);
        char displayName[kField];
        inventory::ReadText(reg, entry, "DisplayName", displayName);
        if (QString::fromLocal8Bit(displayName).contains(name, Qt::CaseInsensitive))
            return true;
    }
}

void checkLeftovers(pw::IRegistry &reg, const LeftoverList &items, const QByteArray &displayName,
                    const QByteArray &installPath)
{
    const QString uninstallPrefix = QLatin1String(kUninstallKey) + QLatin1Char('\\');
    const QString name = QString::fromLocal8Bit(displayName);
    const QString path = QString::fromLocal8Bit(installPath);
    for (const LeftoverItem &item : items) {
        switch (item.Kind) {
        case LeftoverRegistry:
            // Never the Uninstall key itself, never anything outside it, never an entry of
            // another name (an empty name must not match every entry).
            if (!item.Path.startsWith(uninstallPrefix) || item.Path.size() == uninstallPrefix.size())
                fail("registry leftover outside an uninstall entry");
            if (item.RegistryRoot != uint32_t(pw::RegRoot::LocalMachine)
                && item.RegistryRoot != uint32_t(pw::RegRoot::CurrentUser))
                fail("registry leftover in an unexpected root");
            if (name.isEmpty() || !entryCarriesName(reg, item, name))
                fail("registry leftover of an entry that does not carry the program's name");
            break;
        case LeftoverMuiCache:
            if (path.isEmpty() || !item.Path.contains(path, Qt::CaseInsensitive))
                fail("MuiCache leftover that does not name the install path");
            if (!item.ValueName.isEmpty())
                fail("MuiCache leftover with a value name");
            break;
        default:
            fail("the registry query produced a file or folder item");
        }
    }
}

void checkProgram(pw::IRegistry &reg, CAppEnum &inventory, const InstalledProgram &p)
{
    const QByteArray name = field(p.DisplayName, "DisplayName");
    const QByteArray values[] = {
        field(p.DisplayIcon, "DisplayIcon"), field(p.InnoSetupIconGroup, "InnoSetupIconGroup"), name,
        field(p.UninstallString, "UninstallString"), field(p.InstallLocation, "InstallLocation"),
        field(p.Publisher, "Publisher"), field(p.DisplayVersion, "DisplayVersion"),
        field(p.SubKeyName, "SubKeyName"),
    };
    // An empty DisplayName still counts as read; the uninstall command may not be empty.
    if (values[3].isEmpty() || values[3] == "(Unsupported)")
        fail("a record without an uninstall command was listed");
    if (p.Size % 1024 != 0 || p.Size >= uint64_t(3145728) * 1024)
        fail("size outside the believed range");
    FormatSize(p.Size);
    for (const QByteArray &v : values)
        runHelpers(v);

    const QByteArray installPath = installPathOf(p);
    LeftoverList leftovers;
    if (!installPath.isEmpty())
        leftovers = inventory.FindRegistryLeftovers(name, installPath);
    if (kVerbose)
        std::fprintf(stderr, "  %s [%s] size %s, install path [%s], %d registry leftovers\n", name.constData(),
                     values[7].constData(), qPrintable(FormatSize(p.Size)), installPath.constData(),
                     int(leftovers.size()));
    checkLeftovers(reg, leftovers, name, installPath);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    sharelog::SetLogFilePath(QStringLiteral("/dev/null"));
    // The local 8-bit encoding of the product on Linux; the same for every run of an input.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    pw::CFakePlatform platform;
    // A drive that does not exist, so the helpers that look at files find nothing.
    platform.folders.SetDrive('C', "/nonexistent-purgewell-fuzz/drive_c");
    platform.folders.SetFolder(pw::kCsidlAppData, "C:\\users\\fuzz\\AppData\\Roaming");
    platform.folders.SetFolder(pw::kCsidlCommonPrograms, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
    platform.folders.SetFolder(pw::kCsidlCommonDesktop, "C:\\users\\Public\\Desktop");

    Reader in(data, size);
    const uint8_t flags = in.byte();
    platform.system.architecture = (flags & 1) ? pw::kArchitectureAmd64
                                   : (flags & 2) ? pw::kArchitectureArm64 : pw::kArchitectureIntel;
    pw::CFakeRegistry &reg = platform.registry;
    std::vector<std::pair<std::string, std::string>> queries;
    while (!in.atEnd()) {
        const uint8_t tag = in.byte() % 6;
        if (tag <= 2) {
            const std::string subKey = in.string();
            const std::string name = in.string();
            const uint32_t type = in.u32();
            const std::string bytes = in.string();
            const Place &place = kPlaces[tag];
            reg.SetRaw(place.root, place.view, std::string(kUninstallKey) + "\\" + subKey, name, type, bytes);
        } else if (tag == 3) {
            const std::string name = in.string();
            const uint32_t type = in.u32();
            const std::string bytes = in.string();
            reg.SetRaw(pw::RegRoot::ClassesRoot, pw::CFakeRegistry::View64, kMuiCacheKey, name, type, bytes);
        } else if (tag == 4) {
            const Place &place = kPlaces[in.byte() % 3];
            reg.AddKey(place.root, place.view, std::string(kUninstallKey) + "\\" + in.string());
        } else {
            std::string name = in.string();
            std::string path = in.string();
            queries.emplace_back(std::move(name), std::move(path));
        }
    }

    CAppEnum inventory(&reg, &platform.system);
    inventory.EnumPrograms();
    if (kVerbose)
        std::fprintf(stderr, "programs:\n");
    for (const InstalledProgram &p : inventory.GetPrograms())
        checkProgram(reg, inventory, p);
    if (kVerbose)
        std::fprintf(stderr, "updates:\n");
    for (const InstalledProgram &p : inventory.GetUpdates())
        checkProgram(reg, inventory, p);
    for (const auto &q : queries) {
        const QByteArray name = QByteArray::fromStdString(q.first);
        const QByteArray path = QByteArray::fromStdString(q.second);
        runHelpers(name);
        runHelpers(path);
        checkLeftovers(reg, inventory.FindRegistryLeftovers(name, path), name, path);
    }
    if (reg.OpenHandles() != 0)
        fail("a registry key was left open");
    return 0;
}
