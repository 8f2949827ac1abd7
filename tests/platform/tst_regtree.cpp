// Registry keys in memory and the read-only registries over them: a snapshot answers every read
// of its tree as the registry it was taken from answers it (the fake one here), from memory, and
// sees nothing written after it was taken.
#include "platform/fake/fakeregistry.h"
#include "platform/regtree.h"

#include <QtTest>

#include <cstring>
#include <memory>

using namespace pw;

namespace {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// One read and everything it answers, to compare two registries call by call.
struct Answer {
    WinError error = kErrorSuccess;
    uint32_t type = 0;
    uint32_t size = 0;
    std::string bytes;
    bool operator==(const Answer &o) const
    {
        return error == o.error && type == o.type && size == o.size && bytes == o.bytes;
    }
};

QByteArray describe(const Answer &a)
{
    return QByteArray("error ") + QByteArray::number(qlonglong(a.error)) + " type " + QByteArray::number(a.type) + " size "
           + QByteArray::number(a.size) + " \"" + QByteArray::fromStdString(a.bytes).toHex() + "\"";
}

// The reads a scan makes of the key `path` (opened from the root with `access`), and of `name`
// with a buffer of `buffer` bytes, in one list of answers.
QList<Answer> readAll(IRegistry &reg, const std::string &path, uint32_t access, const char *name, uint32_t buffer)
{
    QList<Answer> out;
    RegKey key = 0;
    Answer open;
    open.error = reg.OpenKey(RootKey(RegRoot::LocalMachine), path, access, &key);
    out << open;
    if (open.error != kErrorSuccess)
        return out;
    for (uint32_t i = 0;; ++i) {
        char text[64] = {};
        Answer a;
        a.size = sizeof text;
        a.error = reg.EnumKey(key, i, text, &a.size);
        a.bytes = text;
        out << a;
        if (a.error != kErrorSuccess)
            break;
        RegKey child = 0;
        Answer sub;
        sub.error = reg.OpenKey(key, text, kKeyRead, &child);
        out << sub;
        if (sub.error == kErrorSuccess)
            reg.CloseKey(child);
    }
    for (uint32_t i = 0;; ++i) {
        char text[64] = {};
        Answer a;
        a.size = sizeof text;
        a.error = reg.EnumValue(key, i, text, &a.size, &a.type);
        a.bytes = text;
        out << a;
        if (a.error != kErrorSuccess)
            break;
    }
    Answer count;
    count.error = reg.QueryValueCount(key, &count.size);
    out << count;
    std::string data(buffer, '\0');
    Answer value;
    value.size = buffer;
    value.error = reg.QueryValue(key, name, &value.type, buffer ? reinterpret_cast<uint8_t *>(&data[0]) : nullptr,
                                 &value.size);
    if (value.error == kErrorSuccess && buffer)
        value.bytes = data.substr(0, value.size);
    out << value;
    Answer sizeOnly;
    sizeOnly.error = reg.QueryValue(key, name, &sizeOnly.type, nullptr, &sizeOnly.size);
    out << sizeOnly;
    reg.CloseKey(key);
    return out;
}

void fill(CFakeRegistry &reg)
{
    const std::string tool = kUninstall + "\\Tool";
    reg.SetRaw(RegRoot::LocalMachine, CFakeRegistry::View64, tool, "DisplayName", kRegSz, std::string("Tool\0", 5));
    reg.SetRaw(RegRoot::LocalMachine, CFakeRegistry::View64, tool, "EstimatedSize", kRegDword, std::string("\x0c\0\0\0", 4));
    reg.SetRaw(RegRoot::LocalMachine, CFakeRegistry::View64, tool, "", kRegSz, std::string("default\0", 8));
    reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View64, tool + "\\Nested\\Deeper");
    reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View64, kUninstall + "\\Another");
    reg.SetRaw(RegRoot::LocalMachine, CFakeRegistry::View32, kUninstall + "\\Wow", "DisplayName", kRegSz,
               std::string("Wow\0", 4));
}

} // namespace

class TestRegTree : public QObject {
    Q_OBJECT
private slots:
    void snapshotAnswersAsTheRegistry_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<uint32_t>("access");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<uint32_t>("buffer");
        const uint32_t read64 = kKeyRead | kKeyWow64_64Key;
        const QByteArray uninstall = QByteArray::fromStdString(kUninstall);
        QTest::newRow("the tree's own key") << uninstall << read64 << QByteArray("x") << 64u;
        QTest::newRow("an entry, name in another case") << uninstall + "\\TOOL" << read64 << QByteArray("displayname") << 64u;
        QTest::newRow("default value") << uninstall + "\\Tool" << read64 << QByteArray("") << 64u;
        QTest::newRow("buffer too small") << uninstall + "\\Tool" << read64 << QByteArray("DisplayName") << 2u;
        QTest::newRow("number") << uninstall + "\\Tool" << read64 << QByteArray("EstimatedSize") << 4u;
        QTest::newRow("missing value") << uninstall + "\\Tool" << read64 << QByteArray("Nope") << 64u;
        QTest::newRow("deeper key, doubled separators") << uninstall + "\\Tool\\\\Nested\\" << read64 << QByteArray("x") << 64u;
        QTest::newRow("missing entry") << uninstall + "\\Gone" << read64 << QByteArray("x") << 64u;
    }

    void snapshotAnswersAsTheRegistry()
    {
        QFETCH(QByteArray, path);
        QFETCH(uint32_t, access);
        QFETCH(QByteArray, value);
        QFETCH(uint32_t, buffer);
        CFakeRegistry live;
        fill(live);
        const std::unique_ptr<IRegistry> snapshot = live.Snapshot(RegRoot::LocalMachine, kUninstall, kKeyWow64_64Key);
        QVERIFY(snapshot);
        const QList<Answer> expected = readAll(live, path.toStdString(), access, value.constData(), buffer);
        const QList<Answer> got = readAll(*snapshot, path.toStdString(), access, value.constData(), buffer);
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(got[i] == expected[i], describe(got[i]) + " instead of " + describe(expected[i]) + " at read "
                                                + QByteArray::number(i));
        QCOMPARE(static_cast<CRegSnapshot &>(*snapshot).OpenHandles(), 0);
    }

    // Only its own tree, only as it was, and never written to.
    void snapshotIsACopyOfOneTree()
    {
        CFakeRegistry live;
        fill(live);
        const std::unique_ptr<IRegistry> snapshot = live.Snapshot(RegRoot::LocalMachine, kUninstall, kKeyWow64_64Key);
        QVERIFY(snapshot);
        live.SetRaw(RegRoot::LocalMachine, CFakeRegistry::View64, kUninstall + "\\Tool", "DisplayName", kRegSz,
                    std::string("Changed\0", 8));
        live.AddKey(RegRoot::LocalMachine, CFakeRegistry::View64, kUninstall + "\\Later");

        IRegistry &reg = *snapshot;
        const RegKey machine = RootKey(RegRoot::LocalMachine);
        RegKey key = 0;
        QCOMPARE(reg.OpenKey(machine, kUninstall + "\\Later", kKeyRead, &key), kErrorFileNotFound);
        QCOMPARE(reg.OpenKey(machine, "SOFTWARE\\Microsoft", kKeyRead, &key), kErrorFileNotFound);
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::CurrentUser), kUninstall, kKeyRead, &key), kErrorFileNotFound);
        QCOMPARE(reg.OpenKey(machine, kUninstall + "\\Tool", kKeyAllAccess | kKeyWow64_64Key, &key), kErrorSuccess);
        char text[16] = {};
        uint32_t size = sizeof text;
        QCOMPARE(reg.QueryValue(key, "DisplayName", nullptr, reinterpret_cast<uint8_t *>(text), &size), kErrorSuccess);
        QCOMPARE(std::string(text), std::string("Tool"));
        const uint32_t one = 1;
        QCOMPARE(reg.SetValue(key, "X", kRegDword, reinterpret_cast<const uint8_t *>(&one), 4), kErrorAccessDenied);
        QCOMPARE(reg.DeleteValue(key, "DisplayName"), kErrorAccessDenied);
        RegKey created = 0;
        QCOMPARE(reg.CreateKey(key, "New", kKeyAllAccess, &created), kErrorAccessDenied);
        QCOMPARE(created, RegKey(0));
        QCOMPARE(reg.DeleteKeyEx(machine, kUninstall + "\\Tool", kKeyWow64_64Key), kErrorAccessDenied);
        QCOMPARE(reg.CloseKey(key), kErrorSuccess);
        QCOMPARE(reg.CloseKey(key), kErrorInvalidHandle);
        // The rights a key was opened with count, as on Windows (the fake does not check them).
        QCOMPARE(reg.OpenKey(machine, kUninstall + "\\Tool", kKeyEnumerateSubKeys, &key), kErrorSuccess);
        size = sizeof text;
        QCOMPARE(reg.QueryValue(key, "DisplayName", nullptr, reinterpret_cast<uint8_t *>(text), &size), kErrorAccessDenied);
        size = sizeof text;
        QCOMPARE(reg.EnumKey(key, 0, text, &size), kErrorSuccess);
        reg.CloseKey(key);
        QCOMPARE(reg.OpenKey(machine, kUninstall + "\\Tool", kKeyQueryValue, &key), kErrorSuccess);
        size = sizeof text;
        QCOMPARE(reg.EnumKey(key, 0, text, &size), kErrorAccessDenied);
        QCOMPARE(reg.QueryValueCount(key, &size), kErrorSuccess);
        reg.CloseKey(key);
        QCOMPARE(reg.QueryValueCount(key, &size), kErrorInvalidHandle);

        // The 32-bit view's tree is another copy; a key that is not there gives an empty one.
        const std::unique_ptr<IRegistry> wow = live.Snapshot(RegRoot::LocalMachine, kUninstall, kKeyWow64_32Key);
        QVERIFY(wow);
        QCOMPARE(wow->OpenKey(machine, kUninstall + "\\Wow", kKeyRead | kKeyWow64_32Key, &key), kErrorSuccess);
        wow->CloseKey(key);
        QCOMPARE(wow->OpenKey(machine, kUninstall + "\\Tool", kKeyRead | kKeyWow64_32Key, &key), kErrorFileNotFound);
        const std::unique_ptr<IRegistry> none = live.Snapshot(RegRoot::CurrentUser, kUninstall, 0);
        QVERIFY(none);
        QCOMPARE(none->OpenKey(RootKey(RegRoot::CurrentUser), kUninstall, kKeyRead, &key), kErrorFileNotFound);
    }

    void namesCompareIgnoringCase_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("folded");
        QTest::newRow("ASCII") << QByteArray("Uninstall") << QByteArray("uninstall");
        QTest::newRow("Latin-1") << QByteArray("\xC3\x9C" "BER") << QByteArray("\xC3\xBC" "ber"); // ÜBER
        QTest::newRow("Latin Extended-A") << QByteArray("\xC5\x81" "\xC3\x93" "D\xC5\xB9") // ŁÓDŹ
                                          << QByteArray("\xC5\x82" "\xC3\xB3" "d\xC5\xBA");
        QTest::newRow("Cyrillic") << QByteArray("\xD0\x9F\xD0\xA0\xD0\x9E") << QByteArray("\xD0\xBF\xD1\x80\xD0\xBE");
        QTest::newRow("Greek") << QByteArray("\xCE\xA9") << QByteArray("\xCF\x89");
        QTest::newRow("no case") << QByteArray("\xE7\xA8\x8B\xE5\xBA\x8F") << QByteArray("\xE7\xA8\x8B\xE5\xBA\x8F");
        QTest::newRow("broken UTF-8 kept") << QByteArray("A\xC3") << QByteArray("a\xC3");
        QTest::newRow("overlong kept") << QByteArray("\xE0\x81\x81") << QByteArray("\xE0\x81\x81");
    }

    void namesCompareIgnoringCase()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, folded);
        QCOMPARE(QByteArray::fromStdString(FoldRegName(name.toStdString())), folded);
        CRegNode node;
        node.AddSubKey(name.toStdString())->SetValue(name.toStdString(), kRegSz, "x");
        const CRegNode *found = node.SubKey(folded.toStdString());
        QVERIFY(found);
        QCOMPARE(QByteArray::fromStdString(found->Name()), name); // kept as it was written
        QVERIFY(found->FindValue(folded.toStdString()));
        QCOMPARE(node.AddSubKey(folded.toStdString()), const_cast<CRegNode *>(found));
        QCOMPARE(node.SubKeyCount(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestRegTree)
#include "tst_regtree.moc"
