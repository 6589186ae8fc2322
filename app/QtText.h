#pragma once

#include "ConditionCycles.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// Small bridges between the core (UTF-8 texts, twips, colour values with the
// bytes zero, blue, green, red) and Qt (QString, pixels, QColor).
namespace qtbridge {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Positions and sizes are laid out in twips; 15 twips make one logical pixel,
// and Qt scales logical pixels for high-density screens.
inline constexpr int TwipsPerPixel = 15;

inline int pixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

inline QColor colourOf(std::uint32_t colourValue)
{
    const ampacity::Rgb rgb = ampacity::rgbOf(colourValue);
    return {rgb.red, rgb.green, rgb.blue};
}

// Arial, or its metric twin Liberation Sans where Arial is not installed.
// Naming the twin saves the font database a search for a substitute.
inline QFont arial(double points, bool bold = false, bool underline = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace qtbridge
