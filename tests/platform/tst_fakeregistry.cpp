// The fake registry is what every unit test of the inventory and the leftover code runs
// against, so it must answer like the Win32 calls it stands in for.
#include "platform/fake/fakeregistry.h"

#include <QtTest>

using namespace pw;

class TestFakeRegistry : public QObject {
    Q_OBJECT
private slots:
    void errorCodesAndBufferSizes();
    void viewsAreSeparateForMachineOnly();
    void enumerationOrder();
    void deleteRules();
};

void TestFakeRegistry::errorCodesAndBufferSizes()
{
    CFakeRegistry reg;
    reg.SetString(RegRoot::CurrentUser, CFakeRegistry::View64, "Software\\A", "Name", "abcdef");
    RegKey key = 0;
    QCOMPARE(reg.OpenKey(RootKey(RegRoot::CurrentUser), "Software\\Missing", kKeyRead, &key), kErrorFileNotFound);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(reg.OpenKey(RootKey(RegRoot::CurrentUser), "software\\a", kKeyRead, &key), kErrorSuccess);

    uint8_t buffer[16] = {};
    uint32_t type = 0, size = 3;
    QCOMPARE(reg.QueryValue(key, "Name", &type, buffer, &size), kErrorMoreData);
    QCOMPARE(size, 7u); // text and terminator
    QCOMPARE(buffer[0], uint8_t(0)); // nothing written on a short buffer
    size = sizeof buffer;
    QCOMPARE(reg.QueryValue(key, "name", &type, buffer, &size), kErrorSuccess);
    QCOMPARE(type, kRegSz);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer)), QByteArray("abcdef"));
    QCOMPARE(reg.QueryValue(key, "Other", &type, buffer, &size), kErrorFileNotFound);

    char name[4];
    uint32_t nameLen = sizeof name;
    QCOMPARE(reg.EnumValue(key, 0, name, &nameLen, &type), kErrorMoreData); // "Name" needs 5
    nameLen = sizeof name;
    QCOMPARE(reg.EnumValue(key, 1, name, &nameLen, &type), kErrorNoMoreItems);

    QCOMPARE(reg.CloseKey(key), kErrorSuccess);
    QCOMPARE(reg.CloseKey(key), kErrorInvalidHandle);
    QCOMPARE(reg.OpenHandles(), 0);
}

void TestFakeRegistry::viewsAreSeparateForMachineOnly()
{
    CFakeRegistry reg;
    reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View32, "Software\\Only32");
    reg.AddKey(RegRoot::CurrentUser, CFakeRegistry::View32, "Software\\User");
    RegKey key = 0;
    QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), "Software\\Only32", kKeyRead | kKeyWow64_64Key, &key),
             kErrorFileNotFound);
    QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), "Software\\Only32", kKeyRead | kKeyWow64_32Key, &key),
             kErrorSuccess);
    reg.CloseKey(key);
    // The per-user key is the same in both views.
    QCOMPARE(reg.OpenKey(RootKey(RegRoot::CurrentUser), "Software\\User", kKeyRead | kKeyWow64_64Key, &key),
             kErrorSuccess);
    reg.CloseKey(key);
}

void TestFakeRegistry::enumerationOrder()
{
    CFakeRegistry reg;
    for (const char *k : {"b", "C", "a"})
        reg.AddKey(RegRoot::CurrentUser, CFakeRegistry::View64, std::string("Root\\") + k);
    reg.SetString(RegRoot::CurrentUser, CFakeRegistry::View64, "Root", "z", "1");
    reg.SetString(RegRoot::CurrentUser, CFakeRegistry::View64, "Root", "y", "2");
    RegKey key = 0;
    reg.OpenKey(RootKey(RegRoot::CurrentUser), "Root", kKeyRead, &key);
    QStringList keys, values;
    char name[260];
    for (uint32_t i = 0;; ++i) {
        uint32_t len = sizeof name;
        if (reg.EnumKey(key, i, name, &len) != kErrorSuccess)
            break;
        QCOMPARE(len, uint32_t(strlen(name)));
        keys << name;
    }
    for (uint32_t i = 0;; ++i) {
        uint32_t len = sizeof name, type = 0;
        if (reg.EnumValue(key, i, name, &len, &type) != kErrorSuccess)
            break;
        values << name;
    }
    uint32_t count = 0;
    reg.QueryValueCount(key, &count);
    reg.CloseKey(key);
    QCOMPARE(keys, QStringList({"a", "b", "C"})); // subkeys by name, ignoring case
    QCOMPARE(values, QStringList({"z", "y"}));    // values in the order they were set
    QCOMPARE(count, 2u);
}

void TestFakeRegistry::deleteRules()
{
    CFakeRegistry reg;
    reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View64, "P\\Child");
    RegKey open = 0;
    reg.OpenKey(RootKey(RegRoot::LocalMachine), "P\\Child", kKeyRead, &open);
    QCOMPARE(reg.DeleteKey(RootKey(RegRoot::LocalMachine), "P"), kErrorAccessDenied); // has a subkey
    QCOMPARE(reg.DeleteKey(RootKey(RegRoot::LocalMachine), "P\\Child"), kErrorSuccess);
    QCOMPARE(reg.DeleteKey(RootKey(RegRoot::LocalMachine), "P\\Child"), kErrorFileNotFound);
    uint32_t count = 0;
    QCOMPARE(reg.QueryValueCount(open, &count), kErrorInvalidHandle); // handle to a deleted key
    reg.CloseKey(open);
    reg.AddKey(RegRoot::LocalMachine, CFakeRegistry::View32, "Q");
    QCOMPARE(reg.DeleteKeyEx(RootKey(RegRoot::LocalMachine), "Q", kKeyWow64_64Key), kErrorFileNotFound);
    QCOMPARE(reg.DeleteKeyEx(RootKey(RegRoot::LocalMachine), "Q", kKeyWow64_32Key), kErrorSuccess);
}

QTEST_GUILESS_MAIN(TestFakeRegistry)
#include "tst_fakeregistry.moc"
