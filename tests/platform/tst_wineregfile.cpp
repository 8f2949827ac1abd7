// A Wine prefix's registry read from its files: each form of value data Wine writes, the
// escapes of names and strings, what Wine skips, and the registry views over the two files.
#include "platform/wineregfile.h"

#include <QtTest>

#include <cstring>

using namespace pw;

namespace {

const QByteArray kHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Registry\\\\Machine\n\n#arch=win64\n\n";

QByteArray dataOf(const CRegNode::Value *v)
{
    return v ? QByteArray::fromStdString(v->data) : QByteArray("(none)");
}

std::string readText(IRegistry &reg, RegRoot root, const std::string &path, uint32_t view, const char *name)
{
    RegKey key = 0;
    if (reg.OpenKey(RootKey(root), path, kKeyRead | view, &key) != kErrorSuccess)
        return "(no key)";
    char text[128] = {};
    uint32_t size = sizeof text;
    const WinError r = reg.QueryValue(key, name, nullptr, reinterpret_cast<uint8_t *>(text), &size);
    reg.CloseKey(key);
    return r == kErrorSuccess ? std::string(text) : "(no value)";
}

} // namespace

class TestWineRegFile : public QObject {
    Q_OBJECT
private slots:
    void values_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<uint32_t>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("string") << QByteArray("\"DisplayName\"=\"Tool\"") << QByteArray("DisplayName") << kRegSz
                                << QByteArray("Tool", 5);
        QTest::newRow("C escapes") << QByteArray("\"a\"=\"x\\\\y\\\"z\\n\\t\"") << QByteArray("a") << kRegSz
                                   << QByteArray("x\\y\"z\n\t", 8);
        QTest::newRow("UTF-16 escapes and octal") << QByteArray("\"b\"=\"\\x00e9\\x20ac\\101\\0\"") << QByteArray("b")
                                                  << kRegSz << QByteArray("\xC3\xA9\xE2\x82\xAC" "A\0\0", 8);
        QTest::newRow("UTF-8 as it is") << QByteArray("\"c\"=\"Gr\xC3\xB6\xC3\x9F" "e\"") << QByteArray("c") << kRegSz
                                        << QByteArray("Gr\xC3\xB6\xC3\x9F" "e", 8);
        QTest::newRow("surrogate pair escaped") << QByteArray("\"d\"=\"\\xd83d\\xde00\"") << QByteArray("d") << kRegSz
                                                << QByteArray("\xF0\x9F\x98\x80", 5);
        QTest::newRow("escaped name, default value") << QByteArray("@=\"def\"") << QByteArray("") << kRegSz
                                                     << QByteArray("def", 4);
        QTest::newRow("name with an escaped quote") << QByteArray("\"q\\\"n\"=\"v\"") << QByteArray("q\"n") << kRegSz
                                                    << QByteArray("v", 2);
        QTest::newRow("str:") << QByteArray("\"e\"=str:\"v\"") << QByteArray("e") << kRegSz << QByteArray("v", 2);
        QTest::newRow("str(2): expandable") << QByteArray("\"f\"=str(2):\"%SystemRoot%\\\\x\"") << QByteArray("f")
                                            << kRegExpandSz << QByteArray("%SystemRoot%\\x", 15);
        QTest::newRow("str(7): several strings") << QByteArray("\"g\"=str(7):\"a\\0bc\\0\"") << QByteArray("g")
                                                 << kRegMultiSz << QByteArray("a\0bc\0\0", 6);
        QTest::newRow("dword") << QByteArray("\"h\"=dword:0000002a") << QByteArray("h") << kRegDword
                               << QByteArray("\x2a\0\0\0", 4);
        QTest::newRow("hex") << QByteArray("\"i\"=hex:01,ff,7f") << QByteArray("i") << kRegBinary
                             << QByteArray("\x01\xff\x7f", 3);
        QTest::newRow("hex(b): a number") << QByteArray("\"j\"=hex(b):01,00,00,00,00,00,00,80") << QByteArray("j")
                                          << kRegQword << QByteArray("\x01\0\0\0\0\0\0\x80", 8);
        QTest::newRow("hex(2): UTF-16 text") << QByteArray("\"k\"=hex(2):41,00,e9,00,00,00") << QByteArray("k")
                                             << kRegExpandSz << QByteArray("A\xC3\xA9", 4);
        QTest::newRow("hex continued over lines") << QByteArray("\"l\"=hex:01,02,\\\n  03,\\\n  04") << QByteArray("l")
                                                  << kRegBinary << QByteArray("\x01\x02\x03\x04", 4);
        QTest::newRow("hex(0): no type") << QByteArray("\"m\"=hex(0):") << QByteArray("m") << kRegNone << QByteArray();
        QTest::newRow("unreadable data kept empty") << QByteArray("\"n\"=hex:zz") << QByteArray("n") << kRegNone
                                                    << QByteArray();
        QTest::newRow("unknown tag kept empty") << QByteArray("\"o\"=word:1") << QByteArray("o") << kRegNone
                                                << QByteArray();
    }

    void values()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, name);
        QFETCH(uint32_t, type);
        QFETCH(QByteArray, data);
        const QByteArray text = kHeader + "[Software\\\\Test] 1700000000\n#time=1d9a0b1c2d3e4f5\n" + line + "\n";
        const WineRegFile file = ParseWineRegFile(text.toStdString());
        QVERIFY(file.valid);
        QCOMPARE(QByteArray::fromStdString(file.arch), QByteArray("win64"));
        const CRegNode *key = WalkRegPath(file.root.get(), {"software", "TEST"});
        QVERIFY(key);
        QCOMPARE(key->Values().size(), size_t(1));
        const CRegNode::Value *v = key->FindValue(name.toStdString());
        QVERIFY(v);
        QCOMPARE(v->type, type);
        QCOMPARE(dataOf(v), data);
    }

    // What Wine refuses whole, and what it skips line by line.
    void fileLevelRules()
    {
        QVERIFY(!ParseWineRegFile("REGEDIT4\n[Software]\n").valid);
        QVERIFY(!ParseWineRegFile("").valid);
        QVERIFY(!ParseWineRegFile("WINE REGISTRY Version 2\n#arch=arm99\n").valid);
        const WineRegFile noArch = ParseWineRegFile("WINE REGISTRY Version 2\r\n[A]\r\n\"v\"=\"1\"\r\n");
        QVERIFY(noArch.valid);
        QVERIFY(noArch.arch.empty());
        QVERIFY(WalkRegPath(noArch.root.get(), {"a"})->FindValue("v"));

        const QByteArray text = kHeader
                                + "\"orphan\"=\"before any key\"\n"
                                  "[Software\\\\Escaped\\]Name\\\\\\x00c4pfel] 1\n"
                                  "garbage line\n"
                                  "\"unterminated=\"x\"\n"
                                  "[Software\\\\Unclosed\n"
                                  "\"lost\"=\"belongs to no key\"\n"
                                  "[Software\\\\Escaped]\n"
                                  "\"after\"=dword:1\n";
        const WineRegFile file = ParseWineRegFile(text.toStdString());
        QVERIFY(file.valid);
        QCOMPARE(QByteArray::fromStdString(file.relativeTo), QByteArray("\\Registry\\Machine"));
        const CRegNode *escaped = WalkRegPath(file.root.get(), {"Software", "Escaped"});
        QVERIFY(escaped);
        // "Software\Escaped]Name\Äpfel", found ignoring case
        QVERIFY(WalkRegPath(file.root.get(), {"Software", "Escaped]Name", "\xC3\xA4pfel"}));
        QVERIFY(escaped->FindValue("after"));
        QVERIFY(!WalkRegPath(file.root.get(), {"Software", "Unclosed"}));
        QCOMPARE(file.badLines, size_t(5)); // orphan, garbage, unterminated, unclosed key, lost
    }

    // The registry over both files: HKEY_LOCAL_MACHINE with its 32-bit view, HKEY_CURRENT_USER,
    // HKEY_CLASSES_ROOT, links, and no writing.
    void registryViews()
    {
        const QByteArray system = kHeader
                                  + "[Software\\\\Vendor] 1\n\"where\"=\"64\"\n"
                                    "[Software\\\\Wow6432Node\\\\Vendor] 1\n\"where\"=\"32\"\n"
                                    "[Software\\\\Classes\\\\.txt] 1\n@=\"machine\"\n"
                                    "[Software\\\\Classes\\\\.ini] 1\n@=\"machine ini\"\n"
                                    "[System\\\\CurrentControlSet] 1\n#link\n"
                                    "\"SymbolicLinkValue\"=hex(6):5c,00,52,00,45,00,47,00,49,00,53,00,54,00,52,00,59,00,5c,00,\\\n"
                                    "  4d,00,61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,53,00,79,00,73,00,74,00,65,00,\\\n"
                                    "  6d,00,5c,00,43,00,6f,00,6e,00,74,00,72,00,6f,00,6c,00,53,00,65,00,74,00,30,00,\\\n"
                                    "  30,00,31,00\n"
                                    "[System\\\\ControlSet001\\\\Control] 1\n\"k\"=\"linked\"\n";
        const QByteArray user = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
                                "#arch=win64\n\n"
                                "[Software\\\\Classes\\\\.txt] 1\n@=\"user\"\n"
                                "[Software\\\\Vendor] 1\n\"where\"=\"user\"\n";
        // The link names "\REGISTRY\Machine\System\ControlSet001", in the file's own tree.
        CWineFileRegistry reg(ParseWineRegFile(system.toStdString()), ParseWineRegFile(user.toStdString()));
        QVERIFY(reg.Is64BitPrefix());
        const std::string vendor = "Software\\Vendor";
        QCOMPARE(readText(reg, RegRoot::LocalMachine, vendor, kKeyWow64_64Key, "where"), std::string("64"));
        QCOMPARE(readText(reg, RegRoot::LocalMachine, vendor, 0, "where"), std::string("64"));
        QCOMPARE(readText(reg, RegRoot::LocalMachine, vendor, kKeyWow64_32Key, "where"), std::string("32"));
        QCOMPARE(readText(reg, RegRoot::LocalMachine, "SOFTWARE\\Classes\\.txt", kKeyWow64_32Key, ""),
                 std::string("machine")); // Classes is shared by both views
        QCOMPARE(readText(reg, RegRoot::CurrentUser, vendor, kKeyWow64_32Key, "where"), std::string("user"));
        QCOMPARE(readText(reg, RegRoot::ClassesRoot, ".txt", 0, ""), std::string("user"));
        QCOMPARE(readText(reg, RegRoot::ClassesRoot, ".ini", 0, ""), std::string("machine ini"));
        QCOMPARE(readText(reg, RegRoot::LocalMachine, "System\\CurrentControlSet\\Control", 0, "k"),
                 std::string("linked"));

        // A key opened in the 32-bit view stays in it for what is opened below it.
        RegKey software = 0, below = 0;
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), "Software", kKeyRead | kKeyWow64_32Key, &software),
                 kErrorSuccess);
        QCOMPARE(reg.OpenKey(software, "Vendor", kKeyRead, &below), kErrorSuccess);
        char text[8] = {};
        uint32_t size = sizeof text;
        QCOMPARE(reg.QueryValue(below, "where", nullptr, reinterpret_cast<uint8_t *>(text), &size), kErrorSuccess);
        QCOMPARE(std::string(text), std::string("32"));
        const uint32_t one = 1;
        QCOMPARE(reg.SetValue(below, "x", kRegDword, reinterpret_cast<const uint8_t *>(&one), 4), kErrorAccessDenied);
        RegKey created = 0;
        QCOMPARE(reg.CreateKey(software, "New", kKeyAllAccess, &created), kErrorAccessDenied);
        QCOMPARE(reg.DeleteKeyEx(RootKey(RegRoot::LocalMachine), vendor, kKeyWow64_64Key), kErrorAccessDenied);
        for (RegKey key : {below, software})
            QCOMPARE(reg.CloseKey(key), kErrorSuccess);
        QCOMPARE(reg.OpenHandles(), 0);
    }

    // A prefix folder: system.reg is needed, user.reg may be missing.
    void loadFromFolder()
    {
        QTemporaryDir dir;
        std::string error;
        QVERIFY(!CWineFileRegistry::Load(dir.path().toStdString(), &error));
        QVERIFY(!error.empty());
        QFile system(dir.filePath(QStringLiteral("system.reg")));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("WINE REGISTRY Version 2\n#arch=win32\n[Software\\\\A] 1\n\"v\"=\"1\"\n");
        system.close();
        const std::unique_ptr<CWineFileRegistry> reg = CWineFileRegistry::Load(dir.path().toStdString(), &error);
        QVERIFY(reg);
        QVERIFY(!reg->Is64BitPrefix());
        // A 32-bit prefix has one view: both flags read the same keys.
        QCOMPARE(readText(*reg, RegRoot::LocalMachine, "Software\\A", kKeyWow64_32Key, "v"), std::string("1"));
        QCOMPARE(readText(*reg, RegRoot::CurrentUser, "Software", 0, "v"), std::string("(no key)"));
    }
};

QTEST_GUILESS_MAIN(TestWineRegFile)
#include "tst_wineregfile.moc"
