#include "AboutAmp.h"
#include "WindowTestFixture.h"

#include <QGuiApplication>
#include <QScreen>

using namespace windowtest;

// Runs twice: offscreen, where a window has no frame, and on an X server with
// a window manager, where the frame is known only once the window is shown.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void nearTheTopRightCornerByTheOuterSize();
};

void TestWindowPlacement::nearTheTopRightCornerByTheOuterSize()
{
    auto w = openMainWindow();
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        QTRY_VERIFY(w->frameGeometry().height() > w->height());
    QTest::qWait(200);

    // The top edge half the outer height down, and the same gap to the
    // right, to the pixel.
    const QRect outer = w->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(qAbs(outer.top() - screen.top() - outer.height() / 2.0) <= 1,
             qPrintable(QStringLiteral("top %1, height %2").arg(outer.top()).arg(outer.height())));
    QVERIFY(qAbs(screen.right() - outer.right() - (outer.top() - screen.top())) <= 1);

    // The About window opens on the main window's outer corner.
    click(w->AboutCmd);
    QVERIFY(QTest::qWaitForWindowExposed(w->aboutWindow()));
    QTRY_COMPARE(w->aboutWindow()->frameGeometry().topLeft(), outer.topLeft());
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
