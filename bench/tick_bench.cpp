// The cost of one poll tick of the real main window, offscreen. Every tick
// reads the leading list, sets the other list's row and works out the
// corrected ampacity again; timed with nothing changed (the state twenty
// times a second) and right after the user picked a new row. Prints medians
// in nanoseconds, and the paint events seen during idle ticking, which must
// be none: a tick writes no text or row the controls already show.

#include "Ampacity.h"
#include "ListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

// Median over batches, each timed as a whole, for a call too short to time alone.
template <typename Tick> double nanosecondsPerTick(Tick tick, int batches = 200, int perBatch = 500)
{
    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int b = 0; b < batches; ++b) {
        timer.start();
        for (int i = 0; i < perBatch; ++i)
            tick(i);
        samples.push_back(timer.nsecsElapsed());
    }
    return median(samples) / perBatch;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Ampacity window;
    window.show();
    window.AmbCmnd_Click(); // a correction in force: the box is shown and rewritten each tick
    window.ComWS->setCurrentIndex(13);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents();
    window.Timer1->stop(); // the benchmark calls the tick itself

    const double tick = nanosecondsPerTick([&](int) { window.Timer1_Timer(); });

    // A new row before every tick; the row change itself is the user's, not timed.
    std::vector<qint64> picked;
    QElapsedTimer timer;
    for (int i = 0; i < 20000; ++i) {
        window.ComWS->setCurrentIndex(i % 2 ? 13 : 14);
        timer.start();
        window.Timer1_Timer();
        picked.push_back(timer.nsecsElapsed());
    }

    // Idle ticking with the real timer: count paint events.
    PaintCounter counter;
    window.installEventFilter(&counter);
    for (QWidget *child : window.findChildren<QWidget *>())
        child->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    window.Timer1->start();
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    QElapsedTimer idleTime;
    idleTime.start();
    while (idleTime.elapsed() < idleSeconds * 1000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);

    std::printf("tick_ns %.0f\npicked_tick_ns %.0f\nidle_paints %d\n", tick, median(picked),
                counter.paints);
    return 0;
}
