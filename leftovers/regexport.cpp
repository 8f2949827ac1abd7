#include "leftovers/regexport.h"

#include <cctype>

#include <QStringList>

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

namespace {

constexpr int kMaxValueBytes = 1024 * 1024;

// A quoted string from `at` on; gives the index after the closing quote, -1 when it is not one.
int readQuoted(const QString &line, int at, QString *out)
{
    if (at >= line.size() || line.at(at) != QLatin1Char('"'))
        return -1;
    out->clear();
    for (int i = at + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            return i + 1;
        if (c != QLatin1Char('\\')) {
            *out += c;
            continue;
        }
        if (++i >= line.size())
            return -1;
        const QChar e = line.at(i);
        if (e == QLatin1Char('n'))
            *out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            *out += QLatin1Char('\r');
        else if (e == QLatin1Char('0'))
            *out += QChar(0);
        else
            *out += e;
    }
    return -1;
}

bool readHex(const QString &text, QByteArray *out)
{
    out->clear();
    const QString compact = QString(text).remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    if (compact.isEmpty())
        return true;
    for (const QString &part : compact.split(QLatin1Char(','))) {
        bool ok = false;
        const uint b = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || b > 0xff || out->size() >= kMaxValueBytes)
            return false;
        out->append(char(b));
    }
    return true;
}

// UTF-16LE bytes (string data of a hex(1)/(2)/(7) value) as the local 8-bit bytes the registry
// interface holds.
std::vector<uint8_t> localFromUtf16(const QByteArray &bytes)
{
    QString text;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(ushort(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8));
    const QByteArray local = text.toLocal8Bit();
    return std::vector<uint8_t>(local.begin(), local.end());
}

} // namespace

bool SplitRegExportPath(const std::string &fullPath, RegRoot *root, std::string *path)
{
    for (RegRoot r : {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::ClassesRoot}) {
        const std::string name = RegExportRootName(r).toStdString();
        if (fullPath.size() >= name.size() && startsWithNoCase(fullPath, name.c_str(), name.size())
            && (fullPath.size() == name.size() || fullPath[name.size()] == '\\')) {
            *root = r;
            *path = fullPath.size() == name.size() ? std::string() : fullPath.substr(name.size() + 1);
            return true;
        }
    }
    return false;
}

bool ParseRegExportText(const QByteArray &data, std::vector<RegExportKey> *out, QString *error, size_t maxKeys)
{
    QString text;
    if (data.startsWith("\xff\xfe")) {
        for (int i = 2; i + 1 < data.size(); i += 2)
            text += QChar(ushort(uchar(data[i]) | uchar(data[i + 1]) << 8));
    } else {
        text = QString::fromUtf8(data.startsWith("\xef\xbb\xbf") ? data.mid(3) : data);
    }
    // Lines, with the continuations of hex values joined.
    QStringList lines;
    QString pending;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!pending.isEmpty())
            line = pending + line.trimmed();
        if (line.endsWith(QLatin1Char('\\')) && line.contains(QLatin1String("=hex"))) {
            line.chop(1);
            pending = line;
            continue;
        }
        pending.clear();
        lines.append(line);
    }
    const auto fail = [&](int n, const QString &why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(n).arg(why);
        out->clear();
        return false;
    };
    std::vector<RegExportKey> keys;
    int n = 0;
    bool header = false;
    for (const QString &raw : lines) {
        ++n;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!header) {
            if (line != QLatin1String("Windows Registry Editor Version 5.00"))
                return fail(n, QStringLiteral("not a registry file"));
            header = true;
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')) || line.startsWith(QLatin1String("[-")))
                return fail(n, QStringLiteral("not a key"));
            if (keys.size() >= maxKeys)
                return fail(n, QStringLiteral("too many keys"));
            RegExportKey key;
            key.path = line.mid(1, line.size() - 2).toLocal8Bit().toStdString();
            RegRoot root;
            std::string below;
            if (!SplitRegExportPath(key.path, &root, &below))
                return fail(n, QStringLiteral("an unknown root"));
            keys.push_back(std::move(key));
            continue;
        }
        if (keys.empty())
            return fail(n, QStringLiteral("a value outside a key"));
        RegExportKey::Value value;
        int at = 0;
        if (line.startsWith(QLatin1Char('@'))) {
            at = 1;
        } else {
            QString name;
            at = readQuoted(line, 0, &name);
            if (at < 0)
                return fail(n, QStringLiteral("not a value name"));
            value.name = name.toLocal8Bit().toStdString();
        }
        if (at >= line.size() || line.at(at) != QLatin1Char('='))
            return fail(n, QStringLiteral("no value"));
        const QString rest = line.mid(at + 1);
        QByteArray bytes;
        if (rest.startsWith(QLatin1Char('"'))) {
            QString s;
            if (readQuoted(rest, 0, &s) != rest.size())
                return fail(n, QStringLiteral("not a string"));
            value.type = kRegSz;
            const QByteArray local = s.toLocal8Bit();
            value.data.assign(local.begin(), local.end());
            value.data.push_back(0);
        } else if (rest.startsWith(QLatin1String("dword:"))) {
            bool ok = false;
            const QString digits = rest.mid(6);
            const uint v = digits.toUInt(&ok, 16);
            if (!ok || digits.size() != 8)
                return fail(n, QStringLiteral("not a dword"));
            value.type = kRegDword;
            value.data = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        } else if (rest.startsWith(QLatin1String("hex:"))) {
            if (!readHex(rest.mid(4), &bytes))
                return fail(n, QStringLiteral("not hex data"));
            value.type = kRegBinary;
            value.data.assign(bytes.begin(), bytes.end());
        } else if (rest.startsWith(QLatin1String("hex("))) {
            const int close = rest.indexOf(QLatin1String("):"));
            bool ok = false;
            const uint type = close > 4 ? rest.mid(4, close - 4).toUInt(&ok, 16) : 0;
            if (!ok || !readHex(rest.mid(close + 2), &bytes))
                return fail(n, QStringLiteral("not hex data"));
            value.type = type;
            if (type == kRegSz || type == kRegExpandSz || type == kRegMultiSz)
                value.data = localFromUtf16(bytes);
            else
                value.data.assign(bytes.begin(), bytes.end());
        } else {
            return fail(n, QStringLiteral("a value this file cannot hold"));
        }
        keys.back().values.push_back(std::move(value));
    }
    if (!header)
        return fail(n, QStringLiteral("not a registry file"));
    *out = std::move(keys);
    return true;
}
