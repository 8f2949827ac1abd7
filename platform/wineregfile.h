#pragma once
// The registry of a Wine prefix read from its files, for a prefix in which nothing may be started
// (its own Wine is missing): system.reg holds HKEY_LOCAL_MACHINE, user.reg HKEY_CURRENT_USER.
//
// The files are Wine's text format, read as Wine's server reads them: the header line
// "WINE REGISTRY Version 2"; ";" comments; "#" options ("#arch=win32|win64" before the first
// key, "#time=", "#class=", "#link" after one); "[Key\\Path] <seconds>" sections; values
// "name"=... or @=... (the default value) as "text", str:"text", str(2):"text" (REG_EXPAND_SZ),
// str(7):"text" (REG_MULTI_SZ), dword:<hex>, hex:<bytes> and hex(<type>):<bytes>, the bytes
// continued over lines ending in "\". Strings and names take C escapes (\n, \\, \", ...), octal
// escapes of up to three digits and \x escapes of up to four hex digits (UTF-16 code units); other
// bytes are UTF-8. A line Wine would report and skip is skipped; a value whose data Wine cannot
// read is kept empty, of type REG_NONE, as Wine keeps it.
//
// Names and string data come out in UTF-8, as the Wine client gives them: strings converted from
// UTF-16 with their terminators, unpaired surrogates as U+FFFD; other data as stored.
#include "platform/regtree.h"

#include <memory>
#include <string>

namespace pw {

struct WineRegFile {
    // Starts with Wine's header and names no architecture Wine does not know.
    bool valid = false;
    // "win32" or "win64" from "#arch=", empty when the file names none (Wine then takes the
    // prefix for a 32-bit one).
    std::string arch;
    // What the keys are relative to, from the ";; All keys relative to" line:
    // "REGISTRY\Machine", "REGISTRY\User\S-1-5-21-...", or empty.
    std::string relativeTo;
    std::unique_ptr<CRegNode> root = std::make_unique<CRegNode>();
    // Lines Wine would report as malformed (and skip).
    size_t badLines = 0;
};

// The largest registry file read (a prefix's system.reg is a few megabytes).
constexpr size_t kMaxWineRegFileBytes = 256u << 20;
// Keys nest at most this deep, as on Windows; a deeper key in a file is skipped.
constexpr size_t kMaxRegKeyDepth = 512;

WineRegFile ParseWineRegFile(const std::string &text);
// Reads and parses the file at `path` (UTF-8 file name). False with *error when it cannot be
// read, is larger than kMaxWineRegFileBytes or is not a registry file.
bool ReadWineRegFile(const std::string &path, WineRegFile *out, std::string *error);

// The registry of one Wine prefix from its system.reg and user.reg, read once; nothing is written.
// HKEY_LOCAL_MACHINE is system.reg, with the 32-bit view of a 64-bit prefix's Software in
// Software\Wow6432Node (Software\Classes is shared); HKEY_CURRENT_USER is user.reg, the same in
// both views; HKEY_CLASSES_ROOT is the user's Software\Classes where it holds the key asked for,
// else the machine's. Links (Wine's "#link" keys) are followed within the two files.
class CWineFileRegistry : public CReadOnlyRegistry {
public:
    // The registry of the prefix folder `prefix`. A missing or unreadable system.reg is an error;
    // a missing user.reg is an empty HKEY_CURRENT_USER.
    static std::unique_ptr<CWineFileRegistry> Load(const std::string &prefix, std::string *error);

    CWineFileRegistry(WineRegFile machine, WineRegFile user);

    // A 64-bit prefix ("#arch=win64" in system.reg): it has a 32-bit registry view.
    bool Is64BitPrefix() const { return m_is64Bit; }

protected:
    const CRegNode *Resolve(RegRoot root, uint32_t view, const std::vector<std::string> &parts) const override;

private:
    const CRegNode *Walk(const CRegNode *tree, const std::vector<std::string> &parts) const;
    // Where a link's SymbolicLinkValue leads: a tree and the path below it.
    bool LinkTarget(const CRegNode &link, const CRegNode **tree, std::vector<std::string> *parts) const;

    WineRegFile m_machine;
    WineRegFile m_user;
    bool m_is64Bit;
};

} // namespace pw
