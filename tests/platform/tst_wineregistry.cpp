// The real registry: both views of HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, Win32 error codes,
// and sizes judged in the bytes the caller gets (UTF-8 through the host of a Wine prefix in the
// Linux build, the ANSI code page of the Win32 backend in the Windows build).
#include "support/testmachine.h"

#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>
#include <memory>
#include <set>

using namespace pw;

namespace {

const std::string kText = "Wert \xC3\xBC"; // "Wert ü": 6 characters, 7 bytes of UTF-8

std::string readText(IRegistry &reg, RegKey key, const char *name, WinError *error = nullptr)
{
    char buffer[512] = {};
    uint32_t type = 0, size = sizeof buffer;
    const WinError r = reg.QueryValue(key, name, &type, reinterpret_cast<uint8_t *>(buffer), &size);
    if (error)
        *error = r;
    return r == kErrorSuccess ? std::string(buffer, size ? size - 1 : 0) : std::string();
}

void setText(IRegistry &reg, RegKey key, const char *name, const std::string &text)
{
    QCOMPARE(reg.SetValue(key, name, kRegSz, reinterpret_cast<const uint8_t *>(text.c_str()),
                          uint32_t(text.size() + 1)),
             kErrorSuccess);
}

} // namespace

class TestWineRegistry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        m_platform = m_machine.Backend();
    }

    void createReadEnumerateDelete_data()
    {
        QTest::addColumn<uint32_t>("root");
        QTest::addColumn<uint32_t>("view");
        QTest::addColumn<uint32_t>("otherView"); // 0: both views see the same key
        QTest::newRow("HKLM 64-bit") << uint32_t(RegRoot::LocalMachine) << kKeyWow64_64Key << kKeyWow64_32Key;
        QTest::newRow("HKLM 32-bit") << uint32_t(RegRoot::LocalMachine) << kKeyWow64_32Key << kKeyWow64_64Key;
        QTest::newRow("HKCU") << uint32_t(RegRoot::CurrentUser) << 0u << 0u;
    }

    void createReadEnumerateDelete()
    {
        QFETCH(uint32_t, root);
        QFETCH(uint32_t, view);
        QFETCH(uint32_t, otherView);
        IRegistry &reg = *m_platform.registry;
        const RegKey rootKey = RootKey(RegRoot(root));
        const std::string path = std::string("Software\\PurgewellTest\\") + QTest::currentDataTag();

        RegKey child = 0;
        QCOMPARE(reg.CreateKey(rootKey, path + "\\Child", kKeyAllAccess | view, &child), kErrorSuccess);
        QCOMPARE(reg.CloseKey(child), kErrorSuccess);
        RegKey key = 0;
        QCOMPARE(reg.OpenKey(rootKey, path, kKeyAllAccess | view, &key), kErrorSuccess);
        setText(reg, key, "Name", kText);
        const uint32_t number = 42;
        QCOMPARE(reg.SetValue(key, "Size", kRegDword, reinterpret_cast<const uint8_t *>(&number), 4), kErrorSuccess);
        const uint8_t blob[] = {0, 1, 2, 255};
        QCOMPARE(reg.SetValue(key, "Blob", kRegBinary, blob, sizeof blob), kErrorSuccess);
        QCOMPARE(reg.CloseKey(key), kErrorSuccess);

        // Read back through a new handle, as the inventory does.
        QCOMPARE(reg.OpenKey(rootKey, path, kKeyRead | view, &key), kErrorSuccess);
        RegKeyGuard guard(reg, key);
        QCOMPARE(readText(reg, key, "name"), kText); // value names ignore case
        uint32_t type = 0, size = 4, got = 0;
        QCOMPARE(reg.QueryValue(key, "Size", &type, reinterpret_cast<uint8_t *>(&got), &size), kErrorSuccess);
        QCOMPARE(type, kRegDword);
        QCOMPARE(got, 42u);
        uint8_t blobBack[8] = {};
        size = sizeof blobBack;
        QCOMPARE(reg.QueryValue(key, "Blob", &type, blobBack, &size), kErrorSuccess);
        QCOMPARE(type, kRegBinary);
        QCOMPARE(size, uint32_t(sizeof blob));
        QVERIFY(std::memcmp(blob, blobBack, sizeof blob) == 0);

        uint32_t count = 0;
        QCOMPARE(reg.QueryValueCount(key, &count), kErrorSuccess);
        QCOMPARE(count, 3u);
        std::set<std::string> names;
        for (uint32_t i = 0;; ++i) {
            char name[64];
            uint32_t length = sizeof name;
            const WinError r = reg.EnumValue(key, i, name, &length, &type);
            if (r == kErrorNoMoreItems)
                break;
            QCOMPARE(r, kErrorSuccess);
            QCOMPARE(length, uint32_t(std::strlen(name)));
            names.insert(name);
        }
        QCOMPARE(names, (std::set<std::string>{"Blob", "Name", "Size"}));
        char name[64];
        uint32_t length = sizeof name;
        QCOMPARE(reg.EnumKey(key, 0, name, &length), kErrorSuccess);
        QCOMPARE(std::string(name), std::string("Child"));
        length = sizeof name;
        QCOMPARE(reg.EnumKey(key, 1, name, &length), kErrorNoMoreItems);

        // The two views of HKEY_LOCAL_MACHINE are apart; HKEY_CURRENT_USER has one.
        RegKey other = 0;
        const WinError inOtherView = reg.OpenKey(rootKey, path, kKeyRead | otherView, &other);
        if (other)
            reg.CloseKey(other);
        QCOMPARE(inOtherView, otherView ? kErrorFileNotFound : kErrorSuccess);

        // Deleting.
        QCOMPARE(reg.OpenKey(rootKey, path, kKeyAllAccess | view, &other), kErrorSuccess);
        QCOMPARE(reg.DeleteValue(other, "Size"), kErrorSuccess);
        QCOMPARE(reg.DeleteValue(other, "Size"), kErrorFileNotFound);
        QCOMPARE(reg.CloseKey(other), kErrorSuccess);
        WinError error = kErrorSuccess;
        readText(reg, key, "Size", &error);
        QCOMPARE(error, kErrorFileNotFound); // also through the handle opened before
        QCOMPARE(reg.DeleteKeyEx(rootKey, path, view), kErrorAccessDenied); // it still has a subkey
        QCOMPARE(reg.DeleteKeyEx(rootKey, path + "\\Child", view), kErrorSuccess);
        QCOMPARE(reg.DeleteKeyEx(rootKey, path, view), kErrorSuccess);
        QCOMPARE(reg.OpenKey(rootKey, path, kKeyRead | view, &other), kErrorFileNotFound);
        QCOMPARE(other, RegKey(0));
    }

    // RegDeleteKey without a view flag works on the 64-bit view, as in a 64-bit process.
    void deleteKeyWithoutViewFlag()
    {
        IRegistry &reg = *m_platform.registry;
        const RegKey machine = RootKey(RegRoot::LocalMachine);
        RegKey key = 0;
        QCOMPARE(reg.CreateKey(machine, "Software\\PurgewellTest\\Plain", kKeyAllAccess | kKeyWow64_32Key, &key),
                 kErrorSuccess);
        reg.CloseKey(key);
        QCOMPARE(reg.DeleteKey(machine, "Software\\PurgewellTest\\Plain"), kErrorFileNotFound);
        QCOMPARE(reg.DeleteKeyEx(machine, "Software\\PurgewellTest\\Plain", kKeyWow64_32Key), kErrorSuccess);
        QCOMPARE(reg.CreateKey(machine, "Software\\PurgewellTest\\Plain", kKeyAllAccess, &key), kErrorSuccess);
        reg.CloseKey(key);
        QCOMPARE(reg.DeleteKey(machine, "Software\\PurgewellTest\\Plain"), kErrorSuccess);
    }

    void errorCodes()
    {
        IRegistry &reg = *m_platform.registry;
        const RegKey user = RootKey(RegRoot::CurrentUser);
        RegKey key = 0;
        QCOMPARE(reg.OpenKey(user, "Software\\PurgewellTest\\Missing", kKeyRead, &key), kErrorFileNotFound);
        QCOMPARE(reg.CreateKey(user, "Software\\PurgewellTest\\Errors\\" + kText, kKeyAllAccess, &key), kErrorSuccess);
        reg.CloseKey(key);
        QCOMPARE(reg.OpenKey(user, "Software\\PurgewellTest\\Errors", kKeyAllAccess, &key), kErrorSuccess);
        setText(reg, key, kText.c_str(), kText);

        // Sizes are the UTF-8 bytes handed back, terminator included: 8 here.
        uint8_t data[16];
        uint32_t type = 0, size = 7;
        QCOMPARE(reg.QueryValue(key, kText.c_str(), &type, data, &size), kErrorMoreData);
        QCOMPARE(size, 8u);
        size = 0;
        QCOMPARE(reg.QueryValue(key, kText.c_str(), &type, nullptr, &size), kErrorSuccess);
        QCOMPARE(size, 8u);
        QCOMPARE(reg.QueryValue(key, kText.c_str(), &type, data, &size), kErrorSuccess);
        QCOMPARE(std::string(reinterpret_cast<char *>(data)), kText);
        QCOMPARE(reg.QueryValue(key, "Nothing", &type, data, &size), kErrorFileNotFound);
        QCOMPARE(reg.QueryValue(key, kText.c_str(), &type, data, nullptr), kErrorInvalidParameter);

        char name[16];
        uint32_t length = 7;
        QCOMPARE(reg.EnumKey(key, 0, name, &length), kErrorMoreData);
        length = 8;
        QCOMPARE(reg.EnumKey(key, 0, name, &length), kErrorSuccess);
        QCOMPARE(std::string(name), kText);
        QCOMPARE(length, 7u);
        length = 7;
        QCOMPARE(reg.EnumValue(key, 0, name, &length, &type), kErrorMoreData);
        length = sizeof name;
        QCOMPARE(reg.EnumValue(key, 1, name, &length, &type), kErrorNoMoreItems);

        // Closed and made-up handles.
        QCOMPARE(reg.CloseKey(key), kErrorSuccess);
        QCOMPARE(reg.QueryValue(key, kText.c_str(), &type, data, &size), kErrorInvalidHandle);
        QCOMPARE(reg.QueryValue(0, "x", &type, data, &size), kErrorInvalidHandle);
        QCOMPARE(reg.CloseKey(0), kErrorInvalidHandle);
    }

    // A key too large to be carried along with its opening is read value by value.
    void largeKeys()
    {
        IRegistry &reg = *m_platform.registry;
        RegKey key = 0;
        QCOMPARE(reg.CreateKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest\\Large", kKeyAllAccess, &key),
                 kErrorSuccess);
        std::string big(100000, 'x');
        for (size_t i = 0; i < big.size(); ++i)
            big[i] = char(i * 7);
        QCOMPARE(reg.SetValue(key, "Big", kRegBinary, reinterpret_cast<const uint8_t *>(big.data()), uint32_t(big.size())),
                 kErrorSuccess);
        for (int i = 0; i < 300; ++i)
            setText(reg, key, ("v" + std::to_string(i)).c_str(), std::to_string(i));
        reg.CloseKey(key);

        QCOMPARE(reg.OpenKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest\\Large", kKeyRead, &key),
                 kErrorSuccess);
        RegKeyGuard guard(reg, key);
        uint32_t count = 0;
        QCOMPARE(reg.QueryValueCount(key, &count), kErrorSuccess);
        QCOMPARE(count, 301u);
        std::string back(big.size(), '\0');
        uint32_t type = 0, size = uint32_t(back.size());
        QCOMPARE(reg.QueryValue(key, "Big", &type, reinterpret_cast<uint8_t *>(&back[0]), &size), kErrorSuccess);
        QCOMPARE(size, uint32_t(big.size()));
        QVERIFY(back == big);
        QCOMPARE(readText(reg, key, "v299"), std::string("299"));
    }

    // What was read when a key was opened does not hide later writes of this program.
    void writesAreSeenThroughOpenHandles()
    {
        IRegistry &reg = *m_platform.registry;
        const RegKey user = RootKey(RegRoot::CurrentUser);
        RegKey writer = 0, reader = 0;
        QCOMPARE(reg.CreateKey(user, "Software\\PurgewellTest\\Fresh", kKeyAllAccess, &writer), kErrorSuccess);
        setText(reg, writer, "Value", "old");
        QCOMPARE(reg.OpenKey(user, "Software\\PurgewellTest\\Fresh", kKeyRead, &reader), kErrorSuccess);
        QCOMPARE(readText(reg, reader, "Value"), std::string("old"));
        setText(reg, writer, "Value", "new");
        setText(reg, writer, "Added", "yes");
        QCOMPARE(readText(reg, reader, "Value"), std::string("new"));
        QCOMPARE(readText(reg, reader, "Added"), std::string("yes"));
        RegKey sub = 0;
        QCOMPARE(reg.CreateKey(writer, "Sub", kKeyAllAccess, &sub), kErrorSuccess);
        reg.CloseKey(sub);
        char name[16];
        uint32_t length = sizeof name;
        QCOMPARE(reg.EnumKey(reader, 0, name, &length), kErrorSuccess);
        QCOMPARE(std::string(name), std::string("Sub"));
        reg.CloseKey(reader);
        reg.CloseKey(writer);
    }

    // Keys of an uninstall key opened for reading behave as Windows keys do: case-insensitive
    // names, rights as opened, changes seen by keys opened afterwards, dead after the host is
    // replaced.
    void uninstallEntriesCameAlong()
    {
        IRegistry &reg = *m_platform.registry;
        const RegKey machine = RootKey(RegRoot::LocalMachine);
        const std::string uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
        const std::string entryPath = uninstall + "\\PwLocal A";
        const std::string accented = "Gr\xC3\xB6\xC3\x9F" "e"; // "Größe"
        RegKey writer = 0, sub = 0;
        QCOMPARE(reg.CreateKey(machine, entryPath, kKeyAllAccess | kKeyWow64_64Key, &writer), kErrorSuccess);
        setText(reg, writer, "DisplayName", "A");
        setText(reg, writer, accented.c_str(), "x");
        QCOMPARE(reg.CreateKey(writer, "Sub", kKeyAllAccess, &sub), kErrorSuccess);
        reg.CloseKey(sub);

        RegKey list = 0, entry = 0, relative = 0, other = 0;
        QCOMPARE(reg.OpenKey(machine, uninstall, kKeyRead | kKeyWow64_64Key, &list), kErrorSuccess);
        QCOMPARE(reg.OpenKey(machine, entryPath, kKeyQueryValue | kKeyWow64_64Key, &entry), kErrorSuccess);
        QCOMPARE(readText(reg, entry, "DISPLAYNAME"), std::string("A"));
        QCOMPARE(readText(reg, entry, "gr\xC3\xB6\xC3\x9F" "e"), std::string("x")); // Unicode names: asks the host
        QCOMPARE(reg.OpenKey(list, "pwlocal a", kKeyRead, &relative), kErrorSuccess);
        char name[16];
        uint32_t length = sizeof name;
        QCOMPARE(reg.EnumKey(relative, 0, name, &length), kErrorSuccess);
        QCOMPARE(std::string(name), std::string("Sub"));
        QCOMPARE(reg.OpenKey(machine, uninstall + "\\Nope", kKeyQueryValue | kKeyWow64_64Key, &other), kErrorFileNotFound);
        QCOMPARE(reg.OpenKey(machine, entryPath, kKeyQueryValue | kKeyWow64_32Key, &other), kErrorFileNotFound);

        // Opened for reading only: writing is refused as on Windows.
        const uint32_t one = 1;
        QCOMPARE(reg.SetValue(entry, "X", kRegDword, reinterpret_cast<const uint8_t *>(&one), 4), kErrorAccessDenied);
        // A change through another handle is seen by keys opened afterwards.
        setText(reg, writer, "DisplayName", "B");
        RegKey again = 0;
        QCOMPARE(reg.OpenKey(machine, entryPath, kKeyQueryValue | kKeyWow64_64Key, &again), kErrorSuccess);
        QCOMPARE(readText(reg, again, "DisplayName"), std::string("B"));
        QCOMPARE(reg.CloseKey(again), kErrorSuccess);
        uint32_t count = 0;
        QCOMPARE(reg.QueryValueCount(again, &count), kErrorInvalidHandle);
        // Also when the uninstall key itself is opened again right after it was closed.
        QCOMPARE(reg.CloseKey(list), kErrorSuccess);
        setText(reg, writer, "DisplayName", "C");
        QCOMPARE(reg.OpenKey(machine, uninstall, kKeyRead | kKeyWow64_64Key, &list), kErrorSuccess);
        QCOMPARE(reg.OpenKey(list, "PwLocal A", kKeyQueryValue, &again), kErrorSuccess);
        QCOMPARE(readText(reg, again, "DisplayName"), std::string("C"));
        reg.CloseKey(again);

#ifndef Q_OS_WIN
        // After the host is replaced, its handles are dead, also those opened on this side only.
        QCOMPARE(reg.OpenKey(machine, entryPath, kKeyQueryValue | kKeyWow64_64Key, &again), kErrorSuccess);
        m_machine.Wine().host.KillHostForTest();
        QCOMPARE(reg.OpenKey(machine, uninstall, kKeyRead | kKeyWow64_64Key, &other), kErrorSuccess);
        QCOMPARE(reg.QueryValueCount(again, &count), kErrorInvalidHandle);
        for (RegKey key : {again, other})
            reg.CloseKey(key);
#endif
        for (RegKey key : {relative, entry, list, writer})
            reg.CloseKey(key);
        QCOMPARE(reg.DeleteKeyEx(machine, entryPath + "\\Sub", kKeyWow64_64Key), kErrorSuccess);
        QCOMPARE(reg.DeleteKeyEx(machine, entryPath, kKeyWow64_64Key), kErrorSuccess);
    }

    // A copy of a key tree answers its reads as the registry does, and keeps answering them as
    // they were when it was taken. The Win32 backend reads live (no copy).
    void snapshotOfAKeyTree_data()
    {
        QTest::addColumn<uint32_t>("root");
        QTest::addColumn<uint32_t>("view");
        QTest::addColumn<uint32_t>("otherView");
        QTest::newRow("HKLM 64-bit") << uint32_t(RegRoot::LocalMachine) << kKeyWow64_64Key << kKeyWow64_32Key;
        QTest::newRow("HKLM 32-bit") << uint32_t(RegRoot::LocalMachine) << kKeyWow64_32Key << kKeyWow64_64Key;
        QTest::newRow("HKCU") << uint32_t(RegRoot::CurrentUser) << 0u << 0u;
    }

    void snapshotOfAKeyTree()
    {
        QFETCH(uint32_t, root);
        QFETCH(uint32_t, view);
        QFETCH(uint32_t, otherView);
        IRegistry &reg = *m_platform.registry;
        const RegRoot rootKind = static_cast<RegRoot>(root);
        const RegKey top = RootKey(rootKind);
        const std::string base = "Software\\PurgewellTest\\Snap";
        const std::string accented = "Gr\xC3\xB6\xC3\x9F" "e"; // "Größe"
        RegKey writer = 0, sub = 0;
        QCOMPARE(reg.CreateKey(top, base + "\\Entry", kKeyAllAccess | view, &writer), kErrorSuccess);
        setText(reg, writer, "DisplayName", kText);
        setText(reg, writer, accented.c_str(), "x");
        const uint32_t number = 0x1234;
        QCOMPARE(reg.SetValue(writer, "Size", kRegDword, reinterpret_cast<const uint8_t *>(&number), 4), kErrorSuccess);
        QCOMPARE(reg.CreateKey(writer, "Deeper\\Deepest", kKeyAllAccess, &sub), kErrorSuccess);
        reg.CloseKey(sub);
        QCOMPARE(reg.CreateKey(top, base + "\\Second", kKeyAllAccess | view, &sub), kErrorSuccess);
        reg.CloseKey(sub);

        const std::unique_ptr<IRegistry> snapshot = reg.Snapshot(rootKind, base, view);
#ifdef Q_OS_WIN
        QVERIFY(!snapshot);
#else
        QVERIFY(snapshot);
        IRegistry &copy = *snapshot;
        // Every read of the tree, from the root by the whole path and from a key of the copy.
        for (IRegistry *r : {&reg, &copy}) {
            RegKey list = 0, entry = 0, deeper = 0;
            QCOMPARE(r->OpenKey(top, base, kKeyRead | view, &list), kErrorSuccess);
            char name[32];
            uint32_t length = sizeof name;
            QCOMPARE(r->EnumKey(list, 0, name, &length), kErrorSuccess);
            QCOMPARE(std::string(name), std::string("Entry"));
            length = sizeof name;
            QCOMPARE(r->EnumKey(list, 1, name, &length), kErrorSuccess);
            QCOMPARE(std::string(name), std::string("Second"));
            length = sizeof name;
            QCOMPARE(r->EnumKey(list, 2, name, &length), kErrorNoMoreItems);
            QCOMPARE(r->OpenKey(list, "ENTRY", kKeyQueryValue, &entry), kErrorSuccess);
            QCOMPARE(readText(*r, entry, "displayname"), kText);
            QCOMPARE(readText(*r, entry, "GR\xC3\x96\xC3\x9F" "E"), std::string("x"));
            uint32_t count = 0, type = 0, size = 0;
            QCOMPARE(r->QueryValueCount(entry, &count), kErrorSuccess);
            QCOMPARE(count, 3u);
            QCOMPARE(r->QueryValue(entry, "Size", &type, nullptr, &size), kErrorSuccess);
            QCOMPARE(type, kRegDword);
            QCOMPARE(size, 4u);
            char small[4];
            size = sizeof small;
            QCOMPARE(r->QueryValue(entry, "DisplayName", &type, reinterpret_cast<uint8_t *>(small), &size), kErrorMoreData);
            QCOMPARE(size, uint32_t(kText.size() + 1));
            QCOMPARE(r->QueryValue(entry, "Nope", &type, nullptr, &size), kErrorFileNotFound);
            QCOMPARE(r->EnumKey(entry, 0, name, &length), kErrorAccessDenied); // opened without the right
            QCOMPARE(r->OpenKey(top, base + "\\Entry\\Deeper\\Deepest", kKeyRead | view, &deeper), kErrorSuccess);
            r->CloseKey(deeper);
            QCOMPARE(r->OpenKey(top, base + "\\Gone", kKeyRead | view, &deeper), kErrorFileNotFound);
            for (RegKey key : {entry, list})
                QCOMPARE(r->CloseKey(key), kErrorSuccess);
        }
        // What is written afterwards is not in the copy; nothing is written through it.
        setText(reg, writer, "DisplayName", "Later");
        RegKey entry = 0, other = 0;
        QCOMPARE(copy.OpenKey(top, base + "\\Entry", kKeyAllAccess | view, &entry), kErrorSuccess);
        QCOMPARE(readText(copy, entry, "DisplayName"), kText);
        QCOMPARE(copy.SetValue(entry, "X", kRegDword, reinterpret_cast<const uint8_t *>(&number), 4), kErrorAccessDenied);
        copy.CloseKey(entry);
        if (otherView) {
            // The other view's copy of the same path: the key is not there.
            const std::unique_ptr<IRegistry> elsewhere = reg.Snapshot(rootKind, base, otherView);
            QVERIFY(elsewhere);
            QCOMPARE(elsewhere->OpenKey(top, base, kKeyRead | otherView, &other), kErrorFileNotFound);
        }
#endif
        reg.CloseKey(writer);
        for (const char *key : {"\\Entry\\Deeper\\Deepest", "\\Entry\\Deeper", "\\Entry", "\\Second", ""})
            QCOMPARE(reg.DeleteKeyEx(top, base + key, view), kErrorSuccess);
    }

    // Calls from several threads at once each get their own answers.
    void concurrentCalls()
    {
        IRegistry &reg = *m_platform.registry;
        RegKey key = 0;
        QCOMPARE(reg.CreateKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest\\Threads", kKeyAllAccess, &key),
                 kErrorSuccess);
        for (int t = 0; t < 4; ++t)
            setText(reg, key, ("t" + std::to_string(t)).c_str(), std::string(size_t(10 + t), char('a' + t)));
        reg.CloseKey(key);
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&reg, &wrong, t] {
                const std::string expected(size_t(10 + t), char('a' + t));
                for (int i = 0; i < 100; ++i) {
                    RegKey k = 0;
                    // Write access: opened on the host every time, never from what came along.
                    if (reg.OpenKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest\\Threads", kKeyAllAccess, &k)
                        != kErrorSuccess) {
                        ++wrong;
                        continue;
                    }
                    WinError error = kErrorSuccess;
                    if (readText(reg, k, ("t" + std::to_string(t)).c_str(), &error) != expected)
                        ++wrong;
                    reg.CloseKey(k);
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(wrong.load(), 0);
    }

private:
    CTestMachine m_machine;
    Platform m_platform;
};

QTEST_GUILESS_MAIN(TestWineRegistry)
#include "tst_wineregistry.moc"
