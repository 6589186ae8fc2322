#include "QtBridge.h"

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
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace qtbridge
