#pragma once

#include "Ampacity.h"
#include "CaptionButton.h"
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

inline void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace windowtest
