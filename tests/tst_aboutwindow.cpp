#include "AboutAmp.h"
#include "AboutNotices.h"
#include "AboutTexts.h"
#include "CaptionButton.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

using namespace windowtest;

// Stands in for the desktop's browser and mail program.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensBesideAWorkingMainWindow();
    void secondClickShowsTheSameWindow();
    void closes_data();
    void closes();
    void texts();
    void linksHandTheAddressToTheDesktop();

private:
    AboutAmp *openAbout();

    std::unique_ptr<Ampacity> w;
    UrlRecorder recorder;
};

void TestAboutWindow::init()
{
    w = openMainWindow();
    recorder.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder, "open");
}

void TestAboutWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    w.reset();
}

AboutAmp *TestAboutWindow::openAbout()
{
    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    if (about && !QTest::qWaitForWindowExposed(about))
        qWarning("About window was not exposed");
    return about;
}

void TestAboutWindow::opensBesideAWorkingMainWindow()
{
    AboutAmp *about = openAbout();
    QVERIFY(about && about->isVisible() && !about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Torvane"));
    QCOMPARE(about->size(), QSize(377, 317));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(about->windowIcon().cacheKey(), w->windowIcon().cacheKey());
    QCOMPARE(about->frameGeometry().topLeft(), w->frameGeometry().topLeft());
    QCOMPARE(QApplication::focusWidget(), about->Command3);

    // Action: use the main window while About is open. Expected: it answers
    // and its timers go on ticking.
    click(w->AmbCmnd);
    QCOMPARE(w->state().AmbFactor, 0.91f);
    w->ComWS->setCurrentIndex(4);
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), 4);
    QVERIFY(about->isVisible());
}

void TestAboutWindow::secondClickShowsTheSameWindow()
{
    AboutAmp *about = openAbout();
    about->Label2->setText(QStringLiteral("marker")); // Form_Load would overwrite it
    const QPoint placed = about->pos();
    w->move(w->pos() + QPoint(40, 30));
    QCOMPARE(openAbout(), about);
    QCOMPARE(about->Label2->text(), QStringLiteral("marker"));
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
    AboutAmp *about = openAbout();
    // A click on a text label does nothing.
    for (QLabel *label : {about->Label1, about->Label2, about->Label3, about->Label4})
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(about->isVisible());

    if (how == "OK")
        click(about->Command3);
    else if (how == "background") // the grey between the notices and the link
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(10, 155));
    else if (how == "close box")
        about->close();
    else if (how == "Exit")
        click(w->ExitCmd);
    else
        w->close();
    QTRY_VERIFY(!w->aboutWindow()); // closed and unloaded
    if (how == "OK" || how == "background")
        QVERIFY(QTest::qWaitForWindowActive(w.get())); // the focus goes back
    QCOMPARE(w->isVisible(), how != "Exit" && how != "main close box");
}

void TestAboutWindow::texts()
{
    AboutAmp *about = openAbout();
    QCOMPARE(
        about->Label1->text(),
        QStringLiteral(
            "This software conforms to the 2021 and 2024 Canadian Electrical Code. Information "
            "provided here shall be used with all applicable code rules and any other "
            "regulations imposed by authority having jurisdiction.\r\nThis free software is "
            "provided \"as is\" and without any warranties as to performance or accuracy or "
            "any other warranties whether expressed or implied. The user must assume the "
            "entire risk of using the program.\r\n\r\nTo check for updates or other usefull "
            "tools please visit our website: "));
    QCOMPARE(about->Label2->text(), QStringLiteral("Version: 25.1.7"));
    QVERIFY(about->Label3->text().endsWith(QLatin1Char(':')));
    QCOMPARE(about->Label4->text(), QStringLiteral("Copyright \u00A9 2024-2025 Torvane"));
    QCOMPARE(about->LabelBrevik->text(), QString::fromUtf8(about::MakerWebSite));
    QCOMPARE(about->LabelMail->text(), QString::fromUtf8(about::MakerEmail));

    // The notices grow downward but stop short of the links, and the address
    // fits its label.
    QVERIFY(about->Label1->geometry().bottom() < about->LabelBrevik->geometry().top());
    QVERIFY(about->Label3->geometry().bottom() < about->LabelMail->geometry().top());
    QVERIFY(about->LabelMail->fontMetrics().horizontalAdvance(about->LabelMail->text()) <=
            about->LabelMail->width());
    QCOMPARE(about->LabelMail->cursor().shape(), Qt::PointingHandCursor);
}

void TestAboutWindow::linksHandTheAddressToTheDesktop()
{
    AboutAmp *about = openAbout();
    QTest::mouseClick(about->LabelBrevik, Qt::LeftButton);
    QTest::mouseClick(about->LabelMail, Qt::LeftButton);
    QCOMPARE(recorder.opened.size(), 2);
    QCOMPARE(recorder.opened[0].toString(), about->LabelBrevik->text());
    QCOMPARE(recorder.opened[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(recorder.opened[1].path(), about->LabelMail->text());
    QCOMPARE(QByteArray::fromStdString(about::mailtoAddress("info@example.org")),
             QByteArray("Mailto:info@example.org"));
    QVERIFY(about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
