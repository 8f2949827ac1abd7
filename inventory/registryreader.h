#pragma once
// Safe reads of uninstall values into the fixed 260-byte fields. Whatever a program wrote
// into its entry, the field ends up NUL-terminated and holds either the whole text or nothing.
#include "platform/registry.h"

#include <QByteArray>

#include <cstdint>

namespace inventory {

constexpr uint32_t kFieldSize = 260;

// Reads a text value (REG_SZ, REG_EXPAND_SZ unexpanded, or the first string of REG_MULTI_SZ)
// into `out`, which has room for kFieldSize bytes. A missing value, a value of another type
// and a value too long for the field (terminator included) leave `out` empty and give false.
bool ReadText(pw::IRegistry &reg, pw::RegKey key, const char *name, char *out);

// Reads a REG_DWORD or REG_QWORD value. Any other type, or no value, gives false and 0.
bool ReadNumber(pw::IRegistry &reg, pw::RegKey key, const char *name, uint64_t *out);

// Copies text into a field, or leaves it empty when it does not fit.
void CopyField(char *field, const QByteArray &text);

} // namespace inventory
