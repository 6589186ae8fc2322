#include "StartUpPlacer.h"

#include "QtBridge.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
// How long the window manager may take to frame the window at start-up.
constexpr int FramePatienceMs = 500;
} // namespace

StartUpPlacer::StartUpPlacer(QWidget *window, Placed placed)
    : QObject(window), m_window(window), m_placed(std::move(placed))
{
    window->installEventFilter(this);
}

void StartUpPlacer::place()
{
    const QScreen *screen = m_window->screen();
    if (!screen)
        return;
    const qtbridge::Twips twips = qtbridge::Twips::of(m_window);
    const QRect outer = m_window->frameGeometry();
    const QRect screenArea = screen->geometry();
    const ampacity::WindowPlacement placement = ampacity::startUpPlacement(
        twips.twips(outer.width()), twips.twips(outer.height()), twips.twips(screenArea.width()));
    m_placed(placement);
    m_window->move(screenArea.topLeft() +
                   QPoint(twips.pixels(placement.left), twips.pixels(placement.top)));
}

void StartUpPlacer::placeByKnownFrame()
{
    if (m_placedByKnownFrame || m_window->frameGeometry().size() == m_window->size())
        return;
    m_placedByKnownFrame = true;
    place();
    m_window->setWindowOpacity(1.0);
}

bool StartUpPlacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (!m_placedByKnownFrame && !m_awaitingFrame) {
            m_awaitingFrame = true;
            m_window->setWindowOpacity(0.0);
            QTimer::singleShot(FramePatienceMs, this, [this] {
                if (!m_placedByKnownFrame) {
                    m_placedByKnownFrame = true;
                    m_window->setWindowOpacity(1.0);
                }
            });
        }
        placeByKnownFrame();
        break;
    case QEvent::Move:
    case QEvent::WindowActivate:
        placeByKnownFrame();
        break;
    default:
        break;
    }
    return false;
}
