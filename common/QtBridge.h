#pragma once

#include "Colours.h"
#include "QtText.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class QWidget;

// The bridge between the toolkit-free core and Qt's widgets, shared by both
// windows: twips and pixels, colour values and QColor, and the fonts of the
// layout. The texts are QtText's.
namespace qtbridge {

// Positions and sizes are laid out in twips, 1440 to the logical inch: 15 to
// a pixel at 96 dots per inch, fewer where the desktop sets a larger font
// DPI, so that the layout grows with the fonts it holds. High-density screens
// keep 96 logical dots per inch; Qt scales the logical pixels for them.
class Twips
{
public:
    static constexpr double PerInch = 1440.0;

    explicit Twips(double logicalDpi) : m_pixelsPerTwip(logicalDpi / PerInch) {}
    // The logical DPI of the screen the widget is on.
    static Twips of(const QWidget *widget);

    int pixels(double twips) const { return qRound(twips * m_pixelsPerTwip); }
    double twips(int pixels) const { return pixels / m_pixelsPerTwip; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }
    QSize size(int width, int height) const { return {pixels(width), pixels(height)}; }

private:
    double m_pixelsPerTwip;
};

inline QColor colourOf(std::uint32_t colourValue)
{
    const colours::Rgb rgb = colours::rgbOf(colourValue);
    return {rgb.red, rgb.green, rgb.blue};
}

inline double contrastRatio(const QColor &a, const QColor &b)
{
    return colours::contrastRatio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

// The desktop's colour where it reads well enough on the background, the
// fallback where it does not (a dark desktop theme's light text on a
// background the program keeps light).
inline QColor readableOn(const QColor &background, const QColor &preferred, const QColor &fallback,
                         double minimumContrast = colours::ReadableTextContrast)
{
    return contrastRatio(preferred, background) >= minimumContrast ? preferred : fallback;
}

// A text colour the program fixes comes with the colours it meets. These
// two build such sets from the desktop's palette:
//
// the palette of a window whose background the program fixes: its own texts
// (frame captions, labels) keep the desktop's colour where it reads on that
// background, and turn black where it does not;
QPalette onFixedBackground(QPalette desktop, const QColor &background);
// the palette of a control whose text colours the program fixes (one at a
// time, the first to begin with): its backgrounds (the list's face, its
// popup, the text field) keep the desktop's colour where every one of the
// texts reads on it, and turn light where one does not.
QPalette withFixedText(QPalette desktop, std::initializer_list<QColor> texts);

// Arial, or its metric twin Liberation Sans where Arial is not installed;
// on a desktop with neither, the desktop's sans serif.
QFont arial(double points, bool bold = false, bool underline = false);

} // namespace qtbridge
