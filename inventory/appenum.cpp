#include "inventory/appenum.h"

#include "inventory/productcode.h"
#include "inventory/registryreader.h"
#include "inventory/uninstallkey.h"
#include "libs/sharelog/sharelog.h"

#include <QString>

#include <cstring>
#include <memory>

namespace {

using pw::kUninstallKeyPath;
const char kMuiCacheKey[] = "Local Settings\\Software\\Microsoft\\Windows\\Shell\\MuiCache";
const char kMuiCacheText[] = "HKEY_CLASSES_ROOT\\Local Settings\\Software\\Microsoft\\Windows\\Shell\\MuiCache";

// Up to this many kilobytes an estimate is believed.
constexpr uint64_t kSizeLimitKb = 0xFFFFFFFFull; // the whole DWORD range (4 TiB); more is no usable estimate

std::string entryPath(const QByteArray &subKey)
{
    return pw::UninstallEntryPath(subKey.toStdString());
}

// The product code of a Windows Installer product: the name of the entry Windows Installer
// registered (WindowsInstaller = 1), else the code its MsiExec command names; empty for another
// program.
QByteArray productCodeOf(pw::IRegistry &reg, pw::RegKey entry, const QByteArray &subKey, const InstalledProgram &p)
{
    uint64_t windowsInstaller = 0;
    if (IsProductCode(subKey) && inventory::ReadNumber(reg, entry, "WindowsInstaller", &windowsInstaller)
        && windowsInstaller == 1)
        return subKey.toUpper();
    QByteArray code = ProductCodeFromCommand(FieldText(p.UninstallString));
    if (code.isEmpty() && p.QuietUninstall) {
        char plain[inventory::kFieldSize];
        inventory::ReadText(reg, entry, "UninstallString", plain);
        code = ProductCodeFromCommand(FieldText(plain));
    }
    return code;
}

} // namespace

// The access masks of one pass over an uninstall root.
struct CAppEnum::Pass {
    pw::RegRoot root;
    uint32_t view;      // recorded in each program
    uint32_t openMask;  // the Uninstall key, validation phase
    uint32_t reopenMask;// the Uninstall key, reading phase
    uint32_t entryMask; // each entry subkey
};

CAppEnum::CAppEnum() : m_followsPlatform(true), m_registry(nullptr), m_is64BitSystem(false) {}

CAppEnum::CAppEnum(pw::IRegistry *registry, pw::ISystemInfo *system)
    : m_followsPlatform(false), m_registry(registry), m_is64BitSystem(Is64Bit(system))
{
}

bool CAppEnum::Is64Bit(pw::ISystemInfo *system)
{
    return system && system->NativeArchitecture() == pw::kArchitectureAmd64;
}

pw::IRegistry *CAppEnum::Registry() const
{
    return m_followsPlatform ? pw::CurrentPlatform().registry : m_registry;
}

bool CAppEnum::Is64BitSystem() const
{
    return m_followsPlatform ? Is64Bit(pw::CurrentPlatform().system) : m_is64BitSystem;
}

InstalledProgramList CAppEnum::GetPrograms() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_programs;
}

InstalledProgramList CAppEnum::GetUpdates() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_updates;
}

void CAppEnum::EnumPrograms()
{
    InstalledProgramList programs, updates;
    if (pw::IRegistry *registry = Registry()) {
        const Pass machine32{pw::RegRoot::LocalMachine, pw::kKeyWow64_32Key, 0x20219, 0x20219, 0x201};
        const Pass machine64{pw::RegRoot::LocalMachine, pw::kKeyWow64_64Key, 0x20119, 0x20119, 0x101};
        const Pass user{pw::RegRoot::CurrentUser, 0, 0x20019, 0x20219, 0x201};
        if (Is64BitSystem()) {
            LogInfoEx(sharelog::TimedLine("CAppEnum::Enum64Bit begin with %s\r\n").constData());
            ScanUninstallRoot(*registry, machine32, programs, updates);
            LogInfoEx(sharelog::TimedLine("CAppEnum::Enum64Bit end with %s\r\n").constData());
            ScanUninstallRoot(*registry, machine64, programs, updates);
            LogInfoEx(sharelog::TimedLine("CAppEnum::Enum32Bit end with %s\r\n").constData());
        } else {
            ScanUninstallRoot(*registry, machine32, programs, updates);
        }
        ScanUninstallRoot(*registry, user, programs, updates);
        LogInfoEx(sharelog::TimedLine("CAppEnum::EnumLocalUser end with %s\r\n").constData());
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_programs.swap(programs);
    m_updates.swap(updates);
}

void CAppEnum::ScanUninstallRoot(pw::IRegistry &live, const Pass &pass, InstalledProgramList &programs,
                                 InstalledProgramList &updates)
{
    // Both passes read one copy of the root's Uninstall tree when the backend takes one: one
    // request instead of one per key, and both passes see the same entries.
    const std::unique_ptr<pw::IRegistry> snapshot =
        live.Snapshot(pass.root, kUninstallKeyPath, pass.openMask & (pw::kKeyWow64_32Key | pw::kKeyWow64_64Key));
    pw::IRegistry &reg = snapshot ? *snapshot : live;
    QList<QByteArray> accepted;

    // Validation: which entries are uninstallable programs at all.
    {
        pw::RegKey uninstall = 0;
        if (reg.OpenKey(pw::RootKey(pass.root), kUninstallKeyPath, pass.openMask, &uninstall) != pw::kErrorSuccess)
            return;
        pw::RegKeyGuard guard(reg, uninstall);
        for (uint32_t index = 0;; ++index) {
            char name[260] = {};
            uint32_t length = sizeof name;
            if (reg.EnumKey(uninstall, index, name, &length) != pw::kErrorSuccess)
                break;
            pw::RegKey entry = 0;
            if (reg.OpenKey(pw::RootKey(pass.root), entryPath(name), pass.entryMask, &entry) != pw::kErrorSuccess)
                continue;
            pw::RegKeyGuard entryGuard(reg, entry);
            if (IsListedEntry(reg, entry))
                accepted.append(QByteArray(name));
        }
    }

    // Reading: the accepted entries, in enumeration order.
    pw::RegKey uninstall = 0;
    if (reg.OpenKey(pw::RootKey(pass.root), kUninstallKeyPath, pass.reopenMask, &uninstall) != pw::kErrorSuccess)
        return;
    pw::RegKeyGuard guard(reg, uninstall);
    for (uint32_t index = 0;; ++index) {
        char name[260] = {};
        uint32_t length = sizeof name;
        if (reg.EnumKey(uninstall, index, name, &length) != pw::kErrorSuccess)
            break;
        const QByteArray subKey(name);
        if (!accepted.contains(subKey))
            continue;
        pw::RegKey entry = 0;
        if (reg.OpenKey(pw::RootKey(pass.root), entryPath(subKey), pass.entryMask, &entry) != pw::kErrorSuccess)
            continue;
        pw::RegKeyGuard entryGuard(reg, entry);
        ReadProgramEntry(reg, entry, pass, subKey, accepted, programs, updates);
    }
}

bool CAppEnum::IsListedEntry(pw::IRegistry &reg, pw::RegKey entry)
{
    uint64_t systemComponent = 0;
    if (inventory::ReadNumber(reg, entry, "SystemComponent", &systemComponent) && systemComponent == 1)
        return false;
    char text[260];
    if (!inventory::ReadText(reg, entry, "DisplayName", text))
        return false;
    inventory::ReadText(reg, entry, "UninstallString", text);
    return text[0] != '\0' && std::strcmp(text, "(Unsupported)") != 0;
}

bool CAppEnum::IsTopLevelProgram(pw::IRegistry &reg, pw::RegKey entry, const QList<QByteArray> &accepted)
{
    char text[260];
    inventory::ReadText(reg, entry, "ParentKeyName", text);
    if (text[0] == '\0')
        return true;
    if (accepted.contains(QByteArray(text)))
        return false;
    inventory::ReadText(reg, entry, "ReleaseType", text);
    if (!std::strcmp(text, "Security Update") || !std::strcmp(text, "Hotfix") || !std::strcmp(text, "Service Pack"))
        return false;
    uint64_t minor = 0;
    inventory::ReadNumber(reg, entry, "IsMinorUpgrade", &minor);
    return minor != 1;
}

void CAppEnum::ReadProgramEntry(pw::IRegistry &reg, pw::RegKey entry, const Pass &pass, const QByteArray &subKey,
                                const QList<QByteArray> &accepted, InstalledProgramList &programs,
                                InstalledProgramList &updates)
{
    InstalledProgram p;
    const bool topLevel = IsTopLevelProgram(reg, entry, accepted);
    if (!inventory::ReadText(reg, entry, "DisplayName", p.DisplayName))
        return;
    inventory::ReadText(reg, entry, "DisplayIcon", p.DisplayIcon);
    inventory::ReadText(reg, entry, "Inno Setup: Icon Group", p.InnoSetupIconGroup);
    inventory::ReadText(reg, entry, "QuietUninstallString", p.UninstallString);
    p.QuietUninstall = p.UninstallString[0] != '\0';
    if (!p.QuietUninstall)
        inventory::ReadText(reg, entry, "UninstallString", p.UninstallString);
    if (p.UninstallString[0] == '\0' || !std::strcmp(p.UninstallString, "(Unsupported)"))
        return;
    const QByteArray productCode = productCodeOf(reg, entry, subKey, p);
    if (productCode.size() < int(sizeof p.ProductCode))
        std::memcpy(p.ProductCode, productCode.constData(), size_t(productCode.size()));
    inventory::ReadText(reg, entry, "InstallLocation", p.InstallLocation);
    inventory::ReadText(reg, entry, "Publisher", p.Publisher);
    inventory::ReadText(reg, entry, "DisplayVersion", p.DisplayVersion);
    uint64_t kilobytes = 0;
    inventory::ReadNumber(reg, entry, "EstimatedSize", &kilobytes);
    if (kilobytes != 0 && kilobytes <= kSizeLimitKb)
        p.Size = kilobytes * 1024;
    p.RegistryRoot = uint32_t(pass.root);
    p.RegistryView = pass.view;
    inventory::CopyField(p.SubKeyName, subKey);
    (topLevel ? programs : updates).append(p);
}

LeftoverList CAppEnum::FindRegistryLeftovers(const InstalledProgram &program, const QByteArray &installPath)
{
    LeftoverList result;
    pw::IRegistry *registry = Registry();
    if (!registry)
        return result;
    pw::IRegistry &reg = *registry;
    if (Is64BitSystem()) {
        FindUninstallKeyLeftovers(reg, pw::RegRoot::LocalMachine, pw::kKeyWow64_32Key, 0x201, program, result);
        FindUninstallKeyLeftovers(reg, pw::RegRoot::LocalMachine, pw::kKeyWow64_64Key, 0x101, program, result);
    } else {
        FindUninstallKeyLeftovers(reg, pw::RegRoot::LocalMachine, pw::kKeyWow64_32Key, 0x201, program, result);
    }
    FindUninstallKeyLeftovers(reg, pw::RegRoot::CurrentUser, 0, 0x101, program, result);
    FindMuiCacheLeftovers(reg, QString::fromLocal8Bit(installPath), result);
    return result;
}

void CAppEnum::FindUninstallKeyLeftovers(pw::IRegistry &reg, pw::RegRoot root, uint32_t view, uint32_t entryMask,
                                         const InstalledProgram &program, LeftoverList &result)
{
    // Only the entry the record was read from: another entry whose name merely contains this
    // program's name ("Java" and "Java 8 Update 301") belongs to another program.
    const QByteArray subKey(program.SubKeyName, int(strnlen(program.SubKeyName, inventory::kFieldSize)));
    if (subKey.isEmpty() || program.RegistryRoot != uint32_t(root) || program.RegistryView != view)
        return;
    pw::RegKey entry = 0;
    if (reg.OpenKey(pw::RootKey(root), entryPath(subKey), entryMask, &entry) != pw::kErrorSuccess)
        return;
    pw::RegKeyGuard entryGuard(reg, entry);
    const QString path = QString::fromLocal8Bit(entryPath(subKey).c_str());
    uint32_t count = 0;
    reg.QueryValueCount(entry, &count);
    for (uint32_t v = 0; v < count; ++v) {
        char valueName[260] = {};
        uint32_t nameLength = sizeof valueName;
        uint32_t type = 0;
        if (reg.EnumValue(entry, v, valueName, &nameLength, &type) != pw::kErrorSuccess)
            continue;
        QString data;
        char text[260];
        uint64_t number = 0;
        if (inventory::ReadText(reg, entry, valueName, text))
            data = QString::fromLocal8Bit(text);
        else if (inventory::ReadNumber(reg, entry, valueName, &number))
            data = QString::number(number);
        LeftoverItem item;
        item.Text = path + QLatin1Char('|') + QString::fromLocal8Bit(valueName) + QLatin1Char(':') + data;
        item.Path = path;
        item.ValueName = QString::fromLocal8Bit(valueName);
        item.Kind = LeftoverRegistry;
        item.RegistryRoot = uint32_t(root);
        item.RegistryView = view;
        result.append(item);
    }
    LeftoverItem key;
    key.Text = path;
    key.Path = path;
    key.Kind = LeftoverRegistry;
    key.RegistryRoot = uint32_t(root);
    key.RegistryView = view;
    result.append(key);
}

void CAppEnum::FindMuiCacheLeftovers(pw::IRegistry &reg, const QString &installPath, LeftoverList &result)
{
    if (installPath.isEmpty())
        return;
    // HKEY_CLASSES_ROOT\Local Settings is the user's own Software\Classes\Local Settings; Wine
    // keeps the values only there.
    pw::RegRoot root = pw::RegRoot::CurrentUser;
    pw::RegKey cache = 0;
    if (reg.OpenKey(pw::RootKey(root), MuiCacheKey(root), pw::kKeyRead, &cache) != pw::kErrorSuccess) {
        root = pw::RegRoot::ClassesRoot;
        if (reg.OpenKey(pw::RootKey(root), MuiCacheKey(root), pw::kKeyRead, &cache) != pw::kErrorSuccess)
            return;
    }
    pw::RegKeyGuard guard(reg, cache);
    uint32_t count = 0;
    reg.QueryValueCount(cache, &count);
    for (uint32_t v = 0; v < count; ++v) {
        char valueName[260] = {};
        uint32_t nameLength = sizeof valueName;
        uint32_t type = 0;
        if (reg.EnumValue(cache, v, valueName, &nameLength, &type) != pw::kErrorSuccess)
            continue;
        const QString value = QString::fromLocal8Bit(valueName);
        if (!MuiCacheNamesPath(value, installPath))
            continue;
        LeftoverItem item;
        item.Text = QLatin1String(kMuiCacheText) + QLatin1Char('|') + value;
        item.Path = value;
        item.Kind = LeftoverMuiCache;
        item.RegistryRoot = uint32_t(root);
        result.append(item);
    }
}

std::string MuiCacheKey(pw::RegRoot root)
{
    return root == pw::RegRoot::CurrentUser ? std::string("Software\\Classes\\") + kMuiCacheKey : std::string(kMuiCacheKey);
}

bool MuiCacheNamesPath(const QString &valueName, const QString &path)
{
    if (path.isEmpty())
        return false;
    const bool endsWithSeparator = path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'));
    for (int at = valueName.indexOf(path, 0, Qt::CaseInsensitive); at >= 0;
         at = valueName.indexOf(path, at + 1, Qt::CaseInsensitive)) {
        const QStringRef rest = valueName.midRef(at + path.size());
        if (endsWithSeparator || rest.isEmpty() || rest.startsWith(QLatin1Char('\\')) || rest.startsWith(QLatin1Char('/')))
            return true;
        // The names Windows stores for a program file itself: "<file>.FriendlyAppName".
        for (const char *suffix : {".FriendlyAppName", ".ApplicationCompany"})
            if (rest.compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}
