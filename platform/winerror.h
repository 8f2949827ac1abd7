#pragma once
// Windows constants the platform-neutral code needs. The values are the Win32 ones, so the
// Win32 backend passes them straight through and the other backends answer in the same terms.
#include <cstdint>

namespace pw {

using WinError = long;

constexpr WinError kErrorSuccess = 0;
constexpr WinError kErrorFileNotFound = 2;
constexpr WinError kErrorAccessDenied = 5;
constexpr WinError kErrorInvalidHandle = 6;
constexpr WinError kErrorInvalidParameter = 87;
constexpr WinError kErrorAlreadyExists = 183;
constexpr WinError kErrorMoreData = 234;
constexpr WinError kErrorNoMoreItems = 259;
constexpr WinError kErrorKeyHasChildren = 1020;
// Not a Win32 code: the backend itself is unusable (Wine missing, prefix broken, host dead).
constexpr WinError kErrorBackendUnavailable = 0x20000001;

// Registry roots, as the predefined HKEY values of Win32.
enum class RegRoot : uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Registry access rights and view flags.
constexpr uint32_t kKeyQueryValue = 0x0001;
constexpr uint32_t kKeySetValue = 0x0002;
constexpr uint32_t kKeyCreateSubKey = 0x0004;
constexpr uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr uint32_t kKeyWow64_64Key = 0x0100;
constexpr uint32_t kKeyWow64_32Key = 0x0200;
constexpr uint32_t kKeyRead = 0x20019;
constexpr uint32_t kKeyWrite = 0x20006;
constexpr uint32_t kKeyAllAccess = 0xF003F;

// Registry value types.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;
constexpr uint32_t kRegQword = 11;

// Processor architectures of GetNativeSystemInfo.
constexpr uint16_t kArchitectureIntel = 0;
constexpr uint16_t kArchitectureArm64 = 12;
constexpr uint16_t kArchitectureAmd64 = 9;

// CSIDL values of the special folders the leftover scan uses.
constexpr int kCsidlAppData = 26;
constexpr int kCsidlCommonPrograms = 23;
constexpr int kCsidlCommonDesktop = 25;

} // namespace pw
