#include "AboutAmp.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

using namespace windowtest;

class TestAboutWindow : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's browser and mail program.
    void open(const QUrl &url) { opened.append(url); }

private slots:
    void initTestCase();
    void init() { w = openMainWindow(); }
    void cleanup() { w.reset(); }

    void bothWindowsPlacedByTheirOuterCorner();
    void opensBesideAWorkingMainWindow();
    void closes_data();
    void closes();
    void linksHandTheAddressToTheDesktop();

private:
    AboutAmp *openAbout();

    std::unique_ptr<Ampacity> w;
    QList<QUrl> opened;
};

void TestAboutWindow::initTestCase()
{
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

AboutAmp *TestAboutWindow::openAbout()
{
    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    if (about && !QTest::qWaitForWindowExposed(about))
        qWarning("About window was not exposed");
    return about;
}

// Also run on an X server with a window manager, where the frame is known
// only once the window is shown (tst_windowplacement_openbox).
void TestAboutWindow::bothWindowsPlacedByTheirOuterCorner()
{
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        QTRY_VERIFY(w->frameGeometry().height() > w->height());
    // The top edge half the outer height down, the same gap to the right.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_VERIFY2(
        qAbs(w->frameGeometry().top() - screen.top() - w->frameGeometry().height() / 2.0) <= 1,
        qPrintable(QStringLiteral("top %1, height %2")
                       .arg(w->frameGeometry().top())
                       .arg(w->frameGeometry().height())));
    const QRect outer = w->frameGeometry();
    QVERIFY(qAbs(screen.right() - outer.right() - (outer.top() - screen.top())) <= 1);
    // The About window opens on the main window's outer corner.
    QTRY_COMPARE(openAbout()->frameGeometry().topLeft(), outer.topLeft());
}

void TestAboutWindow::opensBesideAWorkingMainWindow()
{
    AboutAmp *about = openAbout();
    QVERIFY(about && about->isVisible() && !about->isModal());
    // A window of its own: the window manager may put the main window above it.
    QVERIFY(about->isWindow() && !about->parentWidget());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Torvane"));
    QCOMPARE(about->windowIcon().cacheKey(), w->windowIcon().cacheKey());
    // The focus comes with the activation, which a desktop may give late.
    QTRY_COMPARE(QApplication::focusWidget(), about->Command3);
    QCOMPARE(about->Label2->text(), QStringLiteral("Version: 25.1.7"));
    // A line break after the first notice, an empty line before the last.
    QCOMPARE(about->Label1->text().count(QStringLiteral("\r\n")), 3);
    QVERIFY(about->Label1->text().contains(QStringLiteral("jurisdiction.\r\nThis free")));

    // Action: use the main window while About is open. Expected: it answers
    // and its timers go on ticking.
    click(w->AmbCmnd);
    QCOMPARE(w->AmbCmnd->caption(), QStringLiteral("Ambient 35°C"));
    w->ComWS->setCurrentIndex(4);
    QTRY_COMPARE(w->ComAM->currentIndex(), 4);

    // Action: About again while open, after the main window moved. Expected:
    // the same window, where it was.
    const QPoint placed = about->pos();
    w->move(w->pos() + QPoint(40, 30));
    QCOMPARE(openAbout(), about);
    QCOMPARE(about->pos(), placed);
    // Closed and opened again, it is loaded afresh on the main window's corner.
    click(about->Command3);
    QTRY_VERIFY(!w->aboutWindow());
    about = openAbout();
    QCOMPARE(about->Label2->text(), QStringLiteral("Version: 25.1.7"));
    QCOMPARE(about->frameGeometry().topLeft(), w->frameGeometry().topLeft());
}

void TestAboutWindow::closes_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how : {"OK", "background", "close box", "Exit", "main close box"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void TestAboutWindow::closes()
{
    QFETCH(QString, how);
    // The focus is on a control of the main window when About opens.
    w->ExitCmd->setFocus(Qt::TabFocusReason);
    w->AboutCmd_Click();
    AboutAmp *about = w->aboutWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    // A click on a text label does nothing.
    for (QLabel *label : {about->Label1, about->Label2, about->Label3, about->Label4})
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(about->isVisible());

    if (how == "OK")
        click(about->Command3);
    else if (how == "background") // the grey between the notices and the link
        QTest::mouseClick(about, Qt::LeftButton, {},
                          QPoint(10, about->LabelBrevik->geometry().top() - 4));
    else if (how == "close box")
        about->close();
    else if (how == "Exit")
        click(w->ExitCmd);
    else
        w->close();
    QTRY_VERIFY(!w->aboutWindow()); // closed and unloaded
    if (how == "OK" || how == "background") {
        // The focus goes back to the control that had it.
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->ExitCmd);
    }
    QCOMPARE(w->isVisible(), how != "Exit" && how != "main close box");
}

void TestAboutWindow::linksHandTheAddressToTheDesktop()
{
    AboutAmp *about = openAbout();
    QTest::mouseClick(about->LabelBrevik, Qt::LeftButton);
    QTest::mouseClick(about->LabelMail, Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].toString(), about->LabelBrevik->text());
    QCOMPARE(opened[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(opened[1].path(), about->LabelMail->text());
    QVERIFY(about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
