// Registry backups restored for real: keys with every value type and hostile names are written
// into a throwaway Wine prefix through the real backend, exported, deleted, restored with
// `wine regedit /S` and read back, every value compared byte for byte.
#include "leftovers/regexport.h"
#include "platform/wine/wineplatform.h"
#include "support/wineprefix.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {

const char kUserKey[] = "Software\\PurgewellRegExport";
const char kMachineKey[] = "Software\\PurgewellRegExport32";

struct Written {
    std::string subKey, name;
    uint32_t type;
    std::string data;
};

std::string s(const char *p, size_t n) { return std::string(p, n); }

std::vector<Written> userValues()
{
    std::string pattern;
    for (int i = 0; i < 300; ++i)
        pattern += char(i * 7);
    return {
        {"", "", kRegSz, s("default\0", 8)},
        {"", "plain", kRegSz, s("hello \"quoted\" C:\\path\\\0", 24)},
        {"", "empty", kRegSz, s("\0", 1)},
        {"", "no bytes", kRegSz, std::string()},
        {"", "multi\nline", kRegSz, s("line1\r\nline2\0", 13)},
        {"", "nul inside", kRegSz, s("a\0b\0", 4)},
        {"", "Gr\xc3\xb6\xc3\x9f" "e", kRegSz, s("\xe2\x82\xac und \xc3\xa9\0", 11)},
        {"", "quote\"back\\slash]", kRegDword, s("\x01\x02", 2)},
        {"", "@", kRegSz, s("at\0", 3)},
        {"", "expand", kRegExpandSz, s("%SystemRoot%\\x\0", 15)},
        {"", "multi", kRegMultiSz, s("one\0two \xc3\xa9\0\0", 12)},
        {"", "dword", kRegDword, s("\xef\xcd\xab\x89", 4)},
        {"", "qword", kRegQword, s("\x01\x02\x03\x04\x05\x06\x07\x88", 8)},
        {"", "binary", kRegBinary, pattern},
        {"", "empty binary", kRegBinary, std::string()},
        {"", "none", kRegNone, s("\x00\xff", 2)},
        {"", "big-endian", 5, s("\x12\x34\x56\x78", 4)},
        {"", "type 0x100", 0x100, s("\xaa\xbb\xcc", 3)},
        {"Sub\\Deeper", "v", kRegSz, s("deep\0", 5)},
        {"\xd0\x9a\xd0\xbb\xd1\x8e\xd1\x87", "k", kRegDword, s("\0\0\0\0", 4)},
        {"]x[ \"y\"", "", kRegSz, s("odd key\0", 8)},
        {"Empty", "", 0, std::string()}, // a key without values
    };
}

WinError write(IRegistry &reg, RegRoot root, uint32_t view, const std::string &path, const Written &w)
{
    RegKey key = 0;
    const std::string full = w.subKey.empty() ? path : path + "\\" + w.subKey;
    WinError e = reg.CreateKey(RootKey(root), full, kKeyAllAccess | view, &key);
    if (e != kErrorSuccess)
        return e;
    if (!(w.subKey == "Empty"))
        e = reg.SetValue(key, w.name.c_str(), w.type, reinterpret_cast<const uint8_t *>(w.data.data()),
                         uint32_t(w.data.size()));
    reg.CloseKey(key);
    return e;
}

// Deletes a tree, subkeys first, from the list ReadRegExportKey gave (parents come first).
bool deleteTree(IRegistry &reg, RegRoot root, uint32_t view, const std::vector<RegExportKey> &keys,
                const std::string &rootPath, const std::string &path)
{
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        const std::string sub = it->path.substr(rootPath.size());
        if (reg.DeleteKeyEx(RootKey(root), path + sub, view) != kErrorSuccess)
            return false;
    }
    return true;
}

QString describe(const std::vector<RegExportKey> &keys)
{
    QString out;
    for (const RegExportKey &k : keys) {
        out += QString::fromStdString(k.path) + QLatin1Char('\n');
        for (const RegExportKey::Value &v : k.values)
            out += QStringLiteral("  [%1] type %2: %3\n")
                       .arg(QString::fromStdString(v.name))
                       .arg(v.type)
                       .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(v.data.data()),
                                                           int(v.data.size())).toHex()));
    }
    return out;
}

} // namespace

class TestRegExportWine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_prefix.Create(&error), qPrintable(error));
    }

    void restoresEveryValueByteForByte()
    {
        auto platform = std::make_unique<CWinePlatform>(m_prefix.HostOptions());
        IRegistry &reg = platform->registry;
        const auto values = userValues();
        for (const Written &w : values)
            QCOMPARE(write(reg, RegRoot::CurrentUser, 0, kUserKey, w), kErrorSuccess);
        const Written machine{"", "v", kRegSz, s("32-bit\0", 7)};
        QCOMPARE(write(reg, RegRoot::LocalMachine, kKeyWow64_32Key, kMachineKey, machine), kErrorSuccess);

        std::vector<RegExportKey> before, machineBefore;
        QVERIFY(ReadRegExportKey(reg, RegRoot::CurrentUser, 0, kUserKey, &before));
        QVERIFY(ReadRegExportKey(reg, RegRoot::LocalMachine, kKeyWow64_32Key, kMachineKey, &machineBefore));
        QCOMPARE(before.size(), size_t(6)); // the key, Sub, Sub\Deeper, Empty, and the two odd names
        size_t valueCount = 0;
        for (const RegExportKey &k : before)
            valueCount += k.values.size();
        QCOMPARE(valueCount, values.size() - 1);
        // What was read is what was written.
        for (const Written &w : values) {
            if (w.subKey == "Empty")
                continue;
            bool found = false;
            for (const RegExportKey &k : before)
                if (k.path == std::string("HKEY_CURRENT_USER\\") + kUserKey + (w.subKey.empty() ? "" : "\\" + w.subKey))
                    for (const RegExportKey::Value &v : k.values)
                        if (v.name == w.name) {
                            found = true;
                            QCOMPARE(v.type, w.type);
                            QCOMPARE(std::string(v.data.begin(), v.data.end()), w.data);
                        }
            QVERIFY2(found, w.name.c_str());
        }
        QCOMPARE(machineBefore.size(), size_t(1));
        QCOMPARE(machineBefore[0].path, std::string("HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\PurgewellRegExport32"));

        std::vector<RegExportKey> all = before;
        all.insert(all.end(), machineBefore.begin(), machineBefore.end());
        QVERIFY(RegExportProblem(all).isEmpty());
        QFile file(m_prefix.DrivePath(QStringLiteral("backup.reg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RegExportText(all));
        file.close();

        QVERIFY(deleteTree(reg, RegRoot::CurrentUser, 0, before, before[0].path, kUserKey));
        QVERIFY(deleteTree(reg, RegRoot::LocalMachine, kKeyWow64_32Key, machineBefore, machineBefore[0].path,
                           kMachineKey));
        std::vector<RegExportKey> gone;
        QVERIFY(ReadRegExportKey(reg, RegRoot::CurrentUser, 0, kUserKey, &gone));
        QVERIFY(ReadRegExportKey(reg, RegRoot::LocalMachine, kKeyWow64_32Key, kMachineKey, &gone));
        QVERIFY(gone.empty());
        platform.reset(); // regedit changes the registry behind the host's back

        QString output;
        QCOMPARE(m_prefix.RunWine(QStringLiteral("regedit"), {QStringLiteral("/S"), QStringLiteral("C:\\backup.reg")},
                                  &output),
                 0);

        platform = std::make_unique<CWinePlatform>(m_prefix.HostOptions());
        std::vector<RegExportKey> after, machineAfter;
        QVERIFY(ReadRegExportKey(platform->registry, RegRoot::CurrentUser, 0, kUserKey, &after));
        QVERIFY(ReadRegExportKey(platform->registry, RegRoot::LocalMachine, kKeyWow64_32Key, kMachineKey, &machineAfter));
        QCOMPARE(describe(after), describe(before));
        QCOMPARE(describe(machineAfter), describe(machineBefore));
        // The 32-bit key came back in the 32-bit view, not beside it.
        std::vector<RegExportKey> wrongPlace;
        QVERIFY(ReadRegExportKey(platform->registry, RegRoot::LocalMachine, kKeyWow64_64Key, kMachineKey, &wrongPlace));
        QVERIFY(wrongPlace.empty());
    }

private:
    CTestWinePrefix m_prefix;
};

QTEST_GUILESS_MAIN(TestRegExportWine)
#include "tst_regexportwine.moc"
