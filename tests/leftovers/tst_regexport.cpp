// Registry backups: what the .reg text says for every value type and for hostile names, and
// what is read from a small fake registry (tree order, missing keys, the 32-bit view's path).
#include "leftovers/regexport.h"
#include "platform/fake/fakeregistry.h"

#include <QTextCodec>
#include <QtTest>

using namespace pw;

namespace {

const char kKey[] = "HKEY_CURRENT_USER\\Software\\Test";

QString decode(const QByteArray &file)
{
    if (!file.startsWith(QByteArray("\xff\xfe", 2)) || file.size() % 2 != 0)
        return QStringLiteral("<not UTF-16LE with BOM>");
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(file.constData() + 2), (file.size() - 2) / 2);
}

QString fileWith(const QString &keyPath, const QStringList &lines)
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[") + keyPath + QStringLiteral("]\r\n");
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
}

std::vector<uint8_t> bytes(const QByteArray &b) { return std::vector<uint8_t>(b.begin(), b.end()); }

// "aa,bb,..." for the bytes first..last.
QString hexRange(int first, int last)
{
    QStringList parts;
    for (int i = first; i <= last; ++i)
        parts << QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestRegExport : public QObject {
    Q_OBJECT

private slots:
    // Narrow strings are UTF-8 on Linux, as in the product.
    void initTestCase() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

    void valueText_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("line");
        auto b = [](const char *s, int n) { return QByteArray(s, n); };
        QTest::newRow("string") << uint(kRegSz) << b("hello\0", 6) << QStringLiteral("\"v\"=\"hello\"");
        QTest::newRow("string with quote and backslash")
            << uint(kRegSz) << b("C:\\a \"b\"\0", 9) << QStringLiteral("\"v\"=\"C:\\\\a \\\"b\\\"\"");
        QTest::newRow("empty string") << uint(kRegSz) << b("\0", 1) << QStringLiteral("\"v\"=\"\"");
        QTest::newRow("non-ASCII string")
            << uint(kRegSz) << QByteArray("Gr\xc3\xb6\xc3\x9f" "e", 7).append('\0')
            << QString::fromUtf8("\"v\"=\"Gr\xc3\xb6\xc3\x9f" "e\"");
        QTest::newRow("string without terminator") << uint(kRegSz) << b("ab", 2)
                                                   << QStringLiteral("\"v\"=hex(1):61,00,62,00");
        QTest::newRow("string of no bytes") << uint(kRegSz) << QByteArray() << QStringLiteral("\"v\"=hex(1):");
        QTest::newRow("string with line break")
            << uint(kRegSz) << b("a\nb\0", 4) << QStringLiteral("\"v\"=hex(1):61,00,0a,00,62,00,00,00");
        QTest::newRow("string with carriage return")
            << uint(kRegSz) << b("a\r\0", 3) << QStringLiteral("\"v\"=hex(1):61,00,0d,00,00,00");
        QTest::newRow("string with NUL inside")
            << uint(kRegSz) << b("a\0b\0", 4) << QStringLiteral("\"v\"=hex(1):61,00,00,00,62,00,00,00");
        QTest::newRow("expandable string")
            << uint(kRegExpandSz) << b("%T%\\x\0", 6)
            << QStringLiteral("\"v\"=hex(2):25,00,54,00,25,00,5c,00,78,00,00,00");
        QTest::newRow("non-ASCII expandable string")
            << uint(kRegExpandSz) << b("\xc3\xa9\0", 3) << QStringLiteral("\"v\"=hex(2):e9,00,00,00");
        QTest::newRow("multi-string")
            << uint(kRegMultiSz) << b("a\0b\0\0", 5) << QStringLiteral("\"v\"=hex(7):61,00,00,00,62,00,00,00,00,00");
        QTest::newRow("dword") << uint(kRegDword) << b("\x78\x56\x34\x12", 4) << QStringLiteral("\"v\"=dword:12345678");
        QTest::newRow("dword zero") << uint(kRegDword) << b("\0\0\0\0", 4) << QStringLiteral("\"v\"=dword:00000000");
        QTest::newRow("dword max") << uint(kRegDword) << b("\xff\xff\xff\xff", 4) << QStringLiteral("\"v\"=dword:ffffffff");
        QTest::newRow("dword of three bytes") << uint(kRegDword) << b("\x01\x02\x03", 3)
                                              << QStringLiteral("\"v\"=hex(4):01,02,03");
        QTest::newRow("qword") << uint(kRegQword) << b("\x08\x07\x06\x05\x04\x03\x02\x01", 8)
                               << QStringLiteral("\"v\"=hex(b):08,07,06,05,04,03,02,01");
        QTest::newRow("binary") << uint(kRegBinary) << b("\xde\xad\xbe\xef", 4) << QStringLiteral("\"v\"=hex:de,ad,be,ef");
        QTest::newRow("empty binary") << uint(kRegBinary) << QByteArray() << QStringLiteral("\"v\"=hex:");
        QTest::newRow("none") << uint(kRegNone) << b("\x01", 1) << QStringLiteral("\"v\"=hex(0):01");
        QTest::newRow("big-endian dword") << 5u << b("\x12\x34\x56\x78", 4) << QStringLiteral("\"v\"=hex(5):12,34,56,78");
        QTest::newRow("unknown type") << 0x12345678u << b("\xff", 1) << QStringLiteral("\"v\"=hex(12345678):ff");

        // 23 bytes after `"v"=hex:`, then lines of 25, each line 77 characters before the "\".
        QByteArray long60;
        for (int i = 0; i < 60; ++i)
            long60.append(char(i));
        QTest::newRow("long binary wraps")
            << uint(kRegBinary) << long60
            << (QStringLiteral("\"v\"=hex:") + hexRange(0, 22) + QStringLiteral(",\\\r\n  ") + hexRange(23, 47)
                + QStringLiteral(",\\\r\n  ") + hexRange(48, 59));
        QByteArray long48 = long60.left(48);
        QTest::newRow("no lone backslash after the last byte")
            << uint(kRegBinary) << long48
            << (QStringLiteral("\"v\"=hex:") + hexRange(0, 22) + QStringLiteral(",\\\r\n  ") + hexRange(23, 47));
    }
    void valueText()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, line);
        const std::vector<RegExportKey> keys{{kKey, {{"v", type, bytes(data)}}}};
        QCOMPARE(decode(RegExportText(keys)), fileWith(QLatin1String(kKey), {line}));
    }

    void wrapCountsTheName()
    {
        // A longer name leaves fewer bytes on the first line.
        const std::vector<RegExportKey> keys{{kKey, {{"name", kRegBinary, std::vector<uint8_t>(30, 0xab)}}}};
        const QString text = decode(RegExportText(keys));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        const QString first = lines.at(3);
        QCOMPARE(first.size(), 78);
        QVERIFY(first.startsWith(QStringLiteral("\"name\"=hex:ab,")) && first.endsWith(QStringLiteral(",\\")));
        QStringList rest;
        for (int i = 22; i < 30; ++i)
            rest << QStringLiteral("ab");
        QCOMPARE(lines.at(4), QStringLiteral("  ") + rest.join(QLatin1Char(',')));
    }

    void hostileNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("default value") << QByteArray() << QStringLiteral("@");
        QTest::newRow("quote") << QByteArray("a\"b") << QStringLiteral("\"a\\\"b\"");
        QTest::newRow("backslash") << QByteArray("a\\b\\") << QStringLiteral("\"a\\\\b\\\\\"");
        QTest::newRow("at sign") << QByteArray("@") << QStringLiteral("\"@\"");
        QTest::newRow("brackets and equals") << QByteArray("[x]=y") << QStringLiteral("\"[x]=y\"");
        QTest::newRow("line breaks") << QByteArray("a\r\nb") << QStringLiteral("\"a\\r\\nb\"");
        QTest::newRow("non-ASCII") << QByteArray("\xd0\x96\xe2\x82\xac") << QString::fromUtf8("\"\xd0\x96\xe2\x82\xac\"");
    }
    void hostileNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, written);
        const std::vector<RegExportKey> keys{{kKey, {{name.toStdString(), kRegSz, bytes(QByteArray("x", 2))}}}};
        QCOMPARE(decode(RegExportText(keys)), fileWith(QLatin1String(kKey), {written + QStringLiteral("=\"x\"")}));
        QVERIFY(RegExportProblem(keys).isEmpty());
    }

    void hostileKeyPaths()
    {
        const std::string odd = "HKEY_CURRENT_USER\\Software\\T]x\"y [z] \xc3\xa9";
        const std::vector<RegExportKey> keys{{odd, {}}};
        QCOMPARE(decode(RegExportText(keys)), fileWith(QString::fromUtf8(odd.c_str()), {}));
        QVERIFY(RegExportProblem(keys).isEmpty());

        // A line break would end the key line: such a key is left out and the problem named.
        const std::vector<RegExportKey> broken{{"HKEY_CURRENT_USER\\Software\\a\nb", {{"v", kRegDword, {1, 0, 0, 0}}}},
                                               {kKey, {}}};
        QCOMPARE(decode(RegExportText(broken)), fileWith(QLatin1String(kKey), {}));
        const QString problem = RegExportProblem(broken);
        QVERIFY(problem.contains(QStringLiteral("line break")));
        QVERIFY(!problem.contains(QLatin1Char('\n')));
    }

    void severalKeysAndEmptyList()
    {
        const std::vector<RegExportKey> keys{{"HKEY_CURRENT_USER\\A", {{"", kRegSz, {'d', 0}}}},
                                             {"HKEY_CURRENT_USER\\A\\B", {}}};
        QCOMPARE(decode(RegExportText(keys)),
                 QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n@=\"d\"\r\n"
                                "\r\n[HKEY_CURRENT_USER\\A\\B]\r\n\r\n"));
        QCOMPARE(decode(RegExportText({})), QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"));
    }

    void rootNames()
    {
        QCOMPARE(RegExportRootName(RegRoot::LocalMachine), QStringLiteral("HKEY_LOCAL_MACHINE"));
        QCOMPARE(RegExportRootName(RegRoot::CurrentUser), QStringLiteral("HKEY_CURRENT_USER"));
        QCOMPARE(RegExportRootName(RegRoot::ClassesRoot), QStringLiteral("HKEY_CLASSES_ROOT"));
    }

    void readsTheWholeTree()
    {
        CFakeRegistry reg;
        const auto v64 = CFakeRegistry::View64;
        reg.SetString(RegRoot::CurrentUser, v64, "Software\\App", "", "default");
        reg.SetRaw(RegRoot::CurrentUser, v64, "Software\\App", "bin", kRegBinary, std::string("\0\x01\xff", 3));
        reg.SetRaw(RegRoot::CurrentUser, v64, "Software\\App", "empty", kRegSz, std::string());
        reg.SetDword(RegRoot::CurrentUser, v64, "Software\\App\\B", "n", 7);
        reg.SetString(RegRoot::CurrentUser, v64, "Software\\App\\A\\Deep", "s", "x", kRegExpandSz);
        reg.AddKey(RegRoot::CurrentUser, v64, "Software\\App\\A\\Empty");
        reg.SetString(RegRoot::CurrentUser, v64, "Software\\Other", "s", "not ours");

        std::vector<RegExportKey> keys;
        QVERIFY(ReadRegExportKey(reg, RegRoot::CurrentUser, 0, "Software\\App", &keys));
        QCOMPARE(reg.OpenHandles(), 0);
        QStringList paths;
        for (const RegExportKey &k : keys)
            paths << QString::fromStdString(k.path);
        QCOMPARE(paths, QStringList({QStringLiteral("HKEY_CURRENT_USER\\Software\\App"),
                                     QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\A"),
                                     QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\A\\Deep"),
                                     QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\A\\Empty"),
                                     QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\B")}));
        QCOMPARE(keys[0].values.size(), size_t(3));
        QCOMPARE(keys[0].values[0].name, std::string());
        QCOMPARE(keys[0].values[0].type, uint32_t(kRegSz));
        QCOMPARE(keys[0].values[0].data, bytes(QByteArray("default", 8)));
        QCOMPARE(keys[0].values[1].data, std::vector<uint8_t>({0, 1, 0xff}));
        QCOMPARE(keys[0].values[2].data, std::vector<uint8_t>());
        QCOMPARE(keys[2].values[0].type, uint32_t(kRegExpandSz));
        QCOMPARE(keys[4].values[0].data, std::vector<uint8_t>({7, 0, 0, 0}));
        QVERIFY(keys[1].values.empty() && keys[3].values.empty());
    }

    void longNamesAndData()
    {
        CFakeRegistry reg;
        const std::string longName(3000, 'n'), longSub(400, 'k');
        const std::string big(100000, '\x5a');
        reg.SetRaw(RegRoot::CurrentUser, CFakeRegistry::View64, "Software\\App\\" + longSub, longName, kRegBinary, big);
        std::vector<RegExportKey> keys;
        QVERIFY(ReadRegExportKey(reg, RegRoot::CurrentUser, 0, "Software\\App", &keys));
        QCOMPARE(keys.size(), size_t(2));
        QCOMPARE(keys[1].path, "HKEY_CURRENT_USER\\Software\\App\\" + longSub);
        QCOMPARE(keys[1].values[0].name, longName);
        QCOMPARE(keys[1].values[0].data.size(), big.size());
    }

    void missingIsNotAnError()
    {
        CFakeRegistry reg;
        reg.SetString(RegRoot::CurrentUser, CFakeRegistry::View64, "Software\\App", "there", "1");
        std::vector<RegExportKey> keys;
        QVERIFY(ReadRegExportKey(reg, RegRoot::CurrentUser, 0, "Software\\Gone", &keys));
        QVERIFY(ReadRegExportValue(reg, RegRoot::CurrentUser, 0, "Software\\Gone", "there", &keys));
        QVERIFY(ReadRegExportValue(reg, RegRoot::CurrentUser, 0, "Software\\App", "gone", &keys));
        QVERIFY(keys.empty());
        QVERIFY(ReadRegExportValue(reg, RegRoot::CurrentUser, 0, "Software\\App", "there", &keys));
        QCOMPARE(keys.size(), size_t(1));
        QCOMPARE(keys[0].path, std::string("HKEY_CURRENT_USER\\Software\\App"));
        QCOMPARE(keys[0].values.size(), size_t(1));
        QCOMPARE(keys[0].values[0].name, std::string("there"));
        QCOMPARE(keys[0].values[0].data, bytes(QByteArray("1", 2)));
        QCOMPARE(reg.OpenHandles(), 0);
    }

    void otherErrorsFail()
    {
        CFakeRegistry reg;
        reg.SetString(RegRoot::CurrentUser, CFakeRegistry::View64, "Software\\App\\Locked", "v", "1");
        reg.FailOpen("Locked", kErrorAccessDenied);
        std::vector<RegExportKey> keys;
        QVERIFY(!ReadRegExportKey(reg, RegRoot::CurrentUser, 0, "Software\\App", &keys));
        QVERIFY(!ReadRegExportValue(reg, RegRoot::CurrentUser, 0, "Software\\App\\Locked", "v", &keys));
        QCOMPARE(reg.OpenHandles(), 0);
    }

    void thirtyTwoBitViewGetsItsRealPath_data()
    {
        QTest::addColumn<bool>("sixtyFourBit");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        QTest::newRow("64-bit system") << true << QStringLiteral("SOFTWARE\\App")
                                       << QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\App");
        QTest::newRow("already spelled out") << true << QStringLiteral("Software\\Wow6432Node\\App")
                                             << QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\App");
        QTest::newRow("32-bit system") << false << QStringLiteral("SOFTWARE\\App")
                                       << QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\App");
    }
    void thirtyTwoBitViewGetsItsRealPath()
    {
        QFETCH(bool, sixtyFourBit);
        QFETCH(QString, path);
        QFETCH(QString, written);
        CFakeRegistry reg;
        if (sixtyFourBit)
            reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View64, "Software\\Wow6432Node");
        reg.SetDword(RegRoot::LocalMachine, CFakeRegistry::View32, path.toStdString(), "v", 1);
        std::vector<RegExportKey> keys;
        QVERIFY(ReadRegExportKey(reg, RegRoot::LocalMachine, kKeyWow64_32Key, path.toStdString(), &keys));
        QVERIFY(ReadRegExportValue(reg, RegRoot::LocalMachine, kKeyWow64_32Key, path.toStdString(), "v", &keys));
        QCOMPARE(keys.size(), size_t(2));
        QCOMPARE(QString::fromStdString(keys[0].path), written);
        QCOMPARE(keys[1].path, keys[0].path);
        // The 64-bit view and the shared roots keep their path.
        QCOMPARE(RegExportKeyPath(reg, RegRoot::LocalMachine, kKeyWow64_64Key, "Software\\App"),
                 std::string("HKEY_LOCAL_MACHINE\\Software\\App"));
        QCOMPARE(RegExportKeyPath(reg, RegRoot::CurrentUser, kKeyWow64_32Key, "Software\\App"),
                 std::string("HKEY_CURRENT_USER\\Software\\App"));
        QCOMPARE(RegExportKeyPath(reg, RegRoot::LocalMachine, kKeyWow64_32Key, "Softwarex\\App"),
                 std::string("HKEY_LOCAL_MACHINE\\Softwarex\\App"));
    }
};

QTEST_GUILESS_MAIN(TestRegExport)
#include "tst_regexport.moc"
