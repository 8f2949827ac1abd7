// Everything that reads the uninstall registry, fed with whatever a program may have written
// there: the inventory scan, the registry leftover query, the helpers on every field it fills,
// and the leftover scan's path rules (install path, program folders, protected places, weak
// names, other programs' property) up to a whole scan without the removal; and the .reg backup
// of every key the input wrote, whose text must read back to the same values. Drive C: lies below
// /dev/null, so nothing on the disk can be reached: every listing and stat finds nothing.
//
// Input format (integers little-endian; a string is a u16 length and that many bytes, cut
// short where the input ends):
//   u8 flags             bit 0: 64-bit system; bit 1 (when 32-bit): ARM64 instead of x86
//   then records until the input ends, each starting with a tag byte (taken modulo 6):
//   0, 1, 2  a value under the Uninstall key of HKLM 64-bit view, HKLM 32-bit view, HKCU:
//            string subkey, string value name, u32 type, string data
//   3        a MuiCache value: string value name, u32 type, string data; under
//            HKEY_CLASSES_ROOT, or when the tag byte divided by 6 is odd, where Windows and
//            Wine keep it per user (below HKCU "Software\Classes")
//   4        an empty key: u8 place (0..2 as above), string subkey
//   5        an extra leftover query for a record of the fuzzer's making:
//            u8 place, string subkey, string display name, string install path
// tests/fuzz/makecorpus.py writes the seed corpus in this format.
#include "inventory/appenum.h"
#include "inventory/productcode.h"
#include "inventory/programhelpers.h"
#include "inventory/registryreader.h"
#include "libs/sharelog/sharelog.h"
#include "platform/fake/fakeplatform.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/otherprograms.h"
#include "leftovers/programpaths.h"
#include "leftovers/protectedplaces.h"
#include "leftovers/regexport.h"
#include "leftovers/uninstallworker.h"
#include "leftovers/weaknames.h"
#include "leftovers/windowspath.h"

#include <QSet>
#include <QTextCodec>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// PURGEWELL_FUZZ_VERBOSE=1 prints what an input decodes to (for looking at a crash input).
const bool kVerbose = std::getenv("PURGEWELL_FUZZ_VERBOSE") != nullptr;

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr size_t kField = 260;
// Whole scans re-read the registry; a few per input keep the fuzzer fast.
constexpr int kScansPerInput = 4;

// The machine's special folders (CSIDL, path). All of them, and every folder above them, are
// places no leftover rule may hand out.
const std::pair<int, const char *> kFolders[] = {
    {pw::kCsidlAppData, "C:\\users\\fuzz\\AppData\\Roaming"},
    {pw::kCsidlCommonPrograms, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
    {pw::kCsidlCommonDesktop, "C:\\users\\Public\\Desktop"},
    {0x16, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu"},
    {0x23, "C:\\ProgramData"},
    {0x24, "C:\\windows"},
    {0x25, "C:\\windows\\system32"},
    {0x26, "C:\\Program Files"},
    {0x2a, "C:\\Program Files (x86)"},
    {0x2b, "C:\\Program Files\\Common Files"},
    {0x28, "C:\\users\\fuzz"},
    {0x1c, "C:\\users\\fuzz\\AppData\\Local"},
    {0x10, "C:\\users\\fuzz\\Desktop"},
    {0x02, "C:\\users\\fuzz\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
};

// Entries repeat their paths: each is checked once per input (cleared for every input).
QSet<QString> g_checkedPaths;

// Stops the run with a message: libFuzzer keeps the input that got here.
[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "registry fuzzer: %s %s\n", what, detail.toLocal8Bit().constData());
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
    uint32_t recordView; // as InstalledProgram::RegistryView holds it
};
const Place kPlaces[] = {
    {pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64, pw::kKeyWow64_64Key},
    {pw::RegRoot::LocalMachine, pw::CFakeRegistry::View32, pw::kKeyWow64_32Key},
    {pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, 0},
};

struct Query {
    InstalledProgram record;
    QByteArray installPath;
};

QByteArray field(const char *f, const char *name)
{
    const void *end = std::memchr(f, 0, kField);
    if (!end)
        fail("a record field without its terminator:", QLatin1String(name));
    return QByteArray(f, int(static_cast<const char *>(end) - f));
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Other spellings Windows takes for the same folder: other case, forward or doubled
// separators, trailing dots and spaces.
QStringList spellings(const QString &normalized)
{
    QString flipped = normalized;
    for (QChar &c : flipped)
        if (isAsciiLetter(c))
            c = c.isUpper() ? c.toLower() : c.toUpper();
    flipped.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString doubled = normalized;
    doubled.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    if (normalized.size() > 3)
        doubled += QStringLiteral(". ");
    return {flipped + QLatin1Char('/'), doubled};
}

// Invariants of the path rules for one path taken from the registry.
void checkPath(const CProtectedPlaces &places, const COtherPrograms &others, const QString &path)
{
    if (g_checkedPaths.contains(path))
        return;
    g_checkedPaths.insert(path);
    const QString n = winpath::Normalize(path);
    if (n.isEmpty()) {
        if (!places.IsProtected(path))
            fail("a path that is not plain and absolute was not refused:", path);
        return;
    }
    if (n.size() < 3 || !isAsciiLetter(n.at(0)) || n.at(1) != QLatin1Char(':') || n.at(2) != QLatin1Char('\\')
        || n.contains(QLatin1Char('/')) || n.contains(QStringLiteral("\\\\"))
        || (n.size() > 3 && n.endsWith(QLatin1Char('\\'))))
        fail("Normalize gave an unusual spelling:", n);
    if (winpath::Normalize(n) != n)
        fail("Normalize is not stable:", n);
    for (const QString &name : winpath::Components(n))
        if (name.isEmpty() || name.count(QLatin1Char('.')) == name.size() || name.endsWith(QLatin1Char('.'))
            || name.endsWith(QLatin1Char(' ')))
            fail("Normalize kept a name Windows reads differently:", n);

    // Up the tree to the drive root, each step a folder that holds the last.
    QString child = n;
    for (int steps = 0;; ++steps) {
        const QString parent = winpath::Parent(child);
        if (parent.isEmpty())
            break;
        if (steps > winpath::Components(n).size() || parent.size() >= child.size()
            || !winpath::IsSameOrInside(child, parent) || winpath::IsSameOrInside(parent, child))
            fail("Parent does not climb the tree:", child);
        child = parent;
    }
    if (child.size() != 3 || !places.IsProtected(child))
        fail("a drive root is not protected:", child);

    // The verdicts depend on the folder, not on how the entry spelled it.
    const bool isProtected = places.IsProtected(n);
    const QString owner = others.OwnerOfPath(n);
    for (const QString &other : spellings(n)) {
        if (places.IsProtected(other) != isProtected)
            fail("protection depends on the spelling:", other);
        if (others.OwnerOfPath(other).isEmpty() != owner.isEmpty())
            fail("another program's folder is missed in another spelling:", other);
    }
    for (const auto &folder : kFolders) {
        const QString place = QString::fromLatin1(folder.second);
        if (winpath::IsSameOrInside(place, n) && !isProtected)
            fail("a special folder or a folder above one is not protected:", n);
    }
    const QString last = winpath::LastName(n);
    IsWeakName(last);
}

// The helpers the pages and the leftover scan apply to record values.
void runHelpers(const CProtectedPlaces &places, const COtherPrograms &others, const QByteArray &value)
{
    const QByteArray icon = GetIconFilePath(value);
    if (icon.size() > value.size() || icon.contains('"') || icon.contains(','))
        fail("GetIconFilePath left a quote or comma, or grew");
    const QByteArray title = GetFileTitle(value);
    if (title.size() > value.size())
        fail("GetFileTitle grew");
    ProgramIconFile(value);
    GetCreationTime(value);
    const QByteArray path = PathFromValue(value);
    if (path.size() > value.size())
        fail("PathFromValue grew");
    checkPath(places, others, QString::fromLocal8Bit(path));
    const QString uninstaller = UninstallerFile(value);
    if (!uninstaller.isEmpty())
        checkPath(places, others, uninstaller);
    IsWeakName(QString::fromLocal8Bit(value));
}

QString ownEntryPath(const InstalledProgram &p)
{
    return QString::fromLocal8Bit((std::string(kUninstallKey) + "\\" + p.SubKeyName).c_str());
}

// What the registry query may hand out for deletion: the record's own uninstall entry, and
// MuiCache values that name the install path.
void checkLeftovers(const LeftoverList &items, const InstalledProgram &p, const QByteArray &installPath)
{
    const QString path = QString::fromLocal8Bit(installPath);
    for (const LeftoverItem &item : items) {
        switch (item.Kind) {
        case LeftoverRegistry:
            if (p.SubKeyName[0] == '\0' || item.Path != ownEntryPath(p) || item.RegistryRoot != p.RegistryRoot
                || item.RegistryView != p.RegistryView)
                fail("registry leftover that is not the program's own entry:", item.Path);
            break;
        case LeftoverMuiCache:
            if (path.isEmpty() || !item.Path.contains(path, Qt::CaseInsensitive) || !MuiCacheNamesPath(item.Path, path))
                fail("MuiCache leftover that does not name the install path:", item.Path);
            if (!item.ValueName.isEmpty())
                fail("MuiCache leftover with a value name");
            break;
        default:
            fail("the registry query produced a file or folder item");
        }
    }
}

// A whole scan for `p` as if its uninstaller had just ended, without the removal.
void checkScan(pw::CFakePlatform &platform, const CProtectedPlaces &places, const InstalledProgramList &programs,
               const InstalledProgram &p)
{
    InstalledProgramList rest;
    for (const InstalledProgram &q : programs)
        if (q.RegistryRoot != p.RegistryRoot || q.RegistryView != p.RegistryView
            || qstricmp(q.SubKeyName, p.SubKeyName) != 0)
            rest.append(q);
    const COtherPrograms others(rest, places);

    CLeftoverCleaner cleaner(pw::CurrentPlatform());
    const CleanResult result = cleaner.ScanLeftovers(p);
    const QByteArray installPath = LeftoverInstallPath(p);
    if (kVerbose)
        std::fprintf(stderr, "    scan: %s, %d found, %d refused\n", result.StillInstalled ? "still installed" : "done",
                     int(result.Found.size()), int(result.Refused.size()));
    if (result.StillInstalled && !result.Found.isEmpty())
        fail("a program still installed has leftovers");
    const QString path = QString::fromLocal8Bit(installPath);
    for (const LeftoverItem &item : result.Found) {
        if (item.Kind == LeftoverFile || item.Kind == LeftoverFolder)
            fail("the scan found a file on a drive that does not exist:", item.Path);
        if (item.Kind == LeftoverMuiCache && places.IsProtected(path))
            fail("MuiCache leftovers for a protected install path:", path);
        if (item.Kind == LeftoverMuiCache) {
            // The value's path, without the "@" and the suffix Windows adds.
            QString named = item.Path;
            if (named.startsWith(QLatin1Char('@')))
                named.remove(0, 1);
            for (const char *suffix : {".FriendlyAppName", ".ApplicationCompany"})
                if (named.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
                    named.chop(int(std::strlen(suffix)));
            if (!others.OwnerOfPath(named).isEmpty())
                fail("MuiCache leftover inside another installed program's folder:", item.Path);
        }
    }
    checkLeftovers(result.Found, p, installPath);
    if (platform.registry.OpenHandles() != 0)
        fail("the scan left a registry key open");
}

void checkProgram(pw::CFakePlatform &platform, CAppEnum &inventory, const CProtectedPlaces &places,
                  const InstalledProgramList &programs, const COtherPrograms &others, const InstalledProgram &p,
                  bool isUpdate, int &scans)
{
    const QByteArray values[] = {
        field(p.DisplayIcon, "DisplayIcon"), field(p.InnoSetupIconGroup, "InnoSetupIconGroup"),
        field(p.DisplayName, "DisplayName"), field(p.UninstallString, "UninstallString"),
        field(p.InstallLocation, "InstallLocation"), field(p.Publisher, "Publisher"),
        field(p.DisplayVersion, "DisplayVersion"), field(p.SubKeyName, "SubKeyName"),
    };
    // An empty DisplayName still counts as read; the uninstall command may not be empty.
    if (values[3].isEmpty() || values[3] == "(Unsupported)")
        fail("a record without an uninstall command was listed");
    // A product code is whole and in upper case, and an entry with one is removed by msiexec
    // unless it brings a quiet command of its own.
    if (!std::memchr(p.ProductCode, 0, sizeof p.ProductCode))
        fail("a record field without its terminator:", QStringLiteral("ProductCode"));
    const QByteArray productCode(p.ProductCode);
    if (!productCode.isEmpty() && (!IsProductCode(productCode) || productCode != productCode.toUpper()))
        fail("a product code that is none:", QString::fromLatin1(productCode));
    const QByteArray command = UninstallCommandFor(p);
    if (command != (productCode.isEmpty() || p.QuietUninstall ? values[3] : "MsiExec.exe /X" + productCode))
        fail("an uninstall command that is not the entry's nor msiexec's:", QString::fromLocal8Bit(command));
    if (p.Size % 1024 != 0 || p.Size > uint64_t(0xFFFFFFFFull) * 1024)
        fail("size outside the believed range");
    FormatSize(p.Size);
    for (const QByteArray &v : values)
        runHelpers(places, others, v);

    const QByteArray installPath = LeftoverInstallPath(p);
    const QString folder = ProgramFolder(p);
    if (!folder.isEmpty()) {
        checkPath(places, others, folder);
        // Updates are not counted as programs of their own.
        if (!isUpdate && !places.IsProtected(folder) && others.OwnerOfPath(folder).isEmpty())
            fail("an installed program's folder is not its own:", folder);
    }
    LeftoverList leftovers;
    if (!installPath.isEmpty()) {
        checkPath(places, others, QString::fromLocal8Bit(installPath));
        leftovers = inventory.FindRegistryLeftovers(p, installPath);
    }
    if (kVerbose)
        std::fprintf(stderr, "  %s [%s] size %s, install path [%s], folder [%s], %d registry leftovers\n",
                     values[2].constData(), values[7].constData(), qPrintable(FormatSize(p.Size)),
                     installPath.constData(), folder.toLocal8Bit().constData(), int(leftovers.size()));
    checkLeftovers(leftovers, p, installPath);
    if (scans-- > 0)
        checkScan(platform, places, programs, p);
}


// A .reg text read back: key paths and, per key, (name, type, data) with string data as the
// UTF-16LE bytes the file holds.
struct ParsedValue {
    QString name;
    uint32_t type;
    QByteArray data;
};
using ParsedKeys = std::vector<std::pair<QString, std::vector<ParsedValue>>>;

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    return u >= '0' && u <= '9' ? u - '0' : u >= 'a' && u <= 'f' ? u - 'a' + 10 : -1;
}

// Reads a quoted string at text[*pos] (the opening quote), undoing the escapes.
bool unquote(const QString &text, int *pos, QString *out)
{
    if (*pos >= text.size() || text.at(*pos) != QLatin1Char('"'))
        return false;
    for (int i = *pos + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            *pos = i + 1;
            return true;
        }
        if (c == QLatin1Char('\\')) {
            if (++i >= text.size())
                return false;
            const QChar e = text.at(i);
            *out += e == QLatin1Char('n') ? QChar('\n') : e == QLatin1Char('r') ? QChar('\r')
                    : e == QLatin1Char('0') ? QChar(0) : e;
        } else {
            *out += c;
        }
    }
    return false;
}

QByteArray utf16(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

bool parseRegText(const QByteArray &file, ParsedKeys *keys)
{
    if (!file.startsWith(QByteArray("\xff\xfe", 2)) || file.size() % 2)
        return false;
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(file.constData() + 2),
                                            (file.size() - 2) / 2);
    const QString header = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
    if (!text.startsWith(header) || !text.endsWith(QStringLiteral("\r\n")))
        return false;
    QStringList lines = text.mid(header.size()).split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return false;
            keys->push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        if (keys->empty())
            return false;
        ParsedValue v;
        int pos = 0;
        if (line.startsWith(QLatin1Char('@')))
            pos = 1;
        else if (!unquote(line, &pos, &v.name))
            return false;
        if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
            return false;
        QString rest = line.mid(pos + 1);
        if (rest.startsWith(QLatin1Char('"'))) {
            QString s;
            int p = 0;
            if (!unquote(rest, &p, &s) || p != rest.size())
                return false;
            v.type = pw::kRegSz;
            v.data = utf16(s + QChar(0));
        } else if (rest.startsWith(QStringLiteral("dword:"))) {
            bool ok = false;
            const uint32_t n = rest.mid(6).toUInt(&ok, 16);
            if (!ok || rest.size() != 14)
                return false;
            v.type = pw::kRegDword;
            v.data = QByteArray(reinterpret_cast<const char *>(&n), 4);
        } else {
            int colon = rest.indexOf(QLatin1Char(':'));
            if (!rest.startsWith(QStringLiteral("hex")) || colon < 0)
                return false;
            const QString kind = rest.left(colon);
            bool ok = true;
            v.type = kind == QStringLiteral("hex") ? pw::kRegBinary
                     : kind.startsWith(QStringLiteral("hex(")) && kind.endsWith(QLatin1Char(')'))
                         ? kind.mid(4, kind.size() - 5).toUInt(&ok, 16) : (ok = false, 0u);
            if (!ok)
                return false;
            QString hex = rest.mid(colon + 1);
            while (hex.endsWith(QLatin1Char('\\'))) {
                if (++i >= lines.size() || !lines[i].startsWith(QStringLiteral("  ")))
                    return false;
                hex.chop(1);
                hex += lines[i].mid(2);
            }
            if (!hex.isEmpty())
                for (const QString &b : hex.split(QLatin1Char(','))) {
                    if (b.size() != 2 || hexDigit(b.at(0)) < 0 || hexDigit(b.at(1)) < 0)
                        return false;
                    v.data.append(char(hexDigit(b.at(0)) * 16 + hexDigit(b.at(1))));
                }
        }
        keys->back().second.push_back(v);
    }
    return true;
}

bool isStringType(uint32_t type)
{
    return type == pw::kRegSz || type == pw::kRegExpandSz || type == pw::kRegMultiSz;
}

// The backup of every key below `path` in the places the input wrote to: its text must read
// back to the same keys and values.
void checkBackup(pw::CFakeRegistry &reg, pw::RegRoot root, uint32_t view, const std::string &path)
{
    std::vector<RegExportKey> keys;
    if (!ReadRegExportKey(reg, root, view, path, &keys))
        fail("a backup read failed on a readable registry");
    const QByteArray text = RegExportText(keys);
    ParsedKeys parsed;
    if (!parseRegText(text, &parsed))
        fail("the backup text does not parse");
    std::vector<const RegExportKey *> written;
    for (const RegExportKey &k : keys)
        if (RegExportProblem({k}).isEmpty())
            written.push_back(&k);
    if (written.size() != parsed.size())
        fail("the backup has another number of keys");
    for (size_t i = 0; i < written.size(); ++i) {
        const RegExportKey &k = *written[i];
        if (parsed[i].first != QString::fromLocal8Bit(k.path.data(), int(k.path.size())))
            fail("a backup key path changed:", parsed[i].first);
        if (parsed[i].second.size() != k.values.size())
            fail("a backup key lost or gained values:", parsed[i].first);
        for (size_t j = 0; j < k.values.size(); ++j) {
            const RegExportKey::Value &v = k.values[j];
            const ParsedValue &p = parsed[i].second[j];
            const QByteArray raw(reinterpret_cast<const char *>(v.data.data()), int(v.data.size()));
            const QByteArray expected =
                isStringType(v.type) ? utf16(QString::fromLocal8Bit(raw.constData(), raw.size())) : raw;
            if (p.name != QString::fromLocal8Bit(v.name.data(), int(v.name.size())) || p.type != v.type
                || p.data != expected)
                fail("a backup value does not read back the same:",
                     QStringLiteral("%1 type %2/%3: %4 read back as %5")
                         .arg(p.name).arg(v.type).arg(p.type)
                         .arg(QString::fromLatin1(expected.toHex()), QString::fromLatin1(p.data.toHex())));
        }
    }
    if (reg.OpenHandles() != 0)
        fail("the backup read left a registry key open");
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
    g_checkedPaths.clear();
    pw::CFakePlatform platform;
    // Below a device: no path under it can ever exist, whatever ".." it holds.
    platform.folders.SetDrive('C', "/dev/null/purgewell-fuzz/drive_c");
    for (const auto &folder : kFolders)
        platform.folders.SetFolder(folder.first, folder.second);

    Reader in(data, size);
    const uint8_t flags = in.byte();
    platform.system.architecture = (flags & 1) ? pw::kArchitectureAmd64
                                   : (flags & 2) ? pw::kArchitectureArm64 : pw::kArchitectureIntel;
    pw::CFakeRegistry &reg = platform.registry;
    std::vector<Query> queries;
    while (!in.atEnd()) {
        const uint8_t byte = in.byte();
        const uint8_t tag = byte % 6;
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
            const bool perUser = (byte / 6) % 2;
            reg.SetRaw(perUser ? pw::RegRoot::CurrentUser : pw::RegRoot::ClassesRoot, pw::CFakeRegistry::View64,
                       MuiCacheKey(perUser ? pw::RegRoot::CurrentUser : pw::RegRoot::ClassesRoot), name, type, bytes);
        } else if (tag == 4) {
            const Place &place = kPlaces[in.byte() % 3];
            reg.AddKey(place.root, place.view, std::string(kUninstallKey) + "\\" + in.string());
        } else {
            const Place &place = kPlaces[in.byte() % 3];
            Query q;
            q.record.RegistryRoot = uint32_t(place.root);
            q.record.RegistryView = place.recordView;
            inventory::CopyField(q.record.SubKeyName, QByteArray::fromStdString(in.string()));
            inventory::CopyField(q.record.DisplayName, QByteArray::fromStdString(in.string()));
            q.installPath = QByteArray::fromStdString(in.string());
            queries.push_back(q);
        }
    }

    CAppEnum inventory(&reg, &platform.system);
    inventory.EnumPrograms();
    const InstalledProgramList programs = inventory.GetPrograms();
    const InstalledProgramList updates = inventory.GetUpdates();
    const CProtectedPlaces places(&platform.folders);
    const COtherPrograms others(programs, places);
    int scans = kScansPerInput;
    if (kVerbose)
        std::fprintf(stderr, "programs:\n");
    for (const InstalledProgram &p : programs)
        checkProgram(platform, inventory, places, programs, others, p, false, scans);
    if (kVerbose)
        std::fprintf(stderr, "updates:\n");
    for (const InstalledProgram &p : updates)
        checkProgram(platform, inventory, places, programs, others, p, true, scans);
    for (const Query &q : queries) {
        runHelpers(places, others, q.installPath);
        checkLeftovers(inventory.FindRegistryLeftovers(q.record, q.installPath), q.record, q.installPath);
    }
    for (const Place &place : kPlaces)
        checkBackup(reg, place.root, place.recordView, kUninstallKey);
    checkBackup(reg, pw::RegRoot::CurrentUser, 0, MuiCacheKey(pw::RegRoot::CurrentUser));
    checkBackup(reg, pw::RegRoot::ClassesRoot, 0, MuiCacheKey(pw::RegRoot::ClassesRoot));
    if (reg.OpenHandles() != 0)
        fail("a registry key was left open");
    return 0;
}
