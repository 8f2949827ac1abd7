// Fuzz target for the reader of a Wine prefix's registry files: the input is a system.reg (and,
// from its middle on, a user.reg). It is parsed, the inventory scan runs over the registry the
// two make, and every key is walked. Besides crashes it stops on broken promises: a text value
// without its terminator, a key name that is empty or longer than Windows allows, a key opened
// and never closed, a program listed without an uninstall command.
#include "inventory/appenum.h"
#include "platform/wineregfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace pw;

namespace {

class CSixtyFourBit : public ISystemInfo {
public:
    uint16_t NativeArchitecture() override { return kArchitectureAmd64; }
    uint32_t Kernel32Version() override { return 0; }
};

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

void walk(const CRegNode &node, size_t depth)
{
    check(depth <= kMaxRegKeyDepth + 1, "a key nested deeper than allowed");
    for (const CRegNode::Value &v : node.Values()) {
        if (v.type == kRegSz || v.type == kRegExpandSz || v.type == kRegMultiSz)
            check(!v.data.empty() && v.data.back() == '\0', "a text value without its terminator");
        check(node.FindValue(v.name) != nullptr, "a value not found by its own name");
    }
    for (size_t i = 0; i < node.SubKeyCount(); ++i) {
        const CRegNode &child = *node.SubKeyAt(i);
        check(!child.Name().empty(), "an empty key name");
        check(child.Name().size() <= 255 * 3, "a key name longer than Windows allows");
        check(node.SubKey(child.Name()) == &child, "a key not found by its own name");
        walk(child, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    WineRegFile machine = ParseWineRegFile(text);
    WineRegFile user = ParseWineRegFile(text.substr(size / 2));
    walk(*machine.root, 0);
    walk(*user.root, 0);
    CWineFileRegistry reg(std::move(machine), std::move(user));
    CSixtyFourBit system;
    CAppEnum inventory(&reg, &system);
    inventory.EnumPrograms();
    for (const InstalledProgram &p : inventory.GetPrograms())
        check(p.UninstallString[0] != '\0', "a program listed without an uninstall command");
    check(reg.OpenHandles() == 0, "a key left open");
    return 0;
}
