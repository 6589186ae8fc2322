#pragma once

#include <QString>

#include <string>
#include <string_view>

// The core's texts in Qt: UTF-8 and QString, and the core's marked texts in
// the user's language. For the command line and the windows alike.
namespace qtbridge {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// A caption, title or frame caption of the core (marked TORVANE_TEXT with
// the context "Captions") in the user's language.
QString translatedCaption(std::string_view coreText);

// A row of the wire-size list (marked TORVANE_TEXT with the context
// "Wire sizes") in the user's language: "   250 kcmil" in French.
QString translatedWireSize(std::string_view coreText);

} // namespace qtbridge
