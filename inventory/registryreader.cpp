#include "inventory/registryreader.h"

#include <cstring>

namespace inventory {

bool ReadText(pw::IRegistry &reg, pw::RegKey key, const char *name, char *out)
{
    std::memset(out, 0, kFieldSize);
    uint8_t buffer[kFieldSize] = {};
    uint32_t type = 0;
    uint32_t size = kFieldSize;
    if (reg.QueryValue(key, name, &type, buffer, &size) != pw::kErrorSuccess)
        return false;
    if (type != pw::kRegSz && type != pw::kRegExpandSz && type != pw::kRegMultiSz)
        return false;
    if (size > kFieldSize)
        return false; // a backend that over-reports; never trust it past the buffer
    const void *nul = std::memchr(buffer, 0, size);
    const uint32_t length = nul ? uint32_t(static_cast<const uint8_t *>(nul) - buffer) : size;
    if (length >= kFieldSize)
        return false; // the whole field without a terminator: the text was cut
    std::memcpy(out, buffer, length);
    return true;
}

bool ReadNumber(pw::IRegistry &reg, pw::RegKey key, const char *name, uint64_t *out)
{
    *out = 0;
    uint8_t buffer[8] = {};
    uint32_t type = 0;
    uint32_t size = sizeof buffer;
    if (reg.QueryValue(key, name, &type, buffer, &size) != pw::kErrorSuccess)
        return false;
    if (type == pw::kRegDword && size == 4) {
        uint32_t v;
        std::memcpy(&v, buffer, 4);
        *out = v;
        return true;
    }
    if (type == pw::kRegQword && size == 8) {
        std::memcpy(out, buffer, 8);
        return true;
    }
    return false;
}

void CopyField(char *field, const QByteArray &text)
{
    std::memset(field, 0, kFieldSize);
    const QByteArray cut = text.left(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
    if (uint32_t(cut.size()) < kFieldSize)
        std::memcpy(field, cut.constData(), size_t(cut.size()));
}

} // namespace inventory
