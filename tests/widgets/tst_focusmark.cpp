// The keyboard focus mark: on for a focus that came by Tab, Shift+Tab or after a key, off after
// a mouse press; drawn around the control (or around the box whose focus proxy it is), kept
// inside the parent, and left to controls that draw their own.
#include "widgets/focusmark.h"
#include "widgets/searchedit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Window {
    QWidget window;
    QPushButton *first;
    QPushButton *second;
    CSearchEdit *search;
    QWidget *own; // marks its focus itself
    Window()
    {
        CFocusMark::Install();
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(10, 10, 10, 10);
        first = new QPushButton(QStringLiteral("First"));
        second = new QPushButton(QStringLiteral("Second"));
        search = new CSearchEdit;
        own = new QWidget;
        own->setFocusPolicy(Qt::StrongFocus);
        own->setProperty(CFocusMark::kOwnMarkProperty, true);
        for (QWidget *widget : {static_cast<QWidget *>(first), static_cast<QWidget *>(second),
                                static_cast<QWidget *>(search), own})
            layout->addWidget(widget);
        window.resize(500, 80);
        window.show();
        QApplication::setActiveWindow(&window);
    }
};

QWidget *Marked()
{
    return CFocusMark::Instance() ? CFocusMark::Instance()->MarkedWidget() : nullptr;
}

} // namespace

class TestFocusMark : public QObject {
    Q_OBJECT
private slots:
    void reason_data();
    void reason();
    void keyAfterMouseBringsItBack();
    void windowTakingFocusItselfIsNoKeyboardUse();
    void placedAroundTheControl();
    void boxOfTheFocusProxyIsMarked();
    void controlWithItsOwnMark();
};

void TestFocusMark::reason_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("marked");
    QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << true;
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << false;
}

void TestFocusMark::reason()
{
    QFETCH(int, reason);
    QFETCH(bool, marked);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    // Start from a click, so that nothing is marked before.
    QTest::mouseClick(w.first, Qt::LeftButton);
    QCOMPARE(Marked(), static_cast<QWidget *>(nullptr));
    w.second->setFocus(Qt::FocusReason(reason));
    QCOMPARE(Marked(), marked ? static_cast<QWidget *>(w.second) : nullptr);
    if (marked) {
        // A real Tab goes on, and the mark with it; a mouse press puts it away.
        QTest::keyClick(w.second, Qt::Key_Tab);
        QCOMPARE(Marked(), static_cast<QWidget *>(w.search));
        QTest::mouseClick(w.first, Qt::LeftButton);
        QCOMPARE(Marked(), static_cast<QWidget *>(nullptr));
        QVERIFY(!CFocusMark::Instance()->MarkWidget()->isVisible());
    }
}

void TestFocusMark::keyAfterMouseBringsItBack()
{
    // A key pressed after a click means the keyboard is in use again: whatever gets the
    // focus next (a dialog opened by Enter, say) is marked.
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTest::mouseClick(w.first, Qt::LeftButton);
    QTest::keyClick(w.first, Qt::Key_Shift);
    w.second->setFocus(Qt::OtherFocusReason);
    QCOMPARE(Marked(), static_cast<QWidget *>(w.second));
    QTest::mouseClick(w.first, Qt::LeftButton);
    w.second->setFocus(Qt::OtherFocusReason);
    QCOMPARE(Marked(), static_cast<QWidget *>(nullptr));
}

void TestFocusMark::windowTakingFocusItselfIsNoKeyboardUse()
{
    // A dialog with no control of its own is given the focus as by Tab when it opens (the
    // splash screen): the controls focused after it are not marked for that.
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTest::mouseClick(w.first, Qt::LeftButton);
    QWidget dialog;
    dialog.setFocusPolicy(Qt::StrongFocus);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.setFocus(Qt::TabFocusReason);
    QVERIFY(!CFocusMark::Instance()->KeyboardMode());
    dialog.close();
    QApplication::setActiveWindow(&w.window);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.second->setFocus(Qt::OtherFocusReason);
    QCOMPARE(Marked(), static_cast<QWidget *>(nullptr));
}

void TestFocusMark::placedAroundTheControl()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.second->setFocus(Qt::TabFocusReason);
    QWidget *mark = CFocusMark::Instance()->MarkWidget();
    QVERIFY(mark && mark->isVisible());
    QCOMPARE(mark->parentWidget(), w.second->parentWidget());
    const int outside = 1 + CFocusMark::kWidth;
    QCOMPARE(mark->geometry(), w.second->geometry().adjusted(-outside, -outside, outside, outside));
    QVERIFY(mark->testAttribute(Qt::WA_TransparentForMouseEvents));
    // It follows the control, and never reaches out of the parent.
    w.second->setGeometry(0, 0, 60, 30);
    QCOMPARE(mark->geometry(), QRect(0, 0, 60 + outside, 30 + outside));
}

void TestFocusMark::boxOfTheFocusProxyIsMarked()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.search->lineEdit()->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.search->lineEdit()));
    QCOMPARE(Marked(), static_cast<QWidget *>(w.search));
}

void TestFocusMark::controlWithItsOwnMark()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.own->setFocus(Qt::TabFocusReason);
    QCOMPARE(Marked(), static_cast<QWidget *>(nullptr));
    QVERIFY(CFocusMark::HasKeyboardFocus(w.own));
    QVERIFY(!CFocusMark::HasKeyboardFocus(w.first));
    QTest::mouseClick(w.own, Qt::LeftButton);
    QVERIFY(!CFocusMark::HasKeyboardFocus(w.own));
}

QTEST_MAIN(TestFocusMark)
#include "tst_focusmark.moc"
