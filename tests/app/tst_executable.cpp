// What purgewell.exe carries for Windows: a manifest that asks for administrator rights (without
// them every machine-wide registry deletion and every elevated uninstaller fails), declares
// Windows 10 and 11 and per-monitor DPI awareness; the version information; the program icon.
#include <QtTest>

#include <windows.h>

namespace {

const wchar_t *const kExe = L"" PURGEWELL_EXE;

// The resource as bytes, or empty.
QByteArray resource(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return QByteArray();
    HGLOBAL loaded = LoadResource(module, found);
    const void *data = loaded ? LockResource(loaded) : nullptr;
    return data ? QByteArray(static_cast<const char *>(data), int(SizeofResource(module, found))) : QByteArray();
}

QString versionString(const QByteArray &block, const wchar_t *name)
{
    void *value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.constData(), path.c_str(), &value, &length) || !value)
        return QString();
    return QString::fromWCharArray(static_cast<const wchar_t *>(value));
}

} // namespace

class TestExecutable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_module = LoadLibraryExW(kExe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        QVERIFY2(m_module, "purgewell.exe could not be opened for its resources");
    }
    void cleanupTestCase()
    {
        if (m_module)
            FreeLibrary(m_module);
    }

    void manifest()
    {
        const QByteArray text = resource(m_module, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1)); // RT_MANIFEST, 1
        QVERIFY2(!text.isEmpty(), "no application manifest");
        QVERIFY(text.contains("<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>"));
        QVERIFY(text.contains("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")); // Windows 10 and 11
        QVERIFY(text.contains(">PerMonitorV2, PerMonitor</dpiAwareness>"));
        QVERIFY(text.contains(">true/pm</dpiAware>"));
    }

    void versionInformation()
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(kExe, &ignored);
        QVERIFY(size > 0);
        QByteArray block(int(size), '\0');
        QVERIFY(GetFileVersionInfoW(kExe, 0, size, block.data()));
        VS_FIXEDFILEINFO *fixed = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(block.constData(), L"\\", reinterpret_cast<void **>(&fixed), &length) && fixed);
        QCOMPARE(fixed->dwFileVersionMS, DWORD(0x00010002)); // 1.2
        QCOMPARE(fixed->dwFileVersionLS, DWORD(0x00000000)); // .0.0
        QCOMPARE(fixed->dwProductVersionMS, DWORD(0x00010002));
        QCOMPARE(versionString(block, L"ProductName"), QStringLiteral("Vendrix Purgewell"));
        QCOMPARE(versionString(block, L"CompanyName"), QStringLiteral("Vendrix Software"));
        QCOMPARE(versionString(block, L"FileVersion"), QStringLiteral("1.2.0.0"));
        QCOMPARE(versionString(block, L"OriginalFilename"), QStringLiteral("purgewell.exe"));
    }

    // The icon Explorer shows for the file: the one drawn for Resources/Logo.ico.
    void programIcon()
    {
        const QByteArray group = resource(m_module, MAKEINTRESOURCEW(14), L"IDI_ICON1"); // RT_GROUP_ICON
        QVERIFY2(group.size() >= 6 + 14, "no icon group");
        const int count = *reinterpret_cast<const WORD *>(group.constData() + 4);
        QVERIFY(count >= 1);
        QFile ico(QStringLiteral(PURGEWELL_ICON));
        QVERIFY(ico.open(QIODevice::ReadOnly));
        const QByteArray file = ico.readAll();
        QCOMPARE(int(*reinterpret_cast<const WORD *>(file.constData() + 4)), count); // as many images
        HICON icon = ExtractIconW(GetModuleHandleW(nullptr), kExe, 0);
        QVERIFY(icon && icon != reinterpret_cast<HICON>(1));
        DestroyIcon(icon);
    }

private:
    HMODULE m_module = nullptr;
};

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
