#include "platform/win32/win32windowsinstaller.h"

#include "platform/win32/win32text.h"

#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>

#include <vector>

namespace pw {

namespace {

// Closes an msi.dll handle at the end of the scope.
class MsiHandle {
public:
    MsiHandle() = default;
    ~MsiHandle()
    {
        if (m_handle)
            MsiCloseHandle(m_handle);
    }
    MsiHandle(const MsiHandle &) = delete;
    MsiHandle &operator=(const MsiHandle &) = delete;
    MSIHANDLE *Out() { return &m_handle; }
    MSIHANDLE Get() const { return m_handle; }

private:
    MSIHANDLE m_handle = 0;
};

// A product property; empty when it is not set.
UINT ProductProperty(const std::wstring &product, const wchar_t *property, std::wstring *value)
{
    value->clear();
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = DWORD(buffer.size());
        const UINT r = MsiGetProductInfoW(product.c_str(), property, &buffer[0], &size);
        if (r == ERROR_MORE_DATA) {
            buffer.assign(size_t(size) + 1, L'\0');
            continue;
        }
        if (r == ERROR_SUCCESS)
            value->assign(buffer.c_str(), size);
        return r;
    }
    return ERROR_MORE_DATA;
}

// The key path of a component the product installed on this machine; empty when it is not
// installed locally.
std::wstring ComponentPath(const std::wstring &product, const std::wstring &component)
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = DWORD(buffer.size());
        const INSTALLSTATE state = MsiGetComponentPathW(product.c_str(), component.c_str(), &buffer[0], &size);
        if (state == INSTALLSTATE_MOREDATA) {
            buffer.assign(size_t(size) + 1, L'\0');
            continue;
        }
        return state == INSTALLSTATE_LOCAL ? std::wstring(buffer.c_str(), size) : std::wstring();
    }
    return std::wstring();
}

// The ComponentId of every component of the package; the components without one are never
// registered.
std::vector<std::wstring> PackageComponents(const std::wstring &package)
{
    std::vector<std::wstring> ids;
    MsiHandle database, view;
    if (MsiOpenDatabaseW(package.c_str(), nullptr /* MSIDBOPEN_READONLY */, database.Out()) != ERROR_SUCCESS
        || MsiDatabaseOpenViewW(database.Get(), L"SELECT `ComponentId` FROM `Component`", view.Out()) != ERROR_SUCCESS
        || MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS)
        return ids;
    for (;;) {
        MsiHandle record;
        if (MsiViewFetch(view.Get(), record.Out()) != ERROR_SUCCESS)
            break;
        wchar_t id[64] = {};
        DWORD size = DWORD(sizeof id / sizeof id[0]);
        if (MsiRecordGetStringW(record.Get(), 1, id, &size) == ERROR_SUCCESS && size > 0)
            ids.emplace_back(id, size);
    }
    MsiViewClose(view.Get());
    return ids;
}

bool SameName(const std::wstring &a, const std::wstring &b)
{
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_EQUAL;
}

// "C:\A\B" as {"C:", "A", "B"}; empty for anything but a plain absolute path of a drive.
std::vector<std::wstring> Components(std::wstring path)
{
    std::vector<std::wstring> parts;
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    if (path.size() < 3 || !iswalpha(path[0]) || path[1] != L':' || path[2] != L'\\')
        return parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    for (const std::wstring &part : parts)
        if (part == L"." || part == L"..")
            return {};
    return parts;
}

std::wstring Join(const std::vector<std::wstring> &parts)
{
    std::wstring path;
    for (const std::wstring &part : parts)
        path += (path.empty() ? L"" : L"\\") + part;
    return parts.size() == 1 ? path + L"\\" : path;
}

// Whether `inner` is `outer` or lies below it.
bool IsSameOrInside(const std::vector<std::wstring> &inner, const std::vector<std::wstring> &outer)
{
    if (outer.empty() || inner.size() < outer.size())
        return false;
    for (size_t i = 0; i < outer.size(); ++i)
        if (!SameName(inner[i], outer[i]))
            return false;
    return true;
}

std::vector<std::wstring> SpecialFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    return SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE) ? Components(path) : std::vector<std::wstring>();
}

// Folders many programs share: no program's own folder is one of them or above one of them.
bool IsSharedFolderOrAbove(const std::vector<std::wstring> &folder)
{
    if (folder.size() < 2)
        return true; // a drive root
    static const int kShared[] = {
        CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_SYSTEMX86, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86,
        CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86, CSIDL_COMMON_APPDATA, CSIDL_COMMON_PROGRAMS,
        CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_DOCUMENTS, CSIDL_PROFILE, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA,
        CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,
    };
    for (int csidl : kShared) {
        std::vector<std::wstring> shared = SpecialFolder(csidl);
        if (IsSameOrInside(shared, folder))
            return true;
        // The folder of every user's profile, too.
        if (csidl == CSIDL_PROFILE && shared.size() > 2) {
            shared.pop_back();
            if (IsSameOrInside(shared, folder))
                return true;
        }
    }
    return false;
}

// The product's component folders that say where it lives, in package order. Files in the
// Windows folder and in Common Files lie beside those of many programs and say nothing.
std::vector<std::vector<std::wstring>> ComponentFolders(const std::wstring &product)
{
    std::vector<std::vector<std::wstring>> folders;
    std::wstring package;
    if (ProductProperty(product, L"LocalPackage", &package) != ERROR_SUCCESS || package.empty())
        return folders;
    std::vector<std::vector<std::wstring>> sideBySide;
    for (int csidl : {CSIDL_WINDOWS, CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86})
        sideBySide.push_back(SpecialFolder(csidl));
    for (const std::wstring &component : PackageComponents(package)) {
        const std::wstring keyPath = ComponentPath(product, component);
        // A registry key path reads "02:\SOFTWARE\..."; a folder key path ends in a backslash.
        std::vector<std::wstring> parts = Components(keyPath);
        if (parts.empty())
            continue;
        if (keyPath.back() != L'\\' && keyPath.back() != L'/')
            parts.pop_back();
        bool shared = parts.empty();
        for (const std::vector<std::wstring> &place : sideBySide)
            shared = shared || IsSameOrInside(parts, place);
        if (!shared)
            folders.push_back(parts);
    }
    return folders;
}

std::vector<std::wstring> CommonParent(const std::vector<std::vector<std::wstring>> &folders)
{
    if (folders.empty())
        return {};
    std::vector<std::wstring> common = folders.front();
    for (const std::vector<std::wstring> &folder : folders) {
        size_t same = 0;
        while (same < common.size() && same < folder.size() && SameName(common[same], folder[same]))
            ++same;
        common.resize(same);
    }
    return common;
}

} // namespace

CWin32WindowsInstaller::CWin32WindowsInstaller(unsigned codePage) : m_codePage(codePage) {}

WinError CWin32WindowsInstaller::ProductFolder(const std::string &productCode, std::string *windowsPath)
{
    if (!windowsPath)
        return kErrorInvalidParameter;
    windowsPath->clear();
    const std::wstring product = win32::Widen(productCode, m_codePage);
    std::wstring location;
    const UINT known = ProductProperty(product, L"InstallLocation", &location);
    if (known == ERROR_UNKNOWN_PRODUCT || known == ERROR_INVALID_PARAMETER || known == ERROR_BAD_CONFIGURATION)
        return WinError(known);

    // The location the product registered (ARPINSTALLLOCATION), when it names a folder of its own.
    std::vector<std::wstring> folder = Components(location);
    if (folder.empty() || IsSharedFolderOrAbove(folder))
        folder = CommonParent(ComponentFolders(product));
    if (folder.empty() || IsSharedFolderOrAbove(folder))
        return kErrorFileNotFound;
    *windowsPath = win32::Narrow(Join(folder), m_codePage);
    return kErrorSuccess;
}

} // namespace pw
