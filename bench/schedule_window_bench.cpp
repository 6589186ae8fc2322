// Times the schedule window on a schedule file: from the program's start to
// the window painted with every row sized, then a load edited in a cell
// until its row is sized again and painted, twenty times over rows spread
// through the schedule. Prints "open_ms", "edit_median_ms" and "edit_max_ms".
// Usage: bench_schedule_window SCHEDULE.csv

#include "ScheduleModel.h"
#include "ScheduleSortProxy.h"
#include "ScheduleWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    ScheduleWindow *window = ScheduleWindow::openSchedule(QString::fromLocal8Bit(argv[1]));
    if (!window)
        return 1;
    QApplication::processEvents();
    window->table()->viewport()->repaint();
    const double openMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;

    ScheduleModel *model = window->model();
    const int rows = model->rowCount();
    std::vector<double> edits;
    for (int i = 0; i < 20; ++i) {
        const int row = static_cast<int>(static_cast<long long>(rows) * i / 20);
        window->table()->scrollTo(window->rows()->mapFromSource(model->index(row, 1)));
        QApplication::processEvents();
        QElapsedTimer edit;
        edit.start();
        model->setData(model->index(row, 1), QString::number(10 + 7 * i));
        window->table()->viewport()->repaint();
        edits.push_back(static_cast<double>(edit.nsecsElapsed()) / 1e6);
    }
    std::sort(edits.begin(), edits.end());
    std::printf("open_ms %.1f\nedit_median_ms %.2f\nedit_max_ms %.2f\n", openMs,
                edits[edits.size() / 2], edits.back());
    window->setWindowModified(false);
    return 0;
}
