#pragma once

#include "Colours.h"

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

// The bridge between the toolkit-free core and Qt, shared by both windows:
// UTF-8 texts and QString, twips and pixels, colour values and QColor, and
// the fonts of the layout.
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

// Chooses how glyphs are drawn, before the application object exists. On
// Windows the program draws its text with Qt's own FreeType, as on Linux:
// the Windows font engines take a glyph's box from the system's metrics and
// its pixels from the system's rasterizer, and where the two disagree a
// letter is lost. Under Wine, Liberation Sans (Arial's stand-in) at 8.25 pt
// is measured 2 pixels wide for a capital I whose stem is drawn outside
// them, so every I vanished. FreeType gives box and pixels from one source,
// and the same glyphs the layout was measured with on Linux. A platform the
// user names (QT_QPA_PLATFORM, -platform) is left as it is. Nothing to do
// elsewhere.
void chooseFontEngine();

// Arial, or its metric twin Liberation Sans where Arial is not installed;
// on a desktop with neither, the desktop's sans serif.
QFont arial(double points, bool bold = false, bool underline = false);

} // namespace qtbridge
