#pragma once
// Conversions between the narrow strings of the platform interfaces and the UTF-16 of the W
// functions. The code page is the ANSI one in the application on Windows and UTF-8 in the host
// that serves a Wine prefix, so one code path serves both.
#include <cstddef>
#include <string>

namespace pw {
namespace win32 {

constexpr unsigned kCodePageAnsi = 0;    // CP_ACP
constexpr unsigned kCodePageUtf8 = 65001; // CP_UTF8

std::wstring Widen(const char *text, size_t length, unsigned codePage);
inline std::wstring Widen(const std::string &text, unsigned codePage)
{
    return Widen(text.data(), text.size(), codePage);
}
std::string Narrow(const wchar_t *text, size_t length, unsigned codePage);
inline std::string Narrow(const std::wstring &text, unsigned codePage)
{
    return Narrow(text.data(), text.size(), codePage);
}

} // namespace win32
} // namespace pw
