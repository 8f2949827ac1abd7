// How the program list's rows are painted: no background unless hovered or selected, a
// highlight round only at the row's two ends, the size column brighter than the others, the
// "Details" link in the hovered name cell, and a fixed row height.
#include "widgets/filetreeitemdelegate.h"

#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

class TestFileTreeItemDelegate : public QObject {
    Q_OBJECT
private slots:
    void rowHeightIgnoresTheFont_data();
    void rowHeightIgnoresTheFont();
    void background_data();
    void background();
    void highlightIsRoundOnlyAtTheRowEnds();
    void sizeColumnTextIsBrighter();
    void detailsLinkOnlyInHoveredNameCell();

private:
    QImage paintCell(int column, QStyle::State state, const QString &text, const QRect &rect = QRect(0, 0, 120, 48));
    QStandardItemModel m_model{1, 6};
    CFileTreeItemDelegate m_delegate;
};

static const QColor kCanvas(10, 10, 10);
static const QColor kHighlight(47, 51, 72);

QImage TestFileTreeItemDelegate::paintCell(int column, QStyle::State state, const QString &text, const QRect &rect)
{
    m_model.setData(m_model.index(0, column), text);
    QImage image(rect.right() + 1, rect.bottom() + 1, QImage::Format_ARGB32);
    image.fill(kCanvas);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = rect;
    option.state = state | QStyle::State_Enabled;
    option.font.setPixelSize(14);
    m_delegate.paint(&painter, option, m_model.index(0, column));
    return image;
}

void TestFileTreeItemDelegate::rowHeightIgnoresTheFont_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("small") << 6;
    QTest::newRow("normal") << 14;
    QTest::newRow("huge") << 60;
}

void TestFileTreeItemDelegate::rowHeightIgnoresTheFont()
{
    QFETCH(int, pixelSize);
    m_model.setData(m_model.index(0, 2), QStringLiteral("12.00 MB"));
    QStyleOptionViewItem option;
    option.font.setPixelSize(pixelSize);
    QCOMPARE(m_delegate.sizeHint(option, m_model.index(0, 2)).height(), 42);
}

void TestFileTreeItemDelegate::background_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("highlighted");
    QTest::newRow("plain name cell") << 1 << int(QStyle::State_None) << false;
    QTest::newRow("plain size cell") << 2 << int(QStyle::State_None) << false;
    QTest::newRow("hovered name cell") << 1 << int(QStyle::State_MouseOver) << true;
    QTest::newRow("hovered version cell") << 3 << int(QStyle::State_MouseOver) << true;
    QTest::newRow("selected operation cell") << 4 << int(QStyle::State_Selected) << true;
}

void TestFileTreeItemDelegate::background()
{
    QFETCH(int, column);
    QFETCH(int, state);
    QFETCH(bool, highlighted);
    const QImage image = paintCell(column, QStyle::State(state), QString());
    // The middle of the cell, and the 1-pixel gap kept free at the top.
    QCOMPARE(image.pixelColor(60, 24), highlighted ? kHighlight : kCanvas);
    QCOMPARE(image.pixelColor(60, 0), kCanvas);
}

void TestFileTreeItemDelegate::highlightIsRoundOnlyAtTheRowEnds()
{
    // Name cell: rounded on the left, square on the right; operation cell the other way round.
    QImage name = paintCell(1, QStyle::State_MouseOver, QString());
    QCOMPARE(name.pixelColor(0, 2), kCanvas);
    QCOMPARE(name.pixelColor(119, 3), kHighlight);
    QImage operation = paintCell(4, QStyle::State_MouseOver, QString());
    QCOMPARE(operation.pixelColor(119, 2), kCanvas);
    QCOMPARE(operation.pixelColor(0, 3), kHighlight);
    QImage version = paintCell(3, QStyle::State_MouseOver, QString());
    QCOMPARE(version.pixelColor(0, 2), kHighlight);
    QCOMPARE(version.pixelColor(119, 2), kHighlight);
}

static int brightest(const QImage &image)
{
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = qMax(best, qGray(image.pixel(x, y)));
    return best;
}

void TestFileTreeItemDelegate::sizeColumnTextIsBrighter()
{
    const QString text = QStringLiteral("MMMM 888");
    const int size = brightest(paintCell(2, QStyle::State_None, text));
    const int version = brightest(paintCell(3, QStyle::State_None, text));
    QVERIFY2(version > 0 && version < 200, qPrintable(QString::number(version)));
    QVERIFY2(size > version + 40, qPrintable(QStringLiteral("%1 vs %2").arg(size).arg(version)));
}

void TestFileTreeItemDelegate::detailsLinkOnlyInHoveredNameCell()
{
    const QRect cell(30, 96, 400, 48);
    const QRect expected(cell.right() + 1 - 50, cell.top() + 20, 50, 25);
    QCOMPARE(CFileTreeItemDelegate::DetailsRectFor(cell), expected);

    // A plain name cell and a hovered other cell leave the shared rectangle alone.
    paintCell(1, QStyle::State_MouseOver, QString(), QRect(0, 0, 400, 48));
    const QRect before = CFileTreeItemDelegate::DetailsRect();
    paintCell(1, QStyle::State_None, QString(), cell);
    paintCell(3, QStyle::State_MouseOver, QString(), cell);
    QCOMPARE(CFileTreeItemDelegate::DetailsRect(), before);

    const QImage image = paintCell(1, QStyle::State_MouseOver, QString(), cell);
    QCOMPARE(CFileTreeItemDelegate::DetailsRect(), expected);
    // The word is drawn inside the link rectangle: some pixel there differs from the highlight.
    bool drawn = false;
    for (int y = expected.top(); y <= expected.bottom() && !drawn; ++y)
        for (int x = expected.left(); x <= expected.right() && !drawn; ++x)
            drawn = image.pixelColor(x, y) != kHighlight;
    QVERIFY(drawn);
}

QTEST_MAIN(TestFileTreeItemDelegate)
#include "tst_filetreeitemdelegate.moc"
