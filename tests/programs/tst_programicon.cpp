// Program icons: each icon file is read once whatever DisplayIcon spells it, image files show
// their own picture, and anything without an icon gets the installer image.
#include "platform/fake/fakeplatform.h"
#include "programs/programicon.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void eachFileIsLoadedOnce();
    void fallsBackToTheInstallerImage_data();
    void fallsBackToTheInstallerImage();
    void imageFileShowsItsPicture();
#ifdef Q_OS_WIN
    void programFileShowsItsOwnIcon();
#endif

private:
    QTemporaryDir m_dir;
    pw::CFakePlatform m_platform;
    QImage m_installer;
};

static QImage filled(const QColor &colour, int size = 32)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void TestProgramIcon::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The default image is read relative to the working folder, as the program does.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Resources")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("drive_c/App")));
    m_installer = filled(QColor(200, 10, 10));
    QVERIFY(m_installer.save(m_dir.filePath(QStringLiteral("Resources/Installer.png"))));
    QVERIFY(filled(QColor(10, 200, 10)).save(m_dir.filePath(QStringLiteral("drive_c/App/app.ico")), "ICO"));
    QVERIFY(filled(QColor(10, 10, 200)).save(m_dir.filePath(QStringLiteral("drive_c/App/other.png"))));
    QFile exe(m_dir.filePath(QStringLiteral("drive_c/App/app.exe")));
    QVERIFY(exe.open(QIODevice::WriteOnly));
    exe.write("MZ not really a program");
    exe.close();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_platform.folders.SetDrive('C', m_dir.filePath(QStringLiteral("drive_c")).toStdString());
}

void TestProgramIcon::init()
{
    CProgramIconCache::instance().Clear();
}

void TestProgramIcon::eachFileIsLoadedOnce()
{
    CProgramIconCache &cache = CProgramIconCache::instance();
    const QPixmap first = cache.Pixmap("\"C:\\App\\app.ico\",0", 32);
    const QPixmap again = cache.Pixmap("C:\\App\\app.ico,1", 32);
    QCOMPARE(cache.LoadCount(), 1);
    QCOMPARE(again.cacheKey(), first.cacheKey());
    for (int i = 0; i < 100; ++i)
        cache.Pixmap("C:\\App\\app.ico", 32);
    QCOMPARE(cache.LoadCount(), 1);
    cache.Pixmap("C:\\App\\other.png", 32);
    QCOMPARE(cache.LoadCount(), 2);
    cache.Pixmap("C:\\App\\app.ico", 24); // another size is another picture
    QCOMPARE(cache.LoadCount(), 3);
    // Values without a file never reach the disk.
    cache.Pixmap(QByteArray(), 32);
    cache.Pixmap("\"\"", 32);
    QCOMPARE(cache.LoadCount(), 3);
}

void TestProgramIcon::fallsBackToTheInstallerImage_data()
{
    QTest::addColumn<QByteArray>("displayIcon");
    QTest::addColumn<bool>("installerImage");
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("only quotes") << QByteArray("\"\",0") << true;
    QTest::newRow("missing file") << QByteArray("C:\\App\\gone.ico") << true;
    QTest::newRow("unknown drive") << QByteArray("Q:\\x.ico") << true;
    QTest::newRow("image file") << QByteArray("C:\\App\\app.ico") << false;
}

void TestProgramIcon::fallsBackToTheInstallerImage()
{
    QFETCH(QByteArray, displayIcon);
    QFETCH(bool, installerImage);
    const QPixmap pixmap = CProgramIconCache::instance().Pixmap(displayIcon, 32);
    QVERIFY(!pixmap.isNull());
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image == m_installer, installerImage);

    // An existing file that is not an image never gives an empty picture.
    QVERIFY(!CProgramIconCache::instance().Pixmap("C:\\App\\app.exe,0", 32).isNull());
}

void TestProgramIcon::imageFileShowsItsPicture()
{
    const QImage ico = CProgramIconCache::instance().Pixmap("\"C:\\App\\app.ico\",0", 32).toImage();
    QCOMPARE(ico.pixelColor(16, 16), QColor(10, 200, 10));
    const QImage small = CProgramIconCache::instance().Pixmap("C:\\App\\other.png", 24).toImage();
    QCOMPARE(small.size(), QSize(24, 24));
    QCOMPARE(small.pixelColor(12, 12), QColor(10, 10, 200));
}

#ifdef Q_OS_WIN
// A program file shows the icon it carries (here purgewell.exe's, drawn from Logo.ico), and each
// index of it is looked up on its own.
void TestProgramIcon::programFileShowsItsOwnIcon()
{
    pw::SetCurrentPlatform(pw::Platform()); // Windows paths are native: no drive mapping
    CProgramIconCache &cache = CProgramIconCache::instance();
    const QByteArray exe = QByteArray(PURGEWELL_EXE).replace('/', '\\');
    const QImage own = cache.Pixmap(exe + ",0", 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage logo = QIcon(QStringLiteral(PURGEWELL_ICON)).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(own.size(), QSize(32, 32));
    QVERIFY(own != m_installer);
    int close = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor a = own.pixelColor(x, y), b = logo.pixelColor(x, y);
            close += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 48;
        }
    // Windows and Qt scale the 64-pixel picture down each their own way.
    QVERIFY2(close > 32 * 32 * 7 / 10, qPrintable(QString::number(close)));
    QCOMPARE(cache.LoadCount(), 1);
    cache.Pixmap(exe + ",1", 32); // another icon of the same file
    QCOMPARE(cache.LoadCount(), 2);
    pw::SetCurrentPlatform(pw::Platform{&m_platform.registry, &m_platform.system, &m_platform.folders,
                                        &m_platform.processes, &m_platform.desktop, &m_platform.installer});
}
#endif

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
