// What Explorer, the task bar and the system read from the built program: its icons at every size,
// its version information and the manifest that declares it aware of each screen's scale.
#include <QtTest>

#include <windows.h>

#include <string>

namespace {

struct Module
{
    explicit Module(const QString& path)
        : handle(LoadLibraryExW(reinterpret_cast<LPCWSTR>(path.utf16()), nullptr,
            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~Module() { FreeLibrary(handle); }
    QByteArray resource(LPCWSTR name, LPCWSTR type) const
    {
        HRSRC found = FindResourceW(handle, name, type);
        if (!found)
            return {};
        const auto* data = static_cast<const char*>(LockResource(LoadResource(handle, found)));
        return QByteArray(data, int(SizeofResource(handle, found)));
    }
    HMODULE handle;
};

// The name lives only while the enumeration runs: kept as a number or as a copy of the text.
BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<std::wstring*>(found)
        = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
    return FALSE;
}

QString versionValue(const QByteArray& info, const char* key)
{
    void* value = nullptr;
    UINT length = 0;
    const QString path = QStringLiteral("\\StringFileInfo\\040904B0\\") + QLatin1String(key);
    if (!VerQueryValueW(info.constData(), reinterpret_cast<LPCWSTR>(path.utf16()), &value, &length))
        return {};
    return QString::fromWCharArray(static_cast<const wchar_t*>(value), int(length) - 1);
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void programCarriesItsResources_data();
    void programCarriesItsResources();
};

void TestWindows::programCarriesItsResources_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("description");
    QTest::newRow("pannix.exe") << QStringLiteral(PANNIX_EXE) << "Pannix: mirror and control Android phones";
    QTest::newRow("pannix-tools.exe") << QStringLiteral(PANNIX_TOOLS_HELPER) << "Pannix tools installer";
}

void TestWindows::programCarriesItsResources()
{
    QFETCH(QString, program);
    QFETCH(QString, description);
    const Module module(QDir::toNativeSeparators(program));
    QVERIFY(module.handle);

    // One icon group holding 16 to 256 pixels.
    std::wstring group;
    EnumResourceNamesW(module.handle, RT_GROUP_ICON, firstName, reinterpret_cast<LONG_PTR>(&group));
    QVERIFY(!group.empty());
    const QByteArray directory = module.resource(group.c_str(), RT_GROUP_ICON);
    QList<int> sides;
    for (int i = 0; i < qFromLittleEndian<quint16>(directory.constData() + 4); ++i) {
        const int side = quint8(directory.at(6 + 14 * i));
        sides.append(side == 0 ? 256 : side);
    }
    QCOMPARE(sides, QList<int>({16, 24, 32, 48, 64, 128, 256}));

    QByteArray info(int(GetFileVersionInfoSizeW(reinterpret_cast<LPCWSTR>(program.utf16()), nullptr)), '\0');
    QVERIFY(GetFileVersionInfoW(reinterpret_cast<LPCWSTR>(program.utf16()), 0, DWORD(info.size()), info.data()));
    QCOMPARE(versionValue(info, "ProductName"), QStringLiteral("Pannix"));
    QCOMPARE(versionValue(info, "ProductVersion"), QStringLiteral("1.5.0"));
    QCOMPARE(versionValue(info, "FileDescription"), description);
    QVERIFY(versionValue(info, "LegalCopyright").contains(QStringLiteral("Pannix developers")));

    const QByteArray manifest = module.resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    QVERIFY(manifest.contains("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                              "PerMonitorV2</dpiAwareness>"));
    QVERIFY(manifest.contains("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")); // Windows 10 and 11
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
