#include "AboutAmp.h"

#include "CaptionButton.h"
#include "StartUpPlacement.h"
#include "WindowTestFixture.h"

#include <QPushButton>

#include <QGuiApplication>
#include <QScreen>

using namespace windowtest;

// Runs twice: offscreen, where a window has no frame, and on an X server with
// a window manager, where the frame is known only once the window is shown.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placedNearTheTopRightCornerByTheOuterSize();
    void aboutOpensOnTheMainWindowsCorner();
};

void TestWindowPlacement::placedNearTheTopRightCornerByTheOuterSize()
{
    auto w = openMainWindow();
    const bool framed = QGuiApplication::platformName() == QStringLiteral("xcb");
    if (framed)
        QTRY_VERIFY(w->frameGeometry().height() > w->height());
    QTest::qWait(200);

    const QRect outer = w->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto expected = ampacity::startUpPlacement(outer.width() * 15.0, outer.height() * 15.0,
                                                     screen.width() * 15.0);
    QCOMPARE(int(w->state().WinLeft), expected.left);
    QCOMPARE(int(w->state().WinTop), expected.top);
    QCOMPARE(outer.topLeft(),
             screen.topLeft() + QPoint(qRound(expected.left / 15.0), qRound(expected.top / 15.0)));
    // The same gap above the window and to its right, to the pixel.
    const int gapRight = screen.right() - outer.right();
    QVERIFY2(qAbs(gapRight - outer.top()) <= 1,
             qPrintable(QStringLiteral("top %1, right gap %2").arg(outer.top()).arg(gapRight)));
}

void TestWindowPlacement::aboutOpensOnTheMainWindowsCorner()
{
    auto w = openMainWindow();
    QTRY_VERIFY(QGuiApplication::platformName() != QStringLiteral("xcb") ||
                w->frameGeometry().height() > w->height());
    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QTRY_COMPARE(about->frameGeometry().topLeft(), w->frameGeometry().topLeft());
    QCOMPARE(about->size(), QSize(377, 317));
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
