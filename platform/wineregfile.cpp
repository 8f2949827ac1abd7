#include "platform/wineregfile.h"

#include <cstring>
#include <fstream>

namespace pw {

namespace {

constexpr uint32_t kRegLink = 6;
// The longest key name Windows and Wine accept, in UTF-16 code units.
constexpr size_t kMaxKeyNameUnits = 255;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned hexValue(char c)
{
    return c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
}

bool isText(uint32_t type)
{
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// UTF-16 code units as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(const std::u16string &units)
{
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Little-endian UTF-16 bytes as code units (an odd last byte is dropped, as Windows drops it).
std::u16string unitsOf(const std::string &bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    return units;
}

std::string bytesOf(const std::u16string &units)
{
    std::string bytes(units.size() * 2, '\0');
    for (size_t i = 0; i < units.size(); ++i) {
        bytes[2 * i] = char(units[i] & 0xFF);
        bytes[2 * i + 1] = char(units[i] >> 8);
    }
    return bytes;
}

// strtoul(p, &end, 16) of the C library: blanks, a sign, "0x", hex digits; *end is `p` when no
// digit was read. Too large a number gives the largest one.
uint64_t parseHexNumber(const char *p, const char **end)
{
    const char *start = p;
    while (isSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && isHexDigit(p[2]))
        p += 2;
    if (!isHexDigit(*p)) {
        *end = start;
        return 0;
    }
    uint64_t value = 0;
    bool overflow = false;
    for (; isHexDigit(*p); ++p) {
        if (value >> 60)
            overflow = true;
        value = (value << 4) | hexValue(*p);
    }
    *end = p;
    if (overflow)
        return ~uint64_t(0);
    return negative ? uint64_t(0) - value : value;
}

// Wine's string syntax up to `endChar`: escapes, UTF-8, into `out` with no terminator. The number
// of bytes read including `endChar`, or -1 when `endChar` never comes.
long parseString(const char *src, char endChar, std::u16string *out)
{
    out->clear();
    const char *p = src;
    while (*p && *p != endChar) {
        if (*p == '\\') {
            ++p;
            switch (*p) {
            case 'a': out->push_back(u'\a'); ++p; continue;
            case 'b': out->push_back(u'\b'); ++p; continue;
            case 'e': out->push_back(char16_t(0x1B)); ++p; continue;
            case 'f': out->push_back(u'\f'); ++p; continue;
            case 'n': out->push_back(u'\n'); ++p; continue;
            case 'r': out->push_back(u'\r'); ++p; continue;
            case 't': out->push_back(u'\t'); ++p; continue;
            case 'v': out->push_back(u'\v'); ++p; continue;
            case 'x': {
                ++p;
                if (!isHexDigit(*p)) {
                    out->push_back(u'x');
                    continue;
                }
                unsigned value = 0;
                for (int i = 0; i < 4 && isHexDigit(*p); ++i)
                    value = value * 16 + hexValue(*p++);
                out->push_back(char16_t(value));
                continue;
            }
            case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': {
                unsigned value = unsigned(*p++ - '0');
                for (int i = 0; i < 2 && *p >= '0' && *p <= '7'; ++i)
                    value = value * 8 + unsigned(*p++ - '0');
                out->push_back(char16_t(value));
                continue;
            }
            default:
                break; // any other character stands for itself (\\, \", \], and the end of the text)
            }
            if (!*p)
                break;
        }
        const unsigned char c = static_cast<unsigned char>(*p++);
        if (c < 0x80) {
            out->push_back(char16_t(c));
            continue;
        }
        // A UTF-8 sequence; an invalid byte is skipped.
        const int length = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
        if (length == 0)
            continue;
        uint32_t code = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
        int got = 1;
        while (got < length && (static_cast<unsigned char>(*p) & 0xC0) == 0x80) {
            code = (code << 6) | (static_cast<unsigned char>(*p++) & 0x3F);
            ++got;
        }
        if (got < length || (length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            continue;
        if (code < 0x10000) {
            out->push_back(char16_t(code));
        } else {
            code -= 0x10000;
            out->push_back(char16_t(0xD800 | (code >> 10)));
            out->push_back(char16_t(0xDC00 | (code & 0x3FF)));
        }
    }
    if (*p != endChar)
        return -1;
    return long(p + 1 - src);
}

class Parser {
public:
    explicit Parser(const std::string &text) : m_text(text) {}

    WineRegFile Run()
    {
        WineRegFile file;
        std::string line;
        if (!NextLine(&line) || line != "WINE REGISTRY Version 2")
            return file;
        file.valid = true;
        CRegNode *key = nullptr; // the key of the last key line, if Wine could make it
        bool keySeen = false;
        while (NextLine(&line)) {
            const char *p = line.c_str();
            while (*p && isSpace(*p))
                ++p;
            switch (*p) {
            case '[':
                keySeen = true;
                key = LoadKey(file.root.get(), p + 1);
                if (!key)
                    ++file.badLines;
                break;
            case '@':
            case '"':
                if (!key || !LoadValue(key, p))
                    ++file.badLines;
                break;
            case '#':
                // After a key its options; elsewhere (also after a key Wine could not make) the
                // file's.
                if (key) {
                    if (std::strncmp(p, "#link", 5) == 0)
                        key->SetLink(true);
                } else if (std::strncmp(p, "#arch=", 6) == 0) {
                    const std::string arch = p + 6;
                    if ((arch != "win32" && arch != "win64") || (!file.arch.empty() && arch != file.arch)) {
                        // Wine refuses such a file whole.
                        file.valid = false;
                        file.arch.clear();
                        file.root = std::make_unique<CRegNode>();
                        return file;
                    }
                    file.arch = arch;
                }
                break;
            case ';':
                if (!keySeen && std::strncmp(p, ";; All keys relative to ", 24) == 0) {
                    std::u16string relative;
                    const std::string rest = std::string(p + 24) + '\n';
                    if (parseString(rest.c_str(), '\n', &relative) > 0)
                        file.relativeTo = toUtf8(relative);
                }
                break;
            case '\0':
                break;
            default:
                ++file.badLines;
                break;
            }
        }
        return file;
    }

private:
    // The next line without its line end, cut at a NUL byte (Wine reads lines as C strings).
    bool NextLine(std::string *line)
    {
        if (m_pos >= m_text.size())
            return false;
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string::npos)
            end = m_text.size();
        line->assign(m_text, m_pos, end - m_pos);
        m_pos = end + 1;
        if (!line->empty() && line->back() == '\r')
            line->pop_back();
        const size_t nul = line->find('\0');
        if (nul != std::string::npos)
            line->resize(nul);
        return true;
    }

    CRegNode *LoadKey(CRegNode *root, const char *p)
    {
        std::u16string name;
        if (parseString(p, ']', &name) < 0)
            return nullptr;
        // The path's parts, each at most 255 code units long, at most kMaxRegKeyDepth of them.
        std::vector<std::u16string> parts;
        std::u16string part;
        for (size_t i = 0; i <= name.size(); ++i) {
            if (i == name.size() || name[i] == u'\\') {
                if (!part.empty())
                    parts.push_back(part);
                part.clear();
            } else {
                part.push_back(name[i]);
            }
        }
        if (parts.size() > kMaxRegKeyDepth)
            return nullptr;
        for (const std::u16string &each : parts)
            if (each.size() > kMaxKeyNameUnits)
                return nullptr;
        CRegNode *key = root;
        for (const std::u16string &each : parts)
            key = key->AddSubKey(toUtf8(each));
        return key;
    }

    bool LoadValue(CRegNode *key, const char *p)
    {
        // The name, then "=".
        std::u16string name;
        size_t at = 0;
        if (*p == '@') {
            at = 1;
        } else {
            const long read = parseString(p + 1, '"', &name);
            if (read < 0)
                return false;
            at = size_t(read) + 1;
        }
        while (isSpace(p[at]))
            ++at;
        if (p[at] != '=')
            return false;
        ++at;
        while (isSpace(p[at]))
            ++at;
        const std::string valueName = toUtf8(name);
        uint32_t type = kRegNone;
        std::string bytes;
        if (!LoadData(p + at, &type, &bytes)) {
            key->SetValue(valueName, kRegNone, std::string());
            return false;
        }
        key->SetValue(valueName, type, isText(type) ? toUtf8(unitsOf(bytes)) : std::move(bytes));
        return true;
    }

    // The data after "=": its type and its bytes (strings as UTF-16 with their terminator).
    bool LoadData(const char *p, uint32_t *type, std::string *bytes)
    {
        enum Parse { Text, Number, Hex };
        struct Tag {
            const char *tag;
            uint32_t type;
            Parse parse;
        };
        static const Tag tags[] = {
            {"\"", kRegSz, Text},         {"str:\"", kRegSz, Text}, {"str(2):\"", kRegExpandSz, Text},
            {"str(7):\"", kRegMultiSz, Text}, {"hex:", kRegBinary, Hex}, {"dword:", kRegDword, Number},
        };
        Parse parse = Hex;
        const Tag *found = nullptr;
        for (const Tag &t : tags) {
            if (std::strncmp(p, t.tag, std::strlen(t.tag)) == 0) {
                found = &t;
                break;
            }
        }
        if (found) {
            *type = found->type;
            parse = found->parse;
            p += std::strlen(found->tag);
        } else if (std::strncmp(p, "hex(", 4) == 0) {
            const char *end = nullptr;
            *type = uint32_t(parseHexNumber(p + 4, &end));
            if (end <= p || std::strncmp(end, "):", 2) != 0)
                return false;
            parse = Hex;
            p = end + 2;
        } else {
            return false;
        }

        switch (parse) {
        case Text: {
            std::u16string text;
            if (parseString(p, '"', &text) < 0)
                return false;
            text.push_back(u'\0');
            *bytes = bytesOf(text);
            return true;
        }
        case Number: {
            const char *end = nullptr;
            const uint32_t value = uint32_t(parseHexNumber(p, &end));
            bytes->assign(reinterpret_cast<const char *>(&value), 4);
            return true;
        }
        case Hex:
            break;
        }
        // Bytes "ab,cd,..." continued over lines that end in "\".
        std::string continued;
        for (;;) {
            while (isHexDigit(*p)) {
                const char *end = nullptr;
                const uint64_t value = parseHexNumber(p, &end);
                if (end == p || value > 0xFF)
                    return false;
                bytes->push_back(char(value));
                p = end;
                while (isSpace(*p))
                    ++p;
                if (*p == ',')
                    ++p;
                while (isSpace(*p))
                    ++p;
            }
            while (isSpace(*p))
                ++p;
            if (!*p)
                return true;
            if (*p != '\\' || !NextLine(&continued))
                return false;
            p = continued.c_str();
            while (isSpace(*p))
                ++p;
        }
    }

    const std::string &m_text;
    size_t m_pos = 0;
};

// "REGISTRY\Machine" and the like, split and folded.
std::vector<std::string> foldedParts(const std::string &path)
{
    std::vector<std::string> parts = SplitRegPath(path);
    for (std::string &part : parts)
        part = FoldRegName(part);
    return parts;
}

} // namespace

WineRegFile ParseWineRegFile(const std::string &text)
{
    return Parser(text).Run();
}

bool ReadWineRegFile(const std::string &path, WineRegFile *out, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, size_t(in.gcount()));
        if (text.size() > kMaxWineRegFileBytes) {
            if (error)
                *error = path + " is larger than " + std::to_string(kMaxWineRegFileBytes >> 20) + " MiB";
            return false;
        }
    }
    *out = ParseWineRegFile(text);
    if (!out->valid) {
        if (error)
            *error = path + " is not a Wine registry file";
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

std::unique_ptr<CWineFileRegistry> CWineFileRegistry::Load(const std::string &prefix, std::string *error)
{
    WineRegFile machine, user;
    if (!ReadWineRegFile(prefix + "/system.reg", &machine, error))
        return nullptr;
    std::string ignored;
    if (!ReadWineRegFile(prefix + "/user.reg", &user, &ignored))
        user = WineRegFile();
    return std::make_unique<CWineFileRegistry>(std::move(machine), std::move(user));
}

CWineFileRegistry::CWineFileRegistry(WineRegFile machine, WineRegFile user)
    : m_machine(std::move(machine)), m_user(std::move(user)), m_is64Bit(m_machine.arch == "win64")
{
    if (!m_machine.root)
        m_machine.root = std::make_unique<CRegNode>();
    if (!m_user.root)
        m_user.root = std::make_unique<CRegNode>();
}

bool CWineFileRegistry::LinkTarget(const CRegNode &link, const CRegNode **tree, std::vector<std::string> *parts) const
{
    const CRegNode::Value *target = link.FindValue("SymbolicLinkValue");
    if (!target || target->type != kRegLink)
        return false;
    std::vector<std::string> path = SplitRegPath(toUtf8(unitsOf(target->data)));
    // "\Registry\Machine\..." or "\Registry\User\<the user's SID>\...".
    for (const WineRegFile *file : {&m_machine, &m_user}) {
        const std::vector<std::string> base = foldedParts(file->relativeTo);
        if (base.empty() || path.size() < base.size())
            continue;
        bool same = true;
        for (size_t i = 0; same && i < base.size(); ++i)
            same = FoldRegName(path[i]) == base[i];
        if (!same)
            continue;
        *tree = file->root.get();
        parts->assign(path.begin() + long(base.size()), path.end());
        return true;
    }
    return false;
}

const CRegNode *CWineFileRegistry::Walk(const CRegNode *tree, const std::vector<std::string> &parts) const
{
    // Each link followed starts the walk again at its target; a cycle ends after a few.
    std::vector<std::string> path = parts;
    const CRegNode *node = tree;
    size_t i = 0;
    for (int links = 0; node && i < path.size();) {
        node = node->SubKey(path[i++]);
        if (!node || !node->IsLink())
            continue;
        const CRegNode *targetTree = nullptr;
        std::vector<std::string> target;
        if (++links > 16 || !LinkTarget(*node, &targetTree, &target))
            return nullptr;
        target.insert(target.end(), path.begin() + long(i), path.end());
        path = std::move(target);
        node = targetTree;
        i = 0;
    }
    return node;
}

const CRegNode *CWineFileRegistry::Resolve(RegRoot root, uint32_t view, const std::vector<std::string> &parts) const
{
    switch (root) {
    case RegRoot::LocalMachine: {
        // The 32-bit view of a 64-bit prefix: Software\X is Software\Wow6432Node\X, but for the
        // shared Software\Classes.
        if (m_is64Bit && (view & kKeyWow64_32Key) && !parts.empty() && FoldRegName(parts[0]) == "software") {
            const std::string second = parts.size() > 1 ? FoldRegName(parts[1]) : std::string();
            if (second != "wow6432node" && second != "classes") {
                std::vector<std::string> redirected = parts;
                redirected.insert(redirected.begin() + 1, "Wow6432Node");
                return Walk(m_machine.root.get(), redirected);
            }
        }
        return Walk(m_machine.root.get(), parts);
    }
    case RegRoot::CurrentUser:
        return Walk(m_user.root.get(), parts);
    case RegRoot::ClassesRoot: {
        std::vector<std::string> classes{"Software", "Classes"};
        classes.insert(classes.end(), parts.begin(), parts.end());
        if (const CRegNode *user = Walk(m_user.root.get(), classes))
            return user;
        return Walk(m_machine.root.get(), classes);
    }
    }
    return nullptr;
}

} // namespace pw
