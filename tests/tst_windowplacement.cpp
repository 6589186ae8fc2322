#include "AboutAmp.h"

#include "CaptionButton.h"
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
    // The top edge half the outer height down, and the same gap to the right,
    // to the pixel.
    QVERIFY2(qAbs(outer.top() - screen.top() - outer.height() / 2.0) <= 1,
             qPrintable(QStringLiteral("top %1, height %2").arg(outer.top()).arg(outer.height())));
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
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
