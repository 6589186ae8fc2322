#pragma once

#include "Ampacity.h"
#include "CaptionButton.h"
#include "ListBox.h"
#include "ResultBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include <memory>

// Helpers for driving the real main window as a user would: real focus,
// real clicks, real timer ticks.
namespace windowtest {

inline std::unique_ptr<Ampacity> openMainWindow()
{
    auto window = std::make_unique<Ampacity>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

// Clicks into the list (which gives it the focus), opens it and clicks a row.
inline void pickRow(QComboBox *list, int row)
{
    list->setFocus(Qt::MouseFocusReason);
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(row, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
    // The offscreen platform leaves no window active after a popup closes;
    // a desktop hands the activation back to the list's window.
    list->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(list->window()));
}

// Whether the widget, as drawn, shows text of that colour (a few pixels of
// the glyphs' stems, at most slightly blended).
inline bool drawsIn(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage();
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            pixels += qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green()) +
                          qAbs(pixel.blue() - colour.blue()) <
                      40;
        }
    return pixels >= 5;
}

inline void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace windowtest
