#include "platform/win32/win32text.h"

#include <windows.h>

namespace pw {
namespace win32 {

std::wstring Widen(const char *text, size_t length, unsigned codePage)
{
    if (length == 0)
        return std::wstring();
    const int n = MultiByteToWideChar(codePage, 0, text, int(length), nullptr, 0);
    std::wstring out(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, text, int(length), &out[0], n);
    return out;
}

std::string Narrow(const wchar_t *text, size_t length, unsigned codePage)
{
    if (length == 0)
        return std::string();
    const int n = WideCharToMultiByte(codePage, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, text, int(length), &out[0], n, nullptr, nullptr);
    return out;
}

} // namespace win32
} // namespace pw
