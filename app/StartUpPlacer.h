#pragma once

#include "StartUpPlacement.h"

#include <QObject>

#include <functional>

class QWidget;

// Puts a window where startUpPlacement says, by its outer size. Before the
// window manager has framed the window that size is not known yet: the
// window is placed by its bare size first and again, once, by its real outer
// size when the frame is known. In between it is kept transparent (where the
// desktop composites), so the user never sees it move. Without a window
// manager no frame comes; the window then stays where it was first put.
class StartUpPlacer : public QObject
{
    Q_OBJECT

public:
    using Placed = std::function<void(const ampacity::WindowPlacement &)>;

    // placed receives each placement, in twips.
    StartUpPlacer(QWidget *window, Placed placed);

    void place();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeByKnownFrame();

    QWidget *m_window;
    Placed m_placed;
    bool m_placedByKnownFrame = false;
    bool m_awaitingFrame = false;
};
