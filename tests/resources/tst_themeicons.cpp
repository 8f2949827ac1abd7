// The desktop icon as the image generator draws it into the hicolor theme: every usual size,
// square, not blank, and the scalable one valid SVG that renders to the same emblem.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {
const QString kTheme = QStringLiteral(PURGEWELL_ICON_THEME_DIR "/hicolor");
const QString kName = QStringLiteral("example.vendrix.Purgewell");

// The share of pixels that are drawn (not transparent).
double Coverage(const QImage &image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 128;
    return double(drawn) / (image.width() * image.height());
}
} // namespace

class TestThemeIcons : public QObject {
    Q_OBJECT
private slots:
    void sizes_data();
    void sizes();
    void scalable();
};

void TestThemeIcons::sizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestThemeIcons::sizes()
{
    QFETCH(int, size);
    const QImage image(QStringLiteral("%1/%2x%2/apps/%3.png").arg(kTheme).arg(size).arg(kName));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    const double coverage = Coverage(image);
    QVERIFY2(coverage > 0.6 && coverage < 0.98, qPrintable(QString::number(coverage)));
}

void TestThemeIcons::scalable()
{
    QSvgRenderer svg(QStringLiteral("%1/scalable/apps/%2.svg").arg(kTheme, kName));
    QVERIFY(svg.isValid());
    QImage rendered(128, 128, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter p(&rendered);
    svg.render(&p);
    p.end();
    const QImage png = QImage(QStringLiteral("%1/128x128/apps/%2.png").arg(kTheme, kName)).convertToFormat(QImage::Format_ARGB32);
    const QImage svgImage = rendered.convertToFormat(QImage::Format_ARGB32);
    // The same picture: the colours of a few points agree closely.
    for (const QPoint &at : {QPoint(20, 20), QPoint(64, 64), QPoint(108, 108), QPoint(64, 100), QPoint(2, 2)}) {
        const QColor a = png.pixelColor(at), b = svgImage.pixelColor(at);
        QVERIFY2(qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40
                     && qAbs(a.alpha() - b.alpha()) < 40,
                 qPrintable(QStringLiteral("(%1,%2): %3 vs %4").arg(at.x()).arg(at.y()).arg(a.name(QColor::HexArgb), b.name(QColor::HexArgb))));
    }
}

QTEST_MAIN(TestThemeIcons)
#include "tst_themeicons.moc"
