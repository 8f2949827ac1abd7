#pragma once
// The registry through the W functions, with narrow strings converted in one code page (the
// ANSI one in the application, UTF-8 in the host), so sizes and ERROR_MORE_DATA are judged in
// the bytes the caller receives, as the A functions do.
#include "platform/registry.h"

#include <string>

namespace pw {

class CWin32Registry : public IRegistry {
public:
    explicit CWin32Registry(unsigned codePage);

    WinError OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) override;
    WinError CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) override;
    WinError CloseKey(RegKey key) override;
    WinError EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen) override;
    WinError EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type) override;
    WinError QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size) override;
    WinError QueryValueCount(RegKey key, uint32_t *count) override;
    WinError SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size) override;
    WinError DeleteValue(RegKey key, const char *name) override;
    WinError DeleteKey(RegKey parent, const std::string &path) override;
    WinError DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag) override;

    // Whole names and data, for callers that read a key at once (the host).
    WinError KeyNameAt(RegKey key, uint32_t index, std::string *name);
    WinError ValueNameAt(RegKey key, uint32_t index, std::string *name, uint32_t *type);
    WinError ReadValue(RegKey key, const std::string &name, uint32_t *type, std::string *data);
    // Name, type and data of the value at `index`; the data must fit in `maxData` bytes (UTF-16
    // for strings), else kErrorMoreData.
    WinError ValueAt(RegKey key, uint32_t index, uint32_t maxData, std::string *name, uint32_t *type,
                     std::string *data);
    // Number of subkeys and values, and the longest value data in bytes (UTF-16 for strings).
    WinError KeyCounts(RegKey key, uint32_t *subKeys, uint32_t *values, uint32_t *maxData);

    unsigned CodePage() const { return m_codePage; }

private:
    std::string ConvertData(uint32_t type, const unsigned char *bytes, size_t size) const;

    unsigned m_codePage;
};

} // namespace pw
