// The program folder the build lays out: every image the windows and pages load, readable and
// of the size its widget expects, the animations playable, the style sheets and settings there.
#include <QDir>
#include <QImageReader>
#include <QMovie>
#include <QSettings>
#include <QtTest>

namespace {
const QString kFolder = QStringLiteral(PURGEWELL_PROGRAM_FOLDER);
}

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void image_data();
    void image();
    void rowAnimationFrames();
    void animations_data();
    void animations();
    void styleSheetsAndSettings();
};

void TestResources::image_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size"); // empty: any size

    for (const char *stem : {"menu", "minimize", "maximize", "restore", "close"})
        for (const char *state : {"normal", "hover", "press", "disable"})
            QTest::addRow("%s_%s", stem, state) << QStringLiteral("%1_%2.png").arg(QLatin1String(stem), QLatin1String(state))
                                                << QSize(40, 32);
    const QList<QPair<QString, QSize>> buttons = {{QStringLiteral("messagebox/btn_pri"), QSize(96, 32)},
                                                  {QStringLiteral("messagebox/btn_sec"), QSize(96, 32)},
                                                  {QStringLiteral("messagebox/btn_pril"), QSize(128, 32)},
                                                  {QStringLiteral("btn_uninstall"), QSize(144, 32)}};
    for (const auto &button : buttons)
        for (const char *state : {"", "_hover", "_press", "_disable"})
            QTest::addRow("%s%s", qPrintable(button.first), state)
                << button.first + QLatin1String(state) + QStringLiteral(".png") << button.second;
    for (const char *state : {"normal", "hover", "press", "disable"})
        QTest::addRow("refresh_%s", state) << QStringLiteral("refresh_%1.png").arg(QLatin1String(state)) << QSize(16, 16);
    for (const char *file : {"icon_trash.png", "icon_trash_hover.png", "icon_trash_press.png", "icon_search.png"})
        QTest::newRow(file) << QString::fromLatin1(file) << QSize(16, 16);
    for (const char *file : {"sortby.png", "sortby_hover.png", "sortby_press.png"})
        QTest::newRow(file) << QString::fromLatin1(file) << QSize(74, 20);
    QTest::newRow("searchbox") << "searchbox.png" << QSize(200, 32);
    QTest::newRow("splash") << "loading.png" << QSize(600, 368);
    for (const char *file : {"tip_suc.png", "tip_warnning.png", "tip_ok.png", "tip_failed.png", "Success.png",
                             "Installer.png", "logo.png", "About.png", "titlebar_logo.png", "Logo.ico"})
        QTest::newRow(file) << QString::fromLatin1(file) << QSize();
}

void TestResources::image()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QImageReader reader(kFolder + QStringLiteral("/Resources/") + file);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(file + QStringLiteral(": ") + reader.errorString()));
    if (size.isValid())
        QCOMPARE(image.size(), size);
}

void TestResources::rowAnimationFrames()
{
    for (int i = 0; i < 50; ++i) {
        const QImage frame(kFolder + QStringLiteral("/Resources/loading/loading_%1.png").arg(i));
        QVERIFY2(!frame.isNull(), qPrintable(QString::number(i)));
    }
    QVERIFY(!QFileInfo::exists(kFolder + QStringLiteral("/Resources/loading/loading_50.png")));
}

void TestResources::animations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("background");
    QTest::newRow("refresh") << "loading_b.gif" << QColor(50, 54, 57);
    QTest::newRow("update check") << "check_update.gif" << QColor(45, 51, 77);
}

void TestResources::animations()
{
    QFETCH(QString, file);
    QFETCH(QColor, background);
    QMovie movie(kFolder + QStringLiteral("/Resources/") + file);
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 10);
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    // Drawn on the fill of the dialog that shows it.
    QCOMPARE(first.pixelColor(0, 0), background);
    for (int i = 0; i < movie.frameCount() / 2; ++i)
        QVERIFY(movie.jumpToNextFrame());
    QVERIFY(movie.currentImage() != first); // it moves
    QVERIFY(movie.nextFrameDelay() > 0);
}

void TestResources::styleSheetsAndSettings()
{
    for (const char *sheet : {"SK.qss", "vscrollbar.qss", "hscrollbar.qss"}) {
        QFile file(kFolder + QStringLiteral("/QSS/") + QLatin1String(sheet));
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.size() > 0, sheet);
    }
    const QSettings settings(kFolder + QStringLiteral("/uiconfig"), QSettings::IniFormat);
    QVERIFY(settings.value(QStringLiteral("Main/WinSize")).toSize().isValid());
    for (const char *key : {"ID_LINK_HELP", "ID_LINK_SUPPORT", "ID_LINK_SE"})
        QVERIFY2(settings.value(QStringLiteral("URL/") + QLatin1String(key)).toString().startsWith(QLatin1String("https://")), key);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
