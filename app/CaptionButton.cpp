#include "CaptionButton.h"

#include "QtBridge.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

CaptionButton::CaptionButton(const QString &caption, QWidget *parent) : QPushButton(parent)
{
    setCaption(caption);
}

void CaptionButton::setCaption(const QString &caption)
{
    if (caption == m_caption && !m_caption.isEmpty())
        return;
    m_caption = caption;
    m_shownCaption = qtbridge::translatedCaption(qtbridge::toUtf8(caption));
    setAccessibleName(m_shownCaption);
    wrapWhenShown();
}

void CaptionButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    wrapWhenShown();
}

void CaptionButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (m_fitting)
        return;
    if (event->type() == QEvent::FontChange)
        m_designFont.reset();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        wrapWhenShown();
}

void CaptionButton::showEvent(QShowEvent *event)
{
    if (m_wrapPending)
        updateShownText();
    QPushButton::showEvent(event);
}

// Wrapping measures text, which is worth doing once, for the size and font
// the button is shown with, rather than at every step of building the window.
void CaptionButton::wrapWhenShown()
{
    if (isVisible())
        updateShownText();
    else
        m_wrapPending = true;
}

int CaptionButton::availableTextHeight() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).height();
}

int CaptionButton::availableTextWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return width() - margin - 2 * frame;
}

// Greedy word wrap at ordinary blanks only. Blanks at the end of a caption
// ("3 Wires ") are not shown: they would wrap into an empty line.
QStringList CaptionButton::wrapped(const QString &caption, const QFontMetrics &metrics,
                                   int available)
{
    QStringList lines;
    QString line;
    for (const QString &word : caption.trimmed().split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(candidate) <= available) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
    }
    lines.append(line);
    return lines;
}

// A word wider than the button (a wide font, a long translation), or lines
// taller than it (a style with wide margins, as Windows' own), set the
// caption a little smaller, just enough for it to show whole.
void CaptionButton::updateShownText()
{
    constexpr double SmallestPoints = 6.5;
    m_wrapPending = false;
    if (!m_designFont)
        m_designFont = font();
    QFont fitted = *m_designFont;
    const int available = availableTextWidth();
    QStringList lines = wrapped(m_shownCaption, QFontMetrics(fitted), available);
    auto widest = [&lines](const QFontMetrics &metrics) {
        int width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    const int availableHeight = availableTextHeight();
    auto tooLarge = [&] {
        const QFontMetrics metrics(fitted);
        return widest(metrics) > available ||
               int(lines.size()) * metrics.height() > availableHeight;
    };
    while (tooLarge() && fitted.pointSizeF() > SmallestPoints) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        lines = wrapped(m_shownCaption, QFontMetrics(fitted), available);
    }
    if (fitted != font()) {
        m_fitting = true;
        setFont(fitted);
        m_fitting = false;
    }

    const QString shown = lines.join(QLatin1Char('\n'));
    if (shown != text())
        setText(shown);
}
