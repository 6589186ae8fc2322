// One entry point for both programs the start-up figure compares: the
// calculator (BENCH_CALCULATOR) and the baseline window. With --first-paint
// it writes "painted" to stdout at the window's first paint and ends at once;
// without, it runs like the program itself (for idle CPU and memory).

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef BENCH_CALCULATOR
#include "Ampacity.h"
using Window = Ampacity;
#else
#include "BaselineWindow.h"
using Window = BaselineWindow;
#endif

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::quick_exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    FirstPaint firstPaint;
    if (argc > 1 && std::strcmp(argv[1], "--first-paint") == 0)
        window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
