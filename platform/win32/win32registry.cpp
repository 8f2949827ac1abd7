#include "platform/win32/win32registry.h"

#include "platform/regbuffers.h"
#include "platform/win32/win32text.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace pw {

namespace {

// The predefined roots are sign-extended handle values on 64-bit Windows.
HKEY handleOf(RegKey key)
{
    if (key >= 0x80000000u && key <= 0x80000006u)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(key))));
#ifndef _WIN64
    // A 32-bit process has no handle above 32 bits: such a value is no key, rather than the
    // key whose handle its low half happens to be.
    if (key > 0xFFFFFFFFu)
        return nullptr;
#endif
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}

RegKey keyOf(HKEY handle)
{
    return static_cast<RegKey>(reinterpret_cast<ULONG_PTR>(handle));
}

bool isText(uint32_t type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

} // namespace

CWin32Registry::CWin32Registry(unsigned codePage) : m_codePage(codePage) {}

std::string CWin32Registry::ConvertData(uint32_t type, const unsigned char *bytes, size_t size) const
{
    if (!isText(type))
        return std::string(reinterpret_cast<const char *>(bytes), size);
    std::wstring wide(size / sizeof(wchar_t), L'\0');
    if (!wide.empty())
        std::memcpy(&wide[0], bytes, wide.size() * sizeof(wchar_t));
    return win32::Narrow(wide, m_codePage);
}

WinError CWin32Registry::OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    HKEY key = nullptr;
    const LONG r = RegOpenKeyExW(handleOf(parent), win32::Widen(path, m_codePage).c_str(), 0, access, &key);
    if (r == ERROR_SUCCESS)
        *out = keyOf(key);
    return r;
}

WinError CWin32Registry::CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    HKEY key = nullptr;
    const LONG r = RegCreateKeyExW(handleOf(parent), win32::Widen(path, m_codePage).c_str(), 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (r == ERROR_SUCCESS)
        *out = keyOf(key);
    return r;
}

WinError CWin32Registry::CloseKey(RegKey key)
{
    return RegCloseKey(handleOf(key));
}

WinError CWin32Registry::KeyNameAt(RegKey key, uint32_t index, std::string *name)
{
    wchar_t buffer[256]; // key names have at most 255 characters
    DWORD length = 256;
    const LONG r = RegEnumKeyExW(handleOf(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_SUCCESS)
        *name = win32::Narrow(buffer, length, m_codePage);
    return r;
}

WinError CWin32Registry::EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    std::string found;
    const WinError r = KeyNameAt(key, index, &found);
    return r == kErrorSuccess ? CopyRegName(found, name, nameLen) : r;
}

WinError CWin32Registry::ValueNameAt(RegKey key, uint32_t index, std::string *name, uint32_t *type)
{
    wchar_t small[256];
    DWORD length = 256;
    DWORD valueType = 0;
    LONG r = RegEnumValueW(handleOf(key), index, small, &length, nullptr, &valueType, nullptr, nullptr);
    if (r == ERROR_MORE_DATA) {
        std::vector<wchar_t> big(32768); // value names have at most 16383 characters
        length = DWORD(big.size());
        r = RegEnumValueW(handleOf(key), index, big.data(), &length, nullptr, &valueType, nullptr, nullptr);
        if (r == ERROR_SUCCESS)
            *name = win32::Narrow(big.data(), length, m_codePage);
    } else if (r == ERROR_SUCCESS) {
        *name = win32::Narrow(small, length, m_codePage);
    }
    if (r == ERROR_SUCCESS && type)
        *type = valueType;
    return r;
}

WinError CWin32Registry::ValueAt(RegKey key, uint32_t index, uint32_t maxData, std::string *name, uint32_t *type,
                                 std::string *data)
{
    std::vector<unsigned char> dataBuffer(size_t(maxData) + 2);
    wchar_t small[256];
    std::vector<wchar_t> big;
    wchar_t *nameBuffer = small;
    DWORD nameLength = 256;
    DWORD dataSize = maxData;
    DWORD valueType = 0;
    LONG r = RegEnumValueW(handleOf(key), index, nameBuffer, &nameLength, nullptr, &valueType, dataBuffer.data(),
                           &dataSize);
    if (r == ERROR_MORE_DATA && dataSize <= maxData) {
        big.resize(32768); // the name was the part that did not fit
        nameBuffer = big.data();
        nameLength = DWORD(big.size());
        dataSize = maxData;
        r = RegEnumValueW(handleOf(key), index, nameBuffer, &nameLength, nullptr, &valueType, dataBuffer.data(),
                          &dataSize);
    }
    if (r != ERROR_SUCCESS)
        return r;
    *name = win32::Narrow(nameBuffer, nameLength, m_codePage);
    *type = valueType;
    *data = ConvertData(valueType, dataBuffer.data(), dataSize);
    return kErrorSuccess;
}

WinError CWin32Registry::EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    std::string found;
    uint32_t foundType = 0;
    const WinError r = ValueNameAt(key, index, &found, &foundType);
    if (r != kErrorSuccess)
        return r;
    const WinError copied = CopyRegName(found, name, nameLen);
    if (copied == kErrorSuccess && type)
        *type = foundType;
    return copied;
}

WinError CWin32Registry::ReadValue(RegKey key, const std::string &name, uint32_t *type, std::string *data)
{
    const std::wstring wideName = win32::Widen(name, m_codePage);
    unsigned char small[1024];
    DWORD size = sizeof small;
    DWORD valueType = 0;
    LONG r = RegQueryValueExW(handleOf(key), wideName.c_str(), nullptr, &valueType, small, &size);
    if (r == ERROR_SUCCESS) {
        *data = ConvertData(valueType, small, size);
    } else {
        // The value may grow between the two calls; ask again until it fits.
        std::vector<unsigned char> big;
        for (int attempt = 0; r == ERROR_MORE_DATA && attempt < 8; ++attempt) {
            big.resize(size + 64);
            size = DWORD(big.size());
            r = RegQueryValueExW(handleOf(key), wideName.c_str(), nullptr, &valueType, big.data(), &size);
        }
        if (r == ERROR_SUCCESS)
            *data = ConvertData(valueType, big.data(), size);
    }
    if (r == ERROR_SUCCESS && type)
        *type = valueType;
    return r;
}

WinError CWin32Registry::QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size)
{
    if (data && !size)
        return kErrorInvalidParameter;
    uint32_t storedType = 0;
    std::string stored;
    const WinError r = ReadValue(key, name ? name : "", &storedType, &stored);
    if (r != kErrorSuccess)
        return r;
    return CopyRegData(storedType, stored, type, data, size);
}

WinError CWin32Registry::KeyCounts(RegKey key, uint32_t *subKeys, uint32_t *values, uint32_t *maxData)
{
    DWORD keys = 0, count = 0, longest = 0;
    const LONG r = RegQueryInfoKeyW(handleOf(key), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &count,
                                    nullptr, &longest, nullptr, nullptr);
    if (r == ERROR_SUCCESS) {
        if (subKeys)
            *subKeys = keys;
        if (values)
            *values = count;
        if (maxData)
            *maxData = longest;
    }
    return r;
}

WinError CWin32Registry::QueryValueCount(RegKey key, uint32_t *count)
{
    if (!count)
        return kErrorInvalidParameter;
    return KeyCounts(key, nullptr, count, nullptr);
}

WinError CWin32Registry::SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size)
{
    const std::wstring wideName = win32::Widen(name ? name : "", m_codePage);
    if (!data)
        size = 0;
    if (isText(type)) {
        const std::wstring wide = win32::Widen(reinterpret_cast<const char *>(data), size, m_codePage);
        return RegSetValueExW(handleOf(key), wideName.c_str(), 0, type, reinterpret_cast<const BYTE *>(wide.data()),
                              DWORD(wide.size() * sizeof(wchar_t)));
    }
    return RegSetValueExW(handleOf(key), wideName.c_str(), 0, type, data, size);
}

WinError CWin32Registry::DeleteValue(RegKey key, const char *name)
{
    return RegDeleteValueW(handleOf(key), win32::Widen(name ? name : "", m_codePage).c_str());
}

WinError CWin32Registry::DeleteKey(RegKey parent, const std::string &path)
{
    return RegDeleteKeyW(handleOf(parent), win32::Widen(path, m_codePage).c_str());
}

WinError CWin32Registry::DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag)
{
    return RegDeleteKeyExW(handleOf(parent), win32::Widen(path, m_codePage).c_str(), viewFlag, 0);
}

} // namespace pw
