#include "QtText.h"

#include <QCoreApplication>

namespace qtbridge {

QString translatedCaption(std::string_view coreText)
{
    return QCoreApplication::translate("Captions", std::string(coreText).c_str());
}

QString translatedWireSize(std::string_view coreText)
{
    return QCoreApplication::translate("Wire sizes", std::string(coreText).c_str());
}

} // namespace qtbridge
