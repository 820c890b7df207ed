// What Explorer, the task bar and the system read from the built programs: their icons at every size,
// their version information and the manifest that declares them aware of each screen's scale.
#include <QtTest>

#include <windows.h>

namespace {

LPCWSTR wide(const QString& text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// A resource of the program; for the icon group, the first whatever its name.
QByteArray resource(HMODULE module, LPCWSTR type, LPCWSTR name = nullptr)
{
    HRSRC found = nullptr;
    if (name) {
        found = FindResourceW(module, name, type);
    } else {
        EnumResourceNamesW(
            module, type,
            [](HMODULE module, LPCWSTR type, LPWSTR each, LONG_PTR kept) -> BOOL {
                *reinterpret_cast<HRSRC*>(kept) = FindResourceW(module, each, type); // while the name lives
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&found));
    }
    return found ? QByteArray(
               static_cast<const char*>(LockResource(LoadResource(module, found))), int(SizeofResource(module, found)))
                 : QByteArray();
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void programCarriesItsResources_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("description");
        QTest::newRow("pannix.exe") << QStringLiteral(PANNIX_EXE) << "Pannix: mirror and control Android phones";
        QTest::newRow("pannix-tools.exe") << QStringLiteral(PANNIX_TOOLS_HELPER) << "Pannix tools installer";
    }
    void programCarriesItsResources();
};

void TestWindows::programCarriesItsResources()
{
    QFETCH(QString, program);
    QFETCH(QString, description);
    const QString path = QDir::toNativeSeparators(program);
    const HMODULE module
        = LoadLibraryExW(wide(path), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY(module);
    const auto release = qScopeGuard([module] { FreeLibrary(module); });

    // One icon group holding 16 to 256 pixels (a width of 0 stands for 256).
    const QByteArray group = resource(module, RT_GROUP_ICON);
    QList<int> sides;
    for (int i = 0; i < (group.size() > 6 ? qFromLittleEndian<quint16>(group.constData() + 4) : 0); ++i)
        sides.append(quint8(group.at(6 + 14 * i)) ? quint8(group.at(6 + 14 * i)) : 256);
    QCOMPARE(sides, QList<int>({16, 24, 32, 48, 64, 128, 256}));

    QByteArray info(int(GetFileVersionInfoSizeW(wide(path), nullptr)), '\0');
    QVERIFY(GetFileVersionInfoW(wide(path), 0, DWORD(info.size()), info.data()));
    const auto value = [&info](const char* key) {
        void* text = nullptr;
        UINT length = 0;
        const bool found = VerQueryValueW(info.constData(),
            wide(QStringLiteral("\\StringFileInfo\\040904B0\\") + QLatin1String(key)), &text, &length);
        return found ? QString::fromWCharArray(static_cast<const wchar_t*>(text), int(length) - 1) : QString();
    };
    QCOMPARE(value("ProductName"), QStringLiteral("Pannix"));
    QCOMPARE(value("ProductVersion"), QStringLiteral("1.5.0"));
    QCOMPARE(value("FileDescription"), description);
    QVERIFY(value("LegalCopyright").contains(QStringLiteral("Pannix developers")));

    const QByteArray manifest = resource(module, RT_MANIFEST, MAKEINTRESOURCEW(1));
    QVERIFY(manifest.contains("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                              "PerMonitorV2</dpiAwareness>"));
    QVERIFY(manifest.contains("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")); // Windows 10 and 11
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
