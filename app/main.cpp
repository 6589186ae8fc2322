#include "Ampacity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));

    Ampacity window;
    window.show();
    return QApplication::exec();
}
