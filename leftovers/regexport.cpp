#include "leftovers/regexport.h"

#include <cctype>

#include <algorithm>

namespace {

using namespace pw;

// Names longer than these are not valid registry names; the limits only stop a backend that
// keeps answering "more data".
constexpr uint32_t kMaxNameBytes = 1u << 20;
constexpr uint32_t kMaxDataBytes = 1u << 30;
// Hex lines are wrapped once they reach this many characters (before the "\\"), as regedit does.
constexpr int kHexLineLimit = 77;

bool isNotFound(WinError e) { return e == kErrorFileNotFound; }

bool startsWithNoCase(const std::string &s, const char *prefix, size_t n)
{
    if (s.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// Reads one value's type and data; the size can change between the two calls.
WinError readValue(IRegistry &reg, RegKey key, const std::string &name, RegExportKey::Value *out)
{
    out->name = name;
    for (int attempt = 0; attempt < 8; ++attempt) {
        uint32_t type = 0, size = 0;
        WinError e = reg.QueryValue(key, name.c_str(), &type, nullptr, &size);
        if (e != kErrorSuccess && e != kErrorMoreData)
            return e;
        if (size > kMaxDataBytes)
            return kErrorInvalidParameter;
        out->data.assign(size, 0);
        uint32_t got = size;
        e = reg.QueryValue(key, name.c_str(), &type, out->data.empty() ? nullptr : out->data.data(), &got);
        if (e == kErrorMoreData)
            continue;
        if (e != kErrorSuccess)
            return e;
        if (got > size)
            return kErrorInvalidParameter; // a backend that over-reports
        out->data.resize(got);
        out->type = type;
        return kErrorSuccess;
    }
    return kErrorMoreData;
}

// Calls `call(buffer, &len)` with a buffer growing until the name fits.
template <typename Call> WinError enumName(Call call, std::string *name)
{
    std::vector<char> buffer(256);
    for (;;) {
        uint32_t len = uint32_t(buffer.size());
        const WinError e = call(buffer.data(), &len);
        if (e == kErrorMoreData && buffer.size() < kMaxNameBytes) {
            buffer.resize(buffer.size() * 4);
            continue;
        }
        if (e != kErrorSuccess)
            return e;
        if (len > buffer.size())
            return kErrorInvalidParameter;
        name->assign(buffer.data(), len);
        return kErrorSuccess;
    }
}

// Reads one key's values and subkey names. Not found gives kErrorFileNotFound.
WinError readKey(IRegistry &reg, RegRoot root, uint32_t view, const std::string &path, RegExportKey *key,
                 std::vector<std::string> *subKeys)
{
    RegKey handle = 0;
    const WinError opened = reg.OpenKey(RootKey(root), path, kKeyRead | view, &handle);
    if (opened != kErrorSuccess)
        return opened;
    RegKeyGuard guard(reg, handle);
    for (uint32_t i = 0;; ++i) {
        std::string name;
        uint32_t type = 0;
        WinError e = enumName([&](char *b, uint32_t *l) { return reg.EnumValue(handle, i, b, l, &type); }, &name);
        if (e == kErrorNoMoreItems)
            break;
        if (e != kErrorSuccess)
            return e;
        RegExportKey::Value value;
        e = readValue(reg, handle, name, &value);
        if (isNotFound(e))
            continue; // deleted while we read
        if (e != kErrorSuccess)
            return e;
        key->values.push_back(std::move(value));
    }
    for (uint32_t i = 0;; ++i) {
        std::string name;
        const WinError e = enumName([&](char *b, uint32_t *l) { return reg.EnumKey(handle, i, b, l); }, &name);
        if (e == kErrorNoMoreItems)
            break;
        if (e != kErrorSuccess)
            return e;
        subKeys->push_back(name);
    }
    return kErrorSuccess;
}

void appendUtf16(QByteArray *out, const QString &text)
{
    for (const QChar c : text) {
        out->append(char(c.unicode() & 0xff));
        out->append(char(c.unicode() >> 8));
    }
}

QString fromLocal(const std::string &s) { return QString::fromLocal8Bit(s.data(), int(s.size())); }

// The UTF-16LE bytes of string data in the local 8-bit encoding, every NUL kept.
QByteArray utf16Data(const std::vector<uint8_t> &data)
{
    QByteArray out;
    appendUtf16(&out, QString::fromLocal8Bit(reinterpret_cast<const char *>(data.data()), int(data.size())));
    return out;
}

// A value name or string in double quotes.
QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QChar(0))
            out += QStringLiteral("\\0");
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// REG_SZ data that a quoted string restores byte for byte: one terminating NUL and none before
// it, no line break, and text that converts back to the same bytes.
bool fitsQuotedString(const std::vector<uint8_t> &data, QString *text)
{
    if (data.empty() || data.back() != 0)
        return false;
    const std::string bytes(data.begin(), data.end() - 1);
    if (bytes.find('\0') != std::string::npos || bytes.find('\n') != std::string::npos
        || bytes.find('\r') != std::string::npos)
        return false;
    *text = fromLocal(bytes);
    return text->toLocal8Bit() == QByteArray::fromStdString(bytes);
}

QString hexLine(const QString &prefix, const QByteArray &bytes)
{
    QString out = prefix;
    int lineLength = prefix.size();
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < bytes.size(); ++i) {
        const uint8_t b = uint8_t(bytes[i]);
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 15]);
        lineLength += 2;
        if (i + 1 < bytes.size()) {
            out += QLatin1Char(',');
            ++lineLength;
            if (lineLength >= kHexLineLimit) {
                out += QStringLiteral("\\\r\n  ");
                lineLength = 2;
            }
        }
    }
    return out;
}

QString valueLine(const RegExportKey::Value &v)
{
    const QString name = v.name.empty() ? QStringLiteral("@") : quoted(fromLocal(v.name));
    const QByteArray raw(reinterpret_cast<const char *>(v.data.data()), int(v.data.size()));
    QString text;
    switch (v.type) {
    case kRegSz:
        if (fitsQuotedString(v.data, &text))
            return name + QLatin1Char('=') + quoted(text);
        return hexLine(name + QStringLiteral("=hex(1):"), utf16Data(v.data));
    case kRegExpandSz:
        return hexLine(name + QStringLiteral("=hex(2):"), utf16Data(v.data));
    case kRegMultiSz:
        return hexLine(name + QStringLiteral("=hex(7):"), utf16Data(v.data));
    case kRegDword:
        if (v.data.size() == 4) {
            const uint32_t n = uint32_t(v.data[0]) | uint32_t(v.data[1]) << 8 | uint32_t(v.data[2]) << 16
                               | uint32_t(v.data[3]) << 24;
            return name + QStringLiteral("=dword:") + QStringLiteral("%1").arg(n, 8, 16, QLatin1Char('0'));
        }
        break;
    case kRegBinary:
        return hexLine(name + QStringLiteral("=hex:"), raw);
    default:
        break;
    }
    return hexLine(name + QStringLiteral("=hex(%1):").arg(v.type, 0, 16), raw);
}

bool pathFits(const std::string &path)
{
    return path.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

} // namespace

QString RegExportRootName(RegRoot root)
{
    switch (root) {
    case RegRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
    return QString();
}

std::string RegExportKeyPath(IRegistry &reg, RegRoot root, uint32_t view, const std::string &path)
{
    std::string real = path;
    static const char kSoftware[] = "Software";
    static const char kWow[] = "Software\\Wow6432Node";
    const size_t n = sizeof kSoftware - 1, w = sizeof kWow - 1;
    const bool underSoftware = startsWithNoCase(path, kSoftware, n) && (path.size() == n || path[n] == '\\');
    const bool alreadyRedirected = startsWithNoCase(path, kWow, w) && (path.size() == w || path[w] == '\\');
    if (root == RegRoot::LocalMachine && (view & kKeyWow64_32Key) && underSoftware && !alreadyRedirected) {
        // The 32-bit view is a tree of its own only where the 64-bit view has Wow6432Node.
        RegKey probe = 0;
        if (reg.OpenKey(RootKey(root), kWow, kKeyQueryValue | kKeyWow64_64Key, &probe) == kErrorSuccess) {
            reg.CloseKey(probe);
            real = "Software\\Wow6432Node" + path.substr(n);
        }
    }
    return RegExportRootName(root).toStdString() + (real.empty() ? "" : "\\" + real);
}

bool ReadRegExportKey(IRegistry &reg, RegRoot root, uint32_t view, const std::string &path,
                      std::vector<RegExportKey> *out)
{
    // Depth first, each key before its subkeys, as regedit writes them.
    std::vector<std::string> pending{path};
    while (!pending.empty()) {
        const std::string current = pending.back();
        pending.pop_back();
        RegExportKey key;
        key.path = RegExportKeyPath(reg, root, view, current);
        std::vector<std::string> subKeys;
        const WinError e = readKey(reg, root, view, current, &key, &subKeys);
        if (isNotFound(e))
            continue;
        if (e != kErrorSuccess)
            return false;
        out->push_back(std::move(key));
        for (auto it = subKeys.rbegin(); it != subKeys.rend(); ++it)
            pending.push_back(current.empty() ? *it : current + "\\" + *it);
    }
    return true;
}

bool ReadRegExportValue(IRegistry &reg, RegRoot root, uint32_t view, const std::string &path,
                        const std::string &valueName, std::vector<RegExportKey> *out)
{
    RegKey handle = 0;
    const WinError opened = reg.OpenKey(RootKey(root), path, kKeyQueryValue | view, &handle);
    if (isNotFound(opened))
        return true;
    if (opened != kErrorSuccess)
        return false;
    RegKeyGuard guard(reg, handle);
    RegExportKey::Value value;
    const WinError e = readValue(reg, handle, valueName, &value);
    if (isNotFound(e))
        return true;
    if (e != kErrorSuccess)
        return false;
    RegExportKey key;
    key.path = RegExportKeyPath(reg, root, view, path);
    key.values.push_back(std::move(value));
    out->push_back(std::move(key));
    return true;
}

QString RegExportProblem(const std::vector<RegExportKey> &keys)
{
    for (const RegExportKey &key : keys)
        if (!pathFits(key.path))
            return QStringLiteral("The registry key \"%1\" has a line break or NUL in its name, which a .reg file cannot hold.")
                .arg(fromLocal(key.path).replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' ')).remove(QChar(0)));
    return QString();
}

QByteArray RegExportText(const std::vector<RegExportKey> &keys)
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
    for (const RegExportKey &key : keys) {
        if (!pathFits(key.path))
            continue;
        text += QStringLiteral("\r\n[") + fromLocal(key.path) + QStringLiteral("]\r\n");
        for (const RegExportKey::Value &v : key.values)
            text += valueLine(v) + QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\n");
    QByteArray out("\xff\xfe", 2);
    appendUtf16(&out, text);
    return out;
}
