#include "QtBridge.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>

namespace qtbridge {

Twips Twips::of(const QWidget *widget)
{
    return Twips(widget->logicalDpiY());
}

QPalette onFixedBackground(QPalette desktop, const QColor &background)
{
    desktop.setColor(QPalette::Window, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        const QColor text =
            readableOn(background, desktop.color(QPalette::Active, role), Qt::black);
        desktop.setColor(role, text);
    }
    return desktop;
}

QPalette withFixedText(QPalette desktop, std::initializer_list<QColor> texts)
{
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        desktop.setColor(role, *texts.begin());
    const QColor white(255, 255, 255);
    const QColor lightFace(0xEF, 0xEF, 0xEF);
    const std::pair<QPalette::ColorRole, QColor> backgrounds[] = {
        {QPalette::Base, white},
        {QPalette::AlternateBase, lightFace},
        {QPalette::Button, lightFace},
        {QPalette::Window, lightFace},
    };
    for (const auto &[role, light] : backgrounds) {
        const QColor desktopColour = desktop.color(QPalette::Active, role);
        const bool readable = std::all_of(texts.begin(), texts.end(), [&](const QColor &text) {
            return contrastRatio(text, desktopColour) >= colours::ReadableTextContrast;
        });
        desktop.setColor(role, readable ? desktopColour : light);
    }
    return desktop;
}

QFont arial(double points, bool bold, bool underline)
{
    // Where Liberation Sans stands in for a missing Arial, it is named
    // alone: the font is the same, and Qt does not ask the system for a
    // stand-in for Arial once for each size and weight, at start-up.
    static const QStringList families = [] {
        const QStringList installed = QFontDatabase::families();
        const QString twin = QStringLiteral("Liberation Sans");
        if (!installed.contains(QStringLiteral("Arial"), Qt::CaseInsensitive) &&
            installed.contains(twin, Qt::CaseInsensitive))
            return QStringList{twin};
        return QStringList{QStringLiteral("Arial"), twin};
    }();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace qtbridge
